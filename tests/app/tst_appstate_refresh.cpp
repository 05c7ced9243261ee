#include "discovery/Sys.h"
#include "platform/Xattr.h"
#include "tests/app/AppFixture.h"

// The state, its construction and the status refresh, on an Intel Mac.
class TestAppStateRefresh : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY(!Sys::isAppleSilicon()); }

    void withoutAnyGame() {
        Harness h;
        h.world.buildSaves();
        AppState& s = h.make();
        QTRY_COMPARE(h.refreshes->count(), 1);
        QVERIFY(!s.gameDir() && !s.appBundleName() && !s.bepFilesPresent() && s.mods().isEmpty());
        QVERIFY(s.rosettaOK() && s.savesPresent() && !s.lastSaveBackupDate());
        QCOMPARE(s.doneCount(), 2); // Rosetta and the architecture need nothing on an Intel Mac
        QCOMPARE(s.launchOptionsString(), "\"…/steamapps/common/Valheim/start_game_bepinex.sh\" %command%");
        QCOMPARE(s.launchOptionsString().size(), 60);
        s.setConsoleEnabled(true);
        QVERIFY(s.launchOptionsString().endsWith("%command% -console"));
        s.setLaunchOptionsManual(true);
        QCOMPARE(s.doneCount(), 3);
        QVERIFY(Defaults::boolean("consoleParam") && Defaults::boolean("launchOptsManual"));

        s.autoDetectGame();
        QCOMPARE(s.alertMessage(),
                 "Couldn't find Valheim in any Steam library. Install it through Steam first, or "
                 "choose its folder manually.");
        QVERIFY(!s.gameDir() && !s.lastAction());
        s.installThunderstorePackage(TSPackage{});
        QCOMPARE(s.alertMessage(), "Locate your Valheim folder first (step 1).");
        s.handleDropped({TestHome::path() + "/Foo.zip"});
        QCOMPARE(s.alertMessage(), "Locate your Valheim folder first (step 1), then drop mods here.");
        s.downloadAndInstallBepInEx();
        s.clearQuarantine();
        s.playVanilla();
        QVERIFY(h.busy.isEmpty() && h.workspace.openedUrls.isEmpty());
    }

    void firstRefreshFindsTheGameAndRemembersIt() {
        Harness h;
        h.world.build();
        AppState& s = h.make();
        QVERIFY(!s.gameDir()); // the probe answers later, on this thread
        QTRY_COMPARE(h.refreshes->count(), 1);
        QCOMPARE(s.gameDir(), h.world.gameDir());
        QCOMPARE(Defaults::string("gameDir"), h.world.gameDir());
        QCOMPARE(s.appBundleName(), "Valheim.app");
        QVERIFY(s.stepGame() && s.savesPresent() && !s.bepFilesPresent() && !s.stepBep() && !s.stepSteam());
        QCOMPARE(s.launchOptionsString(), "\"" + h.world.gameDir() + "/start_game_bepinex.sh\" %command%");

        // Every assignment notifies, except that an unchanged mod list is left alone.
        QSignalSpy bundle(&s, &AppState::appBundleNameChanged), mods(&s, &AppState::modsChanged);
        s.refreshAll();
        QTRY_COMPARE(h.refreshes->count(), 2);
        QCOMPARE(bundle.count(), 1);
        QCOMPARE(mods.count(), 0);
    }

    void rememberedFolderThatLostItsGame() {
        Harness h;
        h.world.build();
        const QString old = TestHome::path() + "/Games/OldCopy";
        QDir().mkpath(old);
        Defaults::setString("gameDir", old);
        AppState& s = h.make();
        QCOMPARE(s.gameDir(), old);
        QTRY_COMPARE(h.refreshes->count(), 1);
        QCOMPARE(s.gameDir(), h.world.gameDir());
        QCOMPARE(Defaults::string("gameDir"), h.world.gameDir());

        // Steam knows nothing either: the remembered folder stays, without a game.
        QFile::remove(h.world.steamRoot() + "/config/libraryfolders.vdf");
        Defaults::setString("gameDir", old);
        AppState& again = h.make();
        QTRY_COMPARE(h.refreshes->count(), 1);
        QCOMPARE(again.gameDir(), old);
        QVERIFY(!again.appBundleName());

        // A remembered path that no longer exists is ignored, and left stored.
        Defaults::setString("gameDir", old + "/gone");
        QVERIFY(!h.make().gameDir());
        QCOMPARE(Defaults::string("gameDir"), old + "/gone");
    }

    void probeReadsTheLoaderFiles() {
        Harness h;
        h.world.build();
        h.bepFiles("executable_name=\"valheim.x86_64\"");
        Defaults::setString("bepPackVersion", "5.4.2202");
        World::write(h.game("BepInEx/plugins-stash-capture/.DS_Store"), "finder");
        AppState& s = h.make();
        QTRY_COMPARE(h.refreshes->count(), 1);
        QVERIFY(s.bepFilesPresent() && s.scriptExecutable() && !s.scriptNameConfigured() && !s.stepBep());
        QCOMPARE(s.scriptName(), "start_game_bepinex.sh");
        QCOMPARE(s.bepVersion(), "5.4.2202");
        QCOMPARE(s.captureStashCount(), 0);

        // Without the Doorstop library there is no loader: no version, no quarantine count.
        QVERIFY(Xattr::set(h.game("BepInEx/core/BepInEx.dll"), Xattr::quarantineName(), "0083;x"));
        QFile::remove(h.game("doorstop_libs/libdoorstop_x64.dylib"));
        s.refreshAll();
        QTRY_COMPARE(h.refreshes->count(), 2);
        QVERIFY(!s.bepFilesPresent() && !s.bepVersion() && s.quarantineCount() == 0 && !s.stepQuarantine());
    }

    void setupFoldsByItselfOncePerAccount() {
        Harness h;
        h.world.build();
        h.bepFiles();
        h.world.setSteamLaunchOptions("\"" + h.game("start_game_bepinex.sh") + "\" %command%");
        h.world.writeLoaderLog();
        AppState& s = h.make();
        QVERIFY(!s.setupCollapsed());
        QTRY_COMPARE(h.refreshes->count(), 1);
        QVERIFY(s.allDone() && s.setupCollapsed());
        QVERIFY(Defaults::boolean("didAutoCollapseSetup") && Defaults::boolean("setupCollapsed"));

        s.setSetupCollapsed(false);
        s.refreshAll();
        QTRY_COMPARE(h.refreshes->count(), 2);
        QVERIFY(!s.setupCollapsed());
        AppState& next = h.make();
        QTRY_COMPARE(h.refreshes->count(), 1);
        QVERIFY(next.allDone() && !next.setupCollapsed());
    }

    void pluginsWatchShowsWhatOthersDrop() {
        Harness h;
        h.world.build();
        AppState& s = h.make();
        QTRY_COMPARE(h.refreshes->count(), 1);
        QDir().mkpath(h.world.pluginsDir()); // made after the first refresh, as BepInEx does
        s.refreshAll();
        QTRY_COMPARE(h.refreshes->count(), 2);

        h.plugin("Alpha.dll");
        World::write(h.world.pluginsDir() + "/DataOnly/readme.txt", "no plugin here");
        QTRY_VERIFY(modNamed(s, "Alpha") && modNamed(s, "DataOnly"));
        QCOMPARE(h.refreshes->count(), 2); // the watch rescanned the list alone
        QCOMPARE(s.toggleableModCount(), 1);
        QCOMPARE(s.enabledModCount(), 1);

        // The folder deleted and made again is watched again after the next refresh.
        QDir(h.world.pluginsDir()).removeRecursively();
        QTRY_VERIFY(s.mods().isEmpty());
        QDir().mkpath(h.world.pluginsDir());
        s.refreshAll();
        QTRY_COMPARE(h.refreshes->count(), 3);
        h.plugin("Beta.dll");
        QTRY_VERIFY(modNamed(s, "Beta"));
        QCOMPARE(h.refreshes->count(), 3);
    }

    void destroyedWhileTheProbeRuns() {
        Harness h;
        h.world.build();
        h.make();
        h.state.reset();
        QThreadPool::globalInstance()->waitForDone();
        QCoreApplication::sendPostedEvents();
        QVERIFY(!Defaults::string("gameDir")); // the late result was dropped, not published
    }
};

SKALDRUN_TEST_MAIN(TestAppStateRefresh)
#include "tst_appstate_refresh.moc"
