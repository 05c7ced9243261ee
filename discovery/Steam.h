#pragma once

#include "platform/Platform.h"

#include <QString>
#include <QStringList>

#include <optional>

// What the Steam client keeps in the home folder: libraries, the game folder and its bundle,
// the BepInEx launch script, and whether the game's launch options mention BepInEx. Nothing
// here throws; failures give the negative answer. A Mac has one Steam folder; Linux may have
// several (the native client, Flatpak, Snap), often reached through links to one another.
namespace Steam {

inline const QString valheimAppID = QStringLiteral("892970");

// Steam's data folders, each once whatever links lead to it; on a Mac always the one folder,
// on Linux those that exist. Recomputed on every call.
QStringList roots(Platform platform);
QString root(Platform platform); // the first of them, or where Steam would put it
QStringList libraryFolders(Platform platform);
// On Linux the native build wins; a folder holding only the Windows build (played through
// Proton) is the answer when no library has a native one.
std::optional<QString> findValheim(Platform platform);
bool isWindowsBuild(const QString& folder); // valheim.exe without the native executable
std::optional<QString> valheimAppBundle(const QString& folder);
QString innerExecutableName(const QString& appBundle);
// A dedicated server's folder: its executable, or the loader's server script, without a client.
bool isDedicatedServer(const QString& folder);
// A folder the game runs from: a Mac client (its app bundle), a Linux client or a dedicated server.
bool isValheimFolder(const QString& folder);
// The loader's launch script: the server's in a dedicated server's folder, else the client's.
std::optional<QString> bepScript(const QString& gameDir);
bool launchOptionsConfigured(Platform platform);
// A client script from before Steam ran native games in its runtime container (packs older than
// 5.4.2331): it finds the game by position among Steam's arguments and so never loads BepInEx.
bool scriptPredatesRuntime(const QString& scriptText);

} // namespace Steam
