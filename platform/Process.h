#pragma once

#include <QString>
#include <QStringList>

namespace Process {

struct Result {
    int code = -1; // exit status; -1 when the program could not be started or did not exit normally
    QString out;   // standard output and standard error, interleaved as written
};

// Runs a program to completion, blocking the calling thread (never call it on the GUI thread).
// No shell is involved; environment and working folder are inherited.
Result run(const QString& program, const QStringList& arguments);

// Starts a program that outlives us (closing Skaldrun must not end the game it started).
// Gives its process id, or the reason it could not start.
struct Started {
    qint64 pid = 0; // 0 when it did not start
    QString error;  // why it did not start
};
Started startDetached(const QString& program, const QStringList& arguments, const QString& workingDir);
bool isRunning(qint64 pid);

// The text in double quotes for a POSIX shell: the characters the shell still interprets there
// (" \ $ `) are escaped, so a folder name can never run a command when pasted into Terminal.
// A path without them comes out as itself between quotes.
QString shellQuoted(const QString& text);

} // namespace Process
