#include "install/Installer.h"
#include "tests/install/GameFixture.h"
#include "tests/support/TestMain.h"

#include <memory>

using namespace Fixture;

class TestSaveBackups : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;

    QString path(const QString& rel) const { return m_dir->filePath(rel); }
    static QStringList entries(const QString& root) {
        return QDir(root).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }

private Q_SLOTS:
    void initTestCase() { isolateTemp(TestHome::path()); }
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    void backupCopiesOnlySubfoldersWithFiles() {
        const QString saves = path("saves"), root = path("backups");
        write(saves + "/worlds_local/Midgard.db", "db");
        write(saves + "/worlds_local/Midgard.fwl", "fwl");
        write(saves + "/characters_local/Ragnar.fch", "fch");
        QVERIFY(QDir().mkpath(saves + "/characters/empty/inside"));
        write(saves + "/other/ignored.txt", "x");
        const auto backup = Installer::backupSaves(saves, root);
        QCOMPARE(backup.files, 3);
        QCOMPARE(backup.dest, root + '/' + entries(root).join('|')); // the one new folder
        QCOMPARE(tree(backup.dest).join(' '),
                 "characters_local/ characters_local/Ragnar.fch worlds_local/ worlds_local/Midgard.db "
                 "worlds_local/Midgard.fwl");
        QCOMPARE(Installer::latestSaveBackup(root), backup.dest);
        QCOMPARE(Installer::backupFolderName(QDateTime(QDate(2024, 3, 9), QTime(17, 5, 42))),
                 "2024-03-09 17.05.42");

        // No save files at all: an error, and no new folder.
        QVERIFY(QDir(saves).removeRecursively() && QDir().mkpath(saves + "/worlds"));
        const QString older = path("older");
        QVERIFY(QDir().mkpath(older + "/2024-01-01 00.00.00"));
        const auto e = failure([&] { Installer::backupSaves(saves, older); });
        QVERIFY(e && e->kind() == ErrorKind::savesNotFound);
        QCOMPARE(entries(older), QStringList{"2024-01-01 00.00.00"});

        // A backup made in the same second owns the folder: a failed one (no saves, then a file
        // of the same name) neither removes nor overwrites it.
        const QDateTime now = QDateTime::currentDateTime();
        for (const QDateTime& when : {now, now.addSecs(1)})
            write(root + '/' + Installer::backupFolderName(when) + "/worlds/W.db", "kept");
        for (const QByteArray& save : {QByteArray(), QByteArray("new")}) {
            if (!save.isNull()) write(saves + "/worlds/W.db", save);
            QVERIFY(failure([&] { Installer::backupSaves(saves, root); }));
            for (const QDateTime& when : {now, now.addSecs(1)})
                QCOMPARE(read(root + '/' + Installer::backupFolderName(when) + "/worlds/W.db"), "kept");
        }
    }

    // Players link save folders to a cloud folder: the backup holds what links lead to, with the
    // files' dates, and a link loop ends. A link leading nowhere leaves every older backup in place.
    void linkedSavesAreBackedUpAsTheyRead() {
        const QString saves = path("saves"), cloud = path("cloud"), root = path("backups");
        write(cloud + "/Midgard.db", "db");
        write(cloud + "/deep/Midgard.fwl", "fwl");
        write(saves + "/characters_local/Ragnar.fch", "fch");
        QVERIFY(QFile::link(cloud, saves + "/worlds_local") && QFile::link(cloud, cloud + "/deep/loop"));
        QVERIFY(QFile::link(cloud + "/Midgard.db", saves + "/characters_local/Linked.fch"));
        const QDateTime saved(QDate(2021, 6, 1), QTime(12, 0), Qt::UTC);
        QFile world(cloud + "/Midgard.db");
        QVERIFY(world.open(QIODevice::ReadWrite) &&
                world.setFileTime(saved, QFileDevice::FileModificationTime));
        for (const QString& r : {root, path("older")})
            for (int day = 1; day <= 5; ++day)
                QVERIFY(QDir().mkpath(r + QString("/2020-01-0%1 10.00.00").arg(day)));
        const auto backup = Installer::backupSaves(saves, root);
        QCOMPARE(backup.files, 4);
        QCOMPARE(tree(backup.dest).join(' '),
                 "characters_local/ characters_local/Linked.fch characters_local/Ragnar.fch worlds_local/ "
                 "worlds_local/Midgard.db worlds_local/deep/ worlds_local/deep/Midgard.fwl");
        QCOMPARE(QFileInfo(backup.dest + "/worlds_local/Midgard.db").lastModified().toUTC(), saved);
        QCOMPARE(entries(root).size(), 5);

        QVERIFY(QDir(cloud).removeRecursively());
        const auto partial = Installer::backupSaves(saves, path("older"));
        QVERIFY(partial.files == 1 && partial.brokenLinks == 2);
        QCOMPARE(entries(path("older")).size(), 6);
    }

    void fiveNewestAreKept() {
        write(path("saves/worlds/W.db"), "w");
        const QString root = path("backups");
        for (int day = 1; day <= 6; ++day)
            QVERIFY(QDir().mkpath(root + QString("/2020-01-0%1 10.00.00").arg(day)));
        QVERIFY(QDir().mkpath(root + "/.cache"));
        const auto backup = Installer::backupSaves(path("saves"), root);
        QCOMPARE(entries(root),
                 (QStringList{".cache", "2020-01-03 10.00.00", "2020-01-04 10.00.00", "2020-01-05 10.00.00",
                              "2020-01-06 10.00.00", QFileInfo(backup.dest).fileName()}));
        QCOMPARE(Installer::latestSaveBackup(root), backup.dest);

        // A backup that sorts below the others (the clock was set back) is still the one kept.
        const QString skewed = path("skewed");
        QVERIFY(QDir().mkpath(skewed + "/2999-01-01 00.00.00") &&
                QDir().mkpath(skewed + "/2998-01-01 00.00.00"));
        const auto again = Installer::backupSaves(path("saves"), skewed, 2);
        QCOMPARE(entries(skewed), (QStringList{QFileInfo(again.dest).fileName(), "2999-01-01 00.00.00"}));
    }

    void restoreMergesOverTheSaves() {
        const QString backup = path("backups/2024-03-09 17.05.42"), saves = path("saves");
        write(backup + "/worlds_local/Midgard.db", "backup");
        write(backup + "/characters/Ragnar.fch", "backup");
        write(saves + "/worlds_local/Midgard.db", "newer");
        write(saves + "/worlds_local/Other.db", "only here");
        QCOMPARE(Installer::restoreSaves(backup, saves), 2);
        QCOMPARE(read(saves + "/worlds_local/Midgard.db"), QByteArray("backup"));
        QCOMPARE(read(saves + "/worlds_local/Other.db"), QByteArray("only here"));
        QCOMPARE(read(saves + "/characters/Ragnar.fch"), QByteArray("backup"));
        QCOMPARE(Installer::restoreSaves(path("backups"), saves), 0);
    }

    void stashKeepsShaderHelperAndRestores() {
        const QString game = makeGame(*m_dir), plugins = game + "/BepInEx/plugins";
        const QString stash = Installer::captureStashDir(game);
        write(plugins + "/Tarnwick-ShaderHelperForMac/ShaderHelperForMac.dll", "shader");
        write(plugins + "/shader_helper.dll", "shader");
        write(plugins + "/ModA/ModA.dll", "a");
        write(plugins + "/ModB.dll", "b");
        write(plugins + "/.DS_Store", "finder");
        QCOMPARE(Installer::stashModsForCapture(game), 2);
        QCOMPARE(tree(plugins).join(' '),
                 ".DS_Store Tarnwick-ShaderHelperForMac/ Tarnwick-ShaderHelperForMac/ShaderHelperForMac.dll "
                 "shader_helper.dll");
        QCOMPARE(tree(stash).join(' '), "ModA/ ModA/ModA.dll ModB.dll");

        // The stash sits beside the plugins folder: an install never touches it.
        const QString zip = TestZip::repositoryMod("Fresh", "1.0.0").save(path("Fresh-1.0.0.zip"));
        QCOMPARE(Installer::installZip(zip, game), "Installed Fresh");
        QCOMPARE(tree(stash).join(' '), "ModA/ ModA/ModA.dll ModB.dll");

        // Installed meanwhile under a stashed name: the stashed one wins.
        write(plugins + "/ModB.dll", "meanwhile");
        QCOMPARE(Installer::restoreStashedMods(game), 2);
        QCOMPARE(read(plugins + "/ModB.dll") + read(plugins + "/ModA/ModA.dll"), "ba");
        QCOMPARE(tree(plugins).join(' '),
                 ".DS_Store Fresh/ Fresh/Fresh.dll Fresh/manifest.json ModA/ ModA/ModA.dll ModB.dll "
                 "Tarnwick-ShaderHelperForMac/ Tarnwick-ShaderHelperForMac/ShaderHelperForMac.dll "
                 "shader_helper.dll");
        QVERIFY(!QFileInfo::exists(stash));
        QCOMPARE(Installer::restoreStashedMods(game), 0);
    }
};

SKALDRUN_TEST_MAIN(TestSaveBackups)
#include "tst_savebackups.moc"
