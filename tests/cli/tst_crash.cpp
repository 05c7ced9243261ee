#include "install/ProfilePack.h"
#include "install/Profiles.h"
#include "platform/Fs.h"
#include "tests/support/FakeRepository.h"
#include "tests/support/TestMain.h"
#include "tests/support/World.h"

#include <QDirIterator>
#include <QProcess>
#include <QScopeGuard>

namespace {

// What a player can lose: every file of the mods, their settings and the stored profiles.
using Tree = QMap<QString, QByteArray>;

} // namespace

// skaldrun-cli stopped dead at each change it makes to the disk in turn (SKALDRUN_FS_STOP_AFTER),
// then started again: whatever the moment, every mod and config file is the old one or the new
// one, and what the player put in a mod's folder is in it or in the Trash.
class TestCrash : public QObject {
    Q_OBJECT

    FakeRepository m_repo;
    World m_world{TestHome::path()};

    QString game() const { return m_world.gameDir(); }
    QString trash() const { return TestHome::path() + "/.local/share/Trash/files"; }
    // The live folders, the profile store and the one earlier versions kept in the game folder.
    QMap<QString, QString> places() const {
        return {{"BepInEx", game() + "/BepInEx"},
                {"old store", game() + "/Skaldrun Profiles"},
                {"store", Profiles::storeDir(game())}};
    }
    Tree tree() const {
        Tree all;
        const auto named = places();
        for (auto [name, place] : named.asKeyValueRange()) {
            const Tree files = World::files(place);
            for (auto it = files.cbegin(); it != files.cend(); ++it)
                all.insert(name + "/" + it.key(), it.value());
        }
        return all;
    }
    // What a move to another drive leaves beside its places until it is done.
    bool halfMoved() const {
        for (const QString& root : {game(), Fs::parent(Profiles::storeDir(game()))}) {
            QDirIterator it(root, {".moved *", ".copying *"}, QDir::AllEntries | QDir::Hidden,
                            QDirIterator::Subdirectories);
            if (it.hasNext()) return true;
        }
        return false;
    }
    // Whether the player's note is in the Trash; the Trash is emptied for the next run.
    bool noteInTrash() const {
        bool found = false;
        for (QDirIterator it(trash(), {"notes.txt"}, QDir::Files, QDirIterator::Subdirectories);
             it.hasNext();)
            found = World::read(it.next()) == "mine" || found;
        QDir(TestHome::path() + "/.local/share/Trash").removeRecursively();
        return found;
    }
    int cli(const QStringList& args, const QString& variable = {}, long after = 0,
            QString* said = nullptr) const {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        if (after > 0) env.insert(variable, QString::number(after));
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(QStringLiteral(SKALDRUN_CLI), QStringList{"--game", game()} + args);
        if (!process.waitForFinished(60000)) process.kill();
        if (said) *said = QString::fromUtf8(process.readAll());
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }
    void restore(const Tree& state) const {
        for (const QString& place : places())
            QDir(place).removeRecursively();
        for (auto it = state.cbegin(); it != state.cend(); ++it) {
            const qsizetype slash = it.key().indexOf('/');
            World::write(places().value(it.key().left(slash)) + it.key().mid(slash), it.value());
        }
    }

private Q_SLOTS:
    void initTestCase() {
        m_repo.pointAppHere();
        qputenv("SKALDRUN_PLATFORM", "mac");
        m_repo.addStandardCatalog();
        m_world.build();
        QCOMPARE(cli({"install", "denikson-BepInExPack_Valheim"}), 0);
        QCOMPARE(cli({"install", "Hearthworks-CozyHearth", "Fjordsmith-Better_Carts"}), 0);
        QCOMPARE(cli({"profile", "new", "Other"}), 0);
    }

    // Stopped dead (SKALDRUN_FS_STOP_AFTER), or on a disk that fills up (SKALDRUN_FS_FULL_AFTER:
    // every write after the nth fails, its undoing's included, until the next start).
    // A profile switch also with the store on another drive (SKALDRUN_FS_OTHER_VOLUME), and the
    // move of a store earlier versions kept in the game folder, which any start makes.
    void stoppedAnywhere_data() {
        QTest::addColumn<QStringList>("command");
        QTest::addColumn<bool>("full");
        QTest::addColumn<bool>("otherVolume");
        const QStringList update{"update", "--all"}, import{"profile", "import", "PACK", "--replace"},
            profileSwitch{"profile", "switch", "Other"}, oldStore{"list"};
        QTest::newRow("update") << update << false << false;
        QTest::newRow("import over this profile") << import << false << false;
        QTest::newRow("profile switch") << profileSwitch << false << false;
        QTest::newRow("profile switch, other drive") << profileSwitch << false << true;
        QTest::newRow("old store moved") << oldStore << false << false;
        QTest::newRow("old store moved, other drive") << oldStore << false << true;
        QTest::newRow("update, disk full") << update << true << false;
        QTest::newRow("import over this profile, disk full") << import << true << false;
        QTest::newRow("profile switch, disk full") << profileSwitch << true << false;
        QTest::newRow("profile switch, other drive, disk full") << profileSwitch << true << true;
    }
    void stoppedAnywhere() {
        QFETCH(QStringList, command);
        QFETCH(bool, full);
        QFETCH(bool, otherVolume);
        if (otherVolume) qputenv("SKALDRUN_FS_OTHER_VOLUME", "1");
        const auto sameVolumeAgain = qScopeGuard([] { qunsetenv("SKALDRUN_FS_OTHER_VOLUME"); });
        const bool moving = command == QStringList{"list"};
        if (moving) { // as earlier versions left it
            QVERIFY(QDir().rename(Profiles::storeDir(game()), game() + "/Skaldrun Profiles"));
            QVERIFY(QFile::remove(game() + "/Skaldrun Profiles/.game-folder"));
        }
        const QString variable = full ? "SKALDRUN_FS_FULL_AFTER" : "SKALDRUN_FS_STOP_AFTER";
        const QString pack = TestHome::path() + "/crew.r2z";
        World::write(
            pack, ProfilePack::writeR2z(
                      {"Crew",
                       {{"Hearthworks-CozyHearth", "1.4.0", true}, {"Hearthworks-CoreUtils", "2.1.0", true}},
                       {{"BepInEx/config/hearthworks.CozyHearth.cfg", "[A]\nx = 1\n"}}}));
        command.replaceInStrings("PACK", pack);
        // Before: an older CozyHearth than the catalog's, its settings changed, a note of the player's in its
        // folder.
        World::write(game() + "/BepInEx/plugins/CozyHearth/manifest.json",
                     TestZip::manifest("CozyHearth", "1.0.0"));
        World::write(game() + "/BepInEx/plugins/CozyHearth/notes.txt", "mine");
        World::write(game() + "/BepInEx/config/hearthworks.CozyHearth.cfg", "[General]\nBurn Time = 2.5\n");
        const Tree before = tree();
        QCOMPARE(cli(command), 0);
        const Tree after = tree();
        QVERIFY(after != before && !halfMoved());
        noteInTrash();

        int stops = 0;
        for (long n = 1; n < 400; ++n) {
            restore(before);
            QString said;
            const int code = cli(command, variable, n, &said);
            if (code == 0) break; // the command finished before its nth change
            QCOMPARE(code, full ? 1 : 86);
            ++stops;
            if (full && command.contains("switch")) { // undone at once, and the player told so
                QCOMPARE(tree(), before);
                QVERIFY2(!halfMoved() && said.contains("“Default” is still active."), qPrintable(said));
            }
            // A config file the player keeps is the old or the new one even before the next start.
            for (const QString& key : before.keys())
                if (full && key.startsWith("BepInEx/config/") && after.contains(key))
                    QVERIFY2(QFileInfo::exists(game() + "/" + key), qPrintable(key));
            QCOMPARE(cli({"list"}), 0); // starting again settles what was left
            const Tree now = tree();
            const bool old = now == before;
            QVERIFY2(old || now == after, qPrintable(QStringLiteral("stopped at change %1").arg(n)));
            QVERIFY(!QFileInfo::exists(game() + "/BepInEx/.skaldrun-change") && !halfMoved());
            if (!old && command.first() == "update") QVERIFY2(noteInTrash(), qPrintable(QString::number(n)));
        }
        QVERIFY2(stops > (moving ? 2 : 5), qPrintable(QString::number(stops)));
        restore(moving ? after : before);
    }
};

SKALDRUN_TEST_MAIN(TestCrash)
#include "tst_crash.moc"
