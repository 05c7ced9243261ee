#include "catalog/ThunderstoreStore.h"
#include "install/InstallRecords.h"
#include "install/Installer.h"
#include "platform/Fs.h"
#include "platform/Process.h"
#include "platform/Xattr.h"
#include "tests/support/ModelWorld.h"
#include "tests/support/TestZip.h"

#include <QDirIterator>

#include <csignal>

using Action = std::function<void(AppState&)>;
Q_DECLARE_METATYPE(Action)

namespace {

// The harness with the repository served and its catalog loaded.
struct CatalogHarness : Harness {
    CatalogHarness() { serve(); }
    void add(const QString& name, const QStringList& deps = {}) {
        auto p = FakeRepository::package("Test", name, "1.0.0");
        p.dependencies = deps;
        repo->add(p);
    }
    bool begin() {
        world.build();
        bepFiles(); // mods go in beside the loader (the chain that brings it: the resolution's tests)
        return ready() && loadCatalog();
    }
    TSPackage package(const QString& key) {
        return state->thunder()->indexByOwnerName().value(key.toLower());
    }
    QString install(const QString& key) {
        state->setAlertMessage(std::nullopt);
        return done([&] { state->installThunderstorePackage(package(key)); });
    }
};

} // namespace

// The model over a made-up world, on an Intel Mac unless a row says arm64; repository installs
// go to the stand-in repository.
class TestAppState : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void firstRefreshFindsTheGameAndRemembersIt() {
        Harness h;
        h.world.build();
        h.make();
        h.state.reset(); // gone while its probe runs: the late result is dropped, not published
        QThreadPool::globalInstance()->waitForDone();
        QCoreApplication::sendPostedEvents();
        QVERIFY(!Defaults::string("gameDir") &&
                !h.make().gameDir()); // the probe answers later, on this thread
        QTRY_COMPARE(h.refreshes->count(), 1);
        AppState& s = *h.state;
        QVERIFY(s.gameDir() == h.world.gameDir() && Defaults::string("gameDir") == h.world.gameDir());
        QVERIFY(s.stepGame() && s.snapshot().appBundleName == "Valheim.app");
        // A chosen folder without the game is taken at once, then replaced by the one Steam knows.
        const QString other = TestHome::path() + "/Games/Elsewhere";
        QDir().mkpath(other);
        h.panel.answers = {other};
        const int m = h.mark();
        s.chooseGameFolder();
        QVERIFY(s.gameDir() == other && Defaults::string("gameDir") == other);
        QCOMPARE(h.panel.requests.last().startDir, h.world.gameDir());
        QTRY_VERIFY(h.refreshedSince(m));
        QCOMPARE(s.gameDir(), h.world.gameDir());

        // A remembered folder is settled as the chosen one was: without its game and with Steam
        // knowing nothing either, it stays.
        const QString old = TestHome::path() + "/Games/OldCopy";
        QDir().mkpath(old);
        QFile::remove(h.world.steamRoot() + "/config/libraryfolders.vdf");
        Defaults::setString("gameDir", old);
        QVERIFY(h.ready() && h.state->gameDir() == old && !h.state->snapshot().appBundleName);
    }

    void setupFoldsByItselfOncePerAccount() {
        Harness h;
        h.world.build();
        h.bepFiles();
        h.world.setSteamLaunchOptions("\"" + h.game("start_game_bepinex.sh") + "\" %command%");
        h.world.writeLoaderLog();
        QVERIFY(h.ready() && h.state->allDone() && h.state->setupCollapsed() &&
                Defaults::boolean("setupCollapsed"));
        h.state->setSetupCollapsed(false);
        QVERIFY(h.ready() && h.state->allDone() && !h.state->setupCollapsed()); // not again after a restart
    }

    void pluginsWatchShowsWhatOthersDrop() {
        Harness h;
        h.plugin("Alpha.dll");
        QVERIFY(h.start());
        AppState& s = *h.state;
        // The folder deleted and made again is watched again after the next refresh.
        QDir(h.world.pluginsDir()).removeRecursively();
        QTRY_VERIFY(s.snapshot().mods.isEmpty());
        QDir().mkpath(h.world.pluginsDir());
        QVERIFY(h.act([&] { s.refreshAll(); }));
        h.plugin("Beta.dll");
        QTRY_VERIFY(modNamed(s, "Beta"));
        QCOMPARE(h.refreshes->count(), 2); // the watch rescanned the list alone
    }

    // A fix the launch's report offers is carried out by the model, and a removed log is told why
    // (reading a changed log anew and the game's update: the mods pane's tests).
    void lastLaunchFollowsTheLog() {
        Harness h;
        for (const QString mod : {"Alpha", "Beta"}) {
            h.plugin(mod + "/" + mod + ".dll");
            World::write(h.world.pluginsDir() + "/" + mod + "/manifest.json",
                         TestZip::manifest(mod, "1.0.0"));
        }
        h.plugin("Gamma/Gamma.dll.disabled");
        QVERIFY(h.writeLaunchLog("[Error  :   BepInEx] Could not load [Alpha 1.0.0] because it has missing "
                                 "dependencies: com.someone.gamma\n"
                                 "[Error  :   BepInEx] Error loading [Beta 1.0.0] : broken\n",
                                 "0.222.1", 2) &&
                h.start());
        AppState& s = *h.state;
        QTRY_VERIFY(!s.launchReading() && s.lastLaunch().report);
        const LastLaunch& last = s.lastLaunch();
        QCOMPARE(last.problems.size(), 2);
        QCOMPARE(s.failingMods().size(), 2);
        const QList<LaunchFixes::Fix> alpha = s.launchFixes(last.problems.first());
        QCOMPARE(alpha.value(0).label, "Switch On Gamma");
        s.applyLaunchFix(alpha.first());
        QVERIFY(QFile::exists(h.world.pluginsDir() + "/Gamma/Gamma.dll"));

        QFile::remove(h.game("BepInEx/LogOutput.log"));
        QVERIFY(h.act([&] { s.refreshAll(); }));
        QTRY_VERIFY(!s.launchReading() && !s.lastLaunch().report);
        QCOMPARE(s.lastLaunch().noLog, "BepInEx isn't installed in the game folder, so nothing wrote a log.");
    }

    void bepInExAndShaderHelperFromTheRepository() {
        Harness h;
        h.serve();
        QVERIFY(h.start());
        AppState& s = *h.state;
        QList<std::optional<double>> progress;
        bool barWhileUnpacking = false;
        connect(&s, &AppState::changed, this, [&] {
            progress << s.busyProgress();
            barWhileUnpacking |= s.busyMessage() == "Installing BepInEx…" && s.busyProgress();
        });
        // Another user's link at the name a download could once be guessed by stays untouched.
        const QString tmp = TestHome::path() + "/tmp/", victim = TestHome::path() + "/victim";
        World::write(victim, "mine");
        QVERIFY(QFile::link(victim, tmp + "BepInExPack_Valheim.zip"));
        QCOMPARE(h.done([&] { s.downloadAndInstallBepInEx(); }),
                 "BepInEx 5.4.2202 installed into the game folder");
        QCOMPARE(h.busy, (QStringList{"Contacting Thunderstore…", "Downloading BepInEx 5.4.2202…",
                                      "Installing BepInEx…", ""}));
        QVERIFY(QFileInfo(tmp + "BepInExPack_Valheim.zip").isSymLink() && World::read(victim) == "mine");
        QVERIFY(!s.alertMessage() && s.stepBep() && s.snapshot().bepVersion == "5.4.2202");
        // The bar filled during the download, went back to unknown for the install, and went away.
        QVERIFY(progress.contains(1.0) && !barWhileUnpacking && !progress.last());

        // The shader fix is found in the catalog by its name, whoever publishes it, and records no
        // pack version.
        QFile::remove(h.game("BepInEx/core/.skaldrun-loader.json"));
        QVERIFY(h.loadCatalog());
        s.openShaderHelperPage();
        QCOMPARE(h.workspace.openedUrls.value(0).path(), "/c/valheim/p/Glimmerfjord/ShaderHelperForMac/");
        QCOMPARE(h.done([&] { s.installShaderHelper(); }), "Installed ShaderHelperForMac");
        QVERIFY(!InstallRecords::loaderVersion(h.world.gameDir()) && s.shaderHelperInstalled());
    }

    // The direct launch starts the game detached, in its folder, and keeps its process: the save
    // guards see it even where the workspace doesn't list it.
    void vanillaLaunchIsWatched_data() {
        QTest::addColumn<bool>("onLinux");
        QTest::newRow("Mac") << false;
        QTest::newRow("Linux") << true;
    }
    void vanillaLaunchIsWatched() {
        QFETCH(bool, onLinux);
        Harness h;
        if (onLinux) h.world.on(Platform::linuxOS);
        h.world.build();
        // The stub game tells us its id and folder, so that the test can end it.
        World::write(h.world.executable(),
                     "#!/bin/sh\necho \"$$ $(pwd) $*\" > \"$(dirname \"$0\")/started.txt\"\nexec sleep 30\n");
        h.workspace.running = {{"com.valvesoftware.steam", "/Applications/Steam.app", "Steam"}};
        QVERIFY(h.ready());
        AppState& s = *h.state;
        s.setConsoleEnabled(true);
        s.playVanilla();
        QCOMPARE(s.lastAction(), "Launched Valheim vanilla — mods stay installed but don't load");
        const QString started = Fs::parent(h.world.executable()) + "/started.txt";
        QTRY_VERIFY(World::read(started).endsWith('\n'));
        const QStringList seen = QString::fromUtf8(World::read(started)).trimmed().split(' ');
        QCOMPARE(seen.mid(1), (QStringList{h.game(), "-console"}));
        QVERIFY(Defaults::boolean("consoleParam") && s.isValheimRunning());
        ::kill(pid_t(seen.first().toLongLong()), SIGTERM); // on a failure above, it sleeps out its time
    }

    // Linux: only a log the native game wrote after "Launch Valheim" asked Steam is the proof.
    void linuxVerifyWantsALogFromAfterTheLaunch() {
        Harness h;
        h.world.on(Platform::linuxOS).build().writeLoaderLog();
        QVERIFY(h.ready() && h.state->stepVerify());
        QTest::qWait(1100); // file times may count whole seconds
        h.state->launchValheim();
        QVERIFY(h.act([&] { h.state->refreshAll(); }) && !h.state->stepVerify());
        h.world.writeLoaderLog();
        QVERIFY(h.act([&] { h.state->refreshAll(); }) && h.state->stepVerify());
    }

    // What each action tells the player, in a world of the row's facts: its busy text, then its
    // success line and its alert after "alert: ". An expectation ending in "…" or ": " is a prefix.
    void actionsTellThePlayer_data() {
        QTest::addColumn<QString>("facts"); // "none": no game; else the game, its loader and three mods
        QTest::addColumn<Action>("action");
        QTest::addColumn<QString>("busy");
        QTest::addColumn<QString>("told");
        const auto row = [](const char* name, const char* facts, const QString& busy, const QString& told,
                            const Action& action) {
            QTest::newRow(name) << QString(facts) << action << busy << told;
        };
        const auto flip = [](bool on) { return [on](AppState& s) { s.setMod(*modNamed(s, "Alpha"), on); }; };
        const auto trash = [](AppState& s) { s.trash(*modNamed(s, "Beta")); };
        const QString backingUp = "Backing up worlds and characters…",
                      clearing = "Clearing quarantine flags…";
        const QString contacting = "Contacting Thunderstore…";
        const Action bep = &AppState::downloadAndInstallBepInEx, detect = &AppState::autoDetectGame,
                     vanilla = &AppState::playVanilla, backup = &AppState::backupSaves,
                     restore = &AppState::restoreSavesFromLatestBackup, fix = &AppState::fixScript;
        row("no game: detect", "none", "", "alert: Couldn't find Valheim in any Steam library…", detect);
        row("no game: catalog", "none", "", "alert: Locate your Valheim folder first (step 1).",
            [](AppState& s) { s.installThunderstorePackage({}); });
        row("no game: drop", "none", "", "alert: Locate your Valheim folder first (step 1), then drop…",
            [](AppState& s) { s.handleDropped({"/Foo.zip"}); });
        row("detect", "", "", "Found Valheim at ~/Games/SteamLibrary/steamapps/common/Valheim", detect);
        row("fix script", "shipped", "", "Updated start_game_bepinex.sh for this Mac", fix);
        row("clear none", "", clearing, "No quarantine flags found", &AppState::clearQuarantine);
        row("clear one", "flagged", clearing, "Removed quarantine from 1 file", &AppState::clearQuarantine);
        row("vanilla without Steam", "", "", "alert: Start Steam first — Valheim needs…", vanilla);
        row("vanilla, game not executable", "Steam locked", "",
            "alert: Couldn't launch Valheim directly: ", vanilla);
        if (!QFile::exists("/usr/sbin/softwareupdate")) { // a real installer must not run
            const Process::Result ran =
                Process::run("/usr/sbin/softwareupdate", {"--install-rosetta", "--agree-to-license"});
            row("rosetta fails", "arm64", "Installing Rosetta 2… this can take a minute",
                QString(
                    "alert: Rosetta 2 install didn't finish (exit %1).\n%2\nRun this in Terminal instead:\n"
                    "softwareupdate --install-rosetta --agree-to-license")
                    .arg(ran.code)
                    .arg(ran.out),
                &AppState::installRosetta);
        }
        const QString yourself =
                          " Download it from 127.0.0.1 yourself and drop the .zip anywhere on this window.",
                      absent = "alert: Thunderstore has no package denikson-BepInExPack_Valheim." + yourself;
        row("repository: offline", "offline", contacting, "alert: Couldn't reach Thunderstore for BepInEx (…",
            bep);
        row("repository: no such package", "endpoint:404", contacting, absent, bep);
        row("repository: its archive gone", "endpoint:/gone.zip", contacting, absent, bep);
        row("repository: relative address", "endpoint:dropped.zip", contacting,
            "alert: Thunderstore's answer about denikson-BepInExPack_Valheim (HTTP 200) names no download; "
            "try "
            "again later. Download it…",
            bep);
        row("shader fix, no catalog", "", "",
            "alert: The mod catalog hasn't loaded, so ShaderHelperForMac can't "
            "be looked up yet — try again once Browse lists mods.",
            &AppState::installShaderHelper);
        row("shader fix in no repository", "catalog", "",
            "alert: Neither Thunderstore nor Hexium has "
            "ShaderHelperForMac — if you have its .zip, drop it anywhere on this window.",
            &AppState::openShaderHelperPage);
        row("fix script of another shape", "arm64 shipped", "",
            "alert: start_game_bepinex.sh can't be made to "
            "start the game's Intel build: it isn't the script of a BepInEx pack from 5.4.2331 on. Reinstall "
            "BepInEx in step 3; its new script gets the fix as it goes in.",
            fix);
        row("repository: dropped download", "endpoint:/dropped.zip", contacting,
            "alert: Download failed: ", bep);
        row("repository: broken archive", "endpoint:/package/download/Brokkr/CrackedAnvil/0.1.0/", contacting,
            "alert: Install failed: Couldn't extract the archive: ", bep);
        row("zip from the player", "zip", "Installing…", "BepInEx 5.4.2202 installed into the game folder",
            &AppState::installBepInExFromZip);
        row("backup", "Steam", backingUp, "Backed up 3 save files", backup);
        row("backup, link to nowhere", "brokenLink", backingUp,
            "Backed up 1 save file — 2 links in the save folder lead nowhere, so no older backup was removed",
            backup);
        for (const char* on : {"noSaves", "linux noSaves"}) // each names where its game keeps them
            row(on, on, backingUp,
                QStringLiteral(
                    "alert: Couldn't find any Valheim worlds or characters in ~/%1/IronGate/Valheim.")
                    .arg(QString(on).startsWith("linux") ? ".config/unity3d" : "Library/Application Support"),
                backup);
        row("backup while playing", "Valheim", "", "alert: Quit Valheim first — backing up…", backup);
        row("restore", "backup", "Restoring worlds and characters…", "Restored 3 save files from the backup",
            restore);
        row("restore while the moved game runs", "backup Game", "", "alert: Quit Valheim first — restoring…",
            restore);
        row("stash", "", "", "Moved 2 mods aside — capture command copied to clipboard",
            &AppState::stashModsForCapture);
        row("unstash", "stashed", "", "Restored 2 mods — relaunch…", &AppState::restoreModsAfterCapture);
        row("disable", "", "", "Alpha disabled", flip(false));
        row("enable", "", "", "Alpha enabled", flip(true));
        row("toggle a vanished mod", "vanished", "", "alert: Couldn't toggle Alpha: ", flip(false));
        row("trash", "", "", "Moved Beta to Trash", trash);
        row("trash a vanished mod", "vanished", "", "alert: Couldn't remove Beta: ", trash);
        row("new profile", "", "Creating profile Raid…", "Created profile Raid",
            [](AppState& s) { s.newProfile(" Raid", false); });
        row("switch while playing", "Valheim", "", "alert: Quit Valheim first — switching profiles…",
            [](AppState& s) { s.switchProfile("Raid"); });
        row("switch while the server runs", "valheim_server.exe", "",
            "alert: Quit Valheim first — switching profiles…", [](AppState& s) { s.switchProfile("Raid"); });
        row("update while the server runs", "valheim_server.exe", "", "alert: Quit Valheim first — updating…",
            [](AppState& s) {
                s.updateMods({{*modNamed(s, "Alpha"), TSPackage{}, "1"}});
            });
        row("restore while the server runs", "backup /srv/valheim_server.x86_64", "",
            "alert: Quit Valheim first — restoring…", restore);
        row("switch to no profile", "", "Switching to profile Raid…",
            "alert: There is no profile called “Raid”.", [](AppState& s) { s.switchProfile("Raid"); });
        row("delete the active profile", "", "Moving profile Default to the Trash…",
            "alert: “Default” is the profile in use; switch to another one before deleting it.",
            [](AppState& s) { s.deleteProfile("Default"); });
        const Action set = &AppState::setLaunchOptionsInSteam;
        row("Linux: set launch options while Steam runs", "linux Steam", "",
            "alert: Quit Steam first — it rewrites its settings when it quits, so launch options written "
            "while "
            "it runs would be lost.",
            set);
        row("Linux: set launch options", "linux", "Setting Valheim's launch options in Steam…",
            "Launch options set in Steam (the previous settings are kept in localconfig.vdf.backup)", set);
        row("Linux: fix script", "linux shipped", "", "Made start_game_bepinex.sh executable", fix);
        const auto both = [](AppState& s) {
            return QList<ModItem>{*modNamed(s, "Alpha"), *modNamed(s, "Beta")};
        };
        row("disable with dependants", "", "", "Alpha, Beta disabled",
            [both](AppState& s) { s.setModsEnabled(both(s), false); });
        row("trash with dependants", "", "", "Moved Alpha, Beta to Trash",
            [both](AppState& s) { s.trashMods(both(s)); });
        row("no updates offered", "", "", "No updates will be offered for Alpha",
            [](AppState& s) { s.setUpdatesOffered("Alpha", false); });
        row("a pack far too large", "hugePack", "Reading huge.r2z…",
            "alert: huge.r2z is far larger than any profile.",
            [](AppState& s) { s.readProfileFile(TestHome::path() + "/tmp/huge.r2z"); });
    }
    void actionsTellThePlayer() {
        QFETCH(QString, facts);
        QFETCH(Action, action);
        QFETCH(QString, busy);
        QFETCH(QString, told);
        Harness h;
        qunsetenv("SKALDRUN_THUNDERSTORE_URL"); // a row's repository is its own
        const QStringList has = facts.split(' ');
        if (has.contains("arm64")) qputenv("SKALDRUN_MACHINE", "arm64");
        if (has.contains("linux")) h.world.on(Platform::linuxOS);
        if (!has.contains("none")) {
            h.world.build();
            h.bepFiles(has.contains("shipped") ? "executable_name=\"valheim.x86_64\""
                                               : "executable_name=\"Valheim\"");
            for (const char* rel : {"ShaderHelper/ShaderHelper.dll", "Alpha.dll", "Beta/Beta.dll"})
                h.plugin(rel);
        }
        if (has.contains("flagged"))
            QVERIFY(Xattr::set(h.game("start_game_bepinex.sh"), Xattr::quarantineName(), "0083;x"));
        if (has.contains("locked")) QFile::setPermissions(h.world.executable(), QFileDevice::ReadOwner);
        if (has.contains("stashed")) Installer::stashModsForCapture(h.game());
        if (has.contains("backup")) Installer::backupSaves(h.world.savesDir(), Installer::saveBackupsRoot());
        if (has.contains("brokenLink")) {
            QDir(h.world.savesDir() + "/worlds_local").removeRecursively();
            // Two links to one file: each count reads in its own number.
            for (const char* sub : {"/worlds_local", "/worlds"})
                QVERIFY(QFile::link(h.world.savesDir() + "/unmounted", h.world.savesDir() + sub));
        }
        if (has.contains("zip"))
            h.panel.answers = {TestZip::bepInExPack().save(TestHome::path() + "/tmp/pack.zip")};
        if (has.contains("noSaves")) QDir(h.world.savesDir()).removeRecursively();
        if (has.contains("hugePack")) { // sparse: its size alone refuses it
            QFile huge(TestHome::path() + "/tmp/huge.r2z");
            QVERIFY(QDir().mkpath(TestHome::path() + "/tmp") && huge.open(QIODevice::WriteOnly) &&
                    huge.resize(ProfilePack::maxUnpackedBytes + 1));
        }
        // Running: Steam alone, the game by its name, or by its bundle wherever that was moved.
        for (const RunningApplication& app :
             {RunningApplication{"com.valvesoftware.steam", "", "Steam"},
              {"", "", "Valheim"},
              {"", "/Games/VALHEIM.APP", "Game"},
              {"", "", "valheim_server.exe"},
              {"", "/srv/valheim_server.x86_64", "/srv/valheim_server.x86_64"}})
            if (has.contains(app.name)) h.workspace.running << app;
        for (const QString& fact : has) {
            if (!fact.startsWith("endpoint:")) continue;
            // The repository's answer about the loader names this address; "/…" is on the stand-in
            // repository, where /dropped.zip drops the connection.
            h.serve();
            const QString url = fact.mid(9), at = url.startsWith('/') ? h.repo->baseUrl() + url : url;
            const QString latest = R"({"latest": {"download_url": "%1", "version_number": "1"}})";
            h.repo->server().route("/api/experimental/package/denikson/BepInExPack_Valheim/",
                                   url == "404" ? LoopbackServer::reply("{}", 404)
                                                : LoopbackServer::reply(latest.arg(at).toUtf8()));
            h.repo->server().route("/dropped.zip", {.closeAtOnce = true});
        }
        if (has.contains("offline")) qputenv("SKALDRUN_THUNDERSTORE_URL", "http://127.0.0.1:1");
        if (has.contains("catalog")) { // a repository without the shader fix
            h.repo = std::make_unique<FakeRepository>();
            h.repo->add(FakeRepository::package("Skaldic", "MapPins", "5.0.0"));
            h.repo->pointAppHere();
        }
        QVERIFY(h.ready() && (!has.contains("catalog") || h.loadCatalog()));
        if (has.contains("vanished")) {
            QFile::remove(h.world.pluginsDir() + "/Alpha.dll");
            QDir(h.world.pluginsDir() + "/Beta").removeRecursively();
        }
        action(*h.state);
        const AppState& s = *h.state;
        QVERIFY(QTest::qWaitFor([&] { return !s.busyMessage() && (s.lastAction() || s.alertMessage()); }));
        QString shown = s.lastAction().value_or("");
        if (s.alertMessage()) shown += (shown.isEmpty() ? "alert: " : " | alert: ") + *s.alertMessage();
        const QString prefix = told.endsWith("…") ? told.chopped(1) : told.endsWith(": ") ? told : QString();
        QVERIFY2(prefix.isEmpty() ? shown == told
                                  : shown.startsWith(prefix) && shown.size() > prefix.size() + 3,
                 qPrintable(shown));
        QCOMPARE(h.busy.value(0), busy); // the first, on a long action; the stages are their tests'
        QVERIFY(h.busy.isEmpty() || h.busy.last().isEmpty());
    }

    void catalogInstallsThenTheWindowCloses() {
        CatalogHarness h;
        h.add("Stuck");
        h.add("After", {"Test-Stuck-1.0.0"});
        h.repo->server().route("/package/download/Test/Stuck/1.0.0/", {.stall = true});
        QVERIFY(h.begin());
        AppState& s = *h.state;
        QCOMPARE(h.install("Runecraft-Epic_Runes"),
                 "Installed Epic Runes with 2 dependencies (CoreUtils, RuneLib)");
        QCOMPARE(h.busy.first(), "Preparing Epic Runes…");
        QCOMPARE(h.busy.filter("Installing"),
                 (QStringList{"Installing CoreUtils (1 of 3)…", "Installing RuneLib (2 of 3)…",
                              "Installing Epic Runes (3 of 3)…"}));
        QVERIFY(!s.alertMessage() && s.installedMod(h.package("Hearthworks-CoreUtils")));

        QCOMPARE(h.install("Hearthworks-CozyHearth"), "Installed CozyHearth"); // its dependency is there
        QCOMPARE(h.busy.filter("Installing"), QStringList{"Installing CozyHearth (1 of 1)…"});
        QCOMPARE(h.install("Fjordsmith-TrollTweaks"), "Installed TrollTweaks");
        QCOMPARE(s.alertMessage(), "Not in the catalog (install manually): Ghostly-VanishedLib-1.0.0");

        QCOMPARE(h.install("Brokkr-CrackedAnvil"), "(no success line)"); // the alert alone
        QVERIFY(s.alertMessage()->startsWith("CrackedAnvil: Couldn't extract the archive: "));
        QCOMPARE(QDir(TestHome::path() + "/tmp").entryList({"skaldrun-*"}), QStringList{}); // no archive left

        // Closing the window: a stalled download stops at once, what needs it never goes in, a drop
        // meanwhile is refused, and nothing is published.
        Http::setDefaultTimeouts({60000, 60000});
        World::write(TestHome::path() + "/tmp/Qux.dll", "MZ");
        s.installThunderstorePackage(h.package("Test-After"));
        s.handleDropped({TestHome::path() + "/tmp/Qux.dll"}); // one change of the folder at a time
        QCOMPARE(s.alertMessage(),
                 "Another change of this game folder is under way (“Preparing After…”); try "
                 "again when it has finished.");
        s.handleDropped({TestHome::path() + "/tmp/crew.r2z"}); // its end would end the install's hold
        QCOMPARE(s.alertMessage(), "Another action is under way (“Preparing After…”); open the profile "
                                   "again when it has finished.");
        s.backupSaves();
        QTRY_COMPARE(h.repo->server().requestCount("/package/download/Test/Stuck/1.0.0/"), 1);
        h.state.reset(); // the workers' results find nobody to tell
        QVERIFY(QThreadPool::globalInstance()->waitForDone(10000));
        QCoreApplication::sendPostedEvents();
        QVERIFY(!QFile::exists(h.world.pluginsDir() + "/Qux.dll"));
        QVERIFY(!QFile::exists(h.world.pluginsDir() + "/After"));
        QDirIterator left(TestHome::path() + "/tmp", {"*.zip"}, QDir::Files, QDirIterator::Subdirectories);
        QVERIFY2(!left.hasNext(), qPrintable(left.next()));
    }
};

SKALDRUN_TEST_MAIN(TestAppState)
#include "tst_appstate.moc"
