#pragma once

#include "platform/Platform.h"

#include <QMap>
#include <QString>
#include <QStringList>

// A made-up Mac home below a folder of our own, holding everything Skaldrun reads and writes:
// Steam's data folder with a second library that holds the game, the game's app bundle, a Steam
// account's local configuration, and a save folder with worlds and characters. On Linux the same
// in Linux places: the native build, ~/.steam/steam linking to Steam's folder, a second account
// that didn't sign in last. Stand-ins for
// what Steam and BepInEx would do are methods here. Nothing here uses QtTest, so the demo can
// build the same world.
class World {
public:
    explicit World(QString home) : m_home(std::move(home)) {}
    // Before building: the shape of that system's home.
    World& on(Platform platform) {
        m_platform = platform;
        return *this;
    }
    Platform platform() const { return m_platform; }
    bool isLinux() const { return m_platform == Platform::linuxOS; }

    QString home() const { return m_home; }
    QString steamRoot() const {
        return m_home + (isLinux() ? "/.local/share/Steam" : "/Library/Application Support/Steam");
    }
    QString library() const { return m_home + "/Games/SteamLibrary"; } // the second, on a games drive
    QString gameDir() const { return library() + "/steamapps/common/Valheim"; }
    QString appBundle() const { return gameDir() + "/Valheim.app"; }
    QString executable() const { // the bundle's main executable; Linux's native build
        return isLinux() ? gameDir() + "/valheim.x86_64" : appBundle() + "/Contents/MacOS/Valheim";
    }
    QString savesDir() const {
        return m_home + (isLinux() ? "/.config/unity3d/IronGate/Valheim"
                                   : "/Library/Application Support/IronGate/Valheim");
    }
    QString account() const { return QStringLiteral("87654321"); }
    QString localConfig() const { return steamRoot() + "/userdata/" + account() + "/config/localconfig.vdf"; }
    QString pluginsDir() const { return gameDir() + QStringLiteral("/BepInEx/plugins"); }

    // The whole world: Steam, the game, the saves.
    World& build() { return buildSteam().buildGame().buildSaves(); }
    World& buildSteam(); // libraryfolders.vdf naming the second library; an account without launch options
    World& buildGame();  // Valheim.app with Info.plist and an executable that stays running a while
    World& buildSaves(); // two worlds and a character

    // What Steam does when the player pastes launch options into the game's properties.
    void setSteamLaunchOptions(const QString& options) const;
    // What BepInEx does when it loads: writes its log.
    void writeLoaderLog() const;
    // What a browser does to a download: flags the BepInEx files as quarantined. Returns how
    // many items were flagged (0 where the file system refuses user attributes).
    int quarantineLoaderFiles() const;

    // A file below the world, with its folders made.
    static void write(const QString& path, const QByteArray& bytes);
    static QByteArray read(const QString& path);
    // Every file below `root` by relative path, with its bytes: what an action must keep whole.
    static QMap<QString, QByteArray> files(const QString& root);

private:
    QString m_home;
    Platform m_platform = Platform::macOS;
};
