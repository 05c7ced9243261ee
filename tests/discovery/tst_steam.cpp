#include "discovery/LocalConfig.h"
#include "discovery/Steam.h"
#include "platform/SkaldrunError.h"
#include "tests/install/GameFixture.h"
#include "tests/support/TestMain.h"

namespace {

// Steam's nesting down to the game's block, indented as Steam writes it, around `inner`'s lines.
QByteArray nest(const QByteArrayList& keys, const QByteArrayList& inner) {
    QByteArrayList lines;
    for (qsizetype depth = 0; depth < keys.size(); ++depth)
        lines << QByteArray(depth, '\t') + '"' + keys[depth] + '"' << QByteArray(depth, '\t') + '{';
    for (const QByteArray& line : inner)
        lines << QByteArray(keys.size(), '\t') + line;
    for (qsizetype depth = keys.size() - 1; depth >= 0; --depth)
        lines << QByteArray(depth, '\t') + '}';
    return lines.join('\n') + '\n';
}

} // namespace

using Fixture::make;
using Fixture::makeGame;

class TestSteam : public QObject {
    Q_OBJECT

    static QString steamRoot() { return TestHome::path() + "/Library/Application Support/Steam"; }
    static QString libraryFile() { return steamRoot() + "/config/libraryfolders.vdf"; }
private Q_SLOTS:
    void init() {
        QDir(TestHome::path() + "/Library").removeRecursively();
        QDir(TestHome::path() + "/Games").removeRecursively();
    }

    void libraryFolders_data() {
        QTest::addColumn<QByteArray>("vdf"); // null: no file
        QTest::addColumn<QStringList>("others");
        const QByteArray root = steamRoot().toUtf8();
        QTest::newRow("no file") << QByteArray() << QStringList();
        QTest::newRow("current format, the default library again")
            << "\"libraryfolders\" {\n \"0\" { \"path\"\t\t\"" + root +
                   "/\" \"apps\" { \"228980\" \"0\" } }\n"
                   " \"1\" { \"path\"\t\t\"/Games/Steam Library\" \"apps\" { \"892970\" \"1234567\" } } }"
            << QStringList{"/Games/Steam Library"};
        // Only "path" entries count; the bare numbered value of the oldest format has none.
        QTest::newRow("old numbered format, doubled backslashes")
            << QByteArray("\"LibraryFolders\"\n{\n\t\"TimeNextStatsReport\"\t\t\"1690000000\"\n"
                          "\t\"1\"\t\t\"/Volumes/Games/SteamLibrary\"\n"
                          "\t\"2\"\n\t{\n\t\t\"path\"\t\t\"D:\\\\Games\\\\Steam\"\n\t}\n}\n")
            << QStringList{"D:\\Games\\Steam"};
        QTest::newRow("not UTF-8") << QByteArray("\"path\" \"/x\" \xff\xfe") << QStringList();
        // The file system would read such a path only up to the NUL: another folder than written.
        QTest::newRow("NUL in a path")
            << QByteArray("\"path\" \"/Games\0/x\" \"path\" \"/y\"", 30) << QStringList{"/y"};
        QTest::newRow("huge") << QByteArray(100 * 1024 * 1024, ' ') + "\"path\" \"/far/away\""
                              << QStringList{"/far/away"};
    }
    void libraryFolders() {
        QFETCH(QByteArray, vdf);
        QFETCH(QStringList, others);
        if (!vdf.isNull()) World::write(libraryFile(), vdf);
        QCOMPARE(Steam::libraryFolders(Platform::macOS), QStringList{steamRoot()} + others);
    }

    // Linux: every Steam folder that exists, each library once however it is reached; the native
    // build wins over a folder holding only the Windows one.
    void linuxDiscovery_data() {
        QTest::addColumn<QStringList>("made");
        QTest::addColumn<QStringList>("libraries"); // below the home
        QTest::addColumn<QString>("game");          // below the home; "" none
        const auto row = [](const char* name, const QStringList& made, const QStringList& libraries,
                            const QString& game) { QTest::newRow(name) << made << libraries << game; };
        const QString native = ".local/share/Steam",
                      flatpak = ".var/app/com.valvesoftware.Steam/.local/share/Steam";
        const QString valheim = "/steamapps/common/Valheim",
                      listsLib = "/steamapps/libraryfolders.vdf = \"path\" \"~Lib\"";
        row("native", {native + valheim + "/valheim.x86_64 = x"}, {native}, native + valheim);
        row("flatpak and snap", {"snap/steam/common/.local/share/Steam/steamapps/", flatpak + "/steamapps/"},
            {flatpak, "snap/steam/common/.local/share/Steam"}, "");
        row("links to one folder",
            {native + "/steamapps/", ".steam/", ".steam/steam -> .local/share/Steam",
             ".steam/root -> .local/share/Steam/"},
            {native}, "");
        row("no steamapps: not Steam", {".steam/steam/config/"}, {}, "");
        row("second library, listed by two clients",
            {native + listsLib, flatpak + listsLib, "Lib" + valheim + "/valheim.x86_64 = x"},
            {native, "Lib", flatpak}, "Lib" + valheim);
        row("Windows build only", {native + valheim + "/valheim.exe = MZ"}, {native}, native + valheim);
        row("native build in a later library wins",
            {native + valheim + "/valheim.exe = MZ", native + listsLib,
             "Lib" + valheim + "/valheim.x86_64 = x"},
            {native, "Lib"}, "Lib" + valheim);
    }
    void linuxDiscovery() {
        QFETCH(QStringList, made);
        QFETCH(QStringList, libraries);
        QFETCH(QString, game);
        for (const char* top : {".local", ".steam", ".var", "snap", "Lib"})
            QDir(TestHome::path() + '/' + top).removeRecursively();
        make(TestHome::path(), made);
        QStringList found;
        for (const QString& library : Steam::libraryFolders(Platform::linuxOS))
            found << library.mid(TestHome::path().size() + 1);
        QCOMPARE(found, libraries);
        QCOMPARE(Steam::findValheim(Platform::linuxOS).value_or(TestHome::path() + '/'),
                 TestHome::path() + '/' + game);
    }

    // The launch options go where Steam keeps them, the rest of the file byte for byte as it was,
    // a copy of it first; a file that can't be changed safely is left as it was.
    void launchOptionsWritten_data() {
        QTest::addColumn<QByteArray>("before"); // null: no file yet
        QTest::addColumn<QString>("options");
        QTest::addColumn<QByteArray>("after"); // null: refused
        const QByteArrayList way = {"UserLocalConfigStore", "Software", "Valve", "Steam", "apps", "892970"};
        const QString plain = "./start_game_bepinex.sh %command%";
        const QByteArray set = "\"LaunchOptions\"\t\t\"./start_game_bepinex.sh %command%\"";
        const QByteArrayList otherApp = {"\"440\"", "{", "\t\"LaunchOptions\"\t\t\"-novid\"", "}"};
        const QByteArrayList otherCase = {
            "userlocalconfigstore", "Software", "Valve", "Steam", "Apps", "892970"};
        QTest::newRow("replaced, keys in other letter cases")
            << nest(otherCase, {"\"launchoptions\"\t\t\"-console\""}) << plain
            << nest(otherCase, {"\"launchoptions\"\t\t\"./start_game_bepinex.sh %command%\""});
        QTest::newRow("beside the game's other settings")
            << nest(way, {"\"LastPlayed\"\t\t\"1\""}) << plain << nest(way, {"\"LastPlayed\"\t\t\"1\"", set});
        QTest::newRow("the game's block made, escaped")
            << nest(way.mid(0, 5), otherApp) << "\"/a \\b/run.sh\" %command%"
            << nest(way.mid(0, 5),
                    otherApp + QByteArrayList{"\"892970\"", "{",
                                              "\t\"LaunchOptions\"\t\t\"\\\"/a \\\\b/run.sh\\\" %command%\"",
                                              "}"});
        QTest::newRow("the whole way made")
            << QByteArray("\"UserLocalConfigStore\"\n{\n}\n") << plain << nest(way, {set});
        QTest::newRow("no file yet") << QByteArray() << plain << nest(way, {set});
        QTest::newRow("not UTF-8 elsewhere")
            << nest(way.mid(0, 5), {"\"440\" { \"name\" \"Caf\xe9\" }"}) << plain
            << nest(way.mid(0, 5), {"\"440\" { \"name\" \"Caf\xe9\" }", "\"892970\"", "{", "\t" + set, "}"});
        const QByteArray huge(16 * 1024 * 1024, 'x');
        QTest::newRow("huge") << nest(way, {"\"Notes\"\t\t\"" + huge + "\""}) << plain
                              << nest(way, {"\"Notes\"\t\t\"" + huge + "\"", set});
        QTest::newRow("a block not closed") << nest(way, {}).chopped(2) << plain << QByteArray();
        QTest::newRow("not Steam's settings")
            << QByteArray("\"libraryfolders\" { }") << plain << QByteArray();
    }
    void launchOptionsWritten() {
        QFETCH(QByteArray, before);
        QFETCH(QString, options);
        QFETCH(QByteArray, after);
        const QString folder = TestHome::path() + "/account";
        QDir(folder).removeRecursively();
        const QString file = folder + "/config/localconfig.vdf";
        if (!before.isNull()) World::write(file, before);
        if (after.isNull()) {
            QVERIFY_THROWS_EXCEPTION(SkaldrunError, LocalConfig::setLaunchOptions(file, "892970", options));
            QCOMPARE(QDir(folder + "/config").entryList(QDir::Files), QStringList{"localconfig.vdf"});
            QCOMPARE(World::read(file), before);
            return;
        }
        const QString backup = LocalConfig::setLaunchOptions(file, "892970", options);
        QCOMPARE(World::read(file), after);
        QCOMPARE(backup.isEmpty(), before.isNull());
        if (before.isNull()) return;
        QCOMPARE(World::read(backup), before);
        // Again: the first copy stays, the second holds what the first write left.
        LocalConfig::setLaunchOptions(file, "892970", options);
        QCOMPARE(World::read(file + ".backup"), before);
        QCOMPARE(World::read(file + ".backup.1"), after);
    }

    void findValheimTriesTheLibrariesInOrder() {
        const QString second = TestHome::path() + "/Games/Steam Library";
        World::write(libraryFile(), "\"path\"\t\"" + second.toUtf8() + "\"");
        // The default library holds a Valheim folder without a bundle: passed over.
        QVERIFY(QDir().mkpath(steamRoot() + "/steamapps/common/Valheim/data"));
        makeGame(second + "/steamapps/common/Valheim");
        QCOMPARE(*Steam::findValheim(Platform::macOS), second + "/steamapps/common/Valheim");
        makeGame(steamRoot() + "/steamapps/common/Valheim");
        QCOMPARE(*Steam::findValheim(Platform::macOS), steamRoot() + "/steamapps/common/Valheim");
    }

    // The game's bundle by name, else any app; its executable from the top-level key, else the
    // bundle's name; the game's own launch script before the other.
    void gameFolderPieces() {
        QTemporaryDir dir;
        const auto at = [&](const char* rel) { return dir.filePath(rel); };
        for (const char* name : {"a/Other.app", "a/VALHEIM.app", "a/Valheim.APP", "b/Game.app",
                                 "b/Valheim.APP", "Bare.app/Contents"})
            QVERIFY(QDir().mkpath(at(name)));
        QCOMPARE(*Steam::valheimAppBundle(at("a")), at("a/VALHEIM.app"));
        QCOMPARE(*Steam::valheimAppBundle(at("b")), at("b/Game.app"));
        QVERIFY(!Steam::valheimAppBundle(at("missing")));
        makeGame(dir.path(), "Valheim Universal");
        QCOMPARE(Steam::innerExecutableName(at("valheim.app")), "Valheim Universal");
        QCOMPARE(Steam::innerExecutableName(at("Bare.app")), "Bare");
        World::write(at("Broken.app/Contents/Info.plist"),
                     "<plist><dict><key>CFBundleExecutable</key><true/>");
        QCOMPARE(Steam::innerExecutableName(at("Broken.app")), "Broken");

        QVERIFY(!Steam::bepScript(dir.path()));
        World::write(at("run_bepinex.sh"), "#!/bin/sh\n");
        QCOMPARE(*Steam::bepScript(dir.path()), at("run_bepinex.sh"));
        World::write(at("start_game_bepinex.sh"), "#!/bin/sh\n");
        QCOMPARE(*Steam::bepScript(dir.path()), at("start_game_bepinex.sh"));
    }

    void launchOptionsConfigured_data() {
        QTest::addColumn<QByteArrayList>("accounts"); // one localconfig.vdf each
        QTest::addColumn<bool>("configured");
        // The game's block stands after another app's and has no BepInEx options.
        const QByteArray otherApp = "\"apps\" {\n \"440\" { \"LaunchOptions\"\t\t\"-novid\" }\n"
                                    " \"892970\" { \"LastPlayed\"\t\t\"1700000000\" } }";
        // Escaped quotes around the script path, mixed case.
        const QByteArray script =
            "\"apps\" {\n \"892970\" { \"LaunchOptions\"\t\t\"\\\"/Users/me/Library/Application "
            "Support/Steam/steamapps/common/Valheim/start_game_BepInEx.sh\\\" %command%\" } }";
        const QByteArray far(8100, ' ');
        QTest::newRow("no accounts") << QByteArrayList() << false;
        QTest::newRow("another app's options") << QByteArrayList{otherApp} << false;
        QTest::newRow("a second account has them") << QByteArrayList{otherApp, script} << true;
        QTest::newRow("beyond 8000 characters")
            << QByteArrayList{"\"892970\"\n{\n\t\"LastPlayed\"\t\"1\"\n}\n" + far +
                              "\"LaunchOptions\"\t\"./start_game_bepinex.sh %command%\"\n"}
            << false;
        QTest::newRow("app id without quotes") << QByteArrayList{"892970 LaunchOptions bepinex"} << false;
        QTest::newRow("a later app id brings them close")
            << QByteArrayList{"\"892970\"\n" + far + "\"892970\" \"LaunchOptions\" \"bepinex\""} << true;
    }
    void launchOptionsConfigured() {
        QFETCH(QByteArrayList, accounts);
        QFETCH(bool, configured);
        QVERIFY(QDir().mkpath(steamRoot() + "/userdata/10000/config")); // without the file
        for (qsizetype i = 0; i < accounts.size(); ++i)
            World::write(steamRoot() +
                             QStringLiteral("/userdata/%1/config/localconfig.vdf").arg(11111 * (i + 1)),
                         accounts[i]);
        QCOMPARE(Steam::launchOptionsConfigured(Platform::macOS), configured);
    }
};

SKALDRUN_TEST_MAIN(TestSteam)
#include "tst_steam.moc"
