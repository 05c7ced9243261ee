#pragma once

#include "catalog/TSPackage.h"
#include "catalog/UpdatePlan.h"
#include "inventory/ModScanner.h"
#include "launch/LaunchReport.h"
#include "launch/ModNames.h"

#include <QHash>
#include <QList>
#include <QString>

#include <optional>

// What one click can do about a launch's failure, worked out from the report, the installed mods,
// the catalog and the releases that loaded before. Pure: the model carries the fixes out through
// its own install, update and switch actions.
namespace LaunchFixes {

struct Fix {
    enum class Kind {
        update,    // the newest release whose dependencies are met
        rollBack,  // the release that last loaded
        switchOff, // the failing mod itself (its dependants are the window's to ask about)
        switchOn,  // a dependency that is installed but switched off
        install    // a dependency, or what the server wants, at the version wanted
    };
    Kind kind = Kind::update;
    QString label;                    // the button: "Update to 1.2.0", "Install CoreUtils 2.1.0"
    std::optional<ModItem> mod;       // the installed mod it changes, if any
    std::optional<TSPackage> package; // the package it installs, at `version`
    QString version;

    bool operator==(const Fix&) const = default;
};

struct Context {
    ModNames::Installed installed; // its mods are the game folder's, as last scanned
    UpdatePlan::CatalogView catalog;
    QHash<QString, QString> lastLoaded; // normalized mod name -> the release that last loaded
};

// The installed mod a finding is about: the DLL that declares or defines it, else the mod
// folder of the plugin's name.
std::optional<ModItem> modOf(const Context& context, const LaunchReport::Finding& finding);
QList<Fix> forFinding(const Context& context, const LaunchReport::Finding& finding);
// What this side lacks and the catalog has at the version the other side runs.
QList<Fix> forConnection(const Context& context, const LaunchReport::Connection& connection);

// The installed release of each mod whose plugin loaded and nothing broke in, by normalized mod
// name: what "go back" returns to after a later launch fails.
QHash<QString, QString> loadedReleases(const LaunchReport& report, const ModNames::Installed& installed);

} // namespace LaunchFixes
