#pragma once

#include "catalog/TSPackage.h"
#include "catalog/Thunderstore.h"
#include "install/InstallRecords.h"
#include "inventory/ModScanner.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

// What the installed mods and the catalog say together: which mods have a newer release, which
// installed mods lean on which, and which dependencies are missing or switched off. Pure: no
// disk, no network; it runs on every refresh, so it only looks things up.
namespace UpdatePlan {

// The catalog as the plan reads it: the store's index, and its keys by the mod key of their name
// (built once per published catalog, not per plan).
struct CatalogView {
    PackageIndex index;             // "owner-name" -> package
    QHash<QString, QString> byName; // ModKey of the package name -> "owner-name" (ModKey's tie rule)
};
CatalogView view(const QList<TSPackage>& packages, const PackageIndex& index);

// A dependency a mod needs that isn't there to load.
struct Need {
    QString dependency;               // "Owner-Name-1.2.3", as the package wrote it
    QString name;                     // as players read it
    std::optional<ModItem> disabled;  // installed but switched off
    std::optional<TSPackage> package; // missing, and the catalog has it
};

struct ModPlan {
    std::optional<TSPackage> package; // the catalog's package of this mod
    std::optional<QString> version;   // installed: its manifest's, else the install record's
    std::optional<QString> newer;     // the newest release, when newer and updates are offered
    bool pinned = false;              // the player asked for no updates
    QStringList dependants;           // enabled mods needing this one directly, by name
    QList<Need> needs;                // of an enabled mod only
};

struct Update {
    ModItem mod;
    TSPackage package; // its newest release
    QString from;
};

struct Plan {
    QList<Update> updates;        // in the mods' order
    QHash<QString, ModPlan> mods; // by mod key
    const ModPlan* of(const QString& modName) const;
    // Every enabled mod that stops working without this one, directly or through another, by name.
    QStringList dependantsOf(const QString& modName) const;
};

// origins: the install records by mod key; pinned: mod keys.
Plan compute(const QList<ModItem>& mods, const CatalogView& catalog,
             const QHash<QString, InstallRecords::Record>& origins, const QSet<QString>& pinned);

} // namespace UpdatePlan
