#include "config/ConfigStore.h"
#include "inventory/ModScanner.h"
#include "platform/Fs.h"
#include "tests/install/GameFixture.h"
#include "tests/support/TestMain.h"

#include <QRegularExpression>
#include <QTemporaryDir>

#include <unistd.h>

using Fixture::tree;
using ModFixtures::fakeDll;
using ModFixtures::unversionedDll;

namespace {

// One line per mod: name ("/" for a folder), on or off, DLL count, version ("-" for none).
QString summary(const QList<ModItem>& mods) {
    QStringList out;
    for (const ModItem& m : mods)
        out.append(QString("%1%2 %3 %4 %5")
                       .arg(m.name, m.isFolder ? "/" : "", m.enabled ? "on" : "off")
                       .arg(m.dllCount)
                       .arg(m.version.value_or("-")));
    return out.join(", ");
}

const ModItem* byName(const QList<ModItem>& mods, const QString& name) {
    for (const ModItem& m : mods)
        if (m.name == name) return &m;
    return nullptr;
}

} // namespace

class TestModScanner : public QObject {
    Q_OBJECT

    QTemporaryDir* game = nullptr;
    QString plugins() const { return ModScanner::pluginsDir(game->path()); }
    QString plugin(const QString& relative) const { return Fs::join(plugins(), relative); }
    QList<ModItem> scan() const { return ModScanner::scan(game->path()); }
    void put(std::initializer_list<const char*> files, const QByteArray& bytes = unversionedDll()) const {
        for (const char* file : files)
            World::write(plugin(file), bytes);
    }

private Q_SLOTS:
    void init() {
        game = new QTemporaryDir;
        QVERIFY(QDir().mkpath(plugins()));
    }
    void cleanup() { delete game; }

    void listsFoldersAndLooseDllsOnly() {
        World::write(plugin("Foo_Bar.dll"), fakeDll(1, 2, 3, 4));
        World::write(plugin("baz.dll.disabled"), fakeDll(0, 9, 0, 0));
        World::write(plugin("readme.txt"), "hello");
        World::write(plugin(".DS_Store"), "x");
        QVERIFY(QDir().mkpath(plugin("Qux")));
        const QList<ModItem> mods = scan();
        // A disabled DLL's version is read too; capitals don't sort ahead of small letters.
        QCOMPARE(summary(mods), "baz off 1 0.9.0, Foo Bar on 1 1.2.3.4, Qux/ on 0 -");
        QCOMPARE(mods[0].url, plugin("baz.dll.disabled"));

        // Equal scans compare equal; any change of state does not.
        QCOMPARE(scan(), mods);
        ModScanner::setEnabled(mods[1], false);
        QVERIFY(scan() != mods);
    }

    void nestedDllsAreCountedAndSwitched() {
        put({"Deep/Deep.dll", "Deep/lib/a/b/c/Helper.DLL", "Deep/lib/Old.dll.disabled", "Deep/lib/notes.md",
             "Deep/.hidden/Secret.dll"});
        const QString deep = plugin("Deep");
        const QStringList original = tree(deep);
        ModItem mod = scan().first();
        QCOMPARE(mod.dllCount, 4);

        ModScanner::setEnabled(mod, false);
        QCOMPARE(tree(deep).filter(".dll.disabled", Qt::CaseInsensitive).size(), 4);
        mod = scan().first();
        QVERIFY(!mod.enabled);
        QCOMPARE(mod.dllCount, 4);

        // Enabling wakes every DLL, including one that was off before; disabling and enabling
        // again restores exactly the names there were.
        ModScanner::setEnabled(mod, true);
        const QStringList allOn = tree(deep);
        QCOMPARE(allOn, QStringList(original).replaceInStrings(".dll.disabled", ".dll"));
        ModScanner::setEnabled(scan().first(), false);
        ModScanner::setEnabled(scan().first(), true);
        QCOMPARE(tree(deep), allOn);
        QVERIFY(scan().first().enabled);
    }

    void looseDllSwitching() {
        put({"Foo.DLL.DISABLED", "Bar.dll"});
        World::write(plugin("Bar.dll.disabled"), QByteArray("older copy"));
        QList<ModItem> mods = scan();
        const ModItem foo = *byName(mods, "Foo");
        QVERIFY(!foo.enabled);
        // The suffix is not the exact ".disabled", so it stays as the player named it.
        ModScanner::setEnabled(foo, true);
        QVERIFY(QFile::exists(foo.url));

        // Disabling Bar would overwrite the older disabled copy: refused, both files kept.
        const auto bar = std::find_if(mods.cbegin(), mods.cend(), [](const ModItem& m) { return m.enabled; });
        QCOMPARE(bar->name, "Bar");
        QVERIFY_THROWS_EXCEPTION(SkaldrunError, ModScanner::setEnabled(*bar, false));
        QVERIFY(QFile::exists(plugin("Bar.dll")));
        QCOMPARE(World::read(plugin("Bar.dll.disabled")), QByteArray("older copy"));

        Fs::remove(plugin("Bar.dll.disabled"));
        ModScanner::setEnabled(*bar, false);
        ModScanner::setEnabled(*byName(scan(), "Bar"), true);
        QCOMPARE(tree(plugins()), (QStringList{"Bar.dll", "Foo.DLL.DISABLED"}));
    }

    // A folder is on while any DLL in it is (or it has none); its version from its manifest, else
    // from its DLLs, disabled ones too.
    void foldersStateAndVersion() {
        put({"AllOff/a.dll.disabled", "AllOff/b.DLL.DISABLED"});
        World::write(plugin("Manifest/manifest.json"), R"({"name":"M","version_number":"1.2.3"})");
        World::write(plugin("Manifest/M.dll"), fakeDll(9, 9, 9, 0));
        World::write(plugin("Number/manifest.json"), R"({"version_number":1.5})");
        World::write(plugin("Number/N.dll"), fakeDll(2, 0, 1, 0));
        // Thunderstore packages often carry a byte-order mark in their manifest.
        World::write(plugin("Bom/manifest.json"), "\xEF\xBB\xBF{\"version_number\":\"4.0.0\"}");
        World::write(plugin("Broken/manifest.json"), "{not json");
        World::write(plugin("Broken/Sub/manifest.json"), R"({"version_number":"7.7.7"})");
        put({"Fallback/A.dll"});
        World::write(plugin("Fallback/B.dll.disabled"), fakeDll(3, 1, 0, 0));
        QVERIFY(QDir().mkpath(plugin("DirManifest/manifest.json")));
        QTemporaryDir elsewhere; // a mod folder that is itself a link still counts as a folder mod
        World::write(elsewhere.filePath("Linked.dll"), fakeDll(5, 0, 0, 0));
        QVERIFY(QFile::link(elsewhere.path(), plugin("Linked")));
        QCOMPARE(
            summary(scan()),
            "AllOff/ off 2 -, Bom/ on 0 4.0.0, Broken/ on 0 -, DirManifest/ on 0 -, Fallback/ on 2 3.1.0, "
            "Linked/ on 1 5.0.0, Manifest/ on 1 1.2.3, Number/ on 1 2.0.1");
        QCOMPARE(ModScanner::manifestVersion(plugin("Broken/Sub")), "7.7.7");
    }

    void configFilesFollowTheNames() {
        const QString configs = ConfigStore::configDir(game->path());
        for (const char* name :
             {"org.bepinex.plugins.valheim_plus.cfg", "BepInEx.cfg", "com.author.MapTweaks.cfg",
              "Author.Helper.cfg", "aaa.valheimplus.extra.cfg"})
            World::write(Fs::join(configs, QString::fromUtf8(name)), "x = 1\n");
        put({"ValheimPlus/ValheimPlus.dll", "ValheimPlus/lib/Helper.dll.disabled", "Map_Tweaks.dll"});
        const QList<ModItem> mods = scan();
        const auto inConfigs = [&](QStringList names) {
            return names.replaceInStrings(QRegularExpression("^"), configs + '/');
        };
        // The disabled DLL's name counts too; the order is the config folder's.
        QCOMPARE(byName(mods, "ValheimPlus")->configFiles,
                 inConfigs({"aaa.valheimplus.extra.cfg", "Author.Helper.cfg",
                            "org.bepinex.plugins.valheim_plus.cfg"}));
        // A loose DLL's own name; which names match which files: the config store's tests.
        QCOMPARE(byName(mods, "Map Tweaks")->configFiles, inConfigs({"com.author.MapTweaks.cfg"}));
    }

    void unreadableModFolderCountsAsEmpty() {
        if (::geteuid() == 0) QSKIP("permissions do not stop the superuser");
        World::write(plugin("Locked/Locked.dll"), unversionedDll());
        QVERIFY(Fs::setPermissions(plugin("Locked"), 0));
        const QList<ModItem> mods = scan();
        Fs::setPermissions(plugin("Locked"), 0755);
        QCOMPARE(summary(mods), "Locked/ on 0 -");
    }
};

SKALDRUN_TEST_MAIN(TestModScanner)
#include "tst_modscanner.moc"
