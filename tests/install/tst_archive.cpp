#include "install/Installer.h"
#include "tests/install/GameFixture.h"
#include "tests/support/TestMain.h"
#include "tests/support/TestZip.h"

#include <QtEndian>

using namespace Fixture;

// Hostile archives: whatever an entry claims, nothing lands outside the extraction folder.
class TestArchive : public QObject {
    Q_OBJECT

    QString m_tmp;

    // Rewrites every uncompressed-size field of a one-entry archive (local header, data
    // descriptor, central directory) to `declared`: a bomb that lies about its size.
    static void forgeDeclaredSize(const QString& path, quint32 declared) {
        QByteArray bytes = read(path);
        const quint32 le = qToLittleEndian(declared);
        const std::pair<const char*, int> fields[] = {
            {"PK\x03\x04", 22}, {"PK\x07\x08", 12}, {"PK\x01\x02", 24}};
        for (const auto& [signature, offset] : fields) {
            for (qsizetype at = bytes.indexOf(signature); at >= 0 && at + offset + 4 <= bytes.size();
                 at = bytes.indexOf(signature, at + 4))
                bytes.replace(at + offset, 4, reinterpret_cast<const char*>(&le), 4);
        }
        write(path, bytes);
    }

private Q_SLOTS:
    void initTestCase() { m_tmp = isolateTemp(TestHome::path()); }

    // Whatever an entry claims, installing stops with our own reason naming the entry (libarchive's
    // second line of defence would give another), nothing new anywhere around the game folder and
    // no temporary folder left. `target` makes the entry a symbolic link.
    void hostileEntriesAreRefused_data() {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("target");
        for (const char* name : {"../x", "../../../../../../../../tmp/x", "Mod/../../x", "Mod/./../../x",
                                 "..", "/x", "/etc/skaldrun-test", "C:/x", "c:x", "..\\x", "Mod\\..\\..\\x",
                                 "C:\\x", "\\x", "\\\\host\\share\\x", "//host/share/x"})
            QTest::newRow(name) << QByteArray(name) << QByteArray();
        for (const char* target : {"/etc/passwd", "../../..", "/tmp"})
            QTest::addRow("link to %s", target) << QByteArray("BepInEx") << QByteArray(target);
    }
    void hostileEntriesAreRefused() {
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, target);
        TestZip zip = TestZip().file("Good/Good.dll", "good");
        if (target.isEmpty())
            zip.raw(name, "escaped");
        else
            zip.symlink(name, target);
        zip.file(QString::fromUtf8(name + "/x"), "through it");
        QTemporaryDir dir;
        const QString game = makeGame(dir, "a/b/Valheim");
        const QString path = zip.save(dir.filePath("a/b/evil.zip"));
        const QStringList before = tree(dir.path()), tmpBefore = tree(m_tmp);
        const auto e = failure([&] { Installer::installZip(path, game); });
        QVERIFY(e && e->kind() == ErrorKind::extractFailed);
        // libarchive turns the backslashes of some archives into slashes before we see the name.
        const QString why = !target.isEmpty()     ? "is a symbolic link"
                            : name.contains("..") ? "points outside"
                                                  : "has an absolute path";
        const QString message = e->message(), shown = QString::fromUtf8(name);
        QVERIFY2(message.startsWith("Couldn't extract the archive: ") &&
                     (message.contains("“" + shown + "” " + why) ||
                      message.contains("“" + QString(shown).replace('\\', '/') + "” " + why)),
                 qPrintable(message));
        QCOMPARE(tree(dir.path()), before);
        QCOMPARE(tree(m_tmp), tmpBefore);
        QVERIFY(!QFileInfo::exists("/etc/skaldrun-test") && !QFileInfo::exists("/x"));
    }

    void bombsStopAtTheLimit() {
        QTemporaryDir dir;
        const QString game = makeGame(dir);
        const qint64 size = qint64(64) << 20; // zeros: the archive is a thousand times smaller
        const QString bomb = TestZip()
                                 .file("Bomb/Bomb.dll", "x")
                                 .filled("Bomb/zeros.bin", size)
                                 .save(dir.filePath("bomb.zip"));
        Installer::ExtractLimits small;
        small.maxBytes = qint64(8) << 20;
        auto e = failure([&] { Installer::installZip(bomb, game, small); });
        QVERIFY(e && e->kind() == ErrorKind::extractFailed && e->message().contains("more than 8 MB"));
        QVERIFY(!QFileInfo::exists(game + "/BepInEx"));
        QCOMPARE(leftovers(m_tmp), QStringList());
        // The same archive is fine under the real limits.
        QCOMPARE(Installer::installZip(bomb, game), "Installed bomb");
        QCOMPARE(QFileInfo(game + "/BepInEx/plugins/bomb/zeros.bin").size(), size);

        // An entry that claims 1 KB is stopped by what is actually written.
        const QString liar = TestZip().filled("zeros.bin", size).save(dir.filePath("liar.zip"));
        forgeDeclaredSize(liar, 1000);
        QVERIFY(QDir().mkpath(dir.filePath("out")));
        e = failure([&] { Installer::extractZip(liar, dir.filePath("out"), small); });
        QVERIFY(e && e->message().contains("more than 8 MB"));
        QVERIFY(QFileInfo(dir.filePath("out/zeros.bin")).size() <= small.maxBytes);

        // Many small entries: counted, not summed.
        TestZip many;
        for (int i = 0; i < 30; ++i)
            many.file(QString("Many/f%1.txt").arg(i), "x");
        Installer::ExtractLimits few;
        few.maxEntries = 20;
        e = failure(
            [&] { Installer::extractZip(many.save(dir.filePath("many.zip")), dir.filePath("out"), few); });
        QVERIFY(e && e->message().contains("more than 20 files"));
    }

    void namesModesAndFolders() {
        QTemporaryDir dir;
        const QString out = dir.filePath("out");
        QVERIFY(QDir().mkpath(out));
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
        Installer::extractZip(zip.save(dir.filePath("names.zip")), out);
        QCOMPARE(tree(out).join(' '),
                 "Jötunn/ Jötunn/Jötunn.dll Jötunn/nested/ Jötunn/nested/deep.txt Locked/ Locked/inside.txt "
                 "Win/ Win/Plugin.dll private.txt setuid.sh");
        QCOMPARE(read(out + "/Win/Plugin.dll") + read(out + "/Locked/inside.txt"), "wininside");
        // Plain modes only: no set-id bits, nothing we couldn't read back or clean up.
        QCOMPARE(mode(out + "/setuid.sh") & ~0022u, 0755u & ~0022u);
        QCOMPARE(mode(out + "/private.txt") & ~0022u, 0644u & ~0022u);
        QCOMPARE(mode(out + "/Locked") & ~0022u, 0755u & ~0022u);
    }

    void damagedArchivesCarryTheReason() {
        QTemporaryDir dir;
        const QString game = makeGame(dir);
        write(dir.filePath("fake.zip"), "This is a text file, not an archive.\n");
        const QString good = TestZip()
                                 .stored()
                                 .file("a.txt", QByteArray(4000, 'a'))
                                 .file("b.txt", "b")
                                 .save(dir.filePath("good.zip"));
        write(dir.filePath("cut.zip"), read(good).left(200)); // the central directory is gone too
        const QStringList before = tree(game);
        for (const char* name : {"fake.zip", "cut.zip", "missing.zip"}) {
            const auto e = failure([&] { Installer::installZip(dir.filePath(name), game); });
            QVERIFY2(e && e->kind() == ErrorKind::extractFailed, name);
            const QString prefix = "Couldn't extract the archive: ";
            QVERIFY2(e->message().startsWith(prefix) && e->message().size() > prefix.size() + 5,
                     qPrintable(e->message()));
        }
        QCOMPARE(tree(game), before);
        QCOMPARE(leftovers(m_tmp), QStringList());
    }
};

SKALDRUN_TEST_MAIN(TestArchive)
#include "tst_archive.moc"
