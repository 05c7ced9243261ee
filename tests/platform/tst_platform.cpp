#include "platform/Defaults.h"
#include "platform/Fs.h"
#include "platform/Process.h"
#include "platform/SkaldrunError.h"
#include "platform/Trash.h"
#include "tests/support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

class TestPlatform : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pathArithmetic() {
        QCOMPARE(Fs::join(QStringLiteral("/a/"), QStringLiteral("b/c")), QStringLiteral("/a/b/c"));
        QCOMPARE(Fs::fileName(QStringLiteral("/a/Valheim.app/")), QStringLiteral("Valheim.app"));
        QCOMPARE(Fs::extension(QStringLiteral("/a/Foo.DLL")), QStringLiteral("DLL"));
        QCOMPARE(Fs::extension(QStringLiteral("/a/.DS_Store")), QString());
        QCOMPARE(Fs::withoutExtension(QStringLiteral("Foo.zip")), QStringLiteral("Foo"));
        QCOMPARE(Fs::parent(QStringLiteral("/a/b")), QStringLiteral("/a"));
        QCOMPARE(Fs::displayPath(TestHome::path() + QStringLiteral("/x")), QStringLiteral("~/x"));
        QCOMPARE(Fs::displayPath(QStringLiteral("/opt/x")), QStringLiteral("/opt/x"));
        QCOMPARE(Fs::displayPath(TestHome::path() + QStringLiteral("-other/x")), TestHome::path() + QStringLiteral("-other/x"));
        QCOMPARE(Fs::displayPath(TestHome::path()), QStringLiteral("~"));
    }

    void errorsNameTheFileAndTheReason() {
        QTemporaryDir dir;
        const QString missing = dir.filePath(QStringLiteral("nope.cfg"));
        try {
            Fs::read(missing);
            QFAIL("reading a missing file must throw");
        } catch (const SkaldrunError& e) {
            QVERIFY2(e.message().contains(QStringLiteral("nope.cfg")), qPrintable(e.message()));
            QVERIFY2(e.message().contains(QStringLiteral("No such file")), qPrintable(e.message()));
            QCOMPARE(e.kind(), ErrorKind::fileSystem);
        }
        // A file where a folder should be.
        writeFile(dir.filePath(QStringLiteral("blocker")), "x");
        QVERIFY_THROWS_EXCEPTION(SkaldrunError, Fs::mkpath(dir.filePath(QStringLiteral("blocker/sub"))));
    }

    void strictUtf8() {
        QTemporaryDir dir;
        writeFile(dir.filePath(QStringLiteral("bad.txt")), QByteArray("ok \xff\xfe bad"));
        QVERIFY(!Fs::tryReadUtf8(dir.filePath(QStringLiteral("bad.txt"))));
        QVERIFY_THROWS_EXCEPTION(SkaldrunError, Fs::readUtf8(dir.filePath(QStringLiteral("bad.txt"))));
        writeFile(dir.filePath(QStringLiteral("good.txt")), QByteArray("Jötunn ⚔️"));
        QCOMPARE(*Fs::tryReadUtf8(dir.filePath(QStringLiteral("good.txt"))), QStringLiteral("Jötunn ⚔️"));
        writeFile(dir.filePath(QStringLiteral("bom.txt")), QByteArray("\xEF\xBB\xBF[General]"));
        QCOMPARE(Fs::readUtf8(dir.filePath(QStringLiteral("bom.txt"))), QStringLiteral("\uFEFF[General]"));
    }

    void listingAndWalkingSurviveLinkLoops() {
        QTemporaryDir dir;
        const QString root = dir.filePath(QStringLiteral("root"));
        writeFile(root + QStringLiteral("/a/b/c.dll"), "x");
        writeFile(root + QStringLiteral("/.hidden"), "x");
        QVERIFY(QFile::link(root, root + QStringLiteral("/a/loop")));
        QVERIFY(!Fs::list(dir.filePath(QStringLiteral("absent"))));
        QCOMPARE(Fs::list(root)->size(), 2); // "a" and ".hidden"
        QStringList seen;
        QVERIFY(Fs::walk(root, [&](const Fs::Entry& e) {
            seen << QDir(root).relativeFilePath(e.path);
            return true;
        }));
        seen.sort();
        QCOMPARE(seen, (QStringList{QStringLiteral(".hidden"), QStringLiteral("a"), QStringLiteral("a/b"),
                                    QStringLiteral("a/b/c.dll"), QStringLiteral("a/loop")}));
        const auto entries = Fs::entries(Fs::join(root, QStringLiteral("a")));
        QVERIFY(entries);
        for (const auto& e : *entries) {
            if (e.name == QLatin1String("loop"))
                QVERIFY(e.isSymLink && e.isDir);
        }
    }

    void canonicalPathResolvesLinks() {
        QTemporaryDir dir;
        writeFile(dir.filePath(QStringLiteral("real/f.cfg")), "x");
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("real")), dir.filePath(QStringLiteral("alias"))));
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("gone")), dir.filePath(QStringLiteral("dangling"))));
        const QString real = *Fs::canonicalPath(dir.filePath(QStringLiteral("real/f.cfg")));
        QCOMPARE(*Fs::canonicalPath(dir.filePath(QStringLiteral("alias/../real/./f.cfg"))), real);
        QCOMPARE(*Fs::canonicalPath(dir.filePath(QStringLiteral("alias/f.cfg"))), real);
        QVERIFY(!Fs::canonicalPath(dir.filePath(QStringLiteral("dangling"))));
    }

    void moveRefusesToOverwrite() {
        QTemporaryDir dir;
        writeFile(dir.filePath(QStringLiteral("a.dll")), "a");
        writeFile(dir.filePath(QStringLiteral("a.dll.disabled")), "old");
        QVERIFY_THROWS_EXCEPTION(SkaldrunError,
                                 Fs::move(dir.filePath(QStringLiteral("a.dll")), dir.filePath(QStringLiteral("a.dll.disabled"))));
        QCOMPARE(*Fs::tryRead(dir.filePath(QStringLiteral("a.dll.disabled"))), QByteArray("old"));
        Fs::move(dir.filePath(QStringLiteral("a.dll")), dir.filePath(QStringLiteral("b.dll")));
        QVERIFY(!Fs::exists(dir.filePath(QStringLiteral("a.dll"))));
        QCOMPARE(*Fs::tryRead(dir.filePath(QStringLiteral("b.dll"))), QByteArray("a"));
    }

    void copyItemKeepsModesAndSkipsLinks() {
        QTemporaryDir dir;
        QTemporaryDir outside;
        writeFile(outside.filePath(QStringLiteral("secret")), "outside");
        const QString src = dir.filePath(QStringLiteral("src"));
        writeFile(src + QStringLiteral("/run.sh"), "#!/bin/sh\n");
        QVERIFY(Fs::setPermissions(src + QStringLiteral("/run.sh"), 0755));
        writeFile(src + QStringLiteral("/sub/data.txt"), "d");
        QVERIFY(QFile::link(outside.filePath(QStringLiteral("secret")), src + QStringLiteral("/escape")));
        const QString dst = dir.filePath(QStringLiteral("dst"));
        Fs::copyItem(src, dst);
        QVERIFY(Fs::isExecutable(dst + QStringLiteral("/run.sh")));
        QCOMPARE(*Fs::tryRead(dst + QStringLiteral("/sub/data.txt")), QByteArray("d"));
        QVERIFY(!Fs::itemExists(dst + QStringLiteral("/escape")));
    }

    void removeDeletesLinksNotTargets() {
        QTemporaryDir dir;
        QTemporaryDir outside;
        writeFile(outside.filePath(QStringLiteral("keep.txt")), "keep");
        const QString tree = dir.filePath(QStringLiteral("tree"));
        writeFile(tree + QStringLiteral("/x.txt"), "x");
        QVERIFY(QFile::link(outside.path(), tree + QStringLiteral("/link")));
        QVERIFY(Fs::remove(tree));
        QVERIFY(!Fs::itemExists(tree));
        QVERIFY(QFile::exists(outside.filePath(QStringLiteral("keep.txt"))));
    }

    void atomicWriteReplacesWhole() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("f.cfg"));
        Fs::writeAtomic(path, "one");
        Fs::writeAtomic(path, "two");
        QCOMPARE(*Fs::tryRead(path), QByteArray("two"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
        QVERIFY_THROWS_EXCEPTION(SkaldrunError, Fs::writeAtomic(dir.filePath(QStringLiteral("no/such/dir/f")), "x"));
    }

    void trashTakesTheItemAndNeverDropsItInTheWorkingFolder() {
        // A brand-new home has no data folder yet: the trap where Qt would move the item into
        // the working directory instead.
        const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        QDir(dataHome).removeRecursively();
        QTemporaryDir work;
        const QString cwd = QDir::currentPath();
        QDir::setCurrent(work.path());
        QTemporaryDir dir(TestHome::path() + QStringLiteral("/mods-XXXXXX"));
        const QString mod = dir.filePath(QStringLiteral("SomeMod"));
        writeFile(mod + QStringLiteral("/SomeMod.dll"), "x");
        Trash::moveToTrash(mod);
        QDir::setCurrent(cwd);
        QVERIFY(!Fs::itemExists(mod));
        QVERIFY(QDir(work.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty());
        QVERIFY(Fs::isDir(dataHome + QStringLiteral("/Trash/files/SomeMod")));
        try {
            Trash::moveToTrash(mod);
            QFAIL("trashing a vanished item must throw");
        } catch (const SkaldrunError& e) {
            QVERIFY(e.message().contains(QStringLiteral("SomeMod")));
        }
    }

    void processMergesOutputAndCompletesOnLargeOutput() {
        const auto big = Process::run(QStringLiteral("/bin/sh"),
                                      {QStringLiteral("-c"), QStringLiteral("head -c 10485760 /dev/zero | tr '\\0' a; echo err >&2; exit 3")});
        QCOMPARE(big.code, 3);
        QCOMPARE(big.out.size(), 10485760 + 4);
        QVERIFY(big.out.endsWith(QStringLiteral("err\n")));
        const auto missing = Process::run(QStringLiteral("/no/such/tool"), {});
        QCOMPARE(missing.code, -1);
        QVERIFY(!missing.out.isEmpty());
    }

    void detachedProgramsAreSeenToFinish() {
        const auto started = Process::startDetached(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("exit 0")},
                                                    TestHome::path());
        QVERIFY(started.pid > 0);
        // Even where nobody reaps the finished program, it must not count as running.
        QTRY_VERIFY_WITH_TIMEOUT(!Process::isRunning(started.pid), 5000);
        const auto missing = Process::startDetached(QStringLiteral("/no/such/game"), {}, TestHome::path());
        QCOMPARE(missing.pid, 0);
        QVERIFY(!missing.error.isEmpty());
    }

    void defaultsRoundTrip() {
        QVERIFY(!Defaults::string(QStringLiteral("gameDir")));
        QVERIFY(!Defaults::boolean(QStringLiteral("setupCollapsed")));
        Defaults::setString(QStringLiteral("gameDir"), QStringLiteral("/games/Valheim, with comma"));
        Defaults::setBool(QStringLiteral("setupCollapsed"), true);
        QCOMPARE(*Defaults::string(QStringLiteral("gameDir")), QStringLiteral("/games/Valheim, with comma"));
        QVERIFY(Defaults::boolean(QStringLiteral("setupCollapsed")));
        // Stored under the temporary home, never the real one.
        QVERIFY(QFile::exists(TestHome::path() + QStringLiteral("/.config/Skaldrun/Skaldrun.conf")));
    }
};

SKALDRUN_TEST_MAIN(TestPlatform)
#include "tst_platform.moc"
