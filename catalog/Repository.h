#pragma once

#include <QString>
#include <QUrl>

// The repositories Valheim mods come from: every address is a base URL plus a fixed path.
// Thunderstore's base defaults to https://thunderstore.io (SKALDRUN_THUNDERSTORE_URL replaces
// it), Hexium's to https://valheim.hexium.gg (SKALDRUN_HEXIUM_URL); mirrors and tests use those.
namespace Repository {

// Stored in preferences and in the record of each installed mod by name, never by number.
enum class Source : quint8 { thunderstore, hexium };
inline constexpr Source sources[] = {Source::thunderstore, Source::hexium};
QString sourceName(Source source);          // "Thunderstore", "Hexium"
Source sourceFromName(const QString& name); // anything unknown is Thunderstore
QString baseUrl(Source source);
QUrl listingIndex(Source source); // gzip of a JSON array of chunk addresses
QUrl packageList(Source source);  // every package in one JSON document
// Whether an archive may be fetched from this address: the repositories' own hosts, their
// subdomains (the CDNs) and the configured mirrors; plain http only for the mirrors.
bool trustedDownload(const QUrl& url);

inline const QString defaultBaseUrl = QStringLiteral("https://thunderstore.io");
inline const QString packageListPath = QStringLiteral("/c/valheim/api/v1/package/");

struct PackageId {
    QString ns;
    QString name;
};
// The loader as Thunderstore publishes it: the package every real Valheim mod that names the
// loader depends on (denikson-BepInExPack_Valheim, at versions 5.4.800 to 5.4.2333 in the mods'
// own manifests). Other owners' packages of the same name are repacks of it.
inline const PackageId bepInExPack{QStringLiteral("denikson"), QStringLiteral("BepInExPack_Valheim")};
inline const QString bepInExPackLabel = QStringLiteral("BepInEx");
inline const QString bepInExPackKey = QStringLiteral("denikson-bepinexpack_valheim");
// Found in the catalog by its name alone: whoever publishes it isn't ours to know in advance.
inline const QString shaderHelperName = QStringLiteral("ShaderHelperForMac");

QString baseUrl();     // without a trailing slash
QString websiteHost(); // the host players know the site by, e.g. "thunderstore.io"
QUrl packageList();    // the whole Valheim package list in one JSON document
QUrl packageEndpoint(const QString& ns,
                     const QString& name);                // {"latest": {"download_url", "version_number"}}
QUrl packagePage(const QString& ns, const QString& name); // the web page, for the browser
// What the player reads when a repository answers 404 for a package: it has no such package.
QString noSuchPackage(Source source, const QString& fullName);

} // namespace Repository
