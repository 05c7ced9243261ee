#pragma once

#include <QCommandLineParser>
#include <QStringList>

class Session;

// The commands, each given the session and its own arguments (the words after its name). They
// print results to stdout and return; failures throw SkaldrunError (exit 1) or Misuse (exit 2).
namespace Commands {

struct Options {
    bool json = false;
    bool all = false;
    bool dryRun = false;
    bool deleteForGood = false;
    bool copy = false;
    QString sort;
    QString file; // profile export
    bool code = false;
    bool replace = false;
    QString name; // profile import: the new profile's name
};

// Checks the words and options of a command before anything runs; throws Misuse.
void check(const QString& command, const QStringList& args, const Options& options);
// Whether the command works on a game folder (status, search and saves also run without one).
bool needsGameFolder(const QString& command);
void run(Session& session, const QString& command, const QStringList& args, const Options& options);

} // namespace Commands
