#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace Process {

struct Result {
    int code = -1; // exit status; -1 when the program could not be started or did not exit normally
    QString out;   // standard output and standard error, interleaved as written
};

// Runs a program to completion, blocking the calling thread (never call it on the GUI thread).
// No shell is involved; environment and working folder are inherited.
Result run(const QString& program, const QStringList& arguments);

// A program we started: its id, and when it started, which tells it apart from a later program
// the system gives the same id once it has ended.
struct Handle {
    qint64 pid = 0;                   // 0 when none
    std::optional<quint64> startTime; // see startTime(); none when it had already ended
};

// Starts a program that outlives us (closing Skaldrun must not end the game it started).
// Gives the program, or the reason it could not start.
struct Started {
    Handle process; // process.pid is 0 when it did not start
    QString error;  // why it did not start
};
Started startDetached(const QString& program, const QStringList& arguments, const QString& workingDir);
// That very program still runs: a live process holds its id and started when it did.
bool isRunning(const Handle& process);

// When the live process holding this id started, in the system's own units (only ever compared
// with another answer of this function); none when no live process holds it. A finished program
// nobody has reaped yet counts as ended. Each system has its own, in platform/linux, platform/mac.
std::optional<quint64> startTime(qint64 pid);

// The text in double quotes for a POSIX shell: the characters the shell still interprets there
// (" \ $ `) are escaped, so a folder name can never run a command when pasted into Terminal.
// A path without them comes out as itself between quotes.
QString shellQuoted(const QString& text);

} // namespace Process
