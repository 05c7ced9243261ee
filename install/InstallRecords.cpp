#include "install/InstallRecords.h"

#include "install/ModKey.h"
#include "platform/AppSupport.h"
#include "platform/Fs.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

namespace InstallRecords {

namespace {

QString recordsFile(const QString& gameDir) {
    return Fs::join(gameDir, QStringLiteral("BepInEx/config/.skaldrun-origins.json"));
}
QString pinsFile(const QString& gameDir) {
    return Fs::join(gameDir, QStringLiteral("BepInEx/config/.skaldrun-pins.json"));
}
QString loaderFile(const QString& gameDir) {
    return Fs::join(gameDir, QStringLiteral("BepInEx/core/.skaldrun-loader.json"));
}

// The folder's own records, else those of the time when one file served every folder.
QJsonObject readRecords(const QString& gameDir) {
    auto bytes = Fs::tryRead(recordsFile(gameDir));
    if (!bytes) bytes = Fs::tryRead(Fs::join(AppSupport::dir(), QStringLiteral("installed-origins.json")));
    return bytes ? QJsonDocument::fromJson(*bytes).object() : QJsonObject();
}

void write(const QString& file, const QJsonDocument& doc) {
    Fs::mkpath(Fs::parent(file));
    Fs::writeAtomic(file, doc.toJson());
}

Record recordFrom(const QJsonObject& o) {
    return Record{Repository::sourceFromName(o.value(QStringLiteral("repository")).toString()),
                  o.value(QStringLiteral("package")).toString(),
                  o.value(QStringLiteral("version")).toString()};
}

} // namespace

void remember(const QString& gameDir, const TSPackage& package) {
    QJsonObject records = readRecords(gameDir);
    records.insert(ModKey::of(package.name),
                   QJsonObject{{QStringLiteral("repository"), Repository::sourceName(package.source)},
                               {QStringLiteral("package"), package.fullName},
                               {QStringLiteral("version"), package.version}});
    write(recordsFile(gameDir), QJsonDocument(records));
}

void forget(const QString& gameDir, const QString& modName) {
    QJsonObject records = readRecords(gameDir);
    if (!records.contains(ModKey::of(modName))) return;
    records.remove(ModKey::of(modName));
    write(recordsFile(gameDir), QJsonDocument(records));
}

std::optional<Record> of(const QString& gameDir, const QString& modName) {
    const QJsonObject o = readRecords(gameDir).value(ModKey::of(modName)).toObject();
    if (o.isEmpty()) return std::nullopt;
    return recordFrom(o);
}

QHash<QString, Record> all(const QString& gameDir) {
    QHash<QString, Record> result;
    const QJsonObject records = readRecords(gameDir);
    for (auto it = records.begin(); it != records.end(); ++it)
        if (const QJsonObject o = it.value().toObject(); !o.isEmpty()) result.insert(it.key(), recordFrom(o));
    return result;
}

std::optional<QString> loaderVersion(const QString& gameDir) {
    const auto bytes = Fs::tryRead(loaderFile(gameDir));
    const QString version =
        bytes ? QJsonDocument::fromJson(*bytes).object().value(QStringLiteral("version")).toString()
              : QString();
    if (version.isEmpty()) return std::nullopt;
    return version;
}

void rememberLoader(const QString& gameDir, const QString& version) {
    write(loaderFile(gameDir), QJsonDocument(QJsonObject{{QStringLiteral("version"), version}}));
}

QSet<QString> pins(const QString& gameDir) {
    QSet<QString> keys;
    auto bytes = Fs::tryRead(pinsFile(gameDir));
    const QJsonArray list =
        bytes
            ? QJsonDocument::fromJson(*bytes).array()
            : QJsonDocument::fromJson(
                  Fs::tryRead(Fs::join(AppSupport::dir(), QStringLiteral("update-pins.json"))).value_or("{}"))
                  .object()
                  .value(gameDir)
                  .toArray();
    for (const auto& key : list)
        keys.insert(key.toString());
    return keys;
}

void setPinned(const QString& gameDir, const QString& modName, bool pinned) {
    QSet<QString> keys = pins(gameDir);
    pinned ? void(keys.insert(ModKey::of(modName))) : void(keys.remove(ModKey::of(modName)));
    QStringList sorted(keys.cbegin(), keys.cend());
    sorted.sort();
    write(pinsFile(gameDir), QJsonDocument(QJsonArray::fromStringList(sorted)));
}

} // namespace InstallRecords
