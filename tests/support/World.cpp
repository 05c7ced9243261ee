#include "tests/support/World.h"

#include "platform/Fs.h"
#include "platform/Xattr.h"

#include <QDir>
#include <QFile>

#include <cstdio>
#include <cstdlib>

World::World(QString home) : m_home(std::move(home)) {}

QString World::steamRoot() const {
    return m_home + QStringLiteral("/Library/Application Support/Steam");
}
QString World::library() const {
    return m_home + QStringLiteral("/Games/SteamLibrary");
}
QString World::gameDir() const {
    return library() + QStringLiteral("/steamapps/common/Valheim");
}
QString World::appBundle() const {
    return gameDir() + QStringLiteral("/Valheim.app");
}
QString World::executable() const {
    return appBundle() + QStringLiteral("/Contents/MacOS/Valheim");
}
QString World::savesDir() const {
    return m_home + QStringLiteral("/Library/Application Support/IronGate/Valheim");
}

QString World::localConfig() const {
    return steamRoot() + QStringLiteral("/userdata/") + account() + QStringLiteral("/config/localconfig.vdf");
}

void World::write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "World: couldn't write %s\n", qPrintable(path));
        std::abort();
    }
}

QByteArray World::read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

World& World::build() {
    return buildSteam().buildGame().buildSaves();
}

World& World::buildSteam() {
    const QByteArray vdf =
        "\"libraryfolders\"\n{\n"
        "\t\"0\"\n\t{\n\t\t\"path\"\t\t\"" +
        steamRoot().toUtf8() +
        "\"\n"
        "\t\t\"label\"\t\t\"\"\n\t\t\"contentid\"\t\t\"4410163371936532385\"\n"
        "\t\t\"totalsize\"\t\t\"0\"\n\t\t\"apps\"\n\t\t{\n\t\t\t\"228980\"\t\t\"140990488\"\n\t\t}\n\t}\n"
        "\t\"1\"\n\t{\n\t\t\"path\"\t\t\"" +
        library().toUtf8() +
        "\"\n"
        "\t\t\"label\"\t\t\"Games\"\n\t\t\"contentid\"\t\t\"8829382911\"\n"
        "\t\t\"apps\"\n\t\t{\n\t\t\t\"892970\"\t\t\"1643121942\"\n\t\t}\n\t}\n}\n";
    write(steamRoot() + QStringLiteral("/config/libraryfolders.vdf"), vdf);
    QDir().mkpath(steamRoot() + QStringLiteral("/steamapps/common"));
    setSteamLaunchOptions(QString());
    return *this;
}

void World::setSteamLaunchOptions(const QString& options) const {
    QByteArray escaped = options.toUtf8();
    escaped.replace("\\", "\\\\").replace("\"", "\\\"");
    const QByteArray gameBlock =
        options.isEmpty()
            ? QByteArray("\t\t\t\t\t\"892970\"\n\t\t\t\t\t{\n\t\t\t\t\t\t\"LastPlayed\"\t\t\"1733400000\"\n"
                         "\t\t\t\t\t}\n")
            : "\t\t\t\t\t\"892970\"\n\t\t\t\t\t{\n\t\t\t\t\t\t\"LastPlayed\"\t\t\"1733400000\"\n"
              "\t\t\t\t\t\t\"LaunchOptions\"\t\t\"" +
                  escaped + "\"\n\t\t\t\t\t}\n";
    const QByteArray vdf =
        "\"UserLocalConfigStore\"\n{\n\t\"Software\"\n\t{\n\t\t\"Valve\"\n\t\t{\n\t\t\t\"Steam\"\n\t\t\t{\n"
        "\t\t\t\t\"apps\"\n\t\t\t\t{\n"
        "\t\t\t\t\t\"440\"\n\t\t\t\t\t{\n\t\t\t\t\t\t\"LaunchOptions\"\t\t\"-novid\"\n\t\t\t\t\t}\n" +
        gameBlock + "\t\t\t\t}\n\t\t\t}\n\t\t}\n\t}\n}\n";
    write(localConfig(), vdf);
}

World& World::buildGame() {
    const QByteArray plist = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                             "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
                             "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
                             "<plist version=\"1.0\">\n<dict>\n"
                             "\t<key>CFBundleExecutable</key>\n\t<string>Valheim</string>\n"
                             "\t<key>CFBundleIdentifier</key>\n\t<string>unity.IronGate.Valheim</string>\n"
                             "\t<key>CFBundleName</key>\n\t<string>Valheim</string>\n"
                             "\t<key>CFBundleShortVersionString</key>\n\t<string>0.219.16</string>\n"
                             "</dict>\n</plist>\n";
    write(appBundle() + QStringLiteral("/Contents/Info.plist"), plist);
    // Stays running for a while, like the game, and remembers how it was started.
    write(executable(), "#!/bin/sh\necho \"$@\" > \"$(dirname \"$0\")/last-arguments.txt\"\nsleep 30\n");
    QFile::setPermissions(executable(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                            QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                            QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                            QFileDevice::ExeOther);
    write(gameDir() + QStringLiteral("/UnityPlayer.dylib"), QByteArray(1024, '\xCF'));
    return *this;
}

World& World::buildSaves() {
    const QString worlds = savesDir() + QStringLiteral("/worlds_local/");
    write(worlds + QStringLiteral("Midgard.db"), QByteArray(4096, '\x42'));
    write(worlds + QStringLiteral("Midgard.fwl"), "Midgard world meta");
    write(savesDir() + QStringLiteral("/characters_local/Ragnhild.fch"), QByteArray(2048, '\x17'));
    return *this;
}

void World::writeLoaderLog() const {
    write(gameDir() + QStringLiteral("/BepInEx/LogOutput.log"),
          "[Message:   BepInEx] BepInEx 5.4.2202.0 - valheim\n[Info   :   BepInEx] Chainloader started\n");
}

int World::quarantineLoaderFiles() const {
    const QByteArray flag = "0083;6751f0a2;Safari;8F1E2C3D-4B5A-6978-8796-A5B4C3D2E1F0";
    const QString name = Xattr::quarantineName();
    int flagged = 0;
    const auto mark = [&](const QString& path) {
        if (Xattr::set(path, name, flag)) ++flagged;
    };
    for (const char* top : {"start_game_bepinex.sh", "start_server_bepinex.sh", "doorstop_config.ini",
                            "winhttp.dll", "changelog.txt", "doorstop_libs", "BepInEx"}) {
        const QString path = gameDir() + QLatin1Char('/') + QString::fromLatin1(top);
        if (!Fs::itemExists(path)) continue;
        mark(path);
        if (Fs::isDir(path)) {
            Fs::walk(path, [&](const Fs::Entry& entry) {
                mark(entry.path);
                return true;
            });
        }
    }
    return flagged;
}
