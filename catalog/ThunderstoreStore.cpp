#include "catalog/ThunderstoreStore.h"

#include "catalog/ChunkedListing.h"
#include "catalog/Repository.h"
#include "catalog/Version.h"
#include "platform/Async.h"
#include "platform/Defaults.h"
#include "platform/Fs.h"
#include "platform/Http.h"
#include "platform/Log.h"
#include "platform/SkaldrunError.h"

#include <QLocale>
#include <QPointer>
#include <QSet>

#include <limits>
#include <utility>

ThunderstoreStore::ThunderstoreStore(QObject* parent) : QObject(parent) {}

ThunderstoreStore::~ThunderstoreStore() {
    m_alive->store(false);
}

QUrl ThunderstoreStore::catalogURL() {
    return Repository::listingIndex(Repository::Source::thunderstore);
}

QString ThunderstoreStore::loadingMessage() {
    return tr("Loading the Thunderstore catalog…");
}

ThunderstoreStore::Index ThunderstoreStore::indexByOwnerName() const {
    return m_index;
}

bool ThunderstoreStore::enabled(Repository::Source source) {
    // A mirror set up for one repository alone (tests, a private copy) is never mixed with the
    // other's real service.
    if (source == Repository::Source::hexium && qEnvironmentVariableIsSet("SKALDRUN_THUNDERSTORE_URL") &&
        !qEnvironmentVariableIsSet("SKALDRUN_HEXIUM_URL"))
        return false;
    return !Defaults::boolean(QStringLiteral("repositoryOff/") + Repository::sourceName(source));
}

void ThunderstoreStore::setEnabled(Repository::Source source, bool on) {
    const QString key = QStringLiteral("repositoryOff/") + Repository::sourceName(source);
    if (on)
        Defaults::remove(key);
    else
        Defaults::setBool(key, true);
}

QString ThunderstoreStore::freshness(const QDateTime& now) const {
    if (!m_loadedAt || m_packages.isEmpty()) return {};
    const QLocale locale;
    const auto minutes = int(std::min<qint64>(std::max<qint64>(m_loadedAt->secsTo(now), 0) / 60,
                                              qint64(std::numeric_limits<int>::max())));
    const QString updated = minutes < 1      ? tr("Updated just now")
                            : minutes < 60   ? tr("Updated %n min ago", nullptr, minutes)
                            : minutes < 2880 ? tr("Updated %n h ago", nullptr, minutes / 60)
                                             : tr("Updated %n days ago", nullptr, minutes / 1440);
    QStringList parts;
    for (const Repository::Source source : Repository::sources) {
        if (count(source) > 0)
            parts << locale.toString(qlonglong(count(source))) + QLatin1Char(' ') +
                         Repository::sourceName(source);
    }
    const auto total = int(m_packages.size());
    if (parts.size() > 1)
        return tr("%1 · %Ln mods (%2)", nullptr, total).arg(updated, parts.join(QStringLiteral(" · ")));
    return tr("%1 · %Ln mods", nullptr, total).arg(updated);
}

ThunderstoreStore::Catalog ThunderstoreStore::merge(Catalog thunderstore, Catalog hexium) {
    if (hexium.packages.isEmpty()) return thunderstore;
    if (thunderstore.packages.isEmpty()) return hexium;
    // Built on Thunderstore's catalog in place: few names are on both, and a catalog handed
    // over whole (moved) is then never copied.
    QSet<QString> onBoth;
    for (auto h = hexium.index.cbegin(); h != hexium.index.cend(); ++h) {
        if (thunderstore.index.contains(h.key())) onBoth.insert(h.key());
    }
    thunderstore.index.detach();
    if (!onBoth.isEmpty()) {
        // Where Hexium's is newer it takes the place of every Thunderstore package of the name,
        // the one the index points at among them.
        for (TSPackage& p : thunderstore.packages) {
            const auto h = hexium.index.constFind(p.ownerAndName());
            if (h != hexium.index.cend() && Version::less(p.version, h->version)) p = *h;
        }
    }
    Catalog out = std::move(thunderstore);
    out.packages.reserve(out.packages.size() + hexium.packages.size());
    out.index.reserve(out.index.size() + hexium.index.size());
    // Hexium's own index holds the first package of each key, which stays whenever its key isn't
    // on both; none of those keys is in Thunderstore's.
    hexium.index.detach();
    const QHash<QString, qsizetype>& positions = hexium.index.positions();
    for (qsizetype i = 0; i < hexium.packages.size(); ++i) {
        TSPackage& p = hexium.packages[i];
        const QString key = p.ownerAndName();
        if (onBoth.contains(key)) continue;
        if (positions.value(key, -1) == i) out.index.addFirst(key, out.packages.size());
        out.packages.append(std::move(p));
    }
    out.index.attach(out.packages);
    return out;
}

void ThunderstoreStore::loadIfNeeded(bool force) {
    if (m_loading) return;
    if (!force && !m_packages.isEmpty()) return;
    QList<Repository::Source> sources;
    for (const Repository::Source source : Repository::sources) {
        if (enabled(source))
            sources << source;
        else if (!std::exchange(m_parts[int(source)], Catalog()).packages.isEmpty())
            m_dirty = true;
    }
    m_failures.clear();
    m_progress = -1;
    setLoading(true);
    if (m_packages.isEmpty()) setStatusText(loadingMessage());
    const bool needs[2] = {m_parts[0].packages.isEmpty(), m_parts[1].packages.isEmpty()};

    QPointer<ThunderstoreStore> guard(this);
    Async::runInBackground([guard, alive = m_alive, sources, t = needs[0], h = needs[1]] {
        bool need[2] = {t, h};
        if (!alive->load()) return;
        // What was stored last time shows at once; the check may take a while.
        QList<Repository::Source> unshown;
        for (const Repository::Source source : sources) {
            if (need[int(source)]) unshown << source;
        }
        QList<std::optional<ThunderstoreStore::Catalog>> stored = ChunkedListing::fromDisk(unshown);
        for (qsizetype i = 0; i < unshown.size(); ++i) {
            if (!stored[i]) continue;
            const Repository::Source source = unshown[i];
            need[int(source)] = false;
            const qint64 checkedAt = ChunkedListing::readState(source).checkedAt;
            Async::postToGui([guard, source, catalog = std::move(stored[i]), checkedAt] {
                if (guard) guard->publish(int(source), catalog, checkedAt, false);
            });
        }
        for (qsizetype i = 0; i < sources.size(); ++i) {
            const Repository::Source source = sources[i];
            const auto progress = [guard](int done, int total) {
                Async::postToGui([guard, share = total > 0 ? double(done) / total : -1.0] {
                    if (!guard || !guard->m_loading) return;
                    guard->m_progress = share;
                    Q_EMIT guard->loadingChanged();
                });
            };
            ChunkedListing::Check check = ChunkedListing::check(source, need[int(source)], progress);
            const bool last = i == sources.size() - 1;
            QString failure;
            if (!check.error.isEmpty())
                failure = sources.size() > 1 ? tr("%1: %2").arg(Repository::sourceName(source), check.error)
                                             : check.error;
            Async::postToGui([guard, source, check = std::move(check), failure, last] {
                if (!guard) return;
                if (!failure.isEmpty()) guard->m_failures << failure;
                guard->publish(int(source), check.catalog, check.checkedAt, last);
            });
        }
        if (sources.isEmpty())
            Async::postToGui([guard] {
                if (guard) guard->publish(0, std::nullopt, 0, true);
            });
    });
}

// Every field changes before any signal goes out, so observers never see half a result.
void ThunderstoreStore::publish(int source, const std::optional<Catalog>& catalog, qint64 checkedAt,
                                bool final) {
    if (catalog) {
        m_parts[source] = *catalog;
        m_dirty = true;
    }
    const bool changed = m_dirty && (catalog || final);
    if (changed) {
        const Catalog merged = merge(m_parts[0], m_parts[1]);
        m_packages = merged.packages;
        m_index = merged.index;
        m_dirty = false;
    }
    const QDateTime at = QDateTime::fromSecsSinceEpoch(checkedAt);
    if (checkedAt > 0 && (!m_loadedAt || at > *m_loadedAt)) m_loadedAt = at;
    if (!final) {
        if (changed) Q_EMIT packagesChanged();
        return;
    }
    m_progress = -1;
    const bool loadingChanged = std::exchange(m_loading, false);
    const std::optional<QString> status =
        m_failures.isEmpty()
            ? std::nullopt
            : std::optional<QString>(
                  tr("Couldn't load the catalog: %1").arg(m_failures.join(QStringLiteral("; "))));
    const bool statusChanged = m_statusText != status;
    m_statusText = status;
    if (changed) Q_EMIT packagesChanged();
    if (loadingChanged) Q_EMIT this->loadingChanged();
    if (statusChanged) Q_EMIT statusTextChanged();
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
