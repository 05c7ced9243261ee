#pragma once

#include "app/AppState.h"
#include "catalog/ThunderstoreStore.h"
#include "install/Installer.h"
#include "platform/Defaults.h"
#include "tests/support/LoopbackServer.h"
#include "tests/support/ModFixtures.h"
#include "tests/support/ModelWorld.h"
#include "tests/support/RecordingDoubles.h"
#include "tests/support/TestMain.h"
#include "tests/support/TestZip.h"
#include "tests/support/World.h"
#include "ui/MainWindow.h"
#include "ui/StepsPane.h"
#include "ui/Theme.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThreadPool>

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
        TestObject tc;                                                                                       \
        QTEST_SET_MAIN_SOURCE_PATH                                                                           \
        return QTest::qExec(&tc, argc, argv);                                                                \
    }

// The model over a made-up Mac home with Steam, the game and its saves, plus what the mods pane
// looks at: the BepInEx files, mods in the plugins folder, config files, the capture stash.
class ModsWorld : public Harness {
public:
    ModsWorld() { world.build(); }

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
        ready();
        return *state;
    }
    // Runs one more status refresh and waits for it to be published.
    bool refresh() {
        return act([this] { state->refreshAll(); });
    }
};

// The standard catalog served from a loopback repository, which the model's store loads from.
struct CatalogWorld : ModsWorld {
    CatalogWorld() { serve(); }
    ~CatalogWorld() { pointRepositoryNowhere(); }
    bool loadCatalog() {
        state->thunder()->loadIfNeeded(true); // an unchanged catalog publishes nothing new
        return QTest::qWaitFor([this] { return !state->thunder()->loading(); }, 10000) &&
               !state->thunder()->packages().isEmpty();
    }
};

// The window's tests share one process, so each builds its made-up Mac home in a folder of its
// own: HOME points there while the object lives, and the preferences start empty.
class FreshHome {
public:
    FreshHome() : m_dir(TestHome::path() + QStringLiteral("/home-XXXXXX")), m_world(m_dir.path()) {
        qputenv("HOME", QFile::encodeName(m_dir.path()));
        qputenv("SKALDRUN_MACHINE", "x86_64"); // an Intel Mac, unless the test names another
        forgetPreferences();
    }
    ~FreshHome() { qputenv("HOME", QFile::encodeName(TestHome::path())); }

    // Call once, before any FreshHome: the preferences file is placed by the HOME of its first use.
    static void pinPreferences() { Defaults::remove(QStringLiteral("gameDir")); }

    World& world() { return m_world; }
    QString path() const { return m_dir.path(); }

    // The BepInEx pack as the app's installer puts it in place, its launch script fixed for the Mac.
    void installBepInEx() {
        QTemporaryDir scratch;
        Installer::installZip(TestZip::bepInExPack().save(scratch.filePath(QStringLiteral("pack.zip"))),
                              m_world.gameDir());
    }
    // The launch script as the pack ships it, as a pack copied in by hand leaves it.
    void unpatchScript() {
        World::write(m_world.gameDir() + QStringLiteral("/start_game_bepinex.sh"), TestZip::launchScript());
    }
    void installMod(const QString& name, const QString& version) {
        QTemporaryDir scratch;
        Installer::installZip(
            TestZip::repositoryMod(name, version).save(scratch.filePath(name + QStringLiteral(".zip"))),
            m_world.gameDir());
    }
    // Everything the seven steps check, done the way Steam, BepInEx and the player would.
    void completeSetup(const AppState& state) {
        installBepInEx();
        m_world.setSteamLaunchOptions(state.launchOptionsString());
        m_world.writeLoaderLog();
    }

private:
    QTemporaryDir m_dir;
    World m_world;
};

// Lets every status probe finish and publish, and every view re-render.
inline void settle() {
    for (int i = 0; i < 3; ++i) {
        QThreadPool::globalInstance()->waitForDone();
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

// A refresh that sees the disk as it is now: no probe started earlier can publish after it.
inline void refresh(AppState& state) {
    settle();
    state.refreshAll();
    settle();
}

// The real model over the made-up home, with recording desktop services, in the shown window.
struct Shell {
    RecordingWorkspace workspace;
    RecordingClipboard clipboard;
    ScriptedOpenPanel panel;
    AppState state{AppState::Services{&workspace, &clipboard, &panel}};
    MainWindow window{&state};

    Shell() {
        window.show();
        settle();
    }
    template <typename T = QWidget> T* find(const char* name) const {
        return window.findChild<T*>(QString::fromUtf8(name));
    }
    QAbstractButton* button(const char* name) const { return find<QAbstractButton>(name); }
    QString text(const char* name) const { return find<QLabel>(name)->text(); }
    bool shown(const char* name) const { return find(name)->isVisible(); }
    StepCard* card(int step) const { return window.stepsPane()->card(step); }
};
