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
    QByteArrayList packages;
    for (const QString& name : names)
        packages << QStringLiteral(R"({"name":"%1","owner":"Owner","full_name":"Owner-%1",)"
                                   R"("versions":[{"version_number":"1.0.0","downloads":1}]})")
                        .arg(name)
                        .toUtf8();
    return "[" + packages.join(',') + "]";
}

QStringList names(const ThunderstoreStore& store) {
    QStringList out;
    for (const auto& p : store.packages())
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

void pointAt(const QString& baseUrl) {
    qputenv("SKALDRUN_THUNDERSTORE_URL", baseUrl.toUtf8());
}
void pointAtNobody() {
    pointAt(QStringLiteral("http://127.0.0.1:%1").arg(LoopbackServer::deadPort()));
}

std::unique_ptr<LoopbackServer> serve(const LoopbackServer::Response& response) {
    auto server = std::make_unique<LoopbackServer>();
    server->route(listPath, response);
    pointAt(server->baseUrl());
    return server;
}

// Loads run on the thread pool and post their result back to this thread.
void load(ThunderstoreStore& store, bool force) {
    store.loadIfNeeded(force);
    QTRY_VERIFY_WITH_TIMEOUT(!store.loading(), 10000);
}

} // namespace

class TestCatalogStore : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() {
        Fs::remove(ThunderstoreStore::cacheFile());
        Http::setDefaultTimeouts(Http::Timeouts{5000, 5000});
    }

    void theCacheFolderIsMadeWheneverAskedFor() {
        const QString folder = Fs::parent(ThunderstoreStore::cacheFile());
        Fs::remove(folder);
        QCOMPARE(Fs::fileName(ThunderstoreStore::cacheFile()), QStringLiteral("thunderstore-valheim.json"));
        QVERIFY(Fs::isDir(folder));
        pointAt(QStringLiteral("http://mirror.example/base/"));
        QCOMPARE(ThunderstoreStore::catalogURL(),
                 QUrl(QStringLiteral("http://mirror.example/base/c/valheim/api/v1/package/")));
    }

    void downloadsPublishesAndCachesTheDecodedDocument() {
        const QByteArray body = packageList({"B", "A", "C"});
        auto gz = LoopbackServer::reply(body);
        gz.gzip = true;
        const auto server = serve(gz);
        ThunderstoreStore store;
        QSignalSpy packagesSpy(&store, &ThunderstoreStore::packagesChanged);
        QSignalSpy loadingSpy(&store, &ThunderstoreStore::loadingChanged);
        QSignalSpy statusSpy(&store, &ThunderstoreStore::statusTextChanged);
        const QDateTime before = QDateTime::currentDateTime();
        store.loadIfNeeded(false);
        QVERIFY(store.loading());
        QCOMPARE(store.statusText(),
                 std::optional<QString>(QStringLiteral("Loading the Thunderstore catalog…")));
        store.loadIfNeeded(true); // while loading, even a forced request does nothing
        load(store, false);
        QThreadPool::globalInstance()->waitForDone();
        QCOMPARE(names(store), (QStringList{"B", "A", "C"}));
        QCOMPARE(store.statusText(), std::nullopt);
        QVERIFY(store.loadedAt() && *store.loadedAt() >= before);
        QCOMPARE(store.indexByOwnerName().value(QStringLiteral("owner-a")).name, QStringLiteral("A"));
        QCOMPARE(packagesSpy.count(), 1);
        QCOMPARE(loadingSpy.count(), 2);
        QCOMPARE(statusSpy.count(), 2);
        QCOMPARE(*Fs::tryRead(ThunderstoreStore::cacheFile()), body);
        QCOMPARE(server->requestCount(listPath), 1);

        store.loadIfNeeded(false); // filled: an ordinary request does nothing at all
        QVERIFY(!store.loading());
        QCOMPARE(loadingSpy.count(), 2);
    }

    void whereTheCatalogComesFrom_data() {
        QTest::addColumn<qint64>("cacheAge");
        QTest::addColumn<QByteArray>("cache");
        QTest::addColumn<QByteArray>("served"); // null: nobody answers
        QTest::addColumn<bool>("force");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("requests");
        const QByteArray cached = packageList({"Cached"});
        const QByteArray network = packageList({"Network"});
        const QByteArray nobody;
        QTest::newRow("fresh cache") << qint64(5 * 3600 + 59 * 60) << cached << network << false
                                     << QStringList{"Cached"} << 0;
        QTest::newRow("fresh cache that doesn't parse")
            << qint64(60) << QByteArray("[{\"name\":") << network << false << QStringList() << 0;
        QTest::newRow("six hours old")
            << qint64(21600) << cached << network << false << QStringList{"Network"} << 1;
        QTest::newRow("forced") << qint64(60) << cached << network << true << QStringList{"Network"} << 1;
        QTest::newRow("forced, nobody there")
            << qint64(60) << cached << nobody << true << QStringList{"Cached"} << 0;
        QTest::newRow("nobody there, a month-old cache")
            << qint64(30 * 24 * 3600) << cached << nobody << false << QStringList{"Cached"} << 0;
        QTest::newRow("an error page, stale cache") // served with status 503
            << qint64(7 * 3600) << cached << QByteArray("<html><body>Service Unavailable</body></html>")
            << false << QStringList() << 1;
    }
    void whereTheCatalogComesFrom() {
        QFETCH(qint64, cacheAge);
        QFETCH(QByteArray, cache);
        QFETCH(QByteArray, served);
        QFETCH(bool, force);
        QFETCH(QStringList, expected);
        QFETCH(int, requests);
        std::unique_ptr<LoopbackServer> server;
        if (served.isNull())
            pointAtNobody();
        else
            server = serve(LoopbackServer::reply(served, served.startsWith('<') ? 503 : 200));
        writeCache(cache, cacheAge);

        ThunderstoreStore store;
        load(store, force);
        QCOMPARE(names(store), expected);
        QCOMPARE(store.statusText(), std::nullopt);
        QVERIFY(store.loadedAt());
        QCOMPARE(server ? server->requestCount(listPath) : 0, requests);
        // Only a download that parsed into packages replaces the cache, and makes it fresh.
        const QString cacheFile = ThunderstoreStore::cacheFile();
        const bool replaced = requests == 1 && !expected.isEmpty();
        QCOMPARE(*Fs::tryRead(cacheFile), replaced ? served : cache);
        if (replaced) QVERIFY(Fs::modificationTime(cacheFile)->secsTo(QDateTime::currentDateTime()) < 60);
    }

    void failuresAreReportedAndKeepThePackages() {
        LoopbackServer server;
        server.route(listPath, LoopbackServer::reply(packageList({"Kept"})));
        LoopbackServer::Response silent;
        silent.stall = true;
        server.route(QStringLiteral("/stall") + listPath, silent);
        pointAt(server.baseUrl());
        ThunderstoreStore store;
        load(store, false);
        const QDateTime loadedAt = *store.loadedAt();

        Fs::remove(ThunderstoreStore::cacheFile());
        pointAtNobody();
        load(store, true);
        QCOMPARE(store.statusText(), std::optional<QString>(QStringLiteral(
                                         "Couldn't load the catalog: The server refused the connection")));
        QCOMPARE(names(store), QStringList{"Kept"});
        QCOMPARE(*store.loadedAt(), loadedAt);

        pointAt(server.baseUrl() + QStringLiteral("/stall"));
        Http::setDefaultTimeouts(Http::Timeouts{400, 400});
        load(store, true);
        QCOMPARE(store.statusText(),
                 std::optional<QString>(
                     QStringLiteral("Couldn't load the catalog: The server stopped answering (timed out)")));
        QCOMPARE(names(store), QStringList{"Kept"});

        pointAt(server.baseUrl()); // a later success clears the message
        load(store, true);
        QCOMPARE(store.statusText(), std::nullopt);
    }

    void aStoreDestroyedWhileLoadingIsLeftAlone() {
        auto slow = LoopbackServer::reply(packageList({"Late"}));
        slow.delayMs = 300;
        const auto server = serve(slow);
        auto* store = new ThunderstoreStore;
        store->loadIfNeeded(false);
        QTRY_COMPARE(server->requestCount(listPath), 1);
        delete store;
        QThreadPool::globalInstance()->waitForDone();
        QCoreApplication::processEvents(); // the posted result finds no store
        QCOMPARE(*Fs::tryRead(ThunderstoreStore::cacheFile()), packageList({"Late"}));
    }

    void aLoadThatStartsAfterTheStoreIsGoneDoesNothing() {
        const auto server = serve(LoopbackServer::reply(packageList({"Never"})));
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
        QCOMPARE(server->requestCount(listPath), 0);
    }
};

SKALDRUN_TEST_MAIN(TestCatalogStore)
#include "tst_catalog_store.moc"
