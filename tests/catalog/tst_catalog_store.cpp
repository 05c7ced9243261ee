#include "catalog/ChunkedListing.h"
#include "catalog/ThunderstoreStore.h"
#include "platform/Fs.h"
#include "platform/Http.h"
#include "tests/support/FakeRepository.h"
#include "tests/support/TestMain.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QThreadPool>

#include <utility>

using Repository::Source;

namespace {

const auto mod = [](const auto&... args) { return FakeRepository::package(args...); };

// Both repositories: one name on both (Hexium newer), one on both (Thunderstore as new), and
// a Hexium-only package whose releases are listed out of order.
void fill(FakeRepository& repo) {
    repo.chunkSize = 2;
    for (int i = 0; i < 5; ++i)
        repo.add(mod("Owner", QStringLiteral("Mod%1").arg(i), "1.0.0"));
    repo.add(mod("Shared", "Newer", "1.7.0"));
    repo.add(mod("Shared", "Same", "2.0.0"));
    repo.add(mod("Shared", "Newer", "1.7.1", Source::hexium));
    repo.add(mod("Shared", "Same", "2.0.0", Source::hexium));
    auto only = mod("Hex", "Only", "1.10.0", Source::hexium);
    only.olderVersions = {"1.9.2", "1.2.0"};
    repo.add(only);
}

QString sourceOf(const ThunderstoreStore& store, const QString& key) {
    return Repository::sourceName(store.indexByOwnerName().value(key).source);
}

void load(ThunderstoreStore& store, bool force) {
    store.loadIfNeeded(force);
    QTRY_VERIFY_WITH_TIMEOUT(!store.loading(), 10000);
}

} // namespace

class TestCatalogStore : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() {
        Fs::remove(ChunkedListing::folder());
        Http::setDefaultTimeouts(Http::Timeouts{5000, 5000});
    }

    void bothRepositoriesAndASecondStartThatFetchesNoChunk() {
        FakeRepository repo;
        fill(repo);
        repo.pointAppHere();
        {
            ThunderstoreStore store;
            QSignalSpy progress(&store, &ThunderstoreStore::loadingChanged);
            load(store, false);
            QCOMPARE(store.statusText().value_or("none"), "none");
            QCOMPARE(store.packages().size(), 8); // 7 + 3 listed, two names shown once
            QCOMPARE(store.indexByOwnerName().value("hex-only").version, "1.10.0"); // sorted by number
            QCOMPARE(repo.chunkRequests(), 4 + 2);
            QVERIFY(progress.count() > 2); // the share of chunks moved while they came
            QVERIFY(repo.server().requestHeader("User-Agent").startsWith("Skaldrun/"));
            QCOMPARE(store.freshness(store.loadedAt()->addSecs(4 * 60 + 30)),
                     "Updated 4 min ago · 8 mods (7 Thunderstore · 3 Hexium)");
            // Each age in its own unit: seconds, hours and days read as minutes would be off by far.
            for (const auto& [secs, said] : {std::pair{59, "Updated just now"},
                                             {3 * 3600 + 59 * 60, "Updated 3 h ago"},
                                             {2 * 86400, "Updated 2 days ago"}})
                QCOMPARE(store.freshness(store.loadedAt()->addSecs(secs)).section(" · ", 0, 0), said);
        }
        // The next start shows the stored catalog and asks each index once: a 304 from
        // Thunderstore, the same bytes from Hexium. No chunk is fetched.
        const QStringList before = repo.server().requests();
        ThunderstoreStore store;
        QSignalSpy published(&store, &ThunderstoreStore::packagesChanged);
        load(store, false);
        QCOMPARE(store.packages().size(), 8);
        QCOMPARE(published.count(), 2); // each stored catalog; the check found nothing new
        QCOMPARE(repo.server().requests().mid(before.size()),
                 (QStringList{"/c/valheim/api/v1/package-listing-index/",
                              "/hexium/api/v1/package-listing-index/"}));
        // A changed chunk alone is fetched again; the unchanged ones come from the disk.
        repo.add(mod("Late", "Comer", "0.1.0"));
        repo.lastModified = "Sun, 06 Dec 2026 13:00:00 GMT";
        const int chunks = repo.chunkRequests();
        load(store, true);
        QCOMPARE(store.packages().size(), 9);
        QCOMPARE(repo.chunkRequests(), chunks + 1);
        // Switching Hexium off leaves Thunderstore's alone.
        ThunderstoreStore::setEnabled(Source::hexium, false);
        load(store, true);
        QCOMPARE(store.packages().size(), 8);
        QCOMPARE(sourceOf(store, "shared-newer"), "Thunderstore");
        ThunderstoreStore::setEnabled(Source::hexium, true);
    }

    void badInputKeepsThePreviousCatalog_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>(
            "status"); // after "Couldn't load the catalog: Thunderstore: "; empty: success
        const auto row = [](const char* name, const char* fault, const char* status) {
            QTest::newRow(name) << QString(fault) << QString(status);
        };
        row("index 503: the one-document list", "503", "");
        row("429, then the index", "429", "");
        row("a chunk not gzip", "broken", "part 2 of its catalog is damaged");
        row("a chunk that doesn't arrive", "missing",
            "part 2 of its catalog didn't arrive (the server answered with error 404)");
        row("an index of 100,000 chunks", "many",
            "its list names 100000 catalog parts, far more than any real catalog");
        row("a redirect loop", "loop", "The server sent us round in circles (too many redirects)");
        row("an index that is no JSON", "html", "its list of catalog parts is unreadable");
    }
    void badInputKeepsThePreviousCatalog() {
        QFETCH(QString, fault);
        QFETCH(QString, status);
        FakeRepository repo;
        repo.pointAppHere();
        for (int i = 0; i < 5; ++i)
            repo.add(mod("Owner", QStringLiteral("Mod%1").arg(i), "1.0.0"));
        ThunderstoreStore store;
        load(store, false);
        QCOMPARE(store.packages().size(), 5);

        repo.add(mod("Owner", "New", "1.0.0"));
        repo.lastModified = "Sun, 06 Dec 2026 13:00:00 GMT";
        const QString index = QStringLiteral("/c/valheim/api/v1/package-listing-index/");
        QJsonArray many;
        for (int i = 0; i < 100000; ++i)
            many.append(repo.baseUrl() + "/x");
        repo.indexStatus = fault == "503" ? 503 : 200;
        repo.tooManyRequests = fault == "429";
        repo.brokenChunk = fault == "broken" ? 2 : 0;
        repo.missingChunk = fault == "missing" ? 2 : 0;
        if (fault == "many")
            repo.server().route(index, LoopbackServer::reply(gzipBytes(QJsonDocument(many).toJson())));
        if (fault == "loop")
            repo.server().route(index, {.status = 302, .headers = {{"Location", index.toUtf8()}}});
        if (fault == "html") repo.server().route(index, LoopbackServer::reply("<html>"));
        load(store, true);
        QCOMPARE(store.statusText().value_or(QString()),
                 status.isEmpty() ? status : "Couldn't load the catalog: Thunderstore: " + status);
        QCOMPARE(store.packages().size(), status.isEmpty() ? 6 : 5);
    }

    // Thunderstore answers the check with 304, Hexium with the same index bytes.
    void aChunkDamagedOnDiskIsFetchedAgain_data() {
        QTest::addColumn<bool>("hexium");
        QTest::newRow("304") << false;
        QTest::newRow("same index") << true;
    }
    void aChunkDamagedOnDiskIsFetchedAgain() {
        QFETCH(bool, hexium);
        const Source source = hexium ? Source::hexium : Source::thunderstore;
        FakeRepository repo;
        fill(repo);
        repo.pointAppHere();
        QVERIFY(ChunkedListing::check(source, true, {}).catalog);
        const int fetched = repo.chunkRequests();
        Fs::writeAtomic(ChunkedListing::chunkFile(ChunkedListing::readState(source).chunks.last()), "[{");
        const auto again = ChunkedListing::check(source, true, {});
        QVERIFY2(again.catalog, qPrintable(again.error));
        QCOMPARE(repo.chunkRequests(), fetched + 1);
    }

    void aStoreDestroyedWhileLoadingIsLeftAlone() {
        FakeRepository repo;
        repo.pointAppHere();
        repo.add(mod("Owner", "Late", "1.0.0"));
        repo.server().route("/c/valheim/api/v1/package-listing-index/", {.status = 503, .delayMs = 300});
        auto* store = new ThunderstoreStore;
        store->loadIfNeeded(false);
        QTRY_COMPARE(repo.server().requestCount("/c/valheim/api/v1/package-listing-index/"), 1);
        delete store;
        QThreadPool::globalInstance()->waitForDone();
        QCoreApplication::processEvents();                       // the posted result finds no store
        QVERIFY(ChunkedListing::fromDisk(Source::thunderstore)); // the whole list was still kept
    }
};

SKALDRUN_TEST_MAIN(TestCatalogStore)
#include "tst_catalog_store.moc"
