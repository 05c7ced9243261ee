#pragma once

#include "catalog/TSPackage.h"

#include <QList>
#include <QString>

#include <optional>

class AppState;

// Everything the command line asks of the package catalog, in one place: loading it (the cached
// copy while fresh), finding a package by what a player types, and which package an installed
// mod came from.
namespace Catalog {

// Loads the catalog and waits for it; throws the reason when there is none to be had.
void load(AppState& state);

// "Owner-Name" or "Owner-Name-1.2.3". Throws Misuse when the text is neither, SkaldrunError when
// the catalog has no such package or not that version.
TSPackage find(const AppState& state, const QString& wanted);

// Where an installed mod came from, as its install record says (absent for a mod installed by
// hand), and its catalog package as the update plan found it: the recorded one while the catalog
// has it, else by name.
struct Source {
    std::optional<QString> repository; // "Thunderstore", "Hexium"
    std::optional<QString> version;    // the release installed
    std::optional<TSPackage> package;
};
Source sourceOf(const AppState& state, const QString& modName);

const QList<TSPackage>& packages(const AppState& state);

} // namespace Catalog
