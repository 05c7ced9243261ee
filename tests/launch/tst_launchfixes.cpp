// What one click can do about a launch's failure: against installed mods whose DLLs declare
// their plugins and a catalog whose releases need other packages.
#include "discovery/Outside.h"
#include "launch/LaunchChecks.h"
#include "launch/LaunchFixes.h"
#include "platform/Fs.h"
#include "tests/support/CatalogEntry.h"
#include "tests/support/TestDll.h"
#include "tests/support/TestMain.h"
#include "tests/support/TestZip.h"
#include "tests/support/World.h"

#include <QTemporaryDir>

namespace {

using Finding = LaunchReport::Finding;

LaunchFixes::Context world(const QTemporaryDir& dir) {
    const QString plugins = Fs::join(dir.path(), Outside::pluginsDir);
    const auto mod = [&](const QString& folder, const QString& dll, const DllMetadata::Plugin& plugin) {
        World::write(Fs::join(plugins, folder + '/' + dll), TestDll::assembly({plugin}, {folder}));
        World::write(Fs::join(plugins, folder + "/manifest.json"), TestZip::manifest(folder, plugin.version));
    };
    mod("EpicLoot", "EpicLoot.dll", {"randyknapp.mods.epicloot", "Epic Loot", "0.10.2"});
    mod("Jotunn", "Jotunn.dll", {"com.jotunn.jotunn", "Jotunn", "2.20.0"});
    mod("Auga", "Auga.dll.disabled", {"randyknapp.mods.auga", "Auga", "1.3.0"});
    mod("ValheimPlus", "ValheimPlus.dll", {"valheim.plus", "Valheim Plus", "0.9.9"});
    const QString pack = "denikson-BepInExPack_Valheim-5.4.2333";
    const QList<TSPackage> catalog{
        catalogEntry("RandyKnapp-EpicLoot",
                     {{"0.10.3", {pack, "ValheimModding-Jotunn-2.21.0", "Odin-OdinPlusQOL-0.3.3"}},
                      {"0.10.2", {"ValheimModding-Jotunn-2.20.0"}}}),
        catalogEntry("ValheimModding-Jotunn", {{"2.21.1", {}}, {"2.21.0", {}}, {"2.20.0", {}}}),
        catalogEntry("RandyKnapp-Auga", {{"1.3.0", {}}}),
        catalogEntry("Grantapher-ValheimPlus", {{"0.9.12", {"ValheimModding-Jotunn-2.22.0"}},
                                                {"0.9.11", {pack, "Someone-NewLib-1.0.0"}},
                                                {"0.9.9", {}},
                                                {"0.9.8", {}}}),
        catalogEntry("Someone-NewLib", {{"1.0.0", {}}, {"0.9.5", {}}}),
        catalogEntry("Odin-OdinPlusQOL", {{"0.3.4", {}}, {"0.3.3", {}}})};
    return {ModNames::read(ModScanner::scan(dir.path()), {}),
            UpdatePlan::view(catalog, PackageIndex(catalog)),
            {{"valheimplus", "0.9.8"}, {"epicloot", "0.10.2"}}};
}

QStringList labels(const QList<LaunchFixes::Fix>& fixes) {
    QStringList result;
    for (const LaunchFixes::Fix& fix : fixes)
        result << fix.label + (fix.package ? ' ' + fix.package->fullName + '@' + fix.version : QString());
    return result;
}

} // namespace

class TestLaunchFixes : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void findingsGetTheirFixes_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("plugin");
        QTest::addColumn<QStringList>("required"); // "guid" or "guid>=version"
        QTest::addColumn<QStringList>("fixes");
        const int missing = int(Finding::Kind::missingDependency);
        const QString off = "Switch Off";
        QTest::newRow("too old") << missing << "Epic Loot" << QStringList{"com.jotunn.jotunn>=2.21.0"}
                                 << QStringList{"Update Jotunn 2.21.0 ValheimModding-Jotunn@2.21.0", off};
        QTest::newRow("switched off") << missing << "Epic Loot" << QStringList{"RandyKnapp.Mods.Auga"}
                                      << QStringList{"Switch On Auga", off};
        QTest::newRow("not offered at that version")
            << missing << "Epic Loot" << QStringList{"com.someone.newlib>=0.9.0"}
            << QStringList{"Install NewLib 0.9.5 Someone-NewLib@0.9.5", off};
        QTest::newRow("among the mod's own dependencies")
            << missing << "Epic Loot" << QStringList{"com.odinplus.qol.main>=0.3.3"}
            << QStringList{"Install OdinPlusQOL 0.3.3 Odin-OdinPlusQOL@0.3.3", off};
        QTest::newRow("new enough already")
            << missing << "Epic Loot" << QStringList{"com.jotunn.jotunn>=2.19"} << QStringList{off};
        QTest::newRow("nowhere") << missing << "Epic Loot" << QStringList{"some.guid"} << QStringList{off};
        QTest::newRow("broken: newest met, and back")
            << int(Finding::Kind::patchFailed) << "Valheim Plus" << QStringList()
            << QStringList{"Update to 0.9.11 Grantapher-ValheimPlus@0.9.11",
                           "Go Back to 0.9.8 Grantapher-ValheimPlus@0.9.8", off};
        QTest::newRow("broken, nothing newer met, loaded as it is")
            << int(Finding::Kind::exception) << "Epic Loot" << QStringList() << QStringList{off};
        QTest::newRow("a warning") << int(Finding::Kind::wrongBepInEx) << "Valheim Plus" << QStringList()
                                   << QStringList{"Update to 0.9.11 Grantapher-ValheimPlus@0.9.11"};
        QTest::newRow("the other copy loaded")
            << int(Finding::Kind::newerVersionExists) << "Valheim Plus" << QStringList() << QStringList();
        QTest::newRow("a mod not installed")
            << int(Finding::Kind::loadError) << "Gone" << QStringList() << QStringList();
    }
    void findingsGetTheirFixes() {
        QFETCH(int, kind);
        QFETCH(QString, plugin);
        QFETCH(QStringList, required);
        QTemporaryDir dir;
        const LaunchFixes::Context context = world(dir);
        Finding f;
        f.kind = Finding::Kind(kind);
        f.attribution = Finding::Attribution::loader;
        f.plugin = plugin;
        for (const QString& r : required)
            f.requirements << LaunchReport::Requirement{
                r.section(">=", 0, 0), r.contains(">=") ? std::optional(r.section(">=", 1)) : std::nullopt};
        QTEST(labels(LaunchFixes::forFinding(context, f)), "fixes");
    }

    // What the server runs, when the catalog offers that release and this side has another.
    void theServersVersionIsInstalled() {
        QTemporaryDir dir;
        const LaunchFixes::Context context = world(dir);
        using Lack = LaunchReport::Lack;
        LaunchReport::Connection c;
        c.lacks = {{Lack::Side::client, "OdinPlusQOL", "0.3.4", std::nullopt},
                   {Lack::Side::client, "Odin Plus QOL", "0.2.0", std::nullopt},
                   {Lack::Side::server, "NewLib", "1.0.0", std::nullopt},
                   {Lack::Side::client, "Valheim Plus", "0.9.9", std::nullopt}};
        QCOMPARE(labels(LaunchFixes::forConnection(context, c)),
                 QStringList{"Install OdinPlusQOL 0.3.4 Odin-OdinPlusQOL@0.3.4"});
    }

    // Only a release that loaded without a failure, and whose DLL is still the one that loaded,
    // is kept; each game folder and profile keeps its own, later launches adding to them.
    void releasesThatLoadedAreRemembered() {
        QTemporaryDir dir;
        const LaunchFixes::Context context = world(dir);
        using Outcome = LaunchReport::Plugin::Outcome;
        LaunchReport r;
        r.plugins = {{"Epic Loot", "0.10.2", Outcome::loaded, 1},
                     {"Jotunn", "2.20.0", Outcome::loaded, 2},
                     {"Valheim Plus", "0.9.8", Outcome::loaded, 3},
                     {"Auga", "1.3.0", Outcome::notLoaded, 4}};
        Finding broke;
        broke.plugin = "Jotunn";
        r.findings << broke;
        const auto loaded = LaunchFixes::loadedReleases(r, context.installed);
        QCOMPARE(loaded, (QHash<QString, QString>{{"epicloot", "0.10.2"}}));
        QCOMPARE(LaunchChecks::rememberLoaded("/games/Valheim", "Default", loaded), loaded);
        QCOMPARE(LaunchChecks::rememberLoaded("/games/Valheim", "Default", {{"jotunn", "2.20.0"}}),
                 (QHash<QString, QString>{{"epicloot", "0.10.2"}, {"jotunn", "2.20.0"}}));
        QCOMPARE(LaunchChecks::rememberLoaded("/games/Valheim", "Other", {}), (QHash<QString, QString>{}));
    }
};

SKALDRUN_TEST_MAIN(TestLaunchFixes)
#include "tst_launchfixes.moc"
