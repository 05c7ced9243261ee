// AppState's actions for sharing mod sets with r2modman and Gale players: reading a profile code
// or file into a preview, importing it into the game folder, exporting the mods as a pack.

#include "app/AppState.h"

#include "catalog/Thunderstore.h"
#include "catalog/ThunderstoreStore.h"
#include "catalog/Version.h"
#include "config/ConfigStore.h"
#include "install/Installer.h"
#include "install/Profiles.h"
#include "platform/Defaults.h"
#include "platform/Fs.h"
#include "platform/Log.h"
#include "platform/SkaldrunError.h"
#include "platform/Trash.h"

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutex>
#include <QRegularExpression>
#include <QThreadPool>

#include <algorithm>
#include <atomic>
#include <vector>

using Outcome = Task::Outcome;

namespace {

constexpr int parallelDownloads = 4;

// Hexium keeps codes on its main site, not on the Valheim host its catalog comes from.
QString keeperBase(Repository::Source source) {
    if (source == Repository::Source::hexium && !qEnvironmentVariableIsSet("SKALDRUN_HEXIUM_URL"))
        return QStringLiteral("https://hexium.gg");
    return Repository::baseUrl(source);
}

QUrl codeUrl(Repository::Source source, const QString& key) {
    return QUrl(keeperBase(source) + QStringLiteral("/api/experimental/legacyprofile/get/%1/").arg(key));
}

QString bepPackName() {
    return Repository::bepInExPack.ns + QLatin1Char('-') + Repository::bepInExPack.name;
}

// "1.2" -> "1.2.0": packs always carry three numbers.
QString threePart(const QString& version) {
    QStringList parts = version.split(QLatin1Char('.'));
    while (parts.size() < 3)
        parts << QStringLiteral("0");
    return parts.mid(0, 3).join(QLatin1Char('.'));
}

// One archive to fetch and install; dependencies come before the pack's mods that need them.
struct Step {
    TSPackage package;
    QString file; // once downloaded
};

struct ImportJob {
    QList<Step> steps;
    int packMods = 0;
    int current = 0; // pack mods already at their version
    QStringList notFound;
    QHash<QString, bool> enabled; // normalized mod name -> state the pack wants
    QSet<QString> keep;           // normalized names a replaced profile keeps
    ProfilePack::Profile pack;
    bool replace = false;
    QString dir;
    Http::CancelFlag stop;
    std::optional<QString> newProfile; // made and switched to once every download is in
};

// The pack's own name for its new profile, numbered when the folder has one by that name already.
QString freeProfileName(const QString& packName, const QStringList& existing) {
    QString base =
        packName.simplified().remove(QLatin1Char('/')).remove(QLatin1Char('\\')).remove(QLatin1Char(':'));
    while (base.startsWith(QLatin1Char('.')))
        base.remove(0, 1);
    base = base.left(Profiles::maxNameLength - 4).trimmed();
    if (base.isEmpty()) base = QStringLiteral("Imported");
    QString name = base;
    for (int n = 2; Profiles::nameProblem(name, existing); ++n)
        name = QStringLiteral("%1 %2").arg(base).arg(n);
    return name;
}

// A new profile the import gave up on; what it held came from the downloads, so nothing is lost.
void discardProfile(const QString& dir, const QString& name) {
    try {
        Profiles::remove(dir, name);
    } catch (const SkaldrunError& e) {
        qCDebug(lcApp) << "couldn't remove the abandoned profile" << name << e.message();
    }
}

QString importedLine(const ImportJob& job, int arrived) {
    QString line = QStringLiteral("Imported %1 of %2 mods").arg(arrived).arg(job.packMods);
    if (job.newProfile) line += QStringLiteral(" into the new profile ") + *job.newProfile;
    if (!job.notFound.isEmpty())
        line += QStringLiteral("; not found: ") + job.notFound.join(QStringLiteral(", "));
    return line;
}

} // namespace

void AppState::showImportStep(const Task& task, const QString& text, double fraction) {
    task.post([text, fraction](AppState& state) {
        state.setBusyMessage(text);
        state.setBusyProgress(fraction);
    });
}

void AppState::setPendingImport(const std::optional<ProfilePack::Profile>& pack) {
    assign(m_pendingImport, pack, &AppState::pendingImportChanged);
}

void AppState::discardPendingImport() {
    setPendingImport(std::nullopt);
}

std::optional<TSPackage> AppState::packageAt(const ProfilePack::Mod& mod) const {
    const QString key = mod.name.toLower();
    const Repository::Source other = mod.source == Repository::Source::hexium
                                         ? Repository::Source::thunderstore
                                         : Repository::Source::hexium;
    const ThunderstoreStore::Index merged = m_thunder->indexByOwnerName();
    for (const ThunderstoreStore::Index* index :
         {&m_thunder->indexOf(mod.source), &m_thunder->indexOf(other), &merged}) {
        const auto found = index->constFind(key);
        if (found != index->cend() && found->findVersion(mod.version)) return found->atVersion(mod.version);
    }
    return std::nullopt;
}

QList<AppState::ImportRow> AppState::importRows() const {
    QList<ImportRow> rows;
    if (!m_pendingImport) return rows;
    for (const ProfilePack::Mod& mod : m_pendingImport->mods) {
        const auto package = packageAt(mod);
        rows.append({mod, package ? std::optional(package->source) : std::nullopt});
    }
    return rows;
}

void AppState::readProfileFile(const QString& path) {
    try {
        if (QFileInfo(path).size() > ProfilePack::maxUnpackedBytes)
            throw SkaldrunError(QStringLiteral("%1 is far larger than any profile.").arg(Fs::fileName(path)));
        const QByteArray bytes = Fs::read(path);
        setPendingImport(ProfilePack::readAny(bytes));
    } catch (const std::exception& e) {
        setAlertMessage(Task::errorText(e));
    }
}

void AppState::chooseProfileFile() {
    OpenPanel::Request request;
    request.message = QStringLiteral("Choose a profile (.r2z or export.r2x) to import");
    request.fileSuffixes = {QStringLiteral("r2z"), QStringLiteral("r2x")};
    ask(request, [this](const QString& path) { readProfileFile(path); });
}

void AppState::readProfileCode(const QString& code) {
    static const QRegularExpression shape(
        QStringLiteral("^[0-9A-Fa-f]{8}(-?[0-9A-Fa-f]{4}){3}-?[0-9A-Fa-f]{12}$"));
    const QString key = code.trimmed();
    if (!shape.match(key).hasMatch()) {
        setAlertMessage(QStringLiteral("That isn't a profile code: codes look like "
                                       "018f2c4e-7b1a-4d3e-9f00-1c2b3a4d5e6f."));
        return;
    }
    runTask(QStringLiteral("Fetching the profile code…"), [key](const Task& task) -> Outcome {
        QString reachError;
        bool anyAnswered = false;
        for (const Repository::Source source : Repository::sources) {
            const Http::Result answer = task.get(codeUrl(source, key));
            if (!answer.responded) {
                reachError = answer.error;
                continue;
            }
            anyAnswered = true;
            if (answer.status == 404) continue;
            if (answer.status != 200)
                return Outcome::failure(QStringLiteral("%1 couldn't hand out that profile code (HTTP %2).")
                                            .arg(Repository::sourceName(source))
                                            .arg(answer.status));
            const ProfilePack::Profile pack = ProfilePack::readR2z(ProfilePack::decodeCode(answer.body));
            task.post([pack](AppState& state) { state.setPendingImport(pack); });
            return Outcome::success(
                QStringLiteral("Read the profile “%1”: %2 mods").arg(pack.name).arg(pack.mods.size()));
        }
        if (!anyAnswered)
            return Outcome::failure(QStringLiteral("Couldn't reach Thunderstore or Hexium for that code: ") +
                                    reachError);
        return Outcome::failure(
            QStringLiteral("That profile code wasn't found — it may have expired or been mistyped."));
    });
}

void AppState::cancelImport() {
    m_importCancel->store(true);
}

void AppState::importProfile(ImportTarget target, const QString& name) {
    if (!m_pendingImport || !m_gameDir) return;
    // A pack none of whose mods either repository offers is another game's (an r2modman export
    // of it, say): refused before any profile is made or switched.
    const QList<ProfilePack::Mod>& listed = m_pendingImport->mods;
    if (!listed.isEmpty() &&
        std::none_of(listed.cbegin(), listed.cend(), [this](const ProfilePack::Mod& mod) {
            return Thunderstore::isBepInExPack(mod.name.toLower()) || packageAt(mod);
        })) {
        setAlertMessage(m_thunder->packages().isEmpty()
                            ? QStringLiteral("The mod catalog hasn't loaded, so the pack's mods can't be "
                                             "looked up yet — try again once Browse lists mods.")
                            : QStringLiteral("None of the mods of “%1” is on Thunderstore or Hexium for "
                                             "Valheim — it's a profile for another game, so nothing was "
                                             "imported.")
                                  .arg(m_pendingImport->name));
        return;
    }
    std::optional<QString> newProfile;
    if (target == ImportTarget::newProfile) {
        if (isValheimRunning()) {
            setAlertMessage(
                QStringLiteral("Quit Valheim first — switching profiles while the game runs would "
                               "take its mods away under it."));
            return;
        }
        if (!name.trimmed().isEmpty()) {
            if (const auto problem = Profiles::nameProblem(name, m_snapshot.profiles)) {
                setAlertMessage(*problem);
                return;
            }
            newProfile = name.trimmed();
        } else {
            newProfile = freeProfileName(m_pendingImport->name, m_snapshot.profiles);
        }
    }
    if (!claimGameFolder()) return;
    if (newProfile) { // the watch would follow the plugins folder into the store (see switchProfile)
        delete m_watcher;
        m_watcher = nullptr;
    }
    m_importCancel = Http::newCancelFlag();
    ImportJob job;
    job.pack = *m_pendingImport;
    job.replace = target == ImportTarget::replaceActive;
    job.dir = *m_gameDir;
    job.newProfile = newProfile;
    job.stop = m_importCancel;
    job.packMods = int(job.pack.mods.size());

    // A new profile starts empty: everything the pack names is fetched.
    QHash<QString, ModItem> installed;
    for (const ModItem& mod : newProfile ? QList<ModItem>() : m_snapshot.mods)
        installed.insert(ConfigStore::normalize(mod.name), mod);
    QSet<QString> present(installed.keyBegin(), installed.keyEnd());
    // The pack pins its own mods: none is pulled in as a dependency at another version.
    for (const ProfilePack::Mod& mod : job.pack.mods)
        present.insert(ConfigStore::normalize(mod.name.section(QLatin1Char('-'), -1)));
    QSet<QString> queued;
    const ThunderstoreStore::Index index = m_thunder->indexByOwnerName();
    for (const ProfilePack::Mod& mod : job.pack.mods) {
        const QString name = ConfigStore::normalize(mod.name.section(QLatin1Char('-'), -1));
        job.keep.insert(name);
        // The loader set up here stays: whichever build of the pack a friend lists, it is the same
        // loader, and this folder's is the one made for this machine.
        const bool loader = Thunderstore::isBepInExPack(mod.name.toLower());
        if (m_snapshot.bepFilesPresent && loader) {
            ++job.current;
            continue;
        }
        // A repack of the loader under another owner's name: the real one goes in instead.
        const auto package = loader && mod.name.toLower() != Repository::bepInExPackKey
                                 ? (index.contains(Repository::bepInExPackKey)
                                        ? std::optional(index.value(Repository::bepInExPackKey))
                                        : std::nullopt)
                                 : packageAt(mod);
        if (!package) {
            job.notFound << mod.name;
            continue;
        }
        // A replaced profile keeps what the pack's mods need, installed already or not.
        for (const TSPackage& p : Thunderstore::resolutionChain(*package, index, {}).chain)
            job.keep.insert(ConfigStore::normalize(p.name));
        job.enabled.insert(name, mod.enabled);
        if (const auto it = installed.constFind(name); it != installed.cend()) {
            // Only what changed is fetched again: the install record knows the release, else the manifest.
            const auto origin = Thunderstore::originOf(*m_gameDir, it->name);
            if ((origin ? std::optional(origin->version) : it->version) == mod.version) {
                ++job.current;
                continue;
            }
        }
        const auto resolution =
            Thunderstore::resolutionChain(*package, index, present, m_snapshot.bepFilesPresent);
        for (const TSPackage& p : resolution.chain) {
            const QString key = p.ownerAndName();
            if (queued.contains(key)) continue;
            queued.insert(key);
            job.steps.append({p, {}});
        }
    }
    runTask(QStringLiteral("Importing %1…").arg(job.pack.name), [job](const Task& task) mutable -> Outcome {
        // Everything is downloaded before anything is installed: a failed transfer changes nothing.
        Installer::TemporaryFolder folder;
        const qsizetype n = job.steps.size();
        std::vector<std::atomic<int>> percent(static_cast<size_t>(n));
        std::atomic<int> shown{-1};
        std::atomic<qsizetype> next{0};
        std::atomic<qsizetype> latest{0}; // the transfer started last names the step
        QMutex failuresLock;
        QStringList failures;
        const auto report = [&](bool started) {
            int sum = 0;
            for (const auto& p : percent)
                sum += p.load();
            const int whole = n > 0 ? int(sum / n) : 100;
            if (shown.exchange(whole) == whole && !started) return;
            const qsizetype k = latest.load();
            showImportStep(task,
                           QStringLiteral("Downloading %1 (%2 of %3)…")
                               .arg(job.steps[k].package.prettyName())
                               .arg(k + 1)
                               .arg(n),
                           whole / 100.0);
        };
        QThreadPool pool;
        pool.setMaxThreadCount(parallelDownloads);
        for (int w = 0; w < parallelDownloads; ++w) {
            pool.start([&] {
                for (qsizetype k = next++; k < n; k = next++) {
                    Step& step = job.steps[k];
                    const QUrl url = step.package.downloadURL.value_or(QUrl());
                    if (!url.isValid() || !Repository::trustedDownload(url)) {
                        QMutexLocker lock(&failuresLock);
                        failures << step.package.prettyName() +
                                        QStringLiteral(": no download from Thunderstore or Hexium");
                        continue;
                    }
                    latest = k;
                    report(true);
                    const QString file = Fs::join(folder.path, QStringLiteral("%1.zip").arg(k));
                    const Http::Result got = Http::download(
                        url, file,
                        [&, k](qint64 received, qint64 total) {
                            if (total > 0) percent[size_t(k)] = int(received * 100 / total);
                            report(false);
                        },
                        Http::defaultTimeouts(), job.stop);
                    percent[size_t(k)] = 100;
                    report(false);
                    if (got.responded) {
                        step.file = file;
                    } else if (!got.cancelled) {
                        QMutexLocker lock(&failuresLock);
                        failures << step.package.prettyName() + QStringLiteral(": ") + got.error;
                        job.stop->store(true); // the import won't go on: stop the other transfers
                    }
                }
            });
        }
        pool.waitForDone();
        if (!failures.isEmpty())
            return Outcome::failure(QStringLiteral("Couldn't download %1 — nothing was changed.")
                                        .arg(failures.join(QStringLiteral("; "))));
        if (job.stop->load())
            return Outcome::success(QStringLiteral("Import cancelled — nothing was changed."));

        // Only now, with every archive here, is the new profile made and switched to; the one that
        // was active stays as it was and comes back if anything below fails.
        std::optional<QString> previous;
        if (job.newProfile) {
            task.stage(QStringLiteral("Creating profile %1…").arg(*job.newProfile));
            previous = Profiles::active(job.dir);
            job.newProfile = Profiles::create(job.dir, *job.newProfile, false);
            try {
                Profiles::switchTo(job.dir, *job.newProfile);
            } catch (...) {
                discardProfile(job.dir, *job.newProfile);
                throw;
            }
        }
        int arrived = job.current;
        QStringList broken;
        for (qsizetype k = 0; k < n; ++k) {
            const TSPackage& p = job.steps[k].package;
            if (job.stop->load()) {
                broken << QStringLiteral("Cancelled before %1").arg(p.prettyName());
                break;
            }
            showImportStep(task,
                           QStringLiteral("Installing %1 %2 (%3 of %4)…")
                               .arg(p.prettyName(), p.version)
                               .arg(k + 1)
                               .arg(n),
                           double(k) / double(n));
            try {
                Installer::installZip(job.steps[k].file, job.dir);
                Thunderstore::rememberOrigin(job.dir, p);
                if (Thunderstore::isBepInExPack(p.ownerAndName()))
                    Defaults::setString(Installer::bepPackVersionKey, p.version);
                if (job.enabled.contains(ConfigStore::normalize(p.name))) ++arrived;
            } catch (const std::exception& e) {
                broken << p.prettyName() + QStringLiteral(": ") + Task::errorText(e);
            }
        }
        for (const ModItem& mod : ModScanner::scan(job.dir)) {
            const QString name = ConfigStore::normalize(mod.name);
            const auto wanted = job.enabled.constFind(name);
            try {
                if (wanted != job.enabled.cend() && *wanted != mod.enabled && mod.dllCount > 0)
                    ModScanner::setEnabled(mod, *wanted);
                // Replacing keeps the Mac's own shader helper, which no pack from elsewhere lists.
                if (job.replace && !job.keep.contains(name) &&
                    name != ConfigStore::normalize(Repository::shaderHelperName))
                    Trash::moveToTrash(mod.url);
            } catch (const std::exception& e) {
                broken << Task::errorText(e);
            }
        }
        try {
            ProfilePack::writeConfigs(job.pack, job.dir);
        } catch (const std::exception& e) {
            broken << Task::errorText(e);
        }
        if (previous && !broken.isEmpty()) {
            // A half-imported pack isn't left as a profile of its own: back to the one that was active.
            Profiles::switchTo(job.dir, *previous);
            discardProfile(job.dir, *job.newProfile);
            return Outcome::failure(QStringLiteral("Couldn't import %1 — you're back on profile %2. %3")
                                        .arg(job.pack.name, *previous, broken.join(QStringLiteral("; "))));
        }
        return {importedLine(job, arrived),
                broken.isEmpty() ? std::nullopt : std::optional(broken.join(QStringLiteral("\n")))};
    });
}

QString AppState::notIncludedLine(const QStringList& names) {
    return QStringLiteral("Not included: %1 — they aren't from Thunderstore or Hexium")
        .arg(names.join(QStringLiteral(", ")));
}

AppState::ExportPlan AppState::exportPlan() const {
    ExportPlan plan;
    plan.profile.name = m_snapshot.activeProfile.isEmpty() ? Profiles::defaultName : m_snapshot.activeProfile;
    if (!m_gameDir) return plan;
    const auto bepVersion = Defaults::string(Installer::bepPackVersionKey);
    if (m_snapshot.bepFilesPresent && bepVersion && !bepVersion->isEmpty())
        plan.profile.mods.append(
            {bepPackName(), threePart(*bepVersion), true, Repository::Source::thunderstore});
    QHash<QString, TSPackage> byName;
    for (const TSPackage& p : m_thunder->packages())
        byName.insert(ConfigStore::normalize(p.name), p);
    for (const ModItem& mod : m_snapshot.mods) {
        if (const auto origin = Thunderstore::originOf(*m_gameDir, mod.name);
            origin && !origin->fullName.isEmpty()) {
            plan.profile.mods.append(
                {origin->fullName, threePart(origin->version), mod.enabled, origin->source});
            continue;
        }
        // Installed by hand from a repository's archive: its manifest's release, if offered.
        const auto p = byName.constFind(ConfigStore::normalize(mod.name));
        if (p != byName.cend() && mod.version && p->findVersion(*mod.version)) {
            plan.profile.mods.append({p->fullName, threePart(*mod.version), mod.enabled, p->source});
            continue;
        }
        plan.notIncluded << mod.name;
    }
    plan.profile.configs = ProfilePack::collectConfigs(*m_gameDir);
    return plan;
}

void AppState::exportProfileToFile() {
    if (!m_gameDir) return;
    OpenPanel::Request request;
    request.save = true;
    request.message = QStringLiteral("Save the profile for r2modman, Gale or Skaldrun players");
    request.fileSuffixes = {QStringLiteral("r2z")};
    request.startDir = Fs::join(Fs::homeDir(), exportPlan().profile.name + QStringLiteral(".r2z"));
    ask(request, [this](const QString& path) { exportProfileTo(path); });
}

void AppState::exportProfileTo(const QString& path) {
    const ExportPlan plan = exportPlan();
    try {
        Fs::writeAtomic(path, ProfilePack::writeR2z(plan.profile));
    } catch (const std::exception& e) {
        setAlertMessage(Task::errorText(e));
        return;
    }
    setLastAction(
        QStringLiteral("Saved %1 mods to %2").arg(plan.profile.mods.size()).arg(Fs::displayPath(path)));
    if (!plan.notIncluded.isEmpty()) setAlertMessage(notIncludedLine(plan.notIncluded));
}

void AppState::exportProfileCode() {
    if (!m_gameDir) return;
    const ExportPlan plan = exportPlan();
    runTask(QStringLiteral("Making a profile code…"), [plan, cancel = m_cancel](const Task& task) -> Outcome {
        const QByteArray zip = ProfilePack::writeR2z(plan.profile);
        if (zip.size() > ProfilePack::maxCodeZipBytes)
            return Outcome::failure(
                QStringLiteral("This profile is over 20 MB, too large for a code; export it "
                               "as a .r2z file instead."));
        const QUrl url(Repository::baseUrl(Repository::Source::thunderstore) +
                       QStringLiteral("/api/experimental/legacyprofile/create/"));
        const Http::Result answer =
            Http::post(url, ProfilePack::encodeCode(zip), Http::defaultTimeouts(), cancel);
        if (answer.cancelled) throw Task::Stopped{};
        if (!answer.responded)
            return Outcome::failure(QStringLiteral("Couldn't reach Thunderstore to make a code: ") +
                                    answer.error);
        if (answer.status == 429)
            return Outcome::failure(
                QStringLiteral("Thunderstore makes only a few codes a minute; try again in a minute."));
        const QString key =
            QJsonDocument::fromJson(answer.body).object().value(QStringLiteral("key")).toString();
        if (answer.status != 200 || key.isEmpty())
            return Outcome::failure(
                QStringLiteral("Thunderstore didn't make a code (HTTP %1).").arg(answer.status));
        task.post([key](AppState& state) { state.assign(state.m_exportedCode, std::optional(key)); });
        Outcome outcome = Outcome::success(QStringLiteral("Profile code: ") + key);
        if (!plan.notIncluded.isEmpty()) outcome.alert = notIncludedLine(plan.notIncluded);
        return outcome;
    });
}

void AppState::copyExportedCode() {
    if (!m_exportedCode) return;
    copyToClipboard(*m_exportedCode);
    setLastAction(QStringLiteral("Profile code copied"));
}
