#include "catalog/IconCache.h"

#include "platform/AppSupport.h"
#include "platform/Fs.h"
#include "platform/Log.h"
#include "platform/SkaldrunError.h"

#include <QCryptographicHash>

namespace IconCache {

QString dir() {
    return Fs::join(AppSupport::dir(), QStringLiteral("icon-cache"));
}

QString pathFor(const QByteArray& urlText) {
    const QByteArray hash = QCryptographicHash::hash(urlText, QCryptographicHash::Sha1).toHex();
    return Fs::join(dir(), QString::fromLatin1(hash) + QStringLiteral(".icon"));
}

std::optional<QByteArray> fetch(const QUrl& url, const Prepare& prepare, Http::Timeouts timeouts) {
    if (!url.isValid()) return std::nullopt;
    const QString path = pathFor(url.toEncoded());
    if (auto cached = Fs::tryRead(path); cached && !cached->isEmpty()) return cached;

    const Http::Result result = Http::get(url, {}, timeouts);
    // An error page is not an icon: keep only what a successful answer carried.
    if (!result.responded || result.status != 200 || result.body.isEmpty()) return std::nullopt;
    QByteArray kept = prepare ? prepare(result.body) : result.body;
    if (kept.isEmpty()) return std::nullopt;
    try {
        Fs::mkpath(dir());
        Fs::writeAtomic(path, kept);
    } catch (const SkaldrunError& e) {
        // Without a disk copy the icon is simply fetched again next time.
        qCDebug(lcCatalog) << "icon not cached:" << e.message();
    }
    return kept;
}

} // namespace IconCache
