#pragma once

#include "app/AppState.h"
#include "catalog/ThunderstoreStore.h"
#include "install/Installer.h"
#include "tests/support/LoopbackServer.h"
#include "tests/support/ModFixtures.h"
#include "tests/support/ModelWorld.h"
#include "tests/support/TestZip.h"
#include "ui/MainWindow.h"
#include "ui/StepsPane.h"
#include "ui/Theme.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QTemporaryDir>

// The GUI tests' main: the temporary home and a QApplication with the app's look.
// The symbols live in the static UI library's resources, which the linker drops unless asked for.
#define SKALDRUN_GUI_TEST_MAIN(TestObject)                                                                   \
    int main(int argc, char* argv[]) {                                                                       \
        Q_INIT_RESOURCE(symbols);                                                                            \
        TestHome::install();                                                                                 \
        ModsWorld::pointRepositoryNowhere();                                                                 \
        QApplication app(argc, argv);                                                                        \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                             \
        Theme::apply(app);                                                                                   \
        Language::install();                                                                                 \
        TestObject tc;                                                                                       \
        QTEST_SET_MAIN_SOURCE_PATH                                                                           \
        return QTest::qExec(&tc, argc, argv);                                                                \
    }

// Lets every status probe finish and publish, and every view re-render.
inline void settle() {
    for (int i = 0; i < 3; ++i) {
        QThreadPool::globalInstance()->waitForDone();
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

// The model over a made-up Mac home with Steam, the game and its saves (unless told otherwise),
// plus what the views look at: the BepInEx files, mods, config files, the capture stash.
class ModsWorld : public Harness {
public:
    explicit ModsWorld(bool withGame = true) {
        if (withGame) world.build();
    }

    // The loader's three files, as the probe looks for them.
    void installLoader() const {
        World::write(game("BepInEx/core/BepInEx.dll"), TestZip::dll("5.4.2202"));
        World::write(game("doorstop_libs/libdoorstop_x64.dylib"), QByteArray(64, 'D'));
        World::write(game("start_game_bepinex.sh"), TestZip::launchScript());
        QDir().mkpath(world.pluginsDir());
    }
    // The BepInEx pack as the app's installer puts it in place, its launch script fixed for the Mac.
    void installBepInEx() const { installZip(TestZip::bepInExPack(), "pack"); }
    // The launch script as the pack ships it, as a pack copied in by hand leaves it (not executable).
    void unpatchScript() const {
        QFile::remove(game("start_game_bepinex.sh"));
        World::write(game("start_game_bepinex.sh"), TestZip::launchScript());
    }
    void installMod(const QString& name, const QString& version) const {
        installZip(TestZip::repositoryMod(name, version), name);
    }
    // Everything the seven steps check, done the way Steam, BepInEx and the player would.
    void completeSetup() const {
        installBepInEx();
        world.setSteamLaunchOptions(state->launchOptionsString());
        world.writeLoaderLog();
    }

    // A folder mod with `enabled` and `disabled` DLLs and, when given, a manifest version.
    QString addFolderMod(const QString& folder, int enabled, int disabled = 0,
                         const QString& version = {}) const {
        QString dir = world.pluginsDir() + QLatin1Char('/') + folder;
        QDir().mkpath(dir);
        for (int i = 0; i < enabled + disabled; ++i)
            World::write(dir + QString(i < enabled ? "/%1%2.dll" : "/%1Off%2.dll.disabled")
                                   .arg(folder, i ? QString::number(i) : QString()),
                         ModFixtures::fakeDll(1, 0, 0, 0));
        if (!version.isEmpty()) World::write(dir + "/manifest.json", TestZip::manifest(folder, version));
        return dir;
    }
    QString addDataMod(const QString& folder) const {
        World::write(world.pluginsDir() + QLatin1Char('/') + folder + "/textures/sign.png", "PNG");
        return world.pluginsDir() + QLatin1Char('/') + folder;
    }
    QString addLooseDll(const QString& name, bool enabled = true) const {
        QString path = world.pluginsDir() + QLatin1Char('/') + name + (enabled ? ".dll" : ".dll.disabled");
        World::write(path, ModFixtures::fakeDll(2, 1, 0, 0));
        return path;
    }
    QString addConfig(const QString& fileName, const QByteArray& text) const {
        World::write(game("BepInEx/config/" + fileName), text);
        return game("BepInEx/config/" + fileName);
    }
    void stashForCapture(int entries) const {
        for (int i = 0; i < entries; ++i)
            World::write(Installer::captureStashDir(world.gameDir()) +
                             QStringLiteral("/Parked%1/Parked%1.dll").arg(i),
                         ModFixtures::fakeDll(1, 0, 0, 0));
    }

    // The catalog and every package download go to a port nobody listens on unless a test
    // points them at its loopback repository: no test ever reaches the real service.
    static void pointRepositoryNowhere() {
        qputenv("SKALDRUN_THUNDERSTORE_URL",
                "http://127.0.0.1:" + QByteArray::number(LoopbackServer::deadPort()));
    }

    AppState& start() {
        ready();
        return *state;
    }
    // Runs one more status refresh, waits for it to be published and the views to re-render.
    bool refresh() {
        const bool published = act([this] { state->refreshAll(); });
        settle();
        return published;
    }

private:
    void installZip(const TestZip& zip, const QString& name) const {
        QTemporaryDir scratch;
        Installer::installZip(zip.save(scratch.filePath(name + ".zip")), world.gameDir());
    }
};

// The standard catalog served from a loopback repository, which the model's store loads from.
struct CatalogWorld : ModsWorld {
    CatalogWorld() { serve(); }
    ~CatalogWorld() { pointRepositoryNowhere(); }
};

// The window over the model, with the recording desktop services.
struct Shell : ModsWorld {
    std::unique_ptr<MainWindow> window;

    explicit Shell(bool withGame = true) : ModsWorld(withGame) {}
    MainWindow& open() {
        start();
        window = std::make_unique<MainWindow>(state.get());
        window->show();
        settle();
        return *window;
    }
    template <typename T = QWidget> T* find(const QString& name) const {
        T* found = window->findChild<T*>(name);
        if (!found) qWarning("no %s", qPrintable(name));
        return found;
    }
    QAbstractButton* button(const QString& name) const { return find<QAbstractButton>(name); }
    QString text(const QString& name) const { return find<QLabel>(name)->text(); }
    bool shown(const QString& name) const {
        return window->findChild<QWidget*>(name) && find(name)->isVisible();
    }
    StepCard* card(int step) const { return window->stepsPane()->card(step); }
};
