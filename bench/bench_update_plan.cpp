// bench_update_plan FILE: 300 installed mods taken from a package-list file (half of them at an
// older release, half with an install record, some switched off), and the time to work out
// their updates, dependants and missing dependencies against the whole catalog, as every
// refresh does. The name table is built once per catalog and timed on its own.

#include "catalog/ThunderstoreStore.h"
#include "catalog/UpdatePlan.h"
#include "config/ConfigStore.h"
#include "install/InstallRecords.h"

#include <QString>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {
double msSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}
} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_update_plan FILE\n");
        return 2;
    }
    const auto catalog = ThunderstoreStore::readCatalog(QString::fromLocal8Bit(argv[1]));
    if (!catalog || catalog->packages.size() < 300) {
        std::fprintf(stderr, "Couldn't read a catalog of 300 packages from %s\n", argv[1]);
        return 1;
    }
    QList<ModItem> mods;
    QHash<QString, InstallRecords::Record> origins;
    const qsizetype step = catalog->packages.size() / 300;
    for (qsizetype i = 0; mods.size() < 300; i += step) {
        const TSPackage& p = catalog->packages.at(i);
        ModItem mod;
        mod.name = p.name;
        mod.url = mod.id = QStringLiteral("/game/BepInEx/plugins/") + p.name;
        mod.isFolder = true;
        mod.dllCount = 1;
        mod.enabled = mods.size() % 7 != 0;
        const bool older = mods.size() % 2 == 0 && p.versions().size() > 1;
        mod.version = older ? p.versions().at(1).number : p.version;
        if (mods.size() % 2 == 1)
            origins.insert(ConfigStore::normalize(p.name),
                           {p.source, p.owner + QLatin1Char('-') + p.name, *mod.version});
        mods << mod;
    }
    auto start = std::chrono::steady_clock::now();
    const UpdatePlan::CatalogView view = UpdatePlan::view(catalog->packages, catalog->index);
    const double viewMs = msSince(start);
    std::vector<double> runs;
    qsizetype updates = 0;
    for (int run = 0; run < 15; ++run) {
        start = std::chrono::steady_clock::now();
        const UpdatePlan::Plan plan = UpdatePlan::compute(mods, view, origins, {});
        runs.push_back(msSince(start));
        updates = plan.updates.size();
    }
    std::sort(runs.begin(), runs.end());
    std::printf("update_plan_ms %.2f ms\n", runs[runs.size() / 2]);
    std::printf("update_plan_names_ms %.2f ms\n", viewMs);
    std::printf("update_plan_updates %lld count\n", static_cast<long long>(updates));
    return updates > 0 ? 0 : 1;
}
