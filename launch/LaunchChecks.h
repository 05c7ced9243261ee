#pragma once

#include "app/Snapshot.h"
#include "launch/LaunchReport.h"
#include "platform/Platform.h"

#include <QDateTime>
#include <QHash>
#include <QString>

#include <optional>

// What the model asks after a launch besides the log itself: why there is no log of it, and
// whether the game changed under the mods since they last loaded.
namespace LaunchChecks {

// Why BepInEx wrote no log of the last launch, most fundamental first.
enum class NoLog {
    loaderMissing,       // BepInEx isn't in the game folder
    protonOverride,      // Linux: the Windows build under Proton, which loads the pack only when told to
    scriptNotExecutable, // the start script can't be run
    scriptOutdated, // Linux: the pack's old client script, which Steam's runtime no longer lets load BepInEx
    intelOnly,      // Apple Silicon: Rosetta 2 or the script's Intel preference is missing (step 4)
    launchOptions,  // Steam's launch options don't lead to the script
    serverNotStarted, // a dedicated server, which no launch option starts: its script wasn't run
    neverLaunched,    // nothing is wrong that we can see, and no launch was asked for
    unknown           // a launch was asked for, nothing we can see is wrong, and yet no log
};

// nullopt while the log is there and not older than the launch asked for (to the second, as file
// systems keep times).
std::optional<NoLog> whyNoLog(const Snapshot& snapshot, Platform platform, bool appleSilicon,
                              const std::optional<QDateTime>& launchedAt);

struct GameUpdate {
    QString from;
    QString to;

    bool operator==(const GameUpdate&) const = default;
};

// The game's version in this launch against the last launch whose mods loaded, in this game
// folder and profile (remembered in the support folder). A launch whose mods loaded is
// remembered; the same launch read again answers the same.
std::optional<GameUpdate> noteLaunch(const QString& gameDir, const QString& profile,
                                     const LaunchReport& report);

// The release of each mod (by normalized name) that loaded in some launch in this game folder and
// profile: the launch's own added to those remembered (in the support folder), which are returned.
QHash<QString, QString> rememberLoaded(const QString& gameDir, const QString& profile,
                                       const QHash<QString, QString>& loaded);

} // namespace LaunchChecks
