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

// Which repository and release an installed mod came from, so later updates, profiles and
// exports know it, by the mod's normalized name (the archives' manifests are not ours to change,
// and Hexium's differ from its catalog anyway). Kept beside the mods' settings in the game
// folder's BepInEx/config, so each profile carries its own and two game folders never mix;
// a folder without one reads the single record earlier versions kept in the support folder.
struct Origin {
    Repository::Source source = Repository::Source::thunderstore;
    QString fullName; // "Owner-Name"
    QString version;
};
// Throws when the record can't be written: the change it belongs to is then undone.
void rememberOrigin(const QString& gameDir, const TSPackage& package);
std::optional<Origin> originOf(const QString& gameDir, const QString& modName);
// Every record at once, by normalized mod name: one read for a whole plan.
QHash<QString, Origin> origins(const QString& gameDir);

} // namespace Thunderstore
