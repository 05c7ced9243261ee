#pragma once

#include "catalog/Repository.h"
#include "catalog/ThunderstoreStore.h"
#include "platform/Http.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <optional>

// One repository's catalog, fetched the way the repositories publish it: a small index (gzip of
// a JSON array of chunk addresses) and the chunks it names (gzip of a JSON array of packages).
// Chunks are kept in the support folder by address, so an unchanged one is never fetched twice;
// an unchanged index (same bytes, or a 304) fetches nothing at all. Runs on a worker thread.
namespace ChunkedListing {

// Where every repository's index, chunks and check state are kept (in the support folder).
QString folder();

// Beyond these, an answer is refused rather than read: no real index or chunk comes near them.
inline constexpr qsizetype maxChunks = 2000;
inline constexpr qint64 maxIndexBytes = 8LL * 1024 * 1024;
inline constexpr qint64 maxChunkBytes = 256LL * 1024 * 1024; // as sent (gzip)
inline constexpr qint64 maxDecodedBytes = 1024LL * 1024 * 1024;

// Gzip members are unpacked (at most maxDecodedBytes), anything else is taken as it is: the
// HTTP stack may already have undone a Content-Encoding. Nullopt when the gzip is broken.
std::optional<QByteArray> decode(const QByteArray& body);

// The chunk addresses an index lists; throws SkaldrunError (one sentence) when it isn't an
// index or lists more than maxChunks.
QList<QUrl> readIndex(const QByteArray& body);

// What we know about a repository's last complete catalog.
struct State {
    QByteArray indexHash;    // sha256 of the index as sent; empty after the one-document list
    QByteArray lastModified; // the index's Last-Modified, sent back as If-Modified-Since
    QStringList chunks;      // addresses, in order; their JSON is in chunkFile(address)
    qint64 checkedAt = 0;    // seconds since 1970 of the last successful check
};
State readState(Repository::Source source);
void writeState(Repository::Source source, const State& state); // throws SkaldrunError
QString chunkFile(const QString& address);

// The catalog the stored chunks make; nullopt when any is missing or unreadable.
std::optional<ThunderstoreStore::Catalog> fromDisk(Repository::Source source);
// The same for several repositories, in their order, their chunks all read in one pool.
QList<std::optional<ThunderstoreStore::Catalog>> fromDisk(const QList<Repository::Source>& sources);

// A chunk to read: a stored file (mapped, read in place), or the JSON itself when `file` is empty.
struct Part {
    QString file;
    QByteArray json;
};
// Parses parts into one catalog, several at a time; throws SkaldrunError naming the first part
// that is not a package list, after removing its file so that the next check fetches it again.
ThunderstoreStore::Catalog parseParts(const QList<Part>& parts, Repository::Source source);

struct Check {
    std::optional<ThunderstoreStore::Catalog> catalog; // a new catalog, when there is one
    QString error;                                     // why the check failed; empty otherwise
    qint64 checkedAt = 0;                              // when it last succeeded
};
// Asks the repository whether its catalog changed and fetches what did. With an unchanged index
// it reads the stored chunks only when `needCatalog`. Publishes nothing unless every chunk came.
// `progress` gets chunks done and the number of chunks to fetch.
Check check(Repository::Source source, bool needCatalog, const std::function<void(int, int)>& progress,
            const Http::CancelFlag& cancel = {});

} // namespace ChunkedListing
