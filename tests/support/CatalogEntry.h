#pragma once

#include "catalog/TSPackage.h"

#include <utility>

// A package as the catalog describes it: "Owner-Name", its releases newest first with what each
// needs; the first is the one the package list names.
inline TSPackage catalogEntry(const QString& fullName,
                              const QList<std::pair<QString, QStringList>>& releases = {{"1.0.0", {}}},
                              Repository::Source source = Repository::Source::thunderstore) {
    TSPackage p;
    p.fullName = p.id = fullName;
    p.owner = fullName.section(QLatin1Char('-'), 0, 0);
    p.name = fullName.section(QLatin1Char('-'), 1);
    p.source = source;
    p.version = releases.first().first;
    p.dependencies = releases.first().second;
    QList<TSVersion> list;
    for (const auto& [number, needs] : releases)
        list << TSVersion{number, needs, {}, 0, 0, 0};
    p.releases = TSReleases(list);
    return p;
}
