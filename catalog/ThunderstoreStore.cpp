#include "catalog/ThunderstoreStore.h"

#include "catalog/Repository.h"
#include "platform/AppSupport.h"
#include "platform/Async.h"
#include "platform/Fs.h"
#include "platform/Http.h"
#include "platform/Log.h"
#include "platform/SkaldrunError.h"

#include <QPointer>

#include <utility>

namespace {

struct Outcome {
    std::optional<ThunderstoreStore::Catalog> catalog;
    QString error; // when there is no catalog
};

// The whole load, on a worker thread: fresh cache, else the network, else any cache at all.
Outcome fetch(const QUrl& url, bool force) {
    const QString cache = ThunderstoreStore::cacheFile();
    if (!force) {
        if (const auto modified = Fs::modificationTime(cache)) {
            const qint64 ageMs = modified->msecsTo(QDateTime::currentDateTimeUtc());
            if (ageMs < ThunderstoreStore::cacheMaxAge * 1000) {
                if (auto catalog = ThunderstoreStore::readCatalog(cache))
                    return Outcome{std::move(catalog), {}};
            }
        }
    }

    Http::Result result = Http::get(url);
    if (result.responded) {
        QByteArray body = std::move(result.body);
        body.reserve(body.size() + ThunderstoreStore::parsePadding);
        ThunderstoreStore::Catalog catalog = ThunderstoreStore::parseCatalog(body);
        if (!catalog.packages.isEmpty()) {
            // Atomically: a crash halfway through must not leave a fresh-looking, broken cache
            // that would show an empty catalog for six hours.
            try {
                Fs::writeAtomic(cache, body);
            } catch (const SkaldrunError& e) {
                qCDebug(lcCatalog) << "package list not cached:" << e.message();
            }
        }
        return Outcome{std::move(catalog), {}};
    }

    if (auto catalog = ThunderstoreStore::readCatalog(cache)) return Outcome{std::move(catalog), {}};
    return Outcome{std::nullopt, result.error.isEmpty() ? QStringLiteral("no connection") : result.error};
}

} // namespace

ThunderstoreStore::ThunderstoreStore(QObject* parent) : QObject(parent) {}

ThunderstoreStore::~ThunderstoreStore() {
    m_alive->store(false);
}

QUrl ThunderstoreStore::catalogURL() {
    return Repository::packageList();
}

QString ThunderstoreStore::cacheFile() {
    return Fs::join(AppSupport::ensureDir(), QStringLiteral("thunderstore-valheim.json"));
}

QString ThunderstoreStore::loadingMessage() {
    return QStringLiteral("Loading the Thunderstore catalog…");
}

ThunderstoreStore::Index ThunderstoreStore::indexByOwnerName() const {
    return m_index;
}

void ThunderstoreStore::loadIfNeeded(bool force) {
    if (m_loading) return;
    if (!force && !m_packages.isEmpty()) return;
    setLoading(true);
    setStatusText(loadingMessage());

    QPointer<ThunderstoreStore> guard(this);
    Async::runInBackground([guard, alive = m_alive, url = catalogURL(), force] {
        if (!alive->load()) return;
        Outcome outcome = fetch(url, force);
        Async::postToGui([guard, outcome] {
            if (!guard) return;
            if (outcome.catalog)
                guard->publish(*outcome.catalog);
            else
                guard->publishFailure(outcome.error);
        });
    });
}

// Every field changes before any signal goes out, so observers never see half a result.
void ThunderstoreStore::publish(const Catalog& catalog) {
    m_packages = catalog.packages;
    m_index = catalog.index;
    m_loadedAt = QDateTime::currentDateTime();
    const bool loadingChanged = std::exchange(m_loading, false);
    const bool statusChanged = m_statusText.has_value();
    m_statusText.reset();
    Q_EMIT packagesChanged();
    if (loadingChanged) Q_EMIT this->loadingChanged();
    if (statusChanged) Q_EMIT statusTextChanged();
}

void ThunderstoreStore::publishFailure(const QString& error) {
    const bool loadingChanged = std::exchange(m_loading, false);
    m_statusText = QStringLiteral("Couldn't load the catalog: ") + error;
    if (loadingChanged) Q_EMIT this->loadingChanged();
    Q_EMIT statusTextChanged();
}

void ThunderstoreStore::setLoading(bool loading) {
    if (m_loading == loading) return;
    m_loading = loading;
    Q_EMIT loadingChanged();
}

void ThunderstoreStore::setStatusText(const std::optional<QString>& text) {
    if (m_statusText == text) return;
    m_statusText = text;
    Q_EMIT statusTextChanged();
}
