#include "discovery/Steam.h"
#include "platform/Fs.h"
#include "tests/support/TestMain.h"

#include <QDir>
#include <QFile>

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QString steamRoot() { return TestHome::path() + QStringLiteral("/Library/Application Support/Steam"); }

void makeGame(const QString& gameDir, const QString& bundle = QStringLiteral("Valheim.app"),
              const QByteArray& executable = "Valheim") {
    QString plist = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                   "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
                                   "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
                                   "<plist version=\"1.0\">\n<dict>\n"
                                   "\t<key>CFBundleIdentifier</key>\n\t<string>com.irongate.valheim</string>\n"
                                   "\t<key>LSEnvironment</key>\n\t<dict>\n\t\t<key>CFBundleExecutable</key>\n"
                                   "\t\t<string>Decoy</string>\n\t</dict>\n"
                                   "\t<key>CFBundleExecutable</key>\n\t<string>%1</string>\n</dict>\n</plist>\n")
                        .arg(QString::fromUtf8(executable));
    writeFile(gameDir + QLatin1Char('/') + bundle + QStringLiteral("/Contents/Info.plist"), plist.toUtf8());
    writeFile(gameDir + QLatin1Char('/') + bundle + QStringLiteral("/Contents/MacOS/") + QString::fromUtf8(executable),
              "#!/bin/sh\n");
}

void resetHome() {
    QDir(TestHome::path() + QStringLiteral("/Library")).removeRecursively();
    QDir(TestHome::path() + QStringLiteral("/Games")).removeRecursively();
}

} // namespace

class TestSteam : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { resetHome(); }

    void withoutLibraryFileOnlyTheDefaultLibraryCounts() {
        QCOMPARE(Steam::libraryFolders(), QStringList{steamRoot()});
        QVERIFY(!Steam::findValheim());
        makeGame(steamRoot() + QStringLiteral("/steamapps/common/Valheim"));
        QCOMPARE(*Steam::findValheim(), steamRoot() + QStringLiteral("/steamapps/common/Valheim"));
    }

    void currentLibraryFormatWithSecondLibrary() {
        const QString second = TestHome::path() + QStringLiteral("/Games/Steam Library");
        const QByteArray vdf = "\"libraryfolders\"\n{\n"
                               "\t\"0\"\n\t{\n\t\t\"path\"\t\t\"" + steamRoot().toUtf8() + "/\"\n"
                               "\t\t\"label\"\t\t\"\"\n\t\t\"contentid\"\t\t\"123\"\n"
                               "\t\t\"apps\"\n\t\t{\n\t\t\t\"228980\"\t\t\"0\"\n\t\t}\n\t}\n"
                               "\t\"1\"\n\t{\n\t\t\"path\"\t\t\"" + second.toUtf8() + "\"\n"
                               "\t\t\"label\"\t\t\"\"\n"
                               "\t\t\"apps\"\n\t\t{\n\t\t\t\"892970\"\t\t\"1234567\"\n\t\t}\n\t}\n}\n";
        writeFile(steamRoot() + QStringLiteral("/config/libraryfolders.vdf"), vdf);
        QCOMPARE(Steam::libraryFolders(), (QStringList{steamRoot(), second}));
        // The default library holds a Valheim folder without a bundle: passed over.
        QDir().mkpath(steamRoot() + QStringLiteral("/steamapps/common/Valheim/data"));
        makeGame(second + QStringLiteral("/steamapps/common/Valheim"));
        QCOMPARE(*Steam::findValheim(), second + QStringLiteral("/steamapps/common/Valheim"));
    }

    void oldNumberedFormatAndDoubledBackslashes() {
        const QByteArray vdf = "\"LibraryFolders\"\n{\n\t\"TimeNextStatsReport\"\t\t\"1690000000\"\n"
                               "\t\"1\"\t\t\"/Volumes/Games/SteamLibrary\"\n"
                               "\t\"2\"\n\t{\n\t\t\"path\"\t\t\"D:\\\\Games\\\\Steam\"\n\t}\n}\n";
        writeFile(steamRoot() + QStringLiteral("/config/libraryfolders.vdf"), vdf);
        // Only "path" entries count; the bare numbered value of the oldest format has none.
        QCOMPARE(Steam::libraryFolders(), (QStringList{steamRoot(), QStringLiteral("D:\\Games\\Steam")}));
    }

    void unreadableOrHugeLibraryFiles() {
        writeFile(steamRoot() + QStringLiteral("/config/libraryfolders.vdf"), "\"path\" \"/x\" \xff\xfe");
        QCOMPARE(Steam::libraryFolders(), QStringList{steamRoot()});
        // A folder where the file should be.
        QFile::remove(steamRoot() + QStringLiteral("/config/libraryfolders.vdf"));
        QDir().mkpath(steamRoot() + QStringLiteral("/config/libraryfolders.vdf"));
        QCOMPARE(Steam::libraryFolders(), QStringList{steamRoot()});
        QDir(steamRoot() + QStringLiteral("/config/libraryfolders.vdf")).removeRecursively();
        QByteArray huge(100 * 1024 * 1024, ' ');
        huge.append("\"path\" \"/far/away\"");
        writeFile(steamRoot() + QStringLiteral("/config/libraryfolders.vdf"), huge);
        QCOMPARE(Steam::libraryFolders(), (QStringList{steamRoot(), QStringLiteral("/far/away")}));
    }

    void bundlesByNameThenAnyApp() {
        QTemporaryDir dir;
        QDir().mkpath(dir.filePath(QStringLiteral("Other.app")));
        QDir().mkpath(dir.filePath(QStringLiteral("VALHEIM.app")));
        QDir().mkpath(dir.filePath(QStringLiteral("Valheim.APP")));
        QCOMPARE(*Steam::valheimAppBundle(dir.path()), dir.filePath(QStringLiteral("VALHEIM.app")));
        QTemporaryDir onlyGame;
        QDir().mkpath(onlyGame.filePath(QStringLiteral("Game.app")));
        QDir().mkpath(onlyGame.filePath(QStringLiteral("Valheim.APP")));
        QCOMPARE(*Steam::valheimAppBundle(onlyGame.path()), onlyGame.filePath(QStringLiteral("Game.app")));
        QVERIFY(!Steam::valheimAppBundle(dir.filePath(QStringLiteral("missing"))));
    }

    void innerExecutableFromTopLevelKeyOnly() {
        QTemporaryDir dir;
        makeGame(dir.path(), QStringLiteral("Valheim.app"), "Valheim Universal");
        QCOMPARE(Steam::innerExecutableName(dir.filePath(QStringLiteral("Valheim.app"))), QStringLiteral("Valheim Universal"));
        QDir().mkpath(dir.filePath(QStringLiteral("Bare.app/Contents")));
        QCOMPARE(Steam::innerExecutableName(dir.filePath(QStringLiteral("Bare.app"))), QStringLiteral("Bare"));
        writeFile(dir.filePath(QStringLiteral("Broken.app/Contents/Info.plist")), "<plist><dict><key>CFBundleExecutable</key><true/>");
        QCOMPARE(Steam::innerExecutableName(dir.filePath(QStringLiteral("Broken.app"))), QStringLiteral("Broken"));
    }

    void bepScriptPrefersTheGameScript() {
        QTemporaryDir dir;
        QVERIFY(!Steam::bepScript(dir.path()));
        writeFile(dir.filePath(QStringLiteral("run_bepinex.sh")), "#!/bin/sh\n");
        QCOMPARE(*Steam::bepScript(dir.path()), dir.filePath(QStringLiteral("run_bepinex.sh")));
        writeFile(dir.filePath(QStringLiteral("start_game_bepinex.sh")), "#!/bin/sh\n");
        QCOMPARE(*Steam::bepScript(dir.path()), dir.filePath(QStringLiteral("start_game_bepinex.sh")));
    }

    void launchOptionsAcrossAccounts() {
        QVERIFY(!Steam::launchOptionsConfigured());
        // Account one: the game's block stands after other apps and has no BepInEx options.
        const QByteArray first = "\"UserLocalConfigStore\"\n{\n\t\"Software\"\n\t{\n\t\t\"Valve\"\n\t\t{\n\t\t\t\"Steam\"\n"
                                 "\t\t\t{\n\t\t\t\t\"apps\"\n\t\t\t\t{\n"
                                 "\t\t\t\t\t\"440\"\n\t\t\t\t\t{\n\t\t\t\t\t\t\"LaunchOptions\"\t\t\"-novid\"\n\t\t\t\t\t}\n"
                                 "\t\t\t\t\t\"892970\"\n\t\t\t\t\t{\n\t\t\t\t\t\t\"LastPlayed\"\t\t\"1700000000\"\n"
                                 "\t\t\t\t\t}\n\t\t\t\t}\n\t\t\t}\n\t\t}\n\t}\n}\n";
        writeFile(steamRoot() + QStringLiteral("/userdata/11111/config/localconfig.vdf"), first);
        QDir().mkpath(steamRoot() + QStringLiteral("/userdata/33333/config")); // an account without the file
        QVERIFY(!Steam::launchOptionsConfigured());
        // Account two: escaped quotes around the script path, mixed case.
        const QByteArray second = "\"UserLocalConfigStore\"\n{\n\t\"apps\"\n\t{\n"
                                  "\t\t\"892970\"\n\t\t{\n\t\t\t\"LaunchOptions\"\t\t"
                                  "\"\\\"/Users/me/Library/Application Support/Steam/steamapps/common/Valheim/"
                                  "start_game_BepInEx.sh\\\" %command% -console\"\n\t\t}\n\t}\n}\n";
        writeFile(steamRoot() + QStringLiteral("/userdata/22222/config/localconfig.vdf"), second);
        QVERIFY(Steam::launchOptionsConfigured());
    }

    void launchOptionsWindowIsBounded() {
        // "launchoptions" and "bepinex" only beyond 8000 characters of the app id: not configured,
        // until a later mention of the app id brings them into its own window.
        QByteArray decoy = "\"892970\"\n{\n\t\"LastPlayed\"\t\"1\"\n}\n";
        decoy += QByteArray(8100, ' ');
        decoy += "\"LaunchOptions\"\t\"./start_game_bepinex.sh %command%\"\n";
        writeFile(steamRoot() + QStringLiteral("/userdata/44444/config/localconfig.vdf"), decoy);
        QVERIFY(!Steam::launchOptionsConfigured());
        QByteArray unquoted = "892970 LaunchOptions bepinex";
        writeFile(steamRoot() + QStringLiteral("/userdata/44444/config/localconfig.vdf"), unquoted);
        QVERIFY(!Steam::launchOptionsConfigured());
        QByteArray withLaterId = "\"892970\"\n" + QByteArray(8100, ' ') + "\"892970\" \"LaunchOptions\" \"bepinex\"";
        writeFile(steamRoot() + QStringLiteral("/userdata/44444/config/localconfig.vdf"), withLaterId);
        QVERIFY(Steam::launchOptionsConfigured());
    }
};

SKALDRUN_TEST_MAIN(TestSteam)
#include "tst_steam.moc"
