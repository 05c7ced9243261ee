#include "catalog/Repository.h"

#include <QCoreApplication>

namespace Repository {

namespace {

QString configured(const char* variable, const QString& fallback) {
    QString base = qEnvironmentVariable(variable).trimmed();
    if (base.isEmpty()) base = fallback;
    while (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    return base;
}

bool within(const QString& host, const QString& domain) {
    return host == domain || host.endsWith(QLatin1Char('.') + domain);
}

} // namespace

QString baseUrl() {
    return configured("SKALDRUN_THUNDERSTORE_URL", defaultBaseUrl);
}

QString sourceName(Source source) {
    return source == Source::hexium ? QStringLiteral("Hexium") : QStringLiteral("Thunderstore");
}

Source sourceFromName(const QString& name) {
    return name.compare(QLatin1String("Hexium"), Qt::CaseInsensitive) == 0 ? Source::hexium
                                                                           : Source::thunderstore;
}

QString baseUrl(Source source) {
    return source == Source::hexium
               ? configured("SKALDRUN_HEXIUM_URL", QStringLiteral("https://valheim.hexium.gg"))
               : baseUrl();
}

QUrl listingIndex(Source source) {
    return QUrl(baseUrl(source) + (source == Source::hexium ? QString() : QStringLiteral("/c/valheim")) +
                QStringLiteral("/api/v1/package-listing-index/"));
}

QUrl packageList(Source source) {
    return source == Source::hexium ? QUrl(baseUrl(source) + QStringLiteral("/api/v1/package/"))
                                    : packageList();
}

bool trustedDownload(const QUrl& url) {
    const QString host = url.host().toLower();
    if (host.isEmpty()) return false;
    for (const Source source : sources) {
        const QUrl mirror(baseUrl(source));
        if (mirror.host().toLower() == host && mirror.port() == url.port() && mirror.scheme() == url.scheme())
            return true;
    }
    return url.scheme() == QLatin1String("https") &&
           (within(host, QStringLiteral("thunderstore.io")) || within(host, QStringLiteral("hexium.gg")));
}

QString websiteHost() {
    const QString host = QUrl(baseUrl()).host();
    return host.isEmpty() ? QUrl(defaultBaseUrl).host() : host;
}

QUrl packageList() {
    return QUrl(baseUrl() + packageListPath);
}

QUrl packageEndpoint(const QString& ns, const QString& name) {
    return QUrl(baseUrl() + QStringLiteral("/api/experimental/package/") + ns + QLatin1Char('/') + name +
                QLatin1Char('/'));
}

QUrl packagePage(const QString& ns, const QString& name) {
    return QUrl(baseUrl() + QStringLiteral("/c/valheim/p/") + ns + QLatin1Char('/') + name +
                QLatin1Char('/'));
}

QString noSuchPackage(Source source, const QString& fullName) {
    return QCoreApplication::translate("Repository", "%1 has no package %2.")
        .arg(sourceName(source), fullName);
}

} // namespace Repository
