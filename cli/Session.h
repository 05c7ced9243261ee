#pragma once

#include "app/AppState.h"
#include "cli/Headless.h"

#include <QString>

#include <functional>
#include <optional>

// Thrown for a command line that can't be run as written: exit status 2, the help text follows.
struct Misuse {
    QString message;
};

// The model for one command: the same AppState the window drives, with terminal services. Each
// long action is started and then waited for on this thread's event loop, which is what a
// command line is for; its busy text and progress go to stderr meanwhile.
class Session {
public:
    // gameDir: the folder named on the command line, if any.
    explicit Session(const std::optional<QString>& gameDir);
    ~Session();

    AppState& state() { return m_state; }
    // Installed mods as the last status refresh found them; the one place that reads them.
    QList<ModItem> mods() const { return m_state.snapshot().mods; }
    // The game folder to change: throws when there is none, or when another program is changing
    // it and doesn't stop within a few seconds.
    QString lockGameFolder();
    void refresh(); // a status refresh, waited for

    struct Outcome {
        std::optional<QString> done;  // the action's success text
        std::optional<QString> alert; // its error sentence
    };
    // Starts an action and waits until it has finished (at once when it ran without a busy text).
    Outcome act(const std::function<void()>& start);

private:
    void showProgress();

    TerminalWorkspace m_workspace;
    TerminalClipboard m_clipboard;
    NoOpenPanel m_panel;
    AppState m_state;
    std::unique_ptr<FolderLock> m_lock;
    bool m_terminal = false;
    QString m_shown; // the busy line last written
};

// Output: results to stdout, everything else to stderr, UTF-8 both.
void out(const QString& line);
void err(const QString& line);
