// The mods pane over a real model on a made-up game folder: header, banners, placeholders, the
// mod rows and their actions, drops, and the config editor it opens.

#include "platform/Fs.h"
#include "tests/ui/ModsFixture.h"
#include "ui/BuildSettings.h"
#include "ui/ConfigEditorSheet.h"
#include "ui/Controls.h"
#include "ui/DropZone.h"
#include "ui/ModRow.h"
#include "ui/ModsPane.h"

#include <QDragEnterEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QVariantAnimation>

namespace {

template <typename T> T* child(const QWidget& parent, const QString& name) {
    T* found = parent.findChild<T*>(name);
    if (!found) qWarning("no %s", qPrintable(name));
    return found;
}

QString rowName(const QString& modPath) {
    return QStringLiteral("modRow.") + modPath;
}

// Lets the pane's deferred redraw run.
void settle() {
    QTest::qWait(20);
}

bool shown(const QWidget* widget, const QWidget& within) {
    return widget && widget->isVisibleTo(&within);
}

} // namespace

class TstModsPane : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void tabFollowsTheEnvironmentExactly() {
        ModsWorld w;
        AppState& state = w.start();
        qputenv("SKALDRUN_TAB", "browse");
        QCOMPARE(ModsPane(&state).tab(), ModsPane::Tab::browse);
        qputenv("SKALDRUN_TAB", "Browse");
        QCOMPARE(ModsPane(&state).tab(), ModsPane::Tab::installed);
        qunsetenv("SKALDRUN_TAB");
        ModsPane pane(&state);
        QCOMPARE(pane.tab(), ModsPane::Tab::installed);
        child<QPushButton>(pane, QStringLiteral("modsPane.tab.browse"))->click();
        QCOMPARE(pane.tab(), ModsPane::Tab::browse);
    }

    void placeholdersAndHeaderWithoutTheLoader() {
        ModsWorld w;
        AppState& state = w.start();
        ModsPane pane(&state);
        pane.show();
        settle();
        QCOMPARE(child<QWidget>(pane, QStringLiteral("modsPane.placeholder.noLoader"))->isVisible(), true);
        QVERIFY(!shown(child<QLabel>(pane, QStringLiteral("modsPane.bepVersion")), pane));
        QVERIFY(!shown(child<QLabel>(pane, QStringLiteral("modsPane.count")), pane));
        QVERIFY(!shown(child<QWidget>(pane, QStringLiteral("shaderFixBanner")), pane));

        w.installLoader();
        QVERIFY(w.refresh());
        settle();
        QVERIFY(child<QWidget>(pane, QStringLiteral("modsPane.placeholder.noMods"))->isVisible());
        QVERIFY(child<QLabel>(pane, QStringLiteral("modsPane.bepVersion"))
                    ->text()
                    .startsWith("BepInEx 5.4.2202"));
        QVERIFY(child<QToolButton>(pane, QStringLiteral("modsPane.openPlugins"))->isEnabled());
    }

    void headerCountsOnlyModsWithDlls() {
        ModsWorld w;
        w.installLoader();
        const QString data = w.addDataMod(QStringLiteral("Viking_Signs"));
        AppState& state = w.start();
        ModsPane pane(&state);
        pane.show();
        settle();
        // A data-only mod alone: nothing to count.
        QVERIFY(!shown(child<QLabel>(pane, QStringLiteral("modsPane.count")), pane));

        w.addFolderMod(QStringLiteral("Better_Carts"), 1);
        w.addFolderMod(QStringLiteral("MapPins"), 0, 1);
        QVERIFY(w.refresh());
        settle();
        auto* count = child<QLabel>(pane, QStringLiteral("modsPane.count"));
        QVERIFY(shown(count, pane));
        QCOMPARE(count->text(), QStringLiteral("1 of 2 enabled"));
        QVERIFY(shown(child<QLabel>(pane, rowName(data) + ".data"), pane));
        QVERIFY(!shown(child<QWidget>(pane, rowName(data) + ".switch"), pane));
        QCOMPARE(child<QLabel>(pane, rowName(data) + ".detail")->text(),
                 QStringLiteral("Data files (no plugin DLL)"));
    }

    void detailLinesCountPluginsAndSayDisabled() {
        ModsWorld w;
        w.installLoader();
        const QString one = w.addFolderMod(QStringLiteral("One"), 1, 0, QStringLiteral("1.2.3"));
        const QString three = w.addFolderMod(QStringLiteral("Three"), 3);
        const QString off = w.addFolderMod(QStringLiteral("Off"), 0, 3);
        const QString loose = w.addLooseDll(QStringLiteral("Loose"));
        const QString looseOff = w.addLooseDll(QStringLiteral("Sleepy"), false);
        AppState& state = w.start();
        ModsPane pane(&state);
        const auto detail = [&](const QString& path) {
            return child<QLabel>(pane, rowName(path) + ".detail")->text();
        };
        QCOMPARE(detail(one), QStringLiteral("1 plugin"));
        QCOMPARE(detail(three), QStringLiteral("3 plugins"));
        QCOMPARE(detail(off), QStringLiteral("3 plugins · disabled"));
        QCOMPARE(detail(loose), QStringLiteral("Plugin DLL"));
        QCOMPARE(detail(looseOff), QStringLiteral("Plugin DLL · disabled"));
        QCOMPARE(child<QLabel>(pane, rowName(one) + ".version")->text(), QStringLiteral("v1.2.3"));
    }

    void captureBannerCountsAndGoesAway() {
        ModsWorld w;
        w.installLoader();
        w.addFolderMod(QStringLiteral("Better_Carts"), 1);
        w.stashForCapture(1);
        AppState& state = w.start();
        ModsPane pane(&state);
        pane.show();
        settle();
        auto* banner = child<QWidget>(pane, QStringLiteral("modsPane.captureBanner"));
        auto* message = child<QLabel>(pane, QStringLiteral("modsPane.captureBanner.message"));
        QVERIFY(banner->isVisible());
        QCOMPARE(message->text(),
                 QStringLiteral("1 mod is stashed outside the plugins folder. Bring them back once "
                                "you've run the capture."));
        w.stashForCapture(4);
        QVERIFY(w.refresh());
        settle();
        QCOMPARE(message->text(),
                 QStringLiteral("4 mods are stashed outside the plugins folder. Bring them back "
                                "once you've run the capture."));
        child<QPushButton>(pane, QStringLiteral("modsPane.moveModsBack"))->click();
        QTRY_VERIFY(!banner->isVisible());
        QCOMPARE(state.mods().size(), 5); // the mod and the four brought back
        // Intel Mac: the shader recommendation never shows, mods or not.
        QVERIFY(!shown(child<QWidget>(pane, QStringLiteral("shaderFixBanner")), pane));
    }

    void dropInstallsEveryFileOnceAndIgnoresText() {
        ModsWorld w;
        w.installLoader();
        AppState& state = w.start();
        QTemporaryDir downloads;
        const QString zip = TestZip::repositoryMod(QStringLiteral("Drop_One"), QStringLiteral("1.0.0"))
                                .save(downloads.filePath(QStringLiteral("Drop_One.zip")));
        const QString dll = downloads.filePath(QStringLiteral("Loose_Two.dll"));
        World::write(dll, ModFixtures::fakeDll(1, 0, 0, 0));

        ModsPane pane(&state);
        pane.setTab(ModsPane::Tab::browse); // drops work on both tabs
        // Nothing inside the pane takes a drop for itself, so a drop anywhere reaches the pane.
        for (QWidget* inside : pane.findChildren<QWidget*>())
            QVERIFY2(!inside->acceptDrops(), qPrintable(inside->objectName()));

        QMimeData textOnly;
        textOnly.setText(QStringLiteral("a snippet of text"));
        QDragEnterEvent ignored(QPoint(10, 10), Qt::CopyAction, &textOnly, Qt::LeftButton, {});
        QApplication::sendEvent(&pane, &ignored);
        QVERIFY(!ignored.isAccepted());
        QVERIFY(!pane.dropZone()->targeted());

        QMimeData mixed;
        mixed.setUrls({QUrl::fromLocalFile(zip), QUrl(QStringLiteral("https://example.com/Other.zip")),
                       QUrl::fromLocalFile(dll)});
        mixed.setText(QStringLiteral("a snippet of text"));
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mixed, Qt::LeftButton, {});
        QApplication::sendEvent(&pane, &enter);
        QVERIFY(enter.isAccepted());
        QVERIFY(pane.dropZone()->targeted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mixed, Qt::LeftButton, {});
        QApplication::sendEvent(&pane, &drop);
        QVERIFY(!pane.dropZone()->targeted());
        QCOMPARE(state.busyMessage(), std::optional<QString>(QStringLiteral("Installing 2 items…")));
        QTRY_VERIFY_WITH_TIMEOUT(!state.busyMessage(), 15000);
        QTRY_COMPARE_WITH_TIMEOUT(state.mods().size(), 2, 10000);
        QVERIFY(Fs::isDir(Fs::join(w.world.pluginsDir(), QStringLiteral("Drop_One"))));
        QVERIFY(Fs::exists(Fs::join(w.world.pluginsDir(), QStringLiteral("Loose_Two.dll"))));
        QVERIFY(!state.alertMessage());
    }

    void dropZoneShowsTheRunningAction() {
        ModsWorld w;
        w.installLoader();
        AppState& state = w.start();
        ModsPane pane(&state);
        pane.show();
        auto* zone = pane.dropZone();
        QCOMPARE(zone->height(), 92);
        state.setBusyMessage(QStringLiteral("Installing Foo.zip…"));
        QVERIFY(child<QWidget>(*zone, QStringLiteral("dropZone.busy"))->isVisible());
        QCOMPARE(child<QLabel>(*zone, QStringLiteral("dropZone.busyText"))->text(),
                 QStringLiteral("Installing Foo.zip…"));
        QVERIFY(child<QWidget>(*zone, QStringLiteral("dropZone.spinner"))->isVisible());
        QVERIFY(!child<QWidget>(*zone, QStringLiteral("dropZone.progress"))->isVisible());
        state.setBusyMessage(std::nullopt);
        QVERIFY(child<QWidget>(*zone, QStringLiteral("dropZone.idle"))->isVisible());
    }

    void switchAsksTheModelAndShowsWhatItPublishes() {
        ModsWorld w;
        w.installLoader();
        const QString mod = w.addFolderMod(QStringLiteral("Better_Carts"), 1);
        w.addFolderMod(QStringLiteral("Epic_Runes"), 1);
        AppState& state = w.start();
        ModsPane pane(&state);
        pane.show();
        settle();
        auto* other =
            child<ModRow>(pane, rowName(Fs::join(w.world.pluginsDir(), QStringLiteral("Epic_Runes"))));
        auto* toggle = child<QAbstractButton>(pane, rowName(mod) + ".switch");
        QVERIFY(toggle->isChecked());
        toggle->click();
        QVERIFY(Fs::exists(mod + QStringLiteral("/Better_Carts.dll.disabled")));
        QCOMPARE(state.lastAction(), std::optional<QString>(QStringLiteral("Better Carts disabled")));
        settle();
        QVERIFY(!toggle->isChecked());
        QCOMPARE(child<QLabel>(pane, rowName(mod) + ".detail")->text(),
                 QStringLiteral("1 plugin · disabled"));
        QCOMPARE(child<QLabel>(pane, QStringLiteral("modsPane.count"))->text(),
                 QStringLiteral("1 of 2 enabled"));
        // The untouched row is the same widget: republishing the list doesn't rebuild it.
        QCOMPARE(child<ModRow>(pane, rowName(Fs::join(w.world.pluginsDir(), QStringLiteral("Epic_Runes")))),
                 other);
        const int rows = int(pane.findChildren<ModRow*>().size());
        QVERIFY(w.refresh());
        settle();
        QCOMPARE(int(pane.findChildren<ModRow*>().size()), rows);
    }

    void switchFlippedBackAtOnceEndsWhereItWasSet() {
        Switch knob;
        knob.setChecked(true);
        knob.show();
        QVERIFY(QTest::qWaitForWindowExposed(&knob));
        QCOMPARE(knob.position(), 1.0);
        knob.setChecked(false); // starts sliding off…
        knob.setChecked(true);  // …and is set back before the knob has moved
        const auto* slide = knob.findChild<QVariantAnimation*>();
        QVERIFY(slide);
        QVERIFY(slide->state() != QAbstractAnimation::Running || slide->endValue().toReal() == 1.0);
        QTRY_COMPARE(knob.position(), 1.0);
    }

    void contextMenuRevealsAndTrashes() {
        ModsWorld w;
        w.installLoader();
        const QString mod = w.addFolderMod(QStringLiteral("Better_Carts"), 1);
        AppState& state = w.start();
        ModsPane pane(&state);
        auto* row = child<ModRow>(pane, rowName(mod));
        QMenu* menu = row->makeContextMenu();
        QCOMPARE(menu->actions().size(), 3);
        QCOMPARE(menu->actions()[0]->text(), QStringLiteral("Reveal in Finder"));
        QVERIFY(menu->actions()[1]->isSeparator());
        QCOMPARE(menu->actions()[2]->text(), QStringLiteral("Move to Trash"));
        menu->actions()[0]->trigger();
        QCOMPARE(w.workspace.revealed, QStringList{mod});
        menu->actions()[2]->trigger();
        QVERIFY(!Fs::exists(mod));
        QCOMPARE(state.lastAction(), std::optional<QString>(QStringLiteral("Moved Better Carts to Trash")));
        QTRY_VERIFY(!pane.findChild<ModRow*>(rowName(mod)));
        QVERIFY(child<QWidget>(pane, QStringLiteral("modsPane.placeholder.noMods"))->isVisibleTo(&pane));
    }

    void configButtonAndEnvironmentOpenTheEditor() {
        ModsWorld w;
        w.installLoader();
        const QString cozy = w.addFolderMod(QStringLiteral("CozyHearth"), 1);
        w.addFolderMod(QStringLiteral("Better_Carts"), 1);
        w.addConfig(QStringLiteral("hearthworks.CozyHearth.cfg"), "[General]\nEnabled = true\n");
        AppState& state = w.start();
        {
            // Names a mod that has no settings: nothing opens.
            qputenv("SKALDRUN_OPEN_CONFIG", "carts");
            ModsPane pane(&state);
            pane.show();
            settle();
            QVERIFY(!pane.configSheet());
            QVERIFY(!shown(
                child<QWidget>(pane, rowName(Fs::join(w.world.pluginsDir(), QStringLiteral("Better_Carts"))) +
                                         ".config"),
                pane));
        }
        qputenv("SKALDRUN_OPEN_CONFIG", "COZY");
        ModsPane pane(&state);
        pane.show();
        settle();
        QVERIFY(pane.configSheet());
        QCOMPARE(pane.configMod()->name, QStringLiteral("CozyHearth"));
        pane.configSheet()->reject();
        QTRY_VERIFY(!pane.configSheet());
        QVERIFY(!pane.configMod());
        qunsetenv("SKALDRUN_OPEN_CONFIG");

        child<QPushButton>(pane, rowName(cozy) + ".config")->click();
        QVERIFY(pane.configSheet());
        QCOMPARE(pane.configSheet()->mod().id, cozy);
        QCOMPARE(pane.configSheet()->windowModality(), Qt::WindowModal);
        pane.configSheet()->reject();
        QTRY_VERIFY(!pane.configSheet());
    }

    void donationLinkAndSetupBubble() {
        ModsWorld w;
        AppState& state = w.start();
        ModsPane pane(&state);
        pane.show();
        auto* donate = child<QPushButton>(pane, QStringLiteral("modsPane.donate"));
        QCOMPARE(donate->toolTip(), QStringLiteral("Support Skaldrun's development"));
        donate->click();
        QCOMPARE(w.workspace.openedUrls, QList<QUrl>{QUrl(QStringLiteral(SKALDRUN_DONATION_URL))});

        auto* bubble = child<QWidget>(pane, QStringLiteral("setupBubble"));
        state.setSetupCollapsed(true);
        settle();
        QVERIFY(bubble->isVisible());
        state.setSetupCollapsed(false);
        settle();
        QVERIFY(!bubble->isVisible());
    }
};

SKALDRUN_GUI_TEST_MAIN(TstModsPane, "x86_64")
#include "tst_modspane.moc"
