#include "tests/support/ModelWorld.h"

#include <csignal>

namespace {

const QString backupGuard =
    "Quit Valheim first — backing up while the game is running can capture a half-written save.";
const QString restoreGuard =
    "Quit Valheim first — restoring while the game is running would corrupt the save.";

} // namespace

// Save backups, the game-running guards and the shader-capture flow.
class TestAppStateSaves : public QObject {
    Q_OBJECT

    QList<qint64> m_games; // stub games started by the direct launch, ended by their id

private Q_SLOTS:
    void cleanup() {
        for (qint64 pid : std::as_const(m_games))
            ::kill(pid_t(pid), SIGTERM);
        m_games.clear();
    }

    void backupAndRestore() {
        Harness h;
        QVERIFY(h.start());
        AppState& s = *h.state;
        QVERIFY(!s.lastSaveBackupDate());
        s.restoreSavesFromLatestBackup(); // nothing to restore: nothing happens
        QVERIFY(h.busy.isEmpty() && !s.alertMessage());

        QVERIFY(h.act([&] { s.backupSaves(); }));
        QCOMPARE(h.busy, (QStringList{"Backing up worlds and characters…", ""}));
        QCOMPARE(s.lastAction(), "Backed up 3 save files");
        QVERIFY(s.lastSaveBackupDate());

        const QString world = h.world.savesDir() + "/worlds_local/Midgard.fwl";
        World::write(world, "overwritten by a bad session");
        QVERIFY(h.act([&] { s.restoreSavesFromLatestBackup(); }));
        QCOMPARE(h.busy, (QStringList{"Restoring worlds and characters…", ""}));
        QCOMPARE(s.lastAction(), "Restored 3 save files from the backup");
        QCOMPARE(World::read(world), "Midgard world meta");

        QDir(h.world.savesDir() + "/worlds_local").removeRecursively();
        QVERIFY(QFile::link(h.world.savesDir() + "/unmounted", h.world.savesDir() + "/worlds_local"));
        QFile::remove(h.world.savesDir() + "/characters_local/Ragnhild.fch");
        World::write(h.world.savesDir() + "/characters/Solo.fch", "one");
        QVERIFY(h.act([&] { s.backupSaves(); }));
        QCOMPARE(s.lastAction(), "Backed up 1 save file — 1 link in the save folder leads nowhere, so no "
                                 "older backup was removed");
        QDir(h.world.savesDir()).removeRecursively();
        h.mark();
        s.backupSaves();
        QVERIFY(h.waitIdle());
        QCOMPARE(s.alertMessage(), "Couldn't find any Valheim worlds or characters in ~/Library/Application "
                                   "Support/IronGate/Valheim.");
    }

    void guardsHoldWhileTheVanillaGameRuns() {
        Harness h;
        h.world.build();
        // The stub game tells us its id and folder, so that the test can end it.
        World::write(h.world.executable(),
                     "#!/bin/sh\necho \"$$ $(pwd) $*\" > \"$(dirname \"$0\")/started.txt\"\n"
                     "exec sleep 30\n");
        QVERIFY(h.ready());
        AppState& s = *h.state;
        s.playVanilla();
        QCOMPARE(s.alertMessage(), "Start Steam first — Valheim needs it running even for a vanilla launch.");

        h.workspace.running = {{"", "", "Valheim"}};
        QVERIFY(s.isValheimRunning());
        h.workspace.running = {{"", "/Applications/Games/VALHEIM.APP", "Game"}}; // wherever the bundle is now
        QVERIFY(s.isValheimRunning());
        h.workspace.running = {{"com.valvesoftware.steam", "/Applications/Steam.app", "Steam"}};
        QVERIFY(!s.isValheimRunning());
        const auto mode = QFile::permissions(h.world.executable());
        QFile::setPermissions(h.world.executable(), QFileDevice::ReadOwner);
        s.playVanilla();
        QVERIFY(s.alertMessage()->startsWith("Couldn't launch Valheim directly: ") && !s.lastAction());
        QFile::setPermissions(h.world.executable(), mode);
        s.setConsoleEnabled(true);
        s.playVanilla();
        QCOMPARE(s.lastAction(), "Launched Valheim vanilla — mods stay installed but don't load");
        const QString started = h.world.appBundle() + "/Contents/MacOS/started.txt";
        QTRY_VERIFY(World::read(started).endsWith('\n'));
        const QStringList seen = QString::fromUtf8(World::read(started)).trimmed().split(' ');
        m_games << seen.first().toLongLong();
        QCOMPARE(seen.mid(1), (QStringList{h.game(), "-console"}));

        QVERIFY(s.isValheimRunning()); // the workspace doesn't list it; the kept process does
        h.mark();
        s.backupSaves();
        QCOMPARE(s.alertMessage(), backupGuard);
        s.restoreSavesFromLatestBackup();
        QCOMPARE(s.alertMessage(), restoreGuard);
        QVERIFY(h.busy.isEmpty());
    }

    void captureFlowSurvivesARestart() {
        Harness h;
        h.bepFiles();
        h.plugin("ShaderHelperForMac/ShaderHelperForMac.dll");
        h.plugin("Alpha.dll");
        h.plugin("Beta/Beta.dll");
        QVERIFY(h.start());
        AppState& s = *h.state;
        QVERIFY(s.shaderHelperInstalled());

        QVERIFY(h.act([&] { s.stashModsForCapture(); }));
        QCOMPARE(h.clipboard.texts, QStringList{"shaderhelper capturevanilla"});
        QCOMPARE(s.lastAction(), "Moved 2 mods aside — capture command copied to clipboard");
        QCOMPARE(s.captureStashCount(), 2);

        QVERIFY(h.ready()); // the parked mods live on disk only
        AppState& next = *h.state;
        QVERIFY(next.captureStashCount() == 2 && next.mods().size() == 1);
        World::write(h.game("BepInEx/config/ShaderHelperForMac/_vanilla_baseline.cache"), "baseline");
        QVERIFY(h.act([&] { next.restoreModsAfterCapture(); }));
        QCOMPARE(next.lastAction(), "Restored 2 mods — relaunch Valheim to play modded");
        QVERIFY(next.captureStashCount() == 0 && next.shaderCacheDate() && next.mods().size() == 3);

        QDir(h.world.pluginsDir() + "/Beta").removeRecursively();
        QFile::remove(h.world.pluginsDir() + "/Alpha.dll");
        next.stashModsForCapture();
        QCOMPARE(next.lastAction(), "Moved 0 mods aside — capture command copied to clipboard");

        QDir(h.world.pluginsDir() + "/ShaderHelperForMac").removeRecursively();
        h.plugin("Shader_Helper_Extras.dll");
        next.refreshMods();
        QVERIFY(next.shaderHelperInstalled());
    }
};

SKALDRUN_TEST_MAIN(TestAppStateSaves)
#include "tst_appstate_saves.moc"
