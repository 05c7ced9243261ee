#pragma once

#include "launch/LaunchChecks.h"
#include "launch/LaunchReport.h"
#include "launch/ModNames.h"

#include <QHash>
#include <QList>
#include <QString>

#include <optional>

// The model's view of the last launch: its report with the installed mods it names, one
// sentence per failure with the mod it is about, why there is no log when there is none, and
// whether the game updated under the mods.
struct LastLaunch {
    struct Problem {
        QString text;               // LaunchText's sentence
        std::optional<ModItem> mod; // the installed mod it is about; its row carries the warning
        bool warningOnly = false;   // the mod runs all the same
        std::optional<LaunchReport::Finding> finding;
        std::optional<LaunchReport::Connection> connection;
    };

    std::optional<LaunchReport> report;
    ModNames::Installed installed;
    QHash<QString, QString> lastLoaded; // normalized mod name -> the release that last loaded
    std::optional<LaunchChecks::GameUpdate> gameUpdate;
    QList<Problem> problems;
    // Set where the report would be: why BepInEx wrote no log of the last launch.
    std::optional<QString> noLog;

    // Everything loaded: a report that is clean, and no doubt about it being the last launch's.
    bool clean() const { return report && report->clean() && !noLog; }
};
