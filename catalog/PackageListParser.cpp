// Turning the repository's package list (about 65 MB, 9,400 packages with every release of
// each) into TSPackage values. The document is walked once with simdjson's On-Demand API, in
// place: strings are read straight out of the document and only the fields a package keeps
// become QStrings, once the whole package object has been seen.

#include "catalog/ThunderstoreStore.h"

#include "platform/Fs.h"

#include <simdjson.h>

#include <bit>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace od = simdjson::ondemand;

namespace {

enum class Key {
    other,
    // package object
    name,
    owner,
    fullName,
    packageUrl,
    dateCreated,
    dateUpdated,
    rating,
    deprecated,
    nsfw,
    categories,
    versions,
    // version object
    description,
    icon,
    versionNumber,
    downloadUrl,
    dependencies,
    downloads,
};

bool is(std::string_view key, std::string_view name) {
    return key == name;
}

Key packageKey(std::string_view k) {
    switch (k.size()) {
    case 4:
        return is(k, "name") ? Key::name : Key::other;
    case 5:
        return is(k, "owner") ? Key::owner : Key::other;
    case 8:
        return is(k, "versions") ? Key::versions : Key::other;
    case 9:
        return is(k, "full_name") ? Key::fullName : Key::other;
    case 10:
        return is(k, "categories") ? Key::categories : Key::other;
    case 11:
        return is(k, "package_url") ? Key::packageUrl : Key::other;
    case 12:
        if (is(k, "rating_score")) return Key::rating;
        return is(k, "date_created")   ? Key::dateCreated
               : is(k, "date_updated") ? Key::dateUpdated
                                       : Key::other;
    case 13:
        return is(k, "is_deprecated") ? Key::deprecated : Key::other;
    case 16:
        return is(k, "has_nsfw_content") ? Key::nsfw : Key::other;
    default:
        return Key::other;
    }
}

Key versionKey(std::string_view k) {
    switch (k.size()) {
    case 4:
        return is(k, "icon") ? Key::icon : Key::other;
    case 9:
        return is(k, "downloads") ? Key::downloads : Key::other;
    case 11:
        return is(k, "description") ? Key::description : Key::other;
    case 12:
        return is(k, "download_url")   ? Key::downloadUrl
               : is(k, "dependencies") ? Key::dependencies
                                       : Key::other;
    case 14:
        return is(k, "version_number") ? Key::versionNumber : Key::other;
    default:
        return Key::other;
    }
}

// Whether n bytes at p contain a backslash, eight at a time. May read up to seven bytes past
// the end, which simdjson's padding guarantees are there. The zero-byte test can flag a byte
// above a real match but never below one, so on little-endian words masking off the bytes past
// the end keeps the answer exact.
static_assert(std::endian::native == std::endian::little);
bool hasBackslash(const char* p, size_t n) {
    constexpr uint64_t ones = 0x0101010101010101ULL;
    constexpr uint64_t highs = 0x8080808080808080ULL;
    for (size_t i = 0; i < n; i += 8) {
        uint64_t word;
        std::memcpy(&word, p + i, 8);
        word ^= ones * uint64_t('\\');
        uint64_t zero = (word - ones) & ~word & highs;
        if (n - i < 8) zero &= (uint64_t(1) << (8 * (n - i))) - 1;
        if (zero) return true;
    }
    return false;
}

// The walk stops at the first thing that makes the document unreadable; the caller then
// answers an empty list.
struct Broken {};

void check(simdjson::error_code error) {
    if (error) throw Broken{};
}

struct Fields {
    // Package object. Each slot holds the last occurrence of its key, as a JSON object with
    // repeated keys means; an absent optional is "missing or of another type".
    std::optional<std::string_view> name, owner, fullName, packageUrl, dateCreated, dateUpdated;
    qint64 rating = 0;
    bool deprecated = false;
    bool nsfw = false;
    bool categoriesValid = false;
    std::vector<std::string_view> categories;
    // "versions" and its first element.
    bool versionsValid = false;
    qint64 downloads = 0;
    std::optional<std::string_view> description, icon, versionNumber, downloadUrl;
    bool dependenciesValid = false;
    std::vector<std::string_view> dependencies;

    void reset() {
        name = owner = fullName = packageUrl = dateCreated = dateUpdated = std::nullopt;
        rating = 0;
        deprecated = nsfw = false;
        resetCategories();
        resetVersions();
    }
    void resetCategories() {
        categoriesValid = false;
        categories.clear();
    }
    void resetVersions() {
        versionsValid = false;
        downloads = 0;
        description = icon = versionNumber = downloadUrl = std::nullopt;
        dependenciesValid = false;
        dependencies.clear();
    }
};

class Walker {
public:
    QList<TSPackage> run(const simdjson::padded_string_view& json) {
        od::parser parser;
        od::document doc;
        check(parser.iterate(json).get(doc));
        od::array top;
        if (doc.get_array().get(top)) throw Broken{};
        QList<TSPackage> packages;
        // About 7 KB of document per package. Reserving a little too much costs no resident
        // memory (untouched pages), regrowing would copy the list at the worst moment.
        packages.reserve(qsizetype(json.length() / 6000) + 16);
        for (auto element : top) {
            od::object object;
            check(element.get_object().get(object)); // every element must be an object
            m.reset();
            walkPackage(object);
            if (keep()) packages.append(build());
        }
        // Anything after the array makes the document invalid JSON.
        if (!doc.current_location().error()) throw Broken{};
        return packages;
    }

private:
    // The key's text, unescaped only in the rare case it carries escapes. The key ends at
    // the last quote before the colon that precedes its value.
    std::string_view keyOf(od::field& field, std::string_view valueToken) {
        const char* start = reinterpret_cast<const char*>(field.key().raw());
        const char* end = valueToken.data() - 1;
        while (end > start && *end != '"')
            --end;
        const size_t length = size_t(end - start);
        if (!hasBackslash(start, length)) return std::string_view(start, length);
        std::string_view unescaped;
        check(field.unescaped_key().get(unescaped));
        return unescaped;
    }

    // A string value's text, straight from the document when it has no escapes.
    std::optional<std::string_view> stringOf(od::value& value, std::string_view token) {
        if (token.empty() || token.front() != '"') return std::nullopt;
        size_t end = token.size();
        while (end > 1 && (token[end - 1] == ' ' || token[end - 1] == '\n' || token[end - 1] == '\r' ||
                           token[end - 1] == '\t'))
            --end;
        if (end < 2 || token[end - 1] != '"') throw Broken{};
        const std::string_view raw = token.substr(1, end - 2);
        if (!hasBackslash(raw.data(), raw.size())) return raw;
        std::string_view unescaped;
        check(value.get_string().get(unescaped));
        return unescaped;
    }

    static qint64 integerOf(od::value& value, std::string_view token) {
        if (token.empty() || !(token.front() == '-' || (token.front() >= '0' && token.front() <= '9')))
            return 0;
        int64_t number = 0;
        if (value.get_int64().get(number))
            return 0; // a fraction, an exponent or beyond 64 bits: not an integer
        return number;
    }

    static bool isTrue(od::value& value, std::string_view token) {
        if (token.empty() || token.front() != 't') return false;
        bool flag = false;
        return !value.get_bool().get(flag) && flag;
    }

    // Fills `out` when the value is an array of strings only; false otherwise.
    bool stringsOf(od::value& value, std::string_view token, std::vector<std::string_view>& out) {
        out.clear();
        if (token.empty() || token.front() != '[') return false;
        od::array array;
        check(value.get_array().get(array));
        bool allStrings = true;
        for (auto item : array) {
            od::value element;
            check(item.get(element));
            if (!allStrings) continue;
            const std::string_view elementToken = element.raw_json_token();
            if (auto entry = stringOf(element, elementToken))
                out.push_back(*entry);
            else
                allStrings = false;
        }
        if (!allStrings) out.clear();
        return allStrings;
    }

    void walkPackage(od::object& object) {
        for (auto fieldResult : object) {
            od::field field;
            check(std::move(fieldResult).get(field));
            od::value& value = field.value();
            const std::string_view token = value.raw_json_token();
            switch (packageKey(keyOf(field, token))) {
            case Key::name:
                m.name = stringOf(value, token);
                break;
            case Key::owner:
                m.owner = stringOf(value, token);
                break;
            case Key::fullName:
                m.fullName = stringOf(value, token);
                break;
            case Key::packageUrl:
                m.packageUrl = stringOf(value, token);
                break;
            case Key::dateCreated:
                m.dateCreated = stringOf(value, token);
                break;
            case Key::dateUpdated:
                m.dateUpdated = stringOf(value, token);
                break;
            case Key::rating:
                m.rating = integerOf(value, token);
                break;
            case Key::deprecated:
                m.deprecated = isTrue(value, token);
                break;
            case Key::nsfw:
                m.nsfw = isTrue(value, token);
                break;
            case Key::categories:
                m.categoriesValid = stringsOf(value, token, m.categories);
                break;
            case Key::versions:
                walkVersions(value, token);
                break;
            default:
                break; // skipped by the iterator
            }
        }
    }

    void walkVersions(od::value& value, std::string_view token) {
        m.resetVersions();
        if (token.empty() || token.front() != '[') return;
        od::array array;
        check(value.get_array().get(array));
        bool allObjects = true;
        bool first = true;
        for (auto item : array) {
            od::value element;
            check(item.get(element));
            od::object version;
            if (element.raw_json_token().front() != '{' || element.get_object().get(version)) {
                allObjects = false;
                continue;
            }
            qint64 downloads = 0;
            for (auto fieldResult : version) {
                od::field field;
                check(std::move(fieldResult).get(field));
                od::value& v = field.value();
                const std::string_view t = v.raw_json_token();
                const Key key = versionKey(keyOf(field, t));
                if (key == Key::downloads) {
                    downloads = integerOf(v, t);
                    continue;
                }
                if (!first) continue;
                switch (key) {
                case Key::description:
                    m.description = stringOf(v, t);
                    break;
                case Key::icon:
                    m.icon = stringOf(v, t);
                    break;
                case Key::versionNumber:
                    m.versionNumber = stringOf(v, t);
                    break;
                case Key::downloadUrl:
                    m.downloadUrl = stringOf(v, t);
                    break;
                case Key::dependencies:
                    m.dependenciesValid = stringsOf(v, t, m.dependencies);
                    break;
                default:
                    break;
                }
            }
            // A corrupt or hostile list must not overflow the total.
            if (__builtin_add_overflow(m.downloads, downloads, &m.downloads))
                m.downloads =
                    downloads > 0 ? std::numeric_limits<qint64>::max() : std::numeric_limits<qint64>::min();
            first = false;
        }
        m.versionsValid = allObjects && !first;
    }

    bool keep() const {
        return !m.deprecated && !m.nsfw && m.name && m.owner && m.fullName && m.versionsValid &&
               m.versionNumber;
    }

    static QString text(std::string_view utf8) {
        return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
    }
    static QString text(const std::optional<std::string_view>& utf8) {
        return utf8 ? text(*utf8) : QString();
    }

    // Owners, versions, categories and dependency strings repeat across the catalog (nearly
    // every package names the BepInEx pack); one shared QString each saves memory and time.
    const QString& shared(std::string_view utf8) {
        auto it = m_shared.find(utf8);
        if (it == m_shared.end()) it = m_shared.emplace(utf8, text(utf8)).first;
        return it->second;
    }

    static OptionalUrl url(const std::optional<std::string_view>& utf8) {
        return utf8 ? OptionalUrl::fromText(QByteArrayView(utf8->data(), qsizetype(utf8->size())))
                    : OptionalUrl();
    }

    QStringList sharedList(bool valid, const std::vector<std::string_view>& items) {
        QStringList list;
        if (!valid) return list;
        list.reserve(qsizetype(items.size()));
        for (std::string_view item : items)
            list.append(shared(item));
        return list;
    }

    TSPackage build() {
        TSPackage p;
        p.fullName = text(m.fullName);
        p.id = p.fullName;
        p.name = text(m.name);
        p.owner = shared(*m.owner);
        p.description = text(m.description);
        p.iconURL = url(m.icon);
        p.pageURL = url(m.packageUrl);
        p.version = shared(*m.versionNumber);
        p.downloadURL = url(m.downloadUrl);
        p.dependencies = sharedList(m.dependenciesValid, m.dependencies);
        p.totalDownloads = m.downloads;
        p.rating = m.rating;
        p.dateCreated = text(m.dateCreated);
        p.dateUpdated = text(m.dateUpdated);
        p.categories = sharedList(m.categoriesValid, m.categories);
        return p;
    }

    Fields m;
    std::unordered_map<std::string_view, QString> m_shared;
};

} // namespace

QList<TSPackage> ThunderstoreStore::parse(const QByteArray& document) {
    try {
        // Parse in place when the caller left room for simdjson's read-ahead; copy otherwise.
        // data_ptr() only exposes the allocation here; nothing is written or detached.
        if (const_cast<QByteArray&>(document).data_ptr().freeSpaceAtEnd() >= parsePadding)
            return Walker().run(
                simdjson::padded_string_view(document.constData(), size_t(document.size()),
                                             size_t(document.size()) + simdjson::SIMDJSON_PADDING));
        const simdjson::padded_string copy(document.constData(), size_t(document.size()));
        return Walker().run(copy);
    } catch (const Broken&) {
        return {};
    } catch (const std::bad_alloc&) {
        return {};
    }
}

ThunderstoreStore::Index ThunderstoreStore::makeIndex(const QList<TSPackage>& packages) {
    Index index;
    index.reserve(packages.size());
    for (const TSPackage& p : packages) {
        const QString key = p.ownerAndName();
        if (!index.contains(key)) index.insert(key, p);
    }
    return index;
}

const qsizetype ThunderstoreStore::parsePadding = qsizetype(simdjson::SIMDJSON_PADDING);

std::optional<ThunderstoreStore::Catalog> ThunderstoreStore::readCatalog(const QString& path) {
    std::optional<QByteArray> document = Fs::tryReadPadded(path, parsePadding);
    if (!document) return std::nullopt;
    Catalog catalog;
    catalog.packages = parse(*document);
    document.reset(); // the index is built without the document's 65 MB still around
    catalog.index = makeIndex(catalog.packages);
    return catalog;
}
