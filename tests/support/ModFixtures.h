#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QtTest>

#include <algorithm>

// Files for mod and config tests: plain files with their folders, and DLLs that carry a
// version record the way a Windows version resource stores it.
namespace ModFixtures {

inline void writeFile(const QString& path, const QByteArray& bytes) {
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    QCOMPARE(file.write(bytes), bytes.size());
}

inline QByteArray readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

inline void appendLE32(QByteArray& out, quint32 v) {
    for (int i = 0; i < 4; ++i)
        out.append(char((v >> (8 * i)) & 0xFF));
}

// A file that looks enough like a DLL for the version reader: filler, then the fixed
// file-information record (signature, struct version 1.0, version MS and LS words), then a tail.
// size is the whole file's size; the record sits near its end.
inline QByteArray fakeDll(quint16 major, quint16 minor, quint16 build, quint16 revision,
                          qsizetype size = 512) {
    QByteArray record;
    record.append("\xBD\x04\xEF\xFE", 4);
    appendLE32(record, 0x00010000);
    appendLE32(record, (quint32(major) << 16) | minor);
    appendLE32(record, (quint32(build) << 16) | revision);
    const qsizetype tail = 64;
    QByteArray bytes("MZ");
    const qsizetype filler = std::max<qsizetype>(0, size - bytes.size() - record.size() - tail);
    // Varied filler, as code is, that never forms the signature (it never holds 0xBD).
    bytes.reserve(size);
    quint32 state = 0x9E3779B9u ^ quint32(size);
    for (qsizetype i = 0; i < filler; ++i) {
        state = state * 1664525u + 1013904223u;
        char c = char(state >> 24);
        if (uchar(c) == 0xBD) c = 0x42;
        bytes.append(c);
    }
    bytes.append(record);
    bytes.append(QByteArray(tail, '\0'));
    return bytes;
}

// A DLL without any version record.
inline QByteArray unversionedDll() {
    return QByteArray("MZ") + QByteArray(254, '\x90');
}

} // namespace ModFixtures
