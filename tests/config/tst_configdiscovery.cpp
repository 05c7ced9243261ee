#include "config/ConfigStore.h"
#include "platform/AppSupport.h"
#include "platform/Fs.h"
#include "tests/support/ModFixtures.h"
#include "tests/support/TestMain.h"

#include <QTemporaryDir>

using ModFixtures::expectError;

namespace {

QStringList names(const QStringList& paths) {
    QStringList out;
    for (const QString& p : paths)
        out.append(Fs::fileName(p));
    return out;
}

} // namespace

class TestConfigDiscovery : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { Fs::remove(ConfigStore::backupDir()); }

    void normalizeWorksOnCodePoints() {
        QCOMPARE(ConfigStore::normalize("Valheim_Plus-1"), "valheimplus1");
        QCOMPARE(ConfigStore::normalize("Better UI 😀 模组!"), "betterui模组");
        // Letters outside the Basic Multilingual Plane survive whole; the accent mark stays.
        QCOMPARE(ConfigStore::normalize("𝒜b.e\u0301"), "𝒜be\u0301");
        QCOMPARE(ConfigStore::normalize("ÆSIR Ⅻ"), "æsirⅻ");
    }

    void listsTheConfigFolder() {
        QTemporaryDir game;
        const QString dir = ConfigStore::configDir(game.path());
        QCOMPARE(dir, Fs::join(game.path(), "BepInEx/config"));
        QVERIFY(ConfigStore::allConfigFiles(game.path()).isEmpty());
        for (const char* name : {"BepInEx.cfg", "bepinex.cfg", "b.cfg", "Zed.CFG", "a.cfg", "C.cfg",
                                 ".hidden.cfg", "notes.txt", "cfg", "sub/inner.cfg"})
            World::write(Fs::join(dir, QString::fromUtf8(name)), "x = 1\n");
        QVERIFY(QDir().mkpath(Fs::join(dir, "folder.cfg")));
        const QStringList found = names(ConfigStore::allConfigFiles(game.path()));
        QCOMPARE(found.size(), 6);
        // Case-insensitive order: capitals do not sort ahead of small letters.
        QCOMPARE(found.mid(found.indexOf("a.cfg"), 5),
                 (QStringList{"a.cfg", "b.cfg", "bepinex.cfg", "C.cfg", "Zed.CFG"}));
        QVERIFY(found.contains(".hidden.cfg"));
        QCOMPARE(ConfigStore::allConfigFiles(game.path()).first(), Fs::join(dir, found.first()));
    }

    void matchesByTheMeaningfulPiecesOfTheName() {
        const auto matches = [](const char* file, const QStringList& candidates) {
            return ConfigStore::matches("/g/BepInEx/config/" + QString::fromUtf8(file), candidates);
        };
        // Reverse-domain names: owner and mod name are the pieces that count.
        QVERIFY(matches("com.example.valheim.ModName.cfg", {"Mod_Name"}));
        QVERIFY(!matches("com.example.valheim.ModName.cfg", {"ValheimRaft"}));
        QVERIFY(matches("org.bepinex.plugins.valheim_plus.cfg", {"Valheim Plus Folder", "ValheimPlus"}));
        QVERIFY(matches("Azumatt.AzuCraftyBoxes.cfg", {"AzuCraftyBoxesPlus"}));
        QVERIFY(matches("randyknapp.mods.epicloot.cfg", {"EpicLoot"}));
        // Generic pieces are dropped, so a three-letter generic candidate finds nothing in them.
        QVERIFY(!matches("valheim.mod.Foo.cfg", {"mod"}));
        QVERIFY(!matches("com.author.Thing.cfg", {"com"}));
        // Two- and three-letter candidates only match a piece exactly.
        QVERIFY(matches("com.author.UI.cfg", {"ui"}));
        QVERIFY(!matches("com.author.BetterUI.cfg", {"UI"}));
        QVERIFY(matches("Map.cfg", {"MAP"}));
        QVERIFY(!matches("MiniMap.cfg", {"Map"}));
        // Length counts characters as the player sees them: "été" with combining accents is three.
        QVERIFY(!matches("summer.ete\u0301te\u0301.cfg", {"e\u0301te\u0301"}));
        QVERIFY(matches("summer.ete\u0301te\u0301.cfg", {"te\u0301te\u0301"}));
        // Names that normalize to nothing never match.
        QVERIFY(!matches("___.cfg", {"--", ""}));
        QVERIFY(!matches("Foo.cfg", {}));
    }

    void firstSeenCopies() {
        QCOMPARE(ConfigStore::backupDir(), Fs::join(AppSupport::dir(), "original-configs"));
        QTemporaryDir gameA;
        QTemporaryDir gameB;
        const QString a = Fs::join(ConfigStore::configDir(gameA.path()), "mod.cfg");
        const QString b = Fs::join(ConfigStore::configDir(gameB.path()), "mod.cfg");
        World::write(a, "edited by hand\n");
        World::write(b, "other game\n");

        QVERIFY(!ConfigStore::hasBackup(a));
        const QString copy = ConfigStore::ensureBackup(a);
        QCOMPARE(copy, ConfigStore::backupURL(a));
        QCOMPARE(World::read(copy), QByteArray("edited by hand\n"));
        // Keyed by file name: the other game's file of that name shares the copy, which is never replaced.
        QVERIFY(ConfigStore::hasBackup(b));
        QCOMPARE(ConfigStore::ensureBackup(b), copy);
        World::write(a, "changed later\n");
        ConfigStore::ensureBackup(a);
        QCOMPARE(World::read(copy), QByteArray("edited by hand\n"));

        ConfigStore::revertToOriginal(a);
        QCOMPARE(World::read(a), QByteArray("edited by hand\n"));
        QVERIFY(ConfigStore::hasBackup(a));
        World::write(a, "again\n");
        ConfigStore::revertToOriginal(a);
        QCOMPARE(World::read(a), QByteArray("edited by hand\n"));

        const QString lone = Fs::join(ConfigStore::configDir(gameA.path()), "lone.cfg");
        World::write(lone, "mine\n");
        expectError({"lone.cfg"}, [&] { ConfigStore::revertToOriginal(lone); });
        QCOMPARE(World::read(lone), QByteArray("mine\n"));
        QVERIFY_THROWS_EXCEPTION(SkaldrunError, ConfigStore::ensureBackup(lone + ".gone"));
        QVERIFY(!ConfigStore::hasBackup(lone + ".gone"));
    }
};

SKALDRUN_TEST_MAIN(TestConfigDiscovery)
#include "tst_configdiscovery.moc"
