// ./dev screenshots: renders the window in its typical states (the README's pictures among them),
// the settings sheet, the mods pane, the catalog browser and the config editor to PNG files in the
// build folder (screenshots/<language>/), at the sizes they have in the 1000 × 660 window, to look at by eye.

#include "app/Language.h"
#include "tests/ui/UiFixture.h"
#include "ui/BrowseModel.h"
#include "ui/BrowseView.h"
#include "ui/ConfigEditorSheet.h"
#include "ui/ConfigEntryRow.h"
#include "ui/ModsPane.h"
#include "ui/SettingsSheet.h"

#include <QLineEdit>

class Screenshots : public QObject {
    Q_OBJECT

    static QString folder() {
        const QString language = qEnvironmentVariable("SKALDRUN_SCREENSHOT_LANGUAGE", QStringLiteral("en"));
        return QStringLiteral(SKALDRUN_SCREENSHOT_DIR "/") + language + QLatin1Char('/');
    }

    static void save(QWidget& widget, const char* name) {
        // Layout requests and scroll areas settle over a few turns of the event loop.
        QTest::qWait(150);
        const QString path = folder() + QLatin1String(name);
        QVERIFY2(widget.grab().save(path), qPrintable(path));
    }

private Q_SLOTS:
    void initTestCase() {
        QCoreApplication::setApplicationVersion(QStringLiteral(SKALDRUN_VERSION));
        // The views in another language (./dev screenshots renders German and the pseudo-language
        // too), each into a folder of its own, so cut-off and untranslated text shows side by side.
        const QByteArray language = qgetenv("SKALDRUN_SCREENSHOT_LANGUAGE");
        if (!language.isEmpty()) {
            qputenv("SKALDRUN_LANGUAGE", language);
            Language::install();
        }
        QVERIFY(QDir().mkpath(folder()));
    }

    void windowAndSheet() {
        Shell shell(false);
        shell.serve();
        MainWindow& window = shell.open();
        window.resize(1000, 660);
        settle();
        save(window, "shell-1-empty-home.png");

        shell.world.build();
        shell.refresh();
        save(window, "shell-2-game-without-bepinex.png");

        shell.completeSetup();
        shell.installMod(QStringLiteral("ShaderHelperForMac"), QStringLiteral("1.0.3"));
        shell.installMod(QStringLiteral("Epic_Runes"), QStringLiteral("3.0.1"));
        shell.installMod(QStringLiteral("QuickStack"), QStringLiteral("1.8.3"));
        shell.refresh();
        // All done folds the setup away once by itself; unfold it to show the finished steps.
        save(window, "shell-4-folded.png");
        shell.state->setSetupCollapsed(false);
        shell.state->setLastAction(
            QCoreApplication::translate("Installer", "Installed %1").arg(QStringLiteral("QuickStack")));
        settle();
        save(window, "shell-3-all-done.png");

        shell.state->backupSaves();
        settle();
        window.openSettings();
        settle();
        save(*window.settingsSheet(), "shell-5-settings.png");
        window.settingsSheet()->reject();

        window.modsPane()->setTab(ModsPane::Tab::browse);
        QTRY_VERIFY_WITH_TIMEOUT(window.modsPane()->browseView()->model()->rowCount() > 0, 10000);
        QTest::qWait(1500); // the icons of the rows on screen
        save(window, "shell-6-browse.png");
    }

    void installedTab() {
        ModsWorld w;
        qputenv("SKALDRUN_MACHINE", "arm64");
        w.installLoader();
        w.addFolderMod("Better_Carts", 1, 0, "0.9.4");
        w.addFolderMod("Epic_Runes", 3, 0, "3.0.1");
        w.addFolderMod("CozyHearth", 1, 0, "1.4.0");
        w.addConfig("hearthworks.CozyHearth.cfg", FakeRepository::sampleConfig("CozyHearth"));
        w.addFolderMod("MapPins", 0, 2, "5.0.0");
        w.addDataMod("Viking_Signs_Textures");
        w.addLooseDll("QuickStack");
        w.stashForCapture(2);
        ModsPane pane(&w.start());
        pane.resize(560, 620);
        pane.show();
        w.state->setBusyMessage(QCoreApplication::translate("Pipeline", "Installing %1 (%2 of %3)…")
                                    .arg(QStringLiteral("Epic Runes"))
                                    .arg(2)
                                    .arg(3));
        save(pane, "mods-installed-busy.png");
    }

    void browseTab() {
        CatalogWorld w;
        qputenv("SKALDRUN_MACHINE", "arm64");
        w.installLoader();
        w.addFolderMod("QuickStack", 1, 0, "1.8.3");
        w.addFolderMod("Epic_Runes", 1, 0, "2.9.9"); // behind the catalog
        qputenv("SKALDRUN_TAB", "browse");
        ModsPane pane(&w.start());
        qunsetenv("SKALDRUN_TAB");
        pane.resize(560, 620);
        pane.show();
        QTRY_VERIFY_WITH_TIMEOUT(pane.browseView()->model()->rowCount() > 0, 10000);
        QTest::qWait(1500); // the icons of the rows on screen
        save(pane, "mods-browse.png");
    }

    void configEditor() {
        ModsWorld w;
        qputenv("SKALDRUN_MACHINE", "arm64");
        w.installLoader();
        w.addFolderMod("CozyHearth", 1, 0, "1.4.0");
        QByteArray text = FakeRepository::sampleConfig("CozyHearth");
        text.replace("[General]\n\n",
                     "[General]\n\n## Logs every comfort change to the console.\n"
                     "# Setting type: Boolean\n# Default value: false\nVerbose Logging = false\n\n");
        w.addConfig("hearthworks.CozyHearth.cfg", text);
        w.addConfig(
            "hearthworks.CozyHearth.Server.cfg",
            "[Sync]\n\n## Lock the config on servers.\n# Setting type: Boolean\n# Default value: true\n"
            "Lock = true\n");
        AppState& state = w.start();
        QCOMPARE(state.snapshot().mods.first().configFiles.size(), 2);
        QWidget window;
        window.resize(1000, 660);
        ConfigEditorSheet sheet(&state, state.snapshot().mods.first(), &window);
        sheet.setWindowModality(Qt::NonModal);
        sheet.resize(690, 610);
        sheet.show();
        for (ConfigEntryRow* row : sheet.findChildren<ConfigEntryRow*>()) {
            if (row->entry().key != QLatin1String("Burn Time")) continue;
            auto* field = row->findChild<QLineEdit*>(row->objectName() + QStringLiteral(".field"));
            field->selectAll();
            QTest::keyClicks(field, QStringLiteral("2.5"));
        }
        save(sheet, "config-editor.png");
    }
};

SKALDRUN_GUI_TEST_MAIN(Screenshots)
#include "screenshots.moc"
