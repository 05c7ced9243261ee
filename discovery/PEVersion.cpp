#include "discovery/PEVersion.h"

#include <QFile>

#include <cstring>

namespace PEVersion {

namespace {

// The fixed file-information record starts with 0xFEEF04BD, little-endian.
constexpr unsigned char signature[4] = {0xBD, 0x04, 0xEF, 0xFE};
constexpr quint32 trustedStructVersion = 0x00010000;

quint32 readLE32(const unsigned char* p) {
    return quint32(p[0]) | (quint32(p[1]) << 8) | (quint32(p[2]) << 16) | (quint32(p[3]) << 24);
}

// memchr for the first byte is several times faster than memmem's general search on the
// megabytes a plugin scan reads, and 0xBD is rare enough in code and metadata.
const unsigned char* findSignature(const unsigned char* from, const unsigned char* end) {
    while (end - from >= 4) {
        from = static_cast<const unsigned char*>(std::memchr(from, signature[0], size_t(end - from - 3)));
        if (!from) return nullptr;
        if (from[1] == signature[1] && from[2] == signature[2] && from[3] == signature[3]) return from;
        ++from;
    }
    return nullptr;
}

} // namespace

std::optional<QString> fileVersion(const unsigned char* data, size_t size) {
    std::optional<QString> fallback;
    const unsigned char* end = data + size;
    for (const unsigned char* p = findSignature(data, end); p; p = findSignature(p + 1, end)) {
        if (end - p < 16) continue;
        const quint32 structVersion = readLE32(p + 4);
        const quint32 ms = readLE32(p + 8);
        const quint32 ls = readLE32(p + 12);
        if (ms == 0 && ls == 0) continue;
        QString text = QString::number(ms >> 16) + QLatin1Char('.') + QString::number(ms & 0xFFFF) +
                       QLatin1Char('.') + QString::number(ls >> 16);
        if ((ls & 0xFFFF) != 0) text += QLatin1Char('.') + QString::number(ls & 0xFFFF);
        if (structVersion == trustedStructVersion) return text;
        if (!fallback) fallback = text;
    }
    return fallback;
}

std::optional<QString> fileVersion(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const qint64 size = file.size();
    if (size <= 0) return std::nullopt;
    if (uchar* mapped = file.map(0, size)) return fileVersion(mapped, size_t(size));
    // Some file systems refuse to map; read instead.
    const QByteArray bytes = file.readAll();
    return fileVersion(reinterpret_cast<const unsigned char*>(bytes.constData()), size_t(bytes.size()));
}

} // namespace PEVersion
