#include "catalog/UpdatePlan.h"
#include "install/InstallRecords.h"
#include "tests/support/CatalogEntry.h"
#include "tests/support/TestMain.h"

namespace {

// "App 1.0.0, !Lib -": name, version ("-": none), "!" for switched off.
QList<ModItem> modsOf(const QString& list) {
    QList<ModItem> mods;
    for (const QString& one : list.split(", ", Qt::SkipEmptyParts)) {
        ModItem mod;
        mod.enabled = !one.startsWith('!');
        mod.name = mod.id = mod.url = one.section(' ', 0, 0).remove('!');
        if (!one.endsWith('-')) mod.version = one.section(' ', 1);
        mods << mod;
    }
    return mods;
}

} // namespace

class TestUpdatePlan : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Each row: installed mods | pinned | updates offered | what each lacks | what needs Lib.
    void plan_data() {
        QTest::addColumn<QString>("row");
        QTest::newRow("newer release offered")
            << "App 1.0.0, Lib 2.0.0 | | App 1.0.0→1.5.0 Thunderstore | | App";
        QTest::newRow("pinned: none offered") << "App 1.0.0, Lib 2.0.0 | app | | | App";
        QTest::newRow("the installed release's dependencies")
            << "App 1.5.0, Lib 2.0.0 | | | App: Extra missing, in the catalog | App";
        QTest::newRow("dependency switched off") << "App 1.0.0, !Lib 2.0.0 | app | | App: Lib disabled | ";
        QTest::newRow("a mod switched off needs nothing") << "!App 1.5.0 | | | | ";
        QTest::newRow("install record names the package and repository")
            << "Lib -, Top 1.0.0 | | Lib 8.0.0→9.0.0 Hexium | Top: App missing, in the catalog | ";
        QTest::newRow("dependants through another mod")
            << "Top 1.0.0, App 1.0.0, Lib 2.0.0 | app | | | App, Top";
        QTest::newRow("unknown dependency, no version") << "Gone - | | | Gone: Vanished missing | ";
    }
    void plan() {
        QFETCH(QString, row);
        const QStringList column = row.split('|');
        const QString mods = column[0].trimmed(), pinned = column[1].trimmed();
        const QList<TSPackage> packages{
            catalogEntry("Owner-Lib", {{"2.0.0", {}}, {"1.0.0", {}}}),
            catalogEntry("Owner-App", {{"1.5.0", {"Owner-Lib-2.0.0", "Owner-Extra-1.0.0"}},
                                       {"1.0.0", {"Owner-Lib-1.0.0"}}}),
            catalogEntry("Owner-Extra", {{"1.0.0", {}}}),
            catalogEntry("Owner-Top",
                         {{"1.0.0", {"Owner-App-1.0.0", "denikson-BepInExPack_Valheim-5.4.2333"}}}),
            catalogEntry("Owner-Gone", {{"1.0.0", {"Ghost-Vanished-1.0.0"}}}),
            catalogEntry("Other-Lib", {{"9.0.0", {}}}, Repository::Source::hexium)};
        const PackageIndex index(packages);
        const QHash<QString, InstallRecords::Record> origins{
            {"lib", {Repository::Source::hexium, "Other-Lib", "8.0.0"}}};
        const QList<ModItem> installed = modsOf(mods);
        // The record only counts for the mod it was written for.
        const auto plan = UpdatePlan::compute(installed, UpdatePlan::view(packages, index),
                                              mods.startsWith("Lib -") ? origins : decltype(origins){},
                                              pinned.isEmpty() ? QSet<QString>{} : QSet<QString>{pinned});
        QStringList offered;
        for (const UpdatePlan::Update& u : plan.updates)
            offered << u.mod.name + " " + u.from + "→" + u.package.version + " " +
                           Repository::sourceName(u.package.source);
        QStringList needed;
        for (const ModItem& mod : installed)
            for (const UpdatePlan::Need& n : plan.of(mod.name)->needs)
                needed << mod.name + ": " + n.name + (n.disabled ? " disabled" : " missing") +
                              (n.package ? ", in the catalog" : "");
        QCOMPARE(offered.join("; "), column[2].trimmed());
        QCOMPARE(needed.join("; "), column[3].trimmed());
        QCOMPARE(plan.dependantsOf("Lib").join(", "), column[4].trimmed());
    }
};

SKALDRUN_TEST_MAIN(TestUpdatePlan)
#include "tst_updateplan.moc"
