#include "discovery/Sys.h"
#include "tests/support/ModelWorld.h"

// The state, its construction and the status refresh, on an Intel Mac.
class TestAppStateRefresh : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void withoutAnyGame() {
        Harness h;
        h.world.buildSaves();
        QVERIFY(h.ready());
        AppState& s = *h.state;
        QVERIFY(!s.gameDir() && !s.appBundleName() && !s.bepFilesPresent() && s.mods().isEmpty());
        QVERIFY(!Sys::isAppleSilicon() && s.rosettaOK() && s.savesPresent() && !s.lastSaveBackupDate());
        QCOMPARE(s.doneCount(), 2); // Rosetta and the architecture need nothing on an Intel Mac
        QCOMPARE(s.launchOptionsString(), "\"…/steamapps/common/Valheim/start_game_bepinex.sh\" %command%");
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
        QVERIFY(h.busy.isEmpty());
    }

    void firstRefreshFindsTheGameAndRemembersIt() {
        Harness h;
        h.world.build();
        QVERIFY(!h.make().gameDir()); // the probe answers later, on this thread
        QTRY_COMPARE(h.refreshes->count(), 1);
        AppState& s = *h.state;
        QCOMPARE(s.gameDir(), h.world.gameDir());
        QCOMPARE(Defaults::string("gameDir"), h.world.gameDir());
        QCOMPARE(s.appBundleName(), "Valheim.app");
        QVERIFY(s.stepGame() && s.savesPresent() && !s.bepFilesPresent() && !s.stepSteam());
        QCOMPARE(s.launchOptionsString(), "\"" + h.world.gameDir() + "/start_game_bepinex.sh\" %command%");

        // Every assignment notifies, except that an unchanged mod list is left alone.
        QSignalSpy bundle(&s, &AppState::appBundleNameChanged), mods(&s, &AppState::modsChanged);
        QVERIFY(h.act([&] { s.refreshAll(); }));
        QVERIFY(bundle.count() == 1 && mods.count() == 0);

        // A remembered folder that lost its game gives way to the one Steam knows...
        const QString old = TestHome::path() + "/Games/OldCopy";
        QDir().mkpath(old);
        Defaults::setString("gameDir", old);
        QVERIFY(h.ready());
        QCOMPARE(h.state->gameDir(), h.world.gameDir());
        QCOMPARE(Defaults::string("gameDir"), h.world.gameDir());
        // ...and stays, without a game, when Steam knows nothing either.
        QFile::remove(h.world.steamRoot() + "/config/libraryfolders.vdf");
        Defaults::setString("gameDir", old);
        QVERIFY(h.ready());
        QVERIFY(h.state->gameDir() == old && !h.state->appBundleName());
    }

    void setupFoldsByItselfOncePerAccount() {
        Harness h;
        h.world.build();
        h.bepFiles();
        h.world.setSteamLaunchOptions("\"" + h.game("start_game_bepinex.sh") + "\" %command%");
        h.world.writeLoaderLog();
        QVERIFY(h.ready());
        QVERIFY(h.state->allDone() && h.state->setupCollapsed());
        QVERIFY(Defaults::boolean("didAutoCollapseSetup") && Defaults::boolean("setupCollapsed"));

        h.state->setSetupCollapsed(false);
        QVERIFY(h.act([&] { h.state->refreshAll(); }));
        QVERIFY(!h.state->setupCollapsed());
        QVERIFY(h.ready()); // and after a restart
        QVERIFY(h.state->allDone() && !h.state->setupCollapsed());
    }

    void pluginsWatchShowsWhatOthersDrop() {
        Harness h;
        QVERIFY(h.start());
        AppState& s = *h.state;
        QDir().mkpath(h.world.pluginsDir()); // made after the first refresh, as BepInEx does
        QVERIFY(h.act([&] { s.refreshAll(); }));

        h.plugin("Alpha.dll");
        World::write(h.world.pluginsDir() + "/DataOnly/readme.txt", "no plugin here");
        QTRY_VERIFY(modNamed(s, "Alpha") && modNamed(s, "DataOnly"));
        QCOMPARE(h.refreshes->count(), 2); // the watch rescanned the list alone
        QVERIFY(s.toggleableModCount() == 1 && s.enabledModCount() == 1);

        // The folder deleted and made again is watched again after the next refresh.
        QDir(h.world.pluginsDir()).removeRecursively();
        QTRY_VERIFY(s.mods().isEmpty());
        QDir().mkpath(h.world.pluginsDir());
        QVERIFY(h.act([&] { s.refreshAll(); }));
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
