// Package icons on disk: fetched once, kept, and never kept when the server had no icon.

#include "catalog/IconCache.h"
#include "platform/Fs.h"
#include "tests/support/LoopbackServer.h"
#include "tests/support/TestMain.h"

class TstIconCache : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void keepsWhatWasPreparedAndAnswersFromDisk() {
        LoopbackServer server;
        server.route("/icons/a.png", LoopbackServer::reply("PNG-A", 200, "image/png"));
        const QUrl url = server.url("/icons/a.png");
        QCOMPARE(IconCache::fetch(url, [](const QByteArray& bytes) { return bytes + "-small"; }),
                 "PNG-A-small");
        QCOMPARE(Fs::tryRead(IconCache::pathFor(url.toEncoded())), "PNG-A-small");

        // The second ask never reaches the server.
        server.route("/icons/a.png", LoopbackServer::reply("changed", 200, "image/png"));
        QCOMPARE(IconCache::fetch(url), "PNG-A-small");
        QCOMPARE(server.requestCount("/icons/a.png"), 1);
    }

    void keepsNothingForErrorsOrRejectedBytes() {
        LoopbackServer server;
        server.route("/icons/missing.png", LoopbackServer::reply("<html>Not found</html>", 404, "text/html"));
        server.route("/icons/garbage.png", LoopbackServer::reply("garbage", 200, "image/png"));
        const QUrl missing = server.url("/icons/missing.png");
        QCOMPARE(IconCache::fetch(missing), std::nullopt);
        QVERIFY(!Fs::exists(IconCache::pathFor(missing.toEncoded())));
        const QUrl garbage = server.url("/icons/garbage.png");
        QCOMPARE(IconCache::fetch(garbage, [](const QByteArray&) { return QByteArray(); }), std::nullopt);
        QVERIFY(!Fs::exists(IconCache::pathFor(garbage.toEncoded())));
        const QUrl nobody(QStringLiteral("http://127.0.0.1:%1/icons/x.png").arg(LoopbackServer::deadPort()));
        QCOMPARE(IconCache::fetch(nobody), std::nullopt);
    }
};

SKALDRUN_TEST_MAIN(TstIconCache)
#include "tst_iconcache.moc"
