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

// The loader pack is installed by the setup steps, never as a dependency.
bool isBepInExPack(const QString& key);

struct Resolution {
    QList<TSPackage> chain; // installation order: dependencies first, the requested package last
    QStringList missing;    // dependency strings the catalog lacks, as the packages wrote them
};

// Depth-first, post-order. Packages whose normalized name is in installedNormalized are taken
// as installed and left out together with their own dependencies (never the requested one).
Resolution resolutionChain(const TSPackage& package, const PackageIndex& index,
                           const QSet<QString>& installedNormalized);

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
void rememberOrigin(const QString& gameDir, const TSPackage& package); // failures are logged, never thrown
std::optional<Origin> originOf(const QString& gameDir, const QString& modName);
// Every record at once, by normalized mod name: one read for a whole plan.
QHash<QString, Origin> origins(const QString& gameDir);

} // namespace Thunderstore
