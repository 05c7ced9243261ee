#include "discovery/Quarantine.h"
#include "discovery/Sys.h"
#include "platform/Fs.h"
#include "platform/Process.h"
#include "platform/Xattr.h"
#include "tests/install/GameFixture.h"
#include "tests/support/TestMain.h"

class TestSys : public QObject {
    Q_OBJECT

    bool m_xattrs = false;
    static bool flag(const QString& path) {
        return Xattr::set(path, Quarantine::attrName(),
                          "0081;65f0c2a1;Safari;5E5C1F4A-0B8B-4B4C-9D1E-5B0E1F2A3B4C");
    }
    static bool flagged(const QString& path) { return Xattr::has(path, Quarantine::attrName()); }

private Q_SLOTS:
    void initTestCase() {
        QTemporaryDir probe(TestHome::path() + "/probe-XXXXXX");
        World::write(probe.filePath("f"), "x");
        m_xattrs = flag(probe.filePath("f"));
    }

    void rosettaProbeFailsWithoutRosetta() {
        // Without the marker the probe runs arch; where that is not Apple's tool (or is absent)
        // the answer is a plain no, without a hang.
        if (QFile::exists(Sys::rosettaMarker) || QSysInfo::productType() == QLatin1String("macos"))
            QSKIP("this is a Mac; its answer depends on the machine");
        QVERIFY(!Sys::rosettaInstalled());
    }

    void terminalCommandQuotesThePathForTheShell() {
        QCOMPARE(Quarantine::terminalCommand("/Users/me/Library/Application Support/Steam/Valheim"),
                 QStringLiteral("xattr -r -d com.apple.quarantine "
                                "\"/Users/me/Library/Application Support/Steam/Valheim\""));
        // A folder name must never run a command when the line is pasted into Terminal.
        QCOMPARE(Quarantine::terminalCommand("/g/$(rm -rf ~) `x` \"q\" \\"),
                 "xattr -r -d com.apple.quarantine \"/g/\\$(rm -rf ~) \\`x\\` \\\"q\\\" \\\\\"");
        const QString tricky = "a $(b) `c` \"d\" \\e";
        const auto echoed = Sys::run("/bin/sh", {"-c", "printf %s " + Process::shellQuoted(tricky)});
        QCOMPARE(echoed.out, tricky);
    }

    void countAndClearFlaggedTrees() {
        if (!m_xattrs) QSKIP("this file system refuses user extended attributes");
        QTemporaryDir game(TestHome::path() + "/game-XXXXXX");
        const QString g = game.path();
        for (const char* file : {"/BepInEx/core/BepInEx.dll", "/doorstop_libs/libdoorstop_x64.dylib",
                                 "/start_game_bepinex.sh", "/Valheim.app/Contents/MacOS/Valheim"}) {
            World::write(g + file, "x");
            QVERIFY(flag(g + file) && flag(Fs::parent(g + file)));
        }
        QCOMPARE(Quarantine::flaggedCount(g), 5); // the game's own bundle is never examined
        QCOMPARE(Quarantine::clear(g), 5);
        QCOMPARE(Quarantine::flaggedCount(g), 0);
        QVERIFY(flagged(g + "/Valheim.app/Contents/MacOS/Valheim"));

        // A file named like the loader's folder is counted once, not walked.
        QVERIFY(QDir(g + "/BepInEx").removeRecursively());
        World::write(g + "/BepInEx", "x");
        QVERIFY(flag(g + "/BepInEx"));
        QCOMPARE(Quarantine::flaggedCount(g), 1);
    }

    void linksNeverLeadOutsideTheGameFolder() {
        if (!m_xattrs) QSKIP("this file system refuses user extended attributes");
        // A link inside the loader's folder, and a target name that is itself a link.
        QTemporaryDir dir(TestHome::path() + "/links-XXXXXX");
        Fixture::make(dir.path(),
                      {"Documents/taxes.pdf = x", "game/BepInEx/", "game/BepInEx/docs -> Documents",
                       "game/doorstop_libs -> Documents", "game/BepInEx/loop -> game"});
        const QString documents = dir.filePath("Documents");
        QVERIFY(flag(documents + "/taxes.pdf") && flag(documents));
        QCOMPARE(Quarantine::clear(dir.filePath("game")), 0);
        QVERIFY(flagged(documents + "/taxes.pdf") && flagged(documents));
    }
};

SKALDRUN_TEST_MAIN(TestSys)
#include "tst_sys.moc"
