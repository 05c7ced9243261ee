#include "discovery/PEVersion.h"
#include "tests/support/ModFixtures.h"
#include "tests/support/TestMain.h"

using ModFixtures::fakeDll;
using ModFixtures::versionRecord;

class TestPEVersion : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void versionsAsWindowsShowsThem_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected"); // null: no version
        const QByteArray trusted = versionRecord(0x00010000, 0x00010002, 0x00030000);
        const QByteArray stray = versionRecord(0, 0x00020000, 0);
        const QByteArray filler(300, '\xBD');
        QTest::newRow("drops a zero revision") << fakeDll(5, 4, 22, 0) << "5.4.22";
        QTest::newRow("four parts") << fakeDll(5, 4, 2202, 1) << "5.4.2202.1";
        QTest::newRow("zero major") << fakeDll(0, 1, 0, 3) << "0.1.0.3";
        QTest::newRow("largest parts") << fakeDll(65535, 65535, 65535, 65535) << "65535.65535.65535.65535";
        QTest::newRow("zero version skipped")
            << versionRecord(0x00010000, 0, 0) + fakeDll(0, 1, 0, 3) << "0.1.0.3";
        QTest::newRow("trusted wins over an earlier stray")
            << stray + trusted + fakeDll(9, 9, 9, 9) << "1.2.3";
        QTest::newRow("first stray when none is trusted")
            << filler + stray + versionRecord(7, 0x00030000, 0) << "2.0.0";
        QTest::newRow("right after a near miss") << filler + "\xBD\x04\xEF" + trusted + filler << "1.2.3";
        QTest::newRow("cut off by the end") << filler + trusted.left(15) << QString();
        QTest::newRow("only the signature") << filler + trusted.left(4) << QString();
        QTest::newRow("part of the signature") << filler + trusted.left(3) << QString();
        QTest::newRow("empty") << QByteArray() << QString();
        QTest::newRow("no record") << ModFixtures::unversionedDll() << QString();
    }
    void versionsAsWindowsShowsThem() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        const std::optional<QString> version = expected.isNull() ? std::nullopt : std::optional(expected);
        QCOMPARE(PEVersion::fileVersion(reinterpret_cast<const unsigned char*>(bytes.constData()),
                                        size_t(bytes.size())),
                 version);
        QTemporaryDir dir;
        const QString path = dir.filePath("Mod.dll");
        World::write(path, bytes);
        QCOMPARE(PEVersion::fileVersion(path), version);
    }

    void unreadablePathsGiveNothing() {
        QTemporaryDir dir;
        QVERIFY(!PEVersion::fileVersion(dir.filePath("absent.dll")));
        QVERIFY(QDir().mkpath(dir.filePath("folder.dll")) &&
                !PEVersion::fileVersion(dir.filePath("folder.dll")));
    }
};

SKALDRUN_TEST_MAIN(TestPEVersion)
#include "tst_peversion.moc"
