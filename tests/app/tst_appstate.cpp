#include "catalog/ThunderstoreStore.h"
#include "catalog/Version.h"
#include "install/Installer.h"
#include "platform/Process.h"
#include "platform/Xattr.h"
#include "tests/support/ModelWorld.h"

#include <QDirIterator>

#include <csignal>

using Action = std::function<void(AppState&)>;
Q_DECLARE_METATYPE(Action)

namespace {

// The harness with the repository served and its catalog loaded.
struct CatalogHarness : Harness {
    CatalogHarness() { serve(); }
    void add(const QString& name, const QStringList& deps = {}, bool failDownload = false,
             QByteArray broken = {}) {
        FakeRepository::Package p;
        p.owner = "Test";
        p.name = name;
        p.dependencies = deps;
        p.failDownload = failDownload;
        p.brokenArchive = std::move(broken);
        repo->add(p);
    }
    void stall(const QString& name) {
        LoopbackServer::Response stalled;
        stalled.stall = true;
        repo->server().route("/package/download/Test/" + name + "/1.0.0/", stalled);
    }
    bool begin() {
        QDir().mkpath(world.pluginsDir());
        if (!start()) return false;
        state->thunder()->loadIfNeeded(true);
        return QTest::qWaitFor([&] { return !state->thunder()->packages().isEmpty(); });
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

    QList<qint64> m_games; // stub games started by the direct launch, ended by their id

private Q_SLOTS:
    void cleanup() {
        for (qint64 pid : std::as_const(m_games))
            ::kill(pid_t(pid), SIGTERM);
        m_games.clear();
    }

    void firstRefreshFindsTheGameAndRemembersIt() {
        Harness h;
        h.world.build();
        QVERIFY(!h.make().gameDir()); // the probe answers later, on this thread
        QTRY_COMPARE(h.refreshes->count(), 1);
        AppState& s = *h.state;
        QVERIFY(s.gameDir() == h.world.gameDir() && Defaults::string("gameDir") == h.world.gameDir());
        QVERIFY(s.stepGame() && s.snapshot().appBundleName == "Valheim.app");
        QCOMPARE(s.launchOptionsString(), "\"" + h.world.gameDir() + "/start_game_bepinex.sh\" %command%");
        QSignalSpy mods(&s, &AppState::modsChanged); // an unchanged list is left alone
        QVERIFY(h.act([&] { s.refreshAll(); }));
        QCOMPARE(mods.count(), 0);

        // A remembered folder that lost its game gives way to the one Steam knows...
        const QString old = TestHome::path() + "/Games/OldCopy";
        QDir().mkpath(old);
        Defaults::setString("gameDir", old);
        QVERIFY(h.ready());
        QVERIFY(h.state->gameDir() == h.world.gameDir() && Defaults::string("gameDir") == h.world.gameDir());
        // ...and stays, without a game, when Steam knows nothing either.
        QFile::remove(h.world.steamRoot() + "/config/libraryfolders.vdf");
        Defaults::setString("gameDir", old);
        QVERIFY(h.ready());
        QVERIFY(h.state->gameDir() == old && !h.state->snapshot().appBundleName);
    }

    void setupFoldsByItselfOncePerAccount() {
        Harness h;
        h.world.build();
        h.bepFiles();
        h.world.setSteamLaunchOptions("\"" + h.game("start_game_bepinex.sh") + "\" %command%");
        h.world.writeLoaderLog();
        QVERIFY(h.ready());
        QVERIFY(h.state->allDone() && h.state->setupCollapsed() && Defaults::boolean("setupCollapsed"));
        h.state->setSetupCollapsed(false);
        QVERIFY(h.ready()); // not again after a restart
        QVERIFY(h.state->allDone() && !h.state->setupCollapsed());
    }

    void pluginsWatchShowsWhatOthersDrop() {
        Harness h;
        QVERIFY(h.start());
        AppState& s = *h.state;
        QDir().mkpath(h.world.pluginsDir()); // made after the first refresh, as BepInEx does
        QVERIFY(h.act([&] { s.refreshAll(); }));
        h.plugin("Alpha.dll");
        World::write(h.world.pluginsDir() + "/DataOnly/readme.txt", "no plugin here");
        QTRY_VERIFY(modNamed(s, "Alpha") && modNamed(s, "DataOnly"));
        QVERIFY(h.refreshes->count() == 2 && s.toggleableModCount() == 1 && s.enabledModCount() == 1);

        // The folder deleted and made again is watched again after the next refresh.
        QDir(h.world.pluginsDir()).removeRecursively();
        QTRY_VERIFY(s.snapshot().mods.isEmpty());
        QDir().mkpath(h.world.pluginsDir());
        QVERIFY(h.act([&] { s.refreshAll(); }));
        h.plugin("Beta.dll");
        QTRY_VERIFY(modNamed(s, "Beta"));
        QCOMPARE(h.refreshes->count(), 3);
    }

    void bepInExAndShaderHelperFromTheRepository() {
        Harness h;
        h.serve();
        QVERIFY(h.start());
        AppState& s = *h.state;
        QList<std::optional<double>> progress;
        bool barWhileUnpacking = true;
        connect(&s, &AppState::busyProgressChanged, this, [&] { progress << s.busyProgress(); });
        connect(&s, &AppState::busyMessageChanged, this, [&] {
            if (s.busyMessage() == "Installing BepInEx…") barWhileUnpacking = s.busyProgress().has_value();
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
        QCOMPARE(QDir(tmp).entryList({"skaldrun-*"}), QStringList{}); // the download's folder is gone
        QVERIFY(!s.alertMessage() && s.stepBep() && s.snapshot().bepVersion == "5.4.2202");
        // The bar filled during the download, went back to unknown for the install, and went away.
        QVERIFY(progress.contains(1.0) && !barWhileUnpacking && progress.last() == std::nullopt);

        // ShaderHelperForMac comes the same way, but records no pack version.
        Defaults::remove("bepPackVersion");
        QCOMPARE(h.done([&] { s.installShaderHelper(); }), "Installed ShaderHelperForMac");
        QCOMPARE(h.busy.value(1), "Downloading ShaderHelperForMac 1.0.3…");
        QVERIFY(!Defaults::string("bepPackVersion") && s.shaderHelperInstalled());
    }

    void repositoryFailures_data() {
        QTest::addColumn<QString>("download"); // the address the endpoint names; none: 404, or never
        QTest::addColumn<QString>("alert");
        const QString unreachable =
            "Couldn't reach Thunderstore for BepInEx. Download it from 127.0.0.1 yourself "
            "and drop the .zip anywhere on this window.";
        QTest::newRow("no such package") << "" << unreachable;
        QTest::newRow("dead server") << "stall" << unreachable;
        QTest::newRow("relative address") << "dropped.zip" << unreachable;
        QTest::newRow("dropped download") << "/dropped.zip"
                                          << "Download failed: ";
        QTest::newRow("broken archive") << "/package/download/Brokkr/CrackedAnvil/0.1.0/"
                                        << "Install failed: Couldn't extract the archive: ";
    }
    void repositoryFailures() {
        QFETCH(QString, download);
        QFETCH(QString, alert);
        Harness h;
        h.serve();
        const QString latest = R"({"latest": {"download_url": "%1", "version_number": "1"}})";
        const QString url = download.startsWith('/') ? h.repo->baseUrl() + download : download;
        LoopbackServer::Response answer = download.isEmpty() || download == "stall"
                                              ? LoopbackServer::reply(R"({"detail":"Not found."})", 404)
                                              : LoopbackServer::reply(latest.arg(url).toUtf8());
        answer.stall = download == "stall";
        Http::setDefaultTimeouts({2000, 2000});
        h.repo->server().route("/api/experimental/package/quellit/BepInExPack_Valheim/", answer);
        LoopbackServer::Response dropped;
        dropped.closeAtOnce = true;
        h.repo->server().route("/dropped.zip", dropped);
        QVERIFY(h.start());
        QVERIFY(h.act([&] { h.state->downloadAndInstallBepInEx(); }));
        const QString shown = h.state->alertMessage().value_or("");
        QVERIFY2(alert.endsWith("window.") ? shown == alert
                                           : shown.startsWith(alert) && shown.size() > alert.size() + 3,
                 qPrintable(shown));
        QVERIFY(!h.state->lastAction() && !Defaults::string("bepPackVersion"));
    }

    void zipAndFolderChosenByThePlayer() {
        Harness h;
        QVERIFY(h.start());
        AppState& s = *h.state;
        h.panel.answers = {TestZip::bepInExPack().save(TestHome::path() + "/tmp/pack.zip")};
        QCOMPARE(h.done([&] { s.installBepInExFromZip(); }),
                 "BepInEx 5.4.2202 installed into the game folder");
        QCOMPARE(h.busy, (QStringList{"Installing…", ""}));
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
    }

    // The direct launch starts the game detached, in its folder, and keeps its process: the save
    // guards see it even where the workspace doesn't list it.
    void vanillaLaunchIsWatched() {
        Harness h;
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
        const QString started = h.world.appBundle() + "/Contents/MacOS/started.txt";
        QTRY_VERIFY(World::read(started).endsWith('\n'));
        const QStringList seen = QString::fromUtf8(World::read(started)).trimmed().split(' ');
        m_games << seen.first().toLongLong();
        QCOMPARE(seen.mid(1), (QStringList{h.game(), "-console"}));
        QVERIFY(Defaults::boolean("consoleParam") && s.isValheimRunning());
        s.backupSaves();
        QVERIFY(s.alertMessage()->startsWith("Quit Valheim first") && h.busy.isEmpty());
    }

    // What each action tells the player, in a world of the row's facts: its busy text, then its
    // success line and its alert after "alert: ". An expectation ending in "…" or ": " is a prefix.
    void actionsTellThePlayer_data() {
        QTest::addColumn<QString>("facts"); // "none": no game; else the game, its loader and three mods
        QTest::addColumn<Action>("action");
        QTest::addColumn<QString>("busy");
        QTest::addColumn<QString>("told");
        const auto row = [](const char* name, const char* facts, const Action& action, const QString& busy,
                            const QString& told) {
            QTest::newRow(name) << QString(facts) << action << busy << told;
        };
        const auto toggle = [](const char* name, bool on) {
            return [=](AppState& s) { s.setMod(*modNamed(s, name), on); };
        };
        const auto trash = [](AppState& s) { s.trash(*modNamed(s, "Beta")); };
        const QString backingUp = "Backing up worlds and characters…",
                      clearing = "Clearing quarantine flags…";
        row("no game: detect", "none", &AppState::autoDetectGame, "",
            "alert: Couldn't find Valheim in any Steam library. Install it through Steam first, or choose "
            "its "
            "folder manually.");
        row(
            "no game: catalog", "none", [](AppState& s) { s.installThunderstorePackage({}); }, "",
            "alert: Locate your Valheim folder first (step 1).");
        row(
            "no game: drop", "none", [](AppState& s) { s.handleDropped({"/Foo.zip"}); }, "",
            "alert: Locate your Valheim folder first (step 1), then drop mods here.");
        row("detect", "", &AppState::autoDetectGame, "",
            "Found Valheim at ~/Games/SteamLibrary/steamapps/common/Valheim");
        row("fix script", "shipped", &AppState::fixScript, "", "Updated start_game_bepinex.sh for this Mac");
        row("clear none", "", &AppState::clearQuarantine, clearing, "No quarantine flags found");
        row("clear one", "flagged", &AppState::clearQuarantine, clearing, "Removed quarantine from 1 file");
        row("vanilla without Steam", "", &AppState::playVanilla, "",
            "alert: Start Steam first — Valheim needs…");
        row("vanilla, game not executable", "steam locked", &AppState::playVanilla, "",
            "alert: Couldn't launch Valheim directly: ");
        if (!QFile::exists("/usr/sbin/softwareupdate")) { // a real installer must not run
            const Process::Result ran =
                Process::run("/usr/sbin/softwareupdate", {"--install-rosetta", "--agree-to-license"});
            row("rosetta fails", "arm64", &AppState::installRosetta,
                "Installing Rosetta 2… this can take a minute",
                QString("alert: Rosetta 2 install didn't finish (exit %1).\n%2\nRun this in Terminal "
                        "instead:\nsoftwareupdate --install-rosetta --agree-to-license")
                    .arg(ran.code)
                    .arg(ran.out));
        }
        row("backup", "steam", &AppState::backupSaves, backingUp, "Backed up 3 save files");
        row("backup, link to nowhere", "brokenLink", &AppState::backupSaves, backingUp,
            "Backed up 1 save file — 1 link in the save folder leads nowhere, so no older backup was "
            "removed");
        row("backup, no saves", "noSaves", &AppState::backupSaves, backingUp,
            "alert: Couldn't find any Valheim worlds or characters in ~/Library/Application "
            "Support/IronGate/Valheim.");
        row("backup while playing", "playing", &AppState::backupSaves, "",
            "alert: Quit Valheim first — backing up…");
        row("restore", "backup", &AppState::restoreSavesFromLatestBackup, "Restoring worlds and characters…",
            "Restored 3 save files from the backup");
        row("restore while the moved game runs", "backup movedGame", &AppState::restoreSavesFromLatestBackup,
            "", "alert: Quit Valheim first — restoring…");
        row("stash", "", &AppState::stashModsForCapture, "",
            "Moved 2 mods aside — capture command copied to clipboard");
        row("unstash", "stashed", &AppState::restoreModsAfterCapture, "",
            "Restored 2 mods — relaunch Valheim to play modded");
        row("disable", "", toggle("Alpha", false), "", "Alpha disabled");
        row("enable", "", toggle("Alpha", true), "", "Alpha enabled");
        row("toggle a vanished mod", "vanished", toggle("Alpha", false), "",
            "alert: Couldn't toggle Alpha: ");
        row("trash", "", trash, "", "Moved Beta to Trash");
        row("trash a vanished mod", "vanished", trash, "", "alert: Couldn't remove Beta: ");
    }
    void actionsTellThePlayer() {
        QFETCH(QString, facts);
        QFETCH(Action, action);
        QFETCH(QString, busy);
        QFETCH(QString, told);
        Harness h;
        const QStringList has = facts.split(' ');
        if (has.contains("arm64")) qputenv("SKALDRUN_MACHINE", "arm64");
        if (!has.contains("none")) {
            h.world.build();
            h.bepFiles(has.contains("shipped") ? "executable_name=\"valheim.x86_64\""
                                               : "executable_name=\"Valheim\"");
            for (const char* rel :
                 {"ShaderHelperForMac/ShaderHelperForMac.dll", "Alpha.dll", "Beta/Beta.dll"})
                h.plugin(rel);
        }
        if (has.contains("flagged"))
            QVERIFY(Xattr::set(h.game("start_game_bepinex.sh"), Xattr::quarantineName(), "0083;x"));
        if (has.contains("locked")) QFile::setPermissions(h.world.executable(), QFileDevice::ReadOwner);
        if (has.contains("stashed")) Installer::stashModsForCapture(h.game());
        if (has.contains("backup")) Installer::backupSaves();
        if (has.contains("brokenLink")) {
            QDir(h.world.savesDir() + "/worlds_local").removeRecursively();
            QVERIFY(QFile::link(h.world.savesDir() + "/unmounted", h.world.savesDir() + "/worlds_local"));
        }
        if (has.contains("noSaves")) QDir(h.world.savesDir()).removeRecursively();
        const QHash<QString, RunningApplication> running{
            {"steam", {"com.valvesoftware.steam", "/Applications/Steam.app", "Steam"}},
            {"playing", {"", "", "Valheim"}},
            {"movedGame", {"", "/Applications/Games/VALHEIM.APP", "Game"}}};
        for (const QString& fact : has)
            if (running.contains(fact)) h.workspace.running << running[fact];
        QVERIFY(h.ready());
        if (has.contains("vanished")) {
            QFile::remove(h.world.pluginsDir() + "/Alpha.dll");
            QDir(h.world.pluginsDir() + "/Beta").removeRecursively();
        }
        h.mark();
        action(*h.state);
        const AppState& s = *h.state;
        QVERIFY(QTest::qWaitFor([&] { return !s.busyMessage() && (s.lastAction() || s.alertMessage()); }));
        QString shown = s.lastAction().value_or("");
        if (s.alertMessage()) shown += (shown.isEmpty() ? "alert: " : " | alert: ") + *s.alertMessage();
        const QString prefix = told.endsWith("…") ? told.chopped(1) : told.endsWith(": ") ? told : QString();
        QVERIFY2(prefix.isEmpty() ? shown == told
                                  : shown.startsWith(prefix) && shown.size() > prefix.size() + 3,
                 qPrintable(shown));
        QCOMPARE(h.busy, busy.isEmpty() ? QStringList() : QStringList({busy, ""}));
    }

    void chainsInstallInOrder() {
        CatalogHarness h;
        QVERIFY(h.begin());
        AppState& s = *h.state;
        QCOMPARE(h.install("Runecraft-Epic_Runes"),
                 "Installed Epic Runes with 2 dependencies (CoreUtils, RuneLib)");
        QCOMPARE(h.busy,
                 (QStringList{"Preparing Epic Runes…", "Installing CoreUtils (1 of 3)…",
                              "Installing RuneLib (2 of 3)…", "Installing Epic Runes (3 of 3)…", ""}));
        QVERIFY(!s.alertMessage() && !s.installedMod(h.package("Skaldic-MapPins")));
        TSPackage newer = h.package("Hearthworks-CoreUtils");
        QVERIFY(s.installedMod(newer) && !s.updateAvailable(newer));
        newer.version = "2.1.1";
        QVERIFY(s.updateAvailable(newer));
        QVERIFY(Version::less("1.9", "1.10") && !Version::less("1.2", "1.2.0") && Version::less("", "0.0.1"));

        QCOMPARE(h.install("Hearthworks-CozyHearth"), "Installed CozyHearth"); // its dependency is there
        QCOMPARE(h.busy.value(1), "Installing CozyHearth (1 of 1)…");
        QCOMPARE(h.install("Fjordsmith-TrollTweaks"), "Installed TrollTweaks");
        QCOMPARE(s.alertMessage(), "Not in the catalog (install manually): Ghostly-VanishedLib-1.0.0");
    }

    void failuresAreCollectedInOrder() {
        CatalogHarness h;
        h.add("Flaky", {}, true);
        h.add("Solid");
        h.add("Needy", {"Test-Flaky-1.0.0", "Test-Solid-1.0.0", "Ghost-Gone-1.0.0"});
        h.add("Cracked", {"Test-Steady-1.0.0"}, false, "PK\x03\x04 cut short");
        h.add("Steady");
        QVERIFY(h.begin());
        AppState& s = *h.state;
        QCOMPARE(h.install("Test-Needy"), "Installed Needy with 1 dependency (Solid)");
        const QStringList lines = s.alertMessage().value_or("").split('\n');
        QVERIFY2(lines.size() == 2 && lines[0].startsWith("Flaky: ") && lines[0].size() > 10,
                 qPrintable(lines[0]));
        QCOMPARE(lines[1], "Not in the catalog (install manually): Ghost-Gone-1.0.0");
        QVERIFY(modNamed(s, "Solid") && !modNamed(s, "Flaky"));

        // The requested package itself fails: the line says what did go in, and what didn't.
        QCOMPARE(h.install("Test-Cracked"), "Installed Steady, but not Cracked");
        QVERIFY(s.alertMessage()->startsWith("Cracked: Couldn't extract the archive: "));
        QCOMPARE(h.install("Brokkr-CrackedAnvil"), "(no success line)"); // the alert alone
        QVERIFY(s.alertMessage()->startsWith("CrackedAnvil: Couldn't extract the archive: "));
        QCOMPARE(QDir(TestHome::path() + "/tmp").entryList({"skaldrun-*"}), QStringList{}); // no archive left
    }

    // Closing the window: a stalled download stops at once, the dependency after it never
    // starts, a drop already being copied still goes in whole, and nothing is published.
    void destroyedWhileInstalling() {
        CatalogHarness h;
        h.add("Stuck");
        h.add("After", {"Test-Stuck-1.0.0"});
        h.stall("Stuck");
        QVERIFY(h.begin());
        Http::setDefaultTimeouts({60000, 60000});
        AppState& s = *h.state;
        World::write(TestHome::path() + "/tmp/Qux.dll", "MZ");
        s.installThunderstorePackage(h.package("Test-After"));
        s.handleDropped({TestHome::path() + "/tmp/Qux.dll"});
        s.backupSaves();
        QTRY_COMPARE(h.repo->server().requestCount("/package/download/Test/Stuck/1.0.0/"), 1);
        h.state.reset(); // the workers' results find nobody to tell
        QVERIFY(QThreadPool::globalInstance()->waitForDone(10000));
        QCoreApplication::sendPostedEvents();
        QVERIFY(QFile::exists(h.world.pluginsDir() + "/Qux.dll"));
        QCOMPARE(h.repo->server().requestCount("/package/download/Test/After/1.0.0/"), 0);
        QDirIterator left(TestHome::path() + "/tmp", {"*.zip"}, QDir::Files, QDirIterator::Subdirectories);
        QVERIFY2(!left.hasNext(), qPrintable(left.next()));
    }
};

SKALDRUN_TEST_MAIN(TestAppState)
#include "tst_appstate.moc"
