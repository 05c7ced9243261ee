// AppState's actions for updates and dependencies: the plan, updating and picking releases,
// the pins, acting on a mod together with its dependants, and the releases' documents.

#include "app/AppState.h"

#include "catalog/Thunderstore.h"
#include "catalog/ThunderstoreStore.h"
#include "catalog/Version.h"
#include "config/ConfigStore.h"
#include "discovery/Outside.h"
#include "install/Installer.h"
#include "platform/AppSupport.h"
#include "platform/Async.h"
#include "platform/Fs.h"
#include "platform/Log.h"
#include "platform/SkaldrunError.h"
#include "platform/Trash.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <vector>

using Outcome = Task::Outcome;

namespace {

QString pinsFile() {
    return Fs::join(AppSupport::dir(), QStringLiteral("update-pins.json"));
}

QJsonObject allPins() {
    const auto bytes = Fs::tryRead(pinsFile());
    return bytes ? QJsonDocument::fromJson(*bytes).object() : QJsonObject();
}

QSet<QString> pinsOf(const std::optional<QString>& gameDir) {
    QSet<QString> pins;
    if (!gameDir) return pins;
    for (const auto& name : allPins().value(*gameDir).toArray())
        pins.insert(name.toString());
    return pins;
}

// One mod's part of an update run: its new release and the packages that release newly needs.
struct Step {
    std::optional<ModItem> mod; // none: a package not installed yet
    TSPackage package;
    QList<TSPackage> dependencies;
    QStringList missing; // dependencies the catalog lacks
};

Step stepFor(const std::optional<ModItem>& mod, const TSPackage& package, const PackageIndex& index,
             const QSet<QString>& installed, bool loaderSetUp) {
    Thunderstore::Resolution resolution =
        Thunderstore::resolutionChain(package, index, installed, loaderSetUp);
    resolution.chain.removeLast(); // the package itself
    return {mod, package, resolution.chain, resolution.missing};
}

QSet<QString> installedNames(const QList<ModItem>& mods) {
    QSet<QString> names;
    for (const ModItem& mod : mods)
        names.insert(ConfigStore::normalize(mod.name));
    return names;
}

QUrl checkedDownload(const TSPackage& p) {
    if (!p.downloadURL) throw SkaldrunError(QStringLiteral("no download URL"));
    // The catalog is outside input: archives come from the repositories and their CDNs only.
    if (!Repository::trustedDownload(*p.downloadURL))
        throw SkaldrunError(QStringLiteral("refused to download from %1, which is neither Thunderstore's "
                                           "nor Hexium's")
                                .arg(p.downloadURL->host()));
    return *p.downloadURL;
}

Task::Download fetchPackage(const Task& task, const TSPackage& p, Task::Share share) {
    Task::Download zip = task.fetch(checkedDownload(p), QStringLiteral("package.zip"), share);
    if (zip.file.isEmpty()) throw SkaldrunError(zip.error);
    return zip;
}

// Puts the player's copies back over config files the archive replaced; files it added stay.
void restoreConfigs(const QString& saved, const QString& configDir) {
    Fs::walk(saved, [&](const Fs::Entry& entry) {
        if (entry.isDir || entry.isSymLink) return !entry.isSymLink;
        const QString target = Fs::join(configDir, entry.path.mid(saved.size() + 1));
        if (Fs::tryRead(target) != Fs::tryRead(entry.path)) {
            Fs::remove(target);
            Fs::copyFile(entry.path, target);
        }
        return true;
    });
}

// Installs a downloaded release over an installed mod. The old one waits beside the plugins
// folder until the new one is in; any failure puts it back and removes what the new one left.
// A mod that was switched off stays off; its config files stay as the player left them.
void replaceMod(const QString& zip, const ModItem& mod, const QString& gameDir) {
    const QString plugins = Installer::ensurePlugins(gameDir);
    const QString configDir = Fs::join(gameDir, Outside::configDir);
    const Installer::TemporaryFolder configs;
    const QString saved = Fs::join(configs.path, QStringLiteral("config"));
    if (Fs::isDir(configDir)) Fs::copyItem(configDir, saved);
    // Beside the plugins folder, on the same disk: BepInEx loads nothing from there.
    const QString asideDir = Fs::join(gameDir, QStringLiteral("BepInEx/.skaldrun-updating"));
    Fs::mkpath(asideDir);
    const QString aside = Fs::join(asideDir, Fs::fileName(mod.url));
    Fs::remove(aside);
    Fs::move(mod.url, aside);
    const QStringList before = Fs::list(plugins).value_or(QStringList());
    const auto added = [&] {
        QStringList paths;
        for (const QString& name : Fs::list(plugins).value_or(QStringList()))
            if (!before.contains(name)) paths << Fs::join(plugins, name);
        return paths;
    };
    try {
        Installer::installZip(zip, gameDir);
        if (Fs::isDir(saved)) restoreConfigs(saved, configDir);
        if (!mod.enabled) {
            const QStringList paths = added();
            for (const ModItem& installed : ModScanner::scan(gameDir))
                if (paths.contains(installed.url) || installed.url == mod.url)
                    ModScanner::setEnabled(installed, false);
        }
    } catch (...) {
        for (const QString& path : added())
            Fs::remove(path);
        Fs::remove(mod.url);
        Fs::move(aside, mod.url);
        if (Fs::isDir(saved)) restoreConfigs(saved, configDir);
        Fs::remove(asideDir);
        throw;
    }
    Fs::remove(asideDir);
}

// Downloads everything first, then installs the new dependencies, then swaps the mod.
void runStep(const Task& task, const Step& step, const QString& gameDir, Task::Share share) {
    const double width = (share.to - share.from) / double(step.dependencies.size() + 1);
    const Task::Download zip = fetchPackage(task, step.package, {share.from, share.from + width});
    std::vector<Task::Download> needed;
    for (qsizetype i = 0; i < step.dependencies.size(); ++i) {
        const double from = share.from + width * double(i + 1);
        needed.push_back(fetchPackage(task, step.dependencies[i], {from, from + width}));
    }
    for (qsizetype i = 0; i < step.dependencies.size(); ++i) {
        Installer::installZip(needed[size_t(i)].file, gameDir);
        Thunderstore::rememberOrigin(gameDir, step.dependencies[i]);
    }
    if (step.mod && Fs::itemExists(step.mod->url))
        replaceMod(zip.file, *step.mod, gameDir);
    else
        Installer::installZip(zip.file, gameDir);
    Thunderstore::rememberOrigin(gameDir, step.package);
}

QString modsCounted(qsizetype n) {
    return QString::number(n) + (n == 1 ? QStringLiteral(" mod") : QStringLiteral(" mods"));
}

} // namespace

void AppState::recomputePlan(const QList<ModItem>& mods) {
    m_plan = UpdatePlan::compute(mods, m_catalogView,
                                 m_gameDir ? Thunderstore::origins(*m_gameDir)
                                           : QHash<QString, Thunderstore::Origin>(),
                                 pinsOf(m_gameDir));
    Q_EMIT planChanged();
}

void AppState::catalogChanged() {
    m_catalogView = UpdatePlan::view(m_thunder->packages(), m_thunder->indexByOwnerName());
    recomputePlan(m_snapshot.mods);
    Q_EMIT changed();
}

bool AppState::updatesOffered(const QString& modName) const {
    return !pinsOf(m_gameDir).contains(ConfigStore::normalize(modName));
}

void AppState::setUpdatesOffered(const QString& modName, bool offered) {
    if (!m_gameDir) return;
    QJsonObject all = allPins();
    QSet<QString> pins = pinsOf(m_gameDir);
    const QString key = ConfigStore::normalize(modName);
    offered ? void(pins.remove(key)) : void(pins.insert(key));
    QStringList sorted(pins.cbegin(), pins.cend());
    sorted.sort();
    all.insert(*m_gameDir, QJsonArray::fromStringList(sorted));
    try {
        Fs::mkpath(AppSupport::dir());
        Fs::writeAtomic(pinsFile(), QJsonDocument(all).toJson());
    } catch (const SkaldrunError& e) {
        setAlertMessage(e.message());
        return;
    }
    recomputePlan(m_snapshot.mods);
    setLastAction(offered ? QStringLiteral("Updates for %1 are offered again").arg(modName)
                          : QStringLiteral("No updates will be offered for %1").arg(modName));
}

void AppState::updateMods(const QList<UpdatePlan::Update>& updates) {
    // One long action at a time: the views hold their buttons back meanwhile, the model too.
    if (!m_gameDir || updates.isEmpty() || m_busyMessage || !claimGameFolder()) return;
    m_updateCancel = Http::newCancelFlag();
    const auto index = m_thunder->indexByOwnerName();
    QSet<QString> installed = installedNames(m_snapshot.mods);
    QList<Step> steps;
    for (const UpdatePlan::Update& update : updates) {
        steps << stepFor(update.mod, update.package, index, installed, m_snapshot.bepFilesPresent);
        for (const TSPackage& p : steps.last().dependencies) // a dependency comes once
            installed.insert(ConfigStore::normalize(p.name));
    }
    const qsizetype n = steps.size();
    runTask(QStringLiteral("Updating %1…").arg(modsCounted(n)),
            [steps, dir = *m_gameDir, stop = m_updateCancel](const Task& task) -> Outcome {
                qsizetype updated = 0;
                QStringList failures;
                std::optional<QString> stopped;
                for (qsizetype k = 0; k < steps.size(); ++k) {
                    const QString name = steps[k].mod ? steps[k].mod->name : steps[k].package.prettyName();
                    if (stop->load()) {
                        stopped = QStringLiteral("stopped before %1").arg(name);
                        break;
                    }
                    const QString text = QStringLiteral("Updating %1 to %2 (%3 of %4)…")
                                             .arg(name, steps[k].package.version)
                                             .arg(k + 1)
                                             .arg(steps.size());
                    task.post([text](AppState& state) { state.setBusyMessage(text); });
                    try {
                        runStep(task, steps[k], dir,
                                {double(k) / double(steps.size()), double(k + 1) / double(steps.size())});
                        ++updated;
                        if (!steps[k].missing.isEmpty())
                            failures << QStringLiteral("%1 needs %2, which the catalog lacks")
                                            .arg(name, steps[k].missing.join(QStringLiteral(", ")));
                    } catch (const Task::Stopped&) {
                        throw;
                    } catch (const std::exception& e) {
                        failures << name + QStringLiteral(": ") + Task::errorText(e);
                    }
                }
                QString line = QStringLiteral("Updated %1 of %2").arg(updated).arg(modsCounted(steps.size()));
                if (stopped) line += QStringLiteral("; ") + *stopped;
                if (failures.isEmpty()) return Outcome::success(line);
                return Outcome::failure(line + QStringLiteral("; ") + failures.join(QStringLiteral("; ")));
            });
}

void AppState::cancelUpdates() {
    m_updateCancel->store(true);
    if (m_busyMessage) setBusyMessage(QStringLiteral("Stopping after this mod…"));
}

void AppState::installVersion(const TSPackage& package, const QString& version, bool keep) {
    if (!m_gameDir) {
        setAlertMessage(QStringLiteral("Locate your Valheim folder first (step 1)."));
        return;
    }
    TSPackage release;
    try {
        release = package.atVersion(version);
    } catch (const SkaldrunError& e) {
        setAlertMessage(e.message());
        return;
    }
    if (m_busyMessage || !claimGameFolder()) return;
    const std::optional<ModItem> mod = installedMod(package);
    const QString name = mod ? mod->name : package.prettyName();
    if (keep) setUpdatesOffered(name, false);
    const Step step = stepFor(mod, release, m_thunder->indexByOwnerName(), installedNames(m_snapshot.mods),
                              m_snapshot.bepFilesPresent);
    runTask(QStringLiteral("Installing %1 %2…").arg(name, version),
            [step, name, version, dir = *m_gameDir](const Task& task) -> Outcome {
                runStep(task, step, dir, {0, 1});
                Outcome outcome = Outcome::success(QStringLiteral("Installed %1 %2").arg(name, version));
                if (!step.missing.isEmpty())
                    outcome.alert = QStringLiteral("Not in the catalog (install manually): ") +
                                    step.missing.join(QStringLiteral(", "));
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
            failures << QStringLiteral("Couldn't toggle %1: %2").arg(mod.name, Task::errorText(e));
        }
    }
    releaseGameFolder();
    if (!done.isEmpty())
        setLastAction(done.join(QStringLiteral(", ")) +
                      (enabled ? QStringLiteral(" enabled") : QStringLiteral(" disabled")));
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
            failures << QStringLiteral("Couldn't remove %1: %2").arg(mod.name, Task::errorText(e));
        }
    }
    releaseGameFolder();
    if (!done.isEmpty())
        setLastAction(QStringLiteral("Moved %1 to Trash").arg(done.join(QStringLiteral(", "))));
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
    if (missing.isEmpty() || !m_gameDir || m_busyMessage || !claimGameFolder()) return;
    const auto index = m_thunder->indexByOwnerName();
    QSet<QString> installed = installedNames(m_snapshot.mods);
    QList<Step> steps;
    for (const TSPackage& p : missing) {
        if (installed.contains(ConfigStore::normalize(p.name))) continue;
        steps << stepFor(std::nullopt, p, index, installed, m_snapshot.bepFilesPresent);
        installed.insert(ConfigStore::normalize(p.name));
        for (const TSPackage& d : steps.last().dependencies)
            installed.insert(ConfigStore::normalize(d.name));
    }
    runTask(QStringLiteral("Installing what %1 needs…").arg(mod.name),
            [steps, name = mod.name, dir = *m_gameDir](const Task& task) -> Outcome {
                QStringList done;
                for (const Step& step : steps) {
                    runStep(task, step, dir, {0, 1});
                    done << step.package.prettyName();
                }
                return Outcome::success(
                    QStringLiteral("Installed %1 for %2").arg(done.join(QStringLiteral(", ")), name));
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
