#pragma once

#include "install/InstallPlan.h"
#include "platform/Http.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class Change;

// The one way packages from the repositories go into a game folder, whichever action asks: a
// catalog install, a release picked by hand, updates, what a mod is missing, a profile import,
// the command line. It checks every address is a repository's and downloads several archives at
// once; each step (an install or a replacement inside a Change, then its install record) is
// taken as soon as its archive and the steps it depends on are in, while the other archives
// still download. An all-or-nothing run waits for every archive before it changes anything.
//
// The rule when something fails: a package whose dependency failed (its download, its archive,
// its install) is not installed either, and the report says which dependency it waited for.
// A dependency the catalog lacks stops nothing: the package goes in and the report names what
// to install by hand. A replacement that fails leaves the installed release as it was.
//
// The player's Cancel stops the transfers and starts no step after the one at work, which is
// finished (in an all-or-nothing run, everything is then undone); the report says what went in
// and the step it stopped before.
namespace Pipeline {

struct Failure {
    QString name;
    QString reason; // one sentence, or "Name: reason" material
};

// How a run ended; every sentence the player reads at the end of one comes from here.
struct Report {
    QList<TSPackage> installed;       // in the order they went in
    qsizetype requestedInstalled = 0; // of them, the ones asked for rather than brought along
    QList<Failure> failed;
    QStringList notFound;                 // dependencies the catalog lacks
    std::optional<QString> stoppedBefore; // the player's Cancel: the first step it left out
    bool cancelled = false;               // stopped before anything changed
    bool undone = false;                  // an all-or-nothing run failed and put everything back

    // A catalog install: "Installed X", "Installed X with 2 dependencies (A, B)", or what went in
    // when X itself didn't ("Installed A, but not X"); none when nothing went in.
    std::optional<QString> installedLine(const QString& requested) const;
    // Updates: "Updated 1 of 2 mods", and where the player stopped it; or that the Cancel came
    // before anything changed.
    QString updatedLine(qsizetype of) const;
    // Every failure on a line of its own, then what the catalog lacks; none when all went well.
    std::optional<QString> problems(const QString& separator = QStringLiteral("\n")) const;
    bool has(const QString& key) const; // installed
};

struct Options {
    // The player's Cancel, and the state going away: stops the transfers and the run before its
    // next step.
    Http::CancelFlag stop = Http::newCancelFlag();
    // The running step, and how far the run is (0…1; none while unknown).
    std::function<void(const QString& busy, std::optional<double> fraction)> show;
    // One change for the whole run: the first failure or a Cancel stops it and puts everything
    // back; `finish` runs in it.
    bool allOrNothing = false;
    // An all-or-nothing run's: once every archive is in, before the first install (an import's
    // new profile made active).
    std::function<void()> ready;
    // Last work inside the run's change, before its commit (an import's states and configs).
    std::function<void(Change&)> finish;
    int parallelDownloads = 4;
};

Report run(const InstallPlan::Plan& plan, const QString& gameDir, const Options& options);

} // namespace Pipeline
