// Renders the mods pane, the catalog browser and the config editor to PNG files in the build
// folder (screenshots/), at the sizes they have in the 1000 × 660 window, to look at by eye.

#include "catalog/IconCache.h"
#include "catalog/ThunderstoreStore.h"
#include "tests/support/FakeRepository.h"
#include "tests/support/LoopbackServer.h"
#include "tests/ui/ModsFixture.h"
#include "ui/BrowseModel.h"
#include "ui/BrowseView.h"
#include "ui/ConfigEditorSheet.h"
#include "ui/ConfigEntryRow.h"
#include "ui/ModsPane.h"

#include <QLineEdit>
#include <QListView>
#include <QProcess>
#include <QStandardPaths>

class TstScreenshotsMods : public QObject {
    Q_OBJECT

    QString shotPath(const QString& name) {
        const QString dir = QStringLiteral(SKALDRUN_SCREENSHOT_DIR);
        QDir().mkpath(dir);
        return dir + QLatin1Char('/') + name;
    }
    void save(QWidget& widget, const QString& name) {
        // Layout requests and scroll areas settle over a few turns of the event loop.
        QTest::qWait(150);
        const QString path = shotPath(name);
        QVERIFY2(widget.grab().save(path), qPrintable(path));
    }

private Q_SLOTS:
    void installedTab() {
        ModsWorld w;
        w.installLoader();
        w.addFolderMod(QStringLiteral("Better_Carts"), 1, 0, QStringLiteral("0.9.4"));
        w.addFolderMod(QStringLiteral("Epic_Runes"), 3, 0, QStringLiteral("3.0.1"));
        w.addFolderMod(QStringLiteral("CozyHearth"), 1, 0, QStringLiteral("1.4.0"));
        w.addConfig(QStringLiteral("hearthworks.CozyHearth.cfg"),
                    FakeRepository::sampleConfig(QStringLiteral("CozyHearth")));
        w.addFolderMod(QStringLiteral("MapPins"), 0, 2, QStringLiteral("5.0.0"));
        w.addDataMod(QStringLiteral("Viking_Signs_Textures"));
        w.addLooseDll(QStringLiteral("QuickStack"));
        w.stashForCapture(2);
        AppState& state = w.start();
        QCOMPARE(state.mods().size(), 6);
        ModsPane pane(&state);
        pane.resize(560, 620);
        pane.show();
        save(pane, QStringLiteral("mods-installed.png"));

        state.setBusyMessage(QStringLiteral("Installing Epic Runes (2 of 3)…"));
        save(pane, QStringLiteral("mods-installed-busy.png"));
        state.setBusyMessage(std::nullopt);

        ModsWorld empty;
        AppState& bare = empty.start();
        ModsPane nothing(&bare);
        nothing.resize(560, 620);
        nothing.show();
        save(nothing, QStringLiteral("mods-no-loader.png"));
    }

    void browseTab() {
        const QString tool = QStringLiteral("/work/shared/tools/make-catalog");
        if (QStandardPaths::findExecutable(QStringLiteral("python3")).isEmpty() || !QFile::exists(tool))
            QSKIP("python3 or make-catalog is missing");
        QTemporaryDir temp;
        const QString document = temp.filePath(QStringLiteral("catalog.json"));
        QProcess make;
        make.start(tool, {QStringLiteral("--packages"), QStringLiteral("300"), document});
        QVERIFY(make.waitForFinished(60000));
        QCOMPARE(make.exitCode(), 0);

        // Icons come from a loopback stand-in, never from the made-up web address.
        LoopbackServer server;
        server.fallback([](const QString& path) {
            const unsigned color = qHash(path) & 0xFFFFFF;
            return LoopbackServer::reply(FakeRepository::png(64, color | 0x303030), 200, "image/png");
        });
        QByteArray bytes = World::read(document);
        bytes.replace("https://thunderstore.example", server.baseUrl().toUtf8());

        ModsWorld w;
        w.installLoader();
        World::write(ThunderstoreStore::cacheFile(), bytes);
        const QList<TSPackage> packages = ThunderstoreStore::parse(bytes);
        QVERIFY(packages.size() > 10);
        // The most popular two are installed, one of them behind the catalog.
        QList<TSPackage> popular = packages;
        std::stable_sort(popular.begin(), popular.end(), [](const TSPackage& a, const TSPackage& b) {
            return a.totalDownloads > b.totalDownloads;
        });
        w.addFolderMod(popular[0].name, 1, 0, QStringLiteral("0.0.1"));
        w.addFolderMod(popular[1].name, 1, 0, popular[1].version);
        AppState& state = w.start();
        qputenv("SKALDRUN_TAB", "browse");
        ModsPane pane(&state);
        qunsetenv("SKALDRUN_TAB");
        pane.resize(560, 620);
        pane.show();
        QTRY_VERIFY_WITH_TIMEOUT(pane.browseView()->model()->rowCount() > 0, 10000);
        // Wait for the icons of the rows on screen.
        QTest::qWait(1500);
        save(pane, QStringLiteral("mods-browse.png"));

        pane.browseView()
            ->findChild<QLineEdit*>(QStringLiteral("browse.search"))
            ->setText(QStringLiteral("boss"));
        QTest::qWait(800);
        save(pane, QStringLiteral("mods-browse-search.png"));
    }

    void browseStates() {
        ModsWorld w;
        w.installLoader();
        AppState& state = w.start();
        BrowseView view(&state, state.thunder());
        view.resize(560, 560);
        // No catalog, nothing loading: the failure panel.
        save(view, QStringLiteral("browse-failure.png"));
    }

    void configEditor() {
        ModsWorld w;
        w.installLoader();
        w.addFolderMod(QStringLiteral("CozyHearth"), 1, 0, QStringLiteral("1.4.0"));
        QByteArray text = FakeRepository::sampleConfig(QStringLiteral("CozyHearth"));
        text.replace("[General]\n\n",
                     "[General]\n\n## Logs every comfort change to the console.\n# Setting type: "
                     "Boolean\n# Default value: false\nVerbose Logging = false\n\n");
        w.addConfig(QStringLiteral("hearthworks.CozyHearth.cfg"), text);
        w.addConfig(QStringLiteral("hearthworks.CozyHearth.Server.cfg"),
                    "[Sync]\n\n## Lock the config on servers.\n"
                    "# Setting type: Boolean\n"
                    "# Default value: true\nLock = true\n");
        AppState& state = w.start();
        QCOMPARE(state.mods().size(), 1);
        QCOMPARE(state.mods().first().configFiles.size(), 2);
        QWidget window;
        window.resize(1000, 660);
        ConfigEditorSheet sheet(&state, state.mods().first(), &window);
        sheet.setWindowModality(Qt::NonModal);
        sheet.resize(690, 610);
        sheet.show();
        QCoreApplication::processEvents();
        for (ConfigEntryRow* row : sheet.findChildren<ConfigEntryRow*>()) {
            if (row->entry().key == QLatin1String("Burn Time")) {
                auto* field = row->findChild<QLineEdit*>(row->objectName() + QStringLiteral(".field"));
                QVERIFY(field);
                field->selectAll();
                QTest::keyClicks(field, QStringLiteral("2.5"));
            }
        }
        save(sheet, QStringLiteral("config-editor.png"));
    }
};

SKALDRUN_GUI_TEST_MAIN(TstScreenshotsMods, "arm64")
#include "tst_screenshots_mods.moc"
