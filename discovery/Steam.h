#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// What the Steam client keeps in the home folder: libraries, the game folder and its bundle,
// the BepInEx launch script, and whether the game's launch options mention BepInEx. Nothing
// here throws; failures give the negative answer.
namespace Steam {

inline const QString valheimAppID = QStringLiteral("892970");

QString root(); // home + "Library/Application Support/Steam", recomputed on every call
QStringList libraryFolders();
std::optional<QString> findValheim();
std::optional<QString> valheimAppBundle(const QString& folder);
QString innerExecutableName(const QString& appBundle);
// A dedicated server's folder: its executable, or the loader's server script, without a client.
bool isDedicatedServer(const QString& folder);
// A folder the game runs from: a Mac client (its app bundle), a Linux client or a dedicated server.
bool isValheimFolder(const QString& folder);
// The loader's launch script: the server's in a dedicated server's folder, else the client's.
std::optional<QString> bepScript(const QString& gameDir);
bool launchOptionsConfigured();

} // namespace Steam
