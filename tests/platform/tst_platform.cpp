#include "platform/Fs.h"
#include "platform/Http.h"
#include "platform/Process.h"
#include "platform/Trash.h"
#include "tests/install/GameFixture.h"
#include "tests/support/LoopbackServer.h"
#include "tests/support/TestMain.h"

#include <QStandardPaths>
#include <QtConcurrent/QtConcurrentRun>

#include <csignal>

using ModFixtures::expectError;

// The HTTP layer is used from background threads; the tests call it the same way.
template <typename Fn> auto onWorker(Fn fn) {
    auto future = QtConcurrent::run(fn);
    future.waitForFinished();
    return future.result();
}

class TestPlatform : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pathsForDisplayAndExtensions() {
        const QString home = TestHome::path();
        QCOMPARE(Fs::displayPath(home + "-other/x"), home + "-other/x"); // "~/…": the views' sentences
        QCOMPARE(Fs::extension("/a/.DS_Store"), QString());              // "Loose.DLL": the installer's tests
        // A folder not made yet is on its parent's volume; /dev is a file system of its own.
        QVERIFY(Fs::sameVolume(home, home + "/not/made/yet") && !Fs::sameVolume(home, "/dev"));
    }

    void readingFailuresNameTheFileAndTheReason() {
        QTemporaryDir dir;
        expectError({"nope.cfg", "No such file"}, [&] { Fs::read(dir.filePath("nope.cfg")); });
        World::write(dir.filePath("blocker"), "x"); // a file where a folder should be
        QVERIFY_THROWS_EXCEPTION(SkaldrunError, Fs::mkpath(dir.filePath("blocker/sub")));

        const QString bad = dir.filePath("bad.txt");
        World::write(bad, "ok \xff\xfe bad");
        QVERIFY(!Fs::tryReadUtf8(bad));
        expectError({"bad.txt", "isn't UTF-8"}, [&] { Fs::readUtf8(bad); });
        expectError({Fs::fileName(dir.path())}, [&] { Fs::read(dir.path()); }); // a folder is no file
        const QString good = dir.filePath("good.txt");
        World::write(good, "\xEF\xBB\xBFJötunn ⚔️");
        QCOMPARE(*Fs::tryReadUtf8(good), "\uFEFFJötunn ⚔️"); // the mark is kept
    }

    // Lines across the reader's blocks, longer than a block, past the cut, CRLF, no last end.
    void linesComeAsWrittenWhateverTheirLength() {
        QTemporaryDir dir;
        QByteArray text;
        for (int i = 0; i < 3000; ++i)
            text += QByteArray(i * 37 % 700, char('a' + i % 26)) + (i % 3 ? "\n" : "\r\n");
        text += QByteArray(300000, 'x') + "\r\n" + QByteArray(999, 'y') + "\r\r\nlast";
        World::write(dir.filePath("log"), text);
        QList<QByteArray> expected, got;
        for (const QByteArray& line : text.split('\n'))
            expected << (line.endsWith('\r') ? line.chopped(1) : line).left(1000);
        QVERIFY(Fs::readLines(dir.filePath("log"), 1000, [&](std::string_view line) {
            got << QByteArray(line.data(), qsizetype(line.size()));
            return true;
        }));
        QCOMPARE(got, expected);
        QVERIFY(!Fs::readLines(dir.filePath("none"), 1000, [](std::string_view) { return true; }));
    }

    void listingAndWalkingSurviveLinkLoops() {
        QTemporaryDir dir;
        const QString root = dir.filePath("root");
        Fixture::make(dir.path(), {"root/a/b/c.dll = x", "root/.hidden = x", "root/a/loop -> root"});
        QVERIFY(!Fs::list(dir.filePath("absent")));
        QCOMPARE(Fs::list(root)->size(), 2); // "a" and ".hidden"
        QStringList seen;
        QVERIFY(Fs::walk(root, [&](const Fs::Entry& e) {
            seen << QDir(root).relativeFilePath(e.path);
            return true;
        }));
        seen.sort();
        QCOMPARE(seen, (QStringList{".hidden", "a", "a/b", "a/b/c.dll", "a/loop"}));
        const auto entries = Fs::entries(Fs::join(root, "a"));
        for (const auto& e : *entries)
            QVERIFY(e.name != QLatin1String("loop") || (e.isSymLink && e.isDir));
    }

    void copyAndRemoveNeverFollowLinksOut() {
        QTemporaryDir dir;
        const QString src = dir.filePath("src");
        Fixture::make(dir.path(),
                      {"outside/secret = outside", "src/run.sh = #!/bin/sh\n", "src/sub/data.txt = d",
                       "src/escape -> outside/secret", "src/sub/folder -> outside"});
        QVERIFY(Fs::setPermissions(src + "/run.sh", 0755));
        const QString dst = dir.filePath("dst");
        Fs::copyItem(src, dst);
        QVERIFY(Fs::isExecutable(dst + "/run.sh"));
        QCOMPARE(*Fs::tryRead(dst + "/sub/data.txt"), QByteArray("d"));
        QVERIFY(!Fs::itemExists(dst + "/escape"));

        QVERIFY(Fs::remove(src) && !Fs::itemExists(src));
        QCOMPARE(*Fs::tryRead(dir.filePath("outside/secret")), QByteArray("outside"));
    }

    void trashTakesTheItemAndNeverDropsItInTheWorkingFolder() {
        // A brand-new home has no data folder yet: the trap where Qt would move the item into
        // the working directory instead.
        const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        QDir(dataHome).removeRecursively();
        QTemporaryDir work;
        const QString cwd = QDir::currentPath();
        QDir::setCurrent(work.path());
        QTemporaryDir dir(TestHome::path() + "/mods-XXXXXX");
        const QString mod = dir.filePath("SomeMod");
        World::write(mod + "/SomeMod.dll", "x");
        Trash::moveToTrash(mod);
        QDir::setCurrent(cwd);
        QVERIFY(!Fs::itemExists(mod));
        QVERIFY(
            QDir(work.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty());
        QVERIFY(Fs::isDir(dataHome + "/Trash/files/SomeMod"));
        expectError({"SomeMod"}, [&] { Trash::moveToTrash(mod); });
    }

    void processMergesOutputAndCompletesOnLargeOutput() {
        const auto big =
            Process::run("/bin/sh", {"-c", "head -c 10485760 /dev/zero | tr '\\0' a; echo err >&2; exit 3"});
        QCOMPARE(big.code, 3);
        QCOMPARE(big.out.size(), 10485760 + 4);
        QVERIFY(big.out.endsWith("err\n"));
        const auto binary = Process::run("/bin/sh", {"-c", "printf '\\377\\376'"});
        QCOMPARE(binary.code, 0);
        QCOMPARE(binary.out, QString()); // not UTF-8
        const auto missing = Process::run("/no/such/tool", {});
        QCOMPARE(missing.code, -1);
        QVERIFY(!missing.out.isEmpty());
    }

    void detachedProgramsAreSeenToFinish() {
        const auto started = Process::startDetached("/bin/sh", {"-c", "exit 0"}, TestHome::path());
        QVERIFY(started.process.pid > 0);
        // Even where nobody reaps the finished program, it must not count as running.
        QTRY_VERIFY_WITH_TIMEOUT(!Process::isRunning(started.process), 5000);
        const auto missing = Process::startDetached("/no/such/game", {}, TestHome::path());
        QCOMPARE(missing.process.pid, 0);
        QVERIFY(!missing.error.isEmpty());

        // A process that started at another time holds the id: that is not our program.
        const auto game = Process::startDetached("/bin/sh", {"-c", "exec sleep 10"}, {});
        QVERIFY(Process::isRunning(game.process) &&
                !Process::isRunning({game.process.pid, *game.process.startTime + 1}));
        ::kill(pid_t(game.process.pid), SIGKILL);
        QTRY_VERIFY_WITH_TIMEOUT(!Process::isRunning(game.process), 5000);
    }

    // A download streams into its file and reports its progress to the end; a failed one leaves no
    // file behind. Status 0: nobody listens. An error page must not pass for the archive.
    void downloads_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("error"); // "" for none
        QTest::newRow("done") << 200 << "";
        QTest::newRow("no server") << 0 << "The server refused the connection";
        QTest::newRow("not found") << 404 << "The server answered with an error (HTTP 404)";
    }
    void downloads() {
        QFETCH(int, status);
        QFETCH(QString, error);
        QByteArray payload(3 * 1024 * 1024, '\0');
        for (int i = 0; i < payload.size(); ++i)
            payload[i] = char(i * 7);
        LoopbackServer server;
        server.route("/a.zip", LoopbackServer::reply(status == 200 ? payload : "<html>gone</html>", status,
                                                     status == 200 ? "application/zip" : "text/html"));
        QTemporaryDir dir;
        const QString dest = dir.filePath("a.zip");
        const QUrl url =
            status ? server.url("/a.zip")
                   : QUrl(QStringLiteral("http://127.0.0.1:%1/a.zip").arg(LoopbackServer::deadPort()));
        auto seen = std::make_shared<QList<qint64>>();
        const auto result = onWorker([=] {
            return Http::download(url, dest, [seen](qint64 received, qint64 total) {
                if (total == 3 * 1024 * 1024) seen->append(received);
            });
        });
        QCOMPARE(result.responded, error.isEmpty());
        QCOMPARE(result.error, error);
        QCOMPARE(Fs::tryRead(dest), error.isEmpty() ? std::optional(payload) : std::nullopt);
        if (error.isEmpty()) QCOMPARE(seen->value(seen->size() - 1), qint64(payload.size()));
    }

    // A stalled transfer stops soon after it is cancelled, long before its time-outs.
    void cancellingStopsAStalledDownload_data() {
        QTest::addColumn<bool>("everyRunning");
        QTest::newRow("its flag") << false;
        QTest::newRow("every running transfer") << true;
    }
    void cancellingStopsAStalledDownload() {
        QFETCH(bool, everyRunning);
        LoopbackServer server;
        server.route("/c.zip", {.stall = true});
        QTemporaryDir dir;
        const QString dest = dir.filePath("c.zip");
        const QUrl url = server.url("/c.zip");
        const Http::CancelFlag cancel = Http::newCancelFlag();
        auto future = QtConcurrent::run([=] {
            return Http::download(url, dest, {}, {600000, 600000}, cancel);
        });
        QTRY_COMPARE(server.requestCount("/c.zip"), 1);
        if (everyRunning)
            Http::cancelRunning();
        else
            cancel->store(true);
        QTRY_VERIFY_WITH_TIMEOUT(future.isFinished(), 10000);
        QVERIFY(future.result().cancelled && !future.result().responded && !QFile::exists(dest));
        // Once set, the flag keeps later transfers from starting at all.
        cancel->store(true);
        QVERIFY(onWorker([=] { return Http::get(url, {}, Http::defaultTimeouts(), cancel); }).cancelled);
        QCOMPARE(server.requestCount("/c.zip"), 1);
    }
};

SKALDRUN_TEST_MAIN(TestPlatform)
#include "tst_platform.moc"
