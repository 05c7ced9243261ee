#include "discovery/Sys.h"
#include "platform/Process.h"
#include "platform/Xattr.h"
#include "tests/support/ModelWorld.h"

// The setup actions; repository installs go to the stand-in repository.
class TestAppStateSetup : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void bepInExAndShaderHelperFromTheRepository() {
        Harness h;
        h.serve();
        QVERIFY(h.start());
        AppState& s = *h.state;
        bool progressWhileInstalling = true;
        QList<std::optional<double>> progress;
        connect(&s, &AppState::busyProgressChanged, this, [&] { progress << s.busyProgress(); });
        connect(&s, &AppState::busyMessageChanged, this, [&] {
            if (s.busyMessage() == "Installing BepInEx…")
                progressWhileInstalling = s.busyProgress().has_value();
        });
        // Another user's link at the name a download could once be guessed by stays untouched.
        const QString tmp = TestHome::path() + "/tmp/", victim = TestHome::path() + "/victim";
        World::write(victim, "mine");
        QVERIFY(QFile::link(victim, tmp + "BepInExPack_Valheim.zip"));
        QVERIFY(h.act([&] { s.downloadAndInstallBepInEx(); }));
        QCOMPARE(h.busy, (QStringList{"Contacting Thunderstore…", "Downloading BepInEx 5.4.2202…",
                                      "Installing BepInEx…", ""}));
        QVERIFY(QFileInfo(tmp + "BepInExPack_Valheim.zip").isSymLink() && World::read(victim) == "mine");
        QCOMPARE(QDir(tmp).entryList({"skaldrun-*"}), QStringList{}); // the download's folder is gone
        QCOMPARE(s.lastAction(), "BepInEx 5.4.2202 installed into the game folder");
        QVERIFY(!s.alertMessage() && s.stepBep() && s.stepQuarantine());
        QCOMPARE(s.bepVersion(), "5.4.2202");
        // The bar filled during the download, was unknown during the install, and went away.
        QVERIFY(progress.contains(1.0) && !progressWhileInstalling);
        QCOMPARE(progress.last(), std::nullopt);

        // ShaderHelperForMac comes the same way, but records no pack version.
        Defaults::remove("bepPackVersion");
        QVERIFY(h.act([&] { s.installShaderHelper(); }));
        QCOMPARE(h.busy, (QStringList{"Contacting Thunderstore…", "Downloading ShaderHelperForMac 1.0.3…",
                                      "Installing ShaderHelperForMac…", ""}));
        QCOMPARE(s.lastAction(), "Installed ShaderHelperForMac");
        QVERIFY(!Defaults::string("bepPackVersion") && s.shaderHelperInstalled());
    }

    void repositoryFailures_data() {
        QTest::addColumn<QString>("archive"); // else the endpoint answers 404, or never
        QTest::addColumn<QString>("alert");
        const QString unreachable =
            "Couldn't reach Thunderstore for BepInEx. Download it from 127.0.0.1 yourself "
            "and drop the .zip anywhere on this window.";
        QTest::newRow("no such package") << "" << unreachable;
        QTest::newRow("dead server") << "stall" << unreachable;
        QTest::newRow("dropped download") << "/dropped.zip"
                                          << "Download failed: ";
        QTest::newRow("broken archive") << "/package/download/Brokkr/CrackedAnvil/0.1.0/"
                                        << "Install failed: Couldn't extract the archive: ";
    }
    void repositoryFailures() {
        Harness h;
        h.serve();
        QFETCH(QString, archive);
        QFETCH(QString, alert);
        const QString latest = R"({"latest": {"download_url": "%1", "version_number": "1"}})";
        LoopbackServer::Response answer =
            archive.startsWith('/') ? LoopbackServer::reply(latest.arg(h.repo->baseUrl() + archive).toUtf8())
                                    : LoopbackServer::reply(R"({"detail":"Not found."})", 404);
        answer.stall = archive == "stall";
        Http::setDefaultTimeouts({2000, 2000});
        h.repo->server().route("/api/experimental/package/quellit/BepInExPack_Valheim/", answer);
        LoopbackServer::Response dropped;
        dropped.closeAtOnce = true;
        h.repo->server().route("/dropped.zip", dropped);
        QVERIFY(h.start());
        h.state->downloadAndInstallBepInEx();
        QVERIFY(h.waitIdle());
        QCOMPARE(h.busy.first(), "Contacting Thunderstore…");
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
        const QString cut = TestHome::path() + "/tmp/cut.zip";
        World::write(cut, "PK\x03\x04 cut short");
        h.panel.answers = {TestZip::bepInExPack().save(TestHome::path() + "/tmp/pack.zip"), cut};
        QVERIFY(h.act([&] { s.installBepInExFromZip(); }));
        QCOMPARE(h.panel.requests.first().message, "Choose the BepInExPack_Valheim .zip you downloaded");
        QCOMPARE(h.busy, (QStringList{"Installing…", ""}));
        QCOMPARE(s.lastAction(), "BepInEx 5.4.2202 installed into the game folder");
        QVERIFY(h.act([&] { s.installBepInExFromZip(); })); // the error alone, and a refresh all the same
        QVERIFY(s.alertMessage().value_or("").startsWith("Couldn't extract the archive: "));

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

    void scriptQuarantineAndClipboard() {
        Harness h;
        h.bepFiles("executable_name=\"valheim.x86_64\"");
        QVERIFY(h.start());
        AppState& s = *h.state;
        QVERIFY(!s.scriptNameConfigured());
        QVERIFY(h.act([&] { s.fixScript(); }));
        QCOMPARE(s.lastAction(), "Updated start_game_bepinex.sh for this Mac");
        QVERIFY(s.scriptNameConfigured() && s.stepBep());

        QVERIFY(Xattr::set(h.game("start_game_bepinex.sh"), Xattr::quarantineName(), "0083;x"));
        const int flagged = h.world.quarantineLoaderFiles();
        for (const QString& expected : {QString("Removed quarantine from %1 files").arg(flagged),
                                        QString("No quarantine flags found")}) {
            QVERIFY(h.act([&] { s.clearQuarantine(); }));
            QCOMPARE(h.busy, (QStringList{"Clearing quarantine flags…", ""}));
            QCOMPARE(s.lastAction(), expected);
        }
        QVERIFY(Xattr::set(h.game("start_game_bepinex.sh"), Xattr::quarantineName(), "0083;x"));
        QVERIFY(h.act([&] { s.clearQuarantine(); }));
        QCOMPARE(s.lastAction(), "Removed quarantine from 1 file");

        s.setConsoleEnabled(true);
        s.copyLaunchOptions();
        QCOMPARE(h.clipboard.current(), "\"" + h.game("start_game_bepinex.sh") + "\" %command% -console");
        QCOMPARE(s.lastAction(), "Launch options copied — paste them into Steam");
        s.launchValheim();
        QCOMPARE(h.workspace.openedUrls, QList<QUrl>{QUrl("steam://rungameid/892970")});
        s.autoDetectGame();
        QCOMPARE(s.lastAction(), "Found Valheim at ~/Games/SteamLibrary/steamapps/common/Valheim");
    }

    // The architecture step: done by itself on an Intel Mac; on Apple Silicon it waits for the
    // script's block and for the loader files alongside it.
    void archStepFollowsTheMachine_data() {
        QTest::addColumn<bool>("appleSilicon");
        QTest::newRow("x86_64") << false;
        QTest::newRow("arm64") << true;
    }
    void archStepFollowsTheMachine() {
        QFETCH(bool, appleSilicon);
        Harness h;
        qputenv("SKALDRUN_MACHINE", appleSilicon ? "arm64" : "x86_64");
        h.bepFiles();
        QVERIFY(h.start());
        AppState& s = *h.state;
        QVERIFY(s.isAppleSilicon() == appleSilicon && s.stepBep());
        QCOMPARE(s.rosettaOK(), !appleSilicon || Sys::rosettaInstalled());
        QVERIFY(!s.archConfigured() && s.stepArch() == !appleSilicon);

        QVERIFY(h.act([&] { s.fixScript(); }));
        QVERIFY(s.archConfigured() == appleSilicon && s.stepArch());
        QCOMPARE(World::read(h.game("start_game_bepinex.sh")).contains("export ARCHPREFERENCE=\"x86_64\""),
                 appleSilicon);

        QFile::remove(h.game("doorstop_libs/libdoorstop_x64.dylib")); // the script alone is not enough
        QVERIFY(h.act([&] { s.refreshAll(); }));
        QCOMPARE(s.stepArch(), !appleSilicon);
    }

    void rosettaInstallerFailure() {
        if (QFile::exists("/usr/sbin/softwareupdate"))
            QSKIP("a real installer is here; the test must not run it");
        Harness h;
        qputenv("SKALDRUN_MACHINE", "arm64");
        QVERIFY(h.ready());
        AppState& s = *h.state;
        QVERIFY(h.act([&] { s.installRosetta(); })); // refreshed after a failure too
        QCOMPARE(h.busy, (QStringList{"Installing Rosetta 2… this can take a minute", ""}));
        const Process::Result ran =
            Process::run("/usr/sbin/softwareupdate", {"--install-rosetta", "--agree-to-license"});
        QCOMPARE(s.alertMessage(), QString("Rosetta 2 install didn't finish (exit %1).\n").arg(ran.code) +
                                       ran.out +
                                       "\nRun this in Terminal instead:\n"
                                       "softwareupdate --install-rosetta --agree-to-license");
        QVERIFY(!s.lastAction());
    }
};

SKALDRUN_TEST_MAIN(TestAppStateSetup)
#include "tst_appstate_setup.moc"
