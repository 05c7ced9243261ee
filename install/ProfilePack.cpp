#include "install/ProfilePack.h"

#include "platform/Fs.h"
#include "platform/SkaldrunError.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <archive.h>
#include <archive_entry.h>
#include <yaml-cpp/yaml.h>

#include <memory>

namespace ProfilePack {

namespace {

const QString r2xName = QStringLiteral("export.r2x");
const QString bepDir = QStringLiteral("BepInEx");

struct ReadCloser {
    void operator()(archive* a) const { archive_read_free(a); }
};
struct WriteCloser {
    void operator()(archive* a) const { archive_write_free(a); }
};

[[noreturn]] void refuse(const QString& sentence) {
    throw SkaldrunError(sentence);
}

// Names land in a sentence: control characters are shown as "?" so it stays one line.
QString shown(QString text) {
    for (QChar& c : text) {
        if (c.category() == QChar::Other_Control) c = QLatin1Char('?');
    }
    return text.left(120);
}

// Owners may hold hyphens; package names never do.
bool isOwnerName(const QString& name) {
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z0-9_][A-Za-z0-9_.-]*-[A-Za-z0-9_]+$"));
    return pattern.match(name).hasMatch();
}

std::optional<QString> scalar(const YAML::Node& node) {
    if (!node || !node.IsScalar()) return std::nullopt;
    return QString::fromStdString(node.Scalar());
}

QString versionOf(const YAML::Node& mod, const QString& name) {
    YAML::Node version = mod["version"];
    if (!version) version = mod["versionNumber"]; // r2modman's mods.yml spelling
    QStringList parts;
    for (const char* key : {"major", "minor", "patch"}) {
        const auto text = version && version.IsMap() ? scalar(version[key]) : std::nullopt;
        bool ok = false;
        if (text && !text->isEmpty() && text->size() < 19 && !text->startsWith(QLatin1Char('+')))
            parts << QString::number(text->toULongLong(&ok));
        if (!ok)
            refuse(QCoreApplication::translate("ProfilePack",
                                               "%1 in that profile has no version of three numbers.")
                       .arg(shown(name)));
    }
    return parts.join(QLatin1Char('.'));
}

// A pack's path as "BepInEx/…", or empty for files we don't take (outside BepInEx, the mod list
// itself). Throws for a path that would climb out or starts at the root.
QString packPath(const QString& entry) {
    static const QRegularExpression separator(QStringLiteral("[/\\\\]"));
    if (entry.startsWith(QLatin1Char('/')) || entry.startsWith(QLatin1Char('\\')) ||
        (entry.size() >= 2 && entry.at(1) == QLatin1Char(':')))
        refuse(
            QCoreApplication::translate(
                "ProfilePack", "That profile has a file “%1” with an absolute path, so nothing was imported.")
                .arg(shown(entry)));
    QStringList parts;
    for (const QString& part : entry.split(separator)) {
        if (part.isEmpty() || part == QLatin1String(".")) continue;
        if (part == QLatin1String("..") || part.contains(QChar(0)))
            refuse(QCoreApplication::translate(
                       "ProfilePack",
                       "That profile has a file “%1” that points outside its folder, so nothing "
                       "was imported.")
                       .arg(shown(entry)));
        parts << part;
    }
    if (parts.isEmpty()) return {};
    if (parts.first() == QLatin1String("config")) parts.prepend(bepDir); // r2modman's layout
    const QString path = parts.join(QLatin1Char('/'));
    return isConfigPath(path) ? path : QString();
}

la_ssize_t appendTo(archive*, void* data, const void* buffer, size_t length) {
    static_cast<QByteArray*>(data)->append(static_cast<const char*>(buffer), qsizetype(length));
    return la_ssize_t(length);
}

} // namespace

namespace {
// Asked for when needed: a translation is loaded after static initialisation.
QString listTooLarge() {
    return QCoreApplication::translate("ProfilePack",
                                       "That profile's mod list (export.r2x) is far larger than any "
                                       "profile's, so nothing was imported.");
}
} // namespace

Profile readR2x(const QByteArray& yaml) {
    // YAML's reader holds every node of the document: a short line such as "[1,1,1,…]" costs it
    // hundreds of bytes a character, so a list is measured before it is read.
    if (yaml.size() > maxListBytes) refuse(listTooLarge());
    YAML::Node root;
    try {
        root = YAML::Load(yaml.toStdString());
    } catch (const YAML::Exception&) {
        refuse(QCoreApplication::translate("ProfilePack",
                                           "That profile's mod list (export.r2x) isn't readable YAML."));
    }
    if (!root.IsMap() || !root["mods"] || !root["mods"].IsSequence())
        refuse(QCoreApplication::translate("ProfilePack",
                                           "That profile's mod list (export.r2x) has no list of mods."));
    Profile profile;
    try {
        profile.name = scalar(root["profileName"]).value_or(QString()).trimmed();
        const YAML::Node mods = root["mods"];
        if (qint64(mods.size()) > maxEntries)
            refuse(QCoreApplication::translate("ProfilePack", "That profile lists far too many mods."));
        for (const YAML::Node& node : mods) {
            Mod mod;
            mod.name = node.IsMap() ? scalar(node["name"]).value_or(QString()) : QString();
            if (!isOwnerName(mod.name))
                refuse(QCoreApplication::translate(
                           "ProfilePack", "“%1” in that profile isn't a mod name of the form Owner-Name.")
                           .arg(shown(mod.name)));
            mod.version = versionOf(node, mod.name);
            // Absent means enabled, as r2modman writes and reads it.
            const auto enabled = scalar(node["enabled"]);
            mod.enabled = !enabled || enabled->toLower() != QLatin1String("false");
            mod.source = scalar(node["source"]) == QStringLiteral("Hexium")
                             ? Repository::Source::hexium
                             : Repository::Source::thunderstore;
            profile.mods << mod;
        }
    } catch (const YAML::Exception&) {
        refuse(QCoreApplication::translate("ProfilePack",
                                           "That profile's mod list (export.r2x) isn't readable YAML."));
    }
    return profile;
}

namespace {

// Whether a plain scalar with this text would read as something other than a string under the
// YAML 1.2 core schema (r2modman's parser) or YAML 1.1 (older readers; js-yaml's timestamps):
// null, a boolean, an integer in any base, a float, infinity, not-a-number, a date.
bool readsAsNonString(const QString& text) {
    static const QRegularExpression pattern(
        QStringLiteral("^(?:~|null|Null|NULL"
                       "|[yY]|yes|Yes|YES|[nN]|no|No|NO|true|True|TRUE|false|False|FALSE|on|On|ON|off|Off|OFF"
                       "|[-+]?[0-9][0-9_]*(?::[0-5]?[0-9])*"
                       "|0o[0-7]+|0x[0-9a-fA-F_]+|0b[01_]+"
                       "|[-+]?(?:\\.[0-9_]+|[0-9][0-9_]*(?:\\.[0-9_]*)?)(?:[eE][-+]?[0-9]+)?"
                       "|[-+]?\\.(?:inf|Inf|INF)|\\.(?:nan|NaN|NAN)"
                       "|[0-9]{4}-[0-9]{1,2}-[0-9]{1,2}(?:[Tt ].*)?"
                       "|<<|=)$"));
    return text.isEmpty() || pattern.match(text).hasMatch();
}

// A string the peers read back as that string, quoted where it would read as anything else.
void emitString(YAML::Emitter& out, const QString& text) {
    if (readsAsNonString(text)) out << YAML::DoubleQuoted;
    out << text.toStdString();
}

} // namespace

QByteArray writeR2x(const Profile& profile) {
    YAML::Emitter out;
    out << YAML::BeginMap << YAML::Key << "profileName" << YAML::Value;
    emitString(out, profile.name);
    out << YAML::Key << "mods" << YAML::Value << YAML::BeginSeq;
    for (const Mod& mod : profile.mods) {
        const QStringList parts = mod.version.split(QLatin1Char('.'));
        out << YAML::BeginMap << YAML::Key << "name" << YAML::Value;
        emitString(out, mod.name);
        out << YAML::Key << "version" << YAML::Value << YAML::BeginMap;
        const char* keys[] = {"major", "minor", "patch"};
        for (int i = 0; i < 3; ++i)
            out << YAML::Key << keys[i] << YAML::Value << parts.value(i, QStringLiteral("0")).toULongLong();
        out << YAML::EndMap << YAML::Key << "enabled" << YAML::Value << mod.enabled;
        // Gale reads the repository with this exact letter case; r2modman ignores it.
        out << YAML::Key << "source" << YAML::Value;
        emitString(out, Repository::sourceName(mod.source));
        out << YAML::EndMap;
    }
    out << YAML::EndSeq << YAML::Key << "community" << YAML::Value << "valheim" << YAML::EndMap;
    return QByteArray(out.c_str()) + '\n';
}

Profile readR2z(const QByteArray& zip) {
    std::unique_ptr<archive, ReadCloser> reader(archive_read_new());
    archive_read_support_format_zip(reader.get());
    const QString notZip =
        QCoreApplication::translate("ProfilePack", "That profile isn't a readable .r2z (zip) archive.");
    if (archive_read_open_memory(reader.get(), zip.constData(), size_t(zip.size())) != ARCHIVE_OK)
        refuse(notZip);
    const QString bomb = QCoreApplication::translate(
        "ProfilePack", "That profile unpacks to far more files or bytes than any profile "
                       "holds, so nothing was imported.");
    std::optional<QByteArray> r2x;
    QMap<QString, QByteArray> configs;
    qint64 entries = 0;
    qint64 total = 0;
    for (;;) {
        archive_entry* entry = nullptr;
        const int rc = archive_read_next_header(reader.get(), &entry);
        if (rc == ARCHIVE_EOF) break;
        if (rc < ARCHIVE_WARN) refuse(notZip);
        if (++entries > maxEntries) refuse(bomb);
        const char* utf8 = archive_entry_pathname_utf8(entry);
        const QString name =
            utf8 ? QString::fromUtf8(utf8) : QString::fromLocal8Bit(archive_entry_pathname(entry));
        const mode_t type = archive_entry_filetype(entry);
        if (type == AE_IFDIR) continue;
        if (type != AE_IFREG || archive_entry_symlink(entry) || archive_entry_hardlink(entry))
            refuse(QCoreApplication::translate(
                       "ProfilePack",
                       "That profile has an entry “%1” that isn't a plain file, so nothing was "
                       "imported.")
                       .arg(shown(name)));
        const bool isList = name.compare(r2xName, Qt::CaseInsensitive) == 0;
        const QString path = isList ? QString() : packPath(name);
        if (!isList && path.isEmpty()) continue; // not ours to write: read past it
        QByteArray data;
        for (;;) {
            char block[64 * 1024];
            const la_ssize_t n = archive_read_data(reader.get(), block, sizeof block);
            if (n < 0) refuse(notZip);
            if (n == 0) break;
            total += n;
            if (total > maxUnpackedBytes) refuse(bomb);
            if (isList && data.size() + n > maxListBytes) refuse(listTooLarge());
            data.append(block, n);
        }
        if (isList)
            r2x = data;
        else
            configs.insert(path, data);
    }
    if (!r2x)
        refuse(QCoreApplication::translate(
            "ProfilePack", "That profile has no mod list (export.r2x), so there is nothing to import."));
    Profile profile = readR2x(*r2x);
    profile.configs = configs;
    return profile;
}

QByteArray writeR2z(const Profile& profile) {
    QByteArray bytes;
    std::unique_ptr<archive, WriteCloser> writer(archive_write_new());
    archive_write_set_format_zip(writer.get());
    if (archive_write_open(writer.get(), &bytes, nullptr, &appendTo, nullptr) != ARCHIVE_OK)
        throw SkaldrunError(
            QCoreApplication::translate("ProfilePack", "Couldn't build the profile archive."));
    const auto add = [&](const QString& name, const QByteArray& data) {
        std::unique_ptr<archive_entry, decltype(&archive_entry_free)> entry(archive_entry_new(),
                                                                            &archive_entry_free);
        archive_entry_set_pathname_utf8(entry.get(), name.toUtf8().constData());
        archive_entry_set_filetype(entry.get(), AE_IFREG);
        archive_entry_set_perm(entry.get(), 0644);
        archive_entry_set_size(entry.get(), data.size());
        if (archive_write_header(writer.get(), entry.get()) < ARCHIVE_WARN ||
            archive_write_data(writer.get(), data.constData(), size_t(data.size())) < 0)
            throw SkaldrunError(
                QCoreApplication::translate("ProfilePack", "Couldn't build the profile archive."));
    };
    add(r2xName, writeR2x(profile));
    // Both peers read r2modman's layout: BepInEx's config folder as "config/".
    const QString configPrefix = bepDir + QStringLiteral("/config/");
    for (auto it = profile.configs.cbegin(); it != profile.configs.cend(); ++it)
        add(it.key().startsWith(configPrefix) ? it.key().mid(bepDir.size() + 1) : it.key(), it.value());
    if (archive_write_close(writer.get()) != ARCHIVE_OK)
        throw SkaldrunError(
            QCoreApplication::translate("ProfilePack", "Couldn't build the profile archive."));
    return bytes;
}

Profile readAny(const QByteArray& bytes) {
    return bytes.startsWith("PK") ? readR2z(bytes) : readR2x(bytes);
}

QByteArray encodeCode(const QByteArray& zip) {
    return codePrefix + '\n' + zip.toBase64();
}

QByteArray decodeCode(const QByteArray& text) {
    if (!text.startsWith(codePrefix))
        refuse(QCoreApplication::translate(
            "ProfilePack", "That isn't a profile code's content: it doesn't start with #r2modman."));
    // Uploaders add line breaks (an echo's newline, CRLF); the peers' strict readers break on them.
    const auto decoded = QByteArray::fromBase64Encoding(text.mid(codePrefix.size()).trimmed(),
                                                        QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || decoded.decoded.isEmpty())
        refuse(QCoreApplication::translate("ProfilePack",
                                           "That profile code's content is damaged: it isn't valid base64."));
    return decoded.decoded;
}

bool isConfigPath(const QString& path) {
    static const QStringList allowed = {
        QStringLiteral("cfg"),  QStringLiteral("json"), QStringLiteral("yml"),       QStringLiteral("yaml"),
        QStringLiteral("txt"),  QStringLiteral("ini"),  QStringLiteral("toml"),      QStringLiteral("xml"),
        QStringLiteral("conf"), QStringLiteral("csv"),  QStringLiteral("properties")};
    const QStringList parts = path.split(QLatin1Char('/'));
    // Hidden files are this app's own records (and the system's), never a mod's settings.
    if (parts.size() < 2 || parts.first() != bepDir ||
        std::any_of(parts.cbegin(), parts.cend(),
                    [](const QString& part) { return part.isEmpty() || part.startsWith(QLatin1Char('.')); }))
        return false;
    if (parts.size() == 4 && parts.at(1) == QLatin1String("plugins") &&
        parts.last().compare(QLatin1String("manifest.json"), Qt::CaseInsensitive) == 0)
        return false;
    return allowed.contains(Fs::extension(path).toLower());
}

QMap<QString, QByteArray> collectConfigs(const QString& gameDir) {
    QMap<QString, QByteArray> configs;
    const QString root = Fs::join(gameDir, bepDir + QStringLiteral("/config"));
    Fs::walk(root, [&](const Fs::Entry& e) {
        if (e.isDir || e.isSymLink) return !e.isSymLink;
        const QString path = bepDir + QStringLiteral("/config/") + e.path.mid(root.size() + 1);
        if (!isConfigPath(path)) return true;
        if (const auto bytes = Fs::tryRead(e.path)) configs.insert(path, *bytes);
        return true;
    });
    return configs;
}

int writeConfigs(const Profile& profile, const QString& gameDir) {
    int written = 0;
    for (auto it = profile.configs.cbegin(); it != profile.configs.cend(); ++it) {
        if (!isConfigPath(it.key())) continue; // checked again: a Profile may come from anywhere
        const QString target = Fs::join(gameDir, it.key());
        Fs::mkpath(Fs::parent(target));
        // A planted link inside BepInEx must not carry the write elsewhere.
        if (Fs::isSymLink(target)) Fs::remove(target);
        Fs::writeAtomic(target, it.value());
        ++written;
    }
    return written;
}

} // namespace ProfilePack
