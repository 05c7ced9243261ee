#include "tests/ui/UiFixture.h"

#include "catalog/Repository.h"
#include "discovery/Quarantine.h"
#include "platform/Xattr.h"
#include "ui/AlertPresenter.h"
#include "ui/CommandRow.h"
#include "ui/SettingsSheet.h"
#include "ui/SetupBubble.h"
#include "ui/ShellKit.h"
#include "ui/StepCard.h"

#include <QElapsedTimer>
#include <QMessageBox>
#include <QProgressBar>
#include <QSignalSpy>

namespace {

QString label(const QAbstractButton* button) {
    return button->text().replace(QStringLiteral("&&"), QStringLiteral("&"));
}

QString symbol(const QWidget* widget) {
    return widget->property("symbol").toString();
}

QString mark(const QWidget* card) {
    return symbol(card->findChild<QLabel*>("mark"));
}

// Widgets of one flowing row, in order: each starts right of the one before, or on a later line.
bool inReadingOrder(const QList<QAbstractButton*>& widgets) {
    for (qsizetype i = 1; i < widgets.size(); ++i) {
        const QPoint a = widgets[i - 1]->mapTo(widgets[i]->window(), QPoint());
        const QPoint b = widgets[i]->mapTo(widgets[i]->window(), QPoint());
        if (!(b.y() > a.y() || (b.y() == a.y() && b.x() > a.x()))) return false;
    }
    return true;
}

QList<QMessageBox*> visibleAlerts(const QWidget& window) {
    QList<QMessageBox*> shown;
    for (QMessageBox* box : window.findChildren<QMessageBox*>("alert"))
        if (box->isVisible()) shown.append(box);
    return shown;
}

// The alert, when exactly one is up.
QMessageBox* theAlert(const QWidget& window) {
    const QList<QMessageBox*> shown = visibleAlerts(window);
    return shown.size() == 1 ? shown[0] : nullptr;
}

void press(QAbstractButton* button) {
    QVERIFY(button);
    QVERIFY(button->isEnabled());
    button->click();
    settle();
}

void flagQuarantined(const QString& path) {
    QVERIFY2(Xattr::set(path, Xattr::quarantineName(), "0083;6751f0a2;Safari;"), qPrintable(path));
}

} // namespace

class TestShell : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        Theme::apply(*qApp);
        FreshHome::pinPreferences();
    }

    void withoutGameFolderThenWithIt() {
        FreshHome home;
        Shell shell;
        for (const char* name : {"toolbar.settings", "toolbar.refresh", "step1.autoDetect", "step7.recheck"})
            QVERIFY2(shell.button(name)->isEnabled(), name);
        for (const char* name : {"toolbar.gameFolder", "toolbar.playVanilla", "toolbar.launch",
                                 "step3.install", "step3.installFromZip", "step7.launch"})
            QVERIFY2(!shell.button(name)->isEnabled(), name);
        QCOMPARE(shell.card(1)->subtitle(),
                 "Install Valheim through Steam first, then auto-detect — or point me at its folder.");
        // An Intel Mac without Steam: only Rosetta and the Intel build count as done.
        QCOMPARE(shell.text("steps.progressText"), "2 of 7 complete");
        QCOMPARE(shell.find<CommandRow>("step6.command")->command(),
                 "\"…/steamapps/common/Valheim/start_game_bepinex.sh\" %command%");
        QCOMPARE(shell.text("steps.footer"), "Tip: if a game update breaks mods, re-run steps 3–5.");

        // The game appears: the toolbar and the steps follow the next refresh.
        home.world().build();
        refresh(shell.state);
        press(shell.button("toolbar.gameFolder"));
        QCOMPARE(shell.workspace.openedFolders, QStringList{home.world().gameDir()});
        QCOMPARE(shell.card(1)->subtitle(),
                 "Found Valheim.app at ~/Games/SteamLibrary/steamapps/common/Valheim");
        QCOMPARE(shell.find<CommandRow>("step5.command")->command(),
                 Quarantine::terminalCommand(home.world().gameDir()));
        QCOMPARE(label(shell.button("step3.install")), "Download & Install");
        // Steps 2 and 4 need nothing on an Intel Mac.
        for (int step : {2, 4}) {
            QCOMPARE(shell.card(step)->badge(), "Not needed");
            QCOMPARE(mark(shell.card(step)), "checkmark.circle.fill");
            QVERIFY(shell.card(step)->done() && !shell.card(step)->controls()->isVisible());
        }
        QCOMPARE(mark(shell.card(3)), "3.circle");
    }

    void scriptNeedingAFixAndBusyState() {
        FreshHome home;
        home.world().build();
        home.installBepInEx();
        home.unpatchScript();
        Shell shell;
        StepCard* card = shell.card(3);
        QCOMPARE(card->subtitle(), "BepInEx files are there, but start_game_bepinex.sh still needs its "
                                   "Mac fixes (executable bit + game name).");
        QAbstractButton* fix = shell.button("step3.fixScript");
        QAbstractButton* install = shell.button("step3.install");
        QAbstractButton* zip = shell.button("step3.installFromZip");
        QAbstractButton* manual = shell.button("step3.getManually");
        QVERIFY(fix->isVisible() && inReadingOrder({fix, install, zip, manual}));
        QCOMPARE(label(install), "Reinstall / Update");
        QCOMPARE(Theme::buttonStyle(fix), Theme::ButtonStyle::prominent);
        QCOMPARE(Theme::buttonStyle(install), Theme::ButtonStyle::bordered);

        // While an action runs, the long-running controls wait; step 6 and "Re-check" don't.
        shell.state.setBusyMessage("Installing…");
        shell.window.openSettings();
        settle();
        for (const char* name : {"step1.autoDetect", "step3.fixScript", "step3.install", "step7.launch",
                                 "settings.moveModsAside", "settings.backupSaves", "settings.restoreSaves"})
            QVERIFY2(!shell.button(name)->isEnabled(), name);
        for (const char* name : {"step6.copyLaunchOptions", "step7.recheck", "step6.console"})
            QVERIFY2(shell.button(name)->isEnabled(), name);
        QVERIFY(shell.shown("settings.busy"));
        QCOMPARE(shell.text("settings.footerText"), "Installing…");
        shell.state.setBusyMessage(std::nullopt);
        shell.window.settingsSheet()->reject();
        settle();

        press(fix);
        QVERIFY(card->done() && !fix->isVisible());
        QVERIFY2(card->subtitle().startsWith("BepInEx 5.4.2202"), qPrintable(card->subtitle()));
        QVERIFY(card->subtitle().endsWith(" is in the game folder and start_game_bepinex.sh is ready."));
    }

    void quarantineSentences() {
        FreshHome home;
        home.world().build();
        home.installBepInEx();
        const QString game = home.world().gameDir();
        if (!Xattr::set(game + "/changelog.txt", "user.skaldrun.probe", "1"))
            QSKIP("This file system keeps no user attributes");
        flagQuarantined(game + "/winhttp.dll");
        Shell shell;
        StepCard* card = shell.card(5);
        const QString rest = " from being downloaded. This runs the Terminal command below for you.";
        QCOMPARE(card->subtitle(), "1 file is quarantined" + rest);
        flagQuarantined(game + "/doorstop_config.ini");
        refresh(shell.state);
        QCOMPARE(card->subtitle(), "2 files are quarantined" + rest);

        press(shell.button("step5.clearQuarantine"));
        QVERIFY(card->done());
        QCOMPARE(card->subtitle(), "No quarantine flags on the modding files — Gatekeeper won't interfere.");
        QVERIFY(!shell.shown("step5.clearQuarantine") && shell.shown("step5.command"));
        QCOMPARE(shell.text("steps.footer"), "Removed quarantine from 2 files");
    }

    void launchOptionsByHand() {
        FreshHome home;
        home.world().build();
        Shell shell;
        StepCard* card = shell.card(6);
        QAbstractButton* copy = shell.button("step6.copyLaunchOptions");
        QCOMPARE(Theme::buttonStyle(copy), Theme::ButtonStyle::prominent);
        QVERIFY(!shell.shown("step6.changedNote"));

        press(shell.button("step6.console"));
        QVERIFY(shell.state.consoleEnabled());
        QVERIFY(shell.find<CommandRow>("step6.command")->command().endsWith(" -console"));

        press(shell.button("step6.manual"));
        QVERIFY(card->done());
        // Marked by hand, not found in Steam.
        QCOMPARE(card->subtitle(),
                 "The one manual step: Steam has to start the game through BepInEx's script.");
        QVERIFY(shell.shown("step6.changedNote") && !shell.shown("step6.manual") &&
                !shell.shown("step6.instruction"));
        QCOMPARE(Theme::buttonStyle(copy), Theme::ButtonStyle::bordered);
        press(copy);
        QCOMPARE(shell.clipboard.current(), shell.state.launchOptionsString());

        home.world().setSteamLaunchOptions(shell.state.launchOptionsString());
        refresh(shell.state);
        QCOMPARE(card->subtitle(), "Found in your Steam settings — Valheim starts through BepInEx.");
    }

    void copyFeedbackEndsAtTheFirstPressesTime() {
        FreshHome home;
        Shell shell;
        auto* row = shell.find<CommandRow>("step6.command");
        auto* button = row->findChild<QAbstractButton*>("copyButton");
        QCOMPARE(symbol(button), "doc.on.doc");
        QElapsedTimer clock;
        clock.start();
        button->click();
        QCOMPARE(symbol(button), "checkmark");
        QTest::qWait(1000);
        button->click();
        const qint64 secondPress = clock.elapsed();
        QVERIFY(row->copied());
        QTRY_VERIFY_WITH_TIMEOUT(!row->copied(), 5000);
        const qint64 resetAt = clock.elapsed();
        QVERIFY2(resetAt >= CommandRow::feedbackMs, qPrintable(QString::number(resetAt)));
        QVERIFY2(resetAt < secondPress + CommandRow::feedbackMs, qPrintable(QString::number(resetAt)));
        QCOMPARE(symbol(button), "doc.on.doc");
        // The second press's reset changes nothing when it fires.
        QTest::qWait(int(secondPress + CommandRow::feedbackMs - clock.elapsed()) + 100);
        QVERIFY(!row->copied());
        QCOMPARE(shell.clipboard.texts, QStringList(2, shell.state.launchOptionsString()));
    }

    void commandFitsTwoLines() {
        const QFontMetrics fm(Theme::monospaced(11));
        const int width = fm.horizontalAdvance(QString(30, QLatin1Char('x'))); // thirty characters
        const auto fitted = [&](const char* command) { return CommandRow::fitted(command, fm, width); };
        QCOMPARE(fitted("shaderhelper capturevanilla"), "shaderhelper capturevanilla");
        // Two lines' worth shows whole: broken at the edge, or after a blank when the rest still fits.
        QCOMPARE(fitted("softwareupdate --install-rosetta --agree-to-license"),
                 "softwareupdate --install-roset\nta --agree-to-license");
        QCOMPARE(fitted("shaderhelper capturevanilla --now"), "shaderhelper capturevanilla \n--now");
        // More is cut in the middle, keeping both ends.
        const QString cut = fitted("xattr -r -d com.apple.quarantine \"/Users/ragnhild/Library/Application "
                                   "Support/Steam/steamapps/common/Valheim\"");
        QCOMPARE(cut.count(QLatin1Char('\n')), 1);
        for (const QString& line : cut.split(QLatin1Char('\n')))
            QVERIFY2(fm.horizontalAdvance(line) <= width, qPrintable(line));
        QVERIFY(cut.startsWith("xattr -r -d") && cut.contains("…") && cut.endsWith("common/Valheim\""));
    }

    void settingsSheetAndAlerts() {
        FreshHome home;
        qputenv("SKALDRUN_OPEN", "Settings");
        {
            Shell shell;
            QVERIFY(!shell.window.settingsSheet());
        }
        qputenv("SKALDRUN_OPEN", "settings");
        Shell shell;
        qunsetenv("SKALDRUN_OPEN");
        SettingsSheet* sheet = shell.window.settingsSheet();
        QVERIFY(sheet && sheet->isVisible());
        QCOMPARE(sheet->windowModality(), Qt::WindowModal);
        // While the sheet is open it shows the alert itself, and only one alert is up.
        QVERIFY(!shell.window.alerts()->isActive());
        shell.state.setAlertMessage("First");
        settle();
        QMessageBox* alert = theAlert(shell.window);
        QVERIFY(alert && alert->parentWidget() == sheet);
        QCOMPARE(alert->windowTitle(), "Skaldrun");
        QCOMPARE(alert->text(), "First");
        QCOMPARE(alert->buttons().size(), 1);
        QCOMPARE(label(alert->buttons()[0]), "OK");
        press(alert->buttons()[0]);
        QVERIFY(!shell.state.alertMessage() && visibleAlerts(shell.window).isEmpty() && sheet->isVisible());
        QTest::keyClick(sheet, Qt::Key_Escape);
        settle();
        QVERIFY(!shell.window.settingsSheet());

        // Over the window, a second message shows the alert again.
        QVERIFY(shell.window.alerts()->isActive());
        shell.state.setAlertMessage("Second");
        settle();
        QVERIFY((alert = theAlert(shell.window)));
        QCOMPARE(alert->text(), "Second");
        QTest::keyClick(alert, Qt::Key_Escape);
        settle();
        QVERIFY(!shell.state.alertMessage());

        // The toolbar opens the sheet again; "Done" closes it like Escape.
        press(shell.button("toolbar.settings"));
        QVERIFY(shell.window.settingsSheet());
        press(shell.button("settings.done"));
        QVERIFY(!shell.window.settingsSheet());
    }

    void foldingIntoTheBubble() {
        FreshHome home;
        home.world().build();
        Shell shell;
        auto* bubble = shell.find<SetupBubble>("setupBubble");
        auto* icon = bubble->findChild<QLabel*>("setupBubble.icon");
        auto* count = bubble->findChild<QLabel*>("setupBubble.count");
        QVERIFY(!bubble->isVisible());

        press(shell.button("steps.hide"));
        QVERIFY(shell.state.setupCollapsed() && !shell.window.stepsPane()->isVisible());
        QVERIFY(bubble->isVisible() && count->isVisible());
        QCOMPARE(count->text(), QStringLiteral("%1/7").arg(shell.state.doneCount()));
        QCOMPARE(symbol(icon), "exclamationmark.circle.fill");
        QCOMPARE(bubble->toolTip(), "Setup incomplete — click to open");
        press(bubble);
        QVERIFY(!shell.state.setupCollapsed() && shell.window.stepsPane()->isVisible() &&
                !bubble->isVisible());

        // All seven done for the first time folds the setup by itself; the bubble shows the check only.
        home.completeSetup(shell.state);
        refresh(shell.state);
        QCOMPARE(shell.state.doneCount(), 7);
        QVERIFY(!shell.window.stepsPane()->isVisible());
        QVERIFY(bubble->isVisible() && !count->isVisible());
        QCOMPARE(symbol(icon), "checkmark.circle.fill");
        QCOMPARE(bubble->toolTip(), "Setup complete — click to review the steps");
        press(bubble);
        QCOMPARE(shell.text("steps.progressText"), "All set — mods load on next launch");
        QVERIFY(
            shell.card(7)->subtitle().startsWith("Modded launch confirmed — BepInEx last wrote its log "));
    }

    void settingsProcedure() {
        FreshHome home;
        home.world().build();
        home.installBepInEx();
        Shell shell;
        shell.window.openSettings();
        settle();
        QVERIFY(shell.shown("settings.installHint") && !shell.shown("settings.procedure"));

        home.installMod("ShaderHelperForMac", "1.0.3");
        home.installMod("Epic_Runes", "3.0.1");
        refresh(shell.state);
        QVERIFY(!shell.shown("settings.installHint") && shell.shown("settings.procedure"));
        QAbstractButton* aside = shell.button("settings.moveModsAside");
        QAbstractButton* back = shell.button("settings.moveModsBack");
        QAbstractButton* launch = shell.button("settings.launch");
        QVERIFY(shell.button("settings.backupSaves")->isEnabled() &&
                !shell.button("settings.restoreSaves")->isEnabled());
        QVERIFY(!shell.shown("settings.lastBackup") && !shell.shown("settings.stashLine"));
        QVERIFY(!launch->isEnabled() && !back->isEnabled());
        QVERIFY(shell.shown("settings.consoleHint"));
        shell.state.setConsoleEnabled(true);
        settle();
        QVERIFY(!shell.shown("settings.consoleHint"));

        press(aside);
        QCOMPARE(shell.text("settings.stashLine"), "1 item stashed in BepInEx/plugins-stash-capture");
        QCOMPARE(mark(shell.find("settings.step1")), "checkmark.circle.fill");
        QVERIFY(!aside->isEnabled() && launch->isEnabled());
        QCOMPARE(Theme::buttonStyle(aside), Theme::ButtonStyle::bordered);
        QCOMPARE(Theme::buttonStyle(back), Theme::ButtonStyle::prominent);
        press(back);
        QVERIFY(!shell.shown("settings.stashLine"));
        QCOMPARE(Theme::buttonStyle(aside), Theme::ButtonStyle::prominent);

        press(shell.button("settings.backupSaves"));
        QVERIFY(shell.state.snapshot().lastSaveBackupDate &&
                shell.text("settings.lastBackup")
                    .startsWith("Last backup: " +
                                ShellKit::mediumDateTime(*shell.state.snapshot().lastSaveBackupDate)));
        press(shell.button("settings.restoreSaves"));
        QMessageBox* confirm = shell.window.settingsSheet()->restoreConfirmation();
        QVERIFY(confirm && confirm->isVisible());
        QCOMPARE(confirm->text(), "Restore saves from backup?");
        QVERIFY(confirm->informativeText().contains("with the backup from "));
        // The backups vanish while it is open: the question no longer names a date.
        QVERIFY(QDir(Installer::saveBackupsRoot()).removeRecursively());
        refresh(shell.state);
        QCOMPARE(confirm->informativeText(), "This replaces your current worlds and characters with "
                                             "the backup. Anything saved since then will be overwritten.");
        // An alert arriving meanwhile waits for the confirmation to close.
        shell.state.setAlertMessage("Later");
        settle();
        QVERIFY(visibleAlerts(shell.window).isEmpty());
        press(confirm->findChild<QAbstractButton*>("settings.restoreConfirm.restore"));
        QVERIFY(!shell.state.busyMessage()); // no backup left: restoring does nothing
        QVERIFY(theAlert(shell.window));
    }

    void titleVersionAndActivation() {
        FreshHome home;
        QCoreApplication::setApplicationVersion(QString());
        {
            Shell shell;
            QCOMPARE(shell.window.windowTitle(), "Skaldrun");
            QCOMPARE(shell.text("toolbar.title"), "Skaldrun");
            QCOMPARE(shell.text("toolbar.version"), "v1.0");
        }
        QCoreApplication::setApplicationVersion("2.4.1");
        Shell shell;
        QCoreApplication::setApplicationVersion(QString());
        QCOMPARE(shell.text("toolbar.version"), "v2.4.1");

        // Coming back to the app refreshes at once; leaving it doesn't.
        QSignalSpy refreshed(&shell.state, &AppState::refreshed);
        Q_EMIT qGuiApp->applicationStateChanged(Qt::ApplicationInactive);
        settle();
        QCOMPARE(refreshed.count(), 0);
        Q_EMIT qGuiApp->applicationStateChanged(Qt::ApplicationActive);
        settle();
        QCOMPARE(refreshed.count(), 1);
    }

    void mediumDates() {
        const QDateTime when(QDate(2024, 12, 5), QTime(15, 4, 33));
        const QString us = ShellKit::mediumDateTime(when, QLocale(QLocale::English, QLocale::UnitedStates));
        QVERIFY2(us.startsWith("Dec 5, 2024, 3:04") && us.endsWith("PM"), qPrintable(us));
        const QString de = ShellKit::mediumDateTime(when, QLocale(QLocale::German, QLocale::Germany));
        QVERIFY2(de.startsWith("5. Dez") && de.endsWith("2024, 15:04"), qPrintable(de));
        QVERIFY(!ShellKit::mediumDateTime(when, QLocale::c()).contains(":33"));
    }

    // An Apple Silicon Mac without Rosetta 2.
    void rosettaAndTheIntelBuild() {
        FreshHome home;
        qputenv("SKALDRUN_MACHINE", "arm64");
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
        qputenv("SKALDRUN_MACHINE", "arm64");
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

SKALDRUN_GUI_TEST_MAIN(TestShell)
#include "tst_shell.moc"
