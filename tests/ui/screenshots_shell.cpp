#include "tests/ui/ShellFixture.h"

#include "ui/SettingsSheet.h"

// Renders the window in its typical states and the settings sheet to PNG files, for looking at
// the design (and for the README).
class ScreenshotsShell : public QObject {
    Q_OBJECT

    static void save(QWidget* widget, const char* name) {
        const QString path = QStringLiteral(SKALDRUN_SCREENSHOT_DIR "/") + QLatin1String(name);
        QVERIFY2(widget->grab().save(path), qPrintable(path));
    }

private Q_SLOTS:
    void windowAndSheet() {
        Theme::apply(*qApp);
        QCoreApplication::setApplicationVersion(QStringLiteral(SKALDRUN_VERSION));
        FreshHome::pinPreferences();
        QVERIFY(QDir().mkpath(QStringLiteral(SKALDRUN_SCREENSHOT_DIR)));
        FreshHome home;
        Shell shell;
        shell.window.resize(1000, 660);
        settle();
        save(&shell.window, "shell-1-empty-home.png");

        home.world().build();
        refresh(shell.state);
        save(&shell.window, "shell-2-game-without-bepinex.png");

        home.completeSetup(shell.state);
        home.installMod(QStringLiteral("ShaderHelperForMac"), QStringLiteral("1.0.3"));
        home.installMod(QStringLiteral("Epic_Runes"), QStringLiteral("3.0.1"));
        home.installMod(QStringLiteral("QuickStack"), QStringLiteral("1.8.3"));
        refresh(shell.state);
        QCOMPARE(shell.state.doneCount(), 7);
        // All done folds the setup away once by itself; unfold it to show the finished steps.
        QVERIFY(shell.state.setupCollapsed());
        save(&shell.window, "shell-4-folded.png");
        shell.state.setSetupCollapsed(false);
        shell.state.setLastAction(QStringLiteral("Installed QuickStack"));
        settle();
        save(&shell.window, "shell-3-all-done.png");

        shell.state.backupSaves();
        settle();
        shell.window.openSettings();
        settle();
        save(shell.window.settingsSheet(), "shell-5-settings.png");
    }
};

SKALDRUN_GUI_TEST_MAIN(ScreenshotsShell)
#include "screenshots_shell.moc"
