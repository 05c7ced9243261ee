// bench_catalog_chunks prepare FILE HOME: splits a package-list file into Thunderstore's chunks
// (about 14 MB of JSON each, kept unpacked as the app keeps them once fetched) and a Hexium catalog of 1,100
// packages, stored under HOME as the app keeps them. bench_catalog_chunks load HOME: from those chunks on
// disk to a published catalog of both repositories (catalog_cold_ms, catalog_peak_rss_mb), then the bare
// simdjson walk of the same chunk files on one thread (simdjson_walk_ms) and the one against the other
// (catalog_cold_ratio), then one check of an unchanged index against a loopback repository
// (catalog_check_ms).

#include "bench/BareWalk.h"
#include "bench/PeakRss.h"
#include "catalog/ChunkedListing.h"
#include "platform/Fs.h"
#include "tests/support/FakeRepository.h"

#include <QCoreApplication>

#include <chrono>
#include <cstdio>

namespace {

// The top-level elements of a JSON array, as byte ranges, without parsing them.
QList<QByteArray> elements(const QByteArray& json) {
    QList<QByteArray> out;
    int depth = 0;
    bool inString = false;
    qsizetype start = -1;
    for (qsizetype i = 0; i < json.size(); ++i) {
        const char c = json[i];
        if (inString) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                inString = false;
            continue;
        }
        if (c == '"')
            inString = true;
        else if (c == '[' || c == '{') {
            if (++depth == 2) start = i;
        } else if (c == ']' || c == '}') {
            if (depth-- == 2) out << json.mid(start, i + 1 - start);
        }
    }
    return out;
}

void store(Repository::Source source, const QList<QByteArray>& packages, qsizetype limit) {
    ChunkedListing::State state;
    QByteArray chunk;
    const auto flush = [&] {
        const QString url =
            QStringLiteral("https://bench.example/%1/%2").arg(int(source)).arg(state.chunks.size());
        Fs::writeAtomic(ChunkedListing::chunkFile(url), "[" + chunk + "]");
        state.chunks << url;
        chunk.clear();
    };
    for (const QByteArray& p : packages) {
        if (!chunk.isEmpty() && chunk.size() + p.size() > limit) flush();
        chunk += (chunk.isEmpty() ? "" : ",") + p;
    }
    flush();
    state.indexHash = "bench";
    ChunkedListing::writeState(source, state);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: bench_catalog_chunks prepare FILE HOME | load HOME\n");
        return 2;
    }
    qputenv("HOME", args.last().toUtf8());
    qunsetenv("XDG_DATA_HOME");
    if (args[1] == QLatin1String("prepare")) {
        const QList<QByteArray> all = elements(Fs::read(args[2]));
        store(Repository::Source::thunderstore, all, 14000000);
        QList<QByteArray> hexium = all.mid(0, 1100);
        for (QByteArray& p : hexium) // other owners: the repositories share few names
            p.replace("\"owner\":\"", "\"owner\":\"Hx").replace("\"full_name\":\"", "\"full_name\":\"Hx");
        store(Repository::Source::hexium, hexium, 14000000);
        return 0;
    }

    const double cpuStart = cpuMs();
    const auto start = std::chrono::steady_clock::now();
    auto stored = ChunkedListing::fromDisk({Repository::Source::thunderstore, Repository::Source::hexium});
    if (!stored[0] || !stored[1]) return 1;
    const ThunderstoreStore::Catalog merged =
        ThunderstoreStore::merge(std::move(*stored[0]), std::move(*stored[1]));
    const auto end = std::chrono::steady_clock::now();
    std::printf("catalog_cold_ms %.1f ms\n", std::chrono::duration<double, std::milli>(end - start).count());
    std::printf("catalog_cold_cpu_ms %.1f ms\n", cpuMs() - cpuStart);
    std::printf("catalog_packages %lld count\n", static_cast<long long>(merged.packages.size()));
    std::printf("catalog_peak_rss_mb %.1f MB\n", peakRssMb());

    std::vector<std::string> files;
    for (const Repository::Source source : Repository::sources) {
        for (const QString& address : ChunkedListing::readState(source).chunks)
            files.push_back(ChunkedListing::chunkFile(address).toStdString());
    }
    bare::Tally tally;
    const double walkCpuStart = cpuMs();
    const auto walkStart = std::chrono::steady_clock::now();
    if (!bare::walkFiles(files, tally)) return 1;
    const auto walkEnd = std::chrono::steady_clock::now();
    const double walkCpu = cpuMs() - walkCpuStart;
    const double cold = std::chrono::duration<double, std::milli>(end - start).count();
    const double walk = std::chrono::duration<double, std::milli>(walkEnd - walkStart).count();
    std::printf("simdjson_walk_ms %.1f ms\n", walk);
    std::printf("simdjson_walk_cpu_ms %.1f ms\n", walkCpu);
    std::printf("catalog_cold_ratio %.2f x\n", cold / walk);

    // The check keeps its small catalog in a home of its own, so the chunks above stay for the next load.
    qputenv("HOME", (args.last() + QStringLiteral("/check")).toUtf8());
    FakeRepository repo;
    repo.addStandardCatalog();
    repo.pointAppHere();
    ChunkedListing::check(Repository::Source::thunderstore, false, {});
    const auto checkStart = std::chrono::steady_clock::now();
    const auto again = ChunkedListing::check(Repository::Source::thunderstore, false, {});
    const auto checkEnd = std::chrono::steady_clock::now();
    std::printf("catalog_check_ms %.1f ms\n",
                std::chrono::duration<double, std::milli>(checkEnd - checkStart).count());
    return again.error.isEmpty() && !again.catalog ? 0 : 1;
}
