#include "tests/ui/ShellFixture.h"

#include "discovery/Sys.h"
#include "ui/CommandRow.h"
#include "ui/StepCard.h"
#include "ui/StepsPane.h"

#include <QLabel>
#include <QPushButton>

// The steps on an Apple Silicon Mac without Rosetta 2: the machine is read once per process, so
// this runs in a process of its own.
class TestShellArm64 : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        // After the test home cleared it, before anything asks for the machine.
        qputenv("SKALDRUN_MACHINE", "arm64");
        QVERIFY(Sys::isAppleSilicon());
        Theme::apply(*qApp);
        FreshHome::pinPreferences();
    }

    void rosettaAndTheIntelBuild() {
        FreshHome home;
        home.world().build();
        Shell shell;
        QVERIFY(!shell.state.rosettaOK());
        StepsPane* pane = shell.window.stepsPane();
        StepCard* rosetta = pane->card(2);
        QVERIFY(!rosetta->badge());
        QVERIFY(!rosetta->done());
        QCOMPARE(rosetta->subtitle(),
                 QStringLiteral("BepInEx's injector is Intel-only, so Apple Silicon needs Apple's "
                                "Rosetta 2 translation layer."));
        auto* install = shell.find<QPushButton>(QStringLiteral("step2.installRosetta"));
        QVERIFY(install->isVisible() && install->isEnabled());
        QCOMPARE(Theme::buttonStyle(install), Theme::ButtonStyle::prominent);
        QCOMPARE(shell.find<CommandRow>(QStringLiteral("step2.command"))->command(),
                 QStringLiteral("softwareupdate --install-rosetta --agree-to-license"));

        StepCard* arch = pane->card(4);
        QVERIFY(!arch->badge());
        QVERIFY(!arch->done());
        QCOMPARE(arch->subtitle(),
                 QStringLiteral("Install BepInEx first — this adds one line to its launch script."));
        auto* apply = shell.find<QPushButton>(QStringLiteral("step4.applyFix"));
        QVERIFY(apply->isVisible());
        QVERIFY(!apply->isEnabled());
        QCOMPARE(shell.find<CommandRow>(QStringLiteral("step4.command"))->command(),
                 QStringLiteral("export ARCHPREFERENCE=\"x86_64\"   # added to start_game_bepinex.sh"));

        home.installBepInEx();
        home.unpatchScript();
        refresh(shell.state);
        QVERIFY(apply->isEnabled());
        QCOMPARE(arch->subtitle(),
                 QStringLiteral("Valheim's Mac app is Universal and would run natively — one line "
                                "in the launch script makes it use the Intel build BepInEx "
                                "requires."));
        // A long action in progress holds the fix back.
        shell.state.setBusyMessage(QStringLiteral("Installing…"));
        settle();
        QVERIFY(!apply->isEnabled() && !install->isEnabled());
        shell.state.setBusyMessage(std::nullopt);
        settle();

        apply->click();
        settle();
        QVERIFY(arch->done());
        QVERIFY(pane->card(3)->done());
        QCOMPARE(arch->subtitle(),
                 QStringLiteral("The launch script forces the game's Intel (x86_64) build, so "
                                "BepInEx loads under Rosetta."));
        QVERIFY(!arch->controls()->isVisible());
        QCOMPARE(arch->findChild<QLabel*>(QStringLiteral("mark"))->property("symbol").toString(),
                 QStringLiteral("checkmark.circle.fill"));
        // Rosetta is still missing: its controls stay.
        QVERIFY(rosetta->controls()->isVisible());
    }
};

SKALDRUN_GUI_TEST_MAIN(TestShellArm64)
#include "tst_shell_arm64.moc"
