#pragma once

// The floor the catalog's cold load is measured against: a bare simdjson On-Demand parse and walk
// of package-list files, one after another on one thread, that touches the fields the catalog
// keeps (strings as string_views, integers, Booleans, every version's downloads) and builds
// nothing. Each file is read into memory first, as a plain reader would.

#include <simdjson.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace od = simdjson::ondemand;

namespace bare {

struct Tally {
    uint64_t bytes = 0;   // total length of the strings read
    int64_t numbers = 0;  // sum of the integers read
    uint64_t objects = 0; // package objects seen
};

inline void string(od::value value, Tally& tally) {
    std::string_view text;
    if (!value.get_string().get(text)) tally.bytes += text.size();
}

inline void integer(od::value value, Tally& tally) {
    int64_t n = 0;
    if (!value.get_int64().get(n)) tally.numbers += n;
}

inline void flag(od::value value, Tally& tally) {
    bool b = false;
    if (!value.get_bool().get(b)) tally.numbers += b;
}

inline void strings(od::value value, Tally& tally) {
    od::array array;
    if (value.get_array().get(array)) return;
    for (auto item : array) {
        std::string_view text;
        if (!item.get_string().get(text)) tally.bytes += text.size();
    }
}

inline bool walk(od::document& doc, Tally& tally) {
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

// Reads and walks every file; false when one is unreadable or no package list.
inline bool walkFiles(const std::vector<std::string>& files, Tally& tally) {
    od::parser parser;
    for (const std::string& file : files) {
        simdjson::padded_string json;
        od::document doc;
        if (simdjson::padded_string::load(file).get(json) || parser.iterate(json).get(doc) ||
            !walk(doc, tally))
            return false;
    }
    return true;
}

} // namespace bare
