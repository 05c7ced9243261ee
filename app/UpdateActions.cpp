// AppState's actions for updates and dependencies: the plan, updating and picking releases,
// the pins, acting on a mod together with its dependants, and the releases' documents.

#include "app/AppState.h"
#include "install/InstallRecords.h"

#include "catalog/Thunderstore.h"
#include "catalog/ThunderstoreStore.h"
#include "catalog/Version.h"
#include "config/ConfigStore.h"
#include "discovery/Outside.h"
#include "install/Installer.h"
#include "install/ModKey.h"
#include "install/Pipeline.h"
#include "platform/Async.h"
#include "platform/Fs.h"
#include "platform/Log.h"
#include "platform/SkaldrunError.h"
#include "platform/Trash.h"

#include <vector>

using Outcome = Task::Outcome;

namespace {

QSet<QString> pinsOf(const std::optional<QString>& gameDir) {
    return gameDir ? InstallRecords::pins(*gameDir) : QSet<QString>();
}

} // namespace

void AppState::recomputePlan(const QList<ModItem>& mods) {
    m_plan = UpdatePlan::compute(mods, m_catalogView,
                                 m_gameDir ? InstallRecords::all(*m_gameDir)
                                           : QHash<QString, InstallRecords::Record>(),
                                 pinsOf(m_gameDir));
    Q_EMIT planChanged();
}

void AppState::catalogChanged() {
    m_catalogView = UpdatePlan::view(m_thunder->packages(), m_thunder->indexByOwnerName());
    recomputePlan(m_snapshot.mods);
    Q_EMIT changed();
}

bool AppState::updatesOffered(const QString& modName) const {
    return !pinsOf(m_gameDir).contains(ModKey::of(modName));
}

void AppState::setUpdatesOffered(const QString& modName, bool offered) {
    if (!m_gameDir) return;
    try {
        InstallRecords::setPinned(*m_gameDir, modName, !offered);
    } catch (const SkaldrunError& e) {
        setAlertMessage(e.message());
        return;
    }
    recomputePlan(m_snapshot.mods);
    setLastAction(offered ? tr("Updates for %1 are offered again").arg(modName)
                          : tr("No updates will be offered for %1").arg(modName));
}

namespace {
// Read when needed, not at start-up: the translation is chosen after static initialisation.
QString quitToUpdate() {
    return AppState::tr(
        "Quit Valheim first — updating mods while the game or its server runs would change them "
        "under it.");
}
} // namespace

void AppState::updateMods(const QList<UpdatePlan::Update>& updates) {
    if (!m_gameDir || updates.isEmpty()) return;
    if (isValheimRunning()) {
        setAlertMessage(quitToUpdate());
        return;
    }
    QList<InstallPlan::Request> requests;
    for (const UpdatePlan::Update& update : updates)
        requests.append({update.package, update.mod});
    const qsizetype n = updates.size();
    runPipeline(tr("Updating %n mods…", nullptr, int(n)), requests, false,
                [n](const Pipeline::Report& report) -> Outcome {
                    Pipeline::Report counted = report;
                    counted.installed.resize(report.requestedInstalled);
                    const QString line = counted.updatedLine(n);
                    if (report.failed.isEmpty() && report.notFound.isEmpty()) return Outcome::success(line);
                    return Outcome::failure(tr("%1; %2").arg(line, *report.problems(QStringLiteral("; "))));
                });
}

void AppState::cancelUpdates() {
    m_runStop->store(true);
    if (m_busyMessage) setBusyMessage(tr("Stopping after this mod…"));
}

void AppState::installVersion(const TSPackage& package, const QString& version, bool keep) {
    if (!m_gameDir) {
        setAlertMessage(tr("Locate your Valheim folder first (step 1)."));
        return;
    }
    TSPackage release;
    try {
        release = package.atVersion(version);
    } catch (const SkaldrunError& e) {
        setAlertMessage(e.message());
        return;
    }
    const std::optional<ModItem> mod = installedMod(package);
    if (mod && isValheimRunning()) {
        setAlertMessage(quitToUpdate());
        return;
    }
    const QString name = mod ? mod->name : package.prettyName();
    if (keep) setUpdatesOffered(name, false);
    runPipeline(tr("Installing %1 %2…").arg(name, version), {{release, mod}}, false,
                [name, version](const Pipeline::Report& report) -> Outcome {
                    Outcome outcome;
                    if (report.requestedInstalled > 0)
                        outcome.done = tr("Installed %1 %2").arg(name, version);
                    outcome.alert = report.problems();
                    return outcome;
                });
}

void AppState::setModsEnabled(const QList<ModItem>& mods, bool enabled) {
    if (mods.isEmpty() || !claimGameFolder()) return;
    QStringList done;
    QStringList failures;
    for (const ModItem& mod : mods) {
        try {
            ModScanner::setEnabled(mod, enabled);
            done << mod.name;
        } catch (const std::exception& e) {
            failures << tr("Couldn't toggle %1: %2").arg(mod.name, Task::errorText(e));
        }
    }
    releaseGameFolder();
    if (!done.isEmpty())
        setLastAction((enabled ? tr("%1 enabled", nullptr, int(done.size()))
                               : tr("%1 disabled", nullptr, int(done.size())))
                          .arg(done.join(QStringLiteral(", "))));
    if (!failures.isEmpty()) setAlertMessage(failures.join(QLatin1Char('\n')));
    refreshMods();
}

void AppState::trashMods(const QList<ModItem>& mods) {
    if (mods.isEmpty() || !claimGameFolder()) return;
    QStringList done;
    QStringList failures;
    for (const ModItem& mod : mods) {
        try {
            Trash::moveToTrash(mod.url);
            done << mod.name;
        } catch (const std::exception& e) {
            failures << tr("Couldn't remove %1: %2").arg(mod.name, Task::errorText(e));
        }
    }
    releaseGameFolder();
    if (!done.isEmpty())
        setLastAction(
            tr("Moved %1 to Trash", nullptr, int(done.size())).arg(done.join(QStringLiteral(", "))));
    if (!failures.isEmpty()) setAlertMessage(failures.join(QLatin1Char('\n')));
    refreshMods();
}

void AppState::fixDependencies(const ModItem& mod) {
    const UpdatePlan::ModPlan* plan = m_plan.of(mod.name);
    if (!plan || plan->needs.isEmpty()) return;
    QList<ModItem> disabled;
    QList<TSPackage> missing;
    for (const UpdatePlan::Need& need : plan->needs) {
        if (need.disabled) disabled << *need.disabled;
        if (need.package) missing << *need.package;
    }
    if (!disabled.isEmpty()) setModsEnabled(disabled, true);
    if (missing.isEmpty() || !m_gameDir) return;
    QList<InstallPlan::Request> requests;
    for (const TSPackage& p : missing)
        requests.append({p, std::nullopt});
    runPipeline(tr("Installing what %1 needs…").arg(mod.name), requests, false,
                [name = mod.name](const Pipeline::Report& report) -> Outcome {
                    QStringList done;
                    for (const TSPackage& p : report.installed)
                        done << p.prettyName();
                    Outcome outcome;
                    if (!done.isEmpty())
                        outcome.done = tr("Installed %1 for %2").arg(done.join(QStringLiteral(", ")), name);
                    outcome.alert = report.problems();
                    if (!outcome.done && !outcome.alert)
                        outcome.done = tr("Nothing was missing for %1").arg(name);
                    return outcome;
                });
}

InstallPlan::Plan AppState::planFor(const QList<InstallPlan::Request>& requests,
                                    const QList<ModItem>& installed) const {
    QHash<QString, QString> recorded;
    const auto records =
        m_gameDir ? InstallRecords::all(*m_gameDir) : QHash<QString, InstallRecords::Record>();
    for (auto it = records.cbegin(); it != records.cend(); ++it)
        recorded.insert(it.key(), it->version);
    return InstallPlan::make(requests, installed, recorded, m_thunder->indexByOwnerName(),
                             m_snapshot.bepFilesPresent);
}

void AppState::runPipeline(const QString& busy, const QList<InstallPlan::Request>& requests,
                           bool allOrNothing, std::function<Outcome(const Pipeline::Report&)> tell,
                           const std::function<void(Pipeline::Options&)>& adjust) {
    runPlan(busy, planFor(requests, m_snapshot.mods), allOrNothing, std::move(tell), adjust);
}

void AppState::runPlan(const QString& busy, const InstallPlan::Plan& plan, bool allOrNothing,
                       std::function<Outcome(const Pipeline::Report&)> tell,
                       const std::function<void(Pipeline::Options&)>& adjust) {
    if (!m_gameDir || !claimGameFolder()) return;
    const QString dir = *m_gameDir;
    m_runStop = Http::newCancelFlag();
    Pipeline::Options options;
    options.stop = m_runStop;
    options.allOrNothing = allOrNothing;
    if (adjust) adjust(options);
    runTask(busy, [plan, dir, options, tell = std::move(tell), gone = m_cancel](const Task& task) mutable {
        options.show = [task](const QString& text, std::optional<double> fraction) {
            task.post([text, fraction](AppState& state) {
                if (state.busyMessage() != text) state.setBusyMessage(text);
                state.setBusyProgress(fraction);
            });
        };
        const Pipeline::Report report = Pipeline::run(plan, dir, options);
        if (gone->load()) throw Task::Stopped{};
        return tell(report);
    });
}

void AppState::fetchDocument(const TSPackage& package, const QString& version, PackageDocs::Kind kind,
                             std::function<void(const PackageDocs::Doc&)> done) const {
    Async::runInBackground([alive = m_cancel, source = package.source, owner = package.owner,
                            name = package.name, version, kind, done = std::move(done)] {
        PackageDocs::Doc doc = PackageDocs::fetch(source, owner, name, version, kind, alive);
        Async::postToGui([alive, doc = std::move(doc), done] {
            if (!alive->load()) done(doc);
        });
    });
}
