#pragma once

#include "catalog/Repository.h"
#include "catalog/TSPackage.h"

#include <QHash>
#include <QString>

#include <optional>

// What this app knows of what it installed into a game folder, kept there: which repository and
// release each mod came from (the archives' manifests are not ours to change, and Hexium's differ
// from its catalog anyway), which release of the loader is set up, and which mods the player
// keeps at their release. The mods' records and pins live beside their settings in BepInEx/config,
// so each profile carries its own and two game folders never mix; the loader's lives beside the
// loader, which every profile of the folder shares. Mods are keyed by ModKey.
namespace InstallRecords {

struct Record {
    Repository::Source source = Repository::Source::thunderstore;
    QString fullName; // "Owner-Name"
    QString version;
};

// Throws when the record can't be written: the change it belongs to is then undone.
void remember(const QString& gameDir, const TSPackage& package);
// A release that came by another way (a dropped archive): what the record said is no longer so.
void forget(const QString& gameDir, const QString& modName);
std::optional<Record> of(const QString& gameDir, const QString& modName);
// Every record at once, by key: one read for a whole plan. A folder without any reads the single
// record earlier versions kept in the support folder.
QHash<QString, Record> all(const QString& gameDir);

std::optional<QString> loaderVersion(const QString& gameDir);
void rememberLoader(const QString& gameDir, const QString& version); // throws

// The keys of the mods whose updates aren't offered; earlier versions kept them per folder in
// the support folder.
QSet<QString> pins(const QString& gameDir);
void setPinned(const QString& gameDir, const QString& modName, bool pinned); // throws

} // namespace InstallRecords
