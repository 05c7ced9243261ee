// The launch's log read into a report, the installed mods it names, and what the player is told.
// The real logs of ../shared/corpus/real/logs are the reader's main table (tests/corpus); the
// rows here are the loader's and the traces' shapes those logs don't hold.
#include "discovery/Outside.h"
#include "launch/LaunchChecks.h"
#include "launch/LaunchLog.h"
#include "launch/LaunchText.h"
#include "platform/Fs.h"
#include "tests/support/TestDll.h"
#include "tests/support/TestMain.h"
#include "tests/support/World.h"

#include <QTemporaryDir>

namespace {

using Finding = LaunchReport::Finding;

QString describe(const LaunchReport& r) {
    static const QStringList kinds{"missingDependency",  "incompatible", "dependencyNotLoaded",
                                   "newerVersionExists", "wrongBepInEx", "loadError",
                                   "patchFailed",        "exception"};
    static const QStringList attributions{"loader", "stack", "context", "dmdWrapper", "none"};
    static const QStringList outcomes{"+", "-", "~"};
    QStringList lines;
    for (const Finding& f : r.findings) {
        const QString weight = f.keptFromLoading() ? "!" : f.warningOnly() ? "?" : "";
        QStringList required;
        for (const auto& q : f.requirements)
            required << q.guid + (q.minimumVersion ? ">=" + *q.minimumVersion : QString());
        lines << QStringLiteral("%1 %2@%3 %4 %5 [%6] %7 x%8")
                     .arg(kinds[int(f.kind)] + weight, f.plugin, f.version, attributions[int(f.attribution)],
                          f.where, f.reason, required.join(','))
                     .arg(f.count);
    }
    QStringList plugins;
    for (const auto& p : r.plugins)
        plugins << p.name + outcomes[int(p.outcome)];
    for (const auto& c : r.connections) {
        QStringList lacks;
        for (const auto& l : c.lacks)
            lacks << QStringLiteral("%1:%2 %3/%4")
                         .arg(l.side == LaunchReport::Lack::Side::server ? "server" : "client", l.mod,
                              l.wanted.value_or("-"), l.present.value_or("-"));
        lines << QStringLiteral("connection %1 [%2] %3 x%4")
                     .arg(int(c.kind))
                     .arg(c.reason, lacks.join(", "))
                     .arg(c.count);
    }
    for (const auto& m : r.messages)
        lines << QStringLiteral("message %1: %2 x%3").arg(m.source, m.text).arg(m.count);
    return (lines << plugins.join(' ') + (r.clean() ? " clean" : "")).join('\n');
}

QString gameWithMods(const QTemporaryDir& dir) {
    const QString plugins = Fs::join(dir.path(), Outside::pluginsDir);
    const auto dll = [&](const QString& path, const QList<DllMetadata::Plugin>& p, const QStringList& ns) {
        World::write(Fs::join(plugins, path), TestDll::assembly(p, ns));
    };
    dll("RandyKnapp-EpicLoot/EpicLoot.dll", {{"randyknapp.mods.epicloot", "Epic Loot", "0.10.2"}},
        {"EpicLoot", "EpicLoot.Crafting"});
    dll("Jotunn/Jotunn.dll", {{"com.jotunn.jotunn", "Jotunn", "2.20.0"}}, {"Jotunn"});
    dll("A-One/One.dll", {{"a.one", "One", "1.0.0"}}, {"One", "PieceManager"});
    dll("B-Two/Two.dll", {{"b.two", "Two", "1.0.0"}}, {"Two", "PieceManager"});
    dll("Auga/Auga.dll.disabled", {{"randyknapp.mods.auga", "Auga", "1.3.0"}}, {"Auga"});
    World::write(Fs::join(plugins, "Readme.dll"), "MZ not a .NET file");
    return dir.path();
}

} // namespace

class TestLaunch : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readerFindsWhatTheLoaderAndTracesSay_data() {
        QTest::addColumn<QByteArray>("log");
        QTest::addColumn<QString>("found");
        QTest::newRow("missing dependencies, with and without a version")
            << QByteArray("[Info   :   BepInEx] Loading [Jotunn 2.20.0]\n"
                          "[Error  :   BepInEx] Could not load [Epic Loot 0.10.2] because it has missing "
                          "dependencies: "
                          "com.jotunn.jotunn (v2.21.0 or newer), randyknapp.mods.auga\n")
            << "missingDependency! Epic Loot@0.10.2 loader  [] "
               "com.jotunn.jotunn>=2.21.0,randyknapp.mods.auga x1\nJotunn+ Epic Loot-";
        QTest::newRow("the loader's other refusals")
            << QByteArray(
                   "[Error  :   BepInEx] Could not load [A 1.0] because it is incompatible with: b.guid\r\n"
                   "[Warning:   BepInEx] Skipping [C 2.0] because it has a dependency that was not loaded. "
                   "See previous errors for details.\r\n"
                   "[Info   :   BepInEx] Loading [D 1.1]\r\n"
                   "[Error  :   BepInEx] Error loading [D 1.1] : Could not load type 'X'\r\n"
                   "  at System.Reflection.Assembly.GetTypes () [0x0] in <a>:0\r\n"
                   "[Warning:   BepInEx] Skipping [E 1.0] because of process filters (valheim.exe)\r\n")
            << "incompatible! A@1.0 loader  [] b.guid x1\ndependencyNotLoaded! C@2.0 loader  []  x1\n"
               "loadError! D@1.1 loader  [Could not load type 'X']  x1\nA- C- D- E~";
        QTest::newRow("a mod's method inside a patch's wrapper, and the game's")
            << QByteArray(
                   "[Info   :   BepInEx] Loading [Epic Loot 0.10.2]\n"
                   "[Error  : Unity Log] NullReferenceException: Object reference not set\nStack trace:\n"
                   "(wrapper dynamic-method) EpicLoot.LootRoller.DMD<EpicLoot.LootRoller::RollLoot>(int)\n"
                   "Player.Update () (at <a>:0)\n\n"
                   "[Info   :   BepInEx] Loading [Foo 1.0]\n"
                   "[Error  : Unity Log] NullReferenceException\nStack trace:\n"
                   "(wrapper dynamic-method) Player.DMD<Player::Update>(Player)\n"
                   "UnityEngine.Object:Instantiate(Object)\n"
                   "[Info   :   BepInEx] Loading [Vortex Worlds 1.0.1]\n"
                   "[Error  : Unity Log] MissingMethodException: string Utils.GetSaveDataPath()\nStack "
                   "trace:\n"
                   "UnityEngine.GameObject:AddComponent(Type)\nBepInEx.Bootstrap.Chainloader:Start()\n")
            << "exception Epic Loot@0.10.2 dmdWrapper EpicLoot [NullReferenceException]  x1\n"
               "exception @ none  [NullReferenceException]  x1\n"
               "exception! Vortex Worlds@1.0.1 context  [MissingMethodException]  x1\nEpic Loot+ Foo+ Vortex "
               "Worlds-";
        QTest::newRow("patches that failed, counted once per mod; helper libraries and the game's own Info")
            << QByteArray(
                   "[Info   :   BepInEx] Loading [Better Archery 1.9.0]\n"
                   "[Info   :   BepInEx] Loading [Plant Everything 1.15.0]\n"
                   "[Error  :  HarmonyX] Failed to patch void Attack::Start(): HarmonyLib.HarmonyException: "
                   "IL\n"
                   "  at HarmonyLib.PatchClassProcessor.Patch () [0x0] in <x>:0\n"
                   "  at BetterArchery.Pool`1[T].Awake () [0x0] in <x>:0\n"
                   "[Warning: Unity Log] AmbiguousMatchException: Ambiguous match found.\nStack trace:\n"
                   "Rethrow as HarmonyException: Ambiguous match for HarmonyMethod\n"
                   "Advize_PlantEverything.PlantEverything..ctor () (at <a>:0)\n"
                   "[Info   : Unity Log] 04/18/2025 12:05:47: Exception while finding ip:System.Net.Sockets."
                   "SocketException (0x80004005): Could not resolve host\n"
                   "  at System.Net.Dns.GetHostAddresses (System.String host) [0x0] in <b>:0\n"
                   "  at ServerJoinData..ctor (System.String url) [0x0] in <c>:0\n"
                   "  at ZNet+<Connect>d__12.System.Collections.IEnumerator.MoveNext () [0x0] in <c>:0\n"
                   "[Info   :PieceManager] Failed: System.NullReferenceException: Object reference not set\n"
                   "  at PieceManager.BuildPiece+<>c.<Patch>b__1_0 () [0x0] in <d>:0\n"
                   "[Info   :PieceManager] Failed: System.NullReferenceException: Object reference not set\n"
                   "  at PieceManager.BuildPiece+<>c.<Patch>b__1_0 () [0x0] in <d>:0\n"
                   "[Error  :Valheim Plus] Config \xff\xfe not found\n"
                   "[Error  :Valheim Plus] Config \xff\xfe not found\n"
                   "[Warning: Unity Log] 04/18/2025 12:05:47: Missing audio clip in music respawn\n")
            << "patchFailed Better Archery@1.9.0 stack BetterArchery [HarmonyException]  x1\n"
               "patchFailed Plant Everything@1.15.0 stack Advize_PlantEverything [AmbiguousMatchException]  "
               "x1\n"
               "exception @ none PieceManager [NullReferenceException]  x2\n"
               "message Valheim Plus: Config \uFFFD\uFFFD not found x2\nBetter Archery+ Plant Everything+";
        QTest::newRow("version checks: Jotunn's list, ServerSync's lines, the game's tags")
            << QByteArray(
                   "[Warning:Jotunn.Utils.ModCompatibility] Jotunn's version check failed\n"
                   "[Warning:Jotunn.Utils.ModCompatibility] Mods that need to be installed on the server:\n"
                   "Epic Loot 0.10.2\n- Jotunn (2.21.0)\n\n"
                   "[Warning:ServerSync] Server expects you to have Azu Crafty Boxes (Version: 1.2.0) "
                   "installed.\n"
                   "[Warning:ServerSync] Epic Loot needs to be at least version 0.10.2. You have version "
                   "0.9.0.\n"
                   "[Info   : Unity Log] 10/21/2021 19:48:37: Peer 7656 has incompatible version, "
                   "mine:0.217.14-ModA1.0 remote 0.217.22-ModA1.1-ModB2.0\n"
                   "[Info   :  HarmonyX] Patching void ZNet::Disconnect(ZNetPeer peer) with 1 prefixes\n"
                   "* static void ServerSync.VersionCheck::RemoveDisconnected(ZNetPeer peer)\n")
            << "connection 2 []  x1\nconnection 2 [installed] server:Epic Loot 0.10.2/-, server:Jotunn "
               "2.21.0/- x1\n"
               "connection 3 [] client:Azu Crafty Boxes 1.2.0/- x1\n"
               "connection 3 [] client:Epic Loot 0.10.2/0.9.0 x1\n"
               "connection 1 [0.217.14 / 0.217.22] client:ModA 1.1/1.0, client:ModB 2.0/- x1\n";
        QTest::newRow("a launch with warnings only")
            << QByteArray(
                   "[Warning:   BepInEx] Skipping [A 1.0] because a newer version exists (A 1.1)\n"
                   "[Info   :   BepInEx] Loading [A 1.1]\n[Message:   BepInEx] Chainloader startup complete")
            << "newerVersionExists? A@1.0 loader  [A 1.1]  x1\nA~ A+ clean";
    }
    void readerFindsWhatTheLoaderAndTracesSay() {
        QFETCH(QByteArray, log);
        QTEST(describe(LaunchLog::parse(log)), "found");
    }

    // When the chainloader finished, by the game's clock: its last reading before, else the next.
    void chainloaderEndIsTimed() {
        const QByteArray end = "[Message:   BepInEx] Chainloader startup complete\n";
        const QByteArray clock = "[Info   : Unity Log] 04/27/2026 20:30:42: Using steamid 892970\n";
        const QDateTime expected(QDate(2026, 4, 27), QTime(20, 30, 42));
        QCOMPARE(LaunchLog::parse(end + clock).completedAt, expected);
        QCOMPARE(LaunchLog::parse(clock + end + QByteArray(clock).replace("42:", "59:")).completedAt,
                 expected);
    }

    // BepInEx writes LogOutput.log.1 when the first is locked; the newer of the two is the launch.
    void newerOfTheTwoLogsIsRead() {
        QTemporaryDir dir;
        const QString log = Fs::join(dir.path(), Outside::logFile);
        QVERIFY(!LaunchLog::read(dir.path()));
        World::write(log + ".1", "[Info   :   BepInEx] 3 plugins to load\n");
        World::write(log, "[Info   :   BepInEx] 2 plugins to load");
        const auto age = [](const QString& path, int seconds) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            file.setFileTime(QDateTime::currentDateTime().addSecs(-seconds),
                             QFileDevice::FileModificationTime);
        };
        age(log + ".1", 60);
        QCOMPARE(LaunchLog::read(dir.path())->pluginsToLoad, 2);
        age(log, 120);
        QCOMPARE(LaunchLog::read(dir.path())->pluginsToLoad, 3);
    }

    // Each finding names the installed mod it's about; the player reads it as one sentence.
    void sentences_data() {
        QTest::addColumn<QByteArray>("log");
        QTest::addColumn<QString>("said");
        QTest::newRow("missing, too old")
            << QByteArray("[Error  :   BepInEx] Could not load [Epic Loot 0.10.2] because it has "
                          "missing dependencies: com.jotunn.jotunn (v2.21.0 or newer)")
            << "Epic Loot 0.10.2 didn't load: it needs Jotunn 2.21.0 or newer, you have 2.20.0";
        QTest::newRow("missing, off or absent")
            << QByteArray("[Error  :   BepInEx] Could not load [Epic Loot 0.10.2] because it has missing "
                          "dependencies: "
                          "randyknapp.mods.auga, some.guid (v1.0.0 or newer)")
            << "Epic Loot 0.10.2 didn't load: it needs Auga, which is switched off; and some.guid 1.0.0 or "
               "newer, "
               "which isn't installed";
        QTest::newRow("incompatible")
            << QByteArray("[Error  :   BepInEx] Could not load [One 1.0.0] because it is "
                          "incompatible with: b.two")
            << "One 1.0.0 didn't load: it can't run beside Two";
        QTest::newRow("no reason") << QByteArray("[Error  :   BepInEx] Error loading [Upgrade World 1.18] : ")
                                   << "Upgrade World 1.18 didn't load, and BepInEx gave no reason";
        QTest::newRow("twice")
            << QByteArray(
                   "[Warning:   BepInEx] Skipping [Jam 1.0.0] because a newer version exists (Jam 1.0.0)")
            << "Jam 1.0.0 is installed twice; BepInEx loaded one copy";
        QTest::newRow("old BepInEx")
            << QByteArray("[Warning:   BepInEx] Plugin [Skillful 0.3] targets a wrong version of "
                          "BepInEx (5.4.6.0) and might not work until you update")
            << "Skillful 0.3 was made for BepInEx 5.4.6.0 and might not work until it's updated";
        QTest::newRow("a namespace one mod defines")
            << QByteArray(
                   "[Error  : Unity Log] KeyNotFoundException: x\nStack trace:\n"
                   "EpicLoot.Crafting.Tab.Open () (at <a>:0)\nEpicLoot.Crafting.Tab.Open () (at <a>:0)")
            << "Epic Loot 0.10.2 ran into KeyNotFoundException";
        QTest::newRow("a namespace two mods carry")
            << QByteArray("[Error  : Unity Log] NullReferenceException\nStack "
                          "trace:\nPieceManager.BuildPiece.Patch ()\n"
                          "[Error  : Unity Log] NullReferenceException\nStack "
                          "trace:\nPieceManager.BuildPiece.Patch ()")
            << "Something failed (NullReferenceException) in PieceManager, which no one mod stands for (2 "
               "times)";
        QTest::newRow("its start")
            << QByteArray("[Info   :   BepInEx] Loading [Vortex Worlds 1.0.1]\n"
                          "[Error  : Unity Log] MissingMethodException: string Utils.GetSaveDataPath()\n"
                          "Stack trace:\nUnityEngine.GameObject:AddComponent(Type)\n"
                          "BepInEx.Bootstrap.Chainloader:Start()\n")
            << "Vortex Worlds 1.0.1 failed to start (MissingMethodException)";
        QTest::newRow("summary, cut short")
            << QByteArray("[Info   :   BepInEx] Loading [A 1.0]\n[Info   :   BepInEx] Loading [B 2.0]\n"
                          "[Warning:   BepInEx] Skipping [C 1.0] because of process filters (valheim.exe)")
            << "BepInEx stopped before it finished loading: 2 of 2 mods loaded";
        QTest::newRow("summary")
            << QByteArray("[Info   :   BepInEx] Loading [A 1.0]\n[Info   :   BepInEx] Loading [B 2.0]\n"
                          "[Error  :   BepInEx] Error loading [B 2.0] : x\n"
                          "[Message:   BepInEx] Chainloader startup complete\n"
                          "[Info   : Unity Log] Valheim version: 0.221.12 (network version 36)")
            << "1 of 2 mods loaded, Valheim 0.221.12";
        QTest::newRow("lost")
            << QByteArray("[Info   : Unity Log] 07/04/2022 02:38:41: Lost connection to server:ErrorVersion")
            << "The server runs another version of Valheim";
        QTest::newRow("tags")
            << QByteArray("[Info   : Unity Log] Peer 1 has incompatible version, mine:0.203.11-A1.0 "
                          "remote 0.203.11-B0.3.4-A1.0")
            << "A connection was refused: the client lacks B 0.3.4";
        QTest::newRow("ServerSync")
            << QByteArray("[Warning:ServerSync] Epic Loot needs to be at least version 0.10.2. "
                          "You have version 0.9.0.")
            << "The client needs Epic Loot 0.10.2, it has 0.9.0";
    }
    void sentences() {
        QFETCH(QByteArray, log);
        QTemporaryDir dir;
        const QString game = gameWithMods(dir);
        const ModNames::Installed installed = ModNames::read(ModScanner::scan(game), {});
        const LaunchReport report = LaunchLog::parse(log);
        if (QString(QTest::currentDataTag()).startsWith("summary")) {
            QTEST(LaunchText::summary(report), "said");
            return;
        }
        QCOMPARE(report.findings.size() + report.connections.size(), 1);
        QTEST(report.findings.isEmpty() ? LaunchText::connection(report.connections.first())
                                        : LaunchText::finding(report.findings.first(), installed),
              "said");
    }

    // The package comes from the install record, else from r2modman's "Owner-Name" folder.
    void findingsNameTheirPackage() {
        QTemporaryDir dir;
        const QString game = gameWithMods(dir);
        const ModNames::Installed installed = ModNames::read(
            ModScanner::scan(game),
            {{"jotunn", {Repository::Source::thunderstore, "ValheimModding-Jotunn", "2.20.0"}}});
        QCOMPARE(ModNames::byPlugin(installed, "Epic Loot")->package, "RandyKnapp-EpicLoot");
        QCOMPARE(ModNames::byGuid(installed, "COM.JOTUNN.JOTUNN")->package, "ValheimModding-Jotunn");
        QCOMPARE(ModNames::byPlugin(installed, "Auga")->package, std::nullopt); // a folder of no owner
        QCOMPARE(installed.dlls.size(), 5);
    }

    void noLogSaysWhy_data() {
        QTest::addColumn<QString>("machine"); // mac, arm64 or linux
        QTest::addColumn<QStringList>("missing");
        QTest::addColumn<int>("logAge"); // seconds before the launch; -1: none
        QTest::addColumn<bool>("launched");
        QTest::addColumn<int>("cause"); // -1: nothing to say
        using N = LaunchChecks::NoLog;
        const QStringList none;
        QTest::newRow("fresh log") << "arm64" << QStringList{"launch"} << 0 << true << -1;
        QTest::newRow("never launched") << "mac" << none << -1 << false << int(N::neverLaunched);
        QTest::newRow("stale, no cause") << "linux" << none << 5 << true << int(N::unknown);
        QTest::newRow("Proton") << "linux" << QStringList{"native", "bep"} << -1 << true
                                << int(N::protonOverride);
        QTest::newRow("no BepInEx") << "mac" << QStringList{"bep", "exec"} << -1 << true
                                    << int(N::loaderMissing);
        QTest::newRow("script") << "linux" << QStringList{"exec", "runtime"} << -1 << true
                                << int(N::scriptNotExecutable);
        QTest::newRow("old script") << "linux" << QStringList{"runtime", "launch"} << -1 << true
                                    << int(N::scriptOutdated);
        QTest::newRow("Intel only") << "arm64" << QStringList{"arch", "launch"} << -1 << true
                                    << int(N::intelOnly);
        QTest::newRow("Rosetta") << "arm64" << QStringList{"rosetta"} << 5 << true << int(N::intelOnly);
        QTest::newRow("Intel Mac") << "mac" << QStringList{"arch", "launch"} << -1 << true
                                   << int(N::launchOptions);
        QTest::newRow("server") << "linux" << QStringList{"server", "launch"} << -1 << true
                                << int(N::serverNotStarted);
    }
    void noLogSaysWhy() {
        QFETCH(QString, machine);
        QFETCH(QStringList, missing);
        QFETCH(int, logAge);
        QFETCH(bool, launched);
        Snapshot s;
        s.windowsBuild = missing.contains("native");
        s.bepFilesPresent = !missing.contains("bep");
        s.scriptName = "start_game_bepinex.sh";
        s.scriptExecutable = !missing.contains("exec");
        s.scriptPredatesRuntime = missing.contains("runtime");
        s.archConfigured = !missing.contains("arch");
        s.rosettaOK = !missing.contains("rosetta");
        s.launchDetected = !missing.contains("launch");
        if (missing.contains("server")) s.appBundleName = Outside::serverExecutable; // no launch options
        const QDateTime launch = QDateTime::currentDateTime();
        if (logAge >= 0) s.logDate = launch.addSecs(-logAge);
        const auto cause =
            LaunchChecks::whyNoLog(s, machine == "linux" ? Platform::linuxOS : Platform::macOS,
                                   machine == "arm64", launched ? std::optional(launch) : std::nullopt);
        QTEST(cause ? int(*cause) : -1, "cause");
    }

    // Short enough for one chat message: the versions, the count, failures but not warnings.
    void discordSummaryIsShort() {
        QByteArray log =
            "[Message:   BepInEx] BepInEx 5.4.22.0 - valheim_server (11/11/2024)\n"
            "[Info   :   BepInEx] System platform: Bits64, Linux\n"
            "[Warning:   BepInEx] Plugin [Old 0.3] targets a wrong version of BepInEx (5.4.6.0)\n";
        for (int i = 1; i <= 12; ++i)
            log +=
                QStringLiteral("[Error  :   BepInEx] Error loading [Mod%1 1.0] : broken\n").arg(i).toUtf8();
        log += "[Message:   BepInEx] Chainloader startup complete\n";
        const QStringList lines = LaunchText::markdown(LaunchLog::parse(log), {}).split('\n');
        QCOMPARE(lines.mid(0, 3),
                 (QStringList{"**Last launch:** 0 of 12 mods loaded", "BepInEx 5.4.22.0 · Linux server",
                              "- Mod1 1.0 didn't load: broken"}));
        QCOMPARE(lines.size(), 13);
        QCOMPARE(lines.last(), "- …and 2 more");
    }

    // Remembered per folder and profile from the launches whose mods loaded; one launch read
    // again says the same.
    void gameUpdateIsToldOnce() {
        int minute = 0;
        const auto launch = [&](const QString& profile, const QString& version, bool loaded,
                                bool again = false) {
            LaunchReport r;
            r.gameVersion = version;
            r.chainloaderComplete = true;
            r.completedAt = QDateTime(QDate(2026, 4, 1), QTime(10, again ? minute : ++minute));
            if (loaded)
                r.plugins << LaunchReport::Plugin{"Jotunn", "2.20.0", LaunchReport::Plugin::Outcome::loaded,
                                                  1};
            const auto update = LaunchChecks::noteLaunch("/games/Valheim", profile, r);
            return update ? LaunchText::gameUpdated(*update) : QString();
        };
        QCOMPARE(launch("Default", "0.220.5", true), "");
        QCOMPARE(launch("Default", "0.221.12", true), "Valheim updated from 0.220.5 to 0.221.12");
        QCOMPARE(launch("Default", "0.221.12", true, true), "Valheim updated from 0.220.5 to 0.221.12");
        QCOMPARE(launch("Other", "0.221.12", true), "");
        QCOMPARE(launch("Default", "0.221.12", true), "");
        QCOMPARE(launch("Default", "0.221.13", false), "Valheim updated from 0.221.12 to 0.221.13");
        QCOMPARE(launch("Default", "0.221.13", true), "Valheim updated from 0.221.12 to 0.221.13");
    }
};

SKALDRUN_TEST_MAIN(TestLaunch)
#include "tst_launch.moc"
