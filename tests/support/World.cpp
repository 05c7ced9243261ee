#include "tests/support/World.h"

#include "platform/Fs.h"
#include "platform/Xattr.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>
#include <cstdlib>

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

QMap<QString, QByteArray> World::files(const QString& root) {
    QMap<QString, QByteArray> found;
    Fs::walk(root, [&](const Fs::Entry& e) {
        if (!e.isDir) found.insert(e.path.mid(root.size() + 1), read(e.path));
        return true;
    });
    return found;
}

World& World::buildSteam() {
    const QByteArray apps = "\"\n\t\t\"apps\"\n\t\t{\n\t\t\t\"%1\"\t\t\"140990488\"\n\t\t}\n\t}\n";
    // Linux clients keep the list in steamapps/, and ~/.steam/steam leads to the same folder.
    write(steamRoot() + (isLinux() ? "/steamapps/libraryfolders.vdf" : "/config/libraryfolders.vdf"),
          "\"libraryfolders\"\n{\n\t\"0\"\n\t{\n\t\t\"path\"\t\t\"" + steamRoot().toUtf8() +
              QByteArray(apps).replace("%1", "228980") + "\t\"1\"\n\t{\n\t\t\"path\"\t\t\"" +
              library().toUtf8() + QByteArray(apps).replace("%1", "892970") + "}\n");
    QDir().mkpath(steamRoot() + "/steamapps/common");
    setSteamLaunchOptions(QString());
    if (isLinux()) {
        QDir().mkpath(m_home + "/.steam");
        QFile::link(steamRoot(), m_home + "/.steam/steam");
        // Another account played here before; the one that signed in last is the world's.
        write(steamRoot() + "/userdata/11223344/config/localconfig.vdf", "\"UserLocalConfigStore\"\n{\n}\n");
        write(steamRoot() + "/config/loginusers.vdf",
              "\"users\"\n{\n\t\"76561197971489072\"\n\t{\n\t\t\"MostRecent\"\t\t\"0\"\n\t}\n"
              "\t\"" +
                  QByteArray::number(76561197960265728ULL + account().toULongLong()) +
                  "\"\n\t{\n\t\t\"AccountName\"\t\t\"ragnhild\"\n\t\t\"MostRecent\"\t\t\"1\"\n\t}\n}\n");
    }
    return *this;
}

void World::setSteamLaunchOptions(const QString& options) const {
    // The game's block stands after another app's that has launch options of its own.
    QByteArray escaped = options.toUtf8();
    escaped.replace("\\", "\\\\").replace("\"", "\\\"");
    const QByteArray launch =
        options.isEmpty() ? QByteArray() : "\t\"LaunchOptions\"\t\t\"" + escaped + "\"\n";
    write(localConfig(),
          "\"UserLocalConfigStore\"\n{\n\"Software\"\n{\n\"Valve\"\n{\n\"Steam\"\n{\n\"apps\"\n{\n"
          "\"440\"\n{\n\t\"LaunchOptions\"\t\t\"-novid\"\n}\n"
          "\"892970\"\n{\n\t\"LastPlayed\"\t\t\"1733400000\"\n" +
              launch + "}\n}\n}\n}\n}\n}\n");
}

World& World::buildGame() {
    if (!isLinux()) { // Linux's native build has no bundle
        write(appBundle() + "/Contents/Info.plist",
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n<dict>\n"
              "\t<key>CFBundleExecutable</key>\n\t<string>Valheim</string>\n"
              "\t<key>CFBundleIdentifier</key>\n\t<string>unity.IronGate.Valheim</string>\n"
              "</dict>\n</plist>\n");
    }
    // Stays running for a while, like the game, and remembers how it was started.
    write(executable(), "#!/bin/sh\necho \"$@\" > \"$(dirname \"$0\")/last-arguments.txt\"\nsleep 30\n");
    QFile::setPermissions(executable(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    write(gameDir() + (isLinux() ? "/UnityPlayer.so" : "/UnityPlayer.dylib"),
          QByteArray(1024, isLinux() ? '\x7F' : '\xCF'));
    return *this;
}

World& World::buildSaves() {
    const QString worlds = savesDir() + "/worlds_local/";
    write(worlds + "Midgard.db", QByteArray(4096, '\x42'));
    write(worlds + "Midgard.fwl", "Midgard world meta");
    write(savesDir() + "/characters_local/Ragnhild.fch", QByteArray(2048, '\x17'));
    return *this;
}

namespace {

// A mod folder as the stand-in loader sees it: the plugin its manifest describes, with a GUID made
// of the package's name, and the plugins it depends on.
struct StandInPlugin {
    QString guid;
    QString name;
    QString version;
    QList<std::pair<QString, QString>> needs; // GUID, version
};

QString guidOf(const QString& packageName) {
    return QStringLiteral("com.standin.") + packageName.toLower();
}

QList<StandInPlugin> standInPlugins(const QString& pluginsDir) {
    QList<StandInPlugin> plugins;
    const QStringList folders = QDir(pluginsDir).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& folder : folders) {
        const QString dir = pluginsDir + QLatin1Char('/') + folder;
        if (QDir(dir).entryList({QStringLiteral("*.dll")}, QDir::Files).isEmpty()) continue; // switched off
        QByteArray bytes = World::read(dir + QStringLiteral("/manifest.json"));
        if (bytes.startsWith("\xEF\xBB\xBF")) bytes.remove(0, 3);
        const QJsonObject manifest = QJsonDocument::fromJson(bytes).object();
        if (manifest.isEmpty()) continue;
        StandInPlugin plugin{guidOf(manifest.value("name").toString()),
                             manifest.value("name").toString(),
                             manifest.value("version_number").toString(),
                             {}};
        for (const auto& d : manifest.value("dependencies").toArray()) {
            const QStringList parts = d.toString().split(QLatin1Char('-'));
            if (parts.size() < 3 || parts[1] == QLatin1String("BepInExPack_Valheim")) continue;
            plugin.needs.append({guidOf(parts[1]), parts[2]});
        }
        plugins.append(plugin);
    }
    return plugins;
}

} // namespace

void World::writeLoaderLog() const {
    // BepInEx's own lines, then its verdict on each plugin: a dependency that isn't installed
    // keeps a plugin from loading, and one that didn't load keeps its dependants from loading.
    QByteArray log =
        "[Message:   BepInEx] BepInEx 5.4.2202.0 - valheim\n" +
        (isLinux() ? QByteArray("[Info   :   BepInEx] System platform: Bits64, Linux\n") : QByteArray()) +
        "[Info   :   BepInEx] Chainloader started\n";
    const QList<StandInPlugin> plugins = standInPlugins(pluginsDir());
    log += "[Info   :   BepInEx] " + QByteArray::number(plugins.size()) + " plugins to load\n";
    QHash<QString, bool> loaded; // by GUID
    for (const StandInPlugin& p : plugins)
        loaded.insert(p.guid, true);
    // Settled until nothing changes: a plugin stands only while everything it needs stands.
    for (bool changed = true; changed;) {
        changed = false;
        for (const StandInPlugin& p : plugins)
            for (const auto& need : p.needs)
                if (loaded.value(p.guid) && !loaded.value(need.first)) {
                    loaded[p.guid] = false;
                    changed = true;
                }
    }
    for (const StandInPlugin& p : plugins) {
        const QByteArray named = "[" + p.name.toUtf8() + " " + p.version.toUtf8() + "]";
        QStringList missing;
        for (const auto& need : p.needs)
            if (!loaded.contains(need.first))
                missing << need.first + QStringLiteral(" (") + need.second + ')';
        if (!missing.isEmpty())
            log += "[Error  :   BepInEx] Could not load " + named +
                   " because it has missing dependencies: " + missing.join(QStringLiteral(", ")).toUtf8() +
                   "\n";
        else if (!loaded.value(p.guid))
            log += "[Warning:   BepInEx] Skipping " + named +
                   " because it has a dependency that was not loaded. See previous errors for details.\n";
        else
            log += "[Info   :   BepInEx] Loading " + named + "\n";
    }
    log += "[Message:   BepInEx] Chainloader startup complete\n"
           "[Info   : Unity Log] 12/07/2026 12:40:00: Valheim version: 0.221.12 (network version 36)\n";
    write(gameDir() + "/BepInEx/LogOutput.log", log);
}

int World::quarantineLoaderFiles() const {
    int flagged = 0;
    const auto mark = [&](const QString& path) {
        if (Xattr::set(path, Xattr::quarantineName(),
                       "0083;6751f0a2;Safari;8F1E2C3D-4B5A-6978-8796-A5B4C3D2E1F0"))
            ++flagged;
        return true;
    };
    for (const char* top : {"start_game_bepinex.sh", "start_server_bepinex.sh", "doorstop_config.ini",
                            "winhttp.dll", "changelog.txt", "doorstop_libs", "BepInEx"}) {
        const QString path = gameDir() + QLatin1Char('/') + QString::fromLatin1(top);
        if (Fs::itemExists(path)) mark(path);
        if (Fs::isDir(path)) Fs::walk(path, [&](const Fs::Entry& entry) { return mark(entry.path); });
    }
    return flagged;
}
