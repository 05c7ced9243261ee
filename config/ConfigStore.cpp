#include "config/ConfigStore.h"

#include "discovery/Outside.h"
#include "platform/AppSupport.h"
#include "platform/Fs.h"
#include "platform/Log.h"
#include "platform/SkaldrunError.h"

#include <QCollator>
#include <QCoreApplication>
#include <QLocale>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <cmath>
#include <string_view>
#include <vector>

namespace {

const QStringList& integerTypes() {
    static const QStringList types = {QStringLiteral("Int32"),  QStringLiteral("Int64"),
                                      QStringLiteral("Int16"),  QStringLiteral("Byte"),
                                      QStringLiteral("SByte"),  QStringLiteral("UInt32"),
                                      QStringLiteral("UInt64"), QStringLiteral("UInt16")};
    return types;
}

} // namespace

bool ConfigEntry::isBool() const {
    if (settingType == QLatin1String("Boolean")) return true;
    if (!acceptableValues || acceptableValues->size() != 2) return false;
    QStringList lowered = {acceptableValues->at(0).toLower(), acceptableValues->at(1).toLower()};
    lowered.sort();
    return lowered == QStringList{QStringLiteral("false"), QStringLiteral("true")};
}

bool ConfigEntry::isIntegerType() const {
    return settingType && integerTypes().contains(*settingType);
}

bool ConfigEntry::isNumeric() const {
    return isIntegerType() || settingType == QLatin1String("Single") ||
           settingType == QLatin1String("Double") || settingType == QLatin1String("Decimal");
}

namespace ConfigStore {

namespace {

bool keeps(char32_t cp) {
    switch (QChar::category(cp)) {
    case QChar::Letter_Uppercase:
    case QChar::Letter_Lowercase:
    case QChar::Letter_Titlecase:
    case QChar::Letter_Modifier:
    case QChar::Letter_Other:
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
    case QChar::Number_DecimalDigit:
    case QChar::Number_Letter:
    case QChar::Number_Other:
        return true;
    default:
        return false;
    }
}

} // namespace

QString normalize(const QString& text) {
    const QString lower = text.toLower();
    QString out;
    out.reserve(lower.size());
    const qsizetype n = lower.size();
    for (qsizetype i = 0; i < n; ++i) {
        char32_t cp = lower.at(i).unicode();
        if (QChar::isHighSurrogate(cp) && i + 1 < n && lower.at(i + 1).isLowSurrogate())
            cp = QChar::surrogateToUcs4(char16_t(cp), lower.at(++i).unicode());
        if (cp < 0x80) {
            // The common case, without a table lookup.
            if ((cp >= 'a' && cp <= 'z') || (cp >= '0' && cp <= '9'))
                out.append(QChar(char16_t(cp)));
            else if (cp >= 'A' && cp <= 'Z')
                out.append(QChar(char16_t(cp + 32)));
            continue;
        }
        if (keeps(cp)) {
            if (QChar::requiresSurrogates(cp)) {
                out.append(QChar(QChar::highSurrogate(cp)));
                out.append(QChar(QChar::lowSurrogate(cp)));
            } else {
                out.append(QChar(char16_t(cp)));
            }
        }
    }
    return out;
}

namespace {

const QChar byteOrderMark(0xFEFF);

// User-perceived characters, so "é" written with a combining accent counts once.
qsizetype characterCount(const QString& text) {
    const bool simple = std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x300; });
    if (simple) return text.size();
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype count = 0;
    while (finder.toNextBoundary() > 0)
        ++count;
    return count;
}

// One bit per letter or digit a text holds (other characters share the remaining bits).
quint64 characterSet(const QString& text) {
    quint64 set = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= 'a' && u <= 'z')
            set |= quint64(1) << (u - 'a');
        else if (u >= '0' && u <= '9')
            set |= quint64(1) << (26 + u - '0');
        else
            set |= quint64(1) << (36 + u % 28);
    }
    return set;
}

NameToken makeToken(QString text) {
    NameToken token;
    token.length = characterCount(text);
    token.characters = characterSet(text);
    token.text = std::move(text);
    return token;
}

// A plain search suits the short names compared here better than QString's general one.
bool contains(const QString& haystack, const QString& needle) {
    const std::u16string_view h(reinterpret_cast<const char16_t*>(haystack.constData()),
                                size_t(haystack.size()));
    const std::u16string_view n(reinterpret_cast<const char16_t*>(needle.constData()), size_t(needle.size()));
    return h.find(n) != std::u16string_view::npos;
}

// Tabs and the Unicode space separators; line breaks are not blanks.
bool isBlank(QChar c) {
    return c == QLatin1Char('\t') || c.category() == QChar::Separator_Space;
}

QStringView trimBlanks(QStringView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

QString trimmedAfter(QStringView text, QLatin1String prefix) {
    return trimBlanks(text.mid(prefix.size())).toString();
}

std::optional<ConfigRange> parseRange(const QString& text) {
    const QRegularExpressionMatch match = ConfigStore::rangeRegex().match(text);
    if (!match.hasMatch()) return std::nullopt;
    bool lowerOk = false;
    bool upperOk = false;
    const double lower = match.captured(1).toDouble(&lowerOk);
    const double upper = match.captured(2).toDouble(&upperOk);
    if (!lowerOk || !upperOk || !std::isfinite(lower) || !std::isfinite(upper) || !(lower < upper))
        return std::nullopt;
    return ConfigRange{lower, upper};
}

// What the comment lines above a setting said about it.
struct Pending {
    QStringList description;
    std::optional<QString> settingType;
    std::optional<QString> defaultValue;
    std::optional<QStringList> acceptableValues;
    std::optional<ConfigRange> range;
};

// The folder a config file may link within: its game folder when it sits in
// "BepInEx/config", else its own folder.
QString linkBoundary(const QString& configFile) {
    QString dir = Fs::parent(configFile);
    const QString bepInEx = Fs::parent(dir);
    if (Fs::fileName(dir) == QLatin1String("config") && Fs::fileName(bepInEx) == Outside::bepInExDir)
        return Fs::parent(bepInEx);
    return dir;
}

// Atomic writes replace a link's target, so a config file linked to something outside the
// game folder would let an edit overwrite an arbitrary file of the user's.
void refuseOutsideLink(const QString& configFile) {
    if (!Fs::isSymLink(configFile)) return;
    const auto target = Fs::canonicalPath(configFile);
    if (!target)
        throw SkaldrunError(
            QCoreApplication::translate("ConfigStore",
                                        "Couldn't save “%1”: it's a link to a file that doesn't exist.")
                .arg(Fs::displayPath(configFile)));
    const auto root = Fs::canonicalPath(linkBoundary(configFile));
    const QString prefix =
        root ? (root->endsWith(QLatin1Char('/')) ? *root : *root + QLatin1Char('/')) : QString();
    if (prefix.isEmpty() || !target->startsWith(prefix))
        throw SkaldrunError(QCoreApplication::translate(
                                "ConfigStore", "Couldn't save “%1”: it's a link to a file outside the game "
                                               "folder.")
                                .arg(Fs::displayPath(configFile)));
}

} // namespace

const QSet<QString>& genericParts() {
    static const QSet<QString> parts = {
        QStringLiteral("valheim"), QStringLiteral("bepinex"), QStringLiteral("plugins"),
        QStringLiteral("plugin"),  QStringLiteral("mods"),    QStringLiteral("mod"),
        QStringLiteral("games"),   QStringLiteral("game"),    QStringLiteral("com"),
        QStringLiteral("org"),     QStringLiteral("net"),     QStringLiteral("dev"),
        QStringLiteral("io"),      QStringLiteral("val")};
    return parts;
}

// --- Discovery ---

QString configDir(const QString& gameDir) {
    return Fs::join(gameDir, Outside::configDir);
}

QStringList allConfigFiles(const QString& gameDir) {
    const auto entries = Fs::entries(configDir(gameDir));
    if (!entries) return {};
    std::vector<const Fs::Entry*> found;
    for (const Fs::Entry& entry : *entries) {
        if (entry.isDir || entry.name == Outside::loaderConfigName) continue;
        if (Fs::extension(entry.name).compare(QLatin1String("cfg"), Qt::CaseInsensitive) == 0)
            found.push_back(&entry);
    }
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(found.begin(), found.end(), [&](const Fs::Entry* a, const Fs::Entry* b) {
        return collator.compare(a->name, b->name) < 0;
    });
    QStringList files;
    files.reserve(qsizetype(found.size()));
    for (const Fs::Entry* entry : found)
        files.append(entry->path);
    return files;
}

QList<ConfigTokens> tokenize(const QStringList& configFiles) {
    QList<ConfigTokens> out;
    out.reserve(configFiles.size());
    for (const QString& file : configFiles) {
        ConfigTokens entry{file, {}};
        const QString base = Fs::withoutExtension(Fs::fileName(file));
        for (const QString& piece : base.split(QLatin1Char('.'))) {
            QString token = normalize(piece);
            if (token.isEmpty() || genericParts().contains(token)) continue;
            entry.tokens.append(makeToken(std::move(token)));
        }
        // The whole name last, even when it is generic or empty.
        entry.tokens.append(makeToken(normalize(base)));
        out.append(std::move(entry));
    }
    return out;
}

QList<NameToken> candidateTokens(const QStringList& candidates) {
    QList<NameToken> out;
    out.reserve(candidates.size());
    for (const QString& candidate : candidates) {
        QString text = normalize(candidate);
        if (!text.isEmpty()) out.append(makeToken(std::move(text)));
    }
    return out;
}

bool matches(const ConfigTokens& file, const QList<NameToken>& candidates) {
    // Short pieces ("ui", "map") must match exactly: as substrings they would match nearly anything.
    // A scan asks this for every mod and every config file, so the cheap tests come first: a text
    // can only hold another that is shorter and whose characters it all has.
    for (const NameToken& token : file.tokens) {
        for (const NameToken& candidate : candidates) {
            const qsizetype tokenSize = token.text.size();
            const qsizetype candidateSize = candidate.text.size();
            if (tokenSize == candidateSize) {
                if (token.characters == candidate.characters && token.text == candidate.text) return true;
            } else if (tokenSize < candidateSize) {
                if (token.length >= 4 && (token.characters & ~candidate.characters) == 0 &&
                    contains(candidate.text, token.text))
                    return true;
            } else if (candidate.length >= 4 && (candidate.characters & ~token.characters) == 0 &&
                       contains(token.text, candidate.text)) {
                return true;
            }
        }
    }
    return false;
}

bool matches(const QString& configFile, const QStringList& candidates) {
    return matches(tokenize({configFile}).constFirst(), candidateTokens(candidates));
}

// --- First-seen copies ---

QString backupDir() {
    return Fs::join(AppSupport::dir(), QStringLiteral("original-configs"));
}

// Beside the file it copies, so that every game folder and every profile keeps its own: a
// profile's config folder moves as a whole, and two mods' files of one name in two profiles
// are two originals.
QString backupURL(const QString& configFile) {
    return Fs::join(Fs::parent(configFile),
                    QStringLiteral(".skaldrun-originals/") + Fs::fileName(configFile));
}

namespace {

// Copies kept in the support folder by name alone, before each config folder had its own, are
// taken over by the first folder that asks for one of that name.
void adoptEarlierCopy(const QString& configFile, const QString& copy) {
    const QString earlier = Fs::join(backupDir(), Fs::fileName(configFile));
    if (Fs::itemExists(copy) || !Fs::exists(earlier)) return;
    try {
        Fs::mkpath(Fs::parent(copy));
        Fs::move(earlier, copy);
    } catch (const SkaldrunError& e) {
        qCDebug(lcConfig) << "earlier first-seen copy not taken over:" << e.message();
    }
}

} // namespace

bool hasBackup(const QString& configFile) {
    const QString copy = backupURL(configFile);
    adoptEarlierCopy(configFile, copy);
    return Fs::exists(copy);
}

QString ensureBackup(const QString& configFile) {
    QString copy = backupURL(configFile);
    adoptEarlierCopy(configFile, copy);
    if (Fs::itemExists(copy)) return copy;
    const QByteArray bytes = Fs::read(configFile);
    Fs::mkpath(Fs::parent(copy));
    // Written whole or not at all: a torn copy would be restored as the "original" forever.
    Fs::writeAtomic(copy, bytes);
    return copy;
}

void revertToOriginal(const QString& configFile) {
    adoptEarlierCopy(configFile, backupURL(configFile));
    const QByteArray original = Fs::read(backupURL(configFile));
    refuseOutsideLink(configFile);
    Fs::writeAtomic(configFile, original);
}

// --- Reading and writing ---

const QRegularExpression& rangeRegex() {
    static const QRegularExpression regex(
        QStringLiteral("From\\s+(-?[0-9.eE+\\-]+)\\s+to\\s+(-?[0-9.eE+\\-]+)"));
    return regex;
}

ParsedConfig parse(const QString& path) {
    ParsedConfig config;
    config.url = path;
    config.lines = Fs::readUtf8(path).split(QLatin1Char('\n'));

    static const QLatin1String typePrefix("Setting type:");
    static const QLatin1String defaultPrefix("Default value:");
    static const QLatin1String valuesPrefix("Acceptable values:");
    static const QLatin1String rangePrefix("Acceptable value range:");

    Pending pending;
    QString section;
    for (qsizetype i = 0; i < config.lines.size(); ++i) {
        QStringView line = config.lines.at(i);
        // Older loaders start the file with a byte-order mark, and files edited on Windows end
        // lines with CR LF: neither is part of what the line says.
        if (i == 0 && line.startsWith(byteOrderMark)) line = line.mid(1);
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        line = trimBlanks(line);

        // A blank line, like any line that is neither header, comment nor setting, ends the
        // comments that describe the next setting (the last branch).
        if (line.size() >= 2 && line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            section = line.mid(1, line.size() - 2).toString();
            pending = {};
        } else if (line.startsWith(QLatin1String("##"))) {
            pending.description.append(trimBlanks(line.mid(2)).toString());
        } else if (line.startsWith(QLatin1Char('#'))) {
            const QStringView content = trimBlanks(line.mid(1));
            if (content.startsWith(typePrefix)) {
                pending.settingType = trimmedAfter(content, typePrefix);
            } else if (content.startsWith(defaultPrefix)) {
                pending.defaultValue = trimmedAfter(content, defaultPrefix);
            } else if (content.startsWith(valuesPrefix)) {
                QStringList values;
                for (QStringView piece : content.mid(valuesPrefix.size()).split(QLatin1Char(','))) {
                    piece = trimBlanks(piece);
                    if (!piece.isEmpty()) values.append(piece.toString());
                }
                pending.acceptableValues = values;
            } else if (content.startsWith(rangePrefix)) {
                pending.range = parseRange(content.mid(rangePrefix.size()).toString());
            }
        } else if (const qsizetype eq = line.indexOf(QLatin1Char('=')); eq >= 0) {
            const QString key = trimBlanks(line.left(eq)).toString();
            if (!key.isEmpty()) {
                ConfigEntry entry;
                entry.id = section + QLatin1String("::") + key + QLatin1String("::") + QString::number(i);
                entry.section = section;
                entry.key = key;
                entry.description = pending.description.join(QLatin1Char(' '));
                entry.settingType = pending.settingType;
                entry.defaultValue = pending.defaultValue;
                entry.acceptableValues = pending.acceptableValues;
                entry.range = pending.range;
                entry.lineIndex = i;
                entry.originalValue = trimBlanks(line.mid(eq + 1)).toString();
                config.entries.append(std::move(entry));
            }
            pending = {};
        } else {
            pending = {};
        }
    }
    return config;
}

std::optional<QString> valueProblem(const ConfigEntry& entry, const QString& value) {
    if (entry.isBool()) {
        if (value.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 ||
            value.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
            return std::nullopt;
        return QCoreApplication::translate("ConfigStore", "“%1” takes true or false.").arg(entry.key);
    }
    if (entry.acceptableValues) {
        const QStringList& choices = *entry.acceptableValues;
        const QStringList parts = value.split(QLatin1Char(','));
        const bool known = std::all_of(parts.cbegin(), parts.cend(), [&](const QString& part) {
            return choices.contains(trimBlanks(part).toString());
        });
        if (known) return std::nullopt;
        return QCoreApplication::translate("ConfigStore", "“%1” takes one of: %2.")
            .arg(entry.key, choices.join(QStringLiteral(", ")));
    }
    // A range over a value that reads as a number makes a slider in the window, whatever the type.
    bool originalIsNumber = false;
    QLocale::c().toDouble(entry.originalValue, &originalIsNumber);
    if (!entry.isNumeric() && !(entry.range && originalIsNumber)) return std::nullopt;
    bool ok = false;
    const double number = QLocale::c().toDouble(value, &ok);
    const bool blanks = !value.isEmpty() && (value.front().isSpace() || value.back().isSpace());
    const bool whole = !entry.isIntegerType() || number == std::floor(number);
    if (ok && !blanks && std::isfinite(number) && whole &&
        (!entry.range || (number >= entry.range->lower && number <= entry.range->upper)))
        return std::nullopt;
    if (!entry.range)
        return entry.isIntegerType()
                   ? QCoreApplication::translate("ConfigStore", "“%1” takes a whole number.").arg(entry.key)
                   : QCoreApplication::translate("ConfigStore", "“%1” takes a number.").arg(entry.key);
    // The bounds are written as the file wants the value typed, whatever the player's language.
    const QString lower = QLocale::c().toString(entry.range->lower);
    const QString upper = QLocale::c().toString(entry.range->upper);
    return entry.isIntegerType()
               ? QCoreApplication::translate("ConfigStore", "“%1” takes a whole number from %2 to %3.")
                     .arg(entry.key, lower, upper)
               : QCoreApplication::translate("ConfigStore", "“%1” takes a number from %2 to %3.")
                     .arg(entry.key, lower, upper);
}

void save(const ParsedConfig& config, const QHash<QString, QString>& edits) {
    QStringList lines = config.lines;
    for (const ConfigEntry& entry : config.entries) {
        const auto edit = edits.constFind(entry.id);
        if (edit == edits.cend() || *edit == entry.originalValue) continue;
        if (edit->contains(QLatin1Char('\n')) || edit->contains(QLatin1Char('\r')))
            throw SkaldrunError(
                QCoreApplication::translate("ConfigStore", "The value of “%1” can't contain a line break.")
                    .arg(entry.key));
        // BepInEx never writes such a key, but hand-edited files have them; the line would read
        // back as a section header and the setting would vanish.
        if (entry.key.startsWith(QLatin1Char('[')) && trimBlanks(*edit).endsWith(QLatin1Char(']')))
            throw SkaldrunError(
                QCoreApplication::translate("ConfigStore",
                                            "The value of “%1” can't end with “]”: the line would read as a "
                                            "section header.")
                    .arg(entry.key));
        if (entry.lineIndex < 0 || entry.lineIndex >= lines.size()) continue;
        const QString& old = config.lines.at(entry.lineIndex);
        QString line = entry.key + QLatin1String(" = ") + *edit;
        if (entry.lineIndex == 0 && old.startsWith(byteOrderMark)) line.prepend(byteOrderMark);
        if (old.endsWith(QLatin1Char('\r'))) line.append(QLatin1Char('\r'));
        lines[entry.lineIndex] = line;
    }
    refuseOutsideLink(config.url);
    ensureBackup(config.url);
    Fs::writeAtomic(config.url, lines.join(QLatin1Char('\n')).toUtf8());
}

} // namespace ConfigStore
