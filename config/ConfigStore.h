#pragma once

#include <QHash>
#include <QList>
#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

// The bounds of an "Acceptable value range:" line; lower is always below upper.
struct ConfigRange {
    double lower = 0;
    double upper = 0;
    bool operator==(const ConfigRange&) const = default;
};

// One setting line of a BepInEx configuration file with the comment block above it.
struct ConfigEntry {
    QString id;      // section + "::" + key + "::" + lineIndex: unique even when a key repeats
    QString section; // "" before the first header
    QString key;
    QString description; // the "##" lines joined with one blank
    std::optional<QString> settingType;
    std::optional<QString> defaultValue; // present but empty for "# Default value: " alone
    std::optional<QStringList> acceptableValues;
    std::optional<ConfigRange> range;
    qsizetype lineIndex = 0; // into ParsedConfig::lines
    QString originalValue;

    bool isBool() const;
    bool isIntegerType() const;
    bool isNumeric() const;

    bool operator==(const ConfigEntry&) const = default;
};

struct ParsedConfig {
    QString url;       // the file
    QStringList lines; // every line exactly as read, without its line feed
    QList<ConfigEntry> entries;
};

// BepInEx configuration files: discovery, first-seen copies, parsing and writing, and the
// name normalization every comparison between mod, package, DLL and file names goes through.
namespace ConfigStore {

// Lower-cased, then only the code points of the Unicode letter, mark and number categories:
// "Valheim_Plus-1" and "valheimplus1" normalize alike.
QString normalize(const QString& text);

// Name pieces that say nothing about a particular mod ("valheim", "com", "plugin"...).
const QSet<QString>& genericParts();

// --- Discovery ---
QString configDir(const QString& gameDir); // gameDir + "BepInEx/config"
// The *.cfg files directly in the config folder (any letter case, hidden ones included), except
// the loader's own "BepInEx.cfg", sorted by file name case-insensitively for the user's locale.
// Empty when the folder can't be listed.
QStringList allConfigFiles(const QString& gameDir);

// Whether a config file belongs to a mod known by any of the candidate names (folder name,
// DLL base names), judged on the pieces of the file's name.
bool matches(const QString& configFile, const QStringList& candidates);

// The same test prepared for many mods against the same files: each file's name is taken
// apart once, each mod's candidates normalized once.
struct NameToken {
    QString text;
    qsizetype length = 0;   // in user-perceived characters
    quint64 characters = 0; // which characters occur, as a quick filter before searching
};
struct ConfigTokens {
    QString file;
    QList<NameToken> tokens;
};
QList<ConfigTokens> tokenize(const QStringList& configFiles);
QList<NameToken> candidateTokens(const QStringList& candidates);
bool matches(const ConfigTokens& file, const QList<NameToken>& candidates);

// --- First-seen copies, kept beside each file in its folder's ".skaldrun-originals" ---
// Where copies were kept by file name alone before (AppSupport + "original-configs"); the first
// config folder to ask for a name takes its copy over.
QString backupDir();
QString backupURL(const QString& configFile);
bool hasBackup(const QString& configFile);
// Copies the file there unless a copy already exists; gives the copy's path. Throws.
QString ensureBackup(const QString& configFile);
// Writes the first-seen copy back over the file, atomically. Throws when there is no copy or
// the file can't be written.
void revertToOriginal(const QString& configFile);

// --- Reading and writing ---
// Throws, naming the file, when it can't be read or isn't UTF-8; never fails on content.
ParsedConfig parse(const QString& path);
// Writes edited values (entry id -> new text) back, every other byte as read, atomically, after
// making sure the first-seen copy exists. Throws without writing anything when a value holds a
// line break or the file is a link leading out of its game folder.
void save(const ParsedConfig& config, const QHash<QString, QString>& edits);

// Why a typed text can't be the entry's value, as one sentence (a toggle takes true or false, a
// list its choices, each part of a combined flag value among them, a numeric type a number,
// whole for integer types, a range its bounds); nullopt when it can. The window's controls offer
// only such values; this checks text typed anywhere else.
std::optional<QString> valueProblem(const ConfigEntry& entry, const QString& value);

const QRegularExpression& rangeRegex();

} // namespace ConfigStore
