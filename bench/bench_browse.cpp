// bench_browse FILE: the catalog browser's list for 20 queries under each of the 5 sorts, over a
// package-list file, with 300 installed mods. Prints the median and the slowest answer, and the
// one-off preparation per catalog.

#include "catalog/CatalogQuery.h"
#include "catalog/ThunderstoreStore.h"
#include "config/ConfigStore.h"

#include <QCoreApplication>
#include <QSet>
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
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_browse FILE\n");
        return 2;
    }
    const auto catalog = ThunderstoreStore::readCatalog(QString::fromLocal8Bit(argv[1]));
    if (!catalog || catalog->packages.isEmpty()) {
        std::fprintf(stderr, "Couldn't read %s\n", argv[1]);
        return 1;
    }
    const QList<TSPackage>& packages = catalog->packages;

    CatalogQuery query;
    auto start = std::chrono::steady_clock::now();
    query.setPackages(packages);
    const double prepareMs = msSince(start);

    // 300 installed mods spread over the catalog.
    QSet<QString> installed;
    const qsizetype step = std::max<qsizetype>(1, packages.size() / 300);
    for (qsizetype i = 0; i < packages.size() && installed.size() < 300; i += step)
        installed.insert(ConfigStore::normalize(packages[i].name));
    start = std::chrono::steady_clock::now();
    query.setInstalledNames(installed);
    const double installedMs = msSince(start);

    const QStringList queries = {QString(),
                                 QStringLiteral("a"),
                                 QStringLiteral("e"),
                                 QStringLiteral("va"),
                                 QStringLiteral("valheim"),
                                 QStringLiteral("  Map "),
                                 QStringLiteral("craft"),
                                 QStringLiteral("better"),
                                 QStringLiteral("troll"),
                                 QStringLiteral("boss drop"),
                                 QStringLiteral("server sync"),
                                 QStringLiteral("über"),
                                 QStringLiteral("jötunn"),
                                 QStringLiteral("quality"),
                                 QStringLiteral("fix ui"),
                                 QStringLiteral("plus"),
                                 QStringLiteral("zzzzqqq"),
                                 QStringLiteral("epic_loot"),
                                 QStringLiteral("ashlands"),
                                 QStringLiteral("dev")};
    std::vector<double> times;
    size_t listed = 0;
    for (const QString& q : queries) {
        for (TSSort sort : TSSorts::all) {
            start = std::chrono::steady_clock::now();
            const std::vector<int> shown = query.shown(q, sort);
            times.push_back(msSince(start));
            listed += shown.size();
        }
    }
    std::sort(times.begin(), times.end());
    const double median = (times[times.size() / 2 - 1] + times[times.size() / 2]) / 2;
    std::printf("browse_prepare_ms %.1f ms\n", prepareMs);
    std::printf("browse_installed_ms %.2f ms\n", installedMs);
    std::printf("shown_median_ms %.2f ms\n", median);
    std::printf("shown_max_ms %.2f ms\n", times.back());
    return listed > 0 ? 0 : 1;
}
