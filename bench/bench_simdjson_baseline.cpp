// bench_simdjson_baseline FILE...: the bare simdjson walk of bench/BareWalk.h over the files, one
// after another on one thread. bench_catalog_chunks prints the same walk of its chunk files beside
// the cold load; this is the walk alone, for any files.

#include "bench/BareWalk.h"
#include "bench/PeakRss.h"

#include <chrono>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_simdjson_baseline FILE...\n");
        return 2;
    }
    const std::vector<std::string> files(argv + 1, argv + argc);
    const auto start = std::chrono::steady_clock::now();
    bare::Tally tally;
    if (!bare::walkFiles(files, tally)) {
        std::fprintf(stderr, "Couldn't read a package list among the files\n");
        return 1;
    }
    const auto end = std::chrono::steady_clock::now();
    std::printf("simdjson_walk_ms %.1f ms\n", std::chrono::duration<double, std::milli>(end - start).count());
    std::printf("peak_rss_mb %.1f MB\n", peakRssMb());
    std::fprintf(stderr, "(%llu objects, %llu string bytes, %lld)\n", (unsigned long long)tally.objects,
                 (unsigned long long)tally.bytes, (long long)tally.numbers);
    return 0;
}
