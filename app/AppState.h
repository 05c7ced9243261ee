#pragma once

#include "app/LastLaunch.h"
#include "app/Snapshot.h"
#include "app/Task.h"
#include "catalog/PackageDocs.h"
#include "catalog/Repository.h"
#include "catalog/TSPackage.h"
#include "catalog/UpdatePlan.h"
#include "install/InstallPlan.h"
#include "install/Pipeline.h"
#include "install/ProfilePack.h"
#include "inventory/ModScanner.h"
#include "launch/LaunchFixes.h"
#include "platform/OpenPanel.h"
#include "platform/Platform.h"
#include "platform/Process.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class ThunderstoreStore;
class Workspace;
class Clipboard;
class QFileSystemWatcher;
class FolderLock;

// The one model object of the application: the probed status of the game folder, the setup
// and the mods (one Snapshot), the messages of the running or last action, the player's
// preferences, and the actions. Lives on the GUI thread. Every assignment emits changed(), even
// of an equal value; modsChanged, busyMessageChanged, busyProgressChanged, alertMessageChanged and
// lastActionChanged come with it for the views that redraw only on those.
//
// Long actions run through runTask (app/Task.h) on the thread pool and keep one contract, which
// the window and the command line wait on: from the moment the action starts until it ends,
// busyMessage() is set (its text changes with the stage; busyProgress() fills while something
// downloads). When it ends, in one call on the GUI thread: busyMessage is cleared, then
// lastAction() is set to the success line and/or alertMessage() to the error sentence (at least
// one of the two), then a status refresh starts; each assignment emits changed(). Quick actions
// set lastAction or alertMessage at once, without a busy text. An action with nothing to work on
// returns without a word: downloadAndInstallBepInEx, clearQuarantine,
// fixScript and the capture moves without a game folder, restoreSavesFromLatestBackup without
// a backup, handleDropped with no paths, the open panels when the player cancels.
class AppState : public QObject {
    Q_OBJECT
    friend class Task;

public:
    // The desktop services the actions use; not owned, and they must outlive the state.
    struct Services {
        Workspace& workspace;
        Clipboard& clipboard;
        OpenPanel& openPanel;
        // The system the game is set up on: main and skaldrun-cli take the machine's; tests name it.
        Platform platform = Platform::macOS;
    };

    static inline const QString rosettaCommand =
        QStringLiteral("softwareupdate --install-rosetta --agree-to-license");

    explicit AppState(Services services, QObject* parent = nullptr);
    // Cancels the downloads of its actions, starts no further install step and publishes nothing
    // more; a file operation already under way finishes on its worker.
    ~AppState() override;

    // --- State ---
    const Snapshot& snapshot() const { return m_snapshot; }
    // Whether a status probe has answered yet; until then the snapshot is empty, not the game's.
    bool probed() const { return m_probed; }
    const std::optional<QString>& gameDir() const { return m_gameDir; }
    bool launchOptionsManual() const { return m_launchOptionsManual; }
    bool setupCollapsed() const { return m_setupCollapsed; }
    bool consoleEnabled() const { return m_consoleEnabled; }
    const std::optional<QString>& busyMessage() const { return m_busyMessage; }
    // How far the running download is, 0…1; none while unknown.
    const std::optional<double>& busyProgress() const { return m_busyProgress; }
    const std::optional<QString>& alertMessage() const { return m_alertMessage; }
    const std::optional<QString>& lastAction() const { return m_lastAction; }

    void setLaunchOptionsManual(bool value); // persisted
    void setSetupCollapsed(bool value);      // persisted
    void setConsoleEnabled(bool value);      // persisted
    void setBusyMessage(const std::optional<QString>& value);
    void setAlertMessage(const std::optional<QString>& value);
    void setLastAction(const std::optional<QString>& value);

    // --- Plain members ---
    ThunderstoreStore* thunder() const { return m_thunder; }
    const Services& services() const { return m_services; }
    bool isAppleSilicon() const { return m_isAppleSilicon; }
    Platform platform() const { return m_services.platform; }
    bool onLinux() const { return m_services.platform == Platform::linuxOS; }

    // --- Derived values ---
    bool stepGame() const { return m_snapshot.appBundleName.has_value(); }
    bool stepRosetta() const { return m_snapshot.rosettaOK; }
    bool stepBep() const {
        return m_snapshot.bepFilesPresent && m_snapshot.scriptExecutable && m_snapshot.scriptNameConfigured &&
               !m_snapshot.scriptPredatesRuntime;
    }
    bool stepArch() const {
        return !m_isAppleSilicon || (m_snapshot.bepFilesPresent && m_snapshot.archConfigured);
    }
    bool stepQuarantine() const {
        return onLinux() || (m_snapshot.bepFilesPresent && m_snapshot.quarantineCount == 0);
    }
    bool stepSteam() const { return m_snapshot.launchDetected || m_launchOptionsManual; }
    bool stepVerify() const;
    int doneCount() const;
    bool allDone() const { return doneCount() == 7; }
    QString effectiveScriptName() const;
    QString launchOptionsString() const;
    int enabledModCount() const;
    int toggleableModCount() const;

    // --- Status refresh ---
    void refreshAll();  // returns at once; the probe's result is published later on this thread
    void refreshMods(); // rescans the mod list now, on this thread

    // --- Setup actions ---
    void autoDetectGame();
    // Works on this folder for the rest of the session, whatever it holds, without remembering it.
    void useGameFolder(const QString& dir);
    void chooseGameFolder();
    void installRosetta();
    void downloadAndInstallBepInEx();
    void installBepInExFromZip();
    void openPackPage();
    void fixScript();
    void clearQuarantine();
    void copyLaunchOptions();
    void copyToClipboard(const QString& text);
    void launchValheim();
    void playVanilla();
    bool isValheimRunning() const;

    // --- Linux: Steam's launch options written for the player (app/LinuxActions.cpp) ---
    // Only while Steam is closed: it rewrites its settings from memory when it quits.
    void setLaunchOptionsInSteam();
    bool steamRunning() const;

    // --- Mod actions ---
    std::optional<ModItem> installedMod(const TSPackage& package) const;
    bool updateAvailable(const TSPackage& package) const;
    void installThunderstorePackage(const TSPackage& package);
    void handleDropped(const QStringList& paths);
    void setMod(const ModItem& mod, bool enabled);
    void trash(const ModItem& mod);
    void deleteMod(const ModItem& mod); // for good, where there is no Trash
    // A config file's edits (entry id -> text) written under the folder's lock, the file read
    // again there; or the first-seen copy put back. The sentence when it couldn't.
    std::optional<QString> saveConfig(const QString& file, const QHash<QString, QString>& edits,
                                      const QString& modName);
    std::optional<QString> revertConfig(const QString& file, const QString& modName);
    void reveal(const ModItem& mod);
    void openGameFolder();
    void openPluginsFolder();

    // --- Save backup and shader-capture actions ---
    void backupSaves();
    void restoreSavesFromLatestBackup();
    void stashModsForCapture();
    void restoreModsAfterCapture();
    bool shaderHelperInstalled() const;
    // The shader fix is found in the loaded catalog by its name (Thunderstore::publishedAs); when
    // no repository has it, the alert says so.
    void installShaderHelper();
    void openShaderHelperPage();

    // --- Profile actions (app/ProfileActions.cpp) ---
    // Each mod set of the game folder (Snapshot::profiles); the names are checked by
    // Profiles::nameProblem, and every failure is the alert.
    void newProfile(const QString& name, bool copyActive);
    void renameProfile(const QString& from, const QString& to);
    void deleteProfile(const QString& name); // to the Trash; never the active one
    void switchProfile(const QString& name); // refused while Valheim runs
    // --- Profile sharing: share codes, .r2z and export.r2x files (app/ShareActions.cpp) ---
    // A pack read from a code or a file waits here for the player's choice (the preview).
    struct ImportRow {
        ProfilePack::Mod mod;
        std::optional<Repository::Source> foundOn; // none: no repository offers this exact version
    };
    enum class ImportTarget { newProfile, replaceActive };
    const std::optional<ProfilePack::Profile>& pendingImport() const { return m_pendingImport; }
    QList<ImportRow> importRows() const; // the pending pack against the catalog as it is now
    // Both read on the pool, as long actions; the pack lands in pendingImport.
    void readProfileCode(const QString& code); // Thunderstore's keeper, then Hexium's
    void readProfileFile(const QString& path); // a .r2z, or an export.r2x alone
    void chooseProfileFile();
    void discardPendingImport();
    // Downloads every mod of the pending pack first, then installs them in order with their
    // dependencies, sets their states and writes the config files, all as one change: a failure
    // or a Cancel puts back every mod and config file it touched. A new profile (named `name`,
    // else after the pack, numbered when taken) is made and switched to only once every download
    // is in; when an install fails the player is back on the profile that was active.
    void importProfile(ImportTarget target, const QString& name = {});
    void cancelImport();
    // The active profile as a pack, and the mods that can't travel in one.
    struct ExportPlan {
        ProfilePack::Profile profile;
        QStringList notIncluded;
    };
    ExportPlan exportPlan() const;
    static QString notIncludedLine(const QStringList& names);
    void exportProfileToFile(); // asks where to save the .r2z
    void exportProfileTo(const QString& path);
    void exportProfileCode();
    const std::optional<QString>& exportedCode() const { return m_exportedCode; }
    void copyExportedCode();
    // --- Updates and dependencies (app/UpdateActions.cpp) ---
    // The installed mods against the catalog and the player's pins; recomputed whenever either
    // changes, before modsChanged and planChanged are emitted.
    const UpdatePlan::Plan& updatePlan() const { return m_plan; }
    // One action for all: each mod's newest release and any dependency it newly needs, downloaded
    // before the installed version is touched; each keeps its enabled state and its config files.
    // A mod that fails keeps its installed version and is named in the closing line.
    void updateMods(const QList<UpdatePlan::Update>& updates);
    // Stops a running updateMods: during the downloads nothing changes; after, it stops once the
    // mod under way is done.
    void cancelUpdates();
    // One release of a package, in place of the installed one (kept as updateMods keeps it);
    // `keep` stops updates being offered for the mod.
    void installVersion(const TSPackage& package, const QString& version, bool keep);
    bool updatesOffered(const QString& modName) const;
    void setUpdatesOffered(const QString& modName, bool offered); // per profile, persisted
    // Several mods switched or moved to the Trash as one action (a mod and its dependants).
    void setModsEnabled(const QList<ModItem>& mods, bool enabled);
    void trashMods(const QList<ModItem>& mods);
    // What the mod needs to load: the missing dependencies installed, the disabled ones enabled.
    void fixDependencies(const ModItem& mod);
    // A release's readme or changelog; `done` runs on this thread, while the state lives.
    void fetchDocument(const TSPackage& package, const QString& version, PackageDocs::Kind kind,
                       std::function<void(const PackageDocs::Doc&)> done) const;

    // --- The last launch (app/LaunchActions.cpp) ---
    // Read on the pool after each status refresh that finds the log, the mods or the profile
    // changed; launchChanged follows (and changed). launchReading() while a read is under way.
    const LastLaunch& lastLaunch() const { return m_lastLaunch; }
    bool launchReading() const { return m_launchReading; }
    // What one click can do about a problem, against the mods and the catalog as they are now.
    QList<LaunchFixes::Fix> launchFixes(const LastLaunch::Problem& problem) const;
    // Through the actions above: installVersion, setModsEnabled. The window asks about a mod's
    // dependants before a switch-off (DependantsPrompt); this doesn't.
    void applyLaunchFix(const LaunchFixes::Fix& fix);
    QList<ModItem> failingMods() const; // enabled, and kept from loading or broken in the last launch
    QList<UpdatePlan::Update> failingModUpdates() const;
    std::optional<QString> newerLoaderPack() const; // the catalog's pack, when newer than the one set up
    void copyLaunchForDiscord();

Q_SIGNALS:
    void planChanged();
    void changed();   // after any assignment
    void refreshed(); // after a status refresh was published
    void modsChanged();
    void busyMessageChanged();
    void busyProgressChanged();
    void alertMessageChanged();
    void lastActionChanged();
    void pendingImportChanged();
    void launchChanged();

private:
    template <typename T> void assign(T& member, const T& value, void (AppState::*notify)() = nullptr) {
        member = value;
        if (notify) Q_EMIT(this->*notify)();
        Q_EMIT changed();
    }
    // The worker's side of an action of this state; what it posts is dropped once the state is gone.
    Task task() { return Task(this, m_cancel); }
    // Shows busy, then runs work on the pool (the contract above).
    void runTask(const QString& busy, Task::Work work);

    void publish(const ProbeResult& probe);
    void startWatchingPlugins();
    void setGameDirRemembered(const QString& dir);
    void setMods(const QList<ModItem>& value);
    void setBusyProgress(const std::optional<double>& value);
    void downloadAndInstallThunderstorePackage(const Repository::PackageId& id, const QString& label);
    std::optional<TSPackage> shaderHelperPackage(); // sets the alert when there is none
    // Asks the player for a folder or a file; `chosen` runs only with an answer, while the state lives.
    void ask(const OpenPanel::Request& request, std::function<void(const QString&)> chosen);
    // Parks or brings back the plugins on this thread; the moves are renames in one folder.
    // `failure` is the alert's sentence, its %1 the reason.
    void moveModsForCapture(int (*move)(const QString&), const QString& failure,
                            const std::function<QString(int)>& success);
    void runTask(const QString& busy, bool refreshAfterFailure, std::function<QString()> work);
    // Plans the requested packages against the installed mods and the catalog, then runs the
    // plan through the one install pipeline (install/Pipeline.h) as a task; `tell` turns its
    // report into the action's end. `adjust` sets an import's extra steps.
    void runPipeline(const QString& busy, const QList<InstallPlan::Request>& requests, bool allOrNothing,
                     std::function<Task::Outcome(const Pipeline::Report&)> tell,
                     const std::function<void(Pipeline::Options&)>& adjust = {});
    void runPlan(const QString& busy, const InstallPlan::Plan& plan, bool allOrNothing,
                 std::function<Task::Outcome(const Pipeline::Report&)> tell,
                 const std::function<void(Pipeline::Options&)>& adjust = {});
    InstallPlan::Plan planFor(const QList<InstallPlan::Request>& requests,
                              const QList<ModItem>& installed) const;
    // Runs one change of the game folder's profiles as a task, holding the folder's lock.
    void runProfileTask(const QString& busy, std::function<QString(const QString& gameDir)> change);
    // Actions that change the game folder hold its lock until their busy text clears (or, for
    // quick ones, until they return); another process holding it, or a long change of this
    // state still running, is reported as the alert.
    bool claimGameFolder();
    void releaseGameFolder();
    bool idleToRead(); // no other long action runs; else the alert says so

    // Profile sharing.
    void setPendingImport(const std::optional<ProfilePack::Profile>& pack);
    std::optional<TSPackage> packageAt(const ProfilePack::Mod& mod) const;
    std::optional<ProfilePack::Profile> m_pendingImport;
    std::optional<QString> m_exportedCode;
    // Updates and dependencies (app/UpdateActions.cpp).
    void recomputePlan(const QList<ModItem>& mods);
    void catalogChanged();
    Http::CancelFlag m_runStop = Http::newCancelFlag(); // the player's Cancel of the running install, per run
    UpdatePlan::CatalogView m_catalogView;
    UpdatePlan::Plan m_plan;

    // The last launch (app/LaunchActions.cpp).
    void readLastLaunch();
    void noteNoLog();
    LastLaunch m_lastLaunch;
    bool m_launchReading = false;
    int m_launchGeneration = 0;
    QString m_launchKey; // the game folder, profile and log date last read
    QList<ModItem> m_launchMods;

    Services m_services;
    // Set when the state goes away; the workers' downloads, install chains and results watch it.
    Http::CancelFlag m_cancel = Http::newCancelFlag();
    ThunderstoreStore* m_thunder = nullptr;
    bool m_isAppleSilicon = false;
    Process::Handle m_vanilla; // the game started by the direct launch; pid 0 when none
    QFileSystemWatcher* m_watcher = nullptr;
    std::optional<QString> m_watchedPath;
    QHash<QString, qsizetype> m_installedByName; // normalized mod name -> first index in m_mods
    std::unique_ptr<FolderLock> m_folderLock;
    bool m_gameDirPinned = false;
    // When "Launch Valheim" last asked Steam for the game; a loader log older than that is stale.
    std::optional<QDateTime> m_launchedAt;

    Snapshot m_snapshot;
    std::optional<QString> m_gameDir;
    bool m_launchOptionsManual = false;
    bool m_setupCollapsed = false;
    bool m_probed = false;
    bool m_consoleEnabled = false;
    std::optional<QString> m_busyMessage;
    std::optional<double> m_busyProgress;
    std::optional<QString> m_alertMessage;
    std::optional<QString> m_lastAction;
};
