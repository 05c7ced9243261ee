#pragma once

#include "platform/SkaldrunError.h"
#include "tests/support/World.h"

#include <QByteArray>
#include <QString>
#include <QtTest>

// For mod and config tests (their files: World::write, World::read): the error check, and DLLs
// that carry a version record the way a Windows version resource stores it.
namespace ModFixtures {

// Runs `action`, which must throw a SkaldrunError whose message holds each of `parts`.
template <typename Action> void expectError(const QStringList& parts, Action action) {
    try {
        action();
    } catch (const SkaldrunError& e) {
        for (const QString& part : parts)
            QVERIFY2(e.message().contains(part), qPrintable(e.message()));
        return;
    }
    QFAIL("an error was expected");
}

// The fixed file-information record: signature, structure version, version MS and LS words.
inline QByteArray versionRecord(quint32 structVersion, quint32 ms, quint32 ls) {
    QByteArray out("\xBD\x04\xEF\xFE", 4);
    for (quint32 v : {structVersion, ms, ls}) {
        for (int i = 0; i < 4; ++i)
            out.append(char((v >> (8 * i)) & 0xFF));
    }
    return out;
}

inline QByteArray fakeDll(quint16 major, quint16 minor, quint16 build, quint16 revision) {
    return QByteArray("MZ") + QByteArray(400, '\x90') +
           versionRecord(0x00010000, (quint32(major) << 16) | minor, (quint32(build) << 16) | revision) +
           QByteArray(64, '\0');
}

inline QByteArray unversionedDll() {
    return QByteArray("MZ") + QByteArray(254, '\x90');
}

} // namespace ModFixtures
