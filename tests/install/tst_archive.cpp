#include "install/Installer.h"
#include "platform/SkaldrunError.h"
#include "tests/install/GameFixture.h"
#include "tests/support/TestMain.h"
#include "tests/support/TestZip.h"

#include <sys/stat.h>

using Fixture::read;
using Fixture::tree;
using Fixture::write;

// Hostile archives: whatever an entry claims, nothing lands outside the extraction folder.
class TestArchive : public QObject {
    Q_OBJECT

    QString m_tmp;

    // Tries to install `zip` into a fresh game folder; expects extractFailed naming the entry
    // (as one of `shownAs`), the game folder untouched, nothing new anywhere around it and no
    // temporary folder left.
    void expectRefused(const TestZip& zip, const QStringList& shownAs) {
        QTemporaryDir dir;
        const QString game = Fixture::makeGame(dir, QStringLiteral("a/b/Valheim"));
        const QString path = zip.save(dir.filePath(QStringLiteral("a/b/evil.zip")));
        const QStringList before = tree(dir.path());
        const QStringList tmpBefore = tree(m_tmp);
        try {
            Installer::installZip(path, game);
            QFAIL("a hostile archive must not install");
        } catch (const SkaldrunError& e) {
            QCOMPARE(e.kind(), ErrorKind::extractFailed);
            QVERIFY2(e.message().startsWith(QStringLiteral("Couldn't extract the archive: ")),
                     qPrintable(e.message()));
            const bool named = std::any_of(shownAs.cbegin(), shownAs.cend(), [&](const QString& name) {
                return e.message().contains(QStringLiteral("“") + name + QStringLiteral("”"));
            });
            QVERIFY2(named, qPrintable(e.message()));
        }
        QCOMPARE(tree(dir.path()), before);
        QCOMPARE(tree(m_tmp), tmpBefore);
        QCOMPARE(Fixture::leftovers(m_tmp), QStringList());
        QVERIFY(!QFileInfo::exists(QStringLiteral("/etc/skaldrun-test")));
        QVERIFY(!QFileInfo::exists(QStringLiteral("/x")));
    }

    // Rewrites every uncompressed-size field of a one-entry archive (local header, data
    // descriptor, central directory) to `declared`: a bomb that lies about its size.
    static void forgeDeclaredSize(const QString& path, quint32 declared) {
        QByteArray bytes = read(path);
        auto put = [&](qsizetype at) {
            for (int b = 0; b < 4; ++b)
                bytes[at + b] = char((declared >> (8 * b)) & 0xFF);
        };
        const struct {
            const char* signature;
            int offset;
        } fields[] = {{"PK\x03\x04", 22}, {"PK\x07\x08", 12}, {"PK\x01\x02", 24}};
        for (const auto& field : fields) {
            for (qsizetype at = bytes.indexOf(field.signature); at >= 0;
                 at = bytes.indexOf(field.signature, at + 4)) {
                if (at + field.offset + 4 <= bytes.size()) put(at + field.offset);
            }
        }
        write(path, bytes);
    }

private Q_SLOTS:
    void initTestCase() { m_tmp = Fixture::isolateTemp(TestHome::path()); }

    void traversalCorpusIsRefused_data() {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QString>("shown");
        const QList<QPair<QByteArray, QString>> corpus = {
            {"../x", "../x"},
            {"../../../../../../../../tmp/x", "../../../../../../../../tmp/x"},
            {"Mod/../../x", "Mod/../../x"},
            {"Mod/./../../x", "Mod/./../../x"},
            {"..", ".."},
            {"/x", "/x"},
            {"/etc/skaldrun-test", "/etc/skaldrun-test"},
            {"C:/x", "C:/x"},
            {"c:x", "c:x"},
            {"..\\x", "../x"},
            {"Mod\\..\\..\\x", "Mod/../../x"},
            {"C:\\x", "C:/x"},
            {"\\x", "/x"},
            {"\\\\host\\share\\x", "//host/share/x"},
            {"//host/share/x", "//host/share/x"},
        };
        for (const auto& [name, shown] : corpus)
            QTest::newRow(name.constData()) << name << shown;
    }
    void traversalCorpusIsRefused() {
        QFETCH(QByteArray, name);
        QFETCH(QString, shown);
        // libarchive turns the backslashes of some archives into slashes before we see the name;
        // either form must be refused.
        expectRefused(TestZip().file("Good/Good.dll", "good").raw(name, "escaped").file("Later.dll", "later"),
                      {shown, QString::fromUtf8(name)});
    }

    void linksAreRefused() {
        expectRefused(TestZip().file("Mod/Mod.dll", "x").symlink("Mod/passwd", "/etc/passwd"),
                      QStringList{"Mod/passwd"});
        expectRefused(TestZip().symlink("up", "../../..").file("up/x", "x"), QStringList{"up"});
        expectRefused(TestZip().symlink("BepInEx", "/tmp"), QStringList{"BepInEx"});
    }

    void hardLinksNeverLinkAnything() {
        // ZIP has no hard links: libarchive's writer stores the entry as an empty file, and its
        // reader never reports one. Either way the result may not be a link to anything.
        QTemporaryDir dir;
        write(dir.filePath("victim"), "victim");
        const QString zip = TestZip()
                                .file("target.txt", "data")
                                .hardlink("hard", "target.txt")
                                .hardlink("outside", dir.filePath("victim"))
                                .save(dir.filePath("h.zip"));
        QVERIFY(QDir().mkpath(dir.filePath("out")));
        try {
            Installer::extractZip(zip, dir.filePath("out"));
            for (const char* name : {"hard", "outside"}) {
                struct stat st;
                QVERIFY(::lstat(QFile::encodeName(dir.filePath("out/") + name).constData(), &st) == 0);
                QVERIFY(S_ISREG(st.st_mode));
                QCOMPARE(st.st_nlink, nlink_t(1));
            }
        } catch (const SkaldrunError& e) {
            QCOMPARE(e.kind(), ErrorKind::extractFailed);
            QVERIFY(e.message().contains(QStringLiteral("hard link")));
        }
        QCOMPARE(read(dir.filePath("victim")), QByteArray("victim"));
    }

    void bombsStopAtTheLimit() {
        QTemporaryDir dir;
        const QString game = Fixture::makeGame(dir);
        // 64 MB of zeros compress to about 64 KB.
        const QString bomb = TestZip()
                                 .file("Bomb/Bomb.dll", "x")
                                 .filled("Bomb/zeros.bin", qint64(64) << 20)
                                 .save(dir.filePath("bomb.zip"));
        QVERIFY(QFileInfo(bomb).size() < (qint64(1) << 20));
        Installer::ExtractLimits small;
        small.maxBytes = qint64(8) << 20;
        try {
            Installer::installZip(bomb, game, small);
            QFAIL("a bomb must not unpack");
        } catch (const SkaldrunError& e) {
            QCOMPARE(e.kind(), ErrorKind::extractFailed);
            QVERIFY2(e.message().contains(QStringLiteral("more than 8 MB")), qPrintable(e.message()));
        }
        QVERIFY(!QFileInfo::exists(game + QStringLiteral("/BepInEx")));
        QCOMPARE(Fixture::leftovers(m_tmp), QStringList());

        // The same archive is fine under the real limits.
        QCOMPARE(Installer::installZip(bomb, game), QStringLiteral("Installed bomb"));
        QCOMPARE(QFileInfo(game + QStringLiteral("/BepInEx/plugins/bomb/zeros.bin")).size(), qint64(64)
                                                                                                 << 20);

        // An entry that claims 1 KB but inflates to 64 MB is stopped by what is actually written.
        const QString liar = TestZip().filled("zeros.bin", qint64(64) << 20).save(dir.filePath("liar.zip"));
        forgeDeclaredSize(liar, 1000);
        QVERIFY(QDir().mkpath(dir.filePath("liar")));
        try {
            Installer::extractZip(liar, dir.filePath("liar"), small);
            QFAIL("a lying bomb must not unpack");
        } catch (const SkaldrunError& e) {
            QVERIFY2(e.message().contains(QStringLiteral("more than 8 MB")), qPrintable(e.message()));
        }
        QVERIFY(QFileInfo(dir.filePath("liar/zeros.bin")).size() <= small.maxBytes);

        // Many small entries: counted, not summed.
        TestZip many;
        for (int i = 0; i < 30; ++i)
            many.file(QStringLiteral("Many/f%1.txt").arg(i), "x");
        Installer::ExtractLimits few;
        few.maxEntries = 20;
        QVERIFY(QDir().mkpath(dir.filePath("out")));
        try {
            Installer::extractZip(many.save(dir.filePath("many.zip")), dir.filePath("out"), few);
            QFAIL("too many entries must stop the extraction");
        } catch (const SkaldrunError& e) {
            QVERIFY2(e.message().contains(QStringLiteral("more than 20 files")), qPrintable(e.message()));
        }
    }

    void namesModesAndFolders() {
        QTemporaryDir dir;
        QVERIFY(QDir().mkpath(dir.filePath("out")));
        TestZip zip;
        zip.dir("./")
            .dir("Jötunn")
            .file("Jötunn/Jötunn.dll", "jotunn")
            .file("Jötunn/./nested//deep.txt", "deep")
            .raw("Win\\Plugin.dll", "win")
            .file("setuid.sh", "#!/bin/sh\n", 04755)
            .file("private.txt", "p", 0000)
            .dir("Locked", 0000)
            .file("Locked/inside.txt", "inside");
        Installer::extractZip(zip.save(dir.filePath("names.zip")), dir.filePath("out"));
        const QString out = dir.filePath("out");
        QCOMPARE(tree(out), (QStringList{"Jötunn/", "Jötunn/Jötunn.dll", "Jötunn/nested/",
                                         "Jötunn/nested/deep.txt", "Locked/", "Locked/inside.txt", "Win/",
                                         "Win/Plugin.dll", "private.txt", "setuid.sh"}));
        QCOMPARE(read(out + "/Win/Plugin.dll"), QByteArray("win"));
        // Plain modes only: no set-id bits, nothing we couldn't read back or clean up.
        QCOMPARE(Fixture::mode(out + "/setuid.sh") & ~0022u, 0755u & ~0022u);
        QCOMPARE(Fixture::mode(out + "/private.txt") & ~0022u, 0644u & ~0022u);
        QCOMPARE(Fixture::mode(out + "/Locked") & ~0022u, 0755u & ~0022u);
        QCOMPARE(read(out + "/Locked/inside.txt"), QByteArray("inside"));
    }

    void damagedArchivesCarryLibarchivesReason() {
        QTemporaryDir dir;
        QVERIFY(QDir().mkpath(dir.filePath("out")));
        const QString good = TestZip()
                                 .stored()
                                 .file("a.txt", QByteArray(4000, 'a'))
                                 .file("b.txt", "b")
                                 .save(dir.filePath("good.zip"));
        QByteArray bytes = read(good);
        // Cut through the first entry's data: the central directory is gone too.
        write(dir.filePath("cut.zip"), bytes.left(200));
        for (const char* name : {"cut.zip", "missing.zip"}) {
            try {
                Installer::extractZip(dir.filePath(name), dir.filePath("out"));
                QFAIL(name);
            } catch (const SkaldrunError& e) {
                QCOMPARE(e.kind(), ErrorKind::extractFailed);
                QVERIFY(e.message().size() > QStringLiteral("Couldn't extract the archive: ").size());
            }
        }
    }
};

SKALDRUN_TEST_MAIN(TestArchive)
#include "tst_archive.moc"
