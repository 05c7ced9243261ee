#include "catalog/PackageEndpoint.h"

#include <QJsonDocument>
#include <QJsonObject>

std::optional<PackageEndpoint::Latest> PackageEndpoint::readLatest(const QByteArray& json) {
    const QJsonDocument doc = QJsonDocument::fromJson(json);
    const QJsonObject latest = doc.object().value(QStringLiteral("latest")).toObject();
    const QJsonValue url = latest.value(QStringLiteral("download_url"));
    if (!url.isString()) return std::nullopt;
    Latest result{QUrl(url.toString(), QUrl::StrictMode), std::nullopt};
    // A relative address names no server to download from.
    if (!result.downloadUrl.isValid() || result.downloadUrl.scheme().isEmpty()) return std::nullopt;
    const QJsonValue number = latest.value(QStringLiteral("version_number"));
    if (number.isString()) result.version = number.toString();
    return result;
}
