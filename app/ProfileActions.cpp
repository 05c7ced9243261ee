#include "app/AppState.h"
#include "install/Profiles.h"

#include <QFileSystemWatcher>

using Outcome = Task::Outcome;

void AppState::runProfileTask(const QString& busy, std::function<QString(const QString& gameDir)> change) {
    if (!m_gameDir || !claimGameFolder()) return;
    runTask(busy, [dir = *m_gameDir, change = std::move(change)](const Task&) {
        return Outcome::success(change(dir));
    });
}

void AppState::newProfile(const QString& name, bool copyActive) {
    runProfileTask(copyActive ? tr("Copying %1 into a new profile…").arg(m_snapshot.activeProfile)
                              : tr("Creating profile %1…").arg(name.trimmed()),
                   [name, copyActive](const QString& dir) {
                       return tr("Created profile %1").arg(Profiles::create(dir, name, copyActive));
                   });
}

void AppState::renameProfile(const QString& from, const QString& to) {
    runProfileTask(tr("Renaming profile %1…").arg(from), [from, to](const QString& dir) {
        const QString made = Profiles::rename(dir, from, to);
        return tr("Renamed profile %1 to %2").arg(from, made);
    });
}

void AppState::deleteProfile(const QString& name) {
    runProfileTask(tr("Moving profile %1 to the Trash…").arg(name), [name](const QString& dir) {
        Profiles::remove(dir, name);
        return tr("Moved profile %1 to Trash").arg(name);
    });
}

void AppState::switchProfile(const QString& name) {
    if (isValheimRunning()) {
        setAlertMessage(tr("Quit Valheim first — switching profiles while the game runs would "
                           "take its mods away under it."));
        return;
    }
    if (!m_gameDir || !claimGameFolder()) return;
    // The watch follows the folder it was given, which the switch moves into the store; the
    // refresh after the switch watches the new plugins folder.
    delete m_watcher;
    m_watcher = nullptr;
    runProfileTask(tr("Switching to profile %1…").arg(name), [name](const QString& dir) {
        return tr("Switched to profile %1").arg(Profiles::switchTo(dir, name));
    });
}
