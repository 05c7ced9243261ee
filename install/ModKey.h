#pragma once

#include "catalog/TSPackage.h"

#include <QHash>
#include <QList>
#include <QString>

// How one mod is named wherever it turns up: its plugin folder or DLL, its manifest, its install
// record, its catalog package ("Valheim_Plus" and "ValheimPlus" are one mod). Every lookup of a
// mod by name across those goes through this one key.
namespace ModKey {

QString of(const QString& name);
// "Owner-Name" or "Owner-Name-1.2.3" as packs and dependencies write it: the key of its name.
QString ofFullName(const QString& fullName);

// The catalog key ("owner-name") of the package each mod key names, for a mod no install record
// ties to its package. Where several packages share a key (forks, re-uploads, one mod on both
// repositories), the most downloaded one is the mod's, as a player who installed it by hand most
// likely took it; then Thunderstore's before Hexium's; then the first catalog key in alphabetical
// order. The answer never depends on the order the catalog came in.
QHash<QString, QString> packagesByKey(const QList<TSPackage>& packages);

} // namespace ModKey
