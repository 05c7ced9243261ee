// The mods pane over a real model on a made-up game folder: header, banners, placeholders, the
// mod rows and their actions, drops, and the config editor it opens.

#include "tests/ui/UiFixture.h"
#include "ui/ConfigEditorSheet.h"
#include "ui/DropZone.h"
#include "ui/ModRow.h"
#include "ui/ModsPane.h"
#include "ui/widgets/Switch.h"

#include <QDragEnterEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QVariantAnimation>

namespace {

QString rowName(const QString& modPath, const char* part = "") {
    return "modRow." + modPath + QLatin1String(part);
}

} // namespace

class TstModsPane : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // What the window opens by itself at the start, as `./dev demo` and the screenshots ask: the
    // value must match exactly, a config by part of the mod's name.
    void environmentOpens_data() {
        QTest::addColumn<QByteArray>("variable");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QString>("opened");
        QTest::newRow("browse tab") << QByteArray("SKALDRUN_TAB") << QByteArray("browse") << "browse";
        QTest::newRow("tab in capitals") << QByteArray("SKALDRUN_TAB") << QByteArray("Browse") << "";
        QTest::newRow("settings") << QByteArray("SKALDRUN_OPEN") << QByteArray("settings") << "settings";
        QTest::newRow("settings in capitals") << QByteArray("SKALDRUN_OPEN") << QByteArray("Settings") << "";
        QTest::newRow("config") << QByteArray("SKALDRUN_OPEN_CONFIG") << QByteArray("COZY") << "CozyHearth";
        QTest::newRow("mod without config")
            << QByteArray("SKALDRUN_OPEN_CONFIG") << QByteArray("carts") << "";
        QTest::newRow("empty name") << QByteArray("SKALDRUN_OPEN_CONFIG") << QByteArray("") << "";
    }
    void environmentOpens() {
        QFETCH(QByteArray, variable);
        QFETCH(QByteArray, value);
        QFETCH(QString, opened);
        Shell w;
        w.installLoader();
        w.addFolderMod("CozyHearth", 1);
        const QString carts = w.addFolderMod("Better_Carts", 1);
        w.addConfig("hearthworks.CozyHearth.cfg", "[General]\nEnabled = true\n");
        qputenv(variable.constData(), value);
        w.open();
        qunsetenv(variable.constData());
        ModsPane& pane = *w.window->modsPane();
        QStringList seen;
        if (pane.tab() == ModsPane::Tab::browse) seen << "browse";
        if (w.window->settingsSheet()) seen << "settings";
        if (pane.configMod()) seen << pane.configMod()->name;
        QCOMPARE(seen.join(' '), opened);
        QVERIFY(!w.shown(rowName(carts, ".config"))); // no settings, no button
        if (!pane.configSheet()) return;
        pane.configSheet()->reject();
        QTRY_VERIFY(!pane.configSheet());
        QVERIFY(!pane.configMod());
    }

    void countAndRowDetails() {
        // The placeholders before the loader and before any mod are the journey's. A data-only
        // mod alone: nothing to count, and no switch on its row.
        Shell w;
        w.installLoader();
        const QString data = w.addDataMod("Viking_Signs");
        w.open();
        QVERIFY(!w.shown("modsPane.count") && w.shown(rowName(data, ".data")));
        QVERIFY(!w.shown(rowName(data, ".switch")));
        // Plugins counted, and whether they're off.
        const QString one = w.addFolderMod("One", 1, 0, "1.2.3");
        const QString three = w.addFolderMod("Three", 3);
        const QString off = w.addFolderMod("Off", 0, 3);
        const QString loose = w.addLooseDll("Loose");
        const QString looseOff = w.addLooseDll("Sleepy", false);
        QVERIFY(w.refresh());
        const QList<std::pair<QString, QString>> shown = {
            {"modsPane.count", "3 of 5 enabled"},
            {rowName(data, ".detail"), "Data files (no plugin DLL)"},
            {rowName(one, ".detail"), "1 plugin"},
            {rowName(one, ".version"), "v1.2.3"},
            {rowName(three, ".detail"), "3 plugins"},
            {rowName(off, ".detail"), "3 plugins · disabled"},
            {rowName(loose, ".detail"), "Plugin DLL"},
            {rowName(looseOff, ".detail"), "Plugin DLL · disabled"},
        };
        for (const auto& [name, text] : shown)
            QCOMPARE(w.text(name), text);
    }

    void captureBannerCountsAndGoesAway() {
        Shell w;
        w.installLoader();
        w.addFolderMod("Better_Carts", 1);
        w.stashForCapture(1);
        w.open();
        QCOMPARE(w.text("modsPane.captureBanner.message"),
                 "1 mod is stashed outside the plugins folder. Bring them back once you've run the capture.");
        w.stashForCapture(4);
        QVERIFY(w.refresh() && w.text("modsPane.captureBanner.message").startsWith("4 mods are stashed"));
        w.find<QPushButton>("modsPane.moveModsBack")->click();
        QTRY_VERIFY(!w.shown("modsPane.captureBanner"));
        // Intel Mac: the shader recommendation never shows, mods or not.
        QVERIFY(!w.shown("shaderFixBanner"));
    }

    // After a launch: the line says when and how many loaded; a game update brings the banner,
    // whose switch-off takes the failing mod out; the mod's row keeps the warning, without the
    // fix already carried out.
    void lastLaunchLineAndGameUpdate() {
        Shell w;
        w.installLoader();
        w.addFolderMod("Alpha", 1, 0, "1.0.0");
        const QString beta = w.addFolderMod("Beta", 1, 0, "1.0.0");
        const QByteArray alpha = "[Info   :   BepInEx] Loading [Alpha 1.0.0]\n";
        QVERIFY(w.writeLaunchLog(alpha + "[Info   :   BepInEx] Loading [Beta 1.0.0]\n", "0.221.12", 1));
        w.open();
        QTRY_VERIFY(w.shown("launchLine"));
        // When, then how many loaded.
        QVERIFY2(QRegularExpression("^Last launch [^·]+ · 2 of 2 mods loaded, Valheim 0\\.221\\.12$")
                     .match(w.text("launchLine.text"))
                     .hasMatch(),
                 qPrintable(w.text("launchLine.text")));
        QVERIFY(!w.shown("gameUpdateBanner"));

        QVERIFY(w.writeLaunchLog(alpha + "[Error  :   BepInEx] Error loading [Beta 1.0.0] : broken\n",
                                 "0.222.1", 2));
        QVERIFY(w.refresh());
        QTRY_VERIFY(w.shown("gameUpdateBanner"));
        const QString warning = "launchProblem." + beta + ".0";
        QCOMPARE(w.text("gameUpdateBanner.title"), "Valheim updated from 0.221.12 to 0.222.1");
        QCOMPARE(w.text("gameUpdateBanner.message"),
                 "1 mod didn't load after the update. Back up your saves first; then update, or switch them "
                 "off until their authors catch up.");
        QVERIFY(!w.shown("gameUpdateBanner.update") && !w.shown("gameUpdateBanner.updateLoader"));
        QCOMPARE(w.text(warning + ".text"), "Beta 1.0.0 didn't load: broken");
        QVERIFY(w.shown(warning + ".fix0"));
        w.button("gameUpdateBanner.switchOff")->click();
        settle();
        QTRY_VERIFY(QFile::exists(beta + "/Beta.dll.disabled"));
        QTRY_COMPARE(w.text("gameUpdateBanner.message"), "Back up your saves before you play on.");
        QVERIFY(!w.shown("gameUpdateBanner.switchOff") && w.shown(warning) &&
                !w.window->findChild<QWidget*>(warning + ".fix0"));
    }

    void dropInstallsEveryFileOnceAndIgnoresText() {
        Shell w;
        w.installLoader();
        w.open();
        AppState& state = *w.state;
        QTemporaryDir downloads;
        const QString zip =
            TestZip::repositoryMod("Drop_One", "1.0.0").save(downloads.filePath("Drop_One.zip"));
        const QString dll = downloads.filePath("Loose_Two.dll");
        World::write(dll, ModFixtures::fakeDll(1, 0, 0, 0));
        ModsPane& pane = *w.window->modsPane();
        pane.setTab(ModsPane::Tab::browse); // drops work on both tabs
        // Nothing inside the pane takes a drop for itself, so a drop anywhere reaches the pane.
        for (QWidget* inside : pane.findChildren<QWidget*>())
            QVERIFY2(!inside->acceptDrops(), qPrintable(inside->objectName()));

        QMimeData textOnly;
        textOnly.setText("a snippet of text");
        QDragEnterEvent ignored(QPoint(10, 10), Qt::CopyAction, &textOnly, Qt::LeftButton, {});
        QApplication::sendEvent(&pane, &ignored);
        QVERIFY(!ignored.isAccepted() && !pane.dropZone()->targeted());

        QMimeData mixed;
        mixed.setUrls(
            {QUrl::fromLocalFile(zip), QUrl("https://example.com/Other.zip"), QUrl::fromLocalFile(dll)});
        mixed.setText("a snippet of text");
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mixed, Qt::LeftButton, {});
        QApplication::sendEvent(&pane, &enter);
        QVERIFY(enter.isAccepted() && pane.dropZone()->targeted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mixed, Qt::LeftButton, {});
        QApplication::sendEvent(&pane, &drop);
        QVERIFY(!pane.dropZone()->targeted());
        // While it runs, the drop zone shows the action.
        QCOMPARE(pane.dropZone()->findChild<QLabel*>("dropZone.busyText")->text(), "Installing 2 items…");
        QTRY_VERIFY_WITH_TIMEOUT(!state.busyMessage(), 15000);
    }

    void rowSwitchAndMenu() {
        Shell w;
        w.installLoader();
        const QString mod = w.addFolderMod("Better_Carts", 1);
        const QString other = w.addFolderMod("Epic_Runes", 1);
        w.open();
        auto* otherRow = w.find<ModRow>(rowName(other));
        auto* toggle = w.find<QAbstractButton>(rowName(mod, ".switch"));
        QVERIFY(toggle->isChecked());
        toggle->click();
        settle();
        QVERIFY(!toggle->isChecked());
        // The untouched row is the same widget: republishing the list doesn't rebuild it.
        QCOMPARE(w.find<ModRow>(rowName(other)), otherRow);

        QMenu* menu = w.find<ModRow>(rowName(mod))->makeContextMenu();
        QStringList texts;
        for (const QAction* action : menu->actions())
            texts << action->text();
        QCOMPARE(texts, (QStringList{"Reveal in Finder", "", "Move to Trash"}));
        menu->actions()[0]->trigger();
        QCOMPARE(w.workspace.revealed, QStringList{mod});
        menu->actions()[2]->trigger();
        QTRY_VERIFY(!w.window->modsPane()->findChild<ModRow*>(rowName(mod)));
        QCOMPARE(w.window->modsPane()->findChildren<ModRow*>(), QList<ModRow*>{otherRow});
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
        QVERIFY(slide &&
                (slide->state() != QAbstractAnimation::Running || slide->endValue().toReal() == 1.0));
        QTRY_COMPARE(knob.position(), 1.0);
    }
};

SKALDRUN_GUI_TEST_MAIN(TstModsPane)
#include "tst_modspane.moc"
