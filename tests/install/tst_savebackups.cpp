#include "install/Installer.h"
#include "platform/AppSupport.h"
#include "platform/Fs.h"
#include "platform/SkaldrunError.h"
#include "tests/install/GameFixture.h"
#include "tests/support/TestMain.h"
#include "tests/support/TestZip.h"

#include <QRegularExpression>

using Fixture::read;
using Fixture::tree;
using Fixture::write;

class TestSaveBackups : public QObject {
    Q_OBJECT

    static QStringList backupsIn(const QString& root) {
        QStringList names =
            QDir(root).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
        return names;
    }

private Q_SLOTS:
    void initTestCase() { Fixture::isolateTemp(TestHome::path()); }

    void locations() {
        QCOMPARE(Installer::valheimSavesDir(),
                 TestHome::path() + "/Library/Application Support/IronGate/Valheim");
        QCOMPARE(Installer::saveBackupsRoot(), AppSupport::dir() + "/save-backups");
        QVERIFY(Installer::saveBackupsRoot().startsWith(TestHome::path()));
        QCOMPARE(Installer::captureStashDir("/games/Valheim"),
                 QStringLiteral("/games/Valheim/BepInEx/plugins-stash-capture"));
        QCOMPARE(Installer::backupFolderName(QDateTime(QDate(2024, 3, 9), QTime(17, 5, 42))),
                 QStringLiteral("2024-03-09 17.05.42"));
    }

    void latestBackupIgnoresDotEntries() {
        QTemporaryDir dir;
        const QString root = dir.filePath("save-backups");
        QVERIFY(!Installer::latestSaveBackup(root));
        QVERIFY(QDir().mkpath(root + "/.cache"));
        QVERIFY(!Installer::latestSaveBackup(root));
        QVERIFY(QDir().mkpath(root + "/2024-03-09 17.05.42"));
        QVERIFY(QDir().mkpath(root + "/2024-11-01 08.00.00"));
        QCOMPARE(Installer::latestSaveBackup(root).value_or(QString()), root + "/2024-11-01 08.00.00");
    }

    void backupCopiesOnlySubfoldersWithFiles() {
        QTemporaryDir dir;
        const QString saves = dir.filePath("saves");
        write(saves + "/worlds_local/Midgard.db", "db");
        write(saves + "/worlds_local/Midgard.fwl", "fwl");
        write(saves + "/characters_local/Ragnar.fch", "fch");
        QVERIFY(QDir().mkpath(saves + "/characters/empty/inside"));
        write(saves + "/other/ignored.txt", "x");
        const QString root = dir.filePath("backups");

        const auto backup = Installer::backupSaves(saves, root);
        QCOMPARE(backup.files, 3);
        QVERIFY(QRegularExpression("^\\d{4}-\\d\\d-\\d\\d \\d\\d\\.\\d\\d\\.\\d\\d$")
                    .match(Fixture::tree(root).first().chopped(1))
                    .hasMatch());
        QCOMPARE(backup.dest, root + '/' + tree(root).first().chopped(1));
        QCOMPARE(tree(backup.dest),
                 (QStringList{"characters_local/", "characters_local/Ragnar.fch", "worlds_local/",
                              "worlds_local/Midgard.db", "worlds_local/Midgard.fwl"}));
        QCOMPARE(Installer::latestSaveBackup(root), std::optional<QString>(backup.dest));
    }

    void noSavesLeavesNoFolder() {
        QTemporaryDir dir;
        QVERIFY(QDir().mkpath(dir.filePath("saves/worlds")));
        const QString root = dir.filePath("backups");
        QVERIFY(QDir().mkpath(root + "/2024-01-01 00.00.00"));
        try {
            Installer::backupSaves(dir.filePath("saves"), root);
            QFAIL("no saves must be an error");
        } catch (const SkaldrunError& e) {
            QCOMPARE(e.kind(), ErrorKind::savesNotFound);
            QCOMPARE(e.message(),
                     QStringLiteral("Couldn't find any Valheim worlds or characters in ~/Library/Application "
                                    "Support/IronGate/Valheim."));
        }
        QCOMPARE(backupsIn(root), QStringList{"2024-01-01 00.00.00"});
    }

    void fiveNewestAreKept() {
        QTemporaryDir dir;
        write(dir.filePath("saves/worlds/W.db"), "w");
        const QString root = dir.filePath("backups");
        for (int day = 1; day <= 6; ++day)
            QVERIFY(QDir().mkpath(root + QStringLiteral("/2020-01-0%1 10.00.00").arg(day)));
        QVERIFY(QDir().mkpath(root + "/.cache"));
        const auto backup = Installer::backupSaves(dir.filePath("saves"), root);
        QCOMPARE(backupsIn(root),
                 (QStringList{".cache", "2020-01-03 10.00.00", "2020-01-04 10.00.00", "2020-01-05 10.00.00",
                              "2020-01-06 10.00.00", Fs::fileName(backup.dest)}));

        // A backup that sorts below the others (the clock was set back) is still the one kept.
        const QString skewed = dir.filePath("skewed");
        QVERIFY(QDir().mkpath(skewed + "/2999-01-01 00.00.00"));
        QVERIFY(QDir().mkpath(skewed + "/2998-01-01 00.00.00"));
        const auto again = Installer::backupSaves(dir.filePath("saves"), skewed, 2);
        QVERIFY(QFileInfo(again.dest).isDir());
        QCOMPARE(backupsIn(skewed), (QStringList{Fs::fileName(again.dest), "2999-01-01 00.00.00"}));
    }

    void twoBackupsInOneSecondCollide() {
        QTemporaryDir dir;
        write(dir.filePath("saves/worlds/W.db"), "new");
        const QString root = dir.filePath("backups");
        // Occupy this second and the next, whichever the backup lands in.
        const QDateTime now = QDateTime::currentDateTime();
        for (const QDateTime& when : {now, now.addSecs(1)})
            write(root + '/' + Installer::backupFolderName(when) + "/worlds/W.db", "old");
        QVERIFY_THROWS_EXCEPTION(SkaldrunError, Installer::backupSaves(dir.filePath("saves"), root));
        QCOMPARE(read(root + '/' + Installer::backupFolderName(now) + "/worlds/W.db"), QByteArray("old"));
    }

    void restoreMergesOverTheSaves() {
        QTemporaryDir dir;
        const QString backup = dir.filePath("backups/2024-03-09 17.05.42");
        write(backup + "/worlds_local/Midgard.db", "backup");
        write(backup + "/characters/Ragnar.fch", "backup");
        const QString saves = dir.filePath("saves");
        write(saves + "/worlds_local/Midgard.db", "newer");
        write(saves + "/worlds_local/Other.db", "only here");
        QCOMPARE(Installer::restoreSaves(backup, saves), 2);
        QCOMPARE(read(saves + "/worlds_local/Midgard.db"), QByteArray("backup"));
        QCOMPARE(read(saves + "/worlds_local/Other.db"), QByteArray("only here"));
        QCOMPARE(read(saves + "/characters/Ragnar.fch"), QByteArray("backup"));
        QCOMPARE(Installer::restoreSaves(dir.filePath("backups"), saves), 0);
    }

    void stashKeepsShaderHelperAndRestores() {
        QTemporaryDir dir;
        const QString game = Fixture::makeGame(dir);
        const QString plugins = game + "/BepInEx/plugins";
        write(plugins + "/Tarnwick-ShaderHelperForMac/ShaderHelperForMac.dll", "shader");
        write(plugins + "/ModA/ModA.dll", "a");
        write(plugins + "/ModB.dll", "b");
        write(plugins + "/.DS_Store", "finder");

        QCOMPARE(Installer::stashModsForCapture(game), 2);
        QCOMPARE(tree(plugins), (QStringList{".DS_Store", "Tarnwick-ShaderHelperForMac/",
                                             "Tarnwick-ShaderHelperForMac/ShaderHelperForMac.dll"}));
        QCOMPARE(tree(Installer::captureStashDir(game)), (QStringList{"ModA/", "ModA/ModA.dll", "ModB.dll"}));

        // Installed meanwhile under a stashed name: the stashed one wins.
        write(plugins + "/ModB.dll", "meanwhile");
        QCOMPARE(Installer::restoreStashedMods(game), 2);
        QCOMPARE(read(plugins + "/ModB.dll"), QByteArray("b"));
        QCOMPARE(read(plugins + "/ModA/ModA.dll"), QByteArray("a"));
        QVERIFY(!QFileInfo::exists(Installer::captureStashDir(game)));
        QCOMPARE(Installer::restoreStashedMods(game), 0);
    }

    void stashInstallUnstashRoundTrip() {
        QTemporaryDir dir;
        const QString game = Fixture::makeGame(dir);
        const QString plugins = game + "/BepInEx/plugins";
        write(plugins + "/ModA/ModA.dll", "a");
        write(plugins + "/ShaderHelperForMac.dll", "shader");
        QCOMPARE(Installer::stashModsForCapture(game), 1);

        const QString zip = TestZip::repositoryMod("Fresh", "1.0.0").save(dir.filePath("Fresh-1.0.0.zip"));
        QCOMPARE(Installer::installZip(zip, game), QStringLiteral("Installed Fresh"));
        // The stash sits beside the plugins folder: an install never touches it.
        QCOMPARE(tree(Installer::captureStashDir(game)), (QStringList{"ModA/", "ModA/ModA.dll"}));

        QCOMPARE(Installer::restoreStashedMods(game), 1);
        QCOMPARE(tree(plugins), (QStringList{"Fresh/", "Fresh/Fresh.dll", "Fresh/manifest.json", "ModA/",
                                             "ModA/ModA.dll", "ShaderHelperForMac.dll"}));
    }
};

SKALDRUN_TEST_MAIN(TestSaveBackups)
#include "tst_savebackups.moc"
