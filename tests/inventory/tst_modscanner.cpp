#include "config/ConfigStore.h"
#include "discovery/PEVersion.h"
#include "inventory/ModScanner.h"
#include "platform/Fs.h"
#include "platform/SkaldrunError.h"
#include "tests/support/ModFixtures.h"
#include "tests/support/TestMain.h"

#include <QTemporaryDir>

#include <unistd.h>

using ModFixtures::fakeDll;
using ModFixtures::unversionedDll;
using ModFixtures::writeFile;

namespace {

// Every file below a folder, relative to it, sorted.
QStringList filesBelow(const QString& root) {
    QStringList out;
    Fs::walk(root, [&](const Fs::Entry& e) {
        if (!e.isDir) out.append(QDir(root).relativeFilePath(e.path));
        return true;
    });
    out.sort();
    return out;
}

std::optional<QString> versionOf(const QByteArray& bytes) {
    return PEVersion::fileVersion(reinterpret_cast<const unsigned char*>(bytes.constData()),
                                  size_t(bytes.size()));
}

QStringList modNames(const QList<ModItem>& mods) {
    QStringList out;
    for (const ModItem& m : mods)
        out.append(m.name);
    return out;
}

const ModItem* byName(const QList<ModItem>& mods, const QString& name) {
    for (const ModItem& m : mods) {
        if (m.name == name) return &m;
    }
    return nullptr;
}

} // namespace

class TestModScanner : public QObject {
    Q_OBJECT

    QTemporaryDir* game = nullptr;
    QString plugins() const { return ModScanner::pluginsDir(game->path()); }
    QString plugin(const QString& relative) const { return Fs::join(plugins(), relative); }
    QList<ModItem> scan() const { return ModScanner::scan(game->path()); }

private Q_SLOTS:
    void init() {
        game = new QTemporaryDir;
        QVERIFY(QDir().mkpath(plugins()));
    }
    void cleanup() { delete game; }

    void listsFoldersAndLooseDllsOnly() {
        writeFile(plugin(QStringLiteral("Foo_Bar.dll")), fakeDll(1, 2, 3, 4));
        writeFile(plugin(QStringLiteral("Baz.dll.disabled")), fakeDll(0, 9, 0, 0));
        writeFile(plugin(QStringLiteral("readme.txt")), "hello");
        writeFile(plugin(QStringLiteral(".DS_Store")), "x");
        QVERIFY(QDir().mkpath(plugin(QStringLiteral("Qux"))));
        const QList<ModItem> mods = scan();
        QCOMPARE(modNames(mods),
                 (QStringList{QStringLiteral("Baz"), QStringLiteral("Foo Bar"), QStringLiteral("Qux")}));

        const ModItem& baz = mods[0];
        QCOMPARE(baz.url, plugin(QStringLiteral("Baz.dll.disabled")));
        QVERIFY(!baz.enabled && !baz.isFolder);
        QCOMPARE(baz.dllCount, 1);
        QCOMPARE(baz.version, QStringLiteral("0.9.0")); // read even when disabled
        QCOMPARE(mods[1].version, QStringLiteral("1.2.3.4"));
        QVERIFY(mods[1].enabled);
        QVERIFY(mods[2].isFolder && mods[2].enabled);
        QCOMPARE(mods[2].dllCount, 0);
        QCOMPARE(mods[2].version, std::nullopt);

        // Equal scans compare equal; any change of state does not.
        QCOMPARE(scan(), mods);
        ModScanner::setEnabled(mods[1], false);
        QVERIFY(scan() != mods);
    }

    void missingPluginsFolderGivesNothing() {
        QVERIFY(ModScanner::scan(Fs::join(game->path(), QStringLiteral("nowhere"))).isEmpty());
        Fs::remove(plugins());
        writeFile(plugins(), "a file, not a folder");
        QVERIFY(scan().isEmpty());
    }

    void enabledStateOfFolders() {
        writeFile(plugin(QStringLiteral("AllOff/a.dll.disabled")), unversionedDll());
        writeFile(plugin(QStringLiteral("AllOff/b.DLL.DISABLED")), unversionedDll());
        writeFile(plugin(QStringLiteral("Mixed/a.dll")), unversionedDll());
        writeFile(plugin(QStringLiteral("Mixed/b.dll.disabled")), unversionedDll());
        writeFile(plugin(QStringLiteral("DataOnly/items.json")), "{}");
        const QList<ModItem> mods = scan();
        QVERIFY(!byName(mods, QStringLiteral("AllOff"))->enabled);
        QCOMPARE(byName(mods, QStringLiteral("AllOff"))->dllCount, 2);
        QVERIFY(byName(mods, QStringLiteral("Mixed"))->enabled);
        QCOMPARE(byName(mods, QStringLiteral("Mixed"))->dllCount, 2);

        // Disabling a folder without DLLs has nothing to rename.
        const QStringList before = filesBelow(plugins());
        ModScanner::setEnabled(*byName(mods, QStringLiteral("DataOnly")), false);
        QCOMPARE(filesBelow(plugins()), before);
        QVERIFY(byName(scan(), QStringLiteral("DataOnly"))->enabled);
    }

    void nestedDllsAreCountedAndSwitched() {
        const QStringList files = {
            QStringLiteral("Deep/Deep.dll"), QStringLiteral("Deep/lib/a/b/c/Helper.DLL"),
            QStringLiteral("Deep/lib/Old.dll.disabled"), QStringLiteral("Deep/lib/notes.md"),
            QStringLiteral("Deep/.hidden/Secret.dll")};
        for (const QString& f : files)
            writeFile(plugin(f), unversionedDll());
        const QString deep = plugin(QStringLiteral("Deep"));
        const QStringList original = filesBelow(deep);
        ModItem mod = scan().first();
        QCOMPARE(mod.dllCount, 4);

        ModScanner::setEnabled(mod, false);
        QCOMPARE(filesBelow(deep).filter(QStringLiteral(".dll.disabled"), Qt::CaseInsensitive).size(), 4);
        mod = scan().first();
        QVERIFY(!mod.enabled);
        QCOMPARE(mod.dllCount, 4);

        // Enabling wakes every DLL, including one that was off before; disabling and enabling
        // again restores exactly the names there were.
        ModScanner::setEnabled(mod, true);
        const QStringList allOn = filesBelow(deep);
        QCOMPARE(allOn, QStringList(original).replaceInStrings(QStringLiteral(".dll.disabled"),
                                                               QStringLiteral(".dll")));
        ModScanner::setEnabled(scan().first(), false);
        ModScanner::setEnabled(scan().first(), true);
        QCOMPARE(filesBelow(deep), allOn);
        QVERIFY(scan().first().enabled);
    }

    void looseDllSwitching() {
        writeFile(plugin(QStringLiteral("Foo.DLL.DISABLED")), unversionedDll());
        writeFile(plugin(QStringLiteral("Bar.dll")), unversionedDll());
        writeFile(plugin(QStringLiteral("Bar.dll.disabled")), QByteArray("older copy"));
        QList<ModItem> mods = scan();
        const ModItem foo = *byName(mods, QStringLiteral("Foo"));
        QVERIFY(!foo.enabled);
        // The suffix is not the exact ".disabled", so it stays as the player named it.
        ModScanner::setEnabled(foo, true);
        QVERIFY(QFile::exists(foo.url));

        // Disabling Bar would overwrite the older disabled copy: refused, both files kept.
        const ModItem* bar = nullptr;
        for (const ModItem& m : mods) {
            if (m.name == QLatin1String("Bar") && m.enabled) bar = &m;
        }
        QVERIFY(bar);
        QVERIFY_THROWS_EXCEPTION(SkaldrunError, ModScanner::setEnabled(*bar, false));
        QVERIFY(QFile::exists(plugin(QStringLiteral("Bar.dll"))));
        QCOMPARE(ModFixtures::readFile(plugin(QStringLiteral("Bar.dll.disabled"))), QByteArray("older copy"));

        Fs::remove(plugin(QStringLiteral("Bar.dll.disabled")));
        ModScanner::setEnabled(*bar, false);
        ModScanner::setEnabled(*byName(scan(), QStringLiteral("Bar")), true);
        QCOMPARE(filesBelow(plugins()),
                 (QStringList{QStringLiteral("Bar.dll"), QStringLiteral("Foo.DLL.DISABLED")}));
    }

    void versionSources() {
        writeFile(plugin(QStringLiteral("Manifest/manifest.json")),
                  R"({"name":"M","version_number":"1.2.3"})");
        writeFile(plugin(QStringLiteral("Manifest/M.dll")), fakeDll(9, 9, 9, 0));
        writeFile(plugin(QStringLiteral("Number/manifest.json")), R"({"version_number":1.5})");
        writeFile(plugin(QStringLiteral("Number/N.dll")), fakeDll(2, 0, 1, 0));
        // Thunderstore packages often carry a byte-order mark in their manifest.
        writeFile(plugin(QStringLiteral("Bom/manifest.json")), "\xEF\xBB\xBF{\"version_number\":\"4.0.0\"}");
        writeFile(plugin(QStringLiteral("Broken/manifest.json")), "{not json");
        writeFile(plugin(QStringLiteral("Broken/Sub/manifest.json")), R"({"version_number":"7.7.7"})");
        writeFile(plugin(QStringLiteral("Fallback/A.dll")), unversionedDll());
        writeFile(plugin(QStringLiteral("Fallback/B.dll.disabled")), fakeDll(3, 1, 0, 0));
        QVERIFY(QDir().mkpath(plugin(QStringLiteral("DirManifest/manifest.json"))));
        const QList<ModItem> mods = scan();
        QCOMPARE(byName(mods, QStringLiteral("Manifest"))->version, QStringLiteral("1.2.3"));
        QCOMPARE(byName(mods, QStringLiteral("Number"))->version, QStringLiteral("2.0.1"));
        QCOMPARE(byName(mods, QStringLiteral("Bom"))->version, QStringLiteral("4.0.0"));
        QCOMPARE(byName(mods, QStringLiteral("Broken"))->version, std::nullopt);
        QCOMPARE(byName(mods, QStringLiteral("Fallback"))->version, QStringLiteral("3.1.0"));
        QCOMPARE(byName(mods, QStringLiteral("DirManifest"))->version, std::nullopt);
        QCOMPARE(ModScanner::manifestVersion(plugin(QStringLiteral("Broken/Sub"))), QStringLiteral("7.7.7"));
    }

    // The plugin versions come from a byte search that must find every occurrence, overlapping
    // ones and ones right after a near miss included, and never read past the end.
    void dllVersionRecords() {
        const QByteArray trusted = ModFixtures::versionRecord(0x00010000, 0x00010002, 0x00030000);
        const QByteArray filler(300, '\xBD');
        QCOMPARE(versionOf(filler + QByteArray("\xBD\x04\xEF") + trusted + filler), QStringLiteral("1.2.3"));
        QCOMPARE(versionOf(ModFixtures::versionRecord(0, 0x00020000, 0) + filler + trusted),
                 QStringLiteral("1.2.3"));
        QCOMPARE(versionOf(filler + ModFixtures::versionRecord(0, 0x00020000, 0)), QStringLiteral("2.0.0"));
        QCOMPARE(versionOf(ModFixtures::versionRecord(0x00010000, 0, 0) +
                           ModFixtures::versionRecord(0x00010000, 0x00000001, 0x00000003)),
                 QStringLiteral("0.1.0.3"));
        QCOMPARE(versionOf(filler + trusted.left(15)), std::nullopt);
        QCOMPARE(versionOf(filler + trusted.left(4)), std::nullopt);
        QCOMPARE(versionOf(filler + trusted.left(3)), std::nullopt);
        QCOMPARE(versionOf(QByteArray("\xBD\x04")), std::nullopt);
    }

    void configFilesFollowTheNames() {
        const QString configs = ConfigStore::configDir(game->path());
        for (const char* name :
             {"org.bepinex.plugins.valheim_plus.cfg", "BepInEx.cfg", "com.author.MapTweaks.cfg",
              "Author.Helper.cfg", "aaa.valheimplus.extra.cfg"})
            writeFile(Fs::join(configs, QString::fromUtf8(name)), "x = 1\n");
        writeFile(plugin(QStringLiteral("ValheimPlus/ValheimPlus.dll")), unversionedDll());
        writeFile(plugin(QStringLiteral("ValheimPlus/lib/Helper.dll.disabled")), unversionedDll());
        writeFile(plugin(QStringLiteral("Map_Tweaks.dll")), unversionedDll());
        writeFile(plugin(QStringLiteral("Unrelated.dll")), unversionedDll());
        const QList<ModItem> mods = scan();
        const auto inConfigs = [&](std::initializer_list<const char*> names) {
            QStringList out;
            for (const char* n : names)
                out.append(Fs::join(configs, QString::fromUtf8(n)));
            return out;
        };
        // The disabled DLL's name counts too; the order is the config folder's.
        QCOMPARE(byName(mods, QStringLiteral("ValheimPlus"))->configFiles,
                 inConfigs({"aaa.valheimplus.extra.cfg", "Author.Helper.cfg",
                            "org.bepinex.plugins.valheim_plus.cfg"}));
        QCOMPARE(byName(mods, QStringLiteral("Map Tweaks"))->configFiles,
                 inConfigs({"com.author.MapTweaks.cfg"}));
        QVERIFY(byName(mods, QStringLiteral("Unrelated"))->configFiles.isEmpty());
    }

    void sortIgnoresLetterCaseAndKeepsListingOrderForTies() {
        for (const char* name : {"beta", "Alpha", "gamma", "alpha", "Beta", "ALPHA"})
            QVERIFY(QDir().mkpath(plugin(QString::fromUtf8(name))));
        const QStringList listed = *Fs::list(plugins());
        QStringList expected;
        for (const QString& first :
             {QStringLiteral("alpha"), QStringLiteral("beta"), QStringLiteral("gamma")}) {
            for (const QString& name : listed) {
                if (name.compare(first, Qt::CaseInsensitive) == 0) expected.append(name);
            }
        }
        QCOMPARE(modNames(scan()), expected);
    }

    void linksLoopsAndLargeFolders() {
        // A link loop inside a mod must not hang the walk or count anything twice.
        writeFile(plugin(QStringLiteral("Loop/Loop.dll")), unversionedDll());
        QVERIFY(QDir().mkpath(plugin(QStringLiteral("Loop/sub"))));
        QVERIFY(QFile::link(plugin(QStringLiteral("Loop")), plugin(QStringLiteral("Loop/sub/back"))));
        // A mod folder that is itself a link still counts as a folder mod.
        QTemporaryDir elsewhere;
        writeFile(elsewhere.filePath(QStringLiteral("Linked.dll")), fakeDll(5, 0, 0, 0));
        QVERIFY(QFile::link(elsewhere.path(), plugin(QStringLiteral("LinkedMod"))));
        // Many files: every DLL found, nothing else counted.
        for (int i = 0; i < 2000; ++i)
            writeFile(plugin(QStringLiteral("Big/part%1/file%2.%3")
                                 .arg(i % 10)
                                 .arg(i)
                                 .arg(i % 4 == 0 ? "dll" : "txt")),
                      "x");

        const QList<ModItem> mods = scan();
        QCOMPARE(mods.size(), 3);
        QCOMPARE(byName(mods, QStringLiteral("Loop"))->dllCount, 1);
        QVERIFY(byName(mods, QStringLiteral("LinkedMod"))->isFolder);
        QCOMPARE(byName(mods, QStringLiteral("LinkedMod"))->version, QStringLiteral("5.0.0"));
        QCOMPARE(byName(mods, QStringLiteral("Big"))->dllCount, 500);
    }

    void unreadableModFolderCountsAsEmpty() {
        if (::geteuid() == 0) QSKIP("permissions do not stop the superuser");
        writeFile(plugin(QStringLiteral("Locked/Locked.dll")), unversionedDll());
        QVERIFY(Fs::setPermissions(plugin(QStringLiteral("Locked")), 0));
        const QList<ModItem> mods = scan();
        Fs::setPermissions(plugin(QStringLiteral("Locked")), 0755);
        QCOMPARE(mods.size(), 1);
        QCOMPARE(mods[0].dllCount, 0);
        QVERIFY(mods[0].enabled);
    }
};

SKALDRUN_TEST_MAIN(TestModScanner)
#include "tst_modscanner.moc"
