// AppState's actions for sharing mod sets with r2modman and Gale players: reading a profile code
// or file into a preview, importing it into the game folder, exporting the mods as a pack.

#include "app/AppState.h"
#include "install/InstallRecords.h"

#include "catalog/Thunderstore.h"
#include "catalog/ThunderstoreStore.h"
#include "catalog/Version.h"
#include "install/Change.h"
#include "install/Installer.h"
#include "install/ModKey.h"
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
#include <QRegularExpression>

#include <algorithm>
#include <atomic>
#include <vector>

using Outcome = Task::Outcome;

namespace {

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

// A new profile the import gave up on; what it held came from the downloads, so nothing is lost.
void discardProfile(const QString& dir, const QString& name) {
    try {
        Profiles::remove(dir, name);
    } catch (const SkaldrunError& e) {
        qCDebug(lcApp) << "couldn't remove the abandoned profile" << name << e.message();
    }
}

} // namespace

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

bool AppState::idleToRead() {
    // A read's end clears the busy text, and with it another action's hold on the game folder.
    if (!m_busyMessage) return true;
    setAlertMessage(tr("Another action is under way (“%1”); open the profile again when it has finished.")
                        .arg(*m_busyMessage));
    return false;
}

void AppState::readProfileFile(const QString& path) {
    if (!idleToRead()) return;
    // A pack is outside input: even capped, reading and checking it is no work for the window's thread.
    runTask(tr("Reading %1…").arg(Fs::fileName(path)), [path](const Task& task) -> Outcome {
        if (QFileInfo(path).size() > ProfilePack::maxUnpackedBytes)
            throw SkaldrunError(tr("%1 is far larger than any profile.").arg(Fs::fileName(path)));
        const QByteArray bytes = Fs::read(path);
        task.post([pack = ProfilePack::readAny(bytes)](AppState& state) { state.setPendingImport(pack); });
        return {};
    });
}

void AppState::chooseProfileFile() {
    OpenPanel::Request request;
    request.message = tr("Choose a profile (.r2z or export.r2x) to import");
    request.fileSuffixes = {QStringLiteral("r2z"), QStringLiteral("r2x")};
    ask(request, [this](const QString& path) { readProfileFile(path); });
}

void AppState::readProfileCode(const QString& code) {
    static const QRegularExpression shape(
        QStringLiteral("^[0-9A-Fa-f]{8}(-?[0-9A-Fa-f]{4}){3}-?[0-9A-Fa-f]{12}$"));
    const QString key = code.trimmed();
    if (!idleToRead()) return;
    if (!shape.match(key).hasMatch()) {
        setAlertMessage(tr("That isn't a profile code: codes look like "
                           "018f2c4e-7b1a-4d3e-9f00-1c2b3a4d5e6f."));
        return;
    }
    runTask(tr("Fetching the profile code…"), [key](const Task& task) -> Outcome {
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
                return Outcome::failure(
                    tr("%1 couldn't hand out that profile code (HTTP %2).")
                        .arg(Repository::sourceName(source), QString::number(answer.status)));
            const ProfilePack::Profile pack = ProfilePack::readR2z(ProfilePack::decodeCode(answer.body));
            task.post([pack](AppState& state) { state.setPendingImport(pack); });
            return Outcome::success(
                tr("Read the profile “%1”: %n mods", nullptr, int(pack.mods.size())).arg(pack.name));
        }
        if (!anyAnswered)
            return Outcome::failure(
                tr("Couldn't reach Thunderstore or Hexium for that code: %1").arg(reachError));
        return Outcome::failure(tr("That profile code wasn't found — it may have expired or been mistyped."));
    });
}

void AppState::cancelImport() {
    m_runStop->store(true);
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
                            ? tr("The mod catalog hasn't loaded, so the pack's mods can't be "
                                 "looked up yet — try again once Browse lists mods.")
                            : tr("None of the mods of “%1” is on Thunderstore or Hexium for "
                                 "Valheim — it's a profile for another game, so nothing was "
                                 "imported.")
                                  .arg(m_pendingImport->name));
        return;
    }
    if (isValheimRunning()) {
        setAlertMessage(target == ImportTarget::newProfile
                            ? tr("Quit Valheim first — switching profiles while the game runs would "
                                 "take its mods away under it.")
                            : tr("Quit Valheim first — importing over this profile while the game "
                                 "runs would change its mods under it."));
        return;
    }
    std::optional<QString> newProfile;
    if (target == ImportTarget::newProfile) {
        if (!name.trimmed().isEmpty()) {
            if (const auto problem = Profiles::nameProblem(name, m_snapshot.profiles)) {
                setAlertMessage(*problem);
                return;
            }
            newProfile = name.trimmed();
        } else {
            newProfile = Profiles::freeName(m_pendingImport->name, m_snapshot.profiles);
        }
    }
    if (!claimGameFolder()) return;
    if (newProfile) { // the watch would follow the plugins folder into the store (see switchProfile)
        delete m_watcher;
        m_watcher = nullptr;
    }
    const ProfilePack::Profile pack = *m_pendingImport;
    const bool replace = target == ImportTarget::replaceActive;
    QList<InstallPlan::Request> requests;
    QStringList notFound;
    qsizetype current = 0;
    QHash<QString, bool> enabled; // key -> the state the pack wants
    QSet<QString> keep;           // keys a replaced profile keeps
    const ThunderstoreStore::Index index = m_thunder->indexByOwnerName();
    for (const ProfilePack::Mod& mod : pack.mods) {
        const QString key = ModKey::ofFullName(mod.name);
        keep.insert(key);
        // The loader set up here stays: whichever build of the pack a friend lists, it is the same
        // loader, and this folder's is the one made for this machine.
        const bool loader = Thunderstore::isBepInExPack(mod.name.toLower());
        if (m_snapshot.bepFilesPresent && loader) {
            ++current;
            continue;
        }
        // A repack of the loader under another owner's name: the real one goes in instead.
        const auto package = loader && mod.name.toLower() != Repository::bepInExPackKey
                                 ? (index.contains(Repository::bepInExPackKey)
                                        ? std::optional(index.value(Repository::bepInExPackKey))
                                        : std::nullopt)
                                 : packageAt(mod);
        if (!package) {
            notFound << mod.name;
            continue;
        }
        // A replaced profile keeps what the pack's mods need, installed already or not.
        for (const TSPackage& p : Thunderstore::resolutionChain(*package, index, {}).chain)
            keep.insert(ModKey::of(p.name));
        enabled.insert(ModKey::of(package->name), mod.enabled);
        requests.append({*package, std::nullopt});
    }
    // A new profile starts empty: everything the pack names is fetched.
    const InstallPlan::Plan plan = planFor(requests, newProfile ? QList<ModItem>() : m_snapshot.mods);
    current += plan.current.size();
    notFound << plan.notFound;
    struct Switched {
        std::optional<QString> previous;
        std::optional<QString> made;
    };
    auto switched = std::make_shared<Switched>();
    const QString dir = *m_gameDir;
    const auto tell = [pack, switched, dir, current, notFound](const Pipeline::Report& report) -> Outcome {
        // A half-imported pack isn't left as a profile of its own: back to the one that was active.
        const auto goBack = [&] {
            if (!switched->made) return;
            Profiles::switchTo(dir, *switched->previous);
            discardProfile(dir, *switched->made);
        };
        QStringList failures;
        for (const Pipeline::Failure& failure : report.failed)
            failures << (failure.name.isEmpty() ? failure.reason
                                                : tr("%1: %2").arg(failure.name, failure.reason));
        if (failures.isEmpty() && (report.cancelled || report.undone)) {
            goBack();
            return Outcome::success(tr("Import cancelled — nothing was changed."));
        }
        if (!report.undone && !failures.isEmpty())
            return Outcome::failure(
                tr("Couldn't download %1 — nothing was changed.").arg(failures.join(QStringLiteral("; "))));
        if (report.undone) {
            goBack();
            const QString why = failures.join(QStringLiteral("; "));
            return Outcome::failure(
                switched->made ? tr("Couldn't import %1 — you're back on profile %2. %3")
                                     .arg(pack.name, *switched->previous, why)
                               : tr("Couldn't import %1 — nothing was changed. %2").arg(pack.name, why));
        }
        const int listed = int(pack.mods.size());
        const QString imported = QString::number(current + report.requestedInstalled);
        const QString missing = notFound.join(QStringLiteral(", "));
        if (switched->made)
            return Outcome::success(
                notFound.isEmpty()
                    ? tr("Imported %1 of %n mods into the new profile %2", nullptr, listed)
                          .arg(imported, *switched->made)
                    : tr("Imported %1 of %n mods into the new profile %2; not found: %3", nullptr, listed)
                          .arg(imported, *switched->made, missing));
        return Outcome::success(
            notFound.isEmpty()
                ? tr("Imported %1 of %n mods", nullptr, listed).arg(imported)
                : tr("Imported %1 of %n mods; not found: %2", nullptr, listed).arg(imported, missing));
    };
    runPlan(tr("Importing %1…").arg(pack.name), plan, true, tell, [=](Pipeline::Options& options) {
        // Only now, with every archive here, is the new profile made and switched to; the
        // one that was active stays as it was and comes back if anything below fails.
        if (newProfile)
            options.ready = [dir, switched, name = *newProfile] {
                switched->previous = Profiles::active(dir);
                const QString made = Profiles::create(dir, name, false);
                try {
                    Profiles::switchTo(dir, made);
                } catch (...) {
                    discardProfile(dir, made);
                    throw;
                }
                switched->made = made;
            };
        options.finish = [dir, pack, enabled, keep, replace](Change& change) {
            const QString shaderHelper = ModKey::of(Repository::shaderHelperName);
            for (const ModItem& mod : ModScanner::scan(dir)) {
                const QString key = ModKey::of(mod.name);
                const auto wanted = enabled.constFind(key);
                if (wanted != enabled.cend() && *wanted != mod.enabled && mod.dllCount > 0)
                    ModScanner::setEnabled(mod, *wanted);
                // Replacing keeps the Mac's own shader helper, which no pack from elsewhere lists.
                if (replace && !keep.contains(key) && key != shaderHelper) change.park(mod.url);
            }
            ProfilePack::writeConfigs(pack, dir);
        };
    });
}

QString AppState::notIncludedLine(const QStringList& names) {
    return tr("Not included: %1 — they aren't from Thunderstore or Hexium")
        .arg(names.join(QStringLiteral(", ")));
}

AppState::ExportPlan AppState::exportPlan() const {
    ExportPlan plan;
    plan.profile.name = m_snapshot.activeProfile.isEmpty() ? Profiles::defaultName : m_snapshot.activeProfile;
    if (!m_gameDir) return plan;
    const auto bepVersion = InstallRecords::loaderVersion(*m_gameDir);
    if (m_snapshot.bepFilesPresent && bepVersion && !bepVersion->isEmpty())
        plan.profile.mods.append(
            {bepPackName(), threePart(*bepVersion), true, Repository::Source::thunderstore});
    for (const ModItem& mod : m_snapshot.mods) {
        if (const auto origin = InstallRecords::of(*m_gameDir, mod.name);
            origin && !origin->fullName.isEmpty()) {
            plan.profile.mods.append(
                {origin->fullName, threePart(origin->version), mod.enabled, origin->source});
            continue;
        }
        // Installed by hand from a repository's archive: its manifest's release, if offered.
        const UpdatePlan::ModPlan* named = m_plan.of(mod.name);
        const std::optional<TSPackage> p = named ? named->package : std::nullopt;
        if (p && mod.version && p->findVersion(*mod.version)) {
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
    request.message = tr("Save the profile for r2modman, Gale or Skaldrun players");
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
        tr("Saved %n mods to %1", nullptr, int(plan.profile.mods.size())).arg(Fs::displayPath(path)));
    if (!plan.notIncluded.isEmpty()) setAlertMessage(notIncludedLine(plan.notIncluded));
}

void AppState::exportProfileCode() {
    if (!m_gameDir) return;
    const ExportPlan plan = exportPlan();
    runTask(tr("Making a profile code…"), [plan, cancel = m_cancel](const Task& task) -> Outcome {
        const QByteArray zip = ProfilePack::writeR2z(plan.profile);
        if (zip.size() > ProfilePack::maxCodeZipBytes)
            return Outcome::failure(
                tr("This profile is over 20 MB, too large for a code; export it as a .r2z file instead."));
        const QUrl url(Repository::baseUrl(Repository::Source::thunderstore) +
                       QStringLiteral("/api/experimental/legacyprofile/create/"));
        const Http::Result answer =
            Http::post(url, ProfilePack::encodeCode(zip), Http::defaultTimeouts(), cancel);
        if (answer.cancelled) throw Task::Stopped{};
        if (!answer.responded)
            return Outcome::failure(tr("Couldn't reach Thunderstore to make a code: %1").arg(answer.error));
        if (answer.status == 429)
            return Outcome::failure(
                tr("Thunderstore makes only a few codes a minute; try again in a minute."));
        const QString key =
            QJsonDocument::fromJson(answer.body).object().value(QStringLiteral("key")).toString();
        if (answer.status != 200 || key.isEmpty())
            return Outcome::failure(tr("Thunderstore didn't make a code (HTTP %1).").arg(answer.status));
        task.post([key](AppState& state) { state.assign(state.m_exportedCode, std::optional(key)); });
        Outcome outcome = Outcome::success(tr("Profile code: %1").arg(key));
        if (!plan.notIncluded.isEmpty()) outcome.alert = notIncludedLine(plan.notIncluded);
        return outcome;
    });
}

void AppState::copyExportedCode() {
    if (!m_exportedCode) return;
    copyToClipboard(*m_exportedCode);
    setLastAction(tr("Profile code copied"));
}
