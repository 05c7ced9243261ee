#include "catalog/ThunderstoreStore.h"
#include "install/InstallPlan.h"
#include "install/ModKey.h"
#include "tests/support/CatalogEntry.h"
#include "tests/support/TestMain.h"

namespace {

TSPackage pkg(const QString& owner, const QString& name, const QString& version,
              const QStringList& dependencies = {}) {
    return catalogEntry(owner + "-" + name, {{version, dependencies}});
}

const QList<TSPackage> catalog = {
    catalogEntry("denikson-BepInExPack_Valheim", {{"5.4.2333", {}}, {"5.4.2202", {}}}),
    catalogEntry("Ann-Lib", {{"1.0.0", {}}, {"0.5.0", {}}}),
    catalogEntry("Cy-Old", {{"2.0.0", {"Ann-Lib-1.0.0"}}, {"1.0.0", {}}}),
    pkg("Cy", "User", "1.0.0", {"Cy-Old-2.0.0"}),
    pkg("Ann", "Core", "1.0.0", {"Ann-Lib-1.0.0"}),
    pkg("Ann", "App", "2.0.0",
        {"Ann-Core-1.0.0", "Ghost-Gone-1.0.0", "denikson-BepInExPack_Valheim-5.4.2333"}),
    pkg("Bo", "SoloMod", "1.0.0"),
};

// "Name@1.0" or "Name@1.0=2.0" (installed 1.0, recorded as 2.0), comma-separated.
QList<ModItem> installedFrom(const QString& text, QHash<QString, QString>& recorded) {
    QList<ModItem> mods;
    for (const QString& item : text.split(',', Qt::SkipEmptyParts)) {
        ModItem mod;
        mod.name = item.section('@', 0, 0);
        mod.url = mod.id = "/game/BepInEx/plugins/" + mod.name;
        mod.version = item.section('@', 1).section('=', 0, 0);
        if (item.contains('=')) recorded.insert(mod.name.toLower().remove('_'), item.section('=', 1));
        mods << mod;
    }
    return mods;
}

// Each step as "Name@version", then "<Old" when it replaces a mod, then "[needs]".
QString shown(const InstallPlan::Plan& plan) {
    QStringList steps;
    for (const InstallPlan::Step& step : plan.steps)
        steps << step.package.name + "@" + step.package.version +
                     (step.replaces ? "<" + step.replaces->name : QString()) +
                     (step.needs.isEmpty() ? QString() : "[" + step.needs.join(',') + "]");
    return steps.join(' ');
}

} // namespace

class TestInstallPlan : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void plan_data() {
        // "Owner-Name" or "Owner-Name-version"; "!" first: over the installed mod of that name, as
        // an update asks.
        QTest::addColumn<QStringList>("requested");
        QTest::addColumn<QString>("installed");
        QTest::addColumn<bool>("loaderSetUp");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("notFound");
        QTest::addColumn<QString>("current");
        QTest::newRow("dependencies first")
            << QStringList{"Ann-App"} << "" << true << "Lib@1.0.0 Core@1.0.0[lib] App@2.0.0[core]"
            << "Ghost-Gone-1.0.0"
            << "";
        QTest::newRow("another release replaces the installed one")
            << QStringList{"Ann-Core"} << "Core@0.9" << true << "Lib@1.0.0 Core@1.0.0<Core[lib]"
            << ""
            << "";
        QTest::newRow("the very release is current")
            << QStringList{"Bo-SoloMod"} << "SoloMod@1.0.0" << true << ""
            << ""
            << "SoloMod";
        QTest::newRow("the record knows the release better than the manifest")
            << QStringList{"Bo-SoloMod"} << "SoloMod@0.1=1.0.0" << true << ""
            << ""
            << "SoloMod";
        QTest::newRow("an update goes over the installed mod whatever its record says")
            << QStringList{"!Bo-SoloMod"} << "SoloMod@0.1=1.0.0" << true << "SoloMod@1.0.0<SoloMod"
            << ""
            << "";
        QTest::newRow("one mod however its folder is spelled")
            << QStringList{"Bo-SoloMod"} << "Solo_Mod@0.9" << true << "SoloMod@1.0.0<Solo_Mod"
            << ""
            << "";
        QTest::newRow("a requested dependency keeps its release and goes first")
            << QStringList{"Ann-Core", "Ann-Lib-0.5.0"} << "" << true << "Lib@0.5.0 Core@1.0.0[lib]"
            << ""
            << "";
        QTest::newRow(
            "a pack's older dependency goes over the newer one installed, listed after what needs it")
            << QStringList{"Ann-App", "Ann-Lib-0.5.0"} << "Lib@1.0.0" << true
            << "Lib@0.5.0<Lib Core@1.0.0[lib] App@2.0.0[core]"
            << "Ghost-Gone-1.0.0"
            << "";
        QTest::newRow("no loader set up: what needs it brings the catalog's")
            << QStringList{"Ann-App"} << "" << false
            << "BepInExPack_Valheim@5.4.2333 Lib@1.0.0 Core@1.0.0[lib] App@2.0.0[core,bepinexpackvalheim]"
            << "Ghost-Gone-1.0.0"
            << "";
        QTest::newRow("no loader set up: the pack's own release, listed after what needs it")
            << QStringList{"Ann-App", "denikson-BepInExPack_Valheim-5.4.2202"} << "" << false
            << "BepInExPack_Valheim@5.4.2202 Lib@1.0.0 Core@1.0.0[lib] App@2.0.0[core,bepinexpackvalheim]"
            << "Ghost-Gone-1.0.0"
            << "";
        QTest::newRow("no loader set up: the pack's own release, listed first")
            << QStringList{"denikson-BepInExPack_Valheim-5.4.2202", "Ann-App"} << "" << false
            << "BepInExPack_Valheim@5.4.2202 Lib@1.0.0 Core@1.0.0[lib] App@2.0.0[core,bepinexpackvalheim]"
            << "Ghost-Gone-1.0.0"
            << "";
        QTest::newRow("a pack's older release brings only what it needs")
            << QStringList{"Cy-User", "Cy-Old-1.0.0"} << "" << true << "Old@1.0.0 User@1.0.0[old]"
            << ""
            << "";
        QTest::newRow("a package asked for twice comes once")
            << QStringList{"Ann-Core", "Ann-Lib", "Ann-Core"} << "" << true << "Lib@1.0.0 Core@1.0.0[lib]"
            << ""
            << "";
    }
    void plan() {
        QFETCH(QStringList, requested);
        QFETCH(QString, installed);
        QFETCH(bool, loaderSetUp);
        const auto index = ThunderstoreStore::makeIndex(catalog);
        QList<InstallPlan::Request> requests;
        QHash<QString, QString> recorded;
        const QList<ModItem> mods = installedFrom(installed, recorded);
        for (QString wanted : requested) {
            const bool over = wanted.startsWith('!');
            wanted.remove('!');
            TSPackage p = index.value(wanted.section('-', 0, 1).toLower());
            if (wanted.count('-') == 2) p = p.atVersion(wanted.section('-', 2));
            requests.append({p, over ? std::optional(mods.first()) : std::nullopt});
        }
        const InstallPlan::Plan plan = InstallPlan::make(requests, mods, recorded, index, loaderSetUp);
        QTEST(shown(plan), "steps");
        QTEST(plan.notFound.join(','), "notFound");
        QTEST(plan.current.join(','), "current");
    }

    // Packages sharing a mod key: the same one names the mod whichever order the catalog lists
    // them in. Each as "Owner-Name:downloads", "h" after the count for Hexium's.
    void oneTieRule_data() {
        QTest::addColumn<QStringList>("packages");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("the most downloaded")
            << QStringList{"Ann-Valheim_Plus:10", "Bo-ValheimPlus:900"} << "bo-valheimplus";
        QTest::newRow("Thunderstore's at equal downloads")
            << QStringList{"Ann-Plus:5h", "Bo-Plus:5"} << "bo-plus";
        QTest::newRow("then the catalog key") << QStringList{"Cy-Plus:5", "Ann-Plus:5"} << "ann-plus";
    }
    void oneTieRule() {
        QFETCH(QStringList, packages);
        QList<TSPackage> listed;
        for (const QString& text : packages) {
            const QString count = text.section(':', 1);
            TSPackage p = catalogEntry(text.section(':', 0, 0), {{"1.0.0", {}}},
                                       count.endsWith('h') ? Repository::Source::hexium
                                                           : Repository::Source::thunderstore);
            p.totalDownloads = QString(count).remove('h').toLongLong();
            listed << p;
        }
        const QString key = ModKey::of(listed.first().name);
        QTEST(ModKey::packagesByKey(listed).value(key), "chosen");
        std::reverse(listed.begin(), listed.end());
        QTEST(ModKey::packagesByKey(listed).value(key), "chosen");
    }
};

SKALDRUN_TEST_MAIN(TestInstallPlan)
#include "tst_installplan.moc"
