#include "catalog/ThunderstoreStore.h"
#include "platform/Fs.h"
#include "platform/Http.h"
#include "tests/support/LoopbackServer.h"
#include "tests/support/TestMain.h"

#include <QSemaphore>
#include <QSignalSpy>
#include <QThreadPool>

namespace {

const QString listPath = QStringLiteral("/c/valheim/api/v1/package/");

QByteArray packageList(const QStringList& names) {
    QByteArray json = "[";
    for (const QString& name : names) {
        if (json.size() > 1) json += ',';
        json += QStringLiteral(R"({"name":"%1","owner":"Owner","full_name":"Owner-%1",)"
                               R"("versions":[{"version_number":"1.0.0","downloads":1}]})")
                    .arg(name)
                    .toUtf8();
    }
    return json + "]";
}

QStringList names(const QList<TSPackage>& packages) {
    QStringList out;
    for (const auto& p : packages)
        out << p.name;
    return out;
}

void writeCache(const QByteArray& bytes, qint64 ageSeconds) {
    const QString path = ThunderstoreStore::cacheFile();
    Fs::writeAtomic(path, bytes);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds),
                             QFileDevice::FileModificationTime));
}

// Loads run on the thread pool and post their result back to this thread.
#define WAIT_FOR_LOAD(store) QTRY_VERIFY_WITH_TIMEOUT(!(store).loading(), 10000)

} // namespace

class TestCatalogStore : public QObject {
    Q_OBJECT

    void pointAt(const QString& baseUrl) { qputenv("SKALDRUN_THUNDERSTORE_URL", baseUrl.toUtf8()); }
    void pointAtNobody() { pointAt(QStringLiteral("http://127.0.0.1:%1").arg(LoopbackServer::deadPort())); }

private Q_SLOTS:
    void init() {
        Fs::remove(ThunderstoreStore::cacheFile());
        Http::setDefaultTimeouts(Http::Timeouts{5000, 5000});
    }

    void constantsAndTheCacheFolder() {
        QCOMPARE(ThunderstoreStore::cacheMaxAge, 21600);
        const QString folder = Fs::parent(ThunderstoreStore::cacheFile());
        Fs::remove(folder);
        QVERIFY(!Fs::isDir(folder));
        QCOMPARE(Fs::fileName(ThunderstoreStore::cacheFile()), QStringLiteral("thunderstore-valheim.json"));
        QVERIFY(Fs::isDir(folder)); // made again each time the path is asked for
        pointAt(QStringLiteral("http://mirror.example/base/"));
        QCOMPARE(ThunderstoreStore::catalogURL(),
                 QUrl(QStringLiteral("http://mirror.example/base/c/valheim/api/v1/package/")));
    }

    void downloadsPublishesAndCachesTheDecodedDocument() {
        LoopbackServer server;
        const QByteArray body = packageList({"B", "A", "C"});
        auto gz = LoopbackServer::reply(body);
        gz.gzip = true;
        server.route(listPath, gz);
        pointAt(server.baseUrl());

        ThunderstoreStore store;
        QSignalSpy packagesSpy(&store, &ThunderstoreStore::packagesChanged);
        QSignalSpy loadingSpy(&store, &ThunderstoreStore::loadingChanged);
        QSignalSpy statusSpy(&store, &ThunderstoreStore::statusTextChanged);
        const QDateTime before = QDateTime::currentDateTime();
        store.loadIfNeeded(false);
        QVERIFY(store.loading());
        QCOMPARE(store.statusText(),
                 std::optional<QString>(QStringLiteral("Loading the Thunderstore catalog…")));
        WAIT_FOR_LOAD(store);
        QCOMPARE(names(store.packages()), (QStringList{"B", "A", "C"}));
        QCOMPARE(store.statusText(), std::nullopt);
        QVERIFY(store.loadedAt() && *store.loadedAt() >= before);
        QCOMPARE(store.indexByOwnerName().size(), 3);
        QCOMPARE(store.indexByOwnerName().value(QStringLiteral("owner-a")).name, QStringLiteral("A"));
        QCOMPARE(packagesSpy.count(), 1);
        QCOMPARE(loadingSpy.count(), 2);
        QCOMPARE(statusSpy.count(), 2);
        QCOMPARE(*Fs::tryRead(ThunderstoreStore::cacheFile()), body);
        QCOMPARE(server.requestCount(listPath), 1);

        // Filled: an ordinary request does nothing at all.
        store.loadIfNeeded(false);
        QVERIFY(!store.loading());
        QCOMPARE(loadingSpy.count(), 2);
    }

    void anErrorPageGivesAnEmptyCatalogAndLeavesTheCacheAlone() {
        LoopbackServer server;
        server.route(listPath, LoopbackServer::reply("<html><body>Service Unavailable</body></html>", 503,
                                                     "text/html"));
        pointAt(server.baseUrl());
        const QByteArray cached = packageList({"Old"});
        writeCache(cached, 7 * 3600);

        ThunderstoreStore store;
        store.loadIfNeeded(false);
        WAIT_FOR_LOAD(store);
        QVERIFY(store.packages().isEmpty());
        QCOMPARE(store.statusText(), std::nullopt);
        QVERIFY(store.loadedAt());
        QCOMPARE(*Fs::tryRead(ThunderstoreStore::cacheFile()), cached);
    }

    void aFreshCacheIsUsedWithoutTheNetwork() {
        LoopbackServer server;
        server.route(listPath, LoopbackServer::reply(packageList({"FromNetwork"})));
        pointAt(server.baseUrl());
        writeCache(packageList({"FromCache"}), 5 * 3600 + 59 * 60);

        ThunderstoreStore store;
        store.loadIfNeeded(false);
        WAIT_FOR_LOAD(store);
        QCOMPARE(names(store.packages()), QStringList{"FromCache"});
        QCOMPARE(server.requestCount(listPath), 0);
    }

    void aFreshCacheThatDoesNotParseGivesAnEmptyCatalog() {
        LoopbackServer server;
        server.route(listPath, LoopbackServer::reply(packageList({"FromNetwork"})));
        pointAt(server.baseUrl());
        writeCache("[{\"name\":", 60);

        ThunderstoreStore store;
        store.loadIfNeeded(false);
        WAIT_FOR_LOAD(store);
        QVERIFY(store.packages().isEmpty());
        QCOMPARE(store.statusText(), std::nullopt);
        QCOMPARE(server.requestCount(listPath), 0);
    }

    void aCacheSixHoursOldIsStale() {
        LoopbackServer server;
        server.route(listPath, LoopbackServer::reply(packageList({"FromNetwork"})));
        pointAt(server.baseUrl());
        writeCache(packageList({"FromCache"}), ThunderstoreStore::cacheMaxAge);

        ThunderstoreStore store;
        store.loadIfNeeded(false);
        WAIT_FOR_LOAD(store);
        QCOMPARE(names(store.packages()), QStringList{"FromNetwork"});
        QCOMPARE(server.requestCount(listPath), 1);
        // The new download replaced the cache and made it fresh again.
        QCOMPARE(*Fs::tryRead(ThunderstoreStore::cacheFile()), packageList({"FromNetwork"}));
        QVERIFY(Fs::modificationTime(ThunderstoreStore::cacheFile())->secsTo(QDateTime::currentDateTime()) <
                60);
    }

    void aForcedReloadIgnoresTheCacheAgeButFallsBackToIt() {
        LoopbackServer server;
        server.route(listPath, LoopbackServer::reply(packageList({"FromNetwork"})));
        pointAt(server.baseUrl());
        writeCache(packageList({"FromCache"}), 60);

        ThunderstoreStore store;
        store.loadIfNeeded(true);
        WAIT_FOR_LOAD(store);
        QCOMPARE(names(store.packages()), QStringList{"FromNetwork"});
        QCOMPARE(server.requestCount(listPath), 1);

        writeCache(packageList({"Cached", "Again"}), 60);
        pointAtNobody();
        store.loadIfNeeded(true);
        QVERIFY(store.loading());
        WAIT_FOR_LOAD(store);
        QCOMPARE(names(store.packages()), (QStringList{"Cached", "Again"}));
        QCOMPARE(store.statusText(), std::nullopt);
    }

    void noConnectionFallsBackToACacheOfAnyAge() {
        pointAtNobody();
        writeCache(packageList({"Ancient"}), 30 * 24 * 3600);
        ThunderstoreStore store;
        store.loadIfNeeded(false);
        WAIT_FOR_LOAD(store);
        QCOMPARE(names(store.packages()), QStringList{"Ancient"});
        QCOMPARE(store.statusText(), std::nullopt);
    }

    void noConnectionAndNoCacheReportsTheFailureAndKeepsThePackages() {
        LoopbackServer server;
        server.route(listPath, LoopbackServer::reply(packageList({"Kept"})));
        pointAt(server.baseUrl());
        ThunderstoreStore store;
        store.loadIfNeeded(false);
        WAIT_FOR_LOAD(store);
        const QDateTime loadedAt = *store.loadedAt();

        Fs::remove(ThunderstoreStore::cacheFile());
        pointAtNobody();
        store.loadIfNeeded(true);
        WAIT_FOR_LOAD(store);
        QCOMPARE(store.statusText(), std::optional<QString>(QStringLiteral(
                                         "Couldn't load the catalog: The server refused the connection")));
        QCOMPARE(names(store.packages()), QStringList{"Kept"});
        QCOMPARE(*store.loadedAt(), loadedAt);

        // A later success clears the message.
        pointAt(server.baseUrl());
        store.loadIfNeeded(true);
        WAIT_FOR_LOAD(store);
        QCOMPARE(store.statusText(), std::nullopt);
    }

    void aStalledServerTimesOut() {
        LoopbackServer server;
        LoopbackServer::Response silent;
        silent.stall = true;
        server.route(listPath, silent);
        pointAt(server.baseUrl());
        Http::setDefaultTimeouts(Http::Timeouts{400, 400});

        ThunderstoreStore store;
        store.loadIfNeeded(false);
        WAIT_FOR_LOAD(store);
        QCOMPARE(store.statusText(),
                 std::optional<QString>(
                     QStringLiteral("Couldn't load the catalog: The server stopped answering (timed out)")));
        QVERIFY(store.packages().isEmpty());
        QVERIFY(!store.loadedAt());
    }

    void aSecondRequestWhileLoadingDoesNothing() {
        LoopbackServer server;
        auto slow = LoopbackServer::reply(packageList({"Slow"}));
        slow.delayMs = 500;
        server.route(listPath, slow);
        pointAt(server.baseUrl());

        ThunderstoreStore store;
        QSignalSpy loadingSpy(&store, &ThunderstoreStore::loadingChanged);
        store.loadIfNeeded(false);
        store.loadIfNeeded(true);
        store.loadIfNeeded(false);
        WAIT_FOR_LOAD(store);
        QThreadPool::globalInstance()->waitForDone();
        QCOMPARE(server.requestCount(listPath), 1);
        QCOMPARE(loadingSpy.count(), 2);
        QCOMPARE(names(store.packages()), QStringList{"Slow"});
    }

    void aStoreDestroyedWhileLoadingIsLeftAlone() {
        LoopbackServer server;
        auto slow = LoopbackServer::reply(packageList({"Late"}));
        slow.delayMs = 300;
        server.route(listPath, slow);
        pointAt(server.baseUrl());

        auto* store = new ThunderstoreStore;
        store->loadIfNeeded(false);
        QTRY_COMPARE(server.requestCount(listPath), 1);
        delete store;
        QThreadPool::globalInstance()->waitForDone();
        QCoreApplication::processEvents(); // the posted result finds no store
        QCOMPARE(*Fs::tryRead(ThunderstoreStore::cacheFile()), packageList({"Late"}));
    }

    void aLoadThatStartsAfterTheStoreIsGoneDoesNothing() {
        LoopbackServer server;
        server.route(listPath, LoopbackServer::reply(packageList({"Never"})));
        pointAt(server.baseUrl());

        // Hold every worker so that the load is still queued when the store goes.
        QThreadPool* pool = QThreadPool::globalInstance();
        const int threads = pool->maxThreadCount();
        QSemaphore release;
        for (int i = 0; i < threads; ++i)
            pool->start([&release] { release.acquire(); });
        auto* store = new ThunderstoreStore;
        store->loadIfNeeded(false);
        delete store;
        release.release(threads);
        pool->waitForDone();
        QCoreApplication::processEvents();
        QCOMPARE(server.requestCount(listPath), 0);
    }
};

SKALDRUN_TEST_MAIN(TestCatalogStore)
#include "tst_catalog_store.moc"
