#include "catalog/Thunderstore.h"
#include "catalog/ThunderstoreStore.h"
#include "config/ConfigStore.h"
#include "tests/support/CatalogEntry.h"
#include "tests/support/TestMain.h"

namespace {

TSPackage pkg(const QString& owner, const QString& name, const QStringList& dependencies = {}) {
    return catalogEntry(owner + "-" + name, {{"1.0.0", dependencies}});
}

using Index = ThunderstoreStore::Index;

constexpr auto indexOf = &ThunderstoreStore::makeIndex;

QStringList names(const QList<TSPackage>& chain) {
    QStringList out;
    for (const auto& p : chain)
        out << p.name;
    return out;
}

} // namespace

class TestResolution : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A name on both repositories shows once, from Thunderstore unless Hexium's newest is
    // higher; dependencies resolve through the same choice, and into either repository.
    void bothRepositoriesResolveAsOne_data() {
        QTest::addColumn<QString>("thunderstore");
        QTest::addColumn<QString>("hexium");
        QTest::addColumn<QString>("chosen");
        for (const QStringList& row : {QStringList{"Hexium newer", "1.7.0", "1.7.1", "1.7.1"},
                                       {"same: Thunderstore", "2.0", "2.0.0", "2.0"},
                                       {"Thunderstore newer", "1.10.0", "1.9.9", "1.10.0"}})
            QTest::newRow(qPrintable(row[0])) << row[1] << row[2] << row[3];
    }
    void bothRepositoriesResolveAsOne() {
        QFETCH(QString, thunderstore);
        QFETCH(QString, hexium);
        QFETCH(QString, chosen);
        TSPackage t = pkg("Both", "Lib"), h = pkg("Both", "Lib", {"Hex-Only-1.0.0"}),
                  only = pkg("Hex", "Only");
        t.version = thunderstore;
        h.version = hexium;
        h.source = only.source = Repository::Source::hexium;
        const TSPackage top = pkg("Ts", "Top", {"Both-Lib-1.0.0"});
        const auto merged =
            ThunderstoreStore::merge({{top, t}, indexOf({top, t})}, {{h, only}, indexOf({h, only})});
        QCOMPARE(names(merged.packages), (QStringList{"Top", "Lib", "Only"}));
        QCOMPARE(merged.packages[1].version, chosen);
        QCOMPARE(names(Thunderstore::resolutionChain(top, merged.index, {}).chain),
                 chosen == hexium && chosen != thunderstore ? QStringList({"Only", "Lib", "Top"})
                                                            : QStringList({"Lib", "Top"}));
    }

    void ownerNameDropsTheVersion() {
        QStringList owned;
        for (const char* dependency : {"Owner-Mod-1.2.3", "The-Big-Owner-Mod_Name-1.0", "Owner--1.0", "--",
                                       "Owner-Mod", "OwnerMod", ""})
            owned << Thunderstore::ownerName(dependency).value_or("(none)");
        QCOMPARE(owned, (QStringList{"owner-mod", "the-big-owner-mod_name", "owner-", "-", "(none)", "(none)",
                                     "(none)"}));
    }

    void chainIsPostOrderWithSiblingsInListOrder() {
        const auto root = pkg("O", "Root", {"O-A-1.0", "O-B-2.0"});
        const Index index = indexOf({pkg("O", "A", {"O-C-1", "O-D-1"}), pkg("O", "B", {"O-C-1"}),
                                     pkg("O", "C"), pkg("O", "D"), root});
        const auto r = Thunderstore::resolutionChain(root, index, {});
        QCOMPARE(names(r.chain), (QStringList{"C", "D", "A", "B", "Root"})); // C once, where first met
        QVERIFY(r.missing.isEmpty());
    }

    void cyclesEndAtTheFirstPackageMetAgain() {
        const auto a = pkg("O", "A", {"O-B-1"});
        const Index index = indexOf({a, pkg("O", "B", {"O-A-1", "O-B-1"})});
        QCOMPARE(names(Thunderstore::resolutionChain(a, index, {}).chain), (QStringList{"B", "A"}));
    }

    void malformedDependenciesAreIgnoredAndMissingOnesReported() {
        const auto root = pkg("O", "Root", {"O-NoVersion", "Gone-Missing-1.0", "Gone-Missing-2.0"});
        const auto other = pkg("O", "Other", {"Gone-Missing-1.0"});
        const auto top = pkg("O", "Top", {"O-Root-1", "O-Other-1"});
        const auto r = Thunderstore::resolutionChain(top, indexOf({root, other, top}), {});
        QCOMPARE(names(r.chain), (QStringList{"Root", "Other", "Top"}));
        // Reported as written, once per mention.
        QCOMPARE(r.missing, (QStringList{"Gone-Missing-1.0", "Gone-Missing-2.0", "Gone-Missing-1.0"}));
    }

    // Dependencies as real manifests write them (StarLevelSystem 1.6.2; Jotunn 2.12.2 names the
    // loader at 5.4.2105). Whichever owner a mod names, the loader set up meets it; with none, the
    // real loader goes first, never a repack.
    void theLoaderIsMetOrGoesFirst_data() {
        QTest::addColumn<QString>("row"); // the loader's owner | set up | in the catalog | chain | missing
        QTest::newRow("set up") << "denikson | yes | yes | Jotunn YamlDotNet StarLevelSystem | ";
        QTest::newRow("none set up") << "denikson | no | yes | denikson Jotunn YamlDotNet StarLevelSystem | ";
        QTest::newRow("a repack, set up") << "Kvarn | yes | yes | Jotunn YamlDotNet StarLevelSystem | ";
        QTest::newRow("a repack, none set up")
            << "Kvarn | no | yes | denikson Jotunn YamlDotNet StarLevelSystem | ";
        QTest::newRow("none set up or in the catalog")
            << "denikson | no | no | Jotunn YamlDotNet StarLevelSystem | "
               "denikson-BepInExPack_Valheim-5.4.2333";
    }
    void theLoaderIsMetOrGoesFirst() {
        QFETCH(QString, row);
        const QStringList column = row.split(" | ");
        const auto top = pkg("MidnightsFX", "StarLevelSystem",
                             {column[0] + "-BepInExPack_Valheim-5.4.2333", "ValheimModding-Jotunn-2.29.2",
                              "ValheimModding-YamlDotNet-16.3.1"});
        QList<TSPackage> packages{top,
                                  pkg("ValheimModding", "Jotunn", {"denikson-BepInExPack_Valheim-5.4.2105"}),
                                  pkg("ValheimModding", "YamlDotNet"), pkg("Kvarn", "bepinexpack_VALHEIM")};
        if (column[2] == "yes") packages << pkg("denikson", "BepInExPack_Valheim");
        const auto r = Thunderstore::resolutionChain(top, indexOf(packages), {}, column[1] == "yes");
        QStringList chain;
        for (const TSPackage& p : r.chain)
            chain << (p.name.startsWith("BepInEx") ? p.owner : p.name);
        QCOMPARE(chain.join(' '), column[3]);
        QCOMPARE(r.missing.join(' '), column[4]);
    }

    // The shader fix is known by its name alone: Thunderstore's first, the most downloaded of several.
    void aPackageFoundByItsName() {
        QList<TSPackage> packages{pkg("Z", "ShaderHelper"), pkg("A", "shaderhelperformac"),
                                  pkg("B", "ShaderHelperForMac"), pkg("C", "ShaderHelperForMac")};
        packages[0].totalDownloads = 1 << 30;
        packages[1].totalDownloads = 600;
        packages[2].totalDownloads = 500;
        packages[3].totalDownloads = 9000;
        packages[3].source = Repository::Source::hexium;
        QCOMPARE(Thunderstore::publishedAs(packages, Repository::shaderHelperName)->owner, "A");
        QCOMPARE(Thunderstore::publishedAs(packages.mid(3), Repository::shaderHelperName)->owner, "C");
        QVERIFY(!Thunderstore::publishedAs(packages.mid(0, 1), Repository::shaderHelperName));
    }

    void installedModsAreLeftOut() {
        // In the catalog and installed: out, together with its own dependencies.
        // Not in the catalog but installed under a differently written name: not reported.
        const auto root = pkg("O", "Root", {"O-Jotunn_Lib-1.0", "Else-Server Sync-1.0", "Else-Absent-1.0"});
        const Index index = indexOf({root, pkg("O", "Jotunn_Lib", {"O-Deep-1"}), pkg("O", "Deep")});
        const QSet<QString> installed{ConfigStore::normalize("JotunnLib"),
                                      ConfigStore::normalize("server_sync")};
        const auto r = Thunderstore::resolutionChain(root, index, installed);
        QCOMPARE(names(r.chain), QStringList{"Root"});
        QCOMPARE(r.missing, QStringList{"Else-Absent-1.0"});

        // The requested package itself is never skipped.
        const auto again = Thunderstore::resolutionChain(index.value("o-jotunn_lib"), index, installed);
        QCOMPARE(names(again.chain), (QStringList{"Deep", "Jotunn_Lib"}));
    }

    void aVeryDeepChainDoesNotOverflowTheStack() {
        constexpr int depth = 5000;
        QList<TSPackage> packages;
        for (int i = 0; i < depth; ++i)
            packages.append(pkg("O", QStringLiteral("M%1").arg(i), {QStringLiteral("O-M%1-1.0").arg(i + 1)}));
        packages.append(pkg("O", QStringLiteral("M%1").arg(depth)));
        const auto r = Thunderstore::resolutionChain(packages.first(), indexOf(packages), {});
        QCOMPARE(r.chain.size(), depth + 1);
        for (int i = 0; i <= depth; ++i)
            QCOMPARE(r.chain[i].name, QStringLiteral("M%1").arg(depth - i));
    }
};

SKALDRUN_TEST_MAIN(TestResolution)
#include "tst_resolution.moc"
