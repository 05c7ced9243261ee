#include "tests/ui/ShellFixture.h"

#include "ui/SettingsSheet.h"

#include <QDir>
#include <QPixmap>

// Renders the window in its typical states and the settings sheet to PNG files, for looking at
// the design (and for the README).
class ScreenshotsShell : public QObject {
    Q_OBJECT

    QString m_out = QStringLiteral(SKALDRUN_SCREENSHOT_DIR);

    void save(QWidget* widget, const QString& name) {
        const QPixmap picture = widget->grab();
        QVERIFY(!picture.isNull());
        const QString path = QDir(m_out).filePath(name);
        QVERIFY2(picture.save(path), qPrintable(path));
    }

private Q_SLOTS:
    void initTestCase() {
        Theme::apply(*qApp);
        QCoreApplication::setApplicationVersion(QStringLiteral(SKALDRUN_VERSION));
        FreshHome::pinPreferences();
        QVERIFY(QDir().mkpath(m_out));
    }

    void windowAndSheet() {
        FreshHome home;
        Shell shell;
        shell.window.resize(1000, 660);
        settle();
        QVERIFY(!shell.state.gameDir());
        save(&shell.window, QStringLiteral("shell-1-empty-home.png"));

        home.world().build();
        refresh(shell.state);
        QVERIFY(shell.state.stepGame());
        QVERIFY(!shell.state.bepFilesPresent());
        save(&shell.window, QStringLiteral("shell-2-game-without-bepinex.png"));

        home.completeSetup(shell.state);
        home.installMod(QStringLiteral("ShaderHelperForMac"), QStringLiteral("1.0.3"));
        home.installMod(QStringLiteral("Epic_Runes"), QStringLiteral("3.0.1"));
        home.installMod(QStringLiteral("QuickStack"), QStringLiteral("1.8.3"));
        refresh(shell.state);
        QCOMPARE(shell.state.doneCount(), 7);
        // All done folds the setup away once by itself; unfold it to show the finished steps.
        QVERIFY(shell.state.setupCollapsed());
        save(&shell.window, QStringLiteral("shell-4-folded.png"));
        shell.state.setSetupCollapsed(false);
        shell.state.setLastAction(QStringLiteral("Installed QuickStack"));
        settle();
        save(&shell.window, QStringLiteral("shell-3-all-done.png"));

        shell.state.backupSaves();
        settle();
        QVERIFY(shell.state.lastSaveBackupDate());
        shell.window.openSettings();
        settle();
        QVERIFY(shell.window.settingsSheet());
        save(shell.window.settingsSheet(), QStringLiteral("shell-5-settings.png"));
    }
};

SKALDRUN_GUI_TEST_MAIN(ScreenshotsShell)
#include "tst_screenshots_shell.moc"
