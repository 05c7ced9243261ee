#include "install/Installer.h"
#include "platform/Defaults.h"
#include "tests/install/GameFixture.h"
#include "tests/support/TestMain.h"

#include <memory>

using namespace Fixture;

class TestInstaller : public QObject {
    Q_OBJECT

    QString m_tmp, m_game, m_plugins;
    std::unique_ptr<QTemporaryDir> m_dir;

    QString path(const QString& rel) const { return m_dir->filePath(rel); }
    // Installs the archive and checks that the temporary folder is left empty, however it ended.
    QString installZip(const TestZip& zip, const QString& name) {
        struct Check {
            QString tmp;
            ~Check() { QCOMPARE(leftovers(tmp), QStringList()); }
        } check{m_tmp};
        return Installer::installZip(zip.save(path(name)), m_game);
    }

private Q_SLOTS:
    void initTestCase() {
        qputenv("SKALDRUN_MACHINE", "arm64"); // the pack's script gains its block
        m_tmp = isolateTemp(TestHome::path());
    }
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        m_game = makeGame(*m_dir);
        m_plugins = m_game + "/BepInEx/plugins";
    }

    void bepInExPackAsTheRepositoryShipsIt() {
        Defaults::remove(Installer::bepPackVersionKey);
        const QString done = "BepInEx 5.4.2202 installed into the game folder";
        QCOMPARE(installZip(TestZip::bepInExPack("5.4.2202"), "pack.zip"), done);
        QCOMPARE(Defaults::string(Installer::bepPackVersionKey).value_or(QString()), "5.4.2202");
        // The wrapper folder is unwrapped; the repository's own files stay out.
        QCOMPARE(tree(m_game).join(' '),
                 ".doorstop_version BepInEx/ BepInEx/config/ BepInEx/config/BepInEx.cfg BepInEx/core/ "
                 "BepInEx/core/0Harmony.dll BepInEx/core/BepInEx.Preloader.dll BepInEx/core/BepInEx.dll "
                 "BepInEx/patchers/ BepInEx/plugins/ changelog.txt doorstop_config.ini doorstop_libs/ "
                 "doorstop_libs/libdoorstop_x64.dylib doorstop_libs/libdoorstop_x64.so start_game_bepinex.sh "
                 "start_server_bepinex.sh valheim.app/ valheim.app/Contents/ valheim.app/Contents/Info.plist "
                 "winhttp.dll");
        const QString script = m_game + "/start_game_bepinex.sh";
        QVERIFY(read(script).contains("executable_name=\"Valheim\"\n\n# Added by Skaldrun"));

        // A reinstall keeps the player's plugins and replaces the loader's files.
        write(m_plugins + "/Mine/Mine.dll", "mine");
        write(m_game + "/BepInEx/core/BepInEx.dll", "damaged");
        QCOMPARE(installZip(TestZip::bepInExPack("5.4.2202"), "pack.zip"), done);
        QCOMPARE(read(m_plugins + "/Mine/Mine.dll"), QByteArray("mine"));
        QCOMPARE(read(m_game + "/BepInEx/core/BepInEx.dll"), TestZip::dll("5.4.2202"));

        // Found by its loader folder alone, a pack stores no version, whatever its manifest says.
        Defaults::remove(Installer::bepPackVersionKey);
        QVERIFY(QDir(m_game + "/BepInEx/config").removeRecursively());
        const TestZip bare = files("pack/BepInEx/core/BepInEx.dll pack/doorstop_libs/libdoorstop_x64.dylib")
                                 .file("manifest.json", TestZip::manifest("BepInExPack_Valheim", "9.9.9"));
        QCOMPARE(installZip(bare, "pack.zip"), "BepInEx installed into the game folder");
        QCOMPARE(read(m_game + "/BepInEx/core/BepInEx.dll"), "pack/BepInEx/core/BepInEx.dll");
        QCOMPARE(read(m_game + "/doorstop_libs/libdoorstop_x64.dylib"),
                 "pack/doorstop_libs/libdoorstop_x64.dylib");
        QVERIFY(!Defaults::string(Installer::bepPackVersionKey) &&
                QFileInfo(m_game + "/BepInEx/config").isDir());
    }

    // Each layout in turn into one game folder, then the whole of BepInEx at once.
    void modLayouts() {
        write(m_plugins + "/Other/Other.dll", "other");
        write(m_game + "/BepInEx/config/other.cfg", "keep");
        write(m_game + "/BepInEx/config/bar.cfg", "old");
        const TestZip old =
            TestZip::repositoryMod("ShaderHelperForMac", "1.0.2").file("Old.dll").file("Sub/o");
        QCOMPARE(installZip(old, "Tarnwick-ShaderHelperForMac-1.0.2.zip"), "Installed ShaderHelperForMac");
        QCOMPARE(installZip(TestZip::repositoryMod("ShaderHelperForMac", "1.0.3"),
                            "Tarnwick-ShaderHelperForMac-1.0.3.zip"),
                 "Installed ShaderHelperForMac");
        QCOMPARE(Installer::readManifest(m_plugins + "/ShaderHelperForMac")->version, "1.0.3");
        const TestZip foo = files("plugins/Foo.dll plugins/Assets/foo.bundle config/foo.cfg")
                                .file("manifest.json", TestZip::manifest("Foo", "2.0.0"));
        QCOMPARE(installZip(foo, "Someone-Foo-2.0.0.zip"), "Installed Foo");
        const TestZip bar =
            files("Bar/BepInEx/plugins/Bar/Bar.dll Bar/BepInEx/config/bar.cfg Bar/README.txt");
        QCOMPARE(installZip(bar, "Bar-1.0.zip"), "Merged Bar into BepInEx");
        // Droppings are skipped at every level, also where whole folders are moved in one go.
        const TestZip wrapped =
            files("Outer/Inner/Wrapped.dll Outer/Inner/Data/.DS_Store Outer/Inner/Data/table.json "
                  "Outer/Inner/__MACOSX/._Wrapped.dll __MACOSX/Outer/Inner/._Wrapped.dll Outer/.DS_Store");
        QCOMPARE(installZip(wrapped, "Wrapped-1.2.zip"), "Installed Wrapped");
        QCOMPARE(installZip(files("Textures/stone.png notes.txt"), "Looks.zip"),
                 "Installed Looks (data/config files only — no plugin DLL)");
        QCOMPARE(installZip(files("Off.dll.disabled"), "Off.zip"), "Installed Off");
        QCOMPARE(tree(m_game + "/BepInEx").join(' '),
                 "config/ config/bar.cfg config/foo.cfg config/other.cfg plugins/ plugins/Bar/ "
                 "plugins/Bar/Bar.dll plugins/Foo/ plugins/Foo/Assets/ plugins/Foo/Assets/foo.bundle "
                 "plugins/Foo/Foo.dll plugins/Foo/manifest.json plugins/Looks/ plugins/Looks/Textures/ "
                 "plugins/Looks/Textures/stone.png plugins/Looks/notes.txt plugins/Off/ "
                 "plugins/Off/Off.dll.disabled plugins/Other/ plugins/Other/Other.dll "
                 "plugins/ShaderHelperForMac/ plugins/ShaderHelperForMac/ShaderHelperForMac.dll "
                 "plugins/ShaderHelperForMac/manifest.json plugins/Wrapped/ plugins/Wrapped/Data/ "
                 "plugins/Wrapped/Data/table.json plugins/Wrapped/Wrapped.dll");
        QCOMPARE(read(m_game + "/BepInEx/config/foo.cfg"), "config/foo.cfg");
        QCOMPARE(read(m_game + "/BepInEx/config/other.cfg"), QByteArray("keep"));
        QCOMPARE(read(m_game + "/BepInEx/config/bar.cfg"), "Bar/BepInEx/config/bar.cfg");
        QVERIFY(!QFileInfo::exists(m_game + "/README.txt"));

        const QStringList before = tree(m_game);
        const auto e = failure([&] { installZip(files(".DS_Store __MACOSX/._x"), "Nothing.zip"); });
        QVERIFY(e && e->kind() == ErrorKind::emptyArchive);
        QCOMPARE(e->message(), "Nothing doesn't seem to contain any mod files.");
        QCOMPARE(tree(m_game), before);
    }

    void unsafeManifestNamesNeverReachTheDisk_data() {
        QTest::addColumn<QString>("manifestName");
        for (const char* name : {"", ".", "..", "../../Escaped", "/tmp/Escaped", "a/b", "a\\\\b",
                                 "..\\\\Escaped", "nul\\u0000byte", "..-1.0"})
            QTest::newRow(name) << QString::fromUtf8(name);
    }
    void unsafeManifestNamesNeverReachTheDisk() {
        QFETCH(QString, manifestName);
        const QByteArray manifest =
            "{\"name\": \"" + manifestName.toUtf8() + "\", \"version_number\": \"1.2.0\"}";
        QCOMPARE(installZip(TestZip().file("manifest.json", manifest).file("Safe.dll"), "SafeMod-1.2.0.zip"),
                 "Installed SafeMod");
        QCOMPARE(tree(m_plugins).join(' '), "SafeMod/ SafeMod/Safe.dll SafeMod/manifest.json");
        QCOMPARE(tree(m_dir->path()).filter("Escaped"), QStringList());

        // With no usable fallback either, the install stops before anything is written.
        write(path("src/manifest.json"), "{\"name\": \"../../x\"}");
        write(path("src/x.dll"), "dll");
        const QStringList before = tree(m_dir->path());
        const auto e = failure([&] { Installer::installTree(path("src"), m_game, ".."); });
        QVERIFY(e && e->message().contains("usable folder name"));
        QCOMPARE(tree(m_dir->path()), before);
    }

    void folderNamesLoseTheirVersion() {
        using Installer::folderName;
        QCOMPARE(folderName(std::nullopt, "Tarnwick-ShaderHelperForMac-1.0.3"),
                 "Tarnwick-ShaderHelperForMac");
        QCOMPARE(folderName(std::nullopt, "Cool Mod v2.10"), "Cool Mod");
        QCOMPARE(folderName(std::nullopt, "Mod_3"), "Mod");
        QCOMPARE(folderName(std::nullopt, "-2.1"), "-2.1");
        QCOMPARE(folderName(std::nullopt, "Valheim2"), "Valheim2");
        QCOMPARE(folderName(ThunderstoreManifest{"ShaderHelperForMac", "1.0"}, "whatever-9"),
                 "ShaderHelperForMac");
        QVERIFY(Installer::isPlainName("Jötunn"));
    }

    void droppedItemsAreCopiedByExtension() {
        write(path("Loose.DLL"), "dll");
        QCOMPARE(Installer::install(path("Loose.DLL"), m_game), "Installed Loose.DLL");
        QCOMPARE(read(m_plugins + "/Loose.DLL"), QByteArray("dll"));
        QVERIFY(QFileInfo::exists(path("Loose.DLL")));
        write(path("mod.cfg"), "[A]\n");
        QCOMPARE(Installer::install(path("mod.cfg"), m_game), "Copied mod.cfg into BepInEx/config");
        QCOMPARE(read(m_game + "/BepInEx/config/mod.cfg"), QByteArray("[A]\n"));
        write(path("Dropped/Dropped.dll"), "d");
        write(path("Dropped/README.md"), "r");
        QCOMPARE(Installer::install(path("Dropped"), m_game), "Installed Dropped");
        QCOMPARE(tree(m_plugins + "/Dropped"), QStringList{"Dropped.dll"});
        QVERIFY(QFileInfo::exists(path("Dropped/README.md")));
    }

    void itemsDraggedOutOfTheGameFolderSurvive() {
        write(m_plugins + "/Inside/Inside.dll", "inside");
        write(m_plugins + "/Inside/manifest.json", "{\"name\": \"Inside\"}");
        write(m_plugins + "/Loose.dll", "loose");
        write(m_game + "/BepInEx/config/mine.cfg", "cfg");
        QCOMPARE(Installer::install(m_plugins + "/Inside", m_game), "Installed Inside");
        QCOMPARE(tree(m_plugins + "/Inside").join(' '), "Inside.dll manifest.json");
        QCOMPARE(read(m_plugins + "/Inside/Inside.dll"), QByteArray("inside"));
        QCOMPARE(Installer::install(m_plugins + "/Loose.dll", m_game), "Installed Loose.dll");
        QCOMPARE(read(m_plugins + "/Loose.dll"), QByteArray("loose"));
        QCOMPARE(Installer::install(m_game + "/BepInEx/config/mine.cfg", m_game),
                 "Copied mine.cfg into BepInEx/config");
        QCOMPARE(read(m_game + "/BepInEx/config/mine.cfg"), QByteArray("cfg"));

        // The game folder itself, or its plugins folder, can't be installed into itself.
        const QStringList before = tree(m_game);
        for (const QString& whole : {m_game, m_plugins, m_game + "/BepInEx"}) {
            QVERIFY_THROWS_EXCEPTION(SkaldrunError, Installer::install(whole, m_game));
            QCOMPARE(tree(m_game), before);
        }
        QCOMPARE(leftovers(m_tmp), QStringList());

        write(path("a/b/file"), "x");
        QVERIFY_THROWS_EXCEPTION(SkaldrunError, Installer::mergeChildren(path("a"), path("a/b")));
        QVERIFY_THROWS_EXCEPTION(SkaldrunError, Installer::mergeChildren(path("a"), path("a")));
        QCOMPARE(read(path("a/b/file")), QByteArray("x"));
    }

    void linksInDroppedFoldersAreNeverFollowed() {
        write(path("outside/secret.dll"), "secret");
        write(path("outside/BepInEx/core/BepInEx.dll"), "core");
        write(path("Linky/Linky.dll"), "linky");
        QVERIFY(QFile::link(path("outside"), path("Linky/escape")));
        QVERIFY(QFile::link(path("outside/secret.dll"), path("Linky/secret.dll")));
        QVERIFY(QFile::link(path("outside/BepInEx"), path("Linky/BepInEx")));
        // The link named BepInEx makes it neither a pack nor a game-folder layout.
        QCOMPARE(Installer::install(path("Linky"), m_game), "Installed Linky");
        QCOMPARE(tree(m_game + "/BepInEx"),
                 (QStringList{"plugins/", "plugins/Linky/", "plugins/Linky/Linky.dll"}));
        // A wrapper that is only a link is not unwrapped either.
        QVERIFY(QDir().mkpath(path("Wrapper")) && QFile::link(path("outside"), path("Wrapper/inner")));
        QVERIFY(!Installer::singleChildDirectory(path("Wrapper")));
    }

    void manifestsAreReadLeniently() {
        const auto manifest = [&](const QString& rel, const QByteArray& text) {
            write(path(rel), text);
            return Installer::readManifest(path(rel.section('/', 0, 0)));
        };
        QCOMPARE(manifest("bom/manifest.json", TestZip::manifest("Bom", "1.0.0")),
                 (ThunderstoreManifest{"Bom", "1.0.0"}));
        QCOMPARE(manifest("numeric/x/manifest.json", "{\"name\": \"N\", \"version_number\": 3}"),
                 (ThunderstoreManifest{"N", std::nullopt}));
        QVERIFY(!manifest("broken/manifest.json", "{\"name\": "));
        QVERIFY(!manifest("array/manifest.json", "[\"name\"]"));
        QVERIFY(!manifest("nameless/manifest.json", "{\"name\": 5}"));
        QVERIFY(!manifest("deep/a/b/c/manifest.json", "{\"name\": \"Deep\"}"));
        // The shallowest manifest wins, wherever the walk meets deeper ones first.
        write(path("deep/z/manifest.json"), "{\"name\": \"Shallow\"}");
        QCOMPARE(manifest("deep/a/b/manifest.json", "{\"name\": \"Middle\"}")->name, "Shallow");
    }
};

SKALDRUN_TEST_MAIN(TestInstaller)
#include "tst_installer.moc"
