#include "cli/Session.h"

#include "platform/FolderLock.h"
#include "platform/Http.h"
#include "platform/Platform.h"
#include "platform/SkaldrunError.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThreadPool>

#include <cmath>
#include <cstdio>
#include <unistd.h>

namespace {

// Long enough for the window's quick actions (a toggle, a rename) to finish; short enough for a
// script not to hang on an install that someone else is running.
constexpr int lockWaitMs = 3000;
constexpr int cancelPollMs = 100;

} // namespace

void out(const QString& line) {
    std::fputs((line + QLatin1Char('\n')).toUtf8().constData(), stdout);
}

void err(const QString& line) {
    std::fputs((line + QLatin1Char('\n')).toUtf8().constData(), stderr);
}

Session::Session(const std::optional<QString>& gameDir)
    : m_state(AppState::Services{m_workspace, m_clipboard, m_panel, Platforms::ofThisMachine()}),
      m_terminal(isatty(STDERR_FILENO)) {
    if (gameDir) m_state.useGameFolder(*gameDir);
    QObject::connect(&m_state, &AppState::changed, &m_state, [this] { showProgress(); });
    // The constructor's refresh (or the one for the named folder) is the status every command reads.
    QEventLoop loop;
    QObject::connect(&m_state, &AppState::refreshed, &loop, &QEventLoop::quit);
    loop.exec();
}

Session::~Session() {
    // A command can end (done or failed) while a worker still runs, a catalog load above all.
    // Its downloads stop now and file operations under way finish, while the state it reports
    // to and the application still exist; its reports are then dropped with the state. A
    // transfer begun after one cancel round is caught by the next.
    do {
        Http::cancelRunning();
    } while (!QThreadPool::globalInstance()->waitForDone(cancelPollMs));
}

QString Session::lockGameFolder() {
    const auto dir = m_state.gameDir();
    if (!dir)
        throw SkaldrunError(QCoreApplication::translate(
            "Session", "Couldn't find Valheim in any Steam library; name its folder with --game."));
    if (!m_lock) {
        auto lock = std::make_unique<FolderLock>(*dir);
        lock->acquire(lockWaitMs);
        m_lock = std::move(lock);
    }
    return *dir;
}

void Session::refresh() {
    QEventLoop loop;
    QObject::connect(&m_state, &AppState::refreshed, &loop, &QEventLoop::quit);
    m_state.refreshAll();
    loop.exec();
}

Session::Outcome Session::act(const std::function<void()>& start) {
    m_state.setAlertMessage(std::nullopt);
    m_state.setLastAction(std::nullopt);
    start();
    if (m_state.busyMessage()) {
        QEventLoop loop;
        // The action's last step clears the busy text and then sets its result in the same
        // event; the loop ends only after that event has run.
        QObject::connect(&m_state, &AppState::changed, &loop, [this, &loop] {
            if (!m_state.busyMessage()) loop.quit();
        });
        loop.exec();
    }
    return Outcome{m_state.lastAction(), m_state.alertMessage()};
}

void Session::showProgress() {
    const auto& busy = m_state.busyMessage();
    const auto& progress = m_state.busyProgress();
    if (!m_terminal) {
        // Plain lines for logs: one per step, none for each percent.
        if (busy && *busy != m_shown) err(*busy);
        m_shown = busy.value_or(QString());
        return;
    }
    QString line;
    if (busy) {
        line = *busy;
        if (progress) {
            const int filled = int(std::lround(*progress * 20));
            line += QStringLiteral(" [%1%2] %3%")
                        .arg(QString(filled, QLatin1Char('#')), QString(20 - filled, QLatin1Char(' ')))
                        .arg(std::lround(*progress * 100));
        }
    }
    if (line == m_shown) return;
    m_shown = line;
    std::fputs(("\r\033[K" + line).toUtf8().constData(), stderr);
    std::fflush(stderr);
}
