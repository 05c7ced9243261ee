#pragma once

#include "app/AppState.h"
#include "catalog/ThunderstoreStore.h"
#include "install/Installer.h"
#include "tests/support/FakeRepository.h"
#include "tests/support/LoopbackServer.h"
#include "tests/support/ModFixtures.h"
#include "tests/support/RecordingDoubles.h"
#include "tests/support/TestMain.h"
#include "tests/support/TestZip.h"
#include "tests/support/World.h"
#include "ui/Theme.h"

#include <QApplication>
#include <QDir>
#include <QSignalSpy>

#include <memory>

// The GUI tests' main: the temporary home, a QApplication with the app's look, and the machine
// the test pretends to run on.
// The symbols live in the static UI library's resources, which the linker drops unless asked for.
#define SKALDRUN_GUI_TEST_MAIN(TestObject, machine)                                                          \
    int main(int argc, char* argv[]) {                                                                       \
        Q_INIT_RESOURCE(symbols);                                                                            \
        TestHome::install();                                                                                 \
        qputenv("SKALDRUN_MACHINE", machine);                                                                \
        ModsWorld::pointRepositoryNowhere();                                                                 \
        QApplication app(argc, argv);                                                                        \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                             \
        Theme::apply(app);                                                                                   \
        TestObject tc;                                                                                       \
        QTEST_SET_MAIN_SOURCE_PATH                                                                           \
        return QTest::qExec(&tc, argc, argv);                                                                \
    }

// A Mac-like home with Steam, the game and its saves, plus what the mods pane looks at: the
// BepInEx files, mods in the plugins folder, config files, the capture stash. The model is
// started on it with desktop doubles.
class ModsWorld {
public:
    ModsWorld() : world(TestHome::path()) {
        reset();
        world.build();
    }
    ~ModsWorld() {
        state.reset();
        reset();
    }

    // The loader's three files, as the probe looks for them.
    void installLoader() const {
        World::write(world.gameDir() + QStringLiteral("/BepInEx/core/BepInEx.dll"),
                     TestZip::dll(QStringLiteral("5.4.2202")));
        World::write(world.gameDir() + QStringLiteral("/doorstop_libs/libdoorstop_x64.dylib"),
                     QByteArray(64, 'D'));
        World::write(world.gameDir() + QStringLiteral("/start_game_bepinex.sh"), TestZip::launchScript());
        QDir().mkpath(world.pluginsDir());
    }

    // A folder mod with `enabled` and `disabled` DLLs and, when given, a manifest version.
    QString addFolderMod(const QString& folder, int enabled, int disabled = 0,
                         const QString& version = {}) const {
        QString dir = world.pluginsDir() + QLatin1Char('/') + folder;
        QDir().mkpath(dir);
        for (int i = 0; i < enabled; ++i)
            World::write(dir +
                             QStringLiteral("/%1%2.dll").arg(folder).arg(i ? QString::number(i) : QString()),
                         ModFixtures::fakeDll(1, 0, 0, 0));
        for (int i = 0; i < disabled; ++i)
            World::write(dir + QStringLiteral("/%1Off%2.dll.disabled").arg(folder).arg(i),
                         ModFixtures::fakeDll(1, 0, 0, 0));
        if (!version.isEmpty())
            World::write(dir + QStringLiteral("/manifest.json"),
                         QStringLiteral("{\"name\": \"%1\", \"version_number\": \"%2\"}")
                             .arg(folder, version)
                             .toUtf8());
        return dir;
    }
    QString addDataMod(const QString& folder) const {
        QString dir = world.pluginsDir() + QLatin1Char('/') + folder;
        World::write(dir + QStringLiteral("/textures/sign.png"), "PNG");
        return dir;
    }
    QString addLooseDll(const QString& name, bool enabled = true) const {
        QString path = world.pluginsDir() + QLatin1Char('/') + name +
                       (enabled ? QStringLiteral(".dll") : QStringLiteral(".dll.disabled"));
        World::write(path, ModFixtures::fakeDll(2, 1, 0, 0));
        return path;
    }
    QString addConfig(const QString& fileName, const QByteArray& text) const {
        QString path = world.gameDir() + QStringLiteral("/BepInEx/config/") + fileName;
        World::write(path, text);
        return path;
    }
    void stashForCapture(int entries) const {
        const QString stash = Installer::captureStashDir(world.gameDir());
        for (int i = 0; i < entries; ++i)
            World::write(stash + QStringLiteral("/Parked%1/Parked%1.dll").arg(i),
                         ModFixtures::fakeDll(1, 0, 0, 0));
    }

    // The catalog and every package download go to a port nobody listens on unless a test
    // points them at its loopback repository: no test ever reaches the real service.
    static void pointRepositoryNowhere() {
        qputenv("SKALDRUN_THUNDERSTORE_URL",
                "http://127.0.0.1:" + QByteArray::number(LoopbackServer::deadPort()));
    }

    AppState& start() {
        state = std::make_unique<AppState>(AppState::Services{&workspace, &clipboard, &panel});
        waitForRefresh();
        return *state;
    }
    // Runs one more status refresh and waits for it to be published.
    bool refresh() {
        state->refreshAll();
        return waitForRefresh();
    }

    World world;
    RecordingWorkspace workspace;
    RecordingClipboard clipboard;
    ScriptedOpenPanel panel;
    std::unique_ptr<AppState> state;

private:
    bool waitForRefresh() {
        QSignalSpy published(state.get(), &AppState::refreshed);
        return published.wait(10000);
    }
    // Every test starts from an empty home: no game folder, preferences, stash or copies.
    void reset() const {
        QDir home(TestHome::path());
        for (const QString& entry : home.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
            QDir(home.filePath(entry)).exists() ? void(QDir(home.filePath(entry)).removeRecursively())
                                                : void(QFile::remove(home.filePath(entry)));
    }
};

// The standard catalog served from a loopback repository, which the model's store loads from.
struct CatalogWorld : ModsWorld {
    FakeRepository repo;
    CatalogWorld() {
        repo.addStandardCatalog();
        qputenv("SKALDRUN_THUNDERSTORE_URL", repo.baseUrl().toUtf8());
    }
    ~CatalogWorld() { pointRepositoryNowhere(); }
    bool loadCatalog() {
        QSignalSpy published(state->thunder(), &ThunderstoreStore::packagesChanged);
        state->thunder()->loadIfNeeded(true);
        return published.wait(10000) && !state->thunder()->packages().isEmpty();
    }
};
