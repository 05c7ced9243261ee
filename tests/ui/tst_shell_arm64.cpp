#include "tests/ui/ShellFixture.h"

#include "catalog/Repository.h"
#include "discovery/Sys.h"
#include "ui/CommandRow.h"
#include "ui/StepCard.h"

// An Apple Silicon Mac without Rosetta 2: the machine is read once per process, so this runs in a
// process of its own.
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
        StepCard* rosetta = shell.card(2);
        QVERIFY(!rosetta->badge() && !rosetta->done());
        QCOMPARE(rosetta->subtitle(), "BepInEx's injector is Intel-only, so Apple Silicon needs Apple's "
                                      "Rosetta 2 translation layer.");
        QAbstractButton* install = shell.button("step2.installRosetta");
        QVERIFY(install->isVisible() && install->isEnabled());
        QCOMPARE(Theme::buttonStyle(install), Theme::ButtonStyle::prominent);
        QCOMPARE(shell.find<CommandRow>("step2.command")->command(),
                 "softwareupdate --install-rosetta --agree-to-license");

        StepCard* arch = shell.card(4);
        QVERIFY(!arch->badge() && !arch->done());
        QCOMPARE(arch->subtitle(), "Install BepInEx first — this adds one line to its launch script.");
        QAbstractButton* apply = shell.button("step4.applyFix");
        QVERIFY(apply->isVisible() && !apply->isEnabled());
        QCOMPARE(shell.find<CommandRow>("step4.command")->command(),
                 "export ARCHPREFERENCE=\"x86_64\"   # added to start_game_bepinex.sh");

        home.installBepInEx();
        home.unpatchScript();
        refresh(shell.state);
        QVERIFY(apply->isEnabled());
        QCOMPARE(arch->subtitle(), "Valheim's Mac app is Universal and would run natively — one line in the "
                                   "launch script makes it use the Intel build BepInEx requires.");
        // A long action in progress holds the fix back.
        shell.state.setBusyMessage(QStringLiteral("Installing…"));
        settle();
        QVERIFY(!apply->isEnabled() && !install->isEnabled());
        shell.state.setBusyMessage(std::nullopt);
        settle();

        apply->click();
        settle();
        QVERIFY(arch->done() && shell.card(3)->done());
        QCOMPARE(arch->subtitle(), "The launch script forces the game's Intel (x86_64) build, so "
                                   "BepInEx loads under Rosetta.");
        QVERIFY(!arch->controls()->isVisible());
        QCOMPARE(arch->findChild<QLabel*>(QStringLiteral("mark"))->property("symbol").toString(),
                 "checkmark.circle.fill");
        // Rosetta is still missing: its controls stay.
        QVERIFY(rosetta->controls()->isVisible());
    }

    // The ShaderHelperForMac recommendation shows once there are mods, until the fix is installed.
    void shaderBannerUntilTheFixIsInstalled() {
        FreshHome home;
        home.world().build();
        home.installBepInEx();
        Shell shell;
        QWidget* banner = shell.find("shaderFixBanner");
        QVERIFY(banner && !banner->isVisible());

        home.installMod(QStringLiteral("Epic_Runes"), QStringLiteral("3.0.1"));
        refresh(shell.state);
        QTRY_VERIFY(banner->isVisible());
        QAbstractButton* installFix = shell.button("shaderFixBanner.installFix");
        shell.state.setBusyMessage(QStringLiteral("Installing Epic Runes…"));
        QTRY_VERIFY(!installFix->isEnabled());
        shell.state.setBusyMessage(std::nullopt);
        QTRY_VERIFY(installFix->isEnabled());
        shell.button("shaderFixBanner.learnMore")->click();
        QCOMPARE(
            shell.workspace.openedUrls,
            QList<QUrl>{Repository::packagePage(Repository::shaderHelper.ns, Repository::shaderHelper.name)});

        home.installMod(QStringLiteral("ShaderHelperForMac"), QStringLiteral("1.0.3"));
        refresh(shell.state);
        QTRY_VERIFY(!banner->isVisible());
    }
};

SKALDRUN_GUI_TEST_MAIN(TestShellArm64)
#include "tst_shell_arm64.moc"
