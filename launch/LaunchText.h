#pragma once

#include "launch/LaunchChecks.h"
#include "launch/LaunchReport.h"
#include "launch/ModNames.h"

#include <QString>

// Every sentence the player reads about a launch, made here and nowhere else: the window's
// rows and sheet and the command line's doctor all say the same.
namespace LaunchText {

// "Epic Loot 0.10.2 didn't load: it needs Jotunn 2.21.0 or newer, you have 2.20.0"
QString finding(const LaunchReport::Finding& finding, const ModNames::Installed& installed);
// "The server lacks OdinPlusQOL 0.3.4", "The server runs another version of Valheim"
QString connection(const LaunchReport::Connection& connection);
// "10 of 12 mods loaded, Valheim 0.221.12"
QString summary(const LaunchReport& report);
QString noLog(LaunchChecks::NoLog cause, const QString& scriptName);
QString gameUpdated(const LaunchChecks::GameUpdate& update); // "Valheim updated from X to Y"
// A short Markdown summary to paste where others help: the versions, the count, each failure.
QString markdown(const LaunchReport& report, const ModNames::Installed& installed);

} // namespace LaunchText
