#include "tests/support/FakeRepository.h"

#include "catalog/Thunderstore.h"
#include "install/ProfilePack.h"
#include "tests/support/World.h"

#include <QBuffer>
#include <QColor>
#include <QCryptographicHash>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutexLocker>
#include <QTemporaryDir>
#include <QUuid>

FakeRepository::FakeRepository() {
    m_server.fallback([this](const QString& path) {
        LoopbackServer::Response r = respond(path);
        if (r.contentType == "application/zip") r.delayMs = archiveDelayMs;
        return r;
    });
}

FakeRepository::Package FakeRepository::package(const QString& owner, const QString& name,
                                                const QString& version, Repository::Source source) {
    return {.owner = owner, .name = name, .version = version, .source = source};
}

void FakeRepository::add(Package package) {
    QMutexLocker lock(&m_mutex);
    m_packages.append(std::move(package));
}

void FakeRepository::replace(const Package& package) {
    QMutexLocker lock(&m_mutex);
    for (Package& p : m_packages)
        if (p.fullName() == package.fullName()) p = package;
}

QString FakeRepository::archivePath(const Package& p) const {
    if (p.source == Repository::Source::hexium) // an opaque number, as Hexium's CDN has
        return QStringLiteral("/hexium/cdn/upload/%1/%2.zip")
            .arg(qHash(p.fullName()) % 100000)
            .arg(p.version);
    return QStringLiteral("/package/download/%1/%2/%3/").arg(p.owner, p.name, p.version);
}

void FakeRepository::pointAppHere() const {
    qputenv("SKALDRUN_THUNDERSTORE_URL", baseUrl().toUtf8());
    qputenv("SKALDRUN_HEXIUM_URL", hexiumUrl().toUtf8());
}

int FakeRepository::downloads(const QString& fullName) const {
    QMutexLocker lock(&m_mutex);
    for (const Package& p : m_packages)
        if (p.fullName() == fullName) return m_server.requestCount(archivePath(p));
    return 0;
}

QByteArray FakeRepository::packageList(Repository::Source source) const {
    QMutexLocker lock(&m_mutex);
    QJsonArray list;
    for (const Package& p : m_packages) {
        if (p.source != source) continue;
        QJsonArray versions;
        for (const QString& number : QStringList{p.version} + p.olderVersions) {
            const QJsonArray deps =
                QJsonArray::fromStringList(p.versionDependencies.value(number, p.dependencies));
            Package release = p;
            release.version = number;
            const QJsonObject version{
                {"name", p.name},
                {"full_name", release.dependencyString()},
                {"description", p.description},
                {"icon", baseUrl() + "/icons/" + p.fullName() + ".png"},
                {"version_number", number},
                {"dependencies", deps},
                {"download_url", baseUrl() + archivePath(release)},
                {"downloads", p.downloads},
                {"date_created", p.dateCreated},
                {"file_size", 24000},
            };
            // Hexium lists releases oldest first here: the client must sort them itself.
            source == Repository::Source::hexium ? versions.prepend(version) : versions.append(version);
        }
        list.append(QJsonObject{
            {"name", p.name},
            {"full_name", p.fullName()},
            {"owner", p.owner},
            {"package_url", baseUrl() + QStringLiteral("/c/valheim/p/%1/%2/").arg(p.owner, p.name)},
            {"date_created", p.dateCreated},
            {"date_updated", p.dateCreated},
            {"rating_score", p.rating},
            {"is_deprecated", false},
            {"has_nsfw_content", false},
            {"categories", QJsonArray{}},
            {"versions", versions},
        });
    }
    return QJsonDocument(list).toJson(QJsonDocument::Compact);
}

QByteArray FakeRepository::archiveBytes(const Package& p) {
    if (!p.brokenArchive.isEmpty()) return p.brokenArchive;
    if (auto it = m_archives.constFind(p.dependencyString()); it != m_archives.cend()) return *it;
    const TestZip zip = p.archive ? *p.archive : TestZip::repositoryMod(p.name, p.version, p.dependencies);
    QTemporaryDir dir;
    QByteArray bytes = World::read(zip.save(dir.filePath("a.zip")));
    m_archives.insert(p.dependencyString(), bytes);
    return bytes;
}

QList<QByteArray> FakeRepository::chunks(Repository::Source source) const {
    const QJsonArray all = QJsonDocument::fromJson(packageList(source)).array();
    QList<QByteArray> out;
    for (qsizetype i = 0; i < all.size() || (i == 0 && out.isEmpty()); i += chunkSize) {
        QJsonArray part;
        for (qsizetype k = i; k < std::min(all.size(), i + chunkSize); ++k)
            part.append(all[k]);
        out << gzipBytes(QJsonDocument(part).toJson(QJsonDocument::Compact));
    }
    return out;
}

LoopbackServer::Response FakeRepository::listing(Repository::Source source, const QString& rest) {
    const auto blob = [this](const QString& kind, const QByteArray& bytes) {
        QString path =
            QStringLiteral("/blobs/%1-%2")
                .arg(kind, QString::fromLatin1(
                               QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex()));
        QMutexLocker lock(&m_mutex);
        m_blobs.insert(path, bytes);
        return path;
    };
    const bool thunderstore = source == Repository::Source::thunderstore;
    if (rest == QLatin1String("api/v1/package/")) return LoopbackServer::reply(packageList(source));
    if (rest.startsWith(QLatin1String("api/v1/package-listing-chunk/")))
        return {.status = 302, .headers = {{"Location", "/blobs/chunk-" + rest.section('/', 3, 3).toUtf8()}}};
    if (rest != QLatin1String("api/v1/package-listing-index/")) return LoopbackServer::reply("{}", 404);
    if (thunderstore && std::exchange(tooManyRequests, false))
        return {.status = 429, .headers = {{"Retry-After", "1"}}};
    if (thunderstore && indexStatus != 200)
        return LoopbackServer::reply(R"({"error":"No cache available"})", indexStatus);
    QJsonArray urls;
    int n = 0;
    for (const QByteArray& chunk : chunks(source)) {
        const QString path = ++n == missingChunk
                                 ? "/blobs/chunk-missing"
                                 : blob("chunk", n == brokenChunk ? QByteArray("not a chunk") : chunk);
        urls.append(thunderstore ? baseUrl() + path
                                 : hexiumUrl() + "/api/v1/package-listing-chunk/" +
                                       path.section(QLatin1Char('-'), 1) + QLatin1Char('/'));
    }
    const QByteArray index = gzipBytes(QJsonDocument(urls).toJson(QJsonDocument::Compact));
    if (!thunderstore) return LoopbackServer::reply(index, 200, "application/octet-stream");
    if (m_server.requestHeader("If-Modified-Since") == lastModified)
        return {.status = 304, .headers = {{"Last-Modified", lastModified}}};
    return {.status = 302,
            .headers = {{"Location", blob("index", index).toUtf8()}, {"Last-Modified", lastModified}}};
}

void FakeRepository::addProfileMods(const QByteArray& r2x) {
    for (const ProfilePack::Mod& mod : ProfilePack::readR2x(r2x).mods)
        add(package(mod.name.section(QLatin1Char('-'), 0, -2), mod.name.section(QLatin1Char('-'), -1),
                    mod.version, mod.source));
}

void FakeRepository::keepCode(Repository::Source source, const QString& key, const QByteArray& text) {
    QMutexLocker lock(&m_mutex);
    const QString base = source == Repository::Source::hexium ? "/hexium" : QString();
    m_codes.insert(base + QStringLiteral("/api/experimental/legacyprofile/get/%1/").arg(key), text);
}

LoopbackServer::Response FakeRepository::respond(const QString& path) {
    if (path == QLatin1String("/api/experimental/legacyprofile/create/")) {
        const QByteArray body = m_server.requestBody();
        if (body.isEmpty()) return LoopbackServer::reply(R"({"detail":"Request body was empty"})", 400);
        const QString key = QUuid::createUuid().toString(QUuid::WithoutBraces);
        keepCode(Repository::Source::thunderstore, key, body);
        return LoopbackServer::reply(QJsonDocument(QJsonObject{{"key", key}}).toJson());
    }
    if (path.contains(QLatin1String("/api/experimental/legacyprofile/get/"))) {
        QMutexLocker lock(&m_mutex);
        const auto it = m_codes.constFind(path);
        return it == m_codes.cend() ? LoopbackServer::reply(R"({"detail":"Not found."})", 404)
                                    : LoopbackServer::reply(*it, 200, "application/octet-stream");
    }
    if (path.startsWith(QLatin1String("/c/valheim/")))
        return listing(Repository::Source::thunderstore, path.mid(11));
    if (path.startsWith(QLatin1String("/hexium/api/v1/")))
        return listing(Repository::Source::hexium, path.mid(8));
    QMutexLocker lock(&m_mutex);
    if (const auto it = m_blobs.constFind(path); it != m_blobs.cend())
        return LoopbackServer::reply(*it, 200, "application/octet-stream");
    // Hexium's CDN: /hexium/cdn/upload/{number}/{version}.zip
    for (const Package& p : std::as_const(m_packages)) {
        if (p.source == Repository::Source::hexium &&
            path.section(QLatin1Char('/'), 0, 4) == archivePath(p).section(QLatin1Char('/'), 0, 4))
            return LoopbackServer::reply(archiveBytes(p), 200, "application/zip");
    }
    const QStringList parts = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    const bool api =
        parts.size() >= 5 && parts[0] == QLatin1String("api") && parts[2] == QLatin1String("package");
    const bool download = parts.size() == 5 && parts[0] == QLatin1String("package");
    const Package* p = nullptr; // the package the address names: {namespace}/{name} after its first parts
    for (const Package& each : std::as_const(m_packages)) {
        if (!p && (api || download) && each.owner == parts[api ? 3 : 2] && each.name == parts[api ? 4 : 3])
            p = &each;
    }
    if (api && !p) return LoopbackServer::reply(R"({"detail":"Not found."})", 404);
    // /api/experimental/package/{namespace}/{name}/
    if (api && parts.size() == 5) {
        const QJsonObject latest{{"namespace", p->owner},
                                 {"name", p->name},
                                 {"version_number", p->version},
                                 {"download_url", baseUrl() + archivePath(*p)}};
        const QJsonObject answer{
            {"namespace", p->owner}, {"name", p->name}, {"full_name", p->fullName()}, {"latest", latest}};
        return LoopbackServer::reply(QJsonDocument(answer).toJson(QJsonDocument::Compact));
    }
    // /api/experimental/package/{namespace}/{name}/{version}/changelog/ (and readme/)
    if (api && parts.size() == 7) {
        const QString text = parts[6] == QLatin1String("readme") ? p->description : p->changelog;
        return LoopbackServer::reply(
            QJsonDocument(QJsonObject{{"markdown", text.isEmpty() ? QJsonValue() : QJsonValue(text)}})
                .toJson(QJsonDocument::Compact));
    }
    // /package/download/{namespace}/{name}/{version}/
    if (download && p && p->failDownload) return {.closeAtOnce = true};
    if (download && p) {
        Package release = *p;       // the release asked for, its manifest saying so; older ones plain,
        release.version = parts[4]; // but a loader pack's are loader packs too
        if (release.version != p->version)
            release.archive = p->archive && Thunderstore::isBepInExPack(p->fullName().toLower())
                                  ? std::optional(TestZip::bepInExPack(release.version))
                                  : std::nullopt;
        return LoopbackServer::reply(archiveBytes(release), 200, "application/zip");
    }
    // /icons/{full name}.png
    for (const Package& icon : std::as_const(m_packages)) {
        if (parts.size() == 2 && parts[0] == QLatin1String("icons") && icon.fullName() + ".png" == parts[1])
            return LoopbackServer::reply(png(64, qHash(icon.fullName()) & 0xFFFFFF), 200, "image/png");
    }
    return LoopbackServer::reply("<html><body><h1>Not Found</h1></body></html>", 404, "text/html");
}

QByteArray FakeRepository::png(int size, unsigned rgb) {
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(QColor::fromRgb(rgb));
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    image.save(&out, "PNG");
    return out.data();
}

QByteArray FakeRepository::sampleConfig(const QString& pluginName) {
    return "## Settings file was created by plugin " + pluginName.toUtf8() +
           " v1.4.0\n## Plugin GUID: hearthworks." + pluginName.toLower().toUtf8() +
           "\n\n[General]\n\n"
           "## Turns the mod on or off.\n# Setting type: Boolean\n# Default value: true\nEnabled = true\n\n"
           "## How long a fire burns on one log, in minutes.\n## Longer fires use fewer logs.\n"
           "# Setting type: Single\n# Default value: 1.5\n# Acceptable value range: From 0.5 to 10\n"
           "Burn Time = 1.5\n\n"
           "## Which fires the mod changes.\n# Setting type: FireKinds\n# Default value: Hearth, Campfire\n"
           "# Acceptable values: Campfire, Hearth, Brazier, Sconce\n"
           "# Multiple values can be set at the same time by separating them with , (e.g. Debug, Warning)\n"
           "Affected Fires = Hearth, Campfire\n\n[Comfort.Levels]\n\n"
           "## Comfort points a burning hearth gives.\n# Setting type: Int32\n# Default value: 2\n"
           "# Acceptable value range: From 0 to 5\nHearth Comfort = 2\n\n"
           "## Shown when resting near the fire.\n# Setting type: String\n# Default value: \n"
           "Rest Message = Warm and cozy\n\n"
           "## Colour of the flame.\n# Setting type: FlameColour\n# Default value: Orange\n"
           "# Acceptable values: Orange, Blue, Green\nFlame Colour = Orange\n";
}

void FakeRepository::addStandardCatalog() {
    // The loader as Thunderstore publishes it, named as real mods' manifests name it (../shared/
    // corpus/real/manifest: 5.4.800 to 5.4.2333, and some name none).
    const QStringList loaderAt = {"2202", "2333", "", "1600", "800"};
    const auto mod = [&](const QString& owner, const QString& name, const QString& version, qint64 downloads,
                         qint64 rating, const QString& description, const QStringList& deps = {}) {
        Package p = package(owner, name, version);
        p.description = description;
        const QString& loader = loaderAt.at(m_packages.size() % loaderAt.size());
        p.dependencies =
            loader.isEmpty() ? deps : QStringList{"denikson-BepInExPack_Valheim-5.4." + loader} + deps;
        p.downloads = downloads;
        p.rating = rating;
        p.dateCreated = QStringLiteral("2024-%1-12T08:00:00.000000Z")
                            .arg(int(m_packages.size() % 12) + 1, 2, 10, QLatin1Char('0'));
        return p;
    };
    Package bep = mod("denikson", "BepInExPack_Valheim", "5.4.2202", 41234567, 3012,
                      "BepInEx pack for Valheim. Preconfigured and includes unstripped Unity DLLs.");
    bep.dependencies.clear();
    bep.archive = TestZip::bepInExPack(bep.version);
    add(bep);
    // Its publisher is found by the package's name, never known in advance.
    add(mod("Glimmerfjord", "ShaderHelperForMac", "1.0.3", 18250, 77,
            "Swaps Windows-only shaders for Metal-friendly ones so modded items aren't pink."));
    add(mod("Hearthworks", "CoreUtils", "2.1.0", 905112, 410, "Shared helpers for Hearthworks mods."));
    add(mod("Runecraft", "RuneLib", "1.4.2", 512001, 230,
            "Rune definitions and crafting hooks used by Runecraft mods.", {"Hearthworks-CoreUtils-2.1.0"}));
    add(mod("Runecraft", "Epic_Runes", "3.0.1", 2300450, 1288,
            "Carve runes into your gear for magic effects.", {"Runecraft-RuneLib-1.4.2"}));
    Package cozy =
        mod("Hearthworks", "CozyHearth", "1.4.0", 77003, 95,
            "Longer-burning fires and more comfort by the hearth.", {"Hearthworks-CoreUtils-2.1.0"});
    cozy.archive = TestZip::repositoryMod(cozy.name, cozy.version);
    cozy.archive->file("config/hearthworks.CozyHearth.cfg", sampleConfig(cozy.name));
    add(cozy);
    add(mod("Fjordsmith", "Better_Carts", "0.9.4", 340210, 188, "Carts that turn, brake and carry more."));
    add(mod("Fjordsmith", "TrollTweaks", "1.2.0", 12040, 8,
            "Smarter trolls. Needs a library that was taken down.", {"Ghostly-VanishedLib-1.0.0"}));
    Package broken = mod("Brokkr", "CrackedAnvil", "0.1.0", 310, 0, "An upload whose archive is damaged.");
    broken.brokenArchive = "PK\x03\x04 this archive was cut short";
    add(broken);
    add(mod("Skaldic", "MapPins", "5.0.0", 1500302, 990,
            "Shared map pins and better markers for your crew."));
    add(mod("Skaldic", "QuickStack", "1.8.3", 2900000, 2011, "Stack items into nearby chests with one key."));
    add(mod("Mistwalker", "PlantEverything", "1.17.0", 999999, 640,
            "Plant bushes, trees and more with the cultivator."));
    add(mod("Mistwalker", "Comfy_Tents", "0.4.1", 4120, 12, "Tents that count as shelter."));
    add(mod("Oarsman", "Sail_Faster", "2.0.0", 1000000, 701, "Trims sails for more speed in tail winds."));
    // Hexium: a mod only there, with releases listed by date and a dependency on Thunderstore.
    Package forge = mod("Hexwright", "Forge_Tweaks", "0.10.0", 8800, 41,
                        "Faster smelting and a bigger forge queue.", {"Fjordsmith-Better_Carts-0.9.4"});
    forge.source = Repository::Source::hexium;
    forge.olderVersions = {"0.9.2", "0.2.0"};
    add(forge);
}
