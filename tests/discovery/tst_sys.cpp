#include "discovery/Quarantine.h"
#include "discovery/Sys.h"
#include "platform/Fs.h"
#include "platform/Process.h"
#include "platform/Xattr.h"
#include "tests/support/ModFixtures.h"
#include "tests/support/TestMain.h"

namespace {

bool flag(const QString& path) {
    return Xattr::set(path, Quarantine::attrName(),
                      "0081;65f0c2a1;Safari;5E5C1F4A-0B8B-4B4C-9D1E-5B0E1F2A3B4C");
}

bool flagged(const QString& path) {
    return Xattr::has(path, Quarantine::attrName());
}

} // namespace

class TestSys : public QObject {
    Q_OBJECT

    bool m_xattrs = false;

private Q_SLOTS:
    void initTestCase() {
        QTemporaryDir probe(TestHome::path() + QStringLiteral("/probe-XXXXXX"));
        ModFixtures::writeFile(probe.filePath(QStringLiteral("f")), "x");
        m_xattrs = flag(probe.filePath(QStringLiteral("f")));
    }

    void rosettaProbeFailsWithoutRosetta() {
        // Without the marker the probe runs arch; where that is not Apple's tool (or is absent)
        // the answer is a plain no, without a hang.
        if (QFile::exists(Sys::rosettaMarker) || QSysInfo::productType() == QLatin1String("macos"))
            QSKIP("this is a Mac; its answer depends on the machine");
        QVERIFY(!Sys::rosettaInstalled());
    }

    void terminalCommandQuotesThePathForTheShell() {
        QCOMPARE(Quarantine::terminalCommand(
                     QStringLiteral("/Users/me/Library/Application Support/Steam/Valheim")),
                 QStringLiteral("xattr -r -d com.apple.quarantine "
                                "\"/Users/me/Library/Application Support/Steam/Valheim\""));
        // A folder name must never run a command when the line is pasted into Terminal.
        QCOMPARE(
            Quarantine::terminalCommand(QStringLiteral("/g/$(rm -rf ~) `x` \"q\" \\")),
            QStringLiteral("xattr -r -d com.apple.quarantine \"/g/\\$(rm -rf ~) \\`x\\` \\\"q\\\" \\\\\""));
        const QString tricky = QStringLiteral("a $(b) `c` \"d\" \\e");
        const auto echoed =
            Sys::run(QStringLiteral("/bin/sh"),
                     {QStringLiteral("-c"), QStringLiteral("printf %s ") + Process::shellQuoted(tricky)});
        QCOMPARE(echoed.out, tricky);
    }

    void countAndClearFlaggedTrees() {
        if (!m_xattrs) QSKIP("this file system refuses user extended attributes");
        QTemporaryDir game(TestHome::path() + QStringLiteral("/game-XXXXXX"));
        const QString g = game.path();
        for (const char* file : {"/BepInEx/core/BepInEx.dll", "/BepInEx/core/0Harmony.dll",
                                 "/doorstop_libs/libdoorstop_x64.dylib", "/start_game_bepinex.sh",
                                 "/Valheim.app/Contents/MacOS/Valheim"})
            ModFixtures::writeFile(g + QString::fromLatin1(file), "x");
        for (const char* rel :
             {"/BepInEx", "/BepInEx/core", "/BepInEx/core/BepInEx.dll", "/BepInEx/core/0Harmony.dll",
              "/doorstop_libs", "/doorstop_libs/libdoorstop_x64.dylib", "/start_game_bepinex.sh",
              "/Valheim.app/Contents/MacOS/Valheim"})
            QVERIFY(flag(g + QString::fromLatin1(rel)));
        QCOMPARE(Quarantine::flaggedCount(g), 7); // the game's own bundle is never examined
        QCOMPARE(Quarantine::clear(g), 7);
        QCOMPARE(Quarantine::flaggedCount(g), 0);
        QCOMPARE(Quarantine::clear(g), 0);
        QVERIFY(flagged(g + QStringLiteral("/Valheim.app/Contents/MacOS/Valheim")));

        // A file named like the loader's folder is counted once, not walked.
        QVERIFY(QDir(g + QStringLiteral("/BepInEx")).removeRecursively());
        ModFixtures::writeFile(g + QStringLiteral("/BepInEx"), "x");
        QVERIFY(flag(g + QStringLiteral("/BepInEx")));
        QCOMPARE(Quarantine::flaggedCount(g), 1);
    }

    void linksNeverLeadOutsideTheGameFolder() {
        if (!m_xattrs) QSKIP("this file system refuses user extended attributes");
        QTemporaryDir outside(TestHome::path() + QStringLiteral("/outside-XXXXXX"));
        const QString documents = outside.filePath(QStringLiteral("Documents"));
        ModFixtures::writeFile(documents + QStringLiteral("/taxes.pdf"), "x");
        QVERIFY(flag(documents + QStringLiteral("/taxes.pdf")) && flag(documents));
        QTemporaryDir game(TestHome::path() + QStringLiteral("/game-XXXXXX"));
        QVERIFY(QDir().mkpath(game.filePath(QStringLiteral("BepInEx"))));
        // A link inside the loader's folder, and a target name that is itself a link.
        QVERIFY(QFile::link(documents, game.filePath(QStringLiteral("BepInEx/docs"))));
        QVERIFY(QFile::link(documents, game.filePath(QStringLiteral("doorstop_libs"))));
        QVERIFY(QFile::link(game.path(), game.filePath(QStringLiteral("BepInEx/loop"))));
        QCOMPARE(Quarantine::clear(game.path()), 0);
        QVERIFY(flagged(documents + QStringLiteral("/taxes.pdf")) && flagged(documents));
    }
};

SKALDRUN_TEST_MAIN(TestSys)
#include "tst_sys.moc"
