#include "catalog/ChunkedListing.h"

#include "platform/AppSupport.h"
#include "platform/Fs.h"
#include "platform/Log.h"
#include "platform/SkaldrunError.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <zlib.h>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

namespace ChunkedListing {

// Made whenever asked for; a failure shows when a file in it is written.
QString folder() {
    QString dir = Fs::join(AppSupport::ensureDir(), QStringLiteral("catalog"));
    QDir().mkpath(dir);
    return dir;
}

namespace {

QString stateFile(Repository::Source source) {
    return Fs::join(folder(), Repository::sourceName(source).toLower() + QStringLiteral(".json"));
}

QByteArray sha256(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

qint64 now() {
    return QDateTime::currentSecsSinceEpoch();
}

QString httpFailure(const Http::Result& r) {
    if (!r.responded) return r.error;
    return QCoreApplication::translate("ChunkedListing", "the server answered with error %1").arg(r.status);
}

} // namespace

std::optional<QByteArray> decode(const QByteArray& body) {
    if (body.size() < 2 || uchar(body[0]) != 0x1f || uchar(body[1]) != 0x8b) return body;
    z_stream stream{};
    if (inflateInit2(&stream, 15 + 16) != Z_OK) return std::nullopt;
    QByteArray out;
    out.resize(std::min<qsizetype>(std::max<qsizetype>(body.size() * 8, 4096), maxDecodedBytes));
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(body.constData()));
    stream.avail_in = uInt(body.size());
    int status = Z_OK;
    for (;;) {
        if (qint64(stream.total_out) == out.size()) {
            if (out.size() >= maxDecodedBytes) break;
            out.resize(qsizetype(std::min<qint64>(out.size() * 2, maxDecodedBytes)));
        }
        stream.next_out = reinterpret_cast<Bytef*>(out.data() + stream.total_out);
        stream.avail_out = uInt(out.size() - qsizetype(stream.total_out));
        status = inflate(&stream, Z_NO_FLUSH);
        // One member is a whole document; anything else (truncation, garbage) is broken.
        if (status != Z_OK) break;
    }
    const auto produced = qsizetype(stream.total_out);
    inflateEnd(&stream);
    if (status != Z_STREAM_END) return std::nullopt;
    out.resize(produced);
    // Room for the JSON reader to look ahead, so it reads the bytes in place.
    out.reserve(produced + ThunderstoreStore::parsePadding);
    return out;
}

QList<QUrl> readIndex(const QByteArray& body) {
    const std::optional<QByteArray> json = decode(body);
    const QJsonDocument doc = json ? QJsonDocument::fromJson(*json) : QJsonDocument();
    if (!doc.isArray() || doc.array().isEmpty())
        throw SkaldrunError(
            QCoreApplication::translate("ChunkedListing", "its list of catalog parts is unreadable"));
    const QJsonArray array = doc.array();
    if (array.size() > maxChunks)
        throw SkaldrunError(
            QCoreApplication::translate("ChunkedListing",
                                        "its list names %1 catalog parts, far more than any real catalog")
                .arg(array.size()));
    QList<QUrl> urls;
    for (const auto& v : array) {
        const QUrl url(v.toString(), QUrl::StrictMode);
        if (!url.isValid() ||
            (url.scheme() != QLatin1String("https") && url.scheme() != QLatin1String("http")))
            throw SkaldrunError(QCoreApplication::translate(
                "ChunkedListing", "its list of catalog parts holds something that is no address"));
        urls.append(url);
    }
    return urls;
}

// Kept unpacked: a start then maps the JSON and reads it in place, with no unzipping.
QString chunkFile(const QString& address) {
    return Fs::join(folder(), QString::fromLatin1(sha256(address.toUtf8())) + QStringLiteral(".json"));
}

State readState(Repository::Source source) {
    State state;
    const auto bytes = Fs::tryRead(stateFile(source));
    const QJsonObject o = bytes ? QJsonDocument::fromJson(*bytes).object() : QJsonObject();
    state.indexHash = o.value(QStringLiteral("indexHash")).toString().toLatin1();
    state.lastModified = o.value(QStringLiteral("lastModified")).toString().toLatin1();
    for (const auto& v : o.value(QStringLiteral("chunks")).toArray())
        state.chunks.append(v.toString());
    state.checkedAt = qint64(o.value(QStringLiteral("checkedAt")).toDouble());
    return state;
}

void writeState(Repository::Source source, const State& state) {
    const QJsonObject o{{QStringLiteral("indexHash"), QString::fromLatin1(state.indexHash)},
                        {QStringLiteral("lastModified"), QString::fromLatin1(state.lastModified)},
                        {QStringLiteral("chunks"), QJsonArray::fromStringList(state.chunks)},
                        {QStringLiteral("checkedAt"), double(state.checkedAt)}};
    Fs::writeAtomic(stateFile(source), QJsonDocument(o).toJson(QJsonDocument::Compact));
}

namespace {

// `first`: the part the others of its repository join, which alone builds an index.
std::optional<ThunderstoreStore::Catalog> parsePart(const Part& part, Repository::Source source,
                                                    qsizetype room, bool first) {
    auto catalog = part.file.isEmpty() ? ThunderstoreStore::parseListing(part.json, source)
                                       : ThunderstoreStore::readListing(part.file, source, room, first);
    // Records that break a rule are skipped; a part with nothing but such records is damaged,
    // not empty.
    if (catalog && catalog->packages.isEmpty()) {
        const auto bytes = part.file.isEmpty() ? std::optional(part.json) : Fs::tryRead(part.file);
        if (!bytes || bytes->contains('{')) catalog.reset();
    }
    return catalog;
}

} // namespace

namespace {

struct Job {
    Part part;
    Repository::Source source;
    qint64 bytes = 0;
    qsizetype room = 0; // the first part of a repository makes room for the others to join it
};

// About 7 KB of document per package; a little too much room costs no resident memory.
void makeRoom(QList<Job>& jobs, qsizetype first) {
    qint64 bytes = 0;
    for (qsizetype i = first; i < jobs.size(); ++i)
        bytes += jobs[i].bytes;
    if (first < jobs.size()) jobs[first].room = qsizetype(bytes / 6000) + 16;
}

// One repository's parts: `count` jobs from `first` on, in document order.
struct Group {
    qsizetype first = 0, count = 0;
};

// A repository's catalog as its parts join it, in document order.
struct Joined {
    ThunderstoreStore::Catalog catalog;
    qsizetype parts = 0;    // joined so far
    qsizetype damaged = -1; // the first part that is no package list
};

// As within one document, the first package with a key keeps it.
void joinInto(ThunderstoreStore::Catalog& catalog, ThunderstoreStore::Catalog& part) {
    // The indexes let go of the lists, which then grow and move without being copied.
    catalog.index.detach();
    part.index.detach();
    const qsizetype from = catalog.packages.size();
    catalog.packages.append(std::move(part.packages));
    // A part after the first is read without an index of its own: its packages go into this one.
    for (qsizetype i = from; i < catalog.packages.size(); ++i)
        catalog.index.addFirst(catalog.packages.at(i).ownerAndName(), i);
    catalog.index.attach(catalog.packages);
}

// Parts are independent: one reader per core. Each repository's first part goes first, since
// the others can only join it once it is read; then the largest parts, so that the readers
// finish together. A lone part builds on a second thread instead. A reader that finishes a
// part joins what it can to its repository's catalog, while the others still read.
std::vector<Joined> readGroups(const QList<Job>& jobs, const QList<Group>& groups) {
    std::vector<qsizetype> groupOf(size_t(jobs.size()), -1);
    for (qsizetype g = 0; g < groups.size(); ++g) {
        for (qsizetype i = 0; i < groups[g].count; ++i)
            groupOf[size_t(groups[g].first + i)] = g;
    }
    const auto leads = [&](qsizetype k) {
        return groupOf[size_t(k)] < 0 || groups[groupOf[size_t(k)]].first == k;
    };
    std::vector<qsizetype> order(size_t(jobs.size()));
    for (qsizetype i = 0; i < jobs.size(); ++i)
        order[size_t(i)] = i;
    std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
        return leads(a) != leads(b) ? leads(a) : jobs[a].bytes > jobs[b].bytes;
    });
    std::vector<std::optional<ThunderstoreStore::Catalog>> parsed(size_t(jobs.size()));
    std::vector<char> done(size_t(jobs.size()), 0);
    std::vector<Joined> joined(size_t(groups.size()));
    std::mutex joining;
    const auto join = [&](qsizetype g) { // with `joining` held
        Joined& j = joined[size_t(g)];
        const Group& group = groups[g];
        while (j.damaged < 0 && j.parts < group.count && done[size_t(group.first + j.parts)]) {
            std::optional<ThunderstoreStore::Catalog>& part = parsed[size_t(group.first + j.parts)];
            if (!part) {
                j.damaged = j.parts;
                break;
            }
            if (j.parts == 0)
                j.catalog = std::move(*part);
            else
                joinInto(j.catalog, *part);
            part.reset();
            ++j.parts;
        }
    };
    qint64 largest = 0;
    for (const Job& job : jobs)
        largest = std::max(largest, job.bytes);
    std::atomic<size_t> next = 0;
    const auto threads = std::min<qsizetype>(std::max(1U, std::thread::hardware_concurrency()), jobs.size());
    const auto work = [&] {
        const ThunderstoreStore::ReaderScope reader(threads > 1, largest);
        for (size_t i = next++; i < order.size(); i = next++) {
            const qsizetype k = order[i];
            std::optional<ThunderstoreStore::Catalog> part =
                parsePart(jobs[k].part, jobs[k].source, jobs[k].room, leads(k));
            const std::lock_guard lock(joining);
            parsed[size_t(k)] = std::move(part);
            done[size_t(k)] = 1;
            if (groupOf[size_t(k)] >= 0) join(groupOf[size_t(k)]);
        }
    };
    std::vector<std::thread> helpers;
    for (qsizetype t = 1; t < threads; ++t)
        helpers.emplace_back(work);
    work();
    for (std::thread& helper : helpers)
        helper.join();
    return joined;
}

// A repository's catalog once every part joined; throws SkaldrunError naming the first damaged
// part, after removing its file.
ThunderstoreStore::Catalog finished(const QList<Job>& jobs, const Group& group, Joined& joined) {
    if (joined.damaged >= 0) {
        // A damaged stored chunk would otherwise fail every later start and check as well.
        const QString& file = jobs[group.first + joined.damaged].part.file;
        if (!file.isEmpty()) Fs::remove(file);
        throw SkaldrunError(QCoreApplication::translate("ChunkedListing", "part %1 of its catalog is damaged")
                                .arg(joined.damaged + 1));
    }
    return std::move(joined.catalog);
}

qint64 sizeOf(const Part& part) {
    return part.file.isEmpty() ? part.json.size() : QFileInfo(part.file).size();
}

} // namespace

ThunderstoreStore::Catalog parseParts(const QList<Part>& parts, Repository::Source source) {
    QList<Job> jobs;
    for (const Part& part : parts)
        jobs.append(Job{part, source, sizeOf(part)});
    makeRoom(jobs, 0);
    const Group group{0, jobs.size()};
    std::vector<Joined> joined = readGroups(jobs, {group});
    return finished(jobs, group, joined.front());
}

std::optional<ThunderstoreStore::Catalog> fromDisk(Repository::Source source) {
    return std::move(fromDisk(QList<Repository::Source>{source}).front());
}

QList<std::optional<ThunderstoreStore::Catalog>> fromDisk(const QList<Repository::Source>& sources) {
    QList<Job> jobs;
    QList<Group> groups; // per source; none when a chunk is missing
    for (const Repository::Source source : sources) {
        const State state = readState(source);
        const qsizetype first = jobs.size();
        for (const QString& address : state.chunks) {
            const QString file = chunkFile(address);
            const QFileInfo info(file);
            if (!info.isFile()) {
                jobs.resize(first);
                break;
            }
            jobs.append(Job{Part{file, {}}, source, info.size()});
        }
        makeRoom(jobs, first);
        groups.append(Group{first, jobs.size() - first});
    }
    std::vector<Joined> joined = readGroups(jobs, groups);
    QList<std::optional<ThunderstoreStore::Catalog>> catalogs(sources.size());
    for (qsizetype i = 0; i < sources.size(); ++i) {
        if (groups[i].count == 0) continue;
        try {
            catalogs[i] = finished(jobs, groups[i], joined[size_t(i)]);
        } catch (const SkaldrunError& e) {
            qCDebug(lcCatalog) << "stored catalog of" << Repository::sourceName(sources[i])
                               << "unreadable:" << e.message();
        }
    }
    return catalogs;
}

namespace {

// The one-document list, when the repository has no index to give (Thunderstore answers 503
// while it builds one). Kept like a one-chunk catalog, without an index hash, so the next
// check asks for the index again.
Check fromWholeList(Repository::Source source, const State& previous, const Http::CancelFlag& cancel) {
    const QUrl url = Repository::packageList(source);
    Http::Request request;
    request.maxBytes = maxChunkBytes;
    const Http::Result r = Http::get(url, request, {}, Http::defaultTimeouts(), cancel);
    if (!r.responded || r.status != 200) return Check{std::nullopt, httpFailure(r), previous.checkedAt};
    try {
        const std::optional<QByteArray> json = decode(r.body);
        if (!json)
            throw SkaldrunError(
                QCoreApplication::translate("ChunkedListing", "part %1 of its catalog is damaged").arg(1));
        // Read from a file, not from memory: the packages read their releases from it later, and
        // the list isn't held in memory meanwhile. Under a name of its own until it proved
        // readable, so that a damaged list doesn't take the one kept before with it.
        const QString file = chunkFile(url.toString());
        const QString fresh = file.chopped(5) + QStringLiteral(".new.json");
        Fs::writeAtomic(fresh, *json);
        ThunderstoreStore::Catalog catalog = parseParts({Part{fresh, {}}}, source);
        // Packages still reading the earlier list keep its bytes: their mapping outlives the name.
        Fs::remove(file);
        Fs::move(fresh, file);
        writeState(source, State{{}, {}, {url.toString()}, now()});
        return Check{std::move(catalog), {}, now()};
    } catch (const SkaldrunError& e) {
        return Check{std::nullopt, e.message(), previous.checkedAt};
    }
}

} // namespace

Check check(Repository::Source source, bool needCatalog, const std::function<void(int, int)>& progress,
            const Http::CancelFlag& cancel) {
    const State previous = readState(source);
    Http::Request request;
    request.maxBytes = maxIndexBytes;
    // A conditional request only makes sense when the chunks it stands for are still here.
    const bool haveChunks =
        !previous.chunks.isEmpty() && std::all_of(previous.chunks.cbegin(), previous.chunks.cend(),
                                                  [](const QString& c) { return Fs::exists(chunkFile(c)); });
    if (haveChunks) request.ifModifiedSince = previous.lastModified;
    Http::Result index =
        Http::get(Repository::listingIndex(source), request, {}, Http::defaultTimeouts(), cancel);
    if (!index.responded) return Check{std::nullopt, index.error, previous.checkedAt};
    if (index.status >= 400 && index.status != 429) return fromWholeList(source, previous, cancel);

    const bool unchanged = haveChunks && (index.status == 304 ||
                                          (index.status == 200 && sha256(index.body) == previous.indexHash));
    if (unchanged) {
        State state = previous;
        state.checkedAt = now();
        if (!index.lastModified.isEmpty()) state.lastModified = index.lastModified;
        try {
            writeState(source, state);
        } catch (const SkaldrunError& e) {
            qCDebug(lcCatalog) << "check time not kept:" << e.message();
        }
        if (!needCatalog) return Check{std::nullopt, {}, state.checkedAt};
        if (auto catalog = fromDisk(source)) return Check{std::move(catalog), {}, state.checkedAt};
        // A stored chunk went bad (and is gone): fetch it again below, which needs the index
        // itself, not a 304.
        if (index.status == 304) {
            request.ifModifiedSince.clear();
            index = Http::get(Repository::listingIndex(source), request, {}, Http::defaultTimeouts(), cancel);
            if (!index.responded || index.status != 200)
                return Check{std::nullopt, httpFailure(index), previous.checkedAt};
        }
    } else if (index.status != 200) {
        return Check{std::nullopt, httpFailure(index), previous.checkedAt};
    }

    try {
        const QList<QUrl> urls = readIndex(index.body);
        QList<Part> chunks;
        const auto total = int(urls.size());
        for (const QUrl& url : urls) {
            const QString file = chunkFile(url.toString());
            if (!Fs::exists(file)) {
                Http::Request chunkRequest;
                chunkRequest.maxBytes = maxChunkBytes;
                Http::Result r = Http::get(url, chunkRequest, {}, Http::defaultTimeouts(), cancel);
                if (!r.responded || r.status != 200)
                    throw SkaldrunError(QCoreApplication::translate(
                                            "ChunkedListing", "part %1 of its catalog didn't arrive (%2)")
                                            .arg(chunks.size() + 1)
                                            .arg(httpFailure(r)));
                const std::optional<QByteArray> json = decode(r.body);
                if (!json)
                    throw SkaldrunError(
                        QCoreApplication::translate("ChunkedListing", "part %1 of its catalog is damaged")
                            .arg(chunks.size() + 1));
                Fs::writeAtomic(file, *json);
            }
            chunks.append(Part{file, {}});
            if (progress) progress(int(chunks.size()), total);
        }
        ThunderstoreStore::Catalog catalog = parseParts(chunks, source);
        State state{sha256(index.body), index.lastModified, {}, now()};
        for (const QUrl& url : urls)
            state.chunks.append(url.toString());
        writeState(source, state);
        // Chunks no index names any more go; the other repository's stay.
        QSet<QString> kept;
        for (const Repository::Source s : Repository::sources) {
            kept.insert(Fs::fileName(stateFile(s)));
            for (const QString& c : readState(s).chunks)
                kept.insert(Fs::fileName(chunkFile(c)));
        }
        // Chunks kept gzipped by earlier versions (.gz) go too.
        for (const QString& name : Fs::list(folder()).value_or(QStringList())) {
            if ((name.endsWith(QLatin1String(".gz")) || name.endsWith(QLatin1String(".json"))) &&
                !kept.contains(name))
                Fs::remove(Fs::join(folder(), name));
        }
        return Check{std::move(catalog), {}, state.checkedAt};
    } catch (const SkaldrunError& e) {
        return Check{std::nullopt, e.message(), previous.checkedAt};
    }
}

} // namespace ChunkedListing
