#pragma once

#include "app/AppState.h"
#include "catalog/ThunderstoreStore.h"
#include "platform/Defaults.h"
#include "platform/Http.h"
#include "tests/support/FakeRepository.h"
#include "tests/support/RecordingDoubles.h"
#include "tests/support/TestMain.h"
#include "tests/support/World.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QThreadPool>

#include <memory>

// The model over a made-up world: one AppState over the world in the test home, with the
// desktop doubles, and a log of every busy text it assigned ("" for none). The model tests use it
// as it is; the views' tests through ModsWorld (tests/ui/UiFixture.h).
struct Harness {
    World world{TestHome::path()};
    RecordingWorkspace workspace;
    RecordingClipboard clipboard;
    ScriptedOpenPanel panel;
    std::unique_ptr<FakeRepository> repo;
    std::unique_ptr<AppState> state;
    std::unique_ptr<QSignalSpy> refreshes;
    QStringList busy;

    // An empty home and no preferences, as on an Intel Mac that never ran Skaldrun (the same on
    // every build machine; a test names arm64 itself).
    Harness() {
        QThreadPool::globalInstance()->waitForDone(); // nothing of the previous test still writes
        qputenv("SKALDRUN_MACHINE", "x86_64");
        for (const char* key :
             {"gameDir", "launchOptsManual", "setupCollapsed", "consoleParam", "didAutoCollapseSetup",
              "bepPackVersion"}) // what a run leaves in the preferences
            Defaults::remove(QString::fromLatin1(key));
        QDir(TestHome::path()).removeRecursively();
        QDir().mkpath(TestHome::path() + QStringLiteral("/tmp"));
        qputenv("TMPDIR", QFile::encodeName(TestHome::path() + QStringLiteral("/tmp")));
    }
    ~Harness() {
        state.reset();
        QThreadPool::globalInstance()->waitForDone();
        Http::setDefaultTimeouts({});
    }

    // The stand-in repository with the standard catalog, where the model will look for it.
    FakeRepository& serve() {
        repo = std::make_unique<FakeRepository>();
        repo->addStandardCatalog();
        repo->pointAppHere();
        return *repo;
    }

    // Loads the catalog anew (an unchanged one publishes nothing new) and waits for it.
    bool loadCatalog() {
        state->thunder()->loadIfNeeded(true);
        return QTest::qWaitFor([this] { return !state->thunder()->loading(); }, 10000);
    }
    AppState& make() {
        refreshes.reset();
        state = std::make_unique<AppState>(AppState::Services{workspace, clipboard, panel, world.platform()});
        refreshes = std::make_unique<QSignalSpy>(state.get(), &AppState::refreshed);
        QObject::connect(state.get(), &AppState::busyMessageChanged, state.get(),
                         [this] { busy << state->busyMessage().value_or(QString()); });
        return *state;
    }
    // Forgets the busy log and remembers how many refreshes were published.
    int mark() {
        busy.clear();
        return int(refreshes->count());
    }
    bool refreshedSince(int mark) const { return refreshes->count() > mark && !state->busyMessage(); }
    // Runs an action and waits until it has finished and a refresh started after it was published.
    bool act(const std::function<void()>& action, int timeoutMs = 10000) {
        const int m = mark();
        action();
        return QTest::qWaitFor([&] { return refreshedSince(m); }, timeoutMs);
    }
    // Runs an action to its end and gives its success line, without one left by an earlier action.
    QString done(const std::function<void()>& action) {
        state->setLastAction(std::nullopt);
        return act(action) ? state->lastAction().value_or("(no success line)") : "(never finished)";
    }
    // A new state over the world, once its first refresh is published.
    bool ready() {
        make();
        return QTest::qWaitFor([&] { return refreshes->count() == 1; });
    }
    bool start() {
        world.build();
        return ready();
    }

    QString game(const QString& rel = {}) const {
        return world.gameDir() + (rel.isEmpty() ? QString() : "/" + rel);
    }
    // The BepInEx files as the pack leaves them, the launch script naming `executableLine`.
    void bepFiles(const QByteArray& executableLine = "executable_name=\"Valheim\"") const {
        World::write(game("BepInEx/core/BepInEx.dll"), "MZ");
        World::write(game("doorstop_libs/libdoorstop_x64." + QString(world.isLinux() ? "so" : "dylib")),
                     "injector");
        World::write(game("start_game_bepinex.sh"),
                     "#!/bin/sh\n" + executableLine + "\nexec \"$executable_name\"\n");
        QFile::setPermissions(game("start_game_bepinex.sh"),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QDir().mkpath(world.pluginsDir());
    }
    void plugin(const QString& rel) const { World::write(world.pluginsDir() + "/" + rel, "MZ plugin"); }
    // BepInEx's log of a launch that ended at 10:`minute` on 1 April 2026 (its file's date): the
    // loader's lines about the plugins given, its end, then the game's version.
    bool writeLaunchLog(const QByteArray& plugins, const QByteArray& version, int minute) const {
        const QString log = game("BepInEx/LogOutput.log");
        World::write(log, "[Message:   BepInEx] BepInEx 5.4.22.0 - valheim\n" + plugins +
                              "[Message:   BepInEx] Chainloader startup complete\n"
                              "[Info   : Unity Log] Valheim version: " +
                              version + " (network version 36)\n");
        QFile file(log);
        return file.open(QIODevice::ReadWrite) &&
               file.setFileTime(QDateTime(QDate(2026, 4, 1), QTime(10, minute)),
                                QFileDevice::FileModificationTime);
    }
};

inline std::optional<ModItem> modNamed(const AppState& s, const QString& name) {
    for (const ModItem& m : s.snapshot().mods)
        if (m.name == name) return m;
    return std::nullopt;
}
