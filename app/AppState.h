#pragma once

#include "app/Snapshot.h"
#include "catalog/TSPackage.h"
#include "inventory/ModScanner.h"
#include "platform/Process.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>

class ThunderstoreStore;
class Workspace;
class Clipboard;
class OpenPanel;
class QFileSystemWatcher;
class FolderLock;

// The one model object of the application: everything the window shows about the game
// folder, the setup and the mods, the messages of the running or last action, and the
// player's preferences. Lives on the GUI thread; every long action moves its work to the
// thread pool and posts its results back. Every assignment of an observable property emits
// its signal and changed(), even when the value is equal.
class AppState : public QObject {
    Q_OBJECT
    Q_PROPERTY(std::optional<QString> gameDir READ gameDir NOTIFY gameDirChanged)
    Q_PROPERTY(std::optional<QString> appBundleName READ appBundleName NOTIFY appBundleNameChanged)
    Q_PROPERTY(bool rosettaOK READ rosettaOK NOTIFY rosettaOKChanged)
    Q_PROPERTY(bool bepFilesPresent READ bepFilesPresent NOTIFY bepFilesPresentChanged)
    Q_PROPERTY(std::optional<QString> scriptName READ scriptName NOTIFY scriptNameChanged)
    Q_PROPERTY(bool scriptExecutable READ scriptExecutable NOTIFY scriptExecutableChanged)
    Q_PROPERTY(bool scriptNameConfigured READ scriptNameConfigured NOTIFY scriptNameConfiguredChanged)
    Q_PROPERTY(bool archConfigured READ archConfigured NOTIFY archConfiguredChanged)
    Q_PROPERTY(std::optional<QString> bepVersion READ bepVersion NOTIFY bepVersionChanged)
    Q_PROPERTY(int quarantineCount READ quarantineCount NOTIFY quarantineCountChanged)
    Q_PROPERTY(bool launchOptionsDetected READ launchOptionsDetected NOTIFY launchOptionsDetectedChanged)
    Q_PROPERTY(bool launchOptionsManual READ launchOptionsManual WRITE setLaunchOptionsManual NOTIFY
                   launchOptionsManualChanged)
    Q_PROPERTY(std::optional<QDateTime> logDate READ logDate NOTIFY logDateChanged)
    Q_PROPERTY(int captureStashCount READ captureStashCount NOTIFY captureStashCountChanged)
    Q_PROPERTY(std::optional<QDateTime> shaderCacheDate READ shaderCacheDate NOTIFY shaderCacheDateChanged)
    Q_PROPERTY(bool savesPresent READ savesPresent NOTIFY savesPresentChanged)
    Q_PROPERTY(
        std::optional<QDateTime> lastSaveBackupDate READ lastSaveBackupDate NOTIFY lastSaveBackupDateChanged)
    Q_PROPERTY(QList<ModItem> mods READ mods NOTIFY modsChanged)
    Q_PROPERTY(
        std::optional<QString> busyMessage READ busyMessage WRITE setBusyMessage NOTIFY busyMessageChanged)
    Q_PROPERTY(std::optional<double> busyProgress READ busyProgress NOTIFY busyProgressChanged)
    Q_PROPERTY(std::optional<QString> alertMessage READ alertMessage WRITE setAlertMessage NOTIFY
                   alertMessageChanged)
    Q_PROPERTY(std::optional<QString> lastAction READ lastAction WRITE setLastAction NOTIFY lastActionChanged)
    Q_PROPERTY(bool setupCollapsed READ setupCollapsed WRITE setSetupCollapsed NOTIFY setupCollapsedChanged)
    Q_PROPERTY(bool consoleEnabled READ consoleEnabled WRITE setConsoleEnabled NOTIFY consoleEnabledChanged)

public:
    // The desktop services the actions use; not owned, and they must outlive the state.
    struct Services {
        Workspace* workspace = nullptr;
        Clipboard* clipboard = nullptr;
        OpenPanel* openPanel = nullptr;
    };

    static inline const QString rosettaCommand =
        QStringLiteral("softwareupdate --install-rosetta --agree-to-license");

    explicit AppState(Services services, QObject* parent = nullptr);
    // Cancels the downloads of its actions and starts no further install step; a file operation
    // already under way finishes on its worker.
    ~AppState() override;

    // --- Observable state ---
    const std::optional<QString>& gameDir() const { return m_gameDir; }
    const std::optional<QString>& appBundleName() const { return m_appBundleName; }
    bool rosettaOK() const { return m_rosettaOK; }
    bool bepFilesPresent() const { return m_bepFilesPresent; }
    const std::optional<QString>& scriptName() const { return m_scriptName; }
    bool scriptExecutable() const { return m_scriptExecutable; }
    bool scriptNameConfigured() const { return m_scriptNameConfigured; }
    bool archConfigured() const { return m_archConfigured; }
    const std::optional<QString>& bepVersion() const { return m_bepVersion; }
    int quarantineCount() const { return m_quarantineCount; }
    bool launchOptionsDetected() const { return m_launchOptionsDetected; }
    bool launchOptionsManual() const { return m_launchOptionsManual; }
    const std::optional<QDateTime>& logDate() const { return m_logDate; }
    int captureStashCount() const { return m_captureStashCount; }
    const std::optional<QDateTime>& shaderCacheDate() const { return m_shaderCacheDate; }
    bool savesPresent() const { return m_savesPresent; }
    const std::optional<QDateTime>& lastSaveBackupDate() const { return m_lastSaveBackupDate; }
    const QList<ModItem>& mods() const { return m_mods; }
    const std::optional<QString>& busyMessage() const { return m_busyMessage; }
    // How far the running download or install is, 0…1; none while unknown.
    const std::optional<double>& busyProgress() const { return m_busyProgress; }
    const std::optional<QString>& alertMessage() const { return m_alertMessage; }
    const std::optional<QString>& lastAction() const { return m_lastAction; }
    bool setupCollapsed() const { return m_setupCollapsed; }
    bool consoleEnabled() const { return m_consoleEnabled; }

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

    // --- Derived values ---
    bool stepGame() const { return m_appBundleName.has_value(); }
    bool stepRosetta() const { return m_rosettaOK; }
    bool stepBep() const { return m_bepFilesPresent && m_scriptExecutable && m_scriptNameConfigured; }
    bool stepArch() const { return !m_isAppleSilicon || (m_bepFilesPresent && m_archConfigured); }
    bool stepQuarantine() const { return m_bepFilesPresent && m_quarantineCount == 0; }
    bool stepSteam() const { return m_launchOptionsDetected || m_launchOptionsManual; }
    bool stepVerify() const { return m_logDate.has_value(); }
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

    // --- Mod actions ---
    std::optional<ModItem> installedMod(const TSPackage& package) const;
    bool updateAvailable(const TSPackage& package) const;
    void installThunderstorePackage(const TSPackage& package);
    void handleDropped(const QStringList& paths);
    void setMod(const ModItem& mod, bool enabled);
    void trash(const ModItem& mod);
    void deleteMod(const ModItem& mod); // for good, where there is no Trash
    void reveal(const ModItem& mod);
    void openGameFolder();
    void openPluginsFolder();

    // --- Save backup and shader-capture actions ---
    void backupSaves();
    void restoreSavesFromLatestBackup();
    void stashModsForCapture();
    void restoreModsAfterCapture();
    bool shaderHelperInstalled() const;
    void installShaderHelper();
    void openShaderHelperPage();

Q_SIGNALS:
    void gameDirChanged();
    void appBundleNameChanged();
    void rosettaOKChanged();
    void bepFilesPresentChanged();
    void scriptNameChanged();
    void scriptExecutableChanged();
    void scriptNameConfiguredChanged();
    void archConfiguredChanged();
    void bepVersionChanged();
    void quarantineCountChanged();
    void launchOptionsDetectedChanged();
    void launchOptionsManualChanged();
    void logDateChanged();
    void captureStashCountChanged();
    void shaderCacheDateChanged();
    void savesPresentChanged();
    void lastSaveBackupDateChanged();
    void modsChanged();
    void busyMessageChanged();
    void busyProgressChanged();
    void alertMessageChanged();
    void lastActionChanged();
    void setupCollapsedChanged();
    void consoleEnabledChanged();
    void changed();   // after any observable property was assigned
    void refreshed(); // after a status refresh was published

private:
    using Weak = QPointer<AppState>;
    template <typename T> void assign(T& member, const T& value, void (AppState::*notify)()) {
        member = value;
        Q_EMIT(this->*notify)();
        Q_EMIT changed();
    }
    // Runs fn on the GUI thread if the state still exists then. Safe to call from any thread.
    static void onGui(const Weak& self, std::function<void(AppState&)> fn);
    // A progress callback for the HTTP layer that posts busyProgress, throttled.
    static std::function<void(qint64, qint64)> progressReporter(const Weak& self);

    void publish(const std::optional<QString>& dir, const Snapshot& snapshot);
    void apply(const Snapshot& s);
    void startWatchingPlugins();
    void setGameDirRemembered(const QString& dir);
    void setMods(const QList<ModItem>& value);
    void setBusyProgress(const std::optional<double>& value);
    void downloadAndInstallThunderstorePackage(const QString& ns, const QString& package,
                                               const QString& label);
    void runInstall(std::function<QString()> work);
    // Runs work on the pool under a busy text; its text becomes lastAction, its error the alert.
    // Parks or brings back the plugins on this thread; the moves are renames in one folder.
    void moveModsForCapture(int (*move)(const QString&), const QString& failurePrefix,
                            const std::function<QString(int)>& success);
    void runTask(const QString& busy, bool refreshAfterFailure, std::function<QString()> work);
    // Actions that change the game folder hold its lock until their busy text clears (or, for
    // quick ones, until they return); another process holding it is reported as the alert.
    bool claimGameFolder();
    void releaseGameFolder();

    Services m_services;
    // Set when the state goes away; the workers' downloads and install chains watch it.
    std::shared_ptr<std::atomic<bool>> m_cancel = std::make_shared<std::atomic<bool>>(false);
    ThunderstoreStore* m_thunder = nullptr;
    bool m_isAppleSilicon = false;
    Process::Handle m_vanilla; // the game started by the direct launch; pid 0 when none
    QFileSystemWatcher* m_watcher = nullptr;
    std::optional<QString> m_watchedPath;
    QHash<QString, qsizetype> m_installedByName; // normalized mod name -> first index in m_mods
    std::unique_ptr<FolderLock> m_folderLock;
    bool m_gameDirPinned = false;

    std::optional<QString> m_gameDir;
    std::optional<QString> m_appBundleName;
    bool m_rosettaOK = false;
    bool m_bepFilesPresent = false;
    std::optional<QString> m_scriptName;
    bool m_scriptExecutable = false;
    bool m_scriptNameConfigured = false;
    bool m_archConfigured = false;
    std::optional<QString> m_bepVersion;
    int m_quarantineCount = 0;
    bool m_launchOptionsDetected = false;
    bool m_launchOptionsManual = false;
    std::optional<QDateTime> m_logDate;
    int m_captureStashCount = 0;
    std::optional<QDateTime> m_shaderCacheDate;
    bool m_savesPresent = false;
    std::optional<QDateTime> m_lastSaveBackupDate;
    QList<ModItem> m_mods;
    std::optional<QString> m_busyMessage;
    std::optional<double> m_busyProgress;
    std::optional<QString> m_alertMessage;
    std::optional<QString> m_lastAction;
    bool m_setupCollapsed = false;
    bool m_consoleEnabled = false;
};
