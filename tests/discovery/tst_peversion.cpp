#include "discovery/PEVersion.h"
#include "tests/support/TestMain.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

namespace {

void put32(QByteArray& out, quint32 v) {
    for (int i = 0; i < 4; ++i)
        out.append(char((v >> (8 * i)) & 0xFF));
}

// VS_VERSIONINFO as a resource compiler lays it out: header, the UTF-16 key, padding, then
// the fixed file information record.
QByteArray versionInfo(quint16 a, quint16 b, quint16 c, quint16 d, quint32 structVersion = 0x00010000) {
    QByteArray block;
    block.append("\x5c\x03\x34\x00\x00\x00", 6); // wLength, wValueLength = 52, wType
    for (QChar ch : QStringLiteral("VS_VERSION_INFO"))
        block.append(char(ch.unicode())).append('\0');
    block.append("\0\0\0\0", 4); // terminator and alignment
    put32(block, 0xFEEF04BD);
    put32(block, structVersion);
    put32(block, (quint32(a) << 16) | b);
    put32(block, (quint32(c) << 16) | d);
    put32(block, (quint32(a) << 16) | b); // product version
    put32(block, (quint32(c) << 16) | d);
    for (int i = 0; i < 7; ++i)
        put32(block, 0); // flags, OS, type, dates
    return block;
}

QByteArray peHeader() {
    QByteArray head("MZ\x90\x00", 4);
    head.append(QByteArray(0x3c - 4, '\0'));
    put32(head, 0x80);
    head.append(QByteArray(0x80 - head.size(), '\0'));
    head.append("PE\0\0", 4);
    head.append(QByteArray(400, '\x11'));
    return head;
}

QString writeTemp(QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return path;
}

} // namespace

class TestPEVersion : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void versionsAsWindowsShowsThem_data() {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<QString>("expected");
        QTest::newRow("drops a zero revision") << versionInfo(5, 4, 22, 0) << QStringLiteral("5.4.22");
        QTest::newRow("four parts") << versionInfo(5, 4, 2202, 1) << QStringLiteral("5.4.2202.1");
        QTest::newRow("1.0.0.0") << versionInfo(1, 0, 0, 0) << QStringLiteral("1.0.0");
        QTest::newRow("zero major") << versionInfo(0, 1, 0, 3) << QStringLiteral("0.1.0.3");
        QTest::newRow("largest parts") << versionInfo(65535, 65535, 65535, 65535)
                                       << QStringLiteral("65535.65535.65535.65535");
    }
    void versionsAsWindowsShowsThem() {
        QFETCH(QByteArray, record);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        const QString path = writeTemp(dir, QStringLiteral("Mod.dll"), peHeader() + record + QByteArray(300, '\0'));
        QCOMPARE(PEVersion::fileVersion(path), std::optional<QString>(expected));
    }

    void trustedRecordWinsOverAnEarlierStray() {
        QTemporaryDir dir;
        const QByteArray bytes = peHeader() + versionInfo(2, 0, 0, 0, 0) + versionInfo(0, 0, 0, 0) +
                                 versionInfo(1, 2, 3, 0) + versionInfo(9, 9, 9, 9);
        QCOMPARE(*PEVersion::fileVersion(writeTemp(dir, QStringLiteral("a.dll"), bytes)), QStringLiteral("1.2.3"));
        const QByteArray strayOnly = peHeader() + versionInfo(2, 0, 0, 0, 0) + versionInfo(3, 0, 0, 0, 7);
        QCOMPARE(*PEVersion::fileVersion(writeTemp(dir, QStringLiteral("b.dll"), strayOnly)), QStringLiteral("2.0.0"));
    }

    void overlappingSignaturesAreFound() {
        // A stray signature byte sequence right before the real one must not hide it.
        QTemporaryDir dir;
        QByteArray bytes = peHeader();
        bytes.append("\xBD\x04\xEF", 3);
        bytes.append(versionInfo(1, 5, 0, 0).mid(36));
        QCOMPARE(*PEVersion::fileVersion(writeTemp(dir, QStringLiteral("c.dll"), bytes)), QStringLiteral("1.5.0"));
    }

    void nothingUsable() {
        QTemporaryDir dir;
        QVERIFY(!PEVersion::fileVersion(dir.filePath(QStringLiteral("absent.dll"))));
        QVERIFY(!PEVersion::fileVersion(writeTemp(dir, QStringLiteral("empty.dll"), QByteArray())));
        QVERIFY(!PEVersion::fileVersion(writeTemp(dir, QStringLiteral("tiny.dll"), "MZ\x90")));
        QVERIFY(!PEVersion::fileVersion(writeTemp(dir, QStringLiteral("readme.txt"), "just some text\n")));
        QVERIFY(!PEVersion::fileVersion(writeTemp(dir, QStringLiteral("zero.dll"), peHeader() + versionInfo(0, 0, 0, 0))));
        // A signature in the last 15 bytes is cut off by the end of the file.
        QByteArray cut = peHeader() + versionInfo(1, 2, 3, 4).left(36 + 15);
        QVERIFY(!PEVersion::fileVersion(writeTemp(dir, QStringLiteral("cut.dll"), cut)));
        QDir().mkpath(dir.filePath(QStringLiteral("folder.dll")));
        QVERIFY(!PEVersion::fileVersion(dir.filePath(QStringLiteral("folder.dll"))));
    }

    void realDllsOnThisMachine() {
        // Any Windows DLL the machine happens to carry (Mono, Wine) must give an answer without
        // trouble; most have a trusted record.
        int checked = 0;
        for (const char* root : {"/usr/lib/mono", "/usr/lib/wine", "/usr/share/dotnet"}) {
            QDirIterator it(QString::fromLatin1(root), {QStringLiteral("*.dll")}, QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext() && checked < 50) {
                const QString path = it.next();
                const auto version = PEVersion::fileVersion(path);
                if (version)
                    QVERIFY2(version->count(QLatin1Char('.')) >= 2, qPrintable(path));
                ++checked;
            }
        }
        if (checked == 0)
            QSKIP("no Windows DLLs on this machine");
    }
};

SKALDRUN_TEST_MAIN(TestPEVersion)
#include "tst_peversion.moc"
