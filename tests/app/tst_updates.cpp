#include "catalog/PackageDocs.h"
#include "catalog/ThunderstoreStore.h"
#include "install/InstallRecords.h"
#include "tests/support/ModelWorld.h"

namespace {

// Test-Cozy 1.0.0 installed from the stand-in repository, its config edited and the mod
// switched off; then its author publishes 1.1.0, which needs Test-Lib.
struct UpdateHarness : Harness {
    QString cfg() const { return game("BepInEx/config/test.Cozy.cfg"); }
    QString manifest() const { return world.pluginsDir() + "/Cozy/manifest.json"; }
    static FakeRepository::Package cozy(const QString& version) {
        auto p = FakeRepository::package("Test", "Cozy", version);
        p.archive = TestZip::repositoryMod("Cozy", version).file("config/test.Cozy.cfg", "Burn = 1\n");
        return p;
    }
    TSPackage package(const char* key) const { return state->thunder()->indexByOwnerName().value(key); }
    bool loaded(const QString& version) {
        state->thunder()->loadIfNeeded(true);
        return QTest::qWaitFor([&] { return package("test-cozy").version == version; });
    }
    bool begin() {
        serve();
        repo->add(cozy("1.0.0"));
        repo->add(FakeRepository::package("Test", "Lib", "1.0.0"));
        if (!start() || !loaded("1.0.0")) return false;
        done([&] { state->installThunderstorePackage(package("test-cozy")); });
        World::write(cfg(), "Burn = 7\n");
        state->setModsEnabled({*modNamed(*state, "Cozy")}, false);
        return !modNamed(*state, "Cozy")->enabled;
    }
    void publish(bool failDownload, const QByteArray& broken) {
        auto next = cozy("1.1.0");
        next.dependencies = {"Test-Lib-1.0.0"};
        next.olderVersions = {"1.0.0"};
        next.failDownload = failDownload;
        next.brokenArchive = broken;
        repo->replace(next);
        repo->lastModified = "Mon, 07 Dec 2026 12:00:00 GMT";
    }
};

} // namespace

class TestUpdates : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A mod's update keeps its config and its switched-off state (a failed one is the runner's).
    void anUpdateKeepsSettingsAndState() {
        UpdateHarness h;
        QVERIFY(h.begin());
        h.publish(false, {});
        QVERIFY(h.loaded("1.1.0"));
        // Browse's and the command line's install of the newer release is the same update.
        QCOMPARE(
            h.done([&] { h.state->installThunderstorePackage(h.state->updatePlan().updates[0].package); }),
            "Updated 1 of 1 mod");
        QVERIFY(World::read(h.manifest()).contains("1.1.0") && h.state->updatePlan().updates.isEmpty());
        QVERIFY(QFile::exists(h.world.pluginsDir() + "/Lib/Lib.dll"));
        QCOMPARE(World::read(h.cfg()), QByteArray("Burn = 7\n"));
        QCOMPARE(QDir(h.world.pluginsDir() + "/Cozy").entryList({"*.dll*"}),
                 QStringList{"Cozy.dll.disabled"});
    }

    // Cancel while an archive still downloads: what landed went in meanwhile (Lib, needed by
    // Cozy), the rest stays as it was; with Lib's archive held back nothing can go in.
    void cancelKeepsWhatWentIn_data() {
        QTest::addColumn<QString>("held");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("libVersion");
        QTest::newRow("the dependency landed") << "Cozy"
                                               << "Updated 1 of 2 mods; stopped before Cozy"
                                               << "1.1.0";
        QTest::newRow("nothing landed") << "Lib"
                                        << "Updates cancelled — nothing was changed"
                                        << "1.0.0";
    }
    void cancelKeepsWhatWentIn() {
        QFETCH(QString, held);
        QFETCH(QString, libVersion);
        UpdateHarness h;
        QVERIFY(h.begin());
        h.done([&] { h.state->installThunderstorePackage(h.package("test-lib")); });
        h.publish(false, {});
        h.repo->replace(FakeRepository::package("Test", "Lib", "1.1.0"));
        const QString heldPath = "/package/download/Test/" + held + "/1.1.0/";
        h.repo->server().route(heldPath, {.stall = true});
        QVERIFY(h.loaded("1.1.0"));
        h.state->updateMods(h.state->updatePlan().updates);
        QCOMPARE(h.state->busyMessage(), "Updating 2 mods…");
        const QString lib = h.world.pluginsDir() + "/Lib/manifest.json";
        QVERIFY(QTest::qWaitFor([&] {
            return h.repo->server().requestCount(heldPath) > 0 &&
                   World::read(lib).contains(libVersion.toUtf8());
        }));
        h.state->cancelUpdates();
        QVERIFY(QTest::qWaitFor([&] { return !h.state->busyMessage(); }, 10000));
        QTEST(h.state->lastAction().value_or(""), "line");
        QVERIFY(World::read(lib).contains(libVersion.toUtf8()));
        QVERIFY(World::read(h.manifest()).contains("1.0.0"));
        QCOMPARE(World::read(h.cfg()), QByteArray("Burn = 7\n"));
    }

    // A newer zip of a recorded mod dropped by hand: the record no longer claims the old release.
    void aDroppedReleaseOutdatesTheRecord() {
        UpdateHarness h;
        QVERIFY(h.begin());
        QCOMPARE(InstallRecords::of(h.world.gameDir(), "Cozy")->version, "1.0.0");
        const QString zip = h.cozy("1.1.0").archive->save(TestHome::path() + "/Cozy-1.1.0.zip");
        h.done([&] { h.state->handleDropped({zip}); });
        QVERIFY(!InstallRecords::of(h.world.gameDir(), "Cozy") &&
                World::read(h.manifest()).contains("1.1.0"));
    }

    void documents_data() {
        QTest::addColumn<int>("status"); // 0: no answer
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("expected"); // "none", "error: …", else the start of the text
        QTest::addColumn<bool>("shortened");
        const QByteArray huge =
            "{\"markdown\": \"" + QByteArray("- a line of the changelog\\n").repeated(20000) + "\"}";
        QTest::newRow("none shipped") << 200 << QByteArray(R"({"markdown": null})") << "none" << false;
        QTest::newRow("unknown release") << 404 << QByteArray("{}") << "none" << false;
        QTest::newRow("server error")
            << 500 << QByteArray("<html>")
            << "error: Couldn't load the changelog: the repository answered 500." << false;
        QTest::newRow("no answer") << 0 << QByteArray() << "error: Couldn't load the changelog: refused"
                                   << false;
        QTest::newRow("huge") << 200 << huge << "- a line of the changelog\n" << true;
    }
    void documents() {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(QString, expected);
        QFETCH(bool, shortened);
        const PackageDocs::Doc doc = PackageDocs::read(
            {status > 0, false, status, body, status ? "" : "refused", {}}, PackageDocs::Kind::changelog);
        const QString shown = doc.error ? "error: " + *doc.error : doc.none ? "none" : doc.markdown;
        QVERIFY2(shown.startsWith(expected), qPrintable(shown.left(200)));
        QCOMPARE(doc.shortened, shortened);
        QVERIFY(doc.markdown.size() <= PackageDocs::cap &&
                (!shortened || doc.markdown.endsWith("changelog")));
    }
};

SKALDRUN_TEST_MAIN(TestUpdates)
#include "tst_updates.moc"
