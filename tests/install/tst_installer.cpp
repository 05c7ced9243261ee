#include "install/InstallRecords.h"
#include "install/Installer.h"
#include "platform/Defaults.h"
#include "platform/Fs.h"
#include "platform/Process.h"
#include "tests/install/GameFixture.h"
#include "tests/support/TestMain.h"

#include <QtEndian>

#include <memory>

using namespace Fixture;
using ModFixtures::expectError;

class TestInstaller : public QObject {
    Q_OBJECT

    QString m_tmp, m_game, m_plugins;
    std::unique_ptr<QTemporaryDir> m_dir;

    QString path(const QString& rel) const { return m_dir->filePath(rel); }
    // Installs the archive and checks that the temporary folder is left empty, however it ended.
    QString installZip(const TestZip& zip, const QString& name,
                       Installer::Loader loader = Installer::Loader::keep) {
        struct Check {
            QString tmp;
            ~Check() { QCOMPARE(leftovers(tmp), QStringList()); }
        } check{m_tmp};
        return Installer::installZip(zip.save(path(name)), m_game, loader);
    }
    static QStringList entries(const QString& root) {
        return QDir(root).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }

    // Rewrites every uncompressed-size field of a one-entry archive (local header, data
    // descriptor, central directory) to `declared`: a bomb that lies about its size.
    static void forgeDeclaredSize(const QString& path, quint32 declared) {
        QByteArray bytes = World::read(path);
        const quint32 le = qToLittleEndian(declared);
        const std::pair<const char*, int> fields[] = {
            {"PK\x03\x04", 22}, {"PK\x07\x08", 12}, {"PK\x01\x02", 24}};
        for (const auto& [signature, offset] : fields) {
            for (qsizetype at = bytes.indexOf(signature); at >= 0 && at + offset + 4 <= bytes.size();
                 at = bytes.indexOf(signature, at + 4))
                bytes.replace(at + offset, 4, reinterpret_cast<const char*>(&le), 4);
        }
        World::write(path, bytes);
    }

private Q_SLOTS:
    void initTestCase() { m_tmp = QDir::tempPath(); } // the test process's own (TestMain.h)
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        m_game = makeGame(m_dir->filePath("Valheim"));
        m_plugins = m_game + "/BepInEx/plugins";
    }

    void bepInExPackAsTheRepositoryShipsIt() {
        const QString done = "BepInEx 5.4.2202 installed into the game folder";
        QCOMPARE(installZip(TestZip::bepInExPack("5.4.2202"), "pack.zip"), done);
        // The wrapper folder is unwrapped; the repository's own files stay out.
        QCOMPARE(tree(m_game).join(' '),
                 ".doorstop_version BepInEx/ BepInEx/config/ BepInEx/config/BepInEx.cfg BepInEx/core/ "
                 "BepInEx/core/.skaldrun-loader.json BepInEx/core/0Harmony.dll "
                 "BepInEx/core/BepInEx.Preloader.dll BepInEx/core/BepInEx.dll "
                 "BepInEx/patchers/ BepInEx/plugins/ changelog.txt doorstop_config.ini doorstop_libs/ "
                 "doorstop_libs/libdoorstop_x64.dylib doorstop_libs/libdoorstop_x64.so start_game_bepinex.sh "
                 "start_server_bepinex.sh valheim.app/ valheim.app/Contents/ valheim.app/Contents/Info.plist "
                 "winhttp.dll");

        // Set up, the loader is not unpacked again for a mod that names it, and no mod changes its
        // scripts, Doorstop's files or BepInEx.cfg, wherever its archive holds them.
        World::write(m_game + "/start_game_bepinex.sh", "#!/bin/sh\n# the player's own line\n");
        QVERIFY(QDir(m_game + "/BepInEx/config").removeRecursively()); // as before BepInEx's first start
        const auto before = World::files(m_game);
        QCOMPARE(installZip(TestZip::bepInExPack("5.4.2333"), "pack.zip"),
                 "BepInEx is already set up in the game folder; kept it as it is");
        installZip(files("Bar/BepInEx/config/BepInEx.cfg Bar/BepInEx/plugins/Bar.dll Bar/doorstop_libs/x"),
                   "Bar.zip");
        installZip(files("Cfg.dll config/BepInEx.cfg config/cfg.cfg"), "Cfg.zip");
        auto after = World::files(m_game);
        for (const char* added :
             {"BepInEx/config/cfg.cfg", "BepInEx/plugins/Cfg/Cfg.dll", "BepInEx/plugins/Bar.dll"})
            QVERIFY2(after.remove(added) == 1, added);
        QCOMPARE(after, before);

        // The player's reinstall keeps their plugins and replaces the loader's files.
        World::write(m_plugins + "/Mine/Mine.dll", "mine");
        World::write(m_game + "/BepInEx/core/BepInEx.dll", "damaged");
        QCOMPARE(installZip(TestZip::bepInExPack("5.4.2202"), "pack.zip", Installer::Loader::replace), done);
        QCOMPARE(World::read(m_plugins + "/Mine/Mine.dll"), QByteArray("mine"));
        QCOMPARE(World::read(m_game + "/BepInEx/core/BepInEx.dll"), TestZip::dll("5.4.2202"));

        // Found by its loader folder alone, a pack stores no version, whatever its manifest says.
        QFile::remove(m_game + "/BepInEx/core/.skaldrun-loader.json");
        QVERIFY(QDir(m_game + "/BepInEx/config").removeRecursively());
        const TestZip bare = files("pack/BepInEx/core/BepInEx.dll pack/doorstop_libs/libdoorstop_x64.dylib")
                                 .file("manifest.json", TestZip::manifest("BepInExPack_Valheim", "9.9.9"));
        QCOMPARE(installZip(bare, "pack.zip", Installer::Loader::replace),
                 "BepInEx installed into the game folder");
        QCOMPARE(World::read(m_game + "/BepInEx/core/BepInEx.dll"), "pack/BepInEx/core/BepInEx.dll");
        QCOMPARE(World::read(m_game + "/doorstop_libs/libdoorstop_x64.dylib"),
                 "pack/doorstop_libs/libdoorstop_x64.dylib");
        QVERIFY(!InstallRecords::loaderVersion(m_game) && QFileInfo(m_game + "/BepInEx/config").isDir());
    }

    // Each layout in turn into one game folder, then the whole of BepInEx at once.
    void modLayouts() {
        make(m_game + "/BepInEx",
             {"plugins/Other/Other.dll = other", "config/other.cfg = keep", "config/bar.cfg = old"});
        const TestZip old =
            TestZip::repositoryMod("ShaderHelperForMac", "1.0.2").file("Old.dll").file("Sub/o");
        QCOMPARE(installZip(old, "Glimmerfjord-ShaderHelperForMac-1.0.2.zip"),
                 "Installed ShaderHelperForMac");
        QCOMPARE(installZip(TestZip::repositoryMod("ShaderHelperForMac", "1.0.3"),
                            "Glimmerfjord-ShaderHelperForMac-1.0.3.zip"),
                 "Installed ShaderHelperForMac");
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
        QCOMPARE(World::read(m_game + "/BepInEx/config/foo.cfg"), "config/foo.cfg");
        QCOMPARE(World::read(m_game + "/BepInEx/config/other.cfg"), QByteArray("keep"));
        QCOMPARE(World::read(m_game + "/BepInEx/config/bar.cfg"), "Bar/BepInEx/config/bar.cfg");
        QVERIFY(!QFileInfo::exists(m_game + "/README.txt"));

        const QStringList before = tree(m_game);
        expectError({"Nothing doesn't seem to contain any mod files."},
                    [&] { installZip(files(".DS_Store __MACOSX/._x"), "Nothing.zip"); });
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
        World::write(path("src/manifest.json"), "{\"name\": \"../../x\"}");
        World::write(path("src/x.dll"), "dll");
        const QStringList before = tree(m_dir->path());
        expectError({"usable folder name"}, [&] { Installer::installTree(path("src"), m_game, ".."); });
        QCOMPARE(tree(m_dir->path()), before);
    }

    void folderNamesLoseTheirVersion() {
        QStringList names;
        for (const char* archive :
             {"Glimmerfjord-ShaderHelperForMac-1.0.3", "Cool Mod v2.10", "Mod_3", "-2.1", "Valheim2"})
            names << Installer::folderName(std::nullopt, archive);
        QCOMPARE(names,
                 (QStringList{"Glimmerfjord-ShaderHelperForMac", "Cool Mod", "Mod", "-2.1", "Valheim2"}));
        QVERIFY(Installer::isPlainName("Jötunn"));
    }

    void droppedItemsAreCopiedByExtension() {
        make(m_dir->path(),
             {"Loose.DLL = dll", "mod.cfg = [A]\n", "Dropped/Dropped.dll = d", "Dropped/README.md = r"});
        QCOMPARE(Installer::install(path("Loose.DLL"), m_game), "Installed Loose.DLL");
        QCOMPARE(Installer::install(path("mod.cfg"), m_game), "Copied mod.cfg into BepInEx/config");
        QCOMPARE(Installer::install(path("Dropped"), m_game), "Installed Dropped");
        QCOMPARE(World::files(m_game + "/BepInEx"),
                 (QMap<QString, QByteArray>{{"config/mod.cfg", "[A]\n"},
                                            {"plugins/Dropped/Dropped.dll", "d"},
                                            {"plugins/Loose.DLL", "dll"}}));
        QVERIFY(QFileInfo::exists(path("Loose.DLL")) && World::files(path("Dropped")).size() == 2); // kept
    }

    void itemsDraggedOutOfTheGameFolderSurvive() {
        make(m_game + "/BepInEx",
             {"plugins/Inside/Inside.dll = inside", "plugins/Inside/manifest.json = {\"name\": \"Inside\"}",
              "plugins/Loose.dll = loose", "config/mine.cfg = cfg"});
        const auto made = World::files(m_game + "/BepInEx");
        QCOMPARE(Installer::install(m_plugins + "/Inside", m_game), "Installed Inside");
        QCOMPARE(Installer::install(m_plugins + "/Loose.dll", m_game), "Installed Loose.dll");
        QCOMPARE(Installer::install(m_game + "/BepInEx/config/mine.cfg", m_game),
                 "Copied mine.cfg into BepInEx/config");
        QCOMPARE(World::files(m_game + "/BepInEx"), made);

        // The game folder itself, or its plugins folder, can't be installed into itself.
        const QStringList before = tree(m_game);
        for (const QString& whole : {m_game, m_plugins, m_game + "/BepInEx"}) {
            QVERIFY_THROWS_EXCEPTION(SkaldrunError, Installer::install(whole, m_game));
            QCOMPARE(tree(m_game), before);
        }
        QCOMPARE(leftovers(m_tmp), QStringList());

        World::write(path("a/b/file"), "x");
        QVERIFY_THROWS_EXCEPTION(SkaldrunError, Installer::mergeChildren(path("a"), path("a/b")));
        QVERIFY_THROWS_EXCEPTION(SkaldrunError, Installer::mergeChildren(path("a"), path("a")));
        QCOMPARE(World::read(path("a/b/file")), QByteArray("x"));
    }

    void linksInDroppedFoldersAreNeverFollowed() {
        make(m_dir->path(), {"outside/secret.dll = secret", "outside/BepInEx/core/BepInEx.dll = core",
                             "Linky/Linky.dll = linky", "Linky/escape -> outside",
                             "Linky/secret.dll -> outside/secret.dll", "Linky/BepInEx -> outside/BepInEx"});
        // The link named BepInEx makes it neither a pack nor a game-folder layout.
        QCOMPARE(Installer::install(path("Linky"), m_game), "Installed Linky");
        QCOMPARE(tree(m_game + "/BepInEx"),
                 (QStringList{"plugins/", "plugins/Linky/", "plugins/Linky/Linky.dll"}));
        // A wrapper that is only a link is not unwrapped either.
        make(m_dir->path(), {"Wrapper/", "Wrapper/inner -> outside"});
        QVERIFY(!Installer::singleChildDirectory(path("Wrapper")));
    }

    void manifestsAreReadLeniently() {
        const auto manifest = [&](const QString& rel, const QByteArray& text) {
            World::write(path(rel), text);
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
        World::write(path("deep/z/manifest.json"), "{\"name\": \"Shallow\"}");
        QCOMPARE(manifest("deep/a/b/manifest.json", "{\"name\": \"Middle\"}")->name, "Shallow");
    }

    // Archives

    // Whatever an entry claims, installing stops with our own reason naming the entry (libarchive's
    // second line of defence would give another), nothing new anywhere around the game folder and
    // no temporary folder left. `target` makes the entry a symbolic link.
    void hostileEntriesAreRefused_data() {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("target");
        for (const char* name : {"../x", "../../../../../../../../tmp/x", "Mod/../../x", "Mod/./../../x",
                                 "..", "/x", "/etc/skaldrun-test", "C:/x", "c:x", "..\\x", "Mod\\..\\..\\x",
                                 "C:\\x", "\\x", "\\\\host\\share\\x", "//host/share/x"})
            QTest::newRow(name) << QByteArray(name) << QByteArray();
        for (const char* target : {"/etc/passwd", "../../..", "/tmp"})
            QTest::addRow("link to %s", target) << QByteArray("BepInEx") << QByteArray(target);
    }
    void hostileEntriesAreRefused() {
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, target);
        TestZip zip = TestZip().file("Good/Good.dll", "good");
        target.isEmpty() ? zip.raw(name, "escaped") : zip.symlink(name, target);
        zip.file(QString::fromUtf8(name + "/x"), "through it");
        QTemporaryDir dir;
        const QString game = makeGame(dir.filePath("a/b/Valheim"));
        const QString path = zip.save(dir.filePath("a/b/evil.zip"));
        const QStringList before = tree(dir.path()), tmpBefore = tree(m_tmp);
        QString message;
        try {
            Installer::installZip(path, game);
        } catch (const SkaldrunError& e) {
            message = e.message();
        }
        // libarchive turns the backslashes of some archives into slashes before we see the name.
        const QString why = !target.isEmpty()     ? "is a symbolic link"
                            : name.contains("..") ? "points outside"
                                                  : "has an absolute path";
        const QString shown = QString::fromUtf8(name);
        QVERIFY2(message.startsWith("Couldn't extract the archive: ") &&
                     (message.contains("“" + shown + "” " + why) ||
                      message.contains("“" + QString(shown).replace('\\', '/') + "” " + why)),
                 qPrintable(message));
        QCOMPARE(tree(dir.path()), before);
        QCOMPARE(tree(m_tmp), tmpBefore);
        QVERIFY(!QFileInfo::exists("/etc/skaldrun-test") && !QFileInfo::exists("/x"));
    }

    void bombsStopAtTheLimit() {
        QTemporaryDir dir;
        const QString game = makeGame(dir.filePath("Valheim"));
        const qint64 size = qint64(64) << 20; // zeros: the archive is a thousand times smaller
        const QString bomb = TestZip()
                                 .file("Bomb/Bomb.dll", "x")
                                 .filled("Bomb/zeros.bin", size)
                                 .save(dir.filePath("bomb.zip"));
        const Installer::ExtractLimits small{.maxBytes = qint64(8) << 20};
        expectError({"more than 8 MB"}, [&] { Installer::installZip(bomb, game, small); });
        QVERIFY(!QFileInfo::exists(game + "/BepInEx"));
        QCOMPARE(leftovers(m_tmp), QStringList());
        // The same archive is fine under the real limits.
        QCOMPARE(Installer::installZip(bomb, game), "Installed bomb");
        QCOMPARE(QFileInfo(game + "/BepInEx/plugins/bomb/zeros.bin").size(), size);

        // An entry that claims 1 KB is stopped by what is actually written.
        const QString liar = TestZip().filled("zeros.bin", size).save(dir.filePath("liar.zip"));
        forgeDeclaredSize(liar, 1000);
        QVERIFY(QDir().mkpath(dir.filePath("out")));
        expectError({"more than 8 MB"}, [&] { Installer::extractZip(liar, dir.filePath("out"), small); });
        QVERIFY(QFileInfo(dir.filePath("out/zeros.bin")).size() <= small.maxBytes);

        // Many small entries: counted, not summed.
        TestZip many;
        for (int i = 0; i < 30; ++i)
            many.file(QString("Many/f%1.txt").arg(i), "x");
        expectError({"more than 20 files"}, [&] {
            Installer::extractZip(many.save(dir.filePath("many.zip")), dir.filePath("out"),
                                  {.maxEntries = 20});
        });
    }

    void namesModesAndFolders() {
        QTemporaryDir dir;
        const QString out = dir.filePath("out");
        QVERIFY(QDir().mkpath(out));
        TestZip zip;
        zip.dir("./")
            .dir("Jötunn")
            .file("Jötunn/Jötunn.dll", "jotunn")
            .file("Jötunn/./nested//deep.txt", "deep")
            .raw("Win\\Plugin.dll", "win")
            .file("setuid.sh", "#!/bin/sh\n", 04755)
            .file("private.txt", "p", 0000)
            .dir("Locked", 0000)
            .file("Locked/inside.txt", "inside");
        Installer::extractZip(zip.save(dir.filePath("names.zip")), out);
        QCOMPARE(tree(out).join(' '),
                 "Jötunn/ Jötunn/Jötunn.dll Jötunn/nested/ Jötunn/nested/deep.txt Locked/ Locked/inside.txt "
                 "Win/ Win/Plugin.dll private.txt setuid.sh");
        QCOMPARE(World::read(out + "/Win/Plugin.dll") + World::read(out + "/Locked/inside.txt"), "wininside");
        // Plain modes only: no set-id bits, nothing we couldn't read back or clean up.
        QCOMPARE(mode(out + "/setuid.sh") & ~0022u, 0755u & ~0022u);
        QCOMPARE(mode(out + "/private.txt") & ~0022u, 0644u & ~0022u);
        QCOMPARE(mode(out + "/Locked") & ~0022u, 0755u & ~0022u);
    }

    // Save backups and the capture stash

    void backupCopiesOnlySubfoldersWithFiles() {
        const QString saves = path("saves"), root = path("backups");
        make(saves,
             {"worlds_local/Midgard.db = db", "worlds_local/Midgard.fwl = fwl",
              "characters_local/Ragnar.fch = fch", "characters/empty/inside/", "other/ignored.txt = x"});
        const auto backup = Installer::backupSaves(saves, root);
        QCOMPARE(backup.files, 3);
        QCOMPARE(backup.dest, root + '/' + entries(root).join('|')); // the one new folder
        QCOMPARE(tree(backup.dest).join(' '),
                 "characters_local/ characters_local/Ragnar.fch worlds_local/ worlds_local/Midgard.db "
                 "worlds_local/Midgard.fwl");
        QCOMPARE(Installer::backupFolderName(QDateTime(QDate(2024, 3, 9), QTime(17, 5, 42))),
                 "2024-03-09 17.05.42");
        // A backup that sorts below the others (the clock was set back) is still the one kept.
        const QString skewed = path("skewed");
        QVERIFY(QDir().mkpath(skewed + "/2999-01-01 00.00.00") &&
                QDir().mkpath(skewed + "/2998-01-01 00.00.00"));
        const auto again = Installer::backupSaves(saves, skewed, 2);
        QCOMPARE(entries(skewed), (QStringList{QFileInfo(again.dest).fileName(), "2999-01-01 00.00.00"}));

        // No save files at all: an error, and no new folder.
        QVERIFY(QDir(saves).removeRecursively() && QDir().mkpath(saves + "/worlds"));
        const QString older = path("older");
        QVERIFY(QDir().mkpath(older + "/2024-01-01 00.00.00"));
        QVERIFY_THROWS_EXCEPTION(SkaldrunError, Installer::backupSaves(saves, older));
        QCOMPARE(entries(older), QStringList{"2024-01-01 00.00.00"});

        // A backup made in the same second owns the folder: a failed one (no saves, then a file
        // of the same name) neither removes nor overwrites it.
        const QDateTime now = QDateTime::currentDateTime();
        for (const QDateTime& when : {now, now.addSecs(1)})
            World::write(root + '/' + Installer::backupFolderName(when) + "/worlds/W.db", "kept");
        for (const QByteArray& save : {QByteArray(), QByteArray("new")}) {
            if (!save.isNull()) World::write(saves + "/worlds/W.db", save);
            QVERIFY_THROWS_EXCEPTION(SkaldrunError, Installer::backupSaves(saves, root));
            for (const QDateTime& when : {now, now.addSecs(1)})
                QCOMPARE(World::read(root + '/' + Installer::backupFolderName(when) + "/worlds/W.db"),
                         "kept");
        }
    }

    // Players link save folders to a cloud folder: the backup holds what links lead to, with the
    // files' dates, and a link loop ends. A link leading nowhere leaves every older backup in place.
    void linkedSavesAreBackedUpAsTheyRead() {
        const QString saves = path("saves"), cloud = path("cloud"), root = path("backups");
        make(m_dir->path(),
             {"cloud/Midgard.db = db", "cloud/deep/Midgard.fwl = fwl",
              "saves/characters_local/Ragnar.fch = fch", "saves/worlds_local -> cloud",
              "cloud/deep/loop -> cloud", "saves/characters_local/Linked.fch -> cloud/Midgard.db"});
        const QDateTime saved(QDate(2021, 6, 1), QTime(12, 0), Qt::UTC);
        QFile world(cloud + "/Midgard.db");
        QVERIFY(world.open(QIODevice::ReadWrite) &&
                world.setFileTime(saved, QFileDevice::FileModificationTime));
        for (int day = 1; day <= 6; ++day) // and a hidden folder that is no backup
            QVERIFY(QDir().mkpath(root + QString("/2020-01-0%1 10.00.00").arg(day)) &&
                    QDir().mkpath(path("older") + QString("/2020-01-0%1 10.00.00").arg(day)));
        QVERIFY(QDir().mkpath(root + "/.cache"));
        const auto backup = Installer::backupSaves(saves, root);
        QCOMPARE(backup.files, 4);
        QCOMPARE(tree(backup.dest).join(' '),
                 "characters_local/ characters_local/Linked.fch characters_local/Ragnar.fch worlds_local/ "
                 "worlds_local/Midgard.db worlds_local/deep/ worlds_local/deep/Midgard.fwl");
        QCOMPARE(QFileInfo(backup.dest + "/worlds_local/Midgard.db").lastModified().toUTC(), saved);
        // The five newest are kept.
        QCOMPARE(entries(root),
                 (QStringList{".cache", "2020-01-03 10.00.00", "2020-01-04 10.00.00", "2020-01-05 10.00.00",
                              "2020-01-06 10.00.00", QFileInfo(backup.dest).fileName()}));
        QCOMPARE(Installer::latestSaveBackup(root), backup.dest);

        QVERIFY(QDir(cloud).removeRecursively());
        const auto partial = Installer::backupSaves(saves, path("older"));
        QVERIFY(partial.files == 1 && partial.brokenLinks == 2);
        QCOMPARE(entries(path("older")).size(), 7);
    }

    void restoreMergesOverTheSaves() {
        const QString backup = path("backups/2024-03-09 17.05.42"), saves = path("saves");
        make(backup, {"worlds_local/Midgard.db = backup", "characters/Ragnar.fch = backup"});
        make(saves, {"worlds_local/Midgard.db = newer", "worlds_local/Other.db = only here"});
        QCOMPARE(Installer::restoreSaves(backup, saves), 2);
        QCOMPARE(World::read(saves + "/worlds_local/Midgard.db"), QByteArray("backup"));
        QCOMPARE(World::read(saves + "/worlds_local/Other.db"), QByteArray("only here"));
        QCOMPARE(World::read(saves + "/characters/Ragnar.fch"), QByteArray("backup"));
        QCOMPARE(Installer::restoreSaves(path("backups"), saves), 0);
    }

    void stashKeepsShaderHelperAndRestores() {
        const QString game = m_game, plugins = m_plugins, stash = Installer::captureStashDir(game);
        make(plugins,
             {"Glimmerfjord-ShaderHelperForMac/ShaderHelperForMac.dll = shader", "shader_helper.dll = shader",
              "ModA/ModA.dll = a", "ModB.dll = b", ".DS_Store = finder"});
        QCOMPARE(Installer::stashModsForCapture(game), 2);
        QCOMPARE(tree(plugins).join(' '), ".DS_Store Glimmerfjord-ShaderHelperForMac/ "
                                          "Glimmerfjord-ShaderHelperForMac/ShaderHelperForMac.dll "
                                          "shader_helper.dll");
        QCOMPARE(tree(stash).join(' '), "ModA/ ModA/ModA.dll ModB.dll");

        // Installed meanwhile under a stashed name: the stashed one wins.
        World::write(plugins + "/ModB.dll", "meanwhile");
        QCOMPARE(Installer::restoreStashedMods(game), 2);
        QCOMPARE(World::read(plugins + "/ModB.dll") + World::read(plugins + "/ModA/ModA.dll"), "ba");
        QCOMPARE(tree(plugins).join(' '), ".DS_Store Glimmerfjord-ShaderHelperForMac/ "
                                          "Glimmerfjord-ShaderHelperForMac/ShaderHelperForMac.dll "
                                          "ModA/ ModA/ModA.dll ModB.dll shader_helper.dll");
        QVERIFY(!QFileInfo::exists(stash));
        QCOMPARE(Installer::restoreStashedMods(game), 0);
    }

    // The launch script

    // Which scripts the fix changes, on each machine: on Apple Silicon the pack's script (with or
    // without the first fix's line) comes to start the Intel slice, once; a script that already
    // does, or that isn't the pack's, keeps its text. Whether the patched one really loads
    // BepInEx is tst_realfiles' (the real scripts through stand-ins of the Mac's tools).
    void patchedOnceAndAlwaysExecutable_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<bool>("appleSilicon");
        QTest::addColumn<bool>("changes"); // beyond the executable's name
        QTest::addColumn<bool>("ready");
        const QByteArray pack = TestZip::launchScript(),
                         firstFix = QByteArray(pack).replace("x86_64\"\n",
                                                             "x86_64\"\nexport ARCHPREFERENCE=\"x86_64\"\n");
        const QByteArray branch =
            "#!/bin/sh\nexec arch -x86_64 /bin/sh -c 'export DYLD_INSERT_LIBRARIES=\"$1\"' sh x\n"
            "export DYLD_INSERT_LIBRARIES=x\nexec \"$executable_path\" \"$@\"\n";
        const QByteArray exportedFirst =
            "#!/bin/sh\nexport DYLD_INSERT_LIBRARIES=x\nexec arch -x86_64 /bin/sh -c 'exec \"$@\"' sh x\n";
        for (const bool arm : {false, true}) {
            const auto row = [arm](const char* name, const QByteArray& before, bool changes, bool ready) {
                QTest::addRow("%s, %s", name, arm ? "arm64" : "x86_64")
                    << before << arm << (arm && changes) << (!arm || ready);
            };
            row("the pack's", pack, true, true);
            row("the first fix's line only", firstFix, true, true);
            row("the maintainers' Darwin branch", branch, false, true);
            row("another shape", "#!/bin/sh\necho hi\n", false, false);
            row("DYLD exported before arch", exportedFirst, false, false);
        }
    }
    void patchedOnceAndAlwaysExecutable() {
        QFETCH(QByteArray, before);
        QFETCH(bool, appleSilicon);
        QFETCH(bool, changes);
        QFETCH(bool, ready);
        qputenv("SKALDRUN_MACHINE", appleSilicon ? "arm64" : "x86_64");
        const QString path = m_game + "/start_game_bepinex.sh";
        World::write(path, before);
        const QByteArray named =
            QByteArray(before).replace("executable_name=\"valheim.x86_64\"", "executable_name=\"Valheim\"");
        for (int run = 0; run < 2; ++run) { // the second run changes no text, but restores the mode
            Fs::setPermissions(path, 0600);
            QCOMPARE(Installer::patchScript(path, m_game), ready);
            QCOMPARE(World::read(path) != named, changes);
            QCOMPARE(World::read(path).count("ARCHPREFERENCE"),
                     changes || before.contains("ARCHPREFERENCE") ? 1 : 0);
            QCOMPARE(mode(path), 0755u);
        }
    }

    // The executable's name comes from the bundle's Info.plist; whatever it holds, the script
    // keeps it as plain text: it parses, runs no command of it, and a second patch changes nothing.
    void executableNameStaysText_data() {
        QTest::addColumn<QString>("name");
        for (const char* name : {"Val\"heim", "\"\"", "$(echo run)", "`echo run`", "Val\\", "a'b $HOME"})
            QTest::newRow(name) << QString::fromUtf8(name);
    }
    void executableNameStaysText() {
        QFETCH(QString, name);
        QTemporaryDir dir;
        const QString game = makeGame(dir.filePath("game"), name), path = game + "/start_game_bepinex.sh";
        World::write(path, "#!/bin/sh\nexecutable_name=\"\"\nprintf %s \"$executable_name\"\n");
        Installer::patchScript(path, game);
        const QByteArray once = World::read(path);
        Installer::patchScript(path, game);
        QCOMPARE(World::read(path), once);
        QCOMPARE(Process::run("bash", {"-n", path}).code, 0);
        QCOMPARE(Process::run("bash", {path}).out, name);
    }

    void unreadableScriptsAreLeftAlone() {
        QVERIFY_THROWS_EXCEPTION(SkaldrunError, Installer::patchScript(m_game + "/absent.sh", m_game));
        const QByteArray latin1 = "#!/bin/sh\n# caf\xe9\nexecutable_name=\"valheim.x86_64\"\n";
        const QString path = m_game + "/start_game_bepinex.sh";
        World::write(path, latin1);
        Fs::setPermissions(path, 0600);
        expectError({"start_game_bepinex.sh"}, [&] { Installer::patchScript(path, m_game); });
        QCOMPARE(World::read(path), latin1);
        QCOMPARE(mode(path), 0600u);
    }
};

SKALDRUN_TEST_MAIN(TestInstaller)
#include "tst_installer.moc"
