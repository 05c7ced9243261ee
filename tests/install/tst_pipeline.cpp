#include "catalog/ThunderstoreStore.h"
#include "install/Change.h"
#include "install/Pipeline.h"
#include "platform/Fs.h"
#include "tests/support/CatalogEntry.h"
#include "tests/support/FakeRepository.h"
#include "tests/support/TestMain.h"
#include "tests/support/World.h"

#include <QTemporaryDir>

namespace {

// The stand-in repository's packages as the catalog would describe them.
TSPackage described(const FakeRepository& repo, const FakeRepository::Package& p) {
    TSPackage package = catalogEntry(p.fullName(), {{p.version, p.dependencies}});
    package.downloadURL = QUrl(repo.baseUrl() + repo.archivePath(p));
    return package;
}

} // namespace

// The runner against the loopback repository, on a game folder of its own: what goes in, what
// stays out and why, and what a failure leaves of the player's files.
class TestPipeline : public QObject {
    Q_OBJECT

    FakeRepository m_repo;
    QHash<QString, TSPackage> m_packages;

private Q_SLOTS:
    void initTestCase() {
        m_repo.pointAppHere();
        auto lib = FakeRepository::package("Ann", "Lib", "1.0.0");
        lib.failDownload = true;
        auto app = FakeRepository::package("Ann", "App", "1.0.0");
        app.dependencies = {lib.dependencyString()};
        auto keep = FakeRepository::package("Bo", "Keep", "1.0.0");
        keep.brokenArchive = "PK\x03\x04 cut short";
        auto solo = FakeRepository::package("Bo", "Solo", "1.0.0");
        solo.archive = TestZip::repositoryMod("Solo", "1.0.0").file("config/bo.Solo.cfg", "y = 1\n");
        auto gone = FakeRepository::package("Bo", "Gone", "1.0.0");
        m_repo.server().route(m_repo.archivePath(gone), LoopbackServer::reply("", 404));
        for (const auto& p : {lib, app, keep, solo, gone}) {
            m_repo.add(p);
            m_packages.insert(p.name, described(m_repo, p));
        }
        TSPackage stranger = m_packages["Solo"];
        stranger.name = "Stranger";
        stranger.downloadURL = QUrl("http://example.org/stranger.zip");
        m_packages.insert("Stranger", stranger);
    }

    void runs_data() {
        QTest::addColumn<QStringList>("requested");
        QTest::addColumn<bool>("allOrNothing");
        QTest::addColumn<QString>("installed");
        QTest::addColumn<QString>("failed"); // names, with the reason when it is ours
        QTest::addColumn<QString>("line");   // what a catalog install of the first says
        QTest::newRow("a failed dependency keeps what needs it out")
            << QStringList{"App", "Solo"} << false << "Solo"
            << "Lib; App: needs Lib, which didn't install"
            << "Installed Solo, but not App";
        QTest::newRow("a broken replacement leaves the installed release")
            << QStringList{"Keep"} << false << ""
            << "Keep"
            << "";
        QTest::newRow("all or nothing: one failure undoes the rest")
            << QStringList{"Solo", "Keep"} << true << ""
            << "Keep"
            << "";
        QTest::newRow("an address off the repositories")
            << QStringList{"Stranger"} << false << ""
            << "Stranger: refused to download from example.org, which is neither Thunderstore's nor Hexium's"
            << "";
        QTest::newRow("an archive the repository no longer has")
            << QStringList{"Gone"} << false << ""
            << "Thunderstore has no package Bo-Gone. Reload the catalog in Browse and try again."
            << "";
        QTest::newRow("all or nothing, all well") << QStringList{"Solo"} << true << "Solo"
                                                  << ""
                                                  << "Installed Solo";
    }
    void runs() {
        QFETCH(QStringList, requested);
        QFETCH(bool, allOrNothing);
        QTemporaryDir dir;
        const QString game = dir.filePath("Valheim");
        World::write(game + "/BepInEx/plugins/Keep/Keep.dll", "MZ old");
        World::write(game + "/BepInEx/plugins/Keep/manifest.json", TestZip::manifest("Keep", "0.9.0"));
        World::write(game + "/BepInEx/plugins/Keep/notes.txt", "mine");
        World::write(game + "/BepInEx/plugins/Extra/Extra.dll", "MZ");
        World::write(game + "/BepInEx/config/bo.Keep.cfg", "x = 7\n");
        const auto before = World::files(game);

        QList<InstallPlan::Request> requests;
        for (const QString& name : requested)
            requests.append({m_packages[name], std::nullopt});
        const auto index = ThunderstoreStore::makeIndex(m_packages.values());
        const InstallPlan::Plan plan = InstallPlan::make(requests, ModScanner::scan(game), {}, index, true);
        Pipeline::Options options;
        options.allOrNothing = allOrNothing;
        options.finish = [&](Change& change) { // an import's last work: trash one mod, write one setting
            change.park(game + "/BepInEx/plugins/Extra");
            Fs::writeAtomic(game + "/BepInEx/config/bo.Keep.cfg", "x = 1\n");
        };
        const Pipeline::Report report = Pipeline::run(plan, game, options);

        QStringList installed, failed;
        for (const TSPackage& p : report.installed)
            installed << p.name;
        for (const Pipeline::Failure& f : report.failed) // with the reason when it is ours
            failed << (f.name.isEmpty() || f.reason.startsWith("needs") || f.reason.startsWith("refused")
                           ? QStringList{f.name, f.reason}.join(f.name.isEmpty() ? "" : ": ")
                           : f.name);
        QTEST(installed.join("; "), "installed");
        QTEST(failed.join("; "), "failed");
        QTEST(report.installedLine(requested.first()).value_or(""), "line");
        auto now = World::files(game);
        for (const TSPackage& p : report.installed) // what went in, the rest as it was
            for (const QString& path : now.keys())
                if (path.startsWith("BepInEx/plugins/" + p.name + "/") ||
                    path == "BepInEx/config/bo." + p.name + ".cfg")
                    now.remove(path);
        if (report.installed.isEmpty() || !allOrNothing) now.remove("BepInEx/config/.skaldrun-origins.json");
        if (!allOrNothing || !report.failed.isEmpty()) QCOMPARE(now, before);
        QCOMPARE(m_repo.server().requestCount("/stranger.zip"), 0);
    }
};

SKALDRUN_TEST_MAIN(TestPipeline)
#include "tst_pipeline.moc"
