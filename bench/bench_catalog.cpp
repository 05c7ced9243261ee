// bench_catalog FILE: loads a package-list file the way the store loads its cache (read, parse,
// build the package list and its index), once, and prints the time and the peak memory.

#include "bench/PeakRss.h"
#include "catalog/ThunderstoreStore.h"

#include <QString>

#include <chrono>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_catalog FILE\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    const auto start = std::chrono::steady_clock::now();
    const auto catalog = ThunderstoreStore::readCatalog(path);
    const auto end = std::chrono::steady_clock::now();
    if (!catalog) {
        std::fprintf(stderr, "Couldn't read %s\n", argv[1]);
        return 1;
    }
    const double ms = std::chrono::duration<double, std::milli>(end - start).count();
    std::printf("catalog_load_ms %.1f ms\n", ms);
    std::printf("packages %lld count\n", static_cast<long long>(catalog->packages.size()));
    std::printf("peak_rss_mb %.1f MB\n", peakRssMb());
    return catalog->index.isEmpty() == catalog->packages.isEmpty() ? 0 : 1;
}
