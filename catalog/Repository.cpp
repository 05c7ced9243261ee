#include "catalog/Repository.h"

namespace Repository {

QString baseUrl() {
    QString base = qEnvironmentVariable("SKALDRUN_THUNDERSTORE_URL");
    if (base.trimmed().isEmpty()) base = defaultBaseUrl;
    base = base.trimmed();
    while (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    return base;
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

} // namespace Repository
