#pragma once

#include "discovery/Outside.h"
#include "install/Archive.h"
#include "install/InstallError.h"
#include "install/ThunderstoreManifest.h"
#include "platform/Platform.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <optional>

// Puts things into the game folder (dropped files and folders, repository archives, the
// BepInEx pack), patches BepInEx's launch script, backs up and restores saves, and parks mods
// during a shader capture. Everything is synchronous and throws SkaldrunError; callers run it
// off the GUI thread (patching and the stash excepted, which are quick).
//
// Nothing outside the game's BepInEx folder (and, for the pack, the game folder's own pack
// files) is ever written or removed, whatever an archive or a manifest claims.
namespace Installer {

// --- Names and limits ---

// Finder and archive-tool droppings, skipped by every merge and by the single-child test.
inline const QStringList skippedNames = {QStringLiteral(".DS_Store"), QStringLiteral("__MACOSX")};
// Left out at the top level when a mod's own folder becomes its plugin folder.
inline const QStringList leftOutOfModFolder = {QStringLiteral("README.md"),     QStringLiteral("readme.md"),
                                               QStringLiteral("CHANGELOG.md"),  QStringLiteral("icon.png"),
                                               QStringLiteral("manifest.json"), QStringLiteral("LICENSE"),
                                               QStringLiteral("LICENSE.md"),    QStringLiteral("config")};
inline const QString manifestFileName = QStringLiteral("manifest.json");
inline const QString bepPackVersionKey = QStringLiteral("bepPackVersion"); // in Defaults
inline constexpr int packSearchDepth = 3;
inline constexpr int manifestSearchDepth = 2;

// The BepInEx pack's page on the repository, for the browser.
QUrl packPage();

// --- Installing ---

// A dropped item, by its extension: ".zip", ".dll", ".cfg", or else a folder. Returns the
// one-line message for the player.
QString install(const QString& dropped, const QString& gameDir);
QString installZip(const QString& archive, const QString& gameDir);
QString installZip(const QString& archive, const QString& gameDir, const ExtractLimits& limits);
// An unpacked tree of any shape: the BepInEx pack, a game-folder layout, or an ordinary mod.
// A tree that lies inside the game folder is installed from a copy, so a mod dragged out of
// BepInEx/plugins can't be removed before it is copied; one that holds the game folder is
// refused.
QString installTree(const QString& root, const QString& gameDir, const QString& fallbackName);

QString ensurePlugins(const QString& gameDir); // BepInEx/plugins, created when missing
// Copies src over target (its folder created as needed). Copying an item onto itself leaves it
// alone.
void replaceItem(const QString& src, const QString& target);
// Copies every child of src into dst, recursively, replacing files of the same relative path and
// keeping files only dst has. Skips skippedNames at every level, `excluding` at the top level
// only, and symbolic links everywhere. Refuses folders that contain each other.
void mergeChildren(const QString& src, const QString& dst, const QStringList& excluding = {});

// Breadth-first: children of `under` are depth 0. Shallower matches win, then listing order.
// Symbolic links are neither tested nor entered.
std::optional<QString> findItem(const QString& under, int maxDepth,
                                const std::function<bool(const QString&)>& test);
std::optional<ThunderstoreManifest> readManifest(const QString& under);
// The manifest's name (else the fallback) without a trailing version such as "-1.0.3".
QString folderName(const std::optional<ThunderstoreManifest>& manifest, const QString& fallback);
// True for one plain path component: not empty, ".", "..", and without "/", "\" or NUL.
bool isPlainName(const QString& name);
std::optional<QString> singleChildDirectory(const QString& folder);
int fileCount(const QString& folder); // regular files at any depth; links are not followed

// --- Launch script ---

// Inserted once on Apple Silicon so the Intel slice runs under Rosetta 2.
inline const QString archBlock =
    QStringLiteral("\n# Added by Skaldrun: run the game's Intel (x86_64) slice under\n"
                   "# Rosetta 2 so BepInEx's injector can load on Apple Silicon Macs.\n"
                   "export ARCHPREFERENCE=\"x86_64\"");
// Names the game bundle's executable and, on Apple Silicon, forces the Intel slice; always
// leaves the script executable. Idempotent.
void patchScript(const QString& script, const QString& gameDir);

// --- Save and stash locations (none touches the disk) ---

inline constexpr int defaultBackupsKept = 5;
inline const QStringList saveSubdirs = Outside::saveSubdirs;
QString valheimSavesDir(Platform platform);
QString saveBackupsRoot();
QString captureStashDir(const QString& gameDir);
QString backupFolderName(const QDateTime& when); // "yyyy-MM-dd HH.mm.ss", fixed C locale
// The newest backup by name (names sort chronologically); entries starting with "." are not
// backups.
std::optional<QString> latestSaveBackup(const QString& backupsRoot = saveBackupsRoot());

// --- Save backups and the capture stash ---

// Save subfolders that are links (to a cloud folder, say) are backed up as what they lead to.
// A backup that misses something (a link leading nowhere) removes no older backup.
struct SaveBackup {
    int files = 0;       // save files copied
    QString dest;        // the new backup folder
    int brokenLinks = 0; // links in the save folder that lead nowhere: the backup lacks what they held
};
SaveBackup backupSaves(const QString& savesDir, const QString& backupsRoot = saveBackupsRoot(),
                       int keep = defaultBackupsKept);
// Merges a backup's save subfolders over the save folder; returns the number of files restored.
int restoreSaves(const QString& backup, const QString& savesDir);
// Moves everything in BepInEx/plugins but ShaderHelperForMac aside; returns the number moved.
int stashModsForCapture(const QString& gameDir);
// Moves the stash back and removes it; returns the number moved back.
int restoreStashedMods(const QString& gameDir);

} // namespace Installer
