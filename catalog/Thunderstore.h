#pragma once

#include "catalog/PackageIndex.h"
#include "catalog/TSPackage.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

// Which packages a catalog install needs, in the order they must go in. Pure: no disk, no
// network.
namespace Thunderstore {

// "Owner-Name-1.2.3" -> "owner-name": everything before the last "-", lower-cased; absent
// when the text has fewer than three "-"-separated pieces. Owners may contain hyphens.
std::optional<QString> ownerName(const QString& fromDependency);

// Whether a catalog key names the loader: any owner's BepInExPack_Valheim. Real mods depend on
// denikson's; a repack under another name counts as the same loader and is never installed as it.
bool isBepInExPack(const QString& key);

struct Resolution {
    QList<TSPackage> chain; // installation order: dependencies first, the requested package last
    QStringList missing;    // dependency strings the catalog lacks, as the packages wrote them
};

// Depth-first, post-order. Packages whose normalized name is in installedNormalized are taken
// as installed and left out together with their own dependencies (never the requested one).
// A dependency on the loader is met by the loader set up in the game folder; with none set up,
// the real loader (Repository::bepInExPack, whichever owner the dependency names) comes first,
// to be unpacked as the loader, or is missing when the catalog lacks it.
Resolution resolutionChain(const TSPackage& package, const PackageIndex& index,
                           const QSet<QString>& installedNormalized, bool loaderSetUp = true);

// The package players mean by this name, whoever publishes it: Thunderstore's before Hexium's,
// and of several owners' the most downloaded. Letter case doesn't matter.
std::optional<TSPackage> publishedAs(const QList<TSPackage>& packages, const QString& name);

} // namespace Thunderstore
