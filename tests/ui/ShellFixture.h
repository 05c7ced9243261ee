#pragma once

#include "app/AppState.h"
#include "install/Installer.h"
#include "platform/Defaults.h"
#include "tests/support/RecordingDoubles.h"
#include "tests/support/TestMain.h"
#include "tests/support/TestZip.h"
#include "tests/support/World.h"
#include "ui/MainWindow.h"
#include "ui/StepsPane.h"
#include "ui/Theme.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QThreadPool>

#define SKALDRUN_GUI_TEST_MAIN(TestObject) SKALDRUN_TEST_MAIN_IMPL(TestObject, QApplication)

// The window's tests share one process, so each builds its made-up Mac home in a folder of its
// own: HOME points there while the object lives, and the preferences start empty.
class FreshHome {
public:
    FreshHome() : m_dir(TestHome::path() + QStringLiteral("/home-XXXXXX")), m_world(m_dir.path()) {
        qputenv("HOME", QFile::encodeName(m_dir.path()));
        qunsetenv("SKALDRUN_MACHINE"); // the real machine, unless the test names one
        for (const char* key : {"gameDir", "launchOptsManual", "setupCollapsed", "consoleParam",
                                "didAutoCollapseSetup", "bepPackVersion"})
            Defaults::remove(QString::fromLatin1(key));
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
