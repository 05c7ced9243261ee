#include "install/ProfilePack.h"
#include "platform/Fs.h"
#include "tests/support/FakeRepository.h"
#include "tests/support/TestMain.h"
#include "tests/support/World.h"

#include <QDirIterator>
#include <QProcess>

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
    Tree tree() const {
        Tree all;
        for (const char* part : {"BepInEx", "Skaldrun Profiles"}) {
            const Tree files = World::files(game() + "/" + part);
            for (auto it = files.cbegin(); it != files.cend(); ++it)
                all.insert(QString(part) + "/" + it.key(), it.value());
        }
        return all;
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
    int cli(const QStringList& args, const QString& variable = {}, long after = 0) const {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        if (after > 0) env.insert(variable, QString::number(after));
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(SKALDRUN_CLI), QStringList{"--game", game()} + args);
        if (!process.waitForFinished(60000)) process.kill();

        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }
    void restore(const Tree& state) const {
        for (const char* part : {"BepInEx", "Skaldrun Profiles"})
            QDir(game() + "/" + part).removeRecursively();
        for (auto it = state.cbegin(); it != state.cend(); ++it)
            World::write(game() + "/" + it.key(), it.value());
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
    void stoppedAnywhere_data() {
        QTest::addColumn<QStringList>("command");
        QTest::addColumn<bool>("full");
        const QStringList update{"update", "--all"}, import{"profile", "import", "PACK", "--replace"};
        QTest::newRow("update") << update << false;
        QTest::newRow("import over this profile") << import << false;
        QTest::newRow("profile switch") << QStringList{"profile", "switch", "Other"} << false;
        QTest::newRow("update, disk full") << update << true;
        QTest::newRow("import over this profile, disk full") << import << true;
    }
    void stoppedAnywhere() {
        QFETCH(QStringList, command);
        QFETCH(bool, full);
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
        QVERIFY(after != before);
        noteInTrash();

        int stops = 0;
        for (long n = 1; n < 400; ++n) {
            restore(before);
            const int code = cli(command, variable, n);
            if (code == 0) break; // the command finished before its nth change
            QCOMPARE(code, full ? 1 : 86);
            ++stops;
            QCOMPARE(cli({"list"}), 0); // starting again settles what was left
            const Tree now = tree();
            const bool old = now == before;
            QVERIFY2(old || now == after, qPrintable(QStringLiteral("stopped at change %1").arg(n)));
            QVERIFY(!QFileInfo::exists(game() + "/BepInEx/.skaldrun-change"));
            if (!old && command.first() != "profile") QVERIFY2(noteInTrash(), qPrintable(QString::number(n)));
        }
        QVERIFY2(stops > 5, qPrintable(QString::number(stops)));
        restore(before);
    }
};

SKALDRUN_TEST_MAIN(TestCrash)
#include "tst_crash.moc"
