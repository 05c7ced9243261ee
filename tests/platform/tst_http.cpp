#include "platform/Http.h"
#include "tests/support/LoopbackServer.h"
#include "tests/support/TestMain.h"

#include <QFile>
#include <QtConcurrent/QtConcurrentRun>

// The HTTP layer is used from background threads; the tests call it the same way.
template <typename Fn> auto onWorker(Fn fn) {
    auto future = QtConcurrent::run(fn);
    future.waitForFinished();
    return future.result();
}

class TestHttp : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void downloadStreamsIntoAFileAndReportsProgress() {
        LoopbackServer server;
        QByteArray payload(3 * 1024 * 1024, '\0');
        for (int i = 0; i < payload.size(); ++i)
            payload[i] = char(i * 7);
        server.route("/a.zip", LoopbackServer::reply(payload, 200, "application/zip"));
        QTemporaryDir dir;
        const QString dest = dir.filePath("a.zip");
        const QUrl url = server.url("/a.zip");
        auto seen = std::make_shared<QList<qint64>>();
        const auto result = onWorker([=] {
            return Http::download(url, dest, [seen](qint64 received, qint64 total) {
                if (total == 3 * 1024 * 1024) seen->append(received);
            });
        });
        QVERIFY(result.responded);
        QFile file(dest);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), payload);
        QVERIFY(!seen->isEmpty());
        QCOMPARE(seen->last(), qint64(payload.size()));
    }

    // status 0: nobody listens. An error page must not pass for the archive.
    void failedDownloadLeavesNoPartialFile_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("error");
        QTest::newRow("no server") << 0 << "The server refused the connection";
        QTest::newRow("not found") << 404 << "The server answered with an error (HTTP 404)";
        QTest::newRow("server error") << 500 << "The server answered with an error (HTTP 500)";
    }
    void failedDownloadLeavesNoPartialFile() {
        QFETCH(int, status);
        QFETCH(QString, error);
        LoopbackServer server;
        server.route("/b.zip", LoopbackServer::reply("<html>gone</html>", status, "text/html"));
        QTemporaryDir dir;
        const QString dest = dir.filePath("b.zip");
        const QUrl url =
            status ? server.url("/b.zip")
                   : QUrl(QStringLiteral("http://127.0.0.1:%1/b.zip").arg(LoopbackServer::deadPort()));
        const auto result = onWorker([=] { return Http::download(url, dest); });
        QVERIFY(!result.responded);
        QCOMPARE(result.error, error);
        QVERIFY(!QFile::exists(dest));
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
        LoopbackServer::Response stalled;
        stalled.stall = true;
        server.route("/c.zip", stalled);
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
        QVERIFY(future.result().cancelled && !future.result().responded);
        QVERIFY(!QFile::exists(dest));
        // Once set, the flag keeps later transfers from starting at all.
        cancel->store(true);
        QVERIFY(onWorker([=] { return Http::get(url, {}, Http::defaultTimeouts(), cancel); }).cancelled);
        QCOMPARE(server.requestCount("/c.zip"), 1);
    }
};

SKALDRUN_TEST_MAIN(TestHttp)
#include "tst_http.moc"
