#include "discovery/Steam.h"
#include "platform/Fs.h"
#include "tests/support/ModFixtures.h"
#include "tests/support/TestMain.h"

namespace {

QString steamRoot() {
    return TestHome::path() + "/Library/Application Support/Steam";
}
QString libraryFile() {
    return steamRoot() + "/config/libraryfolders.vdf";
}

// A bundle whose Info.plist names its executable at the top level, after a decoy key of the
// same name one level down.
void makeGame(const QString& gameDir, const QByteArray& executable = "Valheim") {
    const QString contents = gameDir + "/Valheim.app/Contents/";
    World::write(
        contents + "Info.plist",
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
        "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n<plist version=\"1.0\"><dict>"
        "<key>LSEnvironment</key><dict><key>CFBundleExecutable</key><string>Decoy</string></dict>"
        "<key>CFBundleExecutable</key><string>" +
            executable + "</string></dict></plist>\n");
    World::write(contents + "MacOS/" + QString::fromUtf8(executable), "#!/bin/sh\n");
}

} // namespace

class TestSteam : public QObject {
    Q_OBJECT
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
        QCOMPARE(Steam::libraryFolders(), QStringList{steamRoot()} + others);
    }

    void findValheimTriesTheLibrariesInOrder() {
        QVERIFY(QDir().mkpath(libraryFile())); // a folder where the file should be
        QCOMPARE(Steam::libraryFolders(), QStringList{steamRoot()});
        QVERIFY(!Steam::findValheim());
        QVERIFY(QDir(libraryFile()).removeRecursively());

        const QString second = TestHome::path() + "/Games/Steam Library";
        World::write(libraryFile(), "\"path\"\t\"" + second.toUtf8() + "\"");
        // The default library holds a Valheim folder without a bundle: passed over.
        QVERIFY(QDir().mkpath(steamRoot() + "/steamapps/common/Valheim/data"));
        makeGame(second + "/steamapps/common/Valheim");
        QCOMPARE(*Steam::findValheim(), second + "/steamapps/common/Valheim");
        makeGame(steamRoot() + "/steamapps/common/Valheim");
        QCOMPARE(*Steam::findValheim(), steamRoot() + "/steamapps/common/Valheim");
    }

    void bundlesByNameThenAnyApp() {
        QTemporaryDir dir;
        for (const char* name : {"Other.app", "VALHEIM.app", "Valheim.APP"})
            QVERIFY(QDir().mkpath(dir.filePath(name)));
        QCOMPARE(*Steam::valheimAppBundle(dir.path()), dir.filePath("VALHEIM.app"));
        QTemporaryDir onlyGame;
        for (const char* name : {"Game.app", "Valheim.APP"})
            QVERIFY(QDir().mkpath(onlyGame.filePath(name)));
        QCOMPARE(*Steam::valheimAppBundle(onlyGame.path()), onlyGame.filePath("Game.app"));
        QVERIFY(!Steam::valheimAppBundle(dir.filePath("missing")));
    }

    void innerExecutableFromTopLevelKeyOnly() {
        QTemporaryDir dir;
        makeGame(dir.path(), "Valheim Universal");
        QCOMPARE(Steam::innerExecutableName(dir.filePath("Valheim.app")), "Valheim Universal");
        QVERIFY(QDir().mkpath(dir.filePath("Bare.app/Contents")));
        QCOMPARE(Steam::innerExecutableName(dir.filePath("Bare.app")), "Bare");
        World::write(dir.filePath("Broken.app/Contents/Info.plist"),
                     "<plist><dict><key>CFBundleExecutable</key><true/>");
        QCOMPARE(Steam::innerExecutableName(dir.filePath("Broken.app")), "Broken");
    }

    void bepScriptPrefersTheGameScript() {
        QTemporaryDir dir;
        QVERIFY(!Steam::bepScript(dir.path()));
        World::write(dir.filePath("run_bepinex.sh"), "#!/bin/sh\n");
        QCOMPARE(*Steam::bepScript(dir.path()), dir.filePath("run_bepinex.sh"));
        World::write(dir.filePath("start_game_bepinex.sh"), "#!/bin/sh\n");
        QCOMPARE(*Steam::bepScript(dir.path()), dir.filePath("start_game_bepinex.sh"));
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
        QCOMPARE(Steam::launchOptionsConfigured(), configured);
    }
};

SKALDRUN_TEST_MAIN(TestSteam)
#include "tst_steam.moc"
