#include "app/Task.h"

#include "app/AppState.h"
#include "platform/Async.h"
#include "platform/Fs.h"
#include "platform/SkaldrunError.h"

#include <algorithm>
#include <atomic>

void Task::run(const Work& work) const {
    Outcome outcome;
    try {
        outcome = work(*this);
    } catch (const Stopped&) {
        return;
    } catch (const std::exception& e) {
        outcome.alert = errorText(e);
    }
    post([outcome](AppState& state) {
        state.setBusyMessage(std::nullopt);
        if (outcome.done) state.setLastAction(*outcome.done);
        if (outcome.alert) state.setAlertMessage(*outcome.alert);
        state.refreshAll();
    });
}

void Task::post(std::function<void(AppState&)> fn) const {
    Async::postToGui([state = m_state, cancel = m_cancel, fn = std::move(fn)] {
        if (!cancel->load()) fn(*state);
    });
}

void Task::stage(const QString& busy) const {
    post([busy](AppState& state) {
        state.setBusyProgress(std::nullopt);
        state.setBusyMessage(busy);
    });
}

Http::Progress Task::progress(Share share) const {
    // Whole percents only: a fast download would otherwise flood the GUI thread.
    auto lastPercent = std::make_shared<std::atomic<int>>(-1);
    return [task = *this, lastPercent, share](qint64 received, qint64 total) {
        if (total <= 0) return;
        const int percent = int(std::clamp<qint64>(received * 100 / total, 0, 100));
        if (lastPercent->exchange(percent) == percent) return;
        task.post([percent, share](AppState& state) {
            if (state.busyMessage())
                state.setBusyProgress(share.from + (share.to - share.from) * percent / 100.0);
        });
    };
}

Http::Result Task::get(const QUrl& url) const {
    Http::Result answer = Http::get(url, {}, Http::defaultTimeouts(), m_cancel);
    if (answer.cancelled) throw Stopped{};
    return answer;
}

Task::Download Task::fetch(const QUrl& url, const QString& fileName, Share share) const {
    Download download;
    try {
        download.folder = std::make_unique<Installer::TemporaryFolder>();
    } catch (const std::exception& e) {
        download.error = errorText(e);
        return download;
    }
    const QString file = Fs::join(download.folder->path, fileName);
    const Http::Result result = Http::download(url, file, progress(share), Http::defaultTimeouts(), m_cancel);
    // The state is going away: start no further download or install.
    if (result.cancelled || m_cancel->load()) throw Stopped{};
    download.status = result.status;
    if (result.responded)
        download.file = file;
    else
        download.error = result.error;
    return download;
}

QString Task::errorText(const std::exception& e) {
    if (const auto* own = dynamic_cast<const SkaldrunError*>(&e)) return own->message();
    return QString::fromLocal8Bit(e.what());
}
