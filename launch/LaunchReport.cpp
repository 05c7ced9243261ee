#include "launch/LaunchReport.h"

#include <algorithm>

bool LaunchReport::Finding::keptFromLoading() const {
    switch (kind) {
    case Kind::missingDependency:
    case Kind::incompatible:
    case Kind::dependencyNotLoaded:
    case Kind::loadError:
        return true;
    case Kind::exception:
        return attribution == Attribution::context;
    case Kind::newerVersionExists:
    case Kind::wrongBepInEx:
    case Kind::patchFailed:
        return false;
    }
    return false;
}

bool LaunchReport::Finding::warningOnly() const {
    return kind == Kind::wrongBepInEx || kind == Kind::newerVersionExists;
}

int LaunchReport::loadedCount() const {
    return int(std::count_if(plugins.cbegin(), plugins.cend(),
                             [](const Plugin& p) { return p.outcome == Plugin::Outcome::loaded; }));
}

bool LaunchReport::clean() const {
    return chainloaderComplete &&
           std::all_of(findings.cbegin(), findings.cend(), [](const Finding& f) { return f.warningOnly(); });
}
