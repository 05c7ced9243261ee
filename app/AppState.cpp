#include "app/AppState.h"

#include "catalog/PackageEndpoint.h"
#include "catalog/Repository.h"
#include "catalog/Thunderstore.h"
#include "catalog/ThunderstoreStore.h"
#include "catalog/Version.h"
#include "config/ConfigStore.h"
#include "discovery/Outside.h"
#include "discovery/Quarantine.h"
#include "discovery/Steam.h"
#include "discovery/Sys.h"
#include "install/InstallRecords.h"
#include "install/Installer.h"
#include "install/ModKey.h"
#include "platform/Async.h"
#include "platform/Clipboard.h"
#include "platform/Defaults.h"
#include "platform/FolderLock.h"
#include "platform/Fs.h"
#include "platform/Http.h"
#include "platform/Log.h"
#include "platform/OpenPanel.h"
#include "platform/Process.h"
#include "platform/SkaldrunError.h"
#include "platform/Trash.h"
#include "platform/Workspace.h"

#include <QFileSystemWatcher>

#include <algorithm>

using Outcome = Task::Outcome;

namespace {

const QString keyGameDir = QStringLiteral("gameDir");
const QString keyLaunchOptsManual = QStringLiteral("launchOptsManual");
const QString keySetupCollapsed = QStringLiteral("setupCollapsed");
const QString keyConsoleParam = QStringLiteral("consoleParam");
const QString keyDidAutoCollapse = QStringLiteral("didAutoCollapseSetup");

std::optional<QString> joined(const QStringList& lines, const QString& separator) {
    if (lines.isEmpty()) return std::nullopt;
    return lines.join(separator);
}

// Asks the repository for the newest version of the loader, downloads it and sets it up.
Outcome downloadAndInstall(const Task& task, const Repository::PackageId& id, const QString& label,
                           const QString& host, const QString& dir) {
    const QString fullName = id.ns + QLatin1Char('-') + id.name;
    const QString absent =
        AppState::tr("%1 Download it from %2 yourself and drop the .zip anywhere on this window.")
            .arg(Repository::noSuchPackage(Repository::Source::thunderstore, fullName), host);
    const Http::Result answer = task.get(Repository::packageEndpoint(id.ns, id.name));
    if (!answer.responded)
        return Outcome::failure(AppState::tr("Couldn't reach Thunderstore for %1 (%2). Download it from %3 "
                                             "yourself and drop the .zip anywhere on this window.")
                                    .arg(label, answer.error, host));
    if (answer.status == 404) return Outcome::failure(absent);
    const auto latest = PackageEndpoint::readLatest(answer.body);
    if (!latest)
        return Outcome::failure(
            AppState::tr("Thunderstore's answer about %1 (HTTP %2) names no download; try again later. "
                         "Download it from %3 yourself and drop the .zip anywhere on this window.")
                .arg(fullName, QString::number(answer.status), host));
    task.stage(latest->version ? AppState::tr("Downloading %1 %2…").arg(label, *latest->version)
                               : AppState::tr("Downloading %1…").arg(label));
    const Task::Download zip = task.fetch(latest->downloadUrl, id.name + QStringLiteral(".zip"));
    if (zip.status == 404) return Outcome::failure(absent);
    if (zip.file.isEmpty()) return Outcome::failure(AppState::tr("Download failed: %1").arg(zip.error));
    task.stage(AppState::tr("Installing %1…").arg(label)); // unpacking reports no progress
    QString result;
    try {
        result = Installer::installZip(zip.file, dir, Installer::Loader::replace);
    } catch (const std::exception& e) {
        return Outcome::failure(AppState::tr("Install failed: %1").arg(Task::errorText(e)));
    }
    if (label == Repository::bepInExPackLabel && latest->version)
        InstallRecords::rememberLoader(dir, *latest->version);
    return Outcome::success(result);
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Construction and state

AppState::AppState(Services services, QObject* parent) : QObject(parent), m_services(services) {
    m_launchOptionsManual = Defaults::boolean(keyLaunchOptsManual);
    m_setupCollapsed = Defaults::boolean(keySetupCollapsed);
    m_consoleEnabled = Defaults::boolean(keyConsoleParam);
    m_thunder = new ThunderstoreStore(this);
    connect(m_thunder, &ThunderstoreStore::packagesChanged, this, &AppState::catalogChanged);
    m_isAppleSilicon = services.platform == Platform::macOS && Sys::isAppleSilicon();
    if (auto stored = Defaults::string(keyGameDir); stored && !stored->isEmpty() && Fs::exists(*stored))
        m_gameDir = *stored;
    refreshAll();
}

AppState::~AppState() {
    m_cancel->store(true);
    m_runStop->store(true);
}

bool AppState::claimGameFolder() {
    // One change of the game folder at a time, whichever view or command asks for the next.
    if (m_busyMessage && m_folderLock) {
        setAlertMessage(tr("Another change of this game folder is under way (“%1”); try again "
                           "when it has finished.")
                            .arg(*m_busyMessage));
        return false;
    }
    if (m_folderLock || !m_gameDir) return true;
    try {
        auto lock = std::make_unique<FolderLock>(*m_gameDir);
        lock->acquire(0); // the window never waits; the command line waits before it starts
        m_folderLock = std::move(lock);
    } catch (const SkaldrunError& e) {
        setAlertMessage(e.message());
        return false;
    }
    return true;
}

void AppState::releaseGameFolder() {
    if (!m_busyMessage) m_folderLock.reset();
}

void AppState::setLaunchOptionsManual(bool value) {
    Defaults::setBool(keyLaunchOptsManual, value);
    assign(m_launchOptionsManual, value);
}

void AppState::setSetupCollapsed(bool value) {
    Defaults::setBool(keySetupCollapsed, value);
    assign(m_setupCollapsed, value);
}

void AppState::setConsoleEnabled(bool value) {
    Defaults::setBool(keyConsoleParam, value);
    assign(m_consoleEnabled, value);
}

void AppState::setBusyMessage(const std::optional<QString>& value) {
    // A finished action leaves no stale bar behind, and says so to whoever draws the bar.
    if (!value && m_busyProgress) setBusyProgress(std::nullopt);
    assign(m_busyMessage, value, &AppState::busyMessageChanged);
    releaseGameFolder();
}

void AppState::setBusyProgress(const std::optional<double>& value) {
    assign(m_busyProgress, value, &AppState::busyProgressChanged);
}
void AppState::setAlertMessage(const std::optional<QString>& value) {
    assign(m_alertMessage, value, &AppState::alertMessageChanged);
}
void AppState::setLastAction(const std::optional<QString>& value) {
    assign(m_lastAction, value, &AppState::lastActionChanged);
}

void AppState::setMods(const QList<ModItem>& value) {
    // Catalog rows ask for their installed mod on every repaint; look names up instead of walking.
    m_installedByName.clear();
    for (qsizetype i = value.size() - 1; i >= 0; --i)
        m_installedByName.insert(ModKey::of(value[i].name), i); // the first mod of a name wins
    recomputePlan(value);
    assign(m_snapshot.mods, value, &AppState::modsChanged);
}

void AppState::setGameDirRemembered(const QString& dir) {
    assign(m_gameDir, std::optional<QString>(dir));
    Defaults::setString(keyGameDir, dir);
}

// ---------------------------------------------------------------------------------------------
// Derived values

int AppState::doneCount() const {
    return int(stepGame()) + int(stepRosetta()) + int(stepBep()) + int(stepArch()) + int(stepQuarantine()) +
           int(stepSteam()) + int(stepVerify());
}

bool AppState::stepVerify() const {
    if (!onLinux()) return m_snapshot.logDate.has_value();
    // Linux: the log of a launch after the last one asked for (to the second, as file systems
    // keep times), from the native game rather than the Windows build under Proton.
    if (!m_snapshot.logDate || !m_snapshot.logSaysLinux) return false;
    return !m_launchedAt || *m_snapshot.logDate >= m_launchedAt->addMSecs(-m_launchedAt->time().msec());
}

QString AppState::effectiveScriptName() const {
    return m_snapshot.scriptName.value_or(Outside::defaultScriptName);
}

QString AppState::launchOptionsString() const {
    const QString suffix = m_consoleEnabled ? QStringLiteral(" -console") : QString();
    // Steam starts a native game in its folder, where the pack's script sits beside it.
    if (onLinux())
        return QStringLiteral("./") + effectiveScriptName() + QStringLiteral(" %command%") + suffix;
    if (m_gameDir)
        return Process::shellQuoted(Fs::join(*m_gameDir, effectiveScriptName())) +
               QStringLiteral(" %command%") + suffix;
    return QStringLiteral("\"…/steamapps/common/Valheim/start_game_bepinex.sh\" %command%") + suffix;
}

int AppState::enabledModCount() const {
    const QList<ModItem>& mods = m_snapshot.mods;
    return int(std::count_if(mods.cbegin(), mods.cend(),
                             [](const ModItem& m) { return m.enabled && m.dllCount > 0; }));
}

int AppState::toggleableModCount() const {
    const QList<ModItem>& mods = m_snapshot.mods;
    return int(std::count_if(mods.cbegin(), mods.cend(), [](const ModItem& m) { return m.dllCount > 0; }));
}

// ---------------------------------------------------------------------------------------------
// Status refresh and the task path

void AppState::refreshAll() {
    Async::runInBackground([task = task(), remembered = m_gameDir, platform = platform(),
                            appleSilicon = m_isAppleSilicon, pinned = m_gameDirPinned] {
        ProbeResult probe = probeStatus(remembered, platform, appleSilicon, pinned);
        task.post([probe = std::move(probe)](AppState& state) { state.publish(probe); });
    });
}

void AppState::publish(const ProbeResult& probe) {
    if (m_gameDirPinned && probe.dir != m_gameDir) return; // a probe started before the folder was named
    m_probed = true;
    if (probe.dir && m_gameDir != probe.dir) setGameDirRemembered(*probe.dir);
    // An unchanged list is not republished, so a periodic refresh doesn't disturb the mods pane.
    if (probe.snapshot.mods != m_snapshot.mods) setMods(probe.snapshot.mods);
    Snapshot next = probe.snapshot;
    next.mods = m_snapshot.mods;
    assign(m_snapshot, next);
    // Fold the setup by itself the first time everything is done, once per user account.
    if (allDone() && !Defaults::boolean(keyDidAutoCollapse)) {
        Defaults::setBool(keyDidAutoCollapse, true);
        setSetupCollapsed(true);
    }
    startWatchingPlugins();
    readLastLaunch();
    Q_EMIT refreshed();
}

void AppState::refreshMods() {
    if (m_gameDir) setMods(ModScanner::scan(*m_gameDir));
    readLastLaunch();
}

void AppState::startWatchingPlugins() {
    if (!m_gameDir) return;
    const QString path = ModScanner::pluginsDir(*m_gameDir);
    if (!Fs::isDir(path)) return;
    // The watcher forgets a folder that was deleted; a folder made again at the same path is
    // watched anew rather than left unwatched until the game folder changes.
    if (m_watcher && m_watchedPath == path && m_watcher->directories().contains(path)) return;
    delete m_watcher;
    m_watcher = nullptr;
    auto* watcher = new QFileSystemWatcher(this);
    if (!watcher->addPath(path)) {
        delete watcher;
        return;
    }
    m_watcher = watcher;
    m_watchedPath = path;
    connect(watcher, &QFileSystemWatcher::directoryChanged, this, [this] { refreshMods(); });
}

void AppState::runTask(const QString& busy, Task::Work work) {
    setBusyMessage(busy);
    Async::runInBackground([task = task(), work = std::move(work)] { task.run(work); });
}

void AppState::ask(const OpenPanel::Request& request, std::function<void(const QString&)> chosen) {
    // The panel may answer after the state is gone; the cancel flag says so on this thread too.
    m_services.openPanel.open(request,
                              [alive = m_cancel, chosen = std::move(chosen)](std::optional<QString> path) {
                                  if (path && !alive->load()) chosen(*path);
                              });
}

// ---------------------------------------------------------------------------------------------
// Setup actions

void AppState::autoDetectGame() {
    if (auto found = Steam::findValheim(platform())) {
        setGameDirRemembered(*found);
        setLastAction(tr("Found Valheim at %1").arg(Sys::shortPath(*found)));
        refreshAll();
        return;
    }
    setAlertMessage(tr("Couldn't find Valheim in any Steam library. Install it through Steam first, or "
                       "choose its folder manually."));
}

void AppState::useGameFolder(const QString& dir) {
    m_gameDirPinned = true;
    assign(m_gameDir, std::optional<QString>(dir));
    refreshAll();
}

void AppState::chooseGameFolder() {
    OpenPanel::Request request;
    request.chooseFolders = true;
    request.buttonText = tr("Choose");
    request.message = tr("Select the Valheim game folder (the one containing %1)")
                          .arg(onLinux() ? Outside::linuxClientExecutable : QStringLiteral("Valheim.app"));
    request.startDir = m_gameDir ? *m_gameDir : Fs::join(Steam::root(platform()), Outside::libraryCommonDir);
    ask(request, [this](const QString& dir) {
        setGameDirRemembered(dir);
        refreshAll();
    });
}

void AppState::installRosetta() {
    runTask(tr("Installing Rosetta 2… this can take a minute"), [](const Task&) -> Outcome {
        const Sys::RunResult result =
            Sys::run(QStringLiteral("/usr/sbin/softwareupdate"),
                     {QStringLiteral("--install-rosetta"), QStringLiteral("--agree-to-license")});
        if (result.code == 0) return Outcome::success(tr("Rosetta 2 installed"));
        return Outcome::failure(
            tr("Rosetta 2 install didn't finish (exit %1).\n%2\nRun this in Terminal instead:\n%3")
                .arg(QString::number(result.code), result.out, rosettaCommand));
    });
}

void AppState::downloadAndInstallBepInEx() {
    downloadAndInstallThunderstorePackage(Repository::bepInExPack, Repository::bepInExPackLabel);
}

void AppState::downloadAndInstallThunderstorePackage(const Repository::PackageId& id, const QString& label) {
    if (!m_gameDir || !claimGameFolder()) return;
    runTask(tr("Contacting Thunderstore…"),
            [id, label, dir = *m_gameDir, host = Repository::websiteHost()](const Task& task) {
                return downloadAndInstall(task, id, label, host, dir);
            });
}

void AppState::installBepInExFromZip() {
    if (!m_gameDir) return;
    OpenPanel::Request request;
    request.message = tr("Choose the BepInExPack_Valheim .zip you downloaded");
    request.fileSuffixes = {QStringLiteral("zip")};
    ask(request, [this, dir = *m_gameDir](const QString& zip) {
        if (!claimGameFolder()) return;
        runTask(tr("Installing…"), [zip, dir](const Task&) {
            return Outcome::success(Installer::installZip(zip, dir, Installer::Loader::replace));
        });
    });
}

void AppState::openPackPage() {
    m_services.workspace.openUrl(Installer::packPage());
}

void AppState::fixScript() {
    if (!m_gameDir) return;
    const auto script = Steam::bepScript(*m_gameDir);
    if (!script || !claimGameFolder()) return;
    bool ready = false;
    try {
        ready = Installer::patchScript(*script, *m_gameDir);
    } catch (const std::exception& e) {
        releaseGameFolder();
        setAlertMessage(tr("Couldn't update the launch script: %1").arg(Task::errorText(e)));
        return;
    }
    releaseGameFolder();
    if (!ready) {
        setAlertMessage(tr("%1 can't be made to start the game's Intel build: it isn't the "
                           "script of a BepInEx pack from 5.4.2331 on. Reinstall BepInEx in "
                           "step 3; its new script gets the fix as it goes in.")
                            .arg(Fs::fileName(*script)));
        refreshAll();
        return;
    }
    setLastAction(
        (onLinux() ? tr("Made %1 executable") : tr("Updated %1 for this Mac")).arg(Fs::fileName(*script)));
    refreshAll();
}

void AppState::clearQuarantine() {
    if (!m_gameDir || !claimGameFolder()) return;
    runTask(tr("Clearing quarantine flags…"), [dir = *m_gameDir](const Task&) -> Outcome {
        const int n = Quarantine::clear(dir);
        return Outcome::success(n < 1 ? tr("No quarantine flags found")
                                      : tr("Removed quarantine from %n files", nullptr, n));
    });
}

void AppState::copyLaunchOptions() {
    copyToClipboard(launchOptionsString());
    setLastAction(tr("Launch options copied — paste them into Steam"));
}

void AppState::copyToClipboard(const QString& text) {
    m_services.clipboard.setText(text);
}

void AppState::launchValheim() {
    m_launchedAt = QDateTime::currentDateTime();
    m_services.workspace.openUrl(QUrl(Outside::steamLaunchLinkPrefix + Steam::valheimAppID));
    setLastAction(tr("Asked Steam to launch Valheim"));
}

void AppState::playVanilla() {
    if (!m_gameDir) return;
    const auto app = Steam::valheimAppBundle(*m_gameDir);
    // Linux: the native executable stands in the game folder itself.
    const QString executable =
        onLinux() ? Fs::join(*m_gameDir, Outside::linuxClientExecutable)
        : app     ? Fs::join(Fs::join(*app, Outside::bundleExecutableDir), Steam::innerExecutableName(*app))
                  : QString();
    if (executable.isEmpty() || !Fs::exists(executable)) return;
    if (!steamRunning()) {
        setAlertMessage(tr("Start Steam first — Valheim needs it running even for a vanilla launch."));
        return;
    }
    const QStringList arguments = m_consoleEnabled ? QStringList{Outside::consoleArgument} : QStringList{};
    // Detached, so that closing Skaldrun never ends the game it started.
    const Process::Started started = Process::startDetached(executable, arguments, *m_gameDir);
    if (started.process.pid == 0) {
        setAlertMessage(tr("Couldn't launch Valheim directly: %1").arg(started.error));
        return;
    }
    m_vanilla = started.process;
    setLastAction(tr("Launched Valheim vanilla — mods stay installed but don't load"));
}

bool AppState::steamRunning() const {
    const QList<RunningApplication> running = m_services.workspace.runningApplications();
    return std::any_of(running.cbegin(), running.cend(), [](const RunningApplication& a) {
        return a.bundleIdentifier == Outside::steamBundleIdentifier;
    });
}

bool AppState::isValheimRunning() const {
    if (Process::isRunning(m_vanilla)) return true;
    for (const RunningApplication& app : m_services.workspace.runningApplications()) {
        // A game whose bundle was moved or deleted while it runs still holds the saves open.
        if (!app.bundlePath.isEmpty() && app.bundlePath.toLower().contains(QLatin1String("valheim.app")))
            return true;
        if (app.name.toLower() == QLatin1String("valheim")) return true;
        // A dedicated server holds the worlds and loads the same mods: what it saves as it stops
        // lands wherever the mods and saves are then.
        if (app.name.startsWith(Outside::serverProcessName, Qt::CaseInsensitive) ||
            Fs::fileName(app.bundlePath).startsWith(Outside::serverProcessName, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

// ---------------------------------------------------------------------------------------------
// Mod actions

std::optional<ModItem> AppState::installedMod(const TSPackage& package) const {
    const auto it = m_installedByName.constFind(ModKey::of(package.name));
    if (it == m_installedByName.cend()) return std::nullopt;
    return m_snapshot.mods.at(*it);
}

bool AppState::updateAvailable(const TSPackage& package) const {
    const auto mod = installedMod(package);
    const UpdatePlan::ModPlan* plan = mod ? m_plan.of(mod->name) : nullptr;
    return mod && mod->version && Version::less(*mod->version, package.version) && !(plan && plan->pinned);
}

void AppState::installThunderstorePackage(const TSPackage& package) {
    if (!m_gameDir) {
        setAlertMessage(tr("Locate your Valheim folder first (step 1)."));
        return;
    }
    // Another release of an installed mod goes in as an update: its switch and config files stay.
    if (const auto mod = installedMod(package); mod && mod->version && *mod->version != package.version) {
        updateMods({UpdatePlan::Update{*mod, package, *mod->version}});
        return;
    }
    const QString requested = package.prettyName();
    runPipeline(tr("Preparing %1…").arg(requested), {{package, std::nullopt}}, false,
                [requested](const Pipeline::Report& report) {
                    Outcome outcome{report.installedLine(requested), report.problems()};
                    if (!outcome.done && !outcome.alert)
                        outcome.done = tr("%1 is installed already").arg(requested);
                    return outcome;
                });
}

void AppState::handleDropped(const QStringList& paths) {
    if (!m_gameDir) {
        setAlertMessage(tr("Locate your Valheim folder first (step 1), then drop mods here."));
        return;
    }
    // A shared profile goes to the import preview rather than into the plugins folder.
    if (paths.size() == 1 && (paths.first().endsWith(QLatin1String(".r2z"), Qt::CaseInsensitive) ||
                              paths.first().endsWith(QLatin1String(".r2x"), Qt::CaseInsensitive)))
        return readProfileFile(paths.first());
    if (paths.isEmpty() || !claimGameFolder()) return;
    runTask(
        paths.size() == 1 ? tr("Installing %1…").arg(Fs::fileName(paths.first()))
                          : tr("Installing %n items…", nullptr, int(paths.size())),
        [paths, dir = *m_gameDir](const Task&) {
            QStringList results;
            QStringList errors;
            QHash<QString, std::optional<QString>> releases; // what each mod was before the drop
            for (const ModItem& mod : ModScanner::scan(dir))
                releases.insert(ModKey::of(mod.name), mod.version);
            for (const QString& path : paths) {
                try {
                    results << Installer::install(path, dir);
                } catch (const std::exception& e) {
                    errors << Task::errorText(e);
                }
            }
            // A dropped release of a recorded mod: the record no longer says which one is there.
            try {
                for (const ModItem& mod : ModScanner::scan(dir))
                    if (releases.value(ModKey::of(mod.name)) != mod.version)
                        InstallRecords::forget(dir, mod.name);
            } catch (const std::exception& e) {
                errors << Task::errorText(e);
            }
            return Outcome{joined(results, QStringLiteral(" · ")), joined(errors, QStringLiteral("\n\n"))};
        });
}

void AppState::setMod(const ModItem& mod, bool enabled) {
    if (!claimGameFolder()) return;
    try {
        ModScanner::setEnabled(mod, enabled);
        setLastAction((enabled ? tr("%1 enabled", nullptr, 1) : tr("%1 disabled", nullptr, 1)).arg(mod.name));
    } catch (const std::exception& e) {
        setAlertMessage(tr("Couldn't toggle %1: %2").arg(mod.name, Task::errorText(e)));
    }
    releaseGameFolder();
    refreshMods();
}

void AppState::trash(const ModItem& mod) {
    if (!claimGameFolder()) return;
    try {
        Trash::moveToTrash(mod.url);
    } catch (const std::exception& e) {
        releaseGameFolder();
        setAlertMessage(tr("Couldn't remove %1: %2").arg(mod.name, Task::errorText(e)));
        return;
    }
    releaseGameFolder();
    setLastAction(tr("Moved %1 to Trash", nullptr, 1).arg(mod.name));
    refreshMods();
}

void AppState::deleteMod(const ModItem& mod) {
    if (!claimGameFolder()) return;
    const bool gone = Fs::remove(mod.url);
    releaseGameFolder();
    if (gone)
        setLastAction(tr("Deleted %1").arg(mod.name));
    else
        setAlertMessage(tr("Couldn't delete all of %1 (%2).").arg(mod.name, Fs::displayPath(mod.url)));
    refreshMods();
}

std::optional<QString> AppState::saveConfig(const QString& file, const QHash<QString, QString>& edits,
                                            const QString& modName) {
    if (!claimGameFolder()) return m_alertMessage;
    try {
        // Read again under the lock: what the game or a command wrote meanwhile is kept.
        ConfigStore::save(ConfigStore::parse(file), edits);
    } catch (const std::exception& e) {
        releaseGameFolder();
        return Task::errorText(e);
    }
    releaseGameFolder();
    setLastAction(tr("Saved settings for %1").arg(modName));
    return std::nullopt;
}

std::optional<QString> AppState::revertConfig(const QString& file, const QString& modName) {
    if (!claimGameFolder()) return m_alertMessage;
    try {
        ConfigStore::revertToOriginal(file);
    } catch (const std::exception& e) {
        releaseGameFolder();
        return tr("Couldn't revert: %1").arg(Task::errorText(e));
    }
    releaseGameFolder();
    setLastAction(tr("Restored original settings for %1").arg(modName));
    return std::nullopt;
}

void AppState::reveal(const ModItem& mod) {
    m_services.workspace.reveal(mod.url);
}

void AppState::openGameFolder() {
    if (m_gameDir) m_services.workspace.openFolder(*m_gameDir);
}

void AppState::openPluginsFolder() {
    if (!m_gameDir) return;
    QString target;
    try {
        target = Installer::ensurePlugins(*m_gameDir);
    } catch (const SkaldrunError& e) {
        qCDebug(lcApp) << e.message();
        target = ModScanner::pluginsDir(*m_gameDir);
    }
    m_services.workspace.openFolder(target);
}

// ---------------------------------------------------------------------------------------------
// Save backups and the shader capture

void AppState::backupSaves() {
    if (isValheimRunning()) {
        setAlertMessage(
            tr("Quit Valheim first — backing up while the game is running can capture a half-written save."));
        return;
    }
    runTask(tr("Backing up worlds and characters…"), [saves = Installer::valheimSavesDir(platform())](
                                                         const Task&) {
        const Installer::SaveBackup backup = Installer::backupSaves(saves, Installer::saveBackupsRoot());
        const int files = int(backup.files);
        // Two counts: the links' sentence takes the files' count as a whole phrase of its own.
        if (backup.brokenLinks < 1) return Outcome::success(tr("Backed up %n save files", nullptr, files));
        return Outcome::success(tr("Backed up %1 — %n links in the save folder lead nowhere, so no older "
                                   "backup was removed",
                                   nullptr, int(backup.brokenLinks))
                                    .arg(tr("%n save files", nullptr, files)));
    });
}

void AppState::restoreSavesFromLatestBackup() {
    if (isValheimRunning()) {
        setAlertMessage(
            tr("Quit Valheim first — restoring while the game is running would corrupt the save."));
        return;
    }
    const auto latest = Installer::latestSaveBackup(Installer::saveBackupsRoot());
    if (!latest) return;
    runTask(tr("Restoring worlds and characters…"),
            [backup = *latest, saves = Installer::valheimSavesDir(platform())](const Task&) {
                const int files = Installer::restoreSaves(backup, saves);
                return Outcome::success(tr("Restored %n save files from the backup", nullptr, files));
            });
}

void AppState::stashModsForCapture() {
    moveModsForCapture(&Installer::stashModsForCapture, tr("Couldn't move mods aside: %1"), [this](int n) {
        copyToClipboard(Outside::shaderCaptureCommand);
        return tr("Moved %n mods aside — capture command copied to clipboard", nullptr, n);
    });
}

void AppState::restoreModsAfterCapture() {
    moveModsForCapture(&Installer::restoreStashedMods, tr("Couldn't restore mods: %1"), [](int n) {
        return tr("Restored %n mods — relaunch Valheim to play modded", nullptr, n);
    });
}

void AppState::moveModsForCapture(int (*move)(const QString&), const QString& failure,
                                  const std::function<QString(int)>& success) {
    if (!m_gameDir || !claimGameFolder()) return;
    int n = 0;
    try {
        n = move(*m_gameDir);
    } catch (const std::exception& e) {
        releaseGameFolder();
        setAlertMessage(failure.arg(Task::errorText(e)));
        return;
    }
    releaseGameFolder();
    setLastAction(success(n));
    refreshAll();
}

bool AppState::shaderHelperInstalled() const {
    return std::any_of(m_snapshot.mods.cbegin(), m_snapshot.mods.cend(), [](const ModItem& m) {
        return ModKey::of(m.name).contains(QLatin1String("shaderhelper"));
    });
}

std::optional<TSPackage> AppState::shaderHelperPackage() {
    auto package = Thunderstore::publishedAs(m_thunder->packages(), Repository::shaderHelperName);
    if (!package)
        setAlertMessage(m_thunder->packages().isEmpty()
                            ? tr("The mod catalog hasn't loaded, so %1 can't be looked up yet — "
                                 "try again once Browse lists mods.")
                                  .arg(Repository::shaderHelperName)
                            : tr("Neither Thunderstore nor Hexium has %1 — if you have its .zip, "
                                 "drop it anywhere on this window.")
                                  .arg(Repository::shaderHelperName));
    return package;
}

void AppState::installShaderHelper() {
    if (const auto package = shaderHelperPackage()) installThunderstorePackage(*package);
}

void AppState::openShaderHelperPage() {
    if (const auto package = shaderHelperPackage())
        m_services.workspace.openUrl(
            package->pageURL.value_or(Repository::packagePage(package->owner, package->name)));
}
