#include "discovery/PEVersion.h"
#include "install/Installer.h"
#include "platform/Defaults.h"
#include "platform/SkaldrunError.h"
#include "tests/install/GameFixture.h"
#include "tests/support/TestMain.h"
#include "tests/support/TestZip.h"

#include <QFileInfo>

using Fixture::read;
using Fixture::tree;
using Fixture::write;

class TestInstaller : public QObject {
    Q_OBJECT

    QString m_tmp;

    // Installs and checks that the temporary folder is left empty, however it ended.
    QString installZipClean(const QString& zip, const QString& game) {
        struct Check {
            QString tmp;
            ~Check() { QCOMPARE(Fixture::leftovers(tmp), QStringList()); }
        } check{m_tmp};
        return Installer::installZip(zip, game);
    }

private Q_SLOTS:
    void initTestCase() {
        // Computed once per process: every case here runs as on an Apple Silicon Mac.
        qputenv("SKALDRUN_MACHINE", "arm64");
        m_tmp = Fixture::isolateTemp(TestHome::path());
    }

    void bepInExPackAsTheRepositoryShipsIt() {
        QTemporaryDir dir;
        const QString game = Fixture::makeGame(dir);
        const QString zip = TestZip::bepInExPack(QStringLiteral("5.4.2202")).save(dir.filePath("pack.zip"));
        Defaults::remove(Installer::bepPackVersionKey);

        QCOMPARE(installZipClean(zip, game),
                 QStringLiteral("BepInEx 5.4.2202 installed into the game folder"));
        QCOMPARE(Defaults::string(Installer::bepPackVersionKey).value_or(QString()),
                 QStringLiteral("5.4.2202"));
        for (const char* item :
             {"start_game_bepinex.sh", "start_server_bepinex.sh", "doorstop_config.ini", "winhttp.dll",
              ".doorstop_version", "changelog.txt", "doorstop_libs/libdoorstop_x64.dylib",
              "BepInEx/core/BepInEx.Preloader.dll", "BepInEx/config/BepInEx.cfg"})
            QVERIFY2(QFileInfo::exists(game + '/' + item), item);
        QCOMPARE(PEVersion::fileVersion(game + "/BepInEx/core/BepInEx.dll").value_or(QString()),
                 QStringLiteral("5.4.2202"));
        QVERIFY(QFileInfo(game + "/BepInEx/plugins").isDir());
        // The repository's own files and the wrapper folder stay out of the game folder.
        for (const char* item : {"manifest.json", "icon.png", "README.md", "BepInExPack_Valheim"})
            QVERIFY2(!QFileInfo::exists(game + '/' + item), item);

        const QString script = game + "/start_game_bepinex.sh";
        const QByteArray text = read(script);
        QVERIFY(text.contains("executable_name=\"Valheim\"\n\n# Added by Skaldrun"));
        QVERIFY(!text.contains("valheim.x86_64"));
        QCOMPARE(Fixture::mode(script), 0755u);

        // A reinstall keeps the player's plugins and replaces the loader's files.
        write(game + "/BepInEx/plugins/Mine/Mine.dll", "mine");
        write(game + "/BepInEx/core/BepInEx.dll", "damaged");
        QCOMPARE(installZipClean(zip, game),
                 QStringLiteral("BepInEx 5.4.2202 installed into the game folder"));
        QCOMPARE(read(game + "/BepInEx/plugins/Mine/Mine.dll"), QByteArray("mine"));
        QCOMPARE(read(game + "/BepInEx/core/BepInEx.dll"), TestZip::dll(QStringLiteral("5.4.2202")));
        QCOMPARE(read(script).count("ARCHPREFERENCE"), 1);
    }

    void packFoundByItsLoaderFolderStoresNoVersion() {
        QTemporaryDir dir;
        const QString game = Fixture::makeGame(dir);
        Defaults::remove(Installer::bepPackVersionKey);
        const QString zip = TestZip()
                                .file("manifest.json", TestZip::manifest("BepInExPack_Valheim", "9.9.9"))
                                .file("pack/BepInEx/core/BepInEx.dll", TestZip::dll("5.4.21"))
                                .file("pack/doorstop_libs/libdoorstop_x64.dylib", "dylib")
                                .save(dir.filePath("pack.zip"));
        QCOMPARE(installZipClean(zip, game), QStringLiteral("BepInEx installed into the game folder"));
        QVERIFY(QFileInfo::exists(game + "/BepInEx/core/BepInEx.dll"));
        QVERIFY(QFileInfo::exists(game + "/doorstop_libs/libdoorstop_x64.dylib"));
        QVERIFY(QFileInfo(game + "/BepInEx/config").isDir());
        QVERIFY(!Defaults::string(Installer::bepPackVersionKey));
    }

    void repositoryModKeepsOnlyItsPluginAndManifest() {
        QTemporaryDir dir;
        const QString game = Fixture::makeGame(dir);
        const QString zip = TestZip::repositoryMod("ShaderHelperForMac", "1.0.3")
                                .save(dir.filePath("Tarnwick-ShaderHelperForMac-1.0.3.zip"));
        QCOMPARE(installZipClean(zip, game), QStringLiteral("Installed ShaderHelperForMac"));
        const QString mod = game + "/BepInEx/plugins/ShaderHelperForMac";
        QCOMPARE(tree(mod), (QStringList{"ShaderHelperForMac.dll", "manifest.json"}));
        QCOMPARE(Installer::readManifest(mod)->version.value_or(QString()), QStringLiteral("1.0.3"));
        QCOMPARE(tree(game + "/BepInEx/plugins"),
                 (QStringList{"ShaderHelperForMac/", "ShaderHelperForMac/ShaderHelperForMac.dll",
                              "ShaderHelperForMac/manifest.json"}));
    }

    void pluginsAndConfigLayout() {
        QTemporaryDir dir;
        const QString game = Fixture::makeGame(dir);
        write(game + "/BepInEx/config/other.cfg", "keep");
        const QString zip = TestZip()
                                .file("manifest.json", TestZip::manifest("Foo", "2.0.0"))
                                .file("plugins/Foo.dll", TestZip::dll("2.0.0"))
                                .file("plugins/Assets/foo.bundle", "bundle")
                                .file("config/foo.cfg", "[General]\nx = 1\n")
                                .save(dir.filePath("Someone-Foo-2.0.0.zip"));
        QCOMPARE(installZipClean(zip, game), QStringLiteral("Installed Foo"));
        QCOMPARE(tree(game + "/BepInEx/plugins/Foo"),
                 (QStringList{"Assets/", "Assets/foo.bundle", "Foo.dll", "manifest.json"}));
        QCOMPARE(read(game + "/BepInEx/config/foo.cfg"), QByteArray("[General]\nx = 1\n"));
        QCOMPARE(read(game + "/BepInEx/config/other.cfg"), QByteArray("keep"));
    }

    void gameFolderLayoutIsMergedIntoBepInEx() {
        QTemporaryDir dir;
        const QString game = Fixture::makeGame(dir);
        write(game + "/BepInEx/plugins/Other/Other.dll", "other");
        write(game + "/BepInEx/config/bar.cfg", "old");
        const QString zip = TestZip()
                                .file("Bar/BepInEx/plugins/Bar/Bar.dll", TestZip::dll("1.0"))
                                .file("Bar/BepInEx/config/bar.cfg", "new")
                                .file("Bar/README.txt", "readme")
                                .save(dir.filePath("Bar-1.0.zip"));
        QCOMPARE(installZipClean(zip, game), QStringLiteral("Merged Bar into BepInEx"));
        QVERIFY(QFileInfo::exists(game + "/BepInEx/plugins/Bar/Bar.dll"));
        QCOMPARE(read(game + "/BepInEx/plugins/Other/Other.dll"), QByteArray("other"));
        QCOMPARE(read(game + "/BepInEx/config/bar.cfg"), QByteArray("new"));
        QVERIFY(!QFileInfo::exists(game + "/README.txt"));
        QVERIFY(!QFileInfo::exists(game + "/BepInEx/README.txt"));
    }

    void nestedWrappersBesideMacosxAreUnwrapped() {
        QTemporaryDir dir;
        const QString game = Fixture::makeGame(dir);
        const QString zip = TestZip()
                                .file("Outer/Inner/Wrapped.dll", TestZip::dll("1.2"))
                                .file("Outer/Inner/Data/.DS_Store", "finder")
                                .file("Outer/Inner/Data/table.json", "{}")
                                .file("Outer/Inner/__MACOSX/._Wrapped.dll", "fork")
                                .file("__MACOSX/Outer/Inner/._Wrapped.dll", "fork")
                                .file("Outer/.DS_Store", "finder")
                                .save(dir.filePath("Wrapped-1.2.zip"));
        QCOMPARE(installZipClean(zip, game), QStringLiteral("Installed Wrapped"));
        // Droppings are skipped at every level, also where whole folders were moved in one go.
        QCOMPARE(
            tree(game + "/BepInEx/plugins"),
            (QStringList{"Wrapped/", "Wrapped/Data/", "Wrapped/Data/table.json", "Wrapped/Wrapped.dll"}));
    }

    void reinstallLeavesNoStaleFile() {
        QTemporaryDir dir;
        const QString game = Fixture::makeGame(dir);
        const QString v1 = TestZip::repositoryMod("Stale", "1.0.0")
                               .file("Old.dll", "old")
                               .file("Sub/old.txt", "old")
                               .save(dir.filePath("Stale-1.0.0.zip"));
        const QString v2 = TestZip::repositoryMod("Stale", "1.1.0").save(dir.filePath("Stale-1.1.0.zip"));
        QCOMPARE(installZipClean(v1, game), QStringLiteral("Installed Stale"));
        QCOMPARE(installZipClean(v2, game), QStringLiteral("Installed Stale"));
        QCOMPARE(tree(game + "/BepInEx/plugins"),
                 (QStringList{"Stale/", "Stale/Stale.dll", "Stale/manifest.json"}));
        QCOMPARE(Installer::readManifest(game + "/BepInEx/plugins/Stale")->version,
                 std::optional<QString>("1.1.0"));
    }

    void dataOnlyAndEmptyTrees() {
        QTemporaryDir dir;
        const QString game = Fixture::makeGame(dir);
        const QString data = TestZip()
                                 .file("Textures/stone.png", "png")
                                 .file("notes.txt", "n")
                                 .save(dir.filePath("Looks.zip"));
        QCOMPARE(installZipClean(data, game),
                 QStringLiteral("Installed Looks (data/config files only — no plugin DLL)"));

        // A disabled plugin is still a plugin.
        const QString off = TestZip().file("Off.dll.disabled", "x").save(dir.filePath("Off.zip"));
        QCOMPARE(installZipClean(off, game), QStringLiteral("Installed Off"));

        const QString empty =
            TestZip().file(".DS_Store", "x").file("__MACOSX/._x", "x").save(dir.filePath("Nothing.zip"));
        const QStringList before = tree(game);
        try {
            installZipClean(empty, game);
            QFAIL("an archive of droppings must not install");
        } catch (const SkaldrunError& e) {
            QCOMPARE(e.kind(), ErrorKind::emptyArchive);
            QCOMPARE(e.message(), QStringLiteral("Nothing doesn't seem to contain any mod files."));
        }
        QCOMPARE(tree(game), before);
    }

    void aZipThatIsNotOne() {
        QTemporaryDir dir;
        const QString game = Fixture::makeGame(dir);
        write(dir.filePath("fake.zip"), "This is a text file, not an archive.\n");
        const QStringList before = tree(game);
        try {
            installZipClean(dir.filePath("fake.zip"), game);
            QFAIL("a text file must not extract");
        } catch (const SkaldrunError& e) {
            QCOMPARE(e.kind(), ErrorKind::extractFailed);
            QVERIFY(e.message().startsWith(QStringLiteral("Couldn't extract the archive: ")));
            QVERIFY(e.message().size() > QStringLiteral("Couldn't extract the archive: ").size() + 5);
        }
        QCOMPARE(tree(game), before);
    }

    void unsafeManifestNamesNeverReachTheDisk_data() {
        QTest::addColumn<QString>("manifestName");
        for (const char* name : {"", ".", "..", "../../Escaped", "/tmp/Escaped", "a/b", "a\\\\b",
                                 "..\\\\Escaped", "nul\\u0000byte", "..-1.0"})
            QTest::newRow(name) << QString::fromUtf8(name);
    }
    void unsafeManifestNamesNeverReachTheDisk() {
        QFETCH(QString, manifestName);
        QTemporaryDir dir;
        const QString game = Fixture::makeGame(dir);
        const QByteArray manifest =
            "{\"name\": \"" + manifestName.toUtf8() + "\", \"version_number\": \"1.2.0\"}";
        const QString zip = TestZip()
                                .file("manifest.json", manifest)
                                .file("Safe.dll", "dll")
                                .save(dir.filePath("SafeMod-1.2.0.zip"));
        QCOMPARE(installZipClean(zip, game), QStringLiteral("Installed SafeMod"));
        QCOMPARE(tree(game + "/BepInEx/plugins"),
                 (QStringList{"SafeMod/", "SafeMod/Safe.dll", "SafeMod/manifest.json"}));
        QCOMPARE(tree(dir.path()).filter("Escaped"), QStringList());
        QVERIFY(!QFileInfo::exists(game + "/BepInEx/Escaped"));
    }

    void noUsableNameFailsCleanly() {
        QTemporaryDir dir;
        const QString game = Fixture::makeGame(dir);
        write(dir.filePath("src/manifest.json"), "{\"name\": \"../../x\"}");
        write(dir.filePath("src/x.dll"), "dll");
        Fixture::write(game + "/BepInEx/plugins/Keep.dll", "keep");
        const QStringList before = tree(dir.path());
        try {
            Installer::installTree(dir.filePath("src"), game, QStringLiteral(".."));
            QFAIL("no usable name must stop the install");
        } catch (const SkaldrunError& e) {
            QVERIFY2(e.message().contains(QStringLiteral("usable folder name")), qPrintable(e.message()));
        }
        QCOMPARE(tree(dir.path()), before);
    }

    void folderNamesLoseTheirVersion() {
        using Installer::folderName;
        QCOMPARE(folderName(std::nullopt, "Tarnwick-ShaderHelperForMac-1.0.3"),
                 QStringLiteral("Tarnwick-ShaderHelperForMac"));
        QCOMPARE(folderName(std::nullopt, "Cool Mod v2.10"), QStringLiteral("Cool Mod"));
        QCOMPARE(folderName(std::nullopt, "Mod_3"), QStringLiteral("Mod"));
        QCOMPARE(folderName(std::nullopt, "-2.1"), QStringLiteral("-2.1"));
        QCOMPARE(folderName(std::nullopt, "Valheim2"), QStringLiteral("Valheim2"));
        QCOMPARE(folderName(ThunderstoreManifest{"ShaderHelperForMac", "1.0"}, "whatever-9"),
                 QStringLiteral("ShaderHelperForMac"));
        QVERIFY(Installer::isPlainName("Jötunn"));
        QVERIFY(!Installer::isPlainName(QString("a") + QChar(0)));
    }

    void droppedFilesByExtension() {
        QTemporaryDir dir;
        const QString game = Fixture::makeGame(dir);
        write(dir.filePath("Loose.DLL"), "dll");
        QCOMPARE(Installer::install(dir.filePath("Loose.DLL"), game), QStringLiteral("Installed Loose.DLL"));
        QCOMPARE(read(game + "/BepInEx/plugins/Loose.DLL"), QByteArray("dll"));
        QVERIFY(QFileInfo::exists(dir.filePath("Loose.DLL"))); // copied, never moved

        write(dir.filePath("mod.cfg"), "[A]\n");
        QCOMPARE(Installer::install(dir.filePath("mod.cfg"), game),
                 QStringLiteral("Copied mod.cfg into BepInEx/config"));
        QCOMPARE(read(game + "/BepInEx/config/mod.cfg"), QByteArray("[A]\n"));

        write(dir.filePath("mod.rar"), "rar");
        try {
            Installer::install(dir.filePath("mod.rar"), game);
            QFAIL("a RAR archive is not installable");
        } catch (const SkaldrunError& e) {
            QCOMPARE(e.kind(), ErrorKind::unsupportedFile);
            QCOMPARE(e.message(),
                     QStringLiteral("mod.rar isn't something I can install — drop a mod .zip, a .dll "
                                    "plugin, a .cfg file, or a mod folder."));
        }

        // A dropped folder is copied and stays where it was.
        write(dir.filePath("Dropped/Dropped.dll"), "d");
        write(dir.filePath("Dropped/README.md"), "r");
        QCOMPARE(Installer::install(dir.filePath("Dropped"), game), QStringLiteral("Installed Dropped"));
        QCOMPARE(tree(game + "/BepInEx/plugins/Dropped"), QStringList{"Dropped.dll"});
        QVERIFY(QFileInfo::exists(dir.filePath("Dropped/README.md")));
    }

    void itemsDraggedOutOfTheGameFolderSurvive() {
        QTemporaryDir dir;
        const QString game = Fixture::makeGame(dir);
        const QString plugins = game + "/BepInEx/plugins";
        write(plugins + "/Inside/Inside.dll", "inside");
        write(plugins + "/Inside/manifest.json", "{\"name\": \"Inside\"}");
        write(plugins + "/Loose.dll", "loose");
        write(game + "/BepInEx/config/mine.cfg", "cfg");

        QCOMPARE(Installer::install(plugins + "/Inside", game), QStringLiteral("Installed Inside"));
        QCOMPARE(tree(plugins + "/Inside"), (QStringList{"Inside.dll", "manifest.json"}));
        QCOMPARE(read(plugins + "/Inside/Inside.dll"), QByteArray("inside"));
        QCOMPARE(Installer::install(plugins + "/Loose.dll", game), QStringLiteral("Installed Loose.dll"));
        QCOMPARE(read(plugins + "/Loose.dll"), QByteArray("loose"));
        QCOMPARE(Installer::install(game + "/BepInEx/config/mine.cfg", game),
                 QStringLiteral("Copied mine.cfg into BepInEx/config"));
        QCOMPARE(read(game + "/BepInEx/config/mine.cfg"), QByteArray("cfg"));

        // The game folder itself, or its plugins folder, can't be installed into itself.
        const QStringList before = tree(game);
        for (const QString& whole : {game, plugins, game + "/BepInEx"}) {
            QVERIFY_THROWS_EXCEPTION(SkaldrunError, Installer::install(whole, game));
            QCOMPARE(tree(game), before);
        }
        QCOMPARE(Fixture::leftovers(m_tmp), QStringList());
    }

    void linksInDroppedFoldersAreNeverFollowed() {
        QTemporaryDir dir;
        const QString game = Fixture::makeGame(dir);
        write(dir.filePath("outside/secret.dll"), "secret");
        write(dir.filePath("outside/BepInEx/core/BepInEx.dll"), "core");
        write(dir.filePath("Linky/Linky.dll"), "linky");
        QVERIFY(QFile::link(dir.filePath("outside"), dir.filePath("Linky/escape")));
        QVERIFY(QFile::link(dir.filePath("outside/secret.dll"), dir.filePath("Linky/secret.dll")));
        QVERIFY(QFile::link(dir.filePath("outside/BepInEx"), dir.filePath("Linky/BepInEx")));

        // The link named BepInEx makes it neither a pack nor a game-folder layout.
        QCOMPARE(Installer::install(dir.filePath("Linky"), game), QStringLiteral("Installed Linky"));
        QCOMPARE(tree(game + "/BepInEx/plugins"), (QStringList{"Linky/", "Linky/Linky.dll"}));
        QVERIFY(!QFileInfo::exists(game + "/BepInEx/core"));

        // A wrapper that is only a link is not unwrapped either.
        QVERIFY(QDir().mkpath(dir.filePath("Wrapper")));
        QVERIFY(QFile::link(dir.filePath("outside"), dir.filePath("Wrapper/inner")));
        QVERIFY(!Installer::singleChildDirectory(dir.filePath("Wrapper")));
    }

    void findItemIsBreadthFirstAndBounded() {
        QTemporaryDir dir;
        write(dir.filePath("root/a/b/c/target"), "deep");
        write(dir.filePath("root/z/target"), "shallow");
        write(dir.filePath("root/a/b/c/d/only"), "too deep");
        const auto named = [](const char* name) {
            return [name](const QString& path) { return QFileInfo(path).fileName() == QLatin1String(name); };
        };
        QCOMPARE(Installer::findItem(dir.filePath("root"), 3, named("target")).value_or(QString()),
                 dir.filePath("root/z/target"));
        QVERIFY(Installer::findItem(dir.filePath("root"), 3, named("c")));
        QVERIFY(!Installer::findItem(dir.filePath("root"), 3, named("only")));
        QVERIFY(Installer::findItem(dir.filePath("root"), 4, named("only")));
        QVERIFY(!Installer::findItem(dir.filePath("absent"), 3, named("target")));
        QCOMPARE(Installer::fileCount(dir.filePath("root")), 3);
        QCOMPARE(Installer::fileCount(dir.filePath("absent")), 0);
    }

    void manifestsAreReadLeniently() {
        QTemporaryDir dir;
        write(dir.filePath("bom/manifest.json"), TestZip::manifest("Bom", "1.0.0"));
        QCOMPARE(Installer::readManifest(dir.filePath("bom")),
                 (ThunderstoreManifest{"Bom", QStringLiteral("1.0.0")}));
        write(dir.filePath("numeric/x/manifest.json"), "{\"name\": \"N\", \"version_number\": 3}");
        QCOMPARE(Installer::readManifest(dir.filePath("numeric")), (ThunderstoreManifest{"N", std::nullopt}));
        write(dir.filePath("broken/manifest.json"), "{\"name\": ");
        QVERIFY(!Installer::readManifest(dir.filePath("broken")));
        write(dir.filePath("array/manifest.json"), "[\"name\"]");
        QVERIFY(!Installer::readManifest(dir.filePath("array")));
        write(dir.filePath("nameless/manifest.json"), "{\"name\": 5}");
        QVERIFY(!Installer::readManifest(dir.filePath("nameless")));
        write(dir.filePath("deep/a/b/c/manifest.json"), "{\"name\": \"Deep\"}");
        QVERIFY(!Installer::readManifest(dir.filePath("deep")));
    }

    void mergeRefusesOverlappingFolders() {
        QTemporaryDir dir;
        write(dir.filePath("a/b/file"), "x");
        QVERIFY_THROWS_EXCEPTION(SkaldrunError,
                                 Installer::mergeChildren(dir.filePath("a"), dir.filePath("a/b")));
        QVERIFY_THROWS_EXCEPTION(SkaldrunError,
                                 Installer::mergeChildren(dir.filePath("a"), dir.filePath("a")));
        QCOMPARE(read(dir.filePath("a/b/file")), QByteArray("x"));
        Installer::replaceItem(dir.filePath("a/b/file"), dir.filePath("a/b/file"));
        QCOMPARE(read(dir.filePath("a/b/file")), QByteArray("x"));
    }
};

SKALDRUN_TEST_MAIN(TestInstaller)
#include "tst_installer.moc"
