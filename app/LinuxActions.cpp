#include "app/AppState.h"

#include "discovery/LocalConfig.h"
#include "discovery/Steam.h"
#include "platform/Fs.h"

// Linux only: the launch options go into Steam's own settings, so the player needn't paste them.

void AppState::setLaunchOptionsInSteam() {
    if (steamRunning()) {
        setAlertMessage(tr("Quit Steam first — it rewrites its settings when it quits, so launch "
                           "options written while it runs would be lost."));
        return;
    }
    const auto file = LocalConfig::accountFile(platform());
    if (!file) {
        setAlertMessage(tr("Couldn't tell which Steam account plays Valheim. Sign in to Steam once, "
                           "quit it, then try again — or paste the launch options yourself."));
        return;
    }
    runTask(tr("Setting Valheim's launch options in Steam…"), [file = *file,
                                                               options = launchOptionsString()](const Task&) {
        const QString backup = LocalConfig::setLaunchOptions(file, Steam::valheimAppID, options);
        return Task::Outcome::success(
            backup.isEmpty() ? tr("Launch options set in Steam")
                             : tr("Launch options set in Steam (the previous settings are kept in %1)")
                                   .arg(Fs::fileName(backup)));
    });
}
