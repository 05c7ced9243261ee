#include "inventory/DllMetadata.h"

#include <QFile>
#include <QSet>

#include <array>

namespace DllMetadata {

namespace {

// Far beyond any plugin's headers and metadata; a file claiming more is not read further.
constexpr qint64 maxHeaders = 64 * 1024;
constexpr qint64 maxMetadata = 64 * 1024 * 1024;
constexpr int cliHeaderDirectory = 14;

// Little-endian reads that answer 0 past the end and remember that they did, so a parse checks
// once, at the end of a step, whether everything it read was there.
struct View {
    const QByteArray& bytes;
    bool ok = true;

    quint32 at(qint64 offset, int width) {
        if (offset < 0 || offset + width > bytes.size()) {
            ok = false;
            return 0;
        }
        quint32 value = 0;
        for (int i = width - 1; i >= 0; --i)
            value = (value << 8) | quint8(bytes[offset + i]);
        return value;
    }
    quint32 u16(qint64 offset) { return at(offset, 2); }
    quint32 u32(qint64 offset) { return at(offset, 4); }
};

struct Section {
    quint32 rva = 0, size = 0, raw = 0;
};

std::optional<qint64> fileOffset(const QList<Section>& sections, quint32 rva) {
    for (const Section& s : sections) {
        if (rva >= s.rva && rva - s.rva < s.size) return qint64(s.raw) + (rva - s.rva);
    }
    return std::nullopt;
}

// ECMA-335's compressed unsigned integer: its value and how many bytes it took; nullopt when cut.
std::optional<std::pair<quint32, int>> compressed(const QByteArray& bytes, qint64 at) {
    if (at >= bytes.size()) return std::nullopt;
    const quint8 first = quint8(bytes[at]);
    if ((first & 0x80) == 0) return std::pair<quint32, int>(first, 1);
    if ((first & 0xC0) == 0x80) {
        if (at + 2 > bytes.size()) return std::nullopt;
        return std::pair<quint32, int>(((first & 0x3Fu) << 8) | quint8(bytes[at + 1]), 2);
    }
    if ((first & 0xE0) == 0xC0 && at + 4 <= bytes.size())
        return std::pair<quint32, int>(((first & 0x1Fu) << 24) | (quint32(quint8(bytes[at + 1])) << 16) |
                                           (quint32(quint8(bytes[at + 2])) << 8) | quint8(bytes[at + 3]),
                                       4);
    return std::nullopt;
}

// [BepInPlugin(guid, name, version)] as its attribute blob holds it: the prolog 01 00, three
// strings, no named arguments. A blob of any other shape, or whose last string isn't a version
// number, is some other attribute.
std::optional<Plugin> pluginAttribute(const QByteArray& blob) {
    if (blob.size() < 7 || blob[0] != 1 || blob[1] != 0) return std::nullopt;
    std::array<QString, 3> texts;
    qint64 at = 2;
    for (QString& text : texts) {
        const auto length = compressed(blob, at);
        if (!length || length->first == 0 || at + length->second + length->first > blob.size())
            return std::nullopt;
        text = QString::fromUtf8(blob.constData() + at + length->second, length->first);
        at += length->second + length->first;
    }
    if (at + 2 != blob.size() || blob[at] != 0 || blob[at + 1] != 0) return std::nullopt;
    const QString& version = texts[2];
    const auto digit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    if (!digit(version.front()) || !digit(version.back())) return std::nullopt;
    for (const QChar c : version) {
        if (!digit(c) && c != u'.') return std::nullopt;
    }
    return Plugin{texts[0], texts[1], texts[2]};
}

QString heapString(const QByteArray& strings, quint32 index) {
    if (index == 0 || qint64(index) >= strings.size()) return {};
    const qsizetype end = strings.indexOf('\0', index);
    return QString::fromUtf8(strings.constData() + index, (end < 0 ? strings.size() : end) - index);
}

struct Streams {
    QByteArray tables, strings, blobs;
};

std::optional<Streams> streams(const QByteArray& metadata) {
    View v{metadata};
    if (v.u32(0) != 0x424A5342) return std::nullopt; // "BSJB"
    const qint64 versionLength = v.u32(12);
    qint64 at = 16 + versionLength;
    const quint32 count = v.u16(at + 2);
    at += 4;
    Streams found;
    for (quint32 i = 0; i < count && v.ok; ++i) {
        const qint64 offset = v.u32(at), size = v.u32(at + 4);
        const qsizetype nameEnd = metadata.indexOf('\0', at + 8);
        if (!v.ok || nameEnd < 0 || offset + size > metadata.size()) return std::nullopt;
        const QByteArray name = metadata.mid(at + 8, nameEnd - (at + 8));
        const QByteArray data = metadata.mid(offset, size);
        if (name == "#~")
            found.tables = data;
        else if (name == "#Strings")
            found.strings = data;
        else if (name == "#Blob")
            found.blobs = data;
        at = (nameEnd + 4) & ~qint64(3); // names are padded to four bytes, their NUL included
    }
    if (!v.ok || found.tables.isEmpty()) return std::nullopt;
    return found;
}

// The namespaces of the TypeDef table: the tables before it (Module, TypeRef) are stepped over
// by their row sizes, which hang on the heaps' index widths and the row counts.
std::optional<QStringList> typeNamespaces(const Streams& s) {
    View v{s.tables};
    const quint32 heapSizes = v.at(6, 1);
    const quint64 valid = quint64(v.u32(8)) | (quint64(v.u32(12)) << 32);
    std::array<quint32, 64> rows{};
    qint64 at = 24;
    for (int table = 0; table < 64; ++table) {
        if ((valid >> table) & 1) {
            rows[size_t(table)] = v.u32(at);
            at += 4;
        }
    }
    if (heapSizes & 0x40) at += 4; // an extra word some writers add
    if (!v.ok) return std::nullopt;
    const int str = (heapSizes & 0x01) ? 4 : 2, guid = (heapSizes & 0x02) ? 4 : 2;
    const auto coded = [&](std::initializer_list<int> tables, int tagBits) {
        quint32 most = 0;
        for (int t : tables)
            most = std::max(most, rows[size_t(t)]);
        return most < (1u << (16 - tagBits)) ? 2 : 4;
    };
    const auto index = [&](int table) { return rows[size_t(table)] < 65536 ? 2 : 4; };
    const qint64 moduleRow = 2 + str + 3 * guid;
    const qint64 typeRefRow = coded({0x00, 0x1A, 0x23, 0x01}, 2) + 2 * str;
    const qint64 typeDefRow = 4 + 2 * str + coded({0x02, 0x01, 0x1B}, 2) + index(0x04) + index(0x06);
    at += moduleRow * rows[0] + typeRefRow * rows[1];
    if (at + typeDefRow * qint64(rows[2]) > s.tables.size()) return std::nullopt;
    QStringList names;
    QSet<QString> seen;
    for (quint32 row = 0; row < rows[2]; ++row, at += typeDefRow) {
        const QString ns = heapString(s.strings, v.at(at + 4 + str, str));
        if (!ns.isEmpty() && !seen.contains(ns)) {
            seen.insert(ns);
            names << ns;
        }
    }
    return names;
}

QList<Plugin> plugins(const QByteArray& blobs) {
    QList<Plugin> found;
    qint64 at = 0;
    while (at < blobs.size()) {
        const auto length = compressed(blobs, at);
        if (!length || at + length->second + length->first > blobs.size()) break;
        if (length->first >= 7) {
            if (auto plugin = pluginAttribute(blobs.mid(at + length->second, length->first)))
                found << *plugin;
        }
        at += length->second + length->first;
    }
    return found;
}

} // namespace

std::optional<Info> read(const ReadAt& readAt) {
    const QByteArray head = readAt(0, maxHeaders);
    View v{head};
    if (v.u16(0) != 0x5A4D) return std::nullopt; // "MZ"
    const qint64 pe = v.u32(0x3C);
    if (v.u32(pe) != 0x00004550) return std::nullopt; // "PE\0\0"
    const quint32 sectionCount = v.u16(pe + 6);
    const qint64 optional = pe + 24;
    const quint32 optionalSize = v.u16(pe + 20);
    const quint32 magic = v.u16(optional);
    const qint64 directories = optional + (magic == 0x20B ? 112 : 96);
    if (!v.ok || (magic != 0x10B && magic != 0x20B)) return std::nullopt;
    if (v.u32(directories - 4) <= quint32(cliHeaderDirectory)) return std::nullopt; // no CLI header
    const quint32 cliRva = v.u32(directories + 8 * cliHeaderDirectory);
    QList<Section> sections;
    for (quint32 i = 0; i < sectionCount && v.ok; ++i) {
        const qint64 at = optional + optionalSize + 40 * qint64(i);
        sections << Section{v.u32(at + 12), std::max(v.u32(at + 8), v.u32(at + 16)), v.u32(at + 20)};
    }
    const auto cli = fileOffset(sections, cliRva);
    if (!v.ok || !cli) return std::nullopt;
    const QByteArray cliHeader = readAt(*cli, 72);
    View c{cliHeader};
    const quint32 metadataRva = c.u32(8);
    const qint64 metadataSize = c.u32(12);
    const auto metadataAt = fileOffset(sections, metadataRva);
    if (!c.ok || !metadataAt || metadataSize > maxMetadata) return std::nullopt;
    const QByteArray metadata = readAt(*metadataAt, metadataSize);
    if (metadata.size() != metadataSize) return std::nullopt;
    const auto found = streams(metadata);
    if (!found) return std::nullopt;
    const auto names = typeNamespaces(*found);
    if (!names) return std::nullopt;
    return Info{plugins(found->blobs), *names};
}

std::optional<Info> read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return read([&file](qint64 offset, qint64 size) {
        return offset >= 0 && file.seek(offset) ? file.read(size) : QByteArray();
    });
}

std::optional<Info> read(const QByteArray& bytes) {
    return read([&bytes](qint64 offset, qint64 size) {
        return offset >= 0 && offset <= bytes.size() ? bytes.mid(offset, size) : QByteArray();
    });
}

} // namespace DllMetadata
