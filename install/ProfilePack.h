#pragma once

#include "catalog/Repository.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

// A mod set as r2modman and Gale trade it: an "export.r2x" (YAML) listing every mod by
// Owner-Name and exact version, inside a ".r2z" zip with the config files, and the profile code
// (the zip in base64 behind "#r2modman", kept by the repositories' legacy-profile service).
// Everything here is in memory and pure: reading refuses outside input that isn't exactly that,
// with the one sentence the player reads (SkaldrunError), before anything is written anywhere.
namespace ProfilePack {

struct Mod {
    QString name;    // "Owner-Name"
    QString version; // "major.minor.patch"
    bool enabled = true;
    Repository::Source source = Repository::Source::thunderstore;

    bool operator==(const Mod&) const = default;
};

struct Profile {
    QString name;
    QList<Mod> mods;
    // Config files by their path below the game folder, always "BepInEx/…" (a pack's "config/"
    // is BepInEx's config folder).
    QMap<QString, QByteArray> configs;

    bool operator==(const Profile&) const = default;
};

// How much a pack may hold: profile zips are a few hundred config files of a few kilobytes.
inline constexpr qint64 maxEntries = 5000;
inline constexpr qint64 maxUnpackedBytes = qint64(64) << 20;
// The mod list alone: the largest real packs list a few hundred mods in some tens of kilobytes.
inline constexpr qint64 maxListBytes = qint64(1) << 20;
// The repositories refuse larger codes; so do the peers.
inline constexpr qint64 maxCodeZipBytes = 20000000;
inline const QByteArray codePrefix = QByteArrayLiteral("#r2modman");

Profile readR2x(const QByteArray& yaml);
QByteArray writeR2x(const Profile& profile);
Profile readR2z(const QByteArray& zip);
QByteArray writeR2z(const Profile& profile);
// A zip (by its signature) or else an export.r2x alone.
Profile readAny(const QByteArray& bytes);

// The text a repository keeps for a code, and back to the zip it carries.
QByteArray encodeCode(const QByteArray& zip);
QByteArray decodeCode(const QByteArray& text);

// Whether a file of a pack may be written: inside BepInEx/, config-like by its extension, and not
// a mod's manifest (which would change what version the mod says it is).
bool isConfigPath(const QString& path);
// The config files of a game folder a pack carries: BepInEx/config, config-like files only.
QMap<QString, QByteArray> collectConfigs(const QString& gameDir);
// Writes the pack's config files into the game folder, each atomically; returns how many.
int writeConfigs(const Profile& profile, const QString& gameDir);

} // namespace ProfilePack
