#pragma once

#include "catalog/PackageIndex.h"
#include "catalog/TSPackage.h"
#include "inventory/ModScanner.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// What must go into a game folder for some packages to be there at the releases asked for, in
// the order it must go in. Pure: no disk, no network. Every mod is keyed by ModKey, installed
// ones and catalog ones alike.
namespace InstallPlan {

struct Request {
    TSPackage package; // the release wanted
    // The installed mod it goes over, whatever release that is (an update); else the mod of its
    // key, unless that is at the very release.
    std::optional<ModItem> replaces;
};

struct Step {
    TSPackage package;
    std::optional<ModItem> replaces; // an installed release this one takes the place of
    QStringList needs;               // keys of earlier steps it depends on
    QStringList missing;             // its dependencies the catalog lacks, as the package wrote them
    bool requested = false;          // asked for, rather than brought in as a dependency
    QString key() const;
};

struct Plan {
    QList<Step> steps;    // dependencies before whatever needs them, else in the order asked
    QStringList notFound; // dependencies the catalog lacks, once each
    QStringList current;  // requested packages installed already at that release, by name
};

// installed: the game folder's mods; recorded: the release each came from, by key, where an
// install record knows it better than the mod's manifest. A dependency installed at any release
// is left alone; a requested package replaces the installed mod of its key unless that is at
// the very release; a requested package is never pulled in as another's dependency at another
// release. A dependency on the loader is met by the one set up (loaderSetUp).
Plan make(const QList<Request>& requests, const QList<ModItem>& installed,
          const QHash<QString, QString>& recorded, const PackageIndex& index, bool loaderSetUp);

} // namespace InstallPlan
