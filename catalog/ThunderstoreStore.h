#pragma once

#include "catalog/PackageIndex.h"
#include "catalog/TSPackage.h"

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>

#include <atomic>
#include <memory>
#include <optional>

// The Valheim catalog of every repository the player uses (Thunderstore, Hexium), one name
// shown once, published to the interface. Each repository's chunks are kept on disk; a check
// costs one small request when nothing changed. Lives on the GUI thread; loads run on a worker.
class ThunderstoreStore : public QObject {
    Q_OBJECT
    Q_PROPERTY(QList<TSPackage> packages READ packages NOTIFY packagesChanged)
    Q_PROPERTY(bool loading READ loading NOTIFY loadingChanged)
    Q_PROPERTY(std::optional<QString> statusText READ statusText NOTIFY statusTextChanged)
    Q_PROPERTY(double progress READ progress NOTIFY loadingChanged)

public:
    using Index = PackageIndex;

    explicit ThunderstoreStore(QObject* parent = nullptr);
    ~ThunderstoreStore() override;

    // Implicitly shared: taking a copy costs nothing, whatever the size of the catalog.
    const QList<TSPackage>& packages() const { return m_packages; }
    bool loading() const { return m_loading; }
    const std::optional<QString>& statusText() const { return m_statusText; }
    std::optional<QDateTime> loadedAt() const { return m_loadedAt; }
    // Share of the chunks downloaded so far, 0..1; negative while there is no download to measure.
    double progress() const { return m_progress; }
    qsizetype count(Repository::Source source) const { return m_parts[int(source)].packages.size(); }
    // "Updated 4 min ago · 9,412 mods": how fresh the catalog is and what each repository holds.
    QString freshness(const QDateTime& now) const;

    // Whether the player uses a repository (Settings); both are on until switched off.
    static bool enabled(Repository::Source source);
    static void setEnabled(Repository::Source source, bool on);
    // How often an open window checks for a newer catalog.
    static constexpr int checkIntervalMs = 30 * 60 * 1000;

    static QUrl catalogURL();

    // Starts a background check of every repository in use unless one is running, or unless
    // `force` is false and the catalog is already filled. Returns at once. The catalog stored on
    // disk is published first when nothing is shown yet.
    void loadIfNeeded(bool force);

    // Catalog key -> package; the first package of the list wins a key. Built with each
    // published list (derived state), so every call answers the same thing cheaply.
    Index indexByOwnerName() const;
    // One repository's own catalog by the same key, before the two are merged: a release that
    // only the repository not shown for a name offers is still found there.
    const Index& indexOf(Repository::Source source) const { return m_parts[int(source)].index; }

    // The package list document -> packages in document order. Never fails: anything that
    // is not a well-formed package list gives an empty list. A document with parsePadding bytes
    // of spare capacity behind its end is read in place; any other is copied first.
    static QList<TSPackage> parse(const QByteArray& document);
    static const qsizetype parsePadding;
    static Index makeIndex(const QList<TSPackage>& packages);

    // What a load publishes: the list and its index, built off the GUI thread.
    struct Catalog {
        QList<TSPackage> packages;
        Index index;
    };
    // One repository's document; nullopt when it isn't a package list at all.
    static std::optional<Catalog> parseListing(const QByteArray& document, Repository::Source source);
    // The same from a file, mapped and read in place; nullopt when unreadable or no package list.
    // `room`: the list and index are made to hold that many packages, for the parts that join
    // them later. Without `indexed` the index stays empty: the packages of a part that joins
    // another's catalog go straight into that one's index, which saves building a second.
    static std::optional<Catalog> readListing(const QString& path, Repository::Source source,
                                              qsizetype room = 0, bool indexed = true);
    // parse() and makeIndex() in one pass.
    static Catalog parseCatalog(const QByteArray& document);
    // Reads a package-list file (the cache) and builds the catalog; nullopt when unreadable.
    static std::optional<Catalog> readCatalog(const QString& path);
    // While one lives, the reads on its thread share one JSON reader: its buffers are allocated
    // and paged in once rather than for every document. `largest`: the size of the largest
    // document it will read, which it makes room for at once; a reader grown document by document
    // would take fresh buffers (and page them in again) for each one a few bytes larger.
    // `coresTaken`: other readers keep the other cores busy, so a read doesn't hand its building
    // to a second thread.
    class ReaderScope {
    public:
        explicit ReaderScope(bool coresTaken = false, qint64 largest = 0);
        ~ReaderScope();
        ReaderScope(const ReaderScope&) = delete;
        ReaderScope& operator=(const ReaderScope&) = delete;

    private:
        bool m_owner = false; // the outermost scope of its thread, which frees the reader
    };
    // Both repositories as one: a name on both shows once, from Thunderstore unless Hexium's
    // newest version is higher. Dependencies resolve through the same index, by the same rule.
    static Catalog merge(Catalog thunderstore, Catalog hexium);

    // The text shown while a load runs.
    static QString loadingMessage();

Q_SIGNALS:
    void packagesChanged();
    void loadingChanged();
    void statusTextChanged();

private:
    void publish(int source, const std::optional<Catalog>& catalog, qint64 checkedAt, bool final);
    void setLoading(bool loading);
    void setStatusText(const std::optional<QString>& text);

    QList<TSPackage> m_packages;
    Index m_index;
    Catalog m_parts[2]; // per repository, as Repository::Source numbers them
    double m_progress = -1;
    QStringList m_failures; // of the check under way
    bool m_dirty = false;   // a part changed since the list was last merged
    bool m_loading = false;
    std::optional<QString> m_statusText;
    std::optional<QDateTime> m_loadedAt;
    // Cleared when the store goes away, so that a load which has not started yet does nothing.
    std::shared_ptr<std::atomic<bool>> m_alive = std::make_shared<std::atomic<bool>>(true);
};
