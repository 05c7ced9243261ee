// bench_simdjson_baseline FILE: the floor for bench_catalog. A bare simdjson On-Demand parse and
// walk of the package list that touches the fields the catalog keeps (strings as string_views,
// integers, Booleans, every version's downloads) and builds nothing.

#include "bench/PeakRss.h"

#include <simdjson.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string_view>

namespace od = simdjson::ondemand;

namespace {

struct Tally {
    uint64_t bytes = 0;   // total length of the strings read
    int64_t numbers = 0;  // sum of the integers read
    uint64_t objects = 0; // package objects seen
};

void string(od::value value, Tally& tally) {
    std::string_view text;
    if (!value.get_string().get(text)) tally.bytes += text.size();
}

void integer(od::value value, Tally& tally) {
    int64_t n = 0;
    if (!value.get_int64().get(n)) tally.numbers += n;
}

void flag(od::value value, Tally& tally) {
    bool b = false;
    if (!value.get_bool().get(b)) tally.numbers += b;
}

void strings(od::value value, Tally& tally) {
    od::array array;
    if (value.get_array().get(array)) return;
    for (auto item : array) {
        std::string_view text;
        if (!item.get_string().get(text)) tally.bytes += text.size();
    }
}

bool walk(od::document& doc, Tally& tally) {
    od::array top;
    if (doc.get_array().get(top)) return false;
    for (auto element : top) {
        od::object package;
        if (element.get_object().get(package)) return false;
        ++tally.objects;
        for (auto field : package) {
            if (field.error()) return false;
            const od::raw_json_string key = field.key();
            od::value value = field.value();
            if (key == "name" || key == "owner" || key == "full_name" || key == "package_url" ||
                key == "date_created" || key == "date_updated")
                string(value, tally);
            else if (key == "rating_score")
                integer(value, tally);
            else if (key == "is_deprecated" || key == "has_nsfw_content")
                flag(value, tally);
            else if (key == "categories")
                strings(value, tally);
            else if (key == "versions") {
                od::array versions;
                if (value.get_array().get(versions)) continue;
                bool first = true;
                for (auto item : versions) {
                    od::object version;
                    if (item.get_object().get(version)) return false;
                    for (auto vfield : version) {
                        if (vfield.error()) return false;
                        const od::raw_json_string vkey = vfield.key();
                        od::value v = vfield.value();
                        if (vkey == "downloads")
                            integer(v, tally);
                        else if (!first)
                            continue;
                        else if (vkey == "description" || vkey == "icon" || vkey == "version_number" ||
                                 vkey == "download_url")
                            string(v, tally);
                        else if (vkey == "dependencies")
                            strings(v, tally);
                    }
                    first = false;
                }
            }
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_simdjson_baseline FILE\n");
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    simdjson::padded_string json;
    if (simdjson::padded_string::load(argv[1]).get(json)) {
        std::fprintf(stderr, "Couldn't read %s\n", argv[1]);
        return 1;
    }
    od::parser parser;
    od::document doc;
    Tally tally;
    if (parser.iterate(json).get(doc) || !walk(doc, tally)) {
        std::fprintf(stderr, "%s is not a package list\n", argv[1]);
        return 1;
    }
    const auto end = std::chrono::steady_clock::now();
    const double ms = std::chrono::duration<double, std::milli>(end - start).count();
    std::printf("simdjson_walk_ms %.1f ms\n", ms);
    std::printf("peak_rss_mb %.1f MB\n", peakRssMb());
    std::fprintf(stderr, "(%llu objects, %llu string bytes, %lld)\n", (unsigned long long)tally.objects,
                 (unsigned long long)tally.bytes, (long long)tally.numbers);
    return 0;
}
