// Opens Skaldrun on a made-up game world served from this machine, so the whole journey can be
// walked without Steam, a Mac or the Internet. Everything lives in one temporary folder that is
// removed when the window closes.
#include "app/AppState.h"
#include "platform/Http.h"
#include "platform/Process.h"
#include "platform/gui/DesktopServices.h"
#include "tests/support/FakeRepository.h"
#include "tests/support/StandIns.h"
#include "tests/support/World.h"
#include "ui/Application.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QDir>
#include <QSocketNotifier>
#include <QTemporaryDir>

#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace {

int quitPipe[2] = {-1, -1};

// Ctrl-C or a kill ends the demo like closing its window, so the world is still removed.
void askToQuit(int) {
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(quitPipe[1], &byte, 1);
}

} // namespace

int main(int argc, char* argv[]) {
    // The made-up home must be in place before Qt reads any location from the environment.
    QTemporaryDir home(QDir::tempPath() + QStringLiteral("/skaldrun-demo-XXXXXX"));
    if (!home.isValid()) {
        std::fprintf(stderr, "Couldn't create a temporary folder for the demo world.\n");
        return 1;
    }
    qputenv("HOME", QFile::encodeName(home.path()));
    for (const char* name : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME",
                             "SKALDRUN_TAB", "SKALDRUN_OPEN", "SKALDRUN_OPEN_CONFIG"})
        qunsetenv(name);

    QApplication app(argc, argv);
    Application::setUp(app);
    if (::pipe(quitPipe) == 0) {
        auto* notifier = new QSocketNotifier(quitPipe[0], QSocketNotifier::Read, &app);
        QObject::connect(notifier, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
        std::signal(SIGINT, askToQuit);
        std::signal(SIGTERM, askToQuit);
        std::signal(SIGHUP, askToQuit);
    }

    World world(home.path());
    world.build();
    FakeRepository repository;
    repository.addStandardCatalog();
    repository.pointAppHere();

    DesktopWorkspace desktop;
    SystemClipboard systemClipboard;
    StandInWorkspace workspace(world, &desktop);
    StandInClipboard clipboard(world, &systemClipboard);
    DialogOpenPanel openPanel;
    AppState state(AppState::Services{workspace, clipboard, openPanel});

    // Like a browser download on a Mac, the freshly installed loader arrives quarantined.
    QObject::connect(&state, &AppState::lastActionChanged, &state, [&] {
        const QString line = state.lastAction().value_or(QString());
        if (line.startsWith(QLatin1String("BepInEx")) &&
            line.endsWith(QLatin1String("installed into the game folder")) &&
            world.quarantineLoaderFiles() > 0)
            state.refreshAll();
    });

    MainWindow window(&state);
    openPanel.setWindow(&window);
    window.setWindowTitle(QStringLiteral("Skaldrun — demo world"));
    window.show();

    std::printf("Skaldrun demo\n"
                "  world:       %s\n"
                "  repository:  %s\n"
                "  Steam stand-in: copying the launch options pastes them into Steam; \"Launch Valheim\"\n"
                "  starts the game through BepInEx's script and it writes its log.\n"
                "Everything is removed when the window closes.\n",
                qPrintable(home.path()), qPrintable(repository.baseUrl()));
    std::fflush(stdout);
    return app.exec();
}
