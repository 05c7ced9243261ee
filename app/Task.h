#pragma once

#include "install/Archive.h"
#include "platform/Http.h"

#include <QString>
#include <QUrl>

#include <exception>
#include <functional>
#include <memory>
#include <optional>

class AppState;

// The worker's side of one long action of AppState (AppState::runTask starts it): it names the
// stage the action is at, fetches over HTTP with the bar filling, and posts to the state.
// It carries the state's address and the state's cancel flag, never a QPointer: the flag is set
// on the GUI thread when the state goes away, and the address is used only on the GUI thread,
// after the flag was read there. Copies are cheap and share the flag.
class Task {
public:
    // How the action ended: the line for lastAction, the sentence for the alert, or both.
    struct Outcome {
        std::optional<QString> done;
        std::optional<QString> alert;
        static Outcome success(const QString& line) { return {line, std::nullopt}; }
        static Outcome failure(const QString& sentence) { return {std::nullopt, sentence}; }
    };
    using Work = std::function<Outcome(const Task&)>;

    // Thrown out of get and fetch when the state is going away: the action ends without a word.
    struct Stopped {};

    // A download into a folder of its own, removed with this value: a fixed name in the shared
    // temporary folder could be a link another user planted there.
    struct Download {
        std::unique_ptr<Installer::TemporaryFolder> folder;
        QString file;   // the body, when it arrived
        QString error;  // else why not, one sentence
        int status = 0; // the server's answer; 0 when none came
    };

    Task(AppState* state, Http::CancelFlag cancel) : m_state(state), m_cancel(std::move(cancel)) {}

    // Runs work here (a pool thread) and publishes its outcome; an exception becomes the alert.
    void run(const Work& work) const;
    // Runs fn on the GUI thread, unless the state is gone by then. Safe from any thread.
    void post(std::function<void(AppState&)> fn) const;
    // A new busy text; the bar goes back to unknown until a transfer reports again.
    void stage(const QString& busy) const;
    Http::Result get(const QUrl& url) const;
    // The part of the bar a download fills, for an action that downloads several things.
    struct Share {
        double from;
        double to;
    };
    Download fetch(const QUrl& url, const QString& fileName, Share share = {0, 1}) const;

    // The sentence the player reads for a failure.
    static QString errorText(const std::exception& e);

private:
    Http::Progress progress(Share share) const;

    AppState* m_state;
    Http::CancelFlag m_cancel;
};
