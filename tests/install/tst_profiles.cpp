#include "catalog/Thunderstore.h"
#include "install/InstallRecords.h"
#include "install/Installer.h"
#include "install/Profiles.h"
#include "platform/AppSupport.h"
#include "tests/install/GameFixture.h"
#include "tests/support/CatalogEntry.h"
#include "tests/support/TestMain.h"

#include <QScopeGuard>

#include <memory>

using namespace Fixture;
using ModFixtures::expectError;

class TestProfiles : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_game;

    QString game(const QString& rel) const { return m_game + '/' + rel; }
    QString store(const QString& rel) const { return Profiles::storeDir(m_game) + '/' + rel; }

private Q_SLOTS:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>(TestHome::path() + "/games-XXXXXX"); // the Trash's volume
        m_game = makeGame(m_dir->filePath("Valheim"));
        make(m_game + "/BepInEx", {"plugins/Alpha/Alpha.dll = alpha", "plugins/Loose.dll.disabled = loose",
                                   "config/BepInEx.cfg = [Logging]\n", "config/alpha.cfg = a = 1\n"});
    }

    // Each name's problem, and the name a shared pack of that name gets instead.
    void names_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("problem");
        QTest::addColumn<QString>("free");
        const auto row = [](const char* tag, const QString& name, const QString& problem,
                            const QString& free) { QTest::newRow(tag) << name << problem << free; };
        const QString empty = "Give the profile a name.", dot = "A profile name can't start with a dot.",
                      unsafe = "A profile name can't contain “/”, “\\”, “:” or control characters.";
        row("blank", "  ", empty, "Imported");
        row("padded", " Raid", "A profile name can't start or end with a space.", "Raid 2");
        row("..", "..", dot, "Imported");
        row("dots and spaces", ". .", dot, "Imported");
        row("hidden", ".raid", dot, "raid 2");
        row("slash", "a/b", unsafe, "ab");
        row("backslash", "a\\b", unsafe, "ab");
        row("colon", "a:b", unsafe, "ab");
        row("tab", "a\tb", unsafe, "a b");
        row("control character", "Crew\x01", unsafe, "Crew");
        row("only control characters", "\x01\x7f", unsafe, "Imported");
        row("65 long", QString(65, 'x'), "A profile name can have at most 64 characters.", QString(60, 'x'));
        row("taken, other case", "DEFAULT", "There is already a profile called “Default”.", "DEFAULT 2");
        row("64 long", QString(64, 'x'), "", QString(60, 'x'));
        row("unicode, inner dots", "Ærø 1.0 server", "", "Ærø 1.0 server");
    }
    void names() {
        QFETCH(QString, name);
        QFETCH(QString, problem);
        QCOMPARE(Profiles::nameProblem(name, {"Default", "Raid"}).value_or(""), problem);
        QTEST(Profiles::freeName(name, {"Default", "Raid"}), "free");
    }

    // A switch from Default to Second cut short after each of its steps (as if the app died
    // there), sometimes with BepInEx started in between: the next start finishes it.
    void interruptedSwitchFinishes_data() {
        QTest::addColumn<int>("steps");
        QTest::addColumn<bool>("loaderRanSince");
        for (int steps = 0; steps <= 5; ++steps) {
            QTest::addRow("after %d steps", steps) << steps << false;
            QTest::addRow("after %d steps, loader ran", steps) << steps << true;
        }
    }
    void interruptedSwitchFinishes() {
        QFETCH(int, steps);
        QFETCH(bool, loaderRanSince);
        make(store("Second"), {"plugins/Beta/Beta.dll = beta", "config/beta.cfg = b = 2\n",
                               "config/BepInEx.cfg = [Logging]\n"});
        const auto first = World::files(game("BepInEx")), second = World::files(store("Second"));
        Profiles::detail::switchPartly(m_game, "Second", steps);
        QVERIFY(QFile::exists(store(".switch.json")));
        if (loaderRanSince) {
            QDir().mkpath(game("BepInEx/plugins"));
            World::write(game("BepInEx/config/BepInEx.cfg"), "[Logging]\n"); // the loader's defaults
        }
        Profiles::recover(m_game);
        QCOMPARE(Profiles::active(m_game), "Second");
        QCOMPARE(Profiles::list(m_game), (QStringList{"Default", "Second"}));
        QCOMPARE(World::files(store("Default")), first);
        QCOMPARE(World::files(game("BepInEx")), second);
        // What the loader made meanwhile is kept aside, never mixed into either profile.
        const QStringList aside =
            QDir(Profiles::storeDir(m_game)).entryList({".found*"}, QDir::Dirs | QDir::Hidden);
        QCOMPARE(aside.size(), loaderRanSince && steps >= 2 && steps < 4 ? 1 : 0);
        QVERIFY(!QFile::exists(store(".switch.json")) && !QFile::exists(store("Second")));
        // And back: Default is whole again.
        QCOMPARE(Profiles::switchTo(m_game, "default"), "Default");
        QCOMPARE(World::files(game("BepInEx")), first);
    }

    // A store earlier versions kept in the game folder moves to the data folder at the first use;
    // the profiles then outlive the game folder, and a switch copies them to its drive.
    void profilesOutliveTheGameFolder() {
        make(game("Skaldrun Profiles"), {".active = Main", "Second/plugins/Beta/Beta.dll = beta"});
        const QString linked = game("Skaldrun Profiles/Second/plugins/Linked.dll");
        QVERIFY(QFile::link(m_dir->filePath("Linked.dll"), linked)); // a mod the player keeps elsewhere
        Profiles::recover(m_game);
        QVERIFY(!QFile::exists(game("Skaldrun Profiles")));
        QCOMPARE(Profiles::active(m_game), "Main");
        const auto inode = [](const QString& path) {
            struct stat st {};
            return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_ino : 0;
        };
        const auto stored = inode(store("Second/plugins/Beta/Beta.dll"));
        QVERIFY(QDir(m_game).removeRecursively());
        makeGame(m_game);
        qputenv("SKALDRUN_FS_OTHER_VOLUME", "1");
        const auto sameVolumeAgain = qScopeGuard([] { qunsetenv("SKALDRUN_FS_OTHER_VOLUME"); });
        const QString via = m_dir->filePath("via link"); // as Steam's own links reach the library
        QVERIFY(QFile::link(m_game, via));
        QCOMPARE(Profiles::list(via), (QStringList{"Main", "Second"}));
        QCOMPARE(Profiles::switchTo(m_game, "second"), "Second");
        QCOMPARE(tree(game("BepInEx/plugins")), (QStringList{"Beta/", "Beta/Beta.dll", "Linked.dll"}));
        QVERIFY(stored != 0 && inode(game("BepInEx/plugins/Beta/Beta.dll")) != stored); // copied, not renamed
        QCOMPARE(QFileInfo(game("BepInEx/plugins/Linked.dll")).symLinkTarget(),
                 m_dir->filePath("Linked.dll"));
    }

    void createRenameRemove() {
        QVERIFY(!QFile::exists(Profiles::storeDir(m_game))); // nothing is written before it's needed
        QCOMPARE(Profiles::list(m_game), QStringList{"Default"});
        QCOMPARE(Profiles::create(m_game, " Empty ", false), "Empty");
        QCOMPARE(tree(store("Empty")), (QStringList{"config/", "config/BepInEx.cfg", "plugins/"}));
        QCOMPARE(Profiles::create(m_game, "Copy", true), "Copy");
        QCOMPARE(World::files(store("Copy")), World::files(game("BepInEx")));
        expectError({"There is already a profile called “Copy”."},
                    [&] { Profiles::create(m_game, "copy", false); });

        QCOMPARE(Profiles::rename(m_game, "copy", "COPY"), "COPY");
        QCOMPARE(Profiles::rename(m_game, "Default", "Main"), "Main");
        QCOMPARE(Profiles::list(m_game), (QStringList{"COPY", "Empty", "Main"}));
        QCOMPARE(World::files(store("COPY")), World::files(game("BepInEx")));

        expectError({"“Main” is the profile in use"}, [&] { Profiles::remove(m_game, "Main"); });
        // A rename cut short between its two moves ends renamed at the next start.
        QVERIFY(QDir().rename(store("Empty"), store(".renaming Spare")));
        Profiles::recover(m_game);
        Profiles::remove(m_game, "spare");
        QCOMPARE(Profiles::list(m_game), (QStringList{"COPY", "Main"}));

        // Mods parked for the shader capture belong to this profile: no switch takes them along.
        const auto before = World::files(m_game);
        Installer::stashModsForCapture(m_game);
        expectError({"shader capture"}, [&] { Profiles::switchTo(m_game, "COPY"); });
        Installer::restoreStashedMods(m_game);
        QCOMPARE(World::files(m_game), before);
    }

    // Where a mod came from stays with the mods: the other profile and the other game folder keep
    // their own record, and a folder without one still reads the single record of earlier versions.
    void originsStayWithTheirMods() {
        TSPackage alpha = catalogEntry("Ann-Alpha");
        World::write(AppSupport::ensureDir() + "/installed-origins.json",
                     R"({"alpha": {"repository": "Hexium", "package": "Ann-Alpha", "version": "0.9.0"}})");
        QCOMPARE(InstallRecords::of(m_game, "Alpha")->version, "0.9.0");
        InstallRecords::remember(m_game, alpha);
        Profiles::create(m_game, "Other", true);
        Profiles::switchTo(m_game, "Other");
        alpha.version = "2.0.0";
        InstallRecords::remember(m_game, alpha);
        const QString elsewhere = makeGame(m_dir->filePath("Second"));
        QCOMPARE(InstallRecords::of(elsewhere, "Alpha")->version, "0.9.0");
        Profiles::switchTo(m_game, Profiles::defaultName);
        QCOMPARE(InstallRecords::of(m_game, "Alpha")->version, "1.0.0");
        QCOMPARE(InstallRecords::of(m_game, "Alpha")->source, Repository::Source::thunderstore);
    }
};

SKALDRUN_TEST_MAIN(TestProfiles)
#include "tst_profiles.moc"
