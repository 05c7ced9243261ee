#include "app/AppState.h"

#include "catalog/Repository.h"
#include "catalog/Thunderstore.h"
#include "catalog/ThunderstoreStore.h"
#include "catalog/Version.h"
#include "config/ConfigStore.h"
#include "discovery/Outside.h"
#include "discovery/Quarantine.h"
#include "discovery/Steam.h"
#include "discovery/Sys.h"
#include "install/Installer.h"
#include "platform/Async.h"
#include "platform/Clipboard.h"
#include "platform/Defaults.h"
#include "platform/Fs.h"
#include "platform/Http.h"
#include "platform/Log.h"
#include "platform/OpenPanel.h"
#include "platform/Process.h"
#include "platform/SkaldrunError.h"
#include "platform/Trash.h"
#include "platform/Workspace.h"

#include <QFileSystemWatcher>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <atomic>
#include <memory>

namespace {

const QString keyGameDir = QStringLiteral("gameDir");
const QString keyLaunchOptsManual = QStringLiteral("launchOptsManual");
const QString keySetupCollapsed = QStringLiteral("setupCollapsed");
const QString keyConsoleParam = QStringLiteral("consoleParam");
const QString keyDidAutoCollapse = QStringLiteral("didAutoCollapseSetup");

// "1 file", "3 files", "0 files".
QString counted(qint64 n, const QString& noun) {
    return QString::number(n) + QLatin1Char(' ') + noun + (n == 1 ? QString() : QStringLiteral("s"));
}

QString errorText(const std::exception& e) {
    if (auto* own = dynamic_cast<const SkaldrunError*>(&e)) return own->message();
    return QString::fromLocal8Bit(e.what());
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Construction and observable properties

AppState::AppState(Services services, QObject* parent) : QObject(parent), m_services(services) {
    m_launchOptionsManual = Defaults::boolean(keyLaunchOptsManual);
    m_setupCollapsed = Defaults::boolean(keySetupCollapsed);
    m_consoleEnabled = Defaults::boolean(keyConsoleParam);
    m_thunder = new ThunderstoreStore(this);
    m_isAppleSilicon = Sys::isAppleSilicon();
    if (auto stored = Defaults::string(keyGameDir); stored && !stored->isEmpty() && Fs::exists(*stored))
        m_gameDir = *stored;
    refreshAll();
}

AppState::~AppState() {
    m_cancel->store(true);
}

void AppState::setLaunchOptionsManual(bool value) {
    m_launchOptionsManual = value;
    Defaults::setBool(keyLaunchOptsManual, value);
    Q_EMIT launchOptionsManualChanged();
    Q_EMIT changed();
}

void AppState::setSetupCollapsed(bool value) {
    m_setupCollapsed = value;
    Defaults::setBool(keySetupCollapsed, value);
    Q_EMIT setupCollapsedChanged();
    Q_EMIT changed();
}

void AppState::setConsoleEnabled(bool value) {
    m_consoleEnabled = value;
    Defaults::setBool(keyConsoleParam, value);
    Q_EMIT consoleEnabledChanged();
    Q_EMIT changed();
}

void AppState::setBusyMessage(const std::optional<QString>& value) {
    // A finished action leaves no stale bar behind, and says so to whoever draws the bar.
    if (!value && m_busyProgress) setBusyProgress(std::nullopt);
    assign(m_busyMessage, value, &AppState::busyMessageChanged);
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
        m_installedByName.insert(ConfigStore::normalize(value[i].name), i); // the first mod of a name wins
    assign(m_mods, value, &AppState::modsChanged);
}

void AppState::setGameDirRemembered(const QString& dir) {
    assign(m_gameDir, std::optional<QString>(dir), &AppState::gameDirChanged);
    Defaults::setString(keyGameDir, dir);
}

// ---------------------------------------------------------------------------------------------
// Derived values

int AppState::doneCount() const {
    return int(stepGame()) + int(stepRosetta()) + int(stepBep()) + int(stepArch()) + int(stepQuarantine()) +
           int(stepSteam()) + int(stepVerify());
}

QString AppState::effectiveScriptName() const {
    return m_scriptName.value_or(Outside::defaultScriptName);
}

QString AppState::launchOptionsString() const {
    const QString suffix = m_consoleEnabled ? QStringLiteral(" -console") : QString();
    if (m_gameDir)
        return Process::shellQuoted(Fs::join(*m_gameDir, effectiveScriptName())) +
               QStringLiteral(" %command%") + suffix;
    return QStringLiteral("\"…/steamapps/common/Valheim/start_game_bepinex.sh\" %command%") + suffix;
}

int AppState::enabledModCount() const {
    return int(std::count_if(m_mods.cbegin(), m_mods.cend(),
                             [](const ModItem& m) { return m.enabled && m.dllCount > 0; }));
}

int AppState::toggleableModCount() const {
    return int(
        std::count_if(m_mods.cbegin(), m_mods.cend(), [](const ModItem& m) { return m.dllCount > 0; }));
}

// ---------------------------------------------------------------------------------------------
// Status refresh

void AppState::onGui(const Weak& self, std::function<void(AppState&)> fn) {
    Async::postToGui([self, fn = std::move(fn)] {
        if (self) fn(*self);
    });
}

std::function<void(qint64, qint64)> AppState::progressReporter(const Weak& self) {
    auto lastPercent = std::make_shared<std::atomic<int>>(-1);
    return [self, lastPercent](qint64 received, qint64 total) {
        if (total <= 0) return;
        const int percent = int(std::clamp<qint64>(received * 100 / total, 0, 100));
        if (lastPercent->exchange(percent) == percent) return;
        onGui(self, [percent](AppState& state) {
            if (state.m_busyMessage) state.setBusyProgress(percent / 100.0);
        });
    };
}

void AppState::refreshAll() {
    const std::optional<QString> remembered = m_gameDir;
    const bool appleSilicon = m_isAppleSilicon;
    const Weak self(this);
    Async::runInBackground([self, remembered, appleSilicon] {
        ProbeResult result = probeStatus(remembered, appleSilicon);
        onGui(self,
              [result = std::move(result)](AppState& state) { state.publish(result.dir, result.snapshot); });
    });
}

void AppState::publish(const std::optional<QString>& dir, const Snapshot& snapshot) {
    if (dir && (!m_gameDir || *m_gameDir != *dir)) setGameDirRemembered(*dir);
    apply(snapshot);
    startWatchingPlugins();
    Q_EMIT refreshed();
}

void AppState::apply(const Snapshot& s) {
    assign(m_appBundleName, s.appBundleName, &AppState::appBundleNameChanged);
    assign(m_rosettaOK, s.rosettaOK, &AppState::rosettaOKChanged);
    assign(m_bepFilesPresent, s.bepFilesPresent, &AppState::bepFilesPresentChanged);
    assign(m_scriptName, s.scriptName, &AppState::scriptNameChanged);
    assign(m_scriptExecutable, s.scriptExecutable, &AppState::scriptExecutableChanged);
    assign(m_scriptNameConfigured, s.scriptNameConfigured, &AppState::scriptNameConfiguredChanged);
    assign(m_archConfigured, s.archConfigured, &AppState::archConfiguredChanged);
    assign(m_bepVersion, s.bepVersion, &AppState::bepVersionChanged);
    assign(m_quarantineCount, s.quarantineCount, &AppState::quarantineCountChanged);
    assign(m_launchOptionsDetected, s.launchDetected, &AppState::launchOptionsDetectedChanged);
    assign(m_logDate, s.logDate, &AppState::logDateChanged);
    // An unchanged list is not republished, so a periodic refresh doesn't disturb the mods pane.
    if (s.mods != m_mods) setMods(s.mods);
    assign(m_captureStashCount, s.captureStashCount, &AppState::captureStashCountChanged);
    assign(m_shaderCacheDate, s.shaderCacheDate, &AppState::shaderCacheDateChanged);
    assign(m_savesPresent, s.savesPresent, &AppState::savesPresentChanged);
    assign(m_lastSaveBackupDate, s.lastSaveBackupDate, &AppState::lastSaveBackupDateChanged);
    // Fold the setup by itself the first time everything is done, once per user account.
    if (doneCount() == 7 && !Defaults::boolean(keyDidAutoCollapse)) {
        Defaults::setBool(keyDidAutoCollapse, true);
        setSetupCollapsed(true);
    }
}

void AppState::refreshMods() {
    if (m_gameDir) setMods(ModScanner::scan(*m_gameDir));
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

// ---------------------------------------------------------------------------------------------
// Setup actions

void AppState::autoDetectGame() {
    if (auto found = Steam::findValheim()) {
        setGameDirRemembered(*found);
        setLastAction(QStringLiteral("Found Valheim at ") + Sys::shortPath(*found));
        refreshAll();
        return;
    }
    setAlertMessage(
        QStringLiteral("Couldn't find Valheim in any Steam library. Install it through Steam first, or "
                       "choose its folder manually."));
}

void AppState::chooseGameFolder() {
    if (!m_services.openPanel) return;
    OpenPanel::Request request;
    request.chooseFolders = true;
    request.buttonText = QStringLiteral("Choose");
    request.message = QStringLiteral("Select the Valheim game folder (the one containing Valheim.app)");
    request.startDir = m_gameDir ? *m_gameDir : Fs::join(Steam::root(), Outside::libraryCommonDir);
    const Weak self(this);
    m_services.openPanel->open(request, [self](std::optional<QString> chosen) {
        if (!self || !chosen) return;
        self->setGameDirRemembered(*chosen);
        self->refreshAll();
    });
}

void AppState::installRosetta() {
    setBusyMessage(QStringLiteral("Installing Rosetta 2… this can take a minute"));
    const Weak self(this);
    Async::runInBackground([self] {
        const Sys::RunResult result =
            Sys::run(QStringLiteral("/usr/sbin/softwareupdate"),
                     {QStringLiteral("--install-rosetta"), QStringLiteral("--agree-to-license")});
        onGui(self, [result](AppState& state) {
            state.setBusyMessage(std::nullopt);
            if (result.code != 0)
                state.setAlertMessage(
                    QStringLiteral("Rosetta 2 install didn't finish (exit %1).\n").arg(result.code) +
                    result.out + QStringLiteral("\nRun this in Terminal instead:\n") + rosettaCommand);
            else
                state.setLastAction(QStringLiteral("Rosetta 2 installed"));
            state.refreshAll();
        });
    });
}

void AppState::downloadAndInstallBepInEx() {
    downloadAndInstallThunderstorePackage(Repository::bepInExPack.ns, Repository::bepInExPack.name,
                                          Repository::bepInExPackLabel);
}

void AppState::downloadAndInstallThunderstorePackage(const QString& ns, const QString& package,
                                                     const QString& label) {
    if (!m_gameDir) return;
    const QString dir = *m_gameDir;
    setBusyMessage(QStringLiteral("Contacting Thunderstore…"));
    const QUrl endpoint = Repository::packageEndpoint(ns, package);
    const QString host = Repository::websiteHost();
    const Weak self(this);
    Async::runInBackground([self, cancel = m_cancel, endpoint, host, package, label, dir] {
        const auto fail = [&self](const QString& message) {
            onGui(self, [message](AppState& state) {
                state.setBusyMessage(std::nullopt);
                state.setAlertMessage(message);
            });
        };
        const Http::Result answer = Http::get(endpoint, {}, Http::defaultTimeouts(), cancel);
        if (self.isNull() || answer.cancelled) return;
        QUrl downloadUrl;
        std::optional<QString> version;
        if (answer.responded) {
            const QJsonDocument doc = QJsonDocument::fromJson(answer.body);
            const QJsonValue latest =
                doc.isObject() ? doc.object().value(QStringLiteral("latest")) : QJsonValue();
            const QJsonValue url = latest.toObject().value(QStringLiteral("download_url"));
            if (latest.isObject() && url.isString()) downloadUrl = QUrl(url.toString(), QUrl::StrictMode);
            const QJsonValue number = latest.toObject().value(QStringLiteral("version_number"));
            if (number.isString()) version = number.toString();
        }
        if (!downloadUrl.isValid() || downloadUrl.scheme().isEmpty()) {
            fail(QStringLiteral(
                     "Couldn't reach Thunderstore for %1. Download it from %2 yourself and drop the .zip "
                     "anywhere on this window.")
                     .arg(label, host));
            return;
        }
        onGui(self, [label, version](AppState& state) {
            state.setBusyMessage(version ? QStringLiteral("Downloading %1 %2…").arg(label, *version)
                                         : QStringLiteral("Downloading %1…").arg(label));
        });
        // A folder of its own per download, gone afterwards: a fixed name in the shared temporary
        // folder could be a link another user planted there.
        std::unique_ptr<Installer::TemporaryFolder> folder;
        try {
            folder = std::make_unique<Installer::TemporaryFolder>();
        } catch (const std::exception& e) {
            fail(QStringLiteral("Download failed: ") + errorText(e));
            return;
        }
        const QString dest = Fs::join(folder->path, package + QStringLiteral(".zip"));
        const Http::Result download =
            Http::download(downloadUrl, dest, progressReporter(self), Http::defaultTimeouts(), cancel);
        if (download.cancelled || cancel->load()) return; // the folder goes with the download
        if (!download.responded) {
            fail(QStringLiteral("Download failed: ") +
                 (download.error.isEmpty() ? QStringLiteral("unknown error") : download.error));
            return;
        }
        onGui(self, [label](AppState& state) {
            state.setBusyProgress(std::nullopt); // unpacking reports no progress
            state.setBusyMessage(QStringLiteral("Installing %1…").arg(label));
        });
        QString result;
        try {
            result = Installer::installZip(dest, dir);
        } catch (const std::exception& e) {
            fail(QStringLiteral("Install failed: ") + errorText(e));
            return;
        }
        if (label == Repository::bepInExPackLabel && version)
            Defaults::setString(Installer::bepPackVersionKey, *version);
        onGui(self, [result](AppState& state) {
            state.setBusyMessage(std::nullopt);
            state.setLastAction(result);
            state.refreshAll();
        });
    });
}

void AppState::installBepInExFromZip() {
    if (!m_gameDir || !m_services.openPanel) return;
    const QString dir = *m_gameDir;
    OpenPanel::Request request;
    request.message = QStringLiteral("Choose the BepInExPack_Valheim .zip you downloaded");
    request.fileSuffixes = {QStringLiteral("zip")};
    const Weak self(this);
    m_services.openPanel->open(request, [self, dir](std::optional<QString> zip) {
        if (!self || !zip) return;
        const QString archive = *zip;
        self->runInstall([archive, dir] { return Installer::installZip(archive, dir); });
    });
}

void AppState::runInstall(std::function<QString()> work) {
    runTask(QStringLiteral("Installing…"), true, std::move(work));
}

void AppState::runTask(const QString& busy, bool refreshAfterFailure, std::function<QString()> work) {
    setBusyMessage(busy);
    const Weak self(this);
    Async::runInBackground([self, refreshAfterFailure, work = std::move(work)] {
        std::optional<QString> result;
        QString failure;
        try {
            result = work();
        } catch (const std::exception& e) {
            failure = errorText(e);
        }
        onGui(self, [result, failure, refreshAfterFailure](AppState& state) {
            state.setBusyMessage(std::nullopt);
            if (result)
                state.setLastAction(*result);
            else
                state.setAlertMessage(failure);
            if (result || refreshAfterFailure) state.refreshAll();
        });
    });
}

void AppState::openPackPage() {
    if (m_services.workspace) m_services.workspace->openUrl(Installer::packPage());
}

void AppState::fixScript() {
    if (!m_gameDir) return;
    const auto script = Steam::bepScript(*m_gameDir);
    if (!script) return;
    try {
        Installer::patchScript(*script, *m_gameDir);
    } catch (const std::exception& e) {
        setAlertMessage(QStringLiteral("Couldn't update the launch script: ") + errorText(e));
        return;
    }
    setLastAction(QStringLiteral("Updated %1 for this Mac").arg(Fs::fileName(*script)));
    refreshAll();
}

void AppState::clearQuarantine() {
    if (!m_gameDir) return;
    const QString dir = *m_gameDir;
    setBusyMessage(QStringLiteral("Clearing quarantine flags…"));
    const Weak self(this);
    Async::runInBackground([self, dir] {
        const int n = Quarantine::clear(dir);
        onGui(self, [n](AppState& state) {
            state.setBusyMessage(std::nullopt);
            state.setLastAction(n < 1 ? QStringLiteral("No quarantine flags found")
                                      : QStringLiteral("Removed quarantine from ") +
                                            counted(n, QStringLiteral("file")));
            state.refreshAll();
        });
    });
}

void AppState::copyLaunchOptions() {
    copyToClipboard(launchOptionsString());
    setLastAction(QStringLiteral("Launch options copied — paste them into Steam"));
}

void AppState::copyToClipboard(const QString& text) {
    if (m_services.clipboard) m_services.clipboard->setText(text);
}

void AppState::launchValheim() {
    if (m_services.workspace)
        m_services.workspace->openUrl(QUrl(Outside::steamLaunchLinkPrefix + Steam::valheimAppID));
    setLastAction(QStringLiteral("Asked Steam to launch Valheim"));
}

void AppState::playVanilla() {
    if (!m_gameDir) return;
    const auto app = Steam::valheimAppBundle(*m_gameDir);
    if (!app) return;
    const QList<RunningApplication> running =
        m_services.workspace ? m_services.workspace->runningApplications() : QList<RunningApplication>();
    const bool steamRunning = std::any_of(running.cbegin(), running.cend(), [](const RunningApplication& a) {
        return a.bundleIdentifier == Outside::steamBundleIdentifier;
    });
    if (!steamRunning) {
        setAlertMessage(
            QStringLiteral("Start Steam first — Valheim needs it running even for a vanilla launch."));
        return;
    }
    const QString executable =
        Fs::join(Fs::join(*app, Outside::bundleExecutableDir), Steam::innerExecutableName(*app));
    const QStringList arguments = m_consoleEnabled ? QStringList{Outside::consoleArgument} : QStringList{};
    // Detached, so that closing Skaldrun never ends the game it started.
    const Process::Started started = Process::startDetached(executable, arguments, *m_gameDir);
    if (started.process.pid == 0) {
        setAlertMessage(QStringLiteral("Couldn't launch Valheim directly: ") + started.error);
        return;
    }
    m_vanilla = started.process;
    setLastAction(QStringLiteral("Launched Valheim vanilla — mods stay installed but don't load"));
}

bool AppState::isValheimRunning() const {
    if (Process::isRunning(m_vanilla)) return true;
    if (!m_services.workspace) return false;
    for (const RunningApplication& app : m_services.workspace->runningApplications()) {
        // A game whose bundle was moved or deleted while it runs still holds the saves open.
        if (!app.bundlePath.isEmpty() && app.bundlePath.toLower().contains(QLatin1String("valheim.app")))
            return true;
        if (app.name.toLower() == QLatin1String("valheim")) return true;
    }
    return false;
}

// ---------------------------------------------------------------------------------------------
// Mod actions

std::optional<ModItem> AppState::installedMod(const TSPackage& package) const {
    const auto it = m_installedByName.constFind(ConfigStore::normalize(package.name));
    if (it == m_installedByName.cend()) return std::nullopt;
    return m_mods.at(*it);
}

bool AppState::updateAvailable(const TSPackage& package) const {
    const auto mod = installedMod(package);
    return mod && mod->version && Version::less(*mod->version, package.version);
}

void AppState::installThunderstorePackage(const TSPackage& package) {
    if (!m_gameDir) {
        setAlertMessage(QStringLiteral("Locate your Valheim folder first (step 1)."));
        return;
    }
    const QString dir = *m_gameDir;
    QSet<QString> installed;
    for (const ModItem& mod : m_mods)
        installed.insert(ConfigStore::normalize(mod.name));
    const auto resolution = Thunderstore::resolutionChain(package, m_thunder->indexByOwnerName(), installed);
    setBusyMessage(QStringLiteral("Preparing %1…").arg(package.prettyName()));
    const Weak self(this);
    const QList<TSPackage> chain = resolution.chain;
    const QStringList missing = resolution.missing;
    const QString requested = package.prettyName();
    Async::runInBackground([self, cancel = m_cancel, chain, missing, requested, dir] {
        if (self.isNull()) return;
        QStringList installedNames;
        QStringList failures;
        const qsizetype n = chain.size();
        for (qsizetype k = 0; k < n; ++k) {
            const TSPackage& p = chain[k];
            const QString name = p.prettyName();
            onGui(self, [name, k, n](AppState& state) {
                state.setBusyProgress(std::nullopt);
                state.setBusyMessage(QStringLiteral("Installing %1 (%2 of %3)…").arg(name).arg(k + 1).arg(n));
            });
            if (!p.downloadURL) {
                failures << name + QStringLiteral(": no download URL");
                continue;
            }
            // The catalog is outside input: its archives come from the repositories and their
            // CDNs, never from wherever a record points.
            if (!Repository::trustedDownload(*p.downloadURL)) {
                failures << name + QStringLiteral(": refused to download from %1, which is neither "
                                                  "Thunderstore's nor Hexium's")
                                       .arg(p.downloadURL->host());
                continue;
            }
            std::unique_ptr<Installer::TemporaryFolder> folder;
            try {
                folder = std::make_unique<Installer::TemporaryFolder>();
            } catch (const std::exception& e) {
                failures << name + QStringLiteral(": ") + errorText(e);
                continue;
            }
            const QString archive = Fs::join(folder->path, QStringLiteral("package.zip"));
            const Http::Result download = Http::download(*p.downloadURL, archive, progressReporter(self),
                                                         Http::defaultTimeouts(), cancel);
            // The state is going away: start no further download or install.
            if (download.cancelled || cancel->load()) return;
            if (!download.responded) {
                failures << name + QStringLiteral(": ") +
                                (download.error.isEmpty() ? QStringLiteral("download failed")
                                                          : download.error);
                continue;
            }
            try {
                Installer::installZip(archive, dir);
                Thunderstore::rememberOrigin(p);
                installedNames << name;
            } catch (const std::exception& e) {
                failures << name + QStringLiteral(": ") + errorText(e);
            }
        }
        if (!missing.isEmpty())
            failures << QStringLiteral("Not in the catalog (install manually): ") +
                            missing.join(QStringLiteral(", "));
        onGui(self, [installedNames, failures, requested](AppState& state) {
            state.setBusyMessage(std::nullopt);
            const qsizetype m = installedNames.size();
            if (m == 1 && installedNames.first() == requested) {
                state.setLastAction(QStringLiteral("Installed ") + requested);
            } else if (m > 1 && installedNames.last() == requested) {
                const qsizetype d = m - 1;
                state.setLastAction(
                    QStringLiteral("Installed %1 with %2 %3 (%4)")
                        .arg(requested)
                        .arg(d)
                        .arg(d == 1 ? QStringLiteral("dependency") : QStringLiteral("dependencies"),
                             installedNames.mid(0, d).join(QStringLiteral(", "))));
            } else if (m > 0) {
                // The requested package itself failed (the alert says why); say what did install.
                state.setLastAction(QStringLiteral("Installed %1, but not %2")
                                        .arg(installedNames.join(QStringLiteral(", ")), requested));
            }
            if (!failures.isEmpty()) state.setAlertMessage(failures.join(QLatin1Char('\n')));
            state.refreshAll();
        });
    });
}

void AppState::handleDropped(const QStringList& paths) {
    if (!m_gameDir) {
        setAlertMessage(QStringLiteral("Locate your Valheim folder first (step 1), then drop mods here."));
        return;
    }
    if (paths.isEmpty()) return;
    const QString dir = *m_gameDir;
    setBusyMessage(paths.size() == 1 ? QStringLiteral("Installing %1…").arg(Fs::fileName(paths.first()))
                                     : QStringLiteral("Installing %1 items…").arg(paths.size()));
    const Weak self(this);
    Async::runInBackground([self, paths, dir] {
        QStringList results;
        QStringList errors;
        for (const QString& path : paths) {
            try {
                results << Installer::install(path, dir);
            } catch (const std::exception& e) {
                errors << errorText(e);
            }
        }
        onGui(self, [results, errors](AppState& state) {
            state.setBusyMessage(std::nullopt);
            if (!results.isEmpty()) state.setLastAction(results.join(QStringLiteral(" · ")));
            if (!errors.isEmpty()) state.setAlertMessage(errors.join(QStringLiteral("\n\n")));
            state.refreshAll();
        });
    });
}

void AppState::setMod(const ModItem& mod, bool enabled) {
    try {
        ModScanner::setEnabled(mod, enabled);
        setLastAction(mod.name + (enabled ? QStringLiteral(" enabled") : QStringLiteral(" disabled")));
    } catch (const std::exception& e) {
        setAlertMessage(QStringLiteral("Couldn't toggle %1: %2").arg(mod.name, errorText(e)));
    }
    refreshMods();
}

void AppState::trash(const ModItem& mod) {
    try {
        Trash::moveToTrash(mod.url);
    } catch (const std::exception& e) {
        setAlertMessage(QStringLiteral("Couldn't remove %1: %2").arg(mod.name, errorText(e)));
        return;
    }
    setLastAction(QStringLiteral("Moved %1 to Trash").arg(mod.name));
    refreshMods();
}

void AppState::reveal(const ModItem& mod) {
    if (m_services.workspace) m_services.workspace->reveal(mod.url);
}

void AppState::openGameFolder() {
    if (m_gameDir && m_services.workspace) m_services.workspace->openFolder(*m_gameDir);
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
    if (m_services.workspace) m_services.workspace->openFolder(target);
}

// ---------------------------------------------------------------------------------------------
// Save backups and the shader capture

void AppState::backupSaves() {
    if (isValheimRunning()) {
        setAlertMessage(QStringLiteral(
            "Quit Valheim first — backing up while the game is running can capture a half-written save."));
        return;
    }
    runTask(QStringLiteral("Backing up worlds and characters…"), false, [] {
        const Installer::SaveBackup backup =
            Installer::backupSaves(Installer::valheimSavesDir(), Installer::saveBackupsRoot());
        QString done = QStringLiteral("Backed up ") + counted(backup.files, QStringLiteral("save file"));
        if (backup.brokenLinks > 0)
            done += QStringLiteral(" — %1 in the save folder lead%2 nowhere, so no older backup was removed")
                        .arg(counted(backup.brokenLinks, QStringLiteral("link")),
                             backup.brokenLinks == 1 ? QStringLiteral("s") : QString());
        return done;
    });
}

void AppState::restoreSavesFromLatestBackup() {
    if (isValheimRunning()) {
        setAlertMessage(QStringLiteral(
            "Quit Valheim first — restoring while the game is running would corrupt the save."));
        return;
    }
    const auto latest = Installer::latestSaveBackup(Installer::saveBackupsRoot());
    if (!latest) return;
    runTask(QStringLiteral("Restoring worlds and characters…"), false, [backup = *latest] {
        const int files = Installer::restoreSaves(backup, Installer::valheimSavesDir());
        return QStringLiteral("Restored ") + counted(files, QStringLiteral("save file")) +
               QStringLiteral(" from the backup");
    });
}

void AppState::stashModsForCapture() {
    moveModsForCapture(&Installer::stashModsForCapture, QStringLiteral("Couldn't move mods aside: "),
                       [this](int n) {
                           copyToClipboard(Outside::shaderCaptureCommand);
                           return QStringLiteral("Moved ") + counted(n, QStringLiteral("mod")) +
                                  QStringLiteral(" aside — capture command copied to clipboard");
                       });
}

void AppState::restoreModsAfterCapture() {
    moveModsForCapture(&Installer::restoreStashedMods, QStringLiteral("Couldn't restore mods: "), [](int n) {
        return QStringLiteral("Restored ") + counted(n, QStringLiteral("mod")) +
               QStringLiteral(" — relaunch Valheim to play modded");
    });
}

void AppState::moveModsForCapture(int (*move)(const QString&), const QString& failurePrefix,
                                  const std::function<QString(int)>& success) {
    if (!m_gameDir) return;
    int n = 0;
    try {
        n = move(*m_gameDir);
    } catch (const std::exception& e) {
        setAlertMessage(failurePrefix + errorText(e));
        return;
    }
    setLastAction(success(n));
    refreshAll();
}

bool AppState::shaderHelperInstalled() const {
    return std::any_of(m_mods.cbegin(), m_mods.cend(), [](const ModItem& m) {
        return ConfigStore::normalize(m.name).contains(QLatin1String("shaderhelper"));
    });
}

void AppState::installShaderHelper() {
    downloadAndInstallThunderstorePackage(Repository::shaderHelper.ns, Repository::shaderHelper.name,
                                          Repository::shaderHelperLabel);
}

void AppState::openShaderHelperPage() {
    if (m_services.workspace)
        m_services.workspace->openUrl(
            Repository::packagePage(Repository::shaderHelper.ns, Repository::shaderHelper.name));
}
