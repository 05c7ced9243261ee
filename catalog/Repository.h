#pragma once

#include <QString>
#include <QUrl>

// The Thunderstore repository: every address is its base URL plus a fixed path. The base
// defaults to https://thunderstore.io; SKALDRUN_THUNDERSTORE_URL replaces it (mirrors, tests).
namespace Repository {

inline const QString defaultBaseUrl = QStringLiteral("https://thunderstore.io");
inline const QString packageListPath = QStringLiteral("/c/valheim/api/v1/package/");

struct PackageId {
    QString ns;
    QString name;
};
inline const PackageId bepInExPack{QStringLiteral("quellit"), QStringLiteral("BepInExPack_Valheim")};
inline const QString bepInExPackLabel = QStringLiteral("BepInEx");
inline const QString bepInExPackKey = QStringLiteral("quellit-bepinexpack_valheim");
inline const PackageId shaderHelper{QStringLiteral("Tarnwick"), QStringLiteral("ShaderHelperForMac")};
inline const QString shaderHelperLabel = QStringLiteral("ShaderHelperForMac");

QString baseUrl();     // without a trailing slash
QString websiteHost(); // the host players know the site by, e.g. "thunderstore.io"
QUrl packageList();    // the whole Valheim package list in one JSON document
QUrl packageEndpoint(const QString& ns,
                     const QString& name);                // {"latest": {"download_url", "version_number"}}
QUrl packagePage(const QString& ns, const QString& name); // the web page, for the browser

} // namespace Repository
