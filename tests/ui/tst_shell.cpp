#include "tests/ui/UiFixture.h"

#include "discovery/Quarantine.h"
#include "platform/Xattr.h"
#include "ui/CommandRow.h"
#include "ui/ModsPane.h"
#include "ui/SettingsSheet.h"
#include "ui/StepCard.h"
#include "ui/widgets/Text.h"

#include <QAbstractScrollArea>
#include <QDialog>
#include <QMessageBox>
#include <QStackedWidget>
#include <QToolButton>

namespace {

QString symbol(const QWidget* widget) {
    return widget->property("symbol").toString();
}

QString mark(const QWidget* card) {
    return symbol(card->findChild<QLabel*>("mark"));
}

// The alert, when exactly one is up.
QMessageBox* theAlert(const QWidget& window) {
    QList<QMessageBox*> shown;
    for (QMessageBox* box : window.findChildren<QMessageBox*>("alert"))
        if (box->isVisible()) shown.append(box);
    return shown.size() == 1 ? shown[0] : nullptr;
}

void press(QAbstractButton* button) {
    QVERIFY(button && button->isEnabled());
    button->click();
    settle();
}

// How far the made-up home has come.
enum Stage { emptyHome, game, scriptUnpatched, allDone, windowsBuild, oldPackScript, protonLog, oneFlagged };

// False when the stage can't be made here (a file system without user attributes).
bool reach(Shell& shell, Stage stage) {
    if (stage >= game) shell.world.build();
    if (stage == windowsBuild) {
        QFile::remove(shell.world.executable());
        World::write(shell.world.gameDir() + "/valheim.exe", "MZ");
    }
    if (stage == oldPackScript) {
        shell.installBepInEx();
        World::write(shell.game("start_game_bepinex.sh"),
                     "#!/bin/sh\nif [ \"$2\" = \"SteamLaunch\" ]; then\n  exec $1\nfi\n");
    }
    if (stage == scriptUnpatched) {
        shell.installBepInEx();
        shell.unpatchScript();
    }
    if (stage == allDone || stage == protonLog) shell.completeSetup();
    if (stage == protonLog)
        World::write(shell.game("BepInEx/LogOutput.log"), "System platform: Bits64, Windows\n");
    if (stage != oneFlagged) return true;
    shell.installBepInEx();
    return Xattr::set(shell.game("start_game_bepinex.sh"), Xattr::quarantineName(), "0083;6751f0a2;Safari;");
}

// What a view shows under a name: a step card's sentence ("card3") or badge ("badge2"), a
// widget's tool tip ("name.toolTip"), a command row's command, a button's label, a label's text.
QString shownText(const Shell& shell, const QString& name) {
    if (name.startsWith("card")) return shell.card(name.mid(4).toInt())->subtitle();
    if (name.startsWith("badge")) return shell.card(name.mid(5).toInt())->badge().value_or("none");
    const bool tip = name.endsWith(".toolTip");
    const QWidget* widget = shell.window->findChild<QWidget*>(tip ? name.chopped(8) : name);
    if (!widget) return "missing";
    if (tip) return widget->toolTip();
    if (auto* row = qobject_cast<const CommandRow*>(widget)) return row->command();
    if (auto* button = qobject_cast<const QAbstractButton*>(widget)) return button->text().replace("&&", "&");
    return qobject_cast<const QLabel*>(widget)->text();
}

using Texts = QMap<QString, QString>;

// The visible buttons of `top` whose text is cut: narrower than their own label needs (a profile
// button's elided name included, which must then be whole in its tool tip), or reaching past the
// edge of `top` outside a scrolled list.
QStringList cutButtons(QWidget* top, const QString& fullProfileName) {
    QStringList cut;
    for (QAbstractButton* b : top->findChildren<QAbstractButton*>()) {
        if (!b->isVisibleTo(top)) continue;
        auto* tool = qobject_cast<QToolButton*>(b);
        const int needed = tool ? tool->QToolButton::sizeHint().width() : b->sizeHint().width();
        bool scrolled = false;
        for (QWidget* w = b->parentWidget(); w && w != top; w = w->parentWidget())
            scrolled = scrolled || qobject_cast<QAbstractScrollArea*>(w);
        const QRect inTop(b->mapTo(top, QPoint(0, 0)), b->size());
        const bool elided = b->objectName() == "modsPane.profiles" && b->text().contains(QChar(0x2026)) &&
                            b->toolTip() != fullProfileName;
        if (b->width() < needed || (!scrolled && !top->rect().contains(inTop)) || elided)
            cut << b->objectName() + ": " + b->text();
    }
    return cut;
}

const QString longProfile = QStringLiteral("Mistlands Crew of the Ninth World Tree Expedition");

} // namespace

class TestShell : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Every sentence the window picks by machine and by how far the setup has come, once (fixed
    // texts are left to the eye). An expected text ending in "*" goes on with a date.
    void sentences_data() {
        QTest::addColumn<QByteArray>("machine");
        QTest::addColumn<int>("stage");
        QTest::addColumn<Texts>("texts");
        const QString quarantine =
            QStringLiteral("After BepInEx is installed, this strips macOS's quarantine "
                           "flag so Gatekeeper doesn't block the injector.");
        const auto row = [](const char* name, const char* machine, Stage stage, const Texts& texts) {
            QTest::newRow(name) << QByteArray(machine) << int(stage) << texts;
        };
        row("intel, empty home", "x86_64", emptyHome,
            {{"card1", "Install Valheim through Steam first, then auto-detect — or point me at its folder."},
             {"badge2", "Not needed"},
             {"card2", "This Mac is Intel, so no translation is needed."},
             {"card4", "Intel Macs already run the Intel build natively."},
             {"badge4", "Not needed"},
             {"card5", quarantine},
             {"card6", "The one manual step: Steam has to start the game through BepInEx's script."},
             {"card7", "Start the game once. When BepInEx loads, it writes BepInEx/LogOutput.log — "
                       "that file is the proof."},
             {"steps.progressText", "2 of 7 complete"},
             {"step6.command", "\"…/steamapps/common/Valheim/start_game_bepinex.sh\" %command%"}});
        row("intel, game found", "x86_64", game,
            {{"card1", "Found Valheim.app at ~/Games/SteamLibrary/steamapps/common/Valheim"},
             {"card3", "Downloads denikson's BepInExPack for Valheim from Thunderstore and unpacks it "
                       "next to Valheim.app."},
             {"step3.install", "Download & Install"}});
        row("intel, script copied by hand", "x86_64", scriptUnpatched,
            {{"card3", "BepInEx files are there, but start_game_bepinex.sh still needs its Mac fixes "
                       "(executable bit + game name)."},
             {"step3.install", "Reinstall / Update"}});
        row("intel, all done", "x86_64", allDone,
            {{"card3", "BepInEx 5.4.2202 is in the game folder and start_game_bepinex.sh is ready."},
             {"card5", "No quarantine flags on the modding files — Gatekeeper won't interfere."},
             {"card6", "Found in your Steam settings — Valheim starts through BepInEx."},
             {"card7", "Modded launch confirmed — BepInEx last wrote its log *"},
             {"steps.progressText", "All set — mods load on next launch"},
             {"setupBubble.toolTip", "Setup complete — click to review the steps"}});
        row("apple silicon, game found", "arm64", game,
            {{"badge2", "none"},
             {"card2", "BepInEx's injector is Intel-only, so Apple Silicon needs Apple's Rosetta 2 "
                       "translation layer."},
             {"card4", "Install BepInEx first — this changes how its launch script starts the game."},
             {"step4.command",
              "exec arch -x86_64 /bin/sh -c '…' \"$executable_path\"   # added to start_game_bepinex.sh"},
             {"setupBubble.toolTip", "Setup incomplete — click to open"}});
        row("apple silicon, all done", "arm64", allDone,
            {{"card4",
              "The launch script starts the game's Intel (x86_64) build, so BepInEx loads under Rosetta."}});
        row("apple silicon, script copied by hand", "arm64", scriptUnpatched,
            {{"card4",
              "Valheim's Mac app is Universal and would run natively, where BepInEx can't load — the "
              "fix makes the launch script start its Intel build."}});
        row("intel, a file flagged", "x86_64", oneFlagged,
            {{"card5", "1 file is quarantined from being downloaded. This runs the Terminal command below "
                       "for you."}});
        const QString native = "Linux runs the game natively.";
        row("linux, game found", "linux", game,
            {{"card1", "Found valheim.x86_64 at ~/Games/SteamLibrary/steamapps/common/Valheim"},
             {"badge2", "Not needed"},
             {"card2", native},
             {"badge4", "Not needed"},
             {"card4", native},
             {"badge5", "Not needed"},
             {"card5", "Linux doesn't quarantine downloads."},
             {"card3",
              "Downloads denikson's BepInExPack for Valheim from Thunderstore and unpacks it into the "
              "game folder."},
             {"step6.command", "./start_game_bepinex.sh %command%"},
             {"steps.progressText", "4 of 7 complete"}});
        row("linux, Windows build", "linux", windowsBuild,
            {{"card1", "Found the Windows build (valheim.exe) at ~/Games/SteamLibrary/steamapps/common/"
                       "Valheim, which Steam runs through Proton. For BepInEx to load in it, its launch "
                       "options need: WINEDLLOVERRIDES=\"winhttp=n,b\" %command%"}});
        row("linux, script copied by hand", "linux", scriptUnpatched,
            {{"card3", "BepInEx files are there, but start_game_bepinex.sh isn't executable yet."}});
        row("linux, old pack script", "linux", oldPackScript,
            {{"card3", "start_game_bepinex.sh is from a pack older than 5.4.2331 and can't start BepInEx "
                       "through Steam any more — update the pack."},
             {"step3.install", "Reinstall / Update"}});
        row("linux, log from the Windows build", "linux", protonLog,
            {{"card7", "BepInEx's last log comes from the Windows build under Proton, not the native game."},
             {"steps.progressText", "6 of 7 complete"}});
    }
    void sentences() {
        QFETCH(QByteArray, machine);
        QFETCH(int, stage);
        QFETCH(Texts, texts);
        Shell shell(false);
        if (machine == "linux") shell.world.on(Platform::linuxOS);
        qputenv("SKALDRUN_MACHINE", machine == "linux" ? "x86_64" : machine);
        shell.open();
        if (!reach(shell, Stage(stage))) QSKIP("This file system keeps no user extended attributes");
        shell.refresh();
        for (auto it = texts.cbegin(); it != texts.cend(); ++it) {
            const QString shown = shownText(shell, it.key());
            const bool prefix = it.value().endsWith('*');
            if (prefix ? !shown.startsWith(it.value().chopped(1)) : shown != it.value())
                QFAIL(qPrintable(it.key() + ": " + shown));
        }
        if (stage == game && machine != "linux")
            QCOMPARE(shownText(shell, "step5.command"), Quarantine::terminalCommand(shell.world.gameDir()));
        QCOMPARE(!shell.button("step6.setLaunchOptions")->isHidden(), machine == "linux");
    }

    void withoutGameFolderThenWithIt() {
        Shell shell(false);
        shell.open();
        for (const char* name : {"toolbar.settings", "toolbar.refresh", "step1.autoDetect", "step7.recheck"})
            QVERIFY2(shell.button(name)->isEnabled(), name);
        for (const char* name : {"toolbar.gameFolder", "toolbar.playVanilla", "toolbar.launch",
                                 "step3.install", "step3.installFromZip", "step7.launch"})
            QVERIFY2(!shell.button(name)->isEnabled(), name);
        // Steps 2 and 4 need nothing on an Intel Mac.
        QCOMPARE(mark(shell.card(2)) + " " + mark(shell.card(3)), "checkmark.circle.fill 3.circle");

        // The game appears: leaving the app doesn't look again, coming back does.
        shell.world.build();
        Q_EMIT qGuiApp->applicationStateChanged(Qt::ApplicationInactive);
        settle();
        QVERIFY(!shell.button("toolbar.gameFolder")->isEnabled());
        QVERIFY(shell.act([] { Q_EMIT qGuiApp->applicationStateChanged(Qt::ApplicationActive); }));
        settle();
        press(shell.button("toolbar.gameFolder"));
        QCOMPARE(shell.workspace.openedFolders, QStringList{shell.world.gameDir()});
    }

    void busyHoldsTheLongActionsBack() {
        Shell shell;
        qputenv("SKALDRUN_MACHINE", "arm64");
        shell.installBepInEx();
        shell.unpatchScript();
        shell.open();
        QVERIFY(!shell.shown("shaderFixBanner")); // recommended only once there are mods
        shell.installMod("Epic_Runes", "3.0.1");
        shell.refresh();
        // While an action runs, the long-running controls wait; step 6 and "Re-check" don't.
        shell.state->setBusyMessage("Installing…");
        shell.window->openSettings();
        settle();
        for (const char* name :
             {"step1.autoDetect", "step2.installRosetta", "step3.fixScript", "step3.install",
              "step4.applyFix", "step7.launch", "settings.moveModsAside", "settings.backupSaves",
              "settings.restoreSaves", "shaderFixBanner.installFix"})
            QVERIFY2(!shell.button(name)->isEnabled(), name);
        for (const char* name : {"step6.copyLaunchOptions", "step7.recheck", "step6.console"})
            QVERIFY2(shell.button(name)->isEnabled(), name);
        QVERIFY(shell.shown("settings.busy"));
        QCOMPARE(shell.text("settings.footerText"), "Installing…");
        shell.state->setBusyMessage(std::nullopt);
        shell.window->settingsSheet()->reject();
        settle();

        // The fix makes the script ready (the journey's); a done card puts its controls away.
        press(shell.button("step4.applyFix"));
        QVERIFY(shell.card(4)->done() && !shell.card(4)->controls()->isVisible());
        QVERIFY(shell.card(2)->controls()->isVisible()); // Rosetta is still missing
    }

    // A second press during the copy's feedback copies again but doesn't make the feedback last
    // longer; the console option; marked by hand, not found in Steam: done, the sentence still asks.
    void launchOptionsByHand() {
        Shell shell;
        shell.open();
        auto* row = shell.find<CommandRow>("step6.command");
        auto* button = row->findChild<QAbstractButton*>("copyButton");
        button->click();
        QCOMPARE(symbol(button), "checkmark");
        QTest::qWait(CommandRow::feedbackMs / 2);
        button->click();
        QTest::qWait(CommandRow::feedbackMs / 2 + 200); // the second press's would last 550 ms more
        QVERIFY(!row->copied());
        QCOMPARE(symbol(button), "doc.on.doc");
        QCOMPARE(shell.clipboard.texts, QStringList(2, shell.state->launchOptionsString()));

        QAbstractButton* copy = shell.button("step6.copyLaunchOptions");
        QCOMPARE(Theme::buttonStyle(copy), Theme::ButtonStyle::prominent);
        press(shell.button("step6.console"));
        QVERIFY(row->command().endsWith(" -console"));
        press(shell.button("step6.manual"));
        QVERIFY(shell.card(6)->done());
        QCOMPARE(shell.card(6)->subtitle(),
                 "The one manual step: Steam has to start the game through BepInEx's script.");
        QVERIFY(shell.shown("step6.changedNote") && !shell.shown("step6.manual"));
        QCOMPARE(Theme::buttonStyle(copy), Theme::ButtonStyle::bordered);
    }

    void commandFitsTwoLines_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("shown");
        const auto row = [](const char* name, const char* command, const char* shown) {
            QTest::newRow(name) << QString::fromUtf8(command) << QString::fromUtf8(shown);
        };
        row("one line", "shaderhelper capturevanilla", "shaderhelper capturevanilla");
        row("broken at the edge", "softwareupdate --install-rosetta --agree-to-license",
            "softwareupdate --install-roset\nta --agree-to-license");
        row("broken after a blank", "shaderhelper capturevanilla --now",
            "shaderhelper capturevanilla \n--now");
        row("cut in the middle",
            "xattr -r -d com.apple.quarantine \"/Users/ragnhild/Library/Application Support/Steam/steamapps/"
            "common/Valheim\"",
            "xattr -r -d com.apple.quaran…a\nm/steamapps/common/Valheim\"");
    }
    void commandFitsTwoLines() {
        QFETCH(QString, command);
        QFETCH(QString, shown);
        const QFontMetrics fm(Theme::monospaced(11));
        const int width = fm.horizontalAdvance(QString(30, QLatin1Char('x'))); // thirty characters
        const QString fitted = CommandRow::fitted(command, fm, width);
        for (const QString& line : fitted.split('\n'))
            QVERIFY2(fm.horizontalAdvance(line) <= width, qPrintable(line));
        QCOMPARE(fitted, shown);
    }

    void settingsSheetAndAlerts() {
        Shell shell(false);
        shell.open().openSettings();
        settle();
        SettingsSheet* sheet = shell.window->settingsSheet();
        QVERIFY(sheet && sheet->isVisible());
        // While the sheet is open it shows the alert itself, and only one alert is up.
        shell.state->setAlertMessage("First");
        settle();
        QMessageBox* alert = theAlert(*shell.window);
        QVERIFY(alert && alert->parentWidget() == sheet);
        QCOMPARE(alert->windowTitle() + ": " + alert->text(), "Skaldrun: First");
        press(alert->buttons().value(0));
        QVERIFY(!shell.state->alertMessage() && !theAlert(*shell.window) && sheet->isVisible());
        QTest::keyClick(sheet, Qt::Key_Escape);
        settle();
        QVERIFY(!shell.window->settingsSheet());
    }

    void settingsProcedure() {
        Shell shell;
        shell.installBepInEx();
        shell.open();
        shell.window->openSettings();
        settle();
        QVERIFY(shell.shown("settings.installHint") && !shell.shown("settings.procedure"));
        shell.installMod("ShaderHelperForMac", "1.0.3");
        shell.installMod("Epic_Runes", "3.0.1");
        shell.refresh();
        QVERIFY(!shell.shown("settings.installHint") && shell.shown("settings.procedure") &&
                !shell.button("settings.restoreSaves")->isEnabled());
        // Aside (the sentence for a single item, the capture command to paste) and back.
        press(shell.button("settings.moveModsAside"));
        QCOMPARE(shell.text("settings.stashLine"), "1 item stashed in BepInEx/plugins-stash-capture");
        QCOMPARE(mark(shell.find("settings.step1")), "checkmark.circle.fill");
        QCOMPARE(shell.clipboard.texts.value(0), "shaderhelper capturevanilla");
        press(shell.button("settings.moveModsBack"));
        QVERIFY(shell.state->snapshot().captureStashCount == 0 && shell.state->snapshot().mods.size() == 2);

        press(shell.button("settings.backupSaves"));
        QVERIFY(shell.text("settings.lastBackup")
                    .startsWith("Last backup: " +
                                Text::mediumDateTime(*shell.state->snapshot().lastSaveBackupDate)));
        press(shell.button("settings.restoreSaves"));
        QMessageBox* confirm = shell.window->settingsSheet()->restoreConfirmation();
        QVERIFY(confirm && confirm->isVisible());
        QCOMPARE(confirm->text(), "Restore saves from backup?");
        // The backups vanish while it is open: the question no longer names a date.
        QVERIFY(QDir(Installer::saveBackupsRoot()).removeRecursively());
        shell.refresh();
        QCOMPARE(confirm->informativeText(), "This replaces your current worlds and characters with "
                                             "the backup. Anything saved since then will be overwritten.");
        // An alert arriving meanwhile waits for the confirmation to close.
        shell.state->setAlertMessage("Later");
        settle();
        QVERIFY(!theAlert(*shell.window));
        press(confirm->findChild<QAbstractButton*>("settings.restoreConfirm.restore"));
        QVERIFY(!shell.state->busyMessage() &&
                theAlert(*shell.window)); // no backup left: restoring does nothing
    }

    // The window at its smallest and at its first size on a 1400×900 screen, with a long profile
    // name, the loader's version, the mod count and an update: no button is cut, in either tab.
    void nothingIsCut_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("folded");
        QTest::addColumn<bool>("browse");
        const QSize first = MainWindow::defaultSize(QRect(0, 0, 1400, 860));
        QTest::newRow("smallest") << MainWindow::minimumWindow << false << false;
        QTest::newRow("smallest, setup folded") << MainWindow::minimumWindow << true << false;
        QTest::newRow("smallest, browse") << MainWindow::minimumWindow << false << true;
        QTest::newRow("first size") << first << false << false;
        QTest::newRow("first size, browse") << first << false << true;
    }
    void nothingIsCut() {
        QFETCH(QSize, size);
        QFETCH(bool, folded);
        QFETCH(bool, browse);
        Shell shell;
        shell.serve();
        shell.installBepInEx();
        shell.addFolderMod("Epic_Runes", 1, 0, "2.9.9"); // the catalog has 3.0.1
        shell.addFolderMod("MapPins", 2, 1);
        shell.open();
        QVERIFY(shell.loadCatalog());
        QVERIFY(shell.act([&] { shell.state->newProfile(longProfile, true); }));
        QVERIFY(shell.act([&] { shell.state->switchProfile(longProfile); }));
        shell.state->setSetupCollapsed(folded);
        shell.window->modsPane()->setTab(browse ? ModsPane::Tab::browse : ModsPane::Tab::installed);
        shell.window->resize(size);
        shell.refresh();
        QCOMPARE(shell.window->size(), size);
        QVERIFY(browse || shell.shown("modsPane.updates"));
        const QStringList cut = cutButtons(shell.window.get(), longProfile);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(", ")));
        if (size != MainWindow::minimumWindow) {
            // The first size stays on the screen and holds the setup pane beside the whole header.
            QVERIFY(QRect(0, 0, 1400, 860).contains(QRect(QPoint(), size)));
            QVERIFY(!shell.shown("modsPane.more") && (browse || shell.shown("modsPane.bepVersion")));
        }
        if (size != MainWindow::minimumWindow || folded || browse) return;
        // Short of room, Import… went into "More", whose entry still opens the sheet.
        QVERIFY(!shell.shown("modsPane.import"));
        press(shell.button("modsPane.more"));
        shell.window->findChild<QAction*>("modsPane.import.menu")->trigger();
        settle();
        QVERIFY(shell.window->findChild<QDialog*>("importSheet")->isVisible());
    }

    // Each sheet at the smallest size it allows, its title shown in it (a macOS sheet has no title bar).
    void sheetsFit_data() {
        QTest::addColumn<QString>("name");
        for (const char* name :
             {"importSheet", "exportSheet", "profileSheet", "settingsSheet", "configEditor"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void sheetsFit() {
        QFETCH(QString, name);
        Shell shell;
        shell.installBepInEx();
        shell.addFolderMod("MapPins", 1);
        shell.open();
        if (name == "settingsSheet") shell.window->openSettings();
        if (name == "importSheet" || name == "exportSheet")
            press(shell.button(name == "importSheet" ? "modsPane.import" : "modsPane.export"));
        if (name == "configEditor") {
            ModItem mod;
            mod.id = mod.name = "CozyHearth";
            mod.configFiles = {shell.addConfig("c.cfg", "[A]\nb = 1\n")};
            shell.window->modsPane()->openConfig(mod);
        }
        if (name == "profileSheet") {
            press(shell.button("modsPane.profiles"));
            shell.window->findChild<QAction*>("profiles.new")->trigger();
        }
        settle();
        auto* sheet = shell.window->findChild<QDialog*>(name);
        QVERIFY(sheet && sheet->isVisible());
        sheet->resize(sheet->minimumSize().expandedTo(sheet->minimumSizeHint()));
        settle();
        const QStringList cut = cutButtons(sheet, QString());
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(", ")));
        QStringList shown;
        for (QLabel* label : sheet->findChildren<QLabel*>())
            if (label->isVisibleTo(sheet)) shown << label->text();
        QVERIFY2(shown.contains(sheet->windowTitle()), qPrintable(shown.join(" | ")));
    }

    // Until the first probe answers, the panes say they are reading, whatever the last run left:
    // here the setup folded, the loader and a mod in place.
    void firstFrameClaimsNothing() {
        Shell shell;
        shell.start().setSetupCollapsed(true);
        shell.completeSetup();
        shell.addFolderMod("MapPins", 1);
        shell.make(); // the next run
        shell.window = std::make_unique<MainWindow>(shell.state.get());
        shell.window->show();
        const auto drawn = [&] {
            return QStringList{
                shell.text("steps.progressText"),
                shell.find("modsPane.installed")->findChild<QStackedWidget*>()->currentWidget()->objectName(),
                shell.find("setupBubble")->toolTip()};
        };
        QCOMPARE(drawn(), (QStringList{"Reading your game folder…", "modsPane.placeholder.reading",
                                       "Reading your game folder…"}));
        settle();
        QCOMPARE(drawn(), (QStringList{"All set — mods load on next launch", "modsPane.modList",
                                       "Setup complete — click to review the steps"}));
    }

    void mediumDates_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("shown");
        QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates) << "Dec 5, 2024, 3:04 PM";
        QTest::newRow("de_DE") << QLocale(QLocale::German, QLocale::Germany) << "5. Dez. 2024, 15:04";
        QTest::newRow("C, no seconds") << QLocale::c() << "5 Dec 2024, 15:04";
    }
    void mediumDates() {
        QFETCH(QLocale, locale);
        QFETCH(QString, shown);
        // Some Qt versions put a narrow no-break space before "PM".
        QCOMPARE(Text::mediumDateTime(QDateTime(QDate(2024, 12, 5), QTime(15, 4, 33)), locale)
                     .replace(QChar(0x202F), ' '),
                 shown);
    }
};

SKALDRUN_GUI_TEST_MAIN(TestShell)
#include "tst_shell.moc"
