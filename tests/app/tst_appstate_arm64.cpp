#include "discovery/Sys.h"
#include "platform/Process.h"
#include "tests/app/AppFixture.h"

// The Apple Silicon paths: Rosetta 2 and the forced Intel build.
class TestAppStateArm64 : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        // Sys decides once per process, so the machine is named before anything asks.
        qputenv("SKALDRUN_MACHINE", "arm64");
        QVERIFY(Sys::isAppleSilicon());
    }

    void archStepFollowsTheScript() {
        Harness h;
        h.bepFiles();
        QVERIFY(h.start());
        AppState& s = *h.state;
        QVERIFY(s.isAppleSilicon() && s.stepBep());
        QCOMPARE(s.rosettaOK(), Sys::rosettaInstalled());
        QVERIFY(!s.archConfigured() && !s.stepArch());

        QVERIFY(h.act([&] { s.fixScript(); }));
        QVERIFY(s.archConfigured() && s.stepArch());
        QVERIFY(World::read(h.game("start_game_bepinex.sh")).contains("export ARCHPREFERENCE=\"x86_64\""));

        QFile::remove(h.game("doorstop_libs/libdoorstop_x64.dylib")); // the script alone is not enough
        QVERIFY(h.act([&] { s.refreshAll(); }));
        QVERIFY(s.archConfigured() && !s.stepArch());
    }

    void rosettaInstallerFailure() {
        if (QFile::exists("/usr/sbin/softwareupdate"))
            QSKIP("a real installer is here; the test must not run it");
        Harness h;
        QVERIFY(h.ready());
        AppState& s = *h.state;
        QVERIFY(h.act([&] { s.installRosetta(); })); // refreshed after a failure too
        QCOMPARE(h.busy, (QStringList{"Installing Rosetta 2… this can take a minute", ""}));
        const Process::Result ran =
            Process::run("/usr/sbin/softwareupdate", {"--install-rosetta", "--agree-to-license"});
        QCOMPARE(s.alertMessage(), QString("Rosetta 2 install didn't finish (exit %1).\n").arg(ran.code) +
                                       ran.out +
                                       "\nRun this in Terminal instead:\n"
                                       "softwareupdate --install-rosetta --agree-to-license");
        QVERIFY(!s.lastAction());
    }
};

SKALDRUN_TEST_MAIN(TestAppStateArm64)
#include "tst_appstate_arm64.moc"
