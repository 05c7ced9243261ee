// The whole journey in the real window, walked the way a player walks it: from an empty home to
// all seven setup steps, then mods from the repository with their dependencies, a missing
// dependency, a config edit and the shader capture's mod (moving the mods aside and save
// backups: the settings sheet's and the installer's tests). Only the window's controls are used, and every
// step checks the disk. Run twice (CTest sets SKALDRUN_JOURNEY_MACHINE): as an Intel Mac and as Apple
// Silicon, where the script gains its architecture block, the shader banner offers the fix, and Rosetta can't
// be installed here, so the setup stays at six of seven. A third run sets the game up on a Linux home, where
// Skaldrun writes Steam's launch options itself while Steam is closed.

#include "app/AppState.h"
#include "catalog/Thunderstore.h"
#include "catalog/ThunderstoreStore.h"
#include "install/InstallRecords.h"
#include "install/ProfilePack.h"
#include "tests/support/FakeRepository.h"
#include "tests/support/RecordingDoubles.h"
#include "tests/support/StandIns.h"
#include "tests/support/TestMain.h"
#include "tests/support/TestZip.h"
#include "tests/support/World.h"
#include "ui/Application.h"
#include "ui/BrowseModel.h"
#include "ui/BrowseRow.h"
#include "ui/BrowseView.h"
#include "ui/ConfigEditorSheet.h"
#include "ui/MainWindow.h"
#include "ui/MarkdownView.h"
#include "ui/ModRow.h"
#include "ui/ModsPane.h"
#include "ui/ProfileMenu.h"
#include "ui/StepCard.h"
#include "ui/StepsPane.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QThreadPool>

#include <memory>

namespace {

const QString bepPack = "denikson-BepInExPack_Valheim";
const QString script = "start_game_bepinex.sh";

QStringList entries(const QString& dir) {
    return QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

class TestJourney : public QObject {
    Q_OBJECT

    World world{TestHome::path()};
    FakeRepository repo;
    StandInWorkspace workspace{world};
    StandInClipboard clipboard{world};
    ScriptedOpenPanel panel;
    std::unique_ptr<AppState> state;
    std::unique_ptr<MainWindow> window;

    const QByteArray machine = qEnvironmentVariable("SKALDRUN_JOURNEY_MACHINE", "x86_64").toLatin1();

public:
    TestJourney() {
        if (machine == "linux") world.on(Platform::linuxOS);
        qputenv("SKALDRUN_MACHINE", machine == "linux" ? QByteArray("x86_64") : machine);
    }

private:
    bool arm64() const { return state->isAppleSilicon(); }
    QString game(const QString& relative) const { return world.gameDir() + QLatin1Char('/') + relative; }
    StepCard* card(int step) const { return window->stepsPane()->card(step); }

    // The widget of that name the player can see: in the window, a sheet or an alert.
    template <typename T = QWidget> T* find(const QString& name) const {
        for (T* widget : window->findChildren<T*>(name))
            if (widget->isVisible()) return widget;
        return nullptr;
    }
    QString text(const QString& name) const {
        const QLabel* label = find<QLabel>(name);
        return label ? label->text() : QStringLiteral("<%1 not shown>").arg(name);
    }
    QMessageBox* alert() const { return find<QMessageBox>("alert"); }

    // Scrolls to the button, as the player would, and clicks it: it must be shown and enabled.
    bool press(const QString& name) const {
        auto* button = find<QAbstractButton>(name);
        // Where the header is short of room, the share actions are in its "More" menu.
        if (!button && find<QAbstractButton>("modsPane.more") && press("modsPane.more")) {
            auto* folded = window->findChild<QAction*>(name + ".menu");
            if (folded && folded->isEnabled()) folded->trigger();
            return folded && folded->isEnabled();
        }
        if (!button || !button->isEnabled()) {
            qWarning("%s is %s", qPrintable(name), button ? "disabled" : "not on screen");
            return false;
        }
        for (QWidget* up = button->parentWidget(); up; up = up->parentWidget())
            if (auto* scroll = qobject_cast<QScrollArea*>(up)) scroll->ensureWidgetVisible(button);
        QTest::mouseClick(button, Qt::LeftButton);
        return true;
    }

    // Waits for the running action to finish, for the refresh it started to be published and
    // for the views to draw it.
    bool idle() const {
        const bool done = QTest::qWaitFor(
            [this] {
                return !state->busyMessage() && QThreadPool::globalInstance()->activeThreadCount() == 0;
            },
            20000);
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::sendPostedEvents();
            QCoreApplication::processEvents();
        }
        return done;
    }

    bool dismissAlert() const {
        QMessageBox* box = alert();
        if (!box || box->buttons().size() != 1 || box->buttons().first()->text() != QLatin1String("OK"))
            return false;
        QTest::mouseClick(box->buttons().first(), Qt::LeftButton);
        return QTest::qWaitFor([this] { return !alert(); }, 5000) && !state->alertMessage();
    }

    bool openBrowse() const {
        if (!press("modsPane.tab.browse")) return false;
        const BrowseModel* model = window->modsPane()->browseView()->model();
        return QTest::qWaitFor(
            [&] { return !state->thunder()->loading() && !model->preparing() && model->rowCount() > 0; },
            20000);
    }

    QAction* menu(const QString& row, const char* action) const {
        return window->findChild<ModRow*>(row)->makeContextMenu()->findChild<QAction*>(QLatin1String(action));
    }

    // Types part of the package's name into Browse's search and presses the row's Install button.
    bool installFromBrowse(const QString& query, const QString& fullName) const {
        if (!openBrowse()) return false;
        auto* search = find<QLineEdit>("browse.search");
        QTest::keyClick(search, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(search, query);
        BrowseView* browse = window->modsPane()->browseView();
        const BrowseModel* model = browse->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            const QModelIndex index = model->index(row);
            if (model->package(row).fullName != fullName) continue;
            if (model->action(row) != BrowseModel::Action::install || !model->actionsEnabled()) return false;
            browse->list()->scrollTo(index);
            const QRect button =
                BrowseRow::actionRect(browse->list()->visualRect(index), BrowseModel::Action::install);
            QTest::mouseClick(browse->list()->viewport(), Qt::LeftButton, {}, button.center());
            return state->busyMessage().has_value() && idle();
        }
        qWarning("%s isn't listed for \"%s\"", qPrintable(fullName), qPrintable(query));
        return false;
    }
    // Picks an entry of the Installed tab's profile menu, as the player would.
    bool choose(const QString& entry) {
        auto* menu = window->modsPane()->findChild<ProfileMenu*>()->profileMenu();
        auto* action = press("modsPane.profiles") ? menu->findChild<QAction*>(entry) : nullptr;
        if (!action || !action->isEnabled() || !menu->isVisible()) return false;
        action->trigger();
        menu->close();
        return true;
    }

private Q_SLOTS:
    void initTestCase() {
        Application::setUp(*qobject_cast<QApplication*>(QCoreApplication::instance()));
        repo.addStandardCatalog();
        repo.pointAppHere();
        state = std::make_unique<AppState>(AppState::Services{workspace, clipboard, panel, world.platform()});
        QCOMPARE(state->isAppleSilicon(), machine == "arm64");
        window = std::make_unique<MainWindow>(state.get());
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()) && idle());
    }

    void locateTheGame() {
        QVERIFY(!state->gameDir());
        // Before Steam has the game, auto-detect says what to do (the sentences: the model's tests).
        QVERIFY(press("step1.autoDetect") && dismissAlert());

        world.build(); // Steam installs the game into its second library
        QVERIFY(press("step1.autoDetect") && idle() && card(1)->done());
    }

    void rosettaCannotBeInstalledHere() {
        if (!arm64()) QSKIP("An Intel Mac needs no Rosetta");
        if (QFile::exists("/usr/sbin/softwareupdate"))
            QSKIP("A real installer is here; the journey must not run it");
        QVERIFY(press("step2.installRosetta") && idle() && dismissAlert() && !card(2)->done());
    }

    void installTheLoader() {
        QVERIFY(!QFile::exists(game("BepInEx")) && find("modsPane.placeholder.noLoader"));
        QVERIFY(press("step3.install") && idle());
        QVERIFY2(!alert(), qPrintable(state->alertMessage().value_or(QString())));
        // The install fixes the script for this Mac by itself (what it writes: the installer's tests).
        QVERIFY(card(3)->done() && card(4)->done() && !find("step3.fixScript"));
        QCOMPARE(text("modsPane.bepVersion"), "BepInEx 5.4.2202");
        QVERIFY(find("modsPane.placeholder.noMods"));
    }

    void fixAScriptCopiedByHand() {
        // A pack unpacked by hand leaves the script as shipped, not executable, here with only the
        // first Apple Silicon fix's line an earlier version added; the steps offer the fix.
        QFile::remove(game(script));
        World::write(game(script), TestZip::launchScript().replace(
                                       "x86_64\"\n", "x86_64\"\nexport ARCHPREFERENCE=\"x86_64\"\n"));
        QVERIFY(press("toolbar.refresh") && idle() && !card(3)->done());
        QCOMPARE(card(4)->done(), !arm64());
        QVERIFY(press(arm64() ? "step4.applyFix" : "step3.fixScript") && idle() && card(3)->done() &&
                card(4)->done());
    }

    void clearQuarantine() {
        if (world.isLinux()) QSKIP("Linux doesn't quarantine downloads");
        // A browser flags what it downloads, and macOS refuses to load flagged code.
        if (world.quarantineLoaderFiles() == 0)
            QSKIP("This file system keeps no user extended attributes, so nothing can be quarantined here");
        QVERIFY(press("toolbar.refresh") && idle() && !card(5)->done());
        QVERIFY(press("step5.clearQuarantine") && idle() && card(5)->done());
    }

    void launchOptionsIntoSteam() {
        if (world.isLinux()) QSKIP("On Linux Skaldrun writes them itself (the next step)");
        QVERIFY(!card(6)->done() && press("step6.copyLaunchOptions"));
        // The player pastes the line into Steam, which keeps it in the account's localconfig.vdf.
        QVERIFY(press("toolbar.refresh") && idle() && card(6)->done());
    }

    void launchOptionsSetForMe() {
        if (!world.isLinux()) QSKIP("On a Mac the player pastes them");
        QVERIFY(!card(6)->done());
        workspace.steamRunning = false; // refused while Steam runs: the model's tests
        QVERIFY(press("step6.setLaunchOptions") && idle() && card(6)->done());
        QVERIFY2(!alert(), qPrintable(state->alertMessage().value_or(QString())));
        QCOMPARE(World::read(world.steamRoot() + "/userdata/11223344/config/localconfig.vdf"),
                 QByteArray("\"UserLocalConfigStore\"\n{\n}\n")); // the account that didn't sign in last
    }

    void launchOnceAndFold() {
        QVERIFY(!QFile::exists(game("BepInEx/LogOutput.log")) && press("step7.launch"));
        QCOMPARE(workspace.openedUrls.last(), QUrl("steam://rungameid/892970"));
        // The stand-in Steam started BepInEx, which wrote its log.
        QVERIFY(press("step7.recheck") && idle() && card(7)->done());
        if (arm64()) {
            // Without Rosetta the setup isn't done: it stays open at six of seven.
            QCOMPARE(state->doneCount(), 6);
            QVERIFY(!card(2)->done() && !state->setupCollapsed() && window->stepsPane()->isVisible());
            return;
        }
        QCOMPARE(state->doneCount(), 7);
        QVERIFY(state->setupCollapsed() && !window->stepsPane()->isVisible() && find("setupBubble"));
        // The bubble unfolds the finished steps; "Hide" folds them again.
        QVERIFY(press("setupBubble") && idle() && window->stepsPane()->isVisible());
        QVERIFY(press("steps.hide") && idle() && state->setupCollapsed() &&
                !window->stepsPane()->isVisible());
    }

    void installWithDependencies() {
        QVERIFY(installFromBrowse("epic", "Runecraft-Epic_Runes"));
        QCOMPARE(entries(world.pluginsDir()), (QStringList{"CoreUtils", "Epic_Runes", "RuneLib"}));
    }

    void failuresExplainThemselves() {
        // A dependency the catalog lacks: the mod installs, an alert names what is left to do (its
        // sentences, like every message's, are the model's tests').
        QVERIFY(installFromBrowse("troll", "Fjordsmith-TrollTweaks") && dismissAlert());
        QVERIFY(QFile::exists(world.pluginsDir() + "/TrollTweaks/TrollTweaks.dll"));
    }

    void editAConfig() {
        QVERIFY(installFromBrowse("cozy", "Hearthworks-CozyHearth"));
        const QString file = game("BepInEx/config/hearthworks.CozyHearth.cfg");
        const QByteArray shipped = FakeRepository::sampleConfig("CozyHearth");
        QVERIFY(press("modsPane.tab.installed") && idle());
        QVERIFY(press(QStringLiteral("modRow.%1/CozyHearth.config").arg(world.pluginsDir())));
        QPointer<ConfigEditorSheet> editor = window->modsPane()->configSheet();
        QVERIFY(editor && QTest::qWaitForWindowExposed(editor));
        const QRegularExpression comfort("::Hearth Comfort::[0-9]+\\.field$"); // its id ends in its line
        auto* field = editor->findChildren<QLineEdit*>(comfort).value(0);
        QVERIFY(field && field->isVisible());
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(field, "4");
        QVERIFY(press("configEditor.save") && idle());
        QTRY_VERIFY(!editor);
        QCOMPARE(World::read(file),
                 QByteArray(shipped).replace("Hearth Comfort = 2\n", "Hearth Comfort = 4\n"));
    }

    void theShaderCapture() {
        // The capture is ShaderHelperForMac's: Apple Silicon is offered it by the banner, an
        // Intel Mac finds it in Browse.
        if (arm64()) {
            QVERIFY(press("modsPane.tab.installed") && idle() && find("shaderFixBanner"));
            QVERIFY(press("shaderFixBanner.installFix") && idle() && !find("shaderFixBanner"));
        } else {
            QVERIFY(installFromBrowse("shader", "Glimmerfjord-ShaderHelperForMac"));
        }
        QVERIFY(QFile::exists(world.pluginsDir() + "/ShaderHelperForMac/ShaderHelperForMac.dll"));
        // Moving the mods aside for the capture and back: the settings sheet's and the installer's tests.
    }

    // A second, empty profile for another server gets a mod of its own; switching back brings
    // the first set and its edited settings back untouched.
    void aSecondProfile() {
        QVERIFY(press("modsPane.tab.installed") && idle());
        const QStringList mods = entries(world.pluginsDir());
        const QString cozy = game("BepInEx/config/hearthworks.CozyHearth.cfg");
        const QByteArray edited = World::read(cozy);
        QVERIFY(choose("profiles.new"));
        auto* name = find<QLineEdit>("profileSheet.name");
        QVERIFY(name);
        QTest::keyClicks(name, "Server Two");
        QVERIFY(press("profileSheet.ok") && idle() && choose("profiles.switch.Server Two") && idle());
        QCOMPARE(find<QAbstractButton>("modsPane.profiles")->text(), "Server Two ▾");
        QVERIFY(entries(world.pluginsDir()).isEmpty() && find("modsPane.placeholder.noMods"));
        QVERIFY(installFromBrowse("cozy", "Hearthworks-CozyHearth"));
        // Its dependency comes along again: this profile doesn't hold the first one's copy.
        QCOMPARE(entries(world.pluginsDir()), (QStringList{"CoreUtils", "CozyHearth"}));
        QCOMPARE(World::read(cozy), FakeRepository::sampleConfig("CozyHearth"));
        World::write(world.pluginsDir() + "/ByHand.dll", "MZ"); // the new folder is watched
        QTRY_COMPARE(state->snapshot().mods.size(), 3);
        QVERIFY(press("modsPane.tab.installed") && idle() && choose("profiles.switch.Default") && idle());
        QCOMPARE(entries(world.pluginsDir()), mods);
        QCOMPARE(World::read(cozy), edited);
    }

    // A friend's code becomes a profile of its own: its mods at their exact releases (an older one
    // from Hexium), one switched off, its config, and what a pack mod needs; then back to ours.
    void importAFriendsCode() {
        const QStringList ours = entries(world.pluginsDir());
        const ProfilePack::Profile friends{
            "Longship Crew",
            {{"Skaldic-MapPins", "5.0.0", true, Repository::Source::thunderstore},
             {"Skaldic-QuickStack", "1.8.3", false, Repository::Source::thunderstore},
             {"Hexwright-Forge_Tweaks", "0.9.2", true, Repository::Source::hexium}},
            {{"BepInEx/config/skaldic.MapPins.cfg", "[Pins]\nShared = true\n"}}};
        const QString key = "018f2c4e-7b1a-4d3e-9f00-1c2b3a4d5e6f";
        repo.keepCode(Repository::Source::thunderstore, key,
                      ProfilePack::encodeCode(ProfilePack::writeR2z(friends)) + "\n");
        QVERIFY(press("modsPane.tab.installed") && press("modsPane.import"));
        QTRY_VERIFY(find<QLineEdit>("import.code"));
        QTest::keyClicks(find<QLineEdit>("import.code"), key);
        QVERIFY(press("import.read") && idle());
        QCOMPARE(text("import.summary"), "“Longship Crew”: 3 mods, 1 config file");
        QCOMPARE(find<QLineEdit>("import.name")->text(), friends.name);
        QVERIFY(press("import.newProfile") && idle());
        QCOMPARE(text("import.busy"), "Imported 3 of 3 mods into the new profile Longship Crew");
        QCOMPARE(entries(world.pluginsDir()),
                 QStringList({"Better_Carts", "Forge_Tweaks", "MapPins", "QuickStack"}));
        QCOMPARE(InstallRecords::of(world.gameDir(), "Forge_Tweaks")->version, "0.9.2");
        QCOMPARE(World::read(game("BepInEx/config/skaldic.MapPins.cfg")), friends.configs.first());
        QVERIFY(press("import.close"));
        QTRY_VERIFY(!find<QDialog>("importSheet"));
        QVERIFY(!state->pendingImport()); // closing drops it; the mods' states: the model's tests
        QVERIFY(choose("profiles.switch.Default") && idle());
        QCOMPARE(entries(world.pluginsDir()), ours);
    }

    // Two authors ship: CozyHearth 1.5.0 now needs MapPins, RuneLib 1.5.0. Both update from the
    // sheet (what an update keeps: the model's tests); RuneLib goes back a release and is kept
    // there; switching it off asks first, as Epic Runes needs it.
    void updatesAndDependencies() {
        const QString plugins = world.pluginsDir() + '/', pack = bepPack + "-5.4.2202",
                      core = "Hearthworks-CoreUtils-2.1.0";
        auto cozy = FakeRepository::package("Hearthworks", "CozyHearth", "1.5.0");
        cozy.dependencies = {pack, core, "Skaldic-MapPins-5.0.0"};
        cozy.olderVersions = {"1.4.0"};
        cozy.versionDependencies.insert("1.4.0", {pack, core});
        cozy.changelog = "## 1.5.0\n- Your hearths on the map (needs MapPins) <script>x</script>";
        auto rune = FakeRepository::package("Runecraft", "RuneLib", "1.5.0");
        rune.dependencies = {pack, core};
        rune.olderVersions = {"1.4.2"};
        repo.replace(cozy);
        repo.replace(rune);
        repo.lastModified = "Mon, 07 Dec 2026 09:00:00 GMT";
        QVERIFY(idle() && openBrowse() && press("browse.reload"));
        QVERIFY(QTest::qWaitFor([this] { return state->updatePlan().updates.size() == 2; }, 20000));
        QVERIFY(press("modsPane.tab.installed") && idle());
        QCOMPARE(find<QPushButton>("modsPane.updates")->text(), "2 updates");
        QVERIFY(press("modsPane.updates"));
        auto* changelog = find<MarkdownView>("updates.changelog");
        QTRY_VERIFY(changelog->toPlainText().contains("Your hearths on the map"));
        QVERIFY(changelog->toPlainText().contains("<script>")); // shown, not run
        QVERIFY(press("updates.update") && idle());
        QTRY_VERIFY(!find("updatesSheet"));
        for (const QString mod : {"CozyHearth", "RuneLib"})
            QVERIFY(World::read(plugins + mod + "/manifest.json").contains("1.5.0"));
        QVERIFY(QFile::exists(plugins + "MapPins/MapPins.dll") && !find("modsPane.updates"));

        const QString runeRow = "modRow." + plugins + "RuneLib";
        menu(runeRow, "modRow.installVersion")->trigger();
        auto* versions = find<QListWidget>("versions.list");
        QVERIFY(versions && versions->count() == 2);
        QTest::mouseClick(versions->viewport(), Qt::LeftButton, {},
                          versions->visualItemRect(versions->item(1)).center());
        QVERIFY(find<QCheckBox>("versions.keep")->isChecked() && press("versions.install") && idle());
        QVERIFY(World::read(plugins + "RuneLib/manifest.json").contains("1.4.2") &&
                !find("modsPane.updates"));
        menu(runeRow, "modRow.offerUpdates")->trigger(); // and back: offered again
        QVERIFY(idle() && find("modsPane.updates"));

        QVERIFY(press(runeRow + ".switch"));
        QCOMPARE(find<QMessageBox>("dependants.confirm")->text(), "1 mod depends on RuneLib: Epic Runes.");
        QVERIFY(press("dependants.only") && idle() &&
                QFile::exists(plugins + "RuneLib/RuneLib.dll.disabled"));
        const QString epicRow = "modRow." + plugins + "Epic_Runes";
        QCOMPARE(text(epicRow + ".needs"), "Needs RuneLib (disabled)");
        QVERIFY(press(epicRow + ".fix") && idle());
        QVERIFY(QFile::exists(plugins + "RuneLib/RuneLib.dll") && !find(epicRow + ".needs"));
    }

    // CoreUtils deleted by hand, the game launched: the stand-in BepInEx can't load RuneLib
    // without it, nor Epic Runes without RuneLib, nor TrollTweaks without the library its author
    // took down. The Installed list says so under each, with a fix; after the fixes (CoreUtils
    // from the repository at the version wanted, TrollTweaks switched off) the next launch is clean.
    void aLaunchThatBreaks() {
        const QString plugins = world.pluginsDir() + '/';
        QVERIFY(press("modsPane.tab.installed") && idle());
        QVERIFY(QDir(plugins + "CoreUtils").removeRecursively());
        const auto launch = [this] {
            return press("toolbar.launch") && press("toolbar.refresh") && idle() &&
                   QTest::qWaitFor([this] { return !state->launchReading(); }, 5000) && idle();
        };
        // The sentences and the fixes offered: the launch reader's and the fixes' tests.
        QVERIFY(launch() && find("launchLine") && !state->lastLaunch().clean());
        const QString rune = "launchProblem." + plugins + "RuneLib.0";
        const QString troll = "launchProblem." + plugins + "TrollTweaks.0";
        QVERIFY(find("launchProblem." + plugins + "Epic_Runes.0"));

        QVERIFY(press("launchLine.details"));
        QTRY_VERIFY(find("launchSheet"));
        QVERIFY(press("launchSheet.copy") && clipboard.texts.last().startsWith("**Last launch:** "));
        QVERIFY(press("launchSheet.done"));
        QTRY_VERIFY(!find("launchSheet"));

        QVERIFY(press(rune + ".fix0") && idle());
        QVERIFY2(!alert(), qPrintable(state->alertMessage().value_or(QString())));
        QVERIFY(World::read(plugins + "CoreUtils/manifest.json").contains("2.1.0"));
        QVERIFY(press(troll + ".fix0") && idle());
        QVERIFY(QFile::exists(plugins + "TrollTweaks/TrollTweaks.dll.disabled"));
        QVERIFY(launch());
        QVERIFY2(state->lastLaunch().clean(), qPrintable(text("launchLine.text")));
        QVERIFY(!find(rune + ".text") && !find(troll + ".text"));
    }
};

SKALDRUN_TEST_MAIN_IMPL(TestJourney, QApplication)
#include "tst_journey.moc"
