// Turning the repository's package list (about 65 MB, 9,400 packages with every release of
// each) into TSPackage values. The document is walked once with simdjson's On-Demand API, in
// place: strings are read straight out of the document and only the fields a package keeps
// become QStrings, once the whole package object has been seen. On large documents a second
// thread makes the QStrings and the index while the walk goes on.
//
// On-Demand validates the UTF-8 and the bracket structure of the whole document and the
// grammar of every value it reads; values of keys nobody asks for are skipped unchecked.

#include "catalog/ThunderstoreStore.h"

#include "catalog/Version.h"
#include "platform/Fs.h"
#include "platform/Log.h"

#include <simdjson.h>

#include <algorithm>
#include <atomic>
#include <bit>
#include <condition_variable>
#include <cstdint>
#include <cstring>
#include <deque>
#include <limits>
#include <memory>
#include <mutex>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <thread>
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
    fileSize,
};

// Keys are matched as they stand in the document, without unescaping them: a key character
// is either itself or, since the wanted keys are ASCII letters and "_", a \uXXXX escape.
// `raw` points just past the key's opening quote; reading stops at the first mismatch, at the
// latest on the closing quote.
int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

char keyChar(const char* p, int& length) {
    length = 1;
    if (*p != '\\') return *p;
    if (p[1] != 'u') return 0;
    int value = 0;
    for (int i = 2; i < 6; ++i) {
        const int digit = hexDigit(p[i]);
        if (digit < 0) return 0;
        value = value * 16 + digit;
    }
    length = 6;
    return static_cast<char>(value > 0 && value < 0x80 ? value : 0);
}

bool escapedKeyIs(const char* raw, std::string_view wanted) {
    int length = 0;
    for (const char c : wanted) {
        if (keyChar(raw, length) != c) return false;
        raw += length;
    }
    return *raw == '"';
}

// Keys practically never hold escapes: the bytes are compared as they are, in one go (the
// wanted keys are constants, so the comparison is a word or two), and only a backslash at the
// first difference needs the careful reading. Reads as many bytes as the wanted key has, plus
// one: what follows a key in the document (its closing quote, a colon, a value, the object's
// end) and the padding behind the document are always that many.
[[gnu::always_inline]] inline bool keyIs(const char* raw, std::string_view wanted) {
    if (std::memcmp(raw, wanted.data(), wanted.size()) == 0) return raw[wanted.size()] == '"';
    size_t i = 0;
    while (raw[i] == wanted[i]) // they differ before the end of `wanted`
        ++i;
    return raw[i] == '\\' && escapedKeyIs(raw + i, wanted.substr(i));
}

Key packageKey(const char* k) {
    int length = 0;
    switch (keyChar(k, length)) {
    case 'n':
        return keyIs(k, "name") ? Key::name : Key::other;
    case 'o':
        return keyIs(k, "owner") ? Key::owner : Key::other;
    case 'f':
        return keyIs(k, "full_name") ? Key::fullName : Key::other;
    case 'p':
        return keyIs(k, "package_url") ? Key::packageUrl : Key::other;
    case 'd':
        return keyIs(k, "date_created") ? Key::dateCreated : Key::other;
    case 'r':
        return keyIs(k, "rating_score") ? Key::rating : Key::other;
    case 'i':
        return keyIs(k, "is_deprecated") ? Key::deprecated : Key::other;
    case 'h':
        return keyIs(k, "has_nsfw_content") ? Key::nsfw : Key::other;
    case 'c':
        return keyIs(k, "categories") ? Key::categories : Key::other;
    case 'v':
        return keyIs(k, "versions") ? Key::versions : Key::other;
    default:
        return Key::other;
    }
}

Key versionKey(const char* k) {
    int length = 0;
    switch (keyChar(k, length)) {
    case 'i':
        return keyIs(k, "icon") ? Key::icon : Key::other;
    case 'd':
        // Five keys start so; the next letter, unless escaped, leaves at most two.
        switch (k[length]) {
        case 'o':
            return keyIs(k, "downloads")      ? Key::downloads
                   : keyIs(k, "download_url") ? Key::downloadUrl
                                              : Key::other;
        case 'e':
            return keyIs(k, "description")    ? Key::description
                   : keyIs(k, "dependencies") ? Key::dependencies
                                              : Key::other;
        case 'a':
            return keyIs(k, "date_created") ? Key::dateCreated : Key::other;
        case '\\':
            break;
        default:
            return Key::other;
        }
        if (keyIs(k, "downloads")) return Key::downloads;
        if (keyIs(k, "description")) return Key::description;
        if (keyIs(k, "download_url")) return Key::downloadUrl;
        if (keyIs(k, "date_created")) return Key::dateCreated;
        return keyIs(k, "dependencies") ? Key::dependencies : Key::other;
    case 'f':
        return keyIs(k, "file_size") ? Key::fileSize : Key::other;
    case 'v':
        return keyIs(k, "version_number") ? Key::versionNumber : Key::other;
    default:
        return Key::other;
    }
}

// Of Thunderstore's releases after the first, the load reads the downloads alone. The key is
// looked at for every field of every release: the first eight bytes are compared in one go,
// and only a key whose first difference is a backslash needs the careful reading. Reads ten
// bytes, which the padding and the document's own "…":value past any key guarantee.
static_assert(std::endian::native == std::endian::little); // which byte differs first
[[gnu::always_inline]] inline Key downloadsKey(const char* k) {
    uint64_t word = 0, wanted = 0;
    std::memcpy(&word, k, 8);
    std::memcpy(&wanted, "download", 8);
    const uint64_t diff = word ^ wanted;
    char first = 0; // the first byte that differs from "downloads\""
    if (diff != 0)
        first = k[std::countr_zero(diff) / 8];
    else if (k[8] != 's')
        first = k[8];
    else if (k[9] == '"')
        return Key::downloads;
    else
        first = k[9];
    return first == '\\' && keyIs(k, "downloads") ? Key::downloads : Key::other;
}

// Hexium's releases after the first are read for their numbers and downloads at load.
Key numberKey(const char* k) {
    const Key key = downloadsKey(k);
    return key == Key::other && keyIs(k, "version_number") ? Key::versionNumber : key;
}

// Releases after the first keep neither their description nor their icon.
Key laterVersionKey(const char* k) {
    const Key key = versionKey(k);
    return key == Key::description || key == Key::icon ? Key::other : key;
}

// "2024-03-01T10:00:00.000000Z" or "…+00:00" -> seconds since 1970 (the repositories write
// UTC); 0 when the text doesn't start with a date and time.
qint64 secondsOf(std::string_view t) {
    if (t.size() < 19 || t[4] != '-' || t[7] != '-' || (t[10] != 'T' && t[10] != ' ') || t[13] != ':' ||
        t[16] != ':')
        return 0;
    const auto number = [&t](size_t at, size_t n) {
        qint64 v = 0;
        for (size_t i = at; i < at + n; ++i) {
            if (t[i] < '0' || t[i] > '9') return qint64(-1);
            v = v * 10 + (t[i] - '0');
        }
        return v;
    };
    const qint64 y0 = number(0, 4), m = number(5, 2), d = number(8, 2);
    const qint64 hh = number(11, 2), mm = number(14, 2), ss = number(17, 2);
    if (y0 < 0 || m < 1 || m > 12 || d < 1 || d > 31 || hh < 0 || mm < 0 || ss < 0) return 0;
    // Days from the civil date (Howard Hinnant's algorithm).
    const qint64 y = y0 - (m <= 2);
    const qint64 era = y / 400;
    const qint64 yoe = y - era * 400;
    const qint64 doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const qint64 doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return (era * 146097 + doe - 719468) * 86400 + hh * 3600 + mm * 60 + ss;
}

// Whether n bytes at p contain a backslash. The C library's search reads a vector at a time,
// several times faster on a description of a hundred bytes than any loop of our own.
bool hasBackslash(const char* p, size_t n) {
    return n > 0 && std::memchr(p, '\\', n) != nullptr;
}

// A text of the document as a QString. Nearly every text is ASCII, which widens straight to
// UTF-16 far faster than the general UTF-8 decoder goes; the check reads eight bytes at a time
// and may read up to seven past the end, which simdjson's padding guarantees are there.
QString textOf(std::string_view utf8) {
    constexpr uint64_t highs = 0x8080808080808080ULL;
    const size_t n = utf8.size();
    for (size_t i = 0; i < n; i += 8) {
        uint64_t word;
        std::memcpy(&word, utf8.data() + i, 8);
        if (n - i < 8) word &= (uint64_t(1) << (8 * (n - i))) - 1;
        if (word & highs) return QString::fromUtf8(utf8.data(), qsizetype(n));
    }
    return QString::fromLatin1(utf8.data(), qsizetype(n));
}

// The walk stops at the first thing that makes the document unreadable; the caller then
// answers an empty list.
struct Broken {};

void check(simdjson::error_code error) {
    if (error) throw Broken{};
}

// One release as the walk found it; texts point into the document or the parser's buffer.
struct FoundVersion {
    std::string_view number, url, date;
    qint64 downloads = 0, size = 0;
    uint32_t dependencies = 0, dependencyCount = 0; // into the batch's texts
    bool dependenciesValid = false;
};

struct Fields {
    // Package object. Each slot holds the last occurrence of its key, as a JSON object with
    // repeated keys means; an absent optional is "missing or of another type".
    std::optional<std::string_view> name, owner, fullName, packageUrl, dateCreated;
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
    // Every release that has a number, in document order; their dependency texts in versionTexts.
    std::vector<FoundVersion> versionList;
    std::vector<std::string_view> versionTexts;
    std::string_view versionsJson; // the whole array, as it stands in the document

    void reset() {
        name = owner = fullName = packageUrl = dateCreated = std::nullopt;
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
        versionList.clear();
        versionTexts.clear();
        versionsJson = {};
    }
};

// One shared value per distinct key (a text, or a list of texts written out as bytes). Open
// addressing over a flat table; keys are copied into blocks of its own, so lookups never reach
// back into parts of the document that were already handed back.
template <typename Value> class Interner {
public:
    explicit Interner(size_t expected) {
        size_t capacity = 1024;
        while (capacity < expected * 2)
            capacity *= 2;
        m_slots.resize(capacity);
    }

    // `make` builds the value the first time a key is seen.
    template <typename Make> Value get(std::string_view key, const Make& make) {
        const size_t hash = qHash(QByteArrayView(key.data(), qsizetype(key.size())), m_seed);
        const size_t mask = m_slots.size() - 1;
        size_t i = hash & mask;
        for (; m_slots[i].text; i = (i + 1) & mask) {
            const Slot& slot = m_slots[i];
            if (slot.hash == hash && std::string_view(slot.text, slot.size) == key)
                return m_values[slot.value];
        }
        if ((m_values.size() + 1) * 2 > m_slots.size()) {
            grow();
            return get(key, make);
        }
        m_slots[i] = Slot{hash, keep(key), uint32_t(key.size()), uint32_t(m_values.size())};
        m_values.push_back(make());
        return m_values.back();
    }

private:
    // Seeded, Qt hashes with the processor's AES instructions where it has them: several times
    // faster than the unseeded hash, and a hostile list can't aim for collisions.
    const size_t m_seed = QHashSeed::globalSeed() | 1;
    struct Slot {
        size_t hash = 0;
        const char* text = nullptr; // null: free
        uint32_t size = 0;
        uint32_t value = 0; // into m_values
    };

    const char* keep(std::string_view text) {
        if (m_blockLeft < text.size() + 1) {
            const size_t size = std::max<size_t>(64 * 1024, text.size() + 1);
            m_blocks.push_back(std::make_unique<char[]>(size));
            m_blockNext = m_blocks.back().get();
            m_blockLeft = size;
        }
        char* copy = m_blockNext;
        std::memcpy(copy, text.data(), text.size());
        // Never at the same address as the next text, and never null, even when empty.
        m_blockNext += text.size() + 1;
        m_blockLeft -= text.size() + 1;
        return copy;
    }

    void grow() {
        std::vector<Slot> old(m_slots.size() * 2);
        old.swap(m_slots);
        const size_t mask = m_slots.size() - 1;
        for (const Slot& slot : old) {
            if (!slot.text) continue;
            size_t i = slot.hash & mask;
            while (m_slots[i].text)
                i = (i + 1) & mask;
            m_slots[i] = slot;
        }
    }

    std::vector<Slot> m_slots;
    std::vector<Value> m_values;
    std::vector<std::unique_ptr<char[]>> m_blocks;
    char* m_blockNext = nullptr;
    size_t m_blockLeft = 0;
};

// What a kept package object holds: texts point into the document (or the parser's buffer,
// for the few with escapes); an absent text has no data. The addresses and the description
// are made by the walk itself, which leaves the two sides of a pipeline about equally busy.
struct Found {
    const char* start = nullptr; // where the package object begins in the document
    std::string_view name, owner, fullName, version, dateCreated;
    QString description;
    OptionalUrl icon, packageUrl, downloadUrl;
    qint64 downloads = 0;
    qint64 rating = 0;
    uint32_t categories = 0, categoryCount = 0; // into Batch::texts
    uint32_t versions = 0, versionCount = 0;    // into Batch::versions
    bool categoriesValid = false;
    std::string_view releases; // the "versions" array, read when asked for
};

struct Batch {
    std::vector<Found> packages;
    std::vector<std::string_view> texts;
    std::vector<FoundVersion> versions;

    void clear() { // keeping the storage, which goes round again
        packages.clear();
        texts.clear();
        versions.clear();
    }
};

// Turns found packages into TSPackage values (and the index), in document order.
class Builder {
public:
    // `source`, when given, is the mapped file being read: pages behind the packages already
    // built are handed back, so the whole document and the whole catalog never sit in memory
    // together. `index`, when given, is filled while each package is still hot in the cache.
    // `keep` holds the document for the packages' releases, which are read from it later.
    // `room`: as many packages as the list and index are to hold when other parts join them.
    Builder(const char* document, size_t size, Fs::MappedFile* source, std::shared_ptr<const void> keep,
            ThunderstoreStore::Index* index, Repository::Source repository, qsizetype room)
        : m_document(document), m_source(source), m_keep(std::move(keep)), m_index(index),
          m_repository(repository), m_texts(size / 5000), m_lists(size / 5000) {
        // About 7 KB of document per package. Reserving a little too much costs no resident
        // memory (untouched pages); regrowing would copy the list at the worst moment.
        const qsizetype expected = std::max(qsizetype(size / 6000) + 16, room);
        m_packages.reserve(expected);
        if (m_index) m_index->reserve(expected);
    }

    void build(Batch& batch) {
        for (Found& found : batch.packages) {
            if (m_source && found.start - m_document - m_releasedUpTo >= releaseStep) {
                m_releasedUpTo = found.start - m_document;
                m_source->releaseBefore(m_releasedUpTo);
            }
            TSPackage& p = m_packages.emplaceBack();
            build(found, batch, p);
            if (m_index) addToIndex(found, p);
        }
    }

    QList<TSPackage> takePackages() { return std::move(m_packages); }

private:
    static QString text(std::string_view utf8) { return textOf(utf8); }

    // Versions, categories and dependency strings repeat across the catalog (nearly every
    // package names the BepInEx pack); one shared QString each saves memory and time.
    QString shared(std::string_view utf8) {
        return m_texts.get(utf8, [utf8] { return text(utf8); });
    }

    // Whole lists repeat too: a third of all packages depend on the BepInEx pack alone.
    QStringList sharedList(bool valid, const std::string_view* items, uint32_t count) {
        if (!valid || count == 0) return {};
        m_listKey.clear();
        for (uint32_t i = 0; i < count; ++i) {
            const auto size = uint32_t(items[i].size());
            m_listKey.append(reinterpret_cast<const char*>(&size), sizeof size);
            m_listKey.append(items[i]);
        }
        return m_lists.get(m_listKey, [&] {
            QStringList list;
            list.reserve(qsizetype(count));
            for (uint32_t i = 0; i < count; ++i)
                list.append(shared(items[i]));
            return list;
        });
    }

    void build(Found& f, const Batch& batch, TSPackage& p) {
        p.fullName = text(f.fullName);
        p.id = p.fullName;
        p.name = text(f.name);
        p.owner = text(f.owner);
        p.description = std::move(f.description);
        p.iconURL = std::move(f.icon);
        p.pageURL = std::move(f.packageUrl);
        p.version = shared(f.version);
        p.downloadURL = std::move(f.downloadUrl);
        p.totalDownloads = f.downloads;
        p.rating = f.rating;
        p.dateCreated = text(f.dateCreated);
        p.categories = sharedList(f.categoriesValid, batch.texts.data() + f.categories, f.categoryCount);
        p.source = m_repository;
        // The package's own fields are its newest release's: the first as listed, except on Hexium,
        // which lists releases by upload date, so that a patch of an older line can come after a
        // newer line: there the newest is the highest number, wherever it stands (the first of
        // equals).
        const FoundVersion* newest = &batch.versions[f.versions];
        for (uint32_t i = 1; i < f.versionCount; ++i) {
            const FoundVersion& v = batch.versions[f.versions + i];
            if (Version::lessUtf8(newest->number, v.number)) newest = &v;
        }
        p.releases = TSReleases(m_keep, QByteArrayView(f.releases.data(), qsizetype(f.releases.size())),
                                m_repository, p.owner, p.name);
        const FoundVersion& listed = batch.versions[f.versions];
        p.dependencies = sharedList(listed.dependenciesValid, batch.texts.data() + listed.dependencies,
                                    listed.dependencyCount);
        // Rare: the walk read only the numbers of later releases, so the whole list is read now.
        if (const QList<TSVersion>& all = newest != &listed ? p.releases.list() : QList<TSVersion>();
            !all.isEmpty()) {
            p.version = all.constFirst().number;
            p.downloadURL = OptionalUrl(p.downloadFor(all.constFirst()));
            p.dependencies = all.constFirst().dependencies;
        }
    }

    // The catalog key, lower-cased straight from the document's bytes when they are ASCII (as
    // they practically always are); QString's Unicode lower-casing otherwise, as ownerAndName.
    static QString catalogKey(const Found& f, const TSPackage& p) {
        QString key(qsizetype(f.owner.size() + 1 + f.name.size()), Qt::Uninitialized);
        QChar* out = key.data();
        const auto copy = [&out](std::string_view part) {
            for (const char c : part) {
                if (static_cast<unsigned char>(c) >= 0x80) return false;
                *out++ = QLatin1Char(c >= 'A' && c <= 'Z' ? char(c + ('a' - 'A')) : c);
            }
            return true;
        };
        if (!copy(f.owner)) return p.ownerAndName();
        *out++ = QLatin1Char('-');
        if (!copy(f.name)) return p.ownerAndName();
        return key;
    }

    // The first package with a key keeps it.
    void addToIndex(const Found& f, const TSPackage& p) {
        m_index->addFirst(catalogKey(f, p), m_packages.size() - 1);
    }

    static constexpr qsizetype releaseStep = 4 * 1024 * 1024;
    const char* m_document;
    Fs::MappedFile* m_source;
    std::shared_ptr<const void> m_keep;
    ThunderstoreStore::Index* m_index;
    Repository::Source m_repository;
    Interner<QString> m_texts;
    Interner<QStringList> m_lists;
    std::string m_listKey;
    QList<TSPackage> m_packages;
    qsizetype m_releasedUpTo = 0;
};

// Runs a Builder on a thread of its own while the walk goes on: the walk and the building
// take about as long each, and neither waits for the other. Its own thread rather than the
// shared pool, which the load itself may be occupying: the walk waits for this one at the end.
class Pipeline {
public:
    explicit Pipeline(Builder& builder) : m_builder(builder), m_thread([this] { work(); }) {}
    ~Pipeline() { cancel(); }
    Pipeline(const Pipeline&) = delete;
    Pipeline& operator=(const Pipeline&) = delete;

    void push(Batch&& batch) {
        {
            std::lock_guard lock(m_mutex);
            m_queue.push_back(std::move(batch));
        }
        m_ready.notify_one();
    }

    // An emptied batch to fill next, when one has come back from the builder.
    Batch spare() {
        std::lock_guard lock(m_mutex);
        if (m_spare.empty()) return {};
        Batch batch = std::move(m_spare.back());
        m_spare.pop_back();
        return batch;
    }

    // Waits until everything pushed is built; false when building failed.
    bool finish() {
        if (m_thread.joinable()) {
            {
                std::lock_guard lock(m_mutex);
                m_done = true;
            }
            m_ready.notify_one();
            m_thread.join();
        }
        return !m_failed;
    }

    // Stops without building what is still queued.
    void cancel() {
        {
            std::lock_guard lock(m_mutex);
            m_queue.clear();
        }
        finish();
    }

private:
    void work() {
        for (;;) {
            Batch batch;
            {
                std::unique_lock lock(m_mutex);
                m_ready.wait(lock, [this] { return !m_queue.empty() || m_done; });
                if (m_queue.empty()) return;
                batch = std::move(m_queue.front());
                m_queue.pop_front();
            }
            if (!m_failed) {
                try {
                    m_builder.build(batch);
                } catch (...) {
                    m_failed = true;
                }
            }
            batch.clear();
            std::lock_guard lock(m_mutex);
            m_spare.push_back(std::move(batch));
        }
    }

    Builder& m_builder;
    std::mutex m_mutex;
    std::condition_variable m_ready;
    std::deque<Batch> m_queue;
    std::vector<Batch> m_spare;
    bool m_done = false;
    std::atomic<bool> m_failed = false;
    std::thread m_thread; // last: starts once everything above exists
};

// The reader a ThunderstoreStore::ReaderScope keeps for its thread; null outside one.
thread_local od::parser* t_reader = nullptr;
thread_local bool t_coresTaken = false;

// Thunderstore's addresses all read base/package/download/owner/name/version/; those are
// rebuilt when asked for (TSPackage::downloadFor) rather than kept 90,000 times.
bool isUsualDownload(std::string_view url, std::string_view base, std::string_view owner,
                     std::string_view name, std::string_view number) {
    if (url.size() != base.size() + owner.size() + name.size() + number.size() + 3) return false;
    size_t at = base.size();
    const auto piece = [&](std::string_view text) {
        if (url.compare(at, text.size(), text) != 0 || url[at + text.size()] != '/') return false;
        at += text.size() + 1;
        return true;
    };
    return url.substr(0, base.size()) == base && piece(owner) && piece(name) && piece(number);
}

// The releases a walk found (every one that has a number, in document order), newest first.
QList<TSVersion> releasesOf(const std::vector<FoundVersion>& found,
                            const std::vector<std::string_view>& texts, Repository::Source source,
                            const QString& owner, const QString& name) {
    const std::string base = Repository::baseUrl().toStdString() + "/package/download/";
    const QByteArray owner8 = owner.toUtf8(), name8 = name.toUtf8();
    const auto text = [](std::string_view utf8) {
        return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
    };
    QList<TSVersion> list;
    list.reserve(qsizetype(found.size()));
    const FoundVersion* previous = nullptr;
    for (const FoundVersion& f : found) {
        TSVersion& v = list.emplaceBack();
        v.number = text(f.number);
        // Releases in a row mostly depend on the same things: they share one list.
        const std::string_view* items = texts.data() + f.dependencies;
        if (previous && f.dependenciesValid == previous->dependenciesValid &&
            std::equal(items, items + f.dependencyCount, texts.data() + previous->dependencies,
                       texts.data() + previous->dependencies + previous->dependencyCount)) {
            v.dependencies = list.at(list.size() - 2).dependencies;
        } else if (f.dependenciesValid) {
            v.dependencies.reserve(qsizetype(f.dependencyCount));
            for (uint32_t i = 0; i < f.dependencyCount; ++i)
                v.dependencies.append(text(items[i]));
        }
        previous = &f;
        if (source != Repository::Source::thunderstore ||
            !isUsualDownload(f.url, base, std::string_view(owner8.constData(), size_t(owner8.size())),
                             std::string_view(name8.constData(), size_t(name8.size())), f.number))
            v.storedURL = OptionalUrl::fromText(QByteArrayView(f.url.data(), qsizetype(f.url.size())));
        v.date = secondsOf(f.date);
        v.fileSize = f.size;
        v.downloads = f.downloads;
    }
    // Hexium lists releases by upload date (see Builder::build).
    if (source == Repository::Source::hexium) {
        const auto newerFirst = [](const TSVersion& a, const TSVersion& b) {
            return Version::less(b.number, a.number);
        };
        if (!std::is_sorted(list.cbegin(), list.cend(), newerFirst))
            std::stable_sort(list.begin(), list.end(), newerFirst);
    }
    return list;
}

// Walks the document and hands what it finds to the builder, in batches.
class Walker {
public:
    QList<TSPackage> run(const simdjson::padded_string_view& json, Fs::MappedFile* source,
                         std::shared_ptr<const void> holder, ThunderstoreStore::Index* index,
                         Repository::Source repository, qsizetype room) {
        od::parser own; // allocates nothing until it reads
        od::parser& parser = t_reader ? *t_reader : own;
        od::document doc;
        check(parser.iterate(json).get(doc));
        od::array top;
        if (doc.get_array().get(top)) throw Broken{};
        m_doc = &doc;
        m_end = json.data() + json.length();
        // Thunderstore's newest release is its first: the others add only their downloads now.
        // Hexium's newest is the highest number: there every release's number is read too.
        m_reading = repository == Repository::Source::thunderstore ? Reading::first : Reading::numbers;

        Builder builder(json.data(), json.length(), source, std::move(holder), index, repository, room);
        // Small documents (tests, error pages) are not worth a thread, nor is one where other
        // readers keep every core busy; without one, the walk builds as it goes.
        std::optional<Pipeline> pipeline;
        if (json.length() >= pipelineThreshold && std::thread::hardware_concurrency() > 1 && !t_coresTaken) {
            try {
                pipeline.emplace(builder);
            } catch (const std::system_error& e) {
                qCDebug(lcCatalog) << "package list read on one thread:" << e.what();
            }
        }
        const auto handOver = [&] {
            if (m_batch.packages.empty()) return;
            if (pipeline) {
                pipeline->push(std::move(m_batch));
                m_batch = pipeline->spare();
            } else {
                builder.build(m_batch);
                m_batch.clear();
            }
            m_batch.packages.reserve(batchSize);
        };
        m_batch.packages.reserve(batchSize);

        for (auto element : top) {
            od::value value;
            check(std::move(element).get(value));
            const char* start = value.raw_json_token().data();
            od::object object;
            check(value.get_object().get(object)); // every element must be an object
            m.reset();
            walkPackage(object);
            if (keep()) {
                keepFound(start);
                if (m_batch.packages.size() == batchSize) handOver();
            }
        }
        // Anything after the array makes the document invalid JSON.
        if (!doc.current_location().error()) throw Broken{};
        handOver();
        // On a throw above, the pipeline's destructor stops the builder before the parser goes.
        if (pipeline && !pipeline->finish()) throw std::bad_alloc();
        // What is read later comes back page by page.
        if (source) source->releaseBefore(source->size());
        return builder.takePackages();
    }

    // One package's "versions" array on its own, every release read.
    QList<TSVersion> releases(const simdjson::padded_string_view& json, Repository::Source source,
                              const QString& owner, const QString& name) {
        od::parser parser;
        od::document doc;
        check(parser.iterate(json).get(doc));
        od::value value;
        check(doc.get_value().get(value));
        m_doc = &doc;
        m_end = json.data() + json.length();
        m_reading = Reading::all;
        walkVersions(value, value.raw_json_token());
        return releasesOf(m.versionList, m.versionTexts, source, owner, name);
    }

private:
    static const char* keyOf(od::field& field) { return reinterpret_cast<const char*>(field.key().raw()); }

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
        if (!value.get_string().get(unescaped)) return unescaped;
        // The load has read the package's own fields by the strict rule already; a release's
        // field read later is only left out.
        if (m_reading == Reading::all) return std::nullopt;
        throw Broken{};
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
            const Key key = packageKey(keyOf(field));
            if (key == Key::other) continue; // skipped by the iterator
            od::value& value = field.value();
            const std::string_view token = value.raw_json_token();
            switch (key) {
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

    // A corrupt or hostile list must not overflow the total.
    void addDownloads(qint64 downloads) {
        if (__builtin_add_overflow(m.downloads, downloads, &m.downloads))
            m.downloads =
                downloads > 0 ? std::numeric_limits<qint64>::max() : std::numeric_limits<qint64>::min();
    }

    // The last "downloads" of a release; the rest of it is read when its releases are asked for.
    qint64 downloadsOf(od::object& version) {
        qint64 downloads = 0;
        for (auto fieldResult : version) {
            od::field field;
            check(std::move(fieldResult).get(field));
            if (downloadsKey(keyOf(field)) != Key::downloads) continue;
            od::value& v = field.value();
            downloads = integerOf(v, v.raw_json_token());
        }
        return downloads;
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
            if (!first && m_reading == Reading::first) {
                addDownloads(downloadsOf(version));
                continue;
            }
            qint64 downloads = 0;
            std::optional<std::string_view> number, url, date;
            FoundVersion found;
            for (auto fieldResult : version) {
                od::field field;
                check(std::move(fieldResult).get(field));
                const Key key = first                       ? versionKey(keyOf(field))
                                : m_reading == Reading::all ? laterVersionKey(keyOf(field))
                                                            : numberKey(keyOf(field));
                if (key == Key::other) continue;
                od::value& v = field.value();
                const std::string_view t = v.raw_json_token();
                switch (key) {
                case Key::downloads:
                    downloads = integerOf(v, t);
                    break;
                case Key::fileSize:
                    found.size = integerOf(v, t);
                    break;
                case Key::dateCreated:
                    date = stringOf(v, t);
                    break;
                case Key::description:
                    m.description = stringOf(v, t);
                    break;
                case Key::icon:
                    m.icon = stringOf(v, t);
                    break;
                case Key::versionNumber:
                    number = stringOf(v, t);
                    break;
                case Key::downloadUrl:
                    url = stringOf(v, t);
                    break;
                case Key::dependencies:
                    found.dependenciesValid = stringsOf(v, t, m.dependencies);
                    found.dependencyCount = uint32_t(m.dependencies.size());
                    found.dependencies = uint32_t(m.versionTexts.size());
                    m.versionTexts.insert(m.versionTexts.end(), m.dependencies.begin(), m.dependencies.end());
                    break;
                default:
                    break;
                }
            }
            addDownloads(downloads);
            if (first) {
                m.versionNumber = number;
                m.downloadUrl = url;
            }
            // A release without a number can't be asked for: it is left out, not the package.
            if (number && !number->empty()) {
                found.number = *number;
                found.url = url ? *url : std::string_view();
                found.date = date ? *date : std::string_view();
                found.downloads = downloads;
                m.versionList.push_back(found);
            }
            first = false;
        }
        m.versionsValid = allObjects && !first;
        // The array ends where the walk now stands (the next field, or the object's end).
        const char* end = nullptr;
        if (m_doc->current_location().get(end)) end = m_end;
        m.versionsJson = std::string_view(token.data(), size_t(end - token.data()));
    }

    bool keep() const {
        return !m.deprecated && !m.nsfw && m.name && m.owner && m.fullName && m.versionsValid &&
               m.versionNumber && !m.versionList.empty() && m.versionList.front().number == *m.versionNumber;
    }

    static std::string_view found(const std::optional<std::string_view>& text) {
        return text ? *text : std::string_view();
    }

    static OptionalUrl url(const std::optional<std::string_view>& utf8) {
        return utf8 ? OptionalUrl::fromText(QByteArrayView(utf8->data(), qsizetype(utf8->size())))
                    : OptionalUrl();
    }

    void keepFound(const char* start) {
        Found f;
        f.start = start;
        // A present text always has data, even when empty, which tells it from an absent one.
        f.name = *m.name;
        f.owner = *m.owner;
        f.fullName = *m.fullName;
        if (m.description) f.description = textOf(*m.description);
        f.icon = url(m.icon);
        f.packageUrl = url(m.packageUrl);
        f.version = *m.versionNumber;
        f.downloadUrl = url(m.downloadUrl);
        f.dateCreated = found(m.dateCreated);
        f.downloads = m.downloads;
        f.rating = m.rating;
        f.versions = uint32_t(m_batch.versions.size());
        f.versionCount = uint32_t(m.versionList.size());
        const auto textBase = uint32_t(m_batch.texts.size());
        for (FoundVersion v : m.versionList) {
            v.dependencies += textBase;
            m_batch.versions.push_back(v);
        }
        m_batch.texts.insert(m_batch.texts.end(), m.versionTexts.begin(), m.versionTexts.end());
        f.releases = m.versionsJson;
        f.categoriesValid = m.categoriesValid;
        f.categories = uint32_t(m_batch.texts.size());
        f.categoryCount = uint32_t(m.categories.size());
        m_batch.texts.insert(m_batch.texts.end(), m.categories.begin(), m.categories.end());
        m_batch.packages.push_back(std::move(f));
    }

    static constexpr size_t batchSize = 128;
    static constexpr size_t pipelineThreshold = 1024 * 1024;
    od::document* m_doc = nullptr;
    const char* m_end = nullptr;
    // Of the releases after the first: their downloads, also their numbers, or everything.
    enum class Reading { first, numbers, all } m_reading = Reading::first;
    Fields m;
    Batch m_batch;
};

// Any failure to read the document, or to find room for its packages, gives nothing. `keep`
// holds the bytes (with padding behind them) for as long as a package may read its releases.
std::optional<QList<TSPackage>> walkSafely(std::shared_ptr<const void> keep, const char* data, size_t size,
                                           Fs::MappedFile* source, ThunderstoreStore::Index* index,
                                           Repository::Source repository, qsizetype room = 0) {
    try {
        return Walker().run(simdjson::padded_string_view(data, size, size + simdjson::SIMDJSON_PADDING),
                            source, std::move(keep), index, repository, room);
    } catch (const Broken&) {
        qCDebug(lcCatalog) << "package list is not valid JSON";
    } catch (const std::bad_alloc&) {
        qCDebug(lcCatalog) << "package list too large for memory";
    }
    if (index) index->clear();
    return std::nullopt;
}

// The document as the packages will keep it, read in place when simdjson may read ahead past its
// end (data_ptr() only exposes the allocation; nothing is written or detached), copied with
// room behind it otherwise.
std::shared_ptr<const QByteArray> padded(const QByteArray& document) {
    if (const_cast<QByteArray&>(document).data_ptr().freeSpaceAtEnd() >=
        qsizetype(simdjson::SIMDJSON_PADDING))
        return std::make_shared<const QByteArray>(document);
    QByteArray copy;
    copy.reserve(document.size() + qsizetype(simdjson::SIMDJSON_PADDING));
    copy.append(document);
    return std::make_shared<const QByteArray>(std::move(copy));
}

std::optional<QList<TSPackage>> walkDocument(const QByteArray& document, ThunderstoreStore::Index* index,
                                             Repository::Source repository) {
    std::shared_ptr<const QByteArray> bytes = padded(document);
    const char* data = bytes->constData();
    const auto size = size_t(bytes->size());
    return walkSafely(std::move(bytes), data, size, nullptr, index, repository);
}

std::optional<QList<TSPackage>> walkFile(const QString& path, ThunderstoreStore::Index* index,
                                         Repository::Source repository, qsizetype room) {
    std::optional<Fs::MappedFile> opened = Fs::MappedFile::open(path, ThunderstoreStore::parsePadding);
    if (!opened) return std::nullopt;
    const auto file = std::make_shared<Fs::MappedFile>(std::move(*opened));
    return walkSafely(file, file->data(), size_t(file->size()), file.get(), index, repository, room);
}

} // namespace

ThunderstoreStore::ReaderScope::ReaderScope(bool coresTaken, qint64 largest) : m_owner(t_reader == nullptr) {
    // Without room for one, each read simply makes its own.
    if (!m_owner) return;
    t_reader = new (std::nothrow) od::parser();
    t_coresTaken = coresTaken;
    // Without room for that much, the reader grows as documents need it.
    if (t_reader && largest > 0 && size_t(largest) <= t_reader->max_capacity() &&
        t_reader->allocate(size_t(largest)) != simdjson::SUCCESS)
        qCDebug(lcCatalog) << "no room to read" << largest << "bytes at once";
}

ThunderstoreStore::ReaderScope::~ReaderScope() {
    if (!m_owner) return;
    delete t_reader;
    t_reader = nullptr;
    t_coresTaken = false;
}

const qsizetype ThunderstoreStore::parsePadding = qsizetype(simdjson::SIMDJSON_PADDING);

QList<TSVersion> TSReleases::read(QByteArrayView json, Repository::Source source, const QString& owner,
                                  const QString& name) {
    try {
        return Walker().releases(
            simdjson::padded_string_view(json.data(), size_t(json.size()),
                                         size_t(json.size()) + simdjson::SIMDJSON_PADDING),
            source, owner, name);
    } catch (const Broken&) {
        qCDebug(lcCatalog) << "releases of" << owner << name << "are not valid JSON";
    } catch (const std::bad_alloc&) {
        qCDebug(lcCatalog) << "releases of" << owner << name << "too large for memory";
    }
    return {};
}

QList<TSPackage> ThunderstoreStore::parse(const QByteArray& document) {
    return walkDocument(document, nullptr, Repository::Source::thunderstore).value_or(QList<TSPackage>());
}

ThunderstoreStore::Catalog ThunderstoreStore::parseCatalog(const QByteArray& document) {
    return parseListing(document, Repository::Source::thunderstore).value_or(Catalog());
}

std::optional<ThunderstoreStore::Catalog> ThunderstoreStore::parseListing(const QByteArray& document,
                                                                          Repository::Source source) {
    Catalog catalog;
    auto packages = walkDocument(document, &catalog.index, source);
    if (!packages) return std::nullopt;
    catalog.packages = std::move(*packages);
    catalog.index.attach(catalog.packages);
    return catalog;
}

ThunderstoreStore::Index ThunderstoreStore::makeIndex(const QList<TSPackage>& packages) {
    return Index(packages);
}

std::optional<ThunderstoreStore::Catalog>
ThunderstoreStore::readListing(const QString& path, Repository::Source source, qsizetype room, bool indexed) {
    Catalog catalog;
    auto packages = walkFile(path, indexed ? &catalog.index : nullptr, source, room);
    if (!packages) return std::nullopt;
    catalog.packages = std::move(*packages);
    catalog.index.attach(catalog.packages);
    return catalog;
}

std::optional<ThunderstoreStore::Catalog> ThunderstoreStore::readCatalog(const QString& path) {
    if (!Fs::exists(path) || Fs::isDir(path)) return std::nullopt;
    return readListing(path, Repository::Source::thunderstore, 0).value_or(Catalog());
}
