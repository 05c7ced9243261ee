#include "tests/ui/ShellFixture.h"

#include "discovery/Quarantine.h"
#include "platform/Xattr.h"
#include "ui/AlertPresenter.h"
#include "ui/CommandRow.h"
#include "ui/SettingsSheet.h"
#include "ui/SetupBubble.h"
#include "ui/ShellKit.h"
#include "ui/StepCard.h"
#include "ui/StepsPane.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>

namespace {

QString label(const QAbstractButton* button) {
    return button->text().replace(QStringLiteral("&&"), QStringLiteral("&"));
}

QString symbol(const QWidget* widget) {
    return widget->property("symbol").toString();
}

// Widgets of one flowing row, in order: each starts right of the one before, or on a later line.
bool inReadingOrder(const QList<QWidget*>& widgets) {
    for (qsizetype i = 1; i < widgets.size(); ++i) {
        const QPoint a = widgets[i - 1]->mapTo(widgets[i]->window(), QPoint());
        const QPoint b = widgets[i]->mapTo(widgets[i]->window(), QPoint());
        if (!(b.y() > a.y() || (b.y() == a.y() && b.x() > a.x()))) return false;
    }
    return true;
}

QList<QMessageBox*> visibleAlerts(const QWidget& window) {
    QList<QMessageBox*> shown;
    for (QMessageBox* box : window.findChildren<QMessageBox*>(QStringLiteral("alert")))
        if (box->isVisible()) shown.append(box);
    return shown;
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

    void withoutGameFolder() {
        FreshHome home;
        Shell shell;
        QVERIFY(!shell.state.gameDir());
        for (const char* name : {"toolbar.settings", "toolbar.refresh"})
            QVERIFY2(shell.find<QToolButton>(QString::fromLatin1(name))->isEnabled(), name);
        for (const char* name : {"toolbar.gameFolder", "toolbar.playVanilla", "toolbar.launch"})
            QVERIFY2(!shell.find<QToolButton>(QString::fromLatin1(name))->isEnabled(), name);

        StepsPane* pane = shell.window.stepsPane();
        QCOMPARE(pane->card(1)->subtitle(),
                 QStringLiteral(
                     "Install Valheim through Steam first, then auto-detect — or point me at its folder."));
        QVERIFY(shell.find<QPushButton>(QStringLiteral("step1.autoDetect"))->isEnabled());
        QVERIFY(!shell.find<QPushButton>(QStringLiteral("step3.install"))->isEnabled());
        QVERIFY(!shell.find<QPushButton>(QStringLiteral("step3.installFromZip"))->isEnabled());
        QVERIFY(!shell.find<CommandRow>(QStringLiteral("step5.command"))->isVisible());
        QVERIFY(!shell.find<QPushButton>(QStringLiteral("step7.launch"))->isEnabled());
        QVERIFY(shell.find<QPushButton>(QStringLiteral("step7.recheck"))->isEnabled());
        // An Intel Mac without Steam: only Rosetta and the Intel build count as done.
        QCOMPARE(shell.find<QLabel>(QStringLiteral("steps.progressText"))->text(),
                 QStringLiteral("2 of 7 complete"));
        QCOMPARE(shell.find<QProgressBar>(QStringLiteral("steps.progress"))->value(), 2);
        QCOMPARE(shell.find<CommandRow>(QStringLiteral("step6.command"))->command(),
                 QStringLiteral("\"…/steamapps/common/Valheim/start_game_bepinex.sh\" %command%"));
        QCOMPARE(shell.find<QLabel>(QStringLiteral("steps.footer"))->text(),
                 QStringLiteral("Tip: if a game update breaks mods, re-run steps 3–5."));

        // The game appears: the toolbar and the steps follow the next refresh.
        home.world().build();
        refresh(shell.state);
        QVERIFY(shell.find<QToolButton>(QStringLiteral("toolbar.launch"))->isEnabled());
        press(shell.find<QToolButton>(QStringLiteral("toolbar.gameFolder")));
        QCOMPARE(shell.workspace.openedFolders, QStringList{home.world().gameDir()});
        QCOMPARE(pane->card(1)->subtitle(),
                 QStringLiteral("Found Valheim.app at ~/Games/SteamLibrary/steamapps/common/Valheim"));
        auto* quarantine = shell.find<CommandRow>(QStringLiteral("step5.command"));
        QVERIFY(quarantine->isVisible());
        QCOMPARE(quarantine->command(), Quarantine::terminalCommand(home.world().gameDir()));
        QVERIFY(!shell.find<QPushButton>(QStringLiteral("step5.clearQuarantine"))->isVisible());
        auto* install = shell.find<QPushButton>(QStringLiteral("step3.install"));
        QCOMPARE(label(install), QStringLiteral("Download & Install"));
        QCOMPARE(Theme::buttonStyle(install), Theme::ButtonStyle::prominent);
        QVERIFY(!shell.find<QPushButton>(QStringLiteral("step3.fixScript"))->isVisible());
    }

    void intelStepsNeedNothing() {
        FreshHome home;
        home.world().build();
        Shell shell;
        for (int step : {2, 4}) {
            StepCard* card = shell.window.stepsPane()->card(step);
            QCOMPARE(card->badge(), std::optional<QString>(QStringLiteral("Not needed")));
            QVERIFY(card->done());
            QCOMPARE(symbol(card->findChild<QLabel*>(QStringLiteral("mark"))),
                     QStringLiteral("checkmark.circle.fill"));
            QVERIFY(!card->controls()->isVisible());
        }
        QCOMPARE(symbol(shell.window.stepsPane()->card(3)->findChild<QLabel*>(QStringLiteral("mark"))),
                 QStringLiteral("3.circle"));
        QVERIFY(!shell.window.stepsPane()->card(3)->badge());
    }

    void scriptNeedingAFixAndBusyState() {
        FreshHome home;
        home.world().build();
        home.installBepInEx();
        home.unpatchScript();
        Shell shell;
        StepCard* card = shell.window.stepsPane()->card(3);
        QVERIFY(!card->done());
        QCOMPARE(card->subtitle(),
                 QStringLiteral("BepInEx files are there, but start_game_bepinex.sh still needs its "
                                "Mac fixes (executable bit + game name)."));
        auto* fix = shell.find<QPushButton>(QStringLiteral("step3.fixScript"));
        auto* install = shell.find<QPushButton>(QStringLiteral("step3.install"));
        auto* zip = shell.find<QPushButton>(QStringLiteral("step3.installFromZip"));
        auto* manual = shell.find<QPushButton>(QStringLiteral("step3.getManually"));
        QVERIFY(fix->isVisible());
        QVERIFY(inReadingOrder({fix, install, zip, manual}));
        QCOMPARE(Theme::buttonStyle(fix), Theme::ButtonStyle::prominent);
        QCOMPARE(label(install), QStringLiteral("Reinstall / Update"));
        QCOMPARE(Theme::buttonStyle(install), Theme::ButtonStyle::bordered);
        QCOMPARE(Theme::buttonStyle(zip), Theme::ButtonStyle::automatic);
        QCOMPARE(Theme::buttonStyle(manual), Theme::ButtonStyle::link);

        // While an action runs, the long-running controls wait; step 6 and "Re-check" don't.
        shell.state.setBusyMessage(QStringLiteral("Installing…"));
        shell.window.openSettings();
        settle();
        for (const char* name : {"step1.autoDetect", "step3.fixScript", "step3.install", "step7.launch",
                                 "settings.moveModsAside", "settings.backupSaves", "settings.restoreSaves"})
            QVERIFY2(!shell.find<QPushButton>(QString::fromLatin1(name))->isEnabled(), name);
        for (const char* name : {"step6.copyLaunchOptions", "step7.recheck"})
            QVERIFY2(shell.find<QPushButton>(QString::fromLatin1(name))->isEnabled(), name);
        QVERIFY(shell.find<QCheckBox>(QStringLiteral("step6.console"))->isEnabled());
        auto* busy = shell.find<QProgressBar>(QStringLiteral("settings.busy"));
        QVERIFY(busy->isVisible());
        QCOMPARE(busy->maximum(), 0); // a spinner: no progress known
        QCOMPARE(shell.find<QLabel>(QStringLiteral("settings.footerText"))->text(),
                 QStringLiteral("Installing…"));
        shell.state.setBusyMessage(std::nullopt);
        shell.window.settingsSheet()->reject();
        settle();
        QVERIFY(!busy->isVisible());

        press(fix);
        QVERIFY(card->done());
        QVERIFY(!fix->isVisible());
        QVERIFY2(card->subtitle().startsWith(QStringLiteral("BepInEx 5.4.2202")),
                 qPrintable(card->subtitle()));
        QVERIFY(card->subtitle().endsWith(
            QStringLiteral(" is in the game folder and start_game_bepinex.sh is ready.")));
        QCOMPARE(shell.find<QLabel>(QStringLiteral("steps.footer"))->text(),
                 QStringLiteral("Updated start_game_bepinex.sh for this Mac"));
    }

    void quarantineSentences() {
        FreshHome home;
        home.world().build();
        home.installBepInEx();
        const QString game = home.world().gameDir();
        if (!Xattr::set(game + QStringLiteral("/changelog.txt"), QStringLiteral("user.skaldrun.probe"), "1"))
            QSKIP("This file system keeps no user attributes");
        flagQuarantined(game + QStringLiteral("/winhttp.dll"));
        Shell shell;
        StepCard* card = shell.window.stepsPane()->card(5);
        const QString rest =
            QStringLiteral(" from being downloaded. This runs the Terminal command below for you.");
        QCOMPARE(card->subtitle(), QStringLiteral("1 file is quarantined") + rest);
        flagQuarantined(game + QStringLiteral("/doorstop_config.ini"));
        refresh(shell.state);
        QCOMPARE(card->subtitle(), QStringLiteral("2 files are quarantined") + rest);

        press(shell.find<QPushButton>(QStringLiteral("step5.clearQuarantine")));
        QVERIFY(card->done());
        QCOMPARE(card->subtitle(),
                 QStringLiteral("No quarantine flags on the modding files — Gatekeeper won't interfere."));
        QVERIFY(!shell.find<QPushButton>(QStringLiteral("step5.clearQuarantine"))->isVisible());
        QVERIFY(shell.find<CommandRow>(QStringLiteral("step5.command"))->isVisible());
        QCOMPARE(shell.find<QLabel>(QStringLiteral("steps.footer"))->text(),
                 QStringLiteral("Removed quarantine from 2 files"));
    }

    void launchOptionsByHand() {
        FreshHome home;
        home.world().build();
        Shell shell;
        StepCard* card = shell.window.stepsPane()->card(6);
        const QString manualSentence =
            QStringLiteral("The one manual step: Steam has to start the game through BepInEx's script.");
        auto* copy = shell.find<QPushButton>(QStringLiteral("step6.copyLaunchOptions"));
        QCOMPARE(Theme::buttonStyle(copy), Theme::ButtonStyle::prominent);
        QVERIFY(!shell.find<QLabel>(QStringLiteral("step6.changedNote"))->isVisible());

        auto* console = shell.find<QCheckBox>(QStringLiteral("step6.console"));
        console->click();
        settle();
        QVERIFY(shell.state.consoleEnabled());
        QVERIFY(shell.find<CommandRow>(QStringLiteral("step6.command"))
                    ->command()
                    .endsWith(QStringLiteral(" -console")));

        shell.find<QCheckBox>(QStringLiteral("step6.manual"))->click();
        settle();
        QVERIFY(card->done());
        QCOMPARE(card->subtitle(), manualSentence); // marked by hand, not found in Steam
        QVERIFY(shell.find<QLabel>(QStringLiteral("step6.changedNote"))->isVisible());
        QVERIFY(!shell.find<QCheckBox>(QStringLiteral("step6.manual"))->isVisible());
        QVERIFY(!shell.find<QLabel>(QStringLiteral("step6.instruction"))->isVisible());
        QCOMPARE(Theme::buttonStyle(copy), Theme::ButtonStyle::bordered);
        press(copy);
        QCOMPARE(shell.clipboard.current(), shell.state.launchOptionsString());

        home.world().setSteamLaunchOptions(shell.state.launchOptionsString());
        refresh(shell.state);
        QCOMPARE(card->subtitle(),
                 QStringLiteral("Found in your Steam settings — Valheim starts through BepInEx."));
    }

    void copyFeedbackEndsAtTheFirstPressesTime() {
        FreshHome home;
        Shell shell;
        auto* row = shell.find<CommandRow>(QStringLiteral("step6.command"));
        auto* button = row->findChild<QToolButton*>(QStringLiteral("copyButton"));
        QCOMPARE(symbol(button), QStringLiteral("doc.on.doc"));
        QElapsedTimer clock;
        clock.start();
        button->click();
        QVERIFY(row->copied());
        QCOMPARE(symbol(button), QStringLiteral("checkmark"));
        QTest::qWait(1000);
        button->click();
        const qint64 secondPress = clock.elapsed();
        QVERIFY(row->copied());
        QTRY_VERIFY_WITH_TIMEOUT(!row->copied(), 5000);
        const qint64 resetAt = clock.elapsed();
        QVERIFY2(resetAt >= CommandRow::feedbackMs, qPrintable(QString::number(resetAt)));
        QVERIFY2(resetAt < secondPress + CommandRow::feedbackMs, qPrintable(QString::number(resetAt)));
        QCOMPARE(symbol(button), QStringLiteral("doc.on.doc"));
        // The second press's reset changes nothing when it fires.
        QTest::qWait(int(secondPress + CommandRow::feedbackMs - clock.elapsed()) + 100);
        QVERIFY(!row->copied());
        QCOMPARE(shell.clipboard.texts, QStringList(2, shell.state.launchOptionsString()));
    }

    void commandFitsTwoLines() {
        const QFontMetrics fm(Theme::monospaced(11));
        const int width = fm.horizontalAdvance(QString(30, QLatin1Char('x'))); // thirty characters
        const QString shortCommand = QStringLiteral("shaderhelper capturevanilla");
        QCOMPARE(CommandRow::fitted(shortCommand, fm, width), shortCommand);

        const QString longCommand =
            QStringLiteral("xattr -r -d com.apple.quarantine \"/Users/ragnhild/Library/"
                           "Application Support/Steam/steamapps/common/Valheim\"");
        const QString shown = CommandRow::fitted(longCommand, fm, width);
        const QStringList lines = shown.split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 2);
        for (const QString& line : lines)
            QVERIFY2(fm.horizontalAdvance(line) <= width, qPrintable(line));
        QVERIFY(shown.contains(QStringLiteral("…")));
        QVERIFY(shown.startsWith(QStringLiteral("xattr -r -d")));
        QVERIFY(shown.endsWith(QStringLiteral("common/Valheim\"")));

        // Two lines' worth shows whole: broken at the edge, or after a blank when the rest still fits.
        const QString twoLines = QStringLiteral("softwareupdate --install-rosetta --agree-to-license");
        const QString wrapped = CommandRow::fitted(twoLines, fm, width);
        QCOMPARE(wrapped, twoLines.left(30) + QLatin1Char('\n') + twoLines.mid(30));
        QCOMPARE(CommandRow::fitted(QStringLiteral("shaderhelper capturevanilla --now"), fm, width),
                 QStringLiteral("shaderhelper capturevanilla \n--now"));
    }

    void settingsOpensOnlyForTheExactWord() {
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
        QVERIFY(sheet);
        QVERIFY(sheet->isVisible());
        QCOMPARE(sheet->windowModality(), Qt::WindowModal);
        QVERIFY(!shell.window.alerts()->isActive());
        QTest::keyClick(sheet, Qt::Key_Escape);
        settle();
        QVERIFY(!shell.window.settingsSheet());
        QVERIFY(shell.window.alerts()->isActive());

        // The toolbar opens it again; "Done" closes it like Escape.
        press(shell.find<QToolButton>(QStringLiteral("toolbar.settings")));
        QVERIFY(shell.window.settingsSheet());
        press(shell.find<QPushButton>(QStringLiteral("settings.done")));
        QVERIFY(!shell.window.settingsSheet());
    }

    void alertShowsAgainForEachMessage() {
        FreshHome home;
        Shell shell;
        shell.state.setAlertMessage(QStringLiteral("First"));
        settle();
        QList<QMessageBox*> shown = visibleAlerts(shell.window);
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0]->windowTitle(), QStringLiteral("Skaldrun"));
        QCOMPARE(shown[0]->text(), QStringLiteral("First"));
        QCOMPARE(shown[0]->buttons().size(), 1);
        QCOMPARE(label(shown[0]->buttons()[0]), QStringLiteral("OK"));
        press(shown[0]->buttons()[0]);
        QVERIFY(!shell.state.alertMessage());
        QVERIFY(visibleAlerts(shell.window).isEmpty());

        shell.state.setAlertMessage(QStringLiteral("Second"));
        settle();
        shown = visibleAlerts(shell.window);
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0]->text(), QStringLiteral("Second"));
        QTest::keyClick(shown[0], Qt::Key_Escape);
        settle();
        QVERIFY(!shell.state.alertMessage());

        // While the sheet is open it shows the alert itself, and only one alert is up.
        shell.window.openSettings();
        settle();
        shell.state.setAlertMessage(QStringLiteral("Third"));
        settle();
        shown = visibleAlerts(shell.window);
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0]->parentWidget(), shell.window.settingsSheet());
        QCOMPARE(shown[0]->text(), QStringLiteral("Third"));
        press(shown[0]->buttons()[0]);
        QVERIFY(!shell.state.alertMessage());
        QVERIFY(shell.window.settingsSheet()->isVisible());
    }

    void foldingIntoTheBubble() {
        FreshHome home;
        home.world().build();
        Shell shell;
        auto* bubble = shell.find<SetupBubble>(QStringLiteral("setupBubble"));
        QVERIFY(shell.window.stepsPane()->isVisible());
        QVERIFY(!bubble->isVisible());

        press(shell.find<QToolButton>(QStringLiteral("steps.hide")));
        QVERIFY(shell.state.setupCollapsed());
        QVERIFY(!shell.window.stepsPane()->isVisible());
        QVERIFY(bubble->isVisible());
        auto* count = bubble->findChild<QLabel*>(QStringLiteral("setupBubble.count"));
        QCOMPARE(count->text(), QStringLiteral("%1/7").arg(shell.state.doneCount()));
        QVERIFY(count->isVisible());
        QCOMPARE(symbol(bubble->findChild<QLabel*>(QStringLiteral("setupBubble.icon"))),
                 QStringLiteral("exclamationmark.circle.fill"));
        QCOMPARE(bubble->toolTip(), QStringLiteral("Setup incomplete — click to open"));
        press(bubble);
        QVERIFY(!shell.state.setupCollapsed());
        QVERIFY(shell.window.stepsPane()->isVisible());
        QVERIFY(!bubble->isVisible());

        // All seven done for the first time folds the setup by itself; the bubble shows the check only.
        home.completeSetup(shell.state);
        refresh(shell.state);
        QCOMPARE(shell.state.doneCount(), 7);
        QVERIFY(!shell.window.stepsPane()->isVisible());
        QVERIFY(bubble->isVisible());
        QVERIFY(!count->isVisible());
        QCOMPARE(symbol(bubble->findChild<QLabel*>(QStringLiteral("setupBubble.icon"))),
                 QStringLiteral("checkmark.circle.fill"));
        QCOMPARE(bubble->toolTip(), QStringLiteral("Setup complete — click to review the steps"));
        press(bubble);
        QCOMPARE(shell.find<QLabel>(QStringLiteral("steps.progressText"))->text(),
                 QStringLiteral("All set — mods load on next launch"));
        QVERIFY(shell.window.stepsPane()->card(7)->subtitle().startsWith(
            QStringLiteral("Modded launch confirmed — BepInEx last wrote its log ")));
    }

    void settingsProcedure() {
        FreshHome home;
        home.world().build();
        home.installBepInEx();
        Shell shell;
        shell.window.openSettings();
        settle();
        QVERIFY(shell.find<QWidget>(QStringLiteral("settings.installHint"))->isVisible());
        QVERIFY(!shell.find<QWidget>(QStringLiteral("settings.procedure"))->isVisible());

        home.installMod(QStringLiteral("ShaderHelperForMac"), QStringLiteral("1.0.3"));
        home.installMod(QStringLiteral("Epic_Runes"), QStringLiteral("3.0.1"));
        refresh(shell.state);
        QVERIFY(!shell.find<QWidget>(QStringLiteral("settings.installHint"))->isVisible());
        QVERIFY(shell.find<QWidget>(QStringLiteral("settings.procedure"))->isVisible());
        auto* aside = shell.find<QPushButton>(QStringLiteral("settings.moveModsAside"));
        auto* back = shell.find<QPushButton>(QStringLiteral("settings.moveModsBack"));
        auto* launch = shell.find<QPushButton>(QStringLiteral("settings.launch"));
        QVERIFY(shell.find<QPushButton>(QStringLiteral("settings.backupSaves"))->isEnabled());
        QVERIFY(!shell.find<QPushButton>(QStringLiteral("settings.restoreSaves"))->isEnabled());
        QVERIFY(!shell.find<QLabel>(QStringLiteral("settings.lastBackup"))->isVisible());
        QVERIFY(!shell.find<QLabel>(QStringLiteral("settings.stashLine"))->isVisible());
        QVERIFY(!launch->isEnabled() && !back->isEnabled());
        QVERIFY(shell.find<QLabel>(QStringLiteral("settings.consoleHint"))->isVisible());
        shell.state.setConsoleEnabled(true);
        settle();
        QVERIFY(!shell.find<QLabel>(QStringLiteral("settings.consoleHint"))->isVisible());

        press(aside);
        QCOMPARE(shell.clipboard.current(), QStringLiteral("shaderhelper capturevanilla"));
        QCOMPARE(shell.find<QLabel>(QStringLiteral("settings.stashLine"))->text(),
                 QStringLiteral("1 item stashed in BepInEx/plugins-stash-capture"));
        QCOMPARE(symbol(shell.window.settingsSheet()
                            ->findChild<QWidget*>(QStringLiteral("settings.step1"))
                            ->findChild<QLabel*>(QStringLiteral("mark"))),
                 QStringLiteral("checkmark.circle.fill"));
        QVERIFY(!aside->isEnabled());
        QCOMPARE(Theme::buttonStyle(aside), Theme::ButtonStyle::bordered);
        QCOMPARE(Theme::buttonStyle(back), Theme::ButtonStyle::prominent);
        QVERIFY(launch->isEnabled());
        press(back);
        QVERIFY(!shell.find<QLabel>(QStringLiteral("settings.stashLine"))->isVisible());
        QCOMPARE(Theme::buttonStyle(aside), Theme::ButtonStyle::prominent);
    }

    void restoreConfirmation() {
        FreshHome home;
        home.world().build();
        Shell shell;
        shell.state.backupSaves();
        settle();
        QVERIFY(shell.state.lastSaveBackupDate());
        shell.window.openSettings();
        settle();
        QVERIFY(shell.find<QLabel>(QStringLiteral("settings.lastBackup"))
                    ->text()
                    .startsWith(QStringLiteral("Last backup: ") +
                                ShellKit::mediumDateTime(*shell.state.lastSaveBackupDate())));
        press(shell.find<QPushButton>(QStringLiteral("settings.restoreSaves")));
        QMessageBox* confirm = shell.window.settingsSheet()->restoreConfirmation();
        QVERIFY(confirm && confirm->isVisible());
        QCOMPARE(confirm->text(), QStringLiteral("Restore saves from backup?"));
        QVERIFY(confirm->informativeText().contains(QStringLiteral("with the backup from ")));

        // The backups vanish while it is open: the question no longer names a date.
        QVERIFY(QDir(Installer::saveBackupsRoot()).removeRecursively());
        refresh(shell.state);
        QCOMPARE(confirm->informativeText(),
                 QStringLiteral("This replaces your current worlds and characters with "
                                "the backup. Anything saved since then will be overwritten."));
        // An alert arriving meanwhile waits for the confirmation to close.
        shell.state.setAlertMessage(QStringLiteral("Later"));
        settle();
        QVERIFY(visibleAlerts(shell.window).isEmpty());
        press(confirm->findChild<QPushButton*>(QStringLiteral("settings.restoreConfirm.restore")));
        QVERIFY(!shell.state.busyMessage()); // no backup left: restoring does nothing
        QCOMPARE(visibleAlerts(shell.window).size(), 1);
    }

    void activationRefreshes() {
        FreshHome home;
        Shell shell;
        QSignalSpy refreshed(&shell.state, &AppState::refreshed);
        Q_EMIT qGuiApp->applicationStateChanged(Qt::ApplicationInactive);
        settle();
        QCOMPARE(refreshed.count(), 0);
        Q_EMIT qGuiApp->applicationStateChanged(Qt::ApplicationActive);
        settle();
        QCOMPARE(refreshed.count(), 1);
    }

    void titleAndVersion() {
        FreshHome home;
        QCoreApplication::setApplicationVersion(QString());
        {
            Shell shell;
            QCOMPARE(shell.window.windowTitle(), QStringLiteral("Skaldrun"));
            QCOMPARE(shell.find<QLabel>(QStringLiteral("toolbar.title"))->text(), QStringLiteral("Skaldrun"));
            QCOMPARE(shell.find<QLabel>(QStringLiteral("toolbar.version"))->text(), QStringLiteral("v1.0"));
        }
        QCoreApplication::setApplicationVersion(QStringLiteral("2.4.1"));
        Shell shell;
        QCoreApplication::setApplicationVersion(QString());
        QCOMPARE(shell.find<QLabel>(QStringLiteral("toolbar.version"))->text(), QStringLiteral("v2.4.1"));
    }

    void mediumDates() {
        const QDateTime when(QDate(2024, 12, 5), QTime(15, 4, 33));
        const QString us = ShellKit::mediumDateTime(when, QLocale(QLocale::English, QLocale::UnitedStates));
        QVERIFY2(us.startsWith(QStringLiteral("Dec 5, 2024, 3:04")) && us.endsWith(QStringLiteral("PM")),
                 qPrintable(us));
        const QString de = ShellKit::mediumDateTime(when, QLocale(QLocale::German, QLocale::Germany));
        QVERIFY2(de.startsWith(QStringLiteral("5. Dez")) && de.endsWith(QStringLiteral("2024, 15:04")),
                 qPrintable(de));
        QVERIFY(!ShellKit::mediumDateTime(when, QLocale::c()).contains(QStringLiteral(":33")));
    }
};

SKALDRUN_GUI_TEST_MAIN(TestShell)
#include "tst_shell.moc"
