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
inline constexpr int packSearchDepth = 3;
inline constexpr int manifestSearchDepth = 2;

// The BepInEx pack's page on the repository, for the browser.
QUrl packPage();

// --- Installing ---

// What an install may do to the loader set up in the game folder. A mod never changes it: once
// the loader is there (loaderSetUp), its start scripts, doorstop_config.ini, doorstop_libs/ and
// BepInEx/config/BepInEx.cfg are never written, and a pack met among a mod's dependencies is not
// unpacked again. Only the player setting the loader up replaces it: step 3, the pack they
// chose, the one they dropped.
enum class Loader : quint8 { keep, replace };
bool loaderSetUp(const QString& gameDir); // BepInEx's core and a launch script are in place

// A dropped item, by its extension: ".zip", ".dll", ".cfg", or else a folder (a pack among them
// replaces the loader). Returns the one-line message for the player.
QString install(const QString& dropped, const QString& gameDir);
QString installZip(const QString& archive, const QString& gameDir, Loader loader = Loader::keep);
QString installZip(const QString& archive, const QString& gameDir, const ExtractLimits& limits,
                   Loader loader = Loader::keep);
// An unpacked tree of any shape: the BepInEx pack, a game-folder layout, or an ordinary mod.
// A tree that lies inside the game folder is installed from a copy, so a mod dragged out of
// BepInEx/plugins can't be removed before it is copied; one that holds the game folder is
// refused.
QString installTree(const QString& root, const QString& gameDir, const QString& fallbackName,
                    Loader loader = Loader::keep);

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

// The first fix's line, read by `arch` alone (which the pack's 5.4.2333 script never calls), so
// it never changed how the game starts. Kept beside the launch block: it marks a script patched
// here, earlier installs included.
inline const QString archBlock =
    QStringLiteral("\n# Added by Skaldrun: run the game's Intel (x86_64) slice under\n"
                   "# Rosetta 2 so BepInEx's injector can load on Apple Silicon Macs.\n"
                   "export ARCHPREFERENCE=\"x86_64\"");
// Goes before the pack script's first DYLD_ export. The pack's plain exec runs the universal game
// as the slice of whatever starts it: arm64 when Steam runs natively, where Doorstop's x64 library
// can't load. System binaries (arch, /bin/sh) drop DYLD_* from what they start, and macOS 27 stops
// arch outright when DYLD_INSERT_LIBRARIES is in its own environment (UnityDoorstop #107), so the
// variables are set inside the Intel shell arch starts, the library named by its absolute path:
// the form the pack's maintainers validated on Apple Silicon (AzumattDev/BepInEx #21, #22).
inline const QString intelLaunchBlock = QStringLiteral(
    "# Added by Skaldrun: on Apple Silicon, start the game's Intel (x86_64) slice with the\n"
    "# injector's variables set inside the Intel shell, never in the environment of arch or sh.\n"
    "if [ \"$os_type\" = \"Darwin\" ] && [ \"$arch\" = \"x64\" ] && command -v arch >/dev/null 2>&1; then\n"
    "    skaldrun_library_path=\"$DYLD_LIBRARY_PATH\"\n"
    "    skaldrun_insert=\"$DYLD_INSERT_LIBRARIES\"\n"
    "    unset DYLD_LIBRARY_PATH DYLD_INSERT_LIBRARIES\n"
    "    exec arch -x86_64 /bin/sh -c '\n"
    "        export DYLD_LIBRARY_PATH=\"$1${3:+:$3}\"\n"
    "        export DYLD_INSERT_LIBRARIES=\"$2${4:+:$4}\"\n"
    "        shift 4\n"
    "        exec \"$@\"' sh \"$doorstop_directory\" \"$doorstop_directory/$doorstop_name\" \\\n"
    "        \"$skaldrun_library_path\" \"$skaldrun_insert\" \"$executable_path\" \"$@\"\n"
    "fi");
// Whether the script starts the game through an Intel shell that `arch` starts before any DYLD_
// export: the maintainers' later script and a patched one do; a script carrying only the
// ARCHPREFERENCE line doesn't.
bool startsIntelSlice(const QString& scriptText);
// Names the game bundle's executable and, on Apple Silicon, makes a pack script start the Intel
// slice (once); always leaves the script executable. Idempotent. False when, on Apple Silicon, the
// script still doesn't start the Intel slice (it isn't the pack's script of 5.4.2331 or later).
bool patchScript(const QString& script, const QString& gameDir);

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
