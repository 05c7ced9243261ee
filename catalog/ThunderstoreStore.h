#pragma once

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

// The Valheim package list of the Thunderstore repository, kept on disk for six hours and
// published to the interface. Lives on the GUI thread; loads run on a worker.
class ThunderstoreStore : public QObject {
    Q_OBJECT
    Q_PROPERTY(QList<TSPackage> packages READ packages NOTIFY packagesChanged)
    Q_PROPERTY(bool loading READ loading NOTIFY loadingChanged)
    Q_PROPERTY(std::optional<QString> statusText READ statusText NOTIFY statusTextChanged)

public:
    using Index = QHash<QString, TSPackage>;

    explicit ThunderstoreStore(QObject* parent = nullptr);
    ~ThunderstoreStore() override;

    // Implicitly shared: taking a copy costs nothing, whatever the size of the catalog.
    const QList<TSPackage>& packages() const { return m_packages; }
    bool loading() const { return m_loading; }
    const std::optional<QString>& statusText() const { return m_statusText; }
    std::optional<QDateTime> loadedAt() const { return m_loadedAt; }

    static QUrl catalogURL();
    static constexpr qint64 cacheMaxAge = 21600; // seconds
    // Creates the support folder (ignoring failure) every time it is asked.
    static QString cacheFile();

    // Starts a background load unless one is running, or unless `force` is false and the
    // catalog is already filled. Returns at once.
    void loadIfNeeded(bool force);

    // Catalog key -> package; the first package of the list wins a key. Built with each
    // published list (derived state), so every call answers the same thing cheaply.
    Index indexByOwnerName() const;

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
    // parse() and makeIndex() in one pass.
    static Catalog parseCatalog(const QByteArray& document);
    // Reads a package-list file (the cache) and builds the catalog; nullopt when unreadable.
    static std::optional<Catalog> readCatalog(const QString& path);

    // The text shown while a load runs.
    static QString loadingMessage();

Q_SIGNALS:
    void packagesChanged();
    void loadingChanged();
    void statusTextChanged();

private:
    void publish(const Catalog& catalog);
    void publishFailure(const QString& error);
    void setLoading(bool loading);
    void setStatusText(const std::optional<QString>& text);

    QList<TSPackage> m_packages;
    Index m_index;
    bool m_loading = false;
    std::optional<QString> m_statusText;
    std::optional<QDateTime> m_loadedAt;
    // Cleared when the store goes away, so that a load which has not started yet does nothing.
    std::shared_ptr<std::atomic<bool>> m_alive = std::make_shared<std::atomic<bool>>(true);
};
