#include "app/AppState.h"
#include "catalog/ChunkedListing.h"
#include "platform/FolderLock.h"
#include "platform/Fs.h"
#include "tests/support/FakeRepository.h"
#include "tests/support/RecordingDoubles.h"
#include "tests/support/TestMain.h"
#include "tests/support/World.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

namespace {

struct Run {
    int code = -1;
    QString out, err;
};

} // namespace

class TestCli : public QObject {
    Q_OBJECT

    FakeRepository m_repo;
    World m_world{TestHome::path()};

    // The folders of the journey: a Mac client found through Steam, a Linux dedicated server.
    static QString serverDir() { return TestHome::path() + "/srv/valheim"; }
    static QString elsewhere() { return TestHome::path() + "/Documents"; }
    static QString pluginFile(const QString& game, const QString& mod) {
        return game + "/BepInEx/plugins/" + mod;
    }

    Run cli(const QStringList& args, const QString& language = QStringLiteral("en")) const {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("SKALDRUN_LANGUAGE"), language);
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(SKALDRUN_CLI), args);
        if (!process.waitForFinished(120000)) process.kill();
        return Run{process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                   QString::fromUtf8(process.readAllStandardOutput()),
                   QString::fromUtf8(process.readAllStandardError())};
    }

    // Whether the command succeeds; when it doesn't, its own words go to the test's log.
    bool ok(const QStringList& args) const {
        const Run run = cli(args);
        if (run.code != 0) qWarning() << args << "exited with" << run.code << run.err;
        return run.code == 0;
    }

    QJsonValue json(const QStringList& args) const {
        const Run run = cli(args + QStringList{"--json"});
        if (run.code != 0) qWarning() << run.err;
        const QJsonDocument doc = QJsonDocument::fromJson(run.out.toUtf8());
        return doc.isArray() ? QJsonValue(doc.array()) : QJsonValue(doc.object());
    }

private Q_SLOTS:
    void initTestCase() {
        m_repo.pointAppHere();               // both repositories, for every child too
        qputenv("SKALDRUN_PLATFORM", "mac"); // the children set up the Mac world, whatever runs them
        m_repo.addStandardCatalog();
        // The pack as zipped on a system without Unix permissions: no script is executable.
        m_repo.replace({.owner = "denikson",
                        .name = "BepInExPack_Valheim",
                        .version = "5.4.2333",
                        .archive = TestZip::bepInExPack("5.4.2333").withoutModes()});
        m_world.build();
        QDir().mkpath(elsewhere()); // where no command may write
        World::write(serverDir() + "/valheim_server.x86_64", "\x7f"
                                                             "ELF");
    }

    // A folder is set up by installing the BepInEx pack, then a mod pulls in its dependencies.
    void install_data() {
        QTest::addColumn<QString>("game");
        QTest::newRow("Mac client") << m_world.gameDir();
        QTest::newRow("dedicated server") << serverDir();
    }
    void install() {
        QFETCH(QString, game);
        QVERIFY(ok({"--game", game, "install", "denikson-BepInExPack_Valheim"}));
        QVERIFY(ok({"--game", game, "install", "Runecraft-Epic_Runes-3.0.1"}));
        const QJsonArray steps = json({"--game", game, "status"})["steps"].toArray();
        QCOMPARE(steps.at(2)["step"].toString(), "Install BepInEx");
        QVERIFY(steps.at(2)["done"].toBool() && steps.at(0)["done"].toBool());
    }

    // The server's last launch, for its start script: 0 when every mod loaded, else 1 and why.
    void doctor_data() {
        QTest::addColumn<QByteArray>("log");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("problem");
        const QByteArray head = "[Message:   BepInEx] BepInEx 5.4.22.0 - valheim_server (11/11/2024)\n"
                                "[Info   :   BepInEx] Loading [CoreUtils 2.1.0]\n";
        const QByteArray end = "[Message:   BepInEx] Chainloader startup complete\n";
        QTest::newRow("clean") << head + end << 0 << QString();
        QTest::newRow("a mod didn't load")
            << head +
                   "[Error  :   BepInEx] Could not load [RuneLib 1.4.2] because it has missing dependencies: "
                   "hearthworks.coreutils (2.2.0)\n" +
                   end
            << 1
            << "RuneLib: RuneLib 1.4.2 didn't load: it needs hearthworks.coreutils 2.2.0 or newer, which "
               "isn't installed";
    }
    void doctor() {
        QFETCH(QByteArray, log);
        World::write(serverDir() + "/BepInEx/LogOutput.log", log);
        const Run run = cli({"--game", serverDir(), "doctor", "--json"});
        QTEST(run.code, "code");
        const QJsonObject report = QJsonDocument::fromJson(run.out.toUtf8()).object();
        QVERIFY(report["server"].toBool());
        const QJsonArray problems = report["problems"].toArray();
        QTEST(problems.isEmpty()
                  ? QString()
                  : problems.first()["mod"].toString() + ": " + problems.first()["text"].toString(),
              "problem");
    }

    // On Linux the steps it doesn't need read as such, as in the window, and an install that is
    // the Windows build alone is told the launch option Proton needs.
    void statusOnLinux() {
        const QString proton = TestHome::path() + "/proton/Valheim";
        World::write(proton + "/valheim.exe", "MZ");
        qputenv("SKALDRUN_PLATFORM", "linux");
        const Run run = cli({"--game", proton, "status"});
        qputenv("SKALDRUN_PLATFORM", "mac");
        QCOMPARE(
            run.out.section('\n', 1),
            "This is Valheim's Windows build (valheim.exe), which Steam runs through Proton; for BepInEx to "
            "load, set its launch options to: WINEDLLOVERRIDES=\"winhttp=n,b\" %command%\n"
            "[ -- ] Locate Valheim\n[n/a ] Install Rosetta 2 (not needed)\n[ -- ] Install BepInEx\n"
            "[n/a ] Enable Rosetta Translation (not needed)\n[n/a ] Clear Quarantine Flags (not needed)\n"
            "[ -- ] Set Steam Launch Options\n[ -- ] Launch Once to Verify\n"
            "3 of 7 steps done · 0 mods, 0 enabled\n");
    }

    // The journey's end by commands alone, after install's client row: a Hexium mod at an older
    // release, a second Thunderstore mod, then list, turn off, update, configure, back up.
    void journey() {
        const QString game = m_world.gameDir();
        const QStringList at{"--game", game};
        QVERIFY(ok(at + QStringList{"install", "Hexwright-Forge_Tweaks-0.9.2", "Hearthworks-CozyHearth"}));
        QVERIFY(ok(at + QStringList{"disable", "epic runes"}));
        // An older install than the catalog's newest, as if the mod's author had just shipped one.
        const QString manifest = pluginFile(game, "CozyHearth/manifest.json");
        World::write(manifest, TestZip::manifest("CozyHearth", "1.0.0"));

        QHash<QString, QJsonObject> rows;
        for (const auto& row : json(at + QStringList{"list"}).toArray())
            rows.insert(row[QStringLiteral("package")].toString(), row.toObject());
        QCOMPARE(rows.size(), 6);
        QCOMPARE(rows["Hexwright-Forge_Tweaks"]["repository"], QJsonValue("Hexium"));
        QCOMPARE(rows["Hexwright-Forge_Tweaks"]["version"], QJsonValue("0.9.2"));
        QCOMPARE(rows["Fjordsmith-Better_Carts"]["repository"], QJsonValue("Thunderstore"));
        QCOMPARE(rows["Runecraft-Epic_Runes"]["enabled"], QJsonValue(false));
        QCOMPARE(rows["Hearthworks-CozyHearth"]["updateAvailable"], QJsonValue("1.4.0"));
        QCOMPARE(rows["Hearthworks-CoreUtils"]["updateAvailable"], QJsonValue());
        const QStringList listed = cli(at + QStringList{"list"}).out.split('\n');
        QVERIFY2(listed.contains("Epic Runes 3.0.1 (disabled) · Runecraft-Epic_Runes on Thunderstore") &&
                     listed.contains("Forge Tweaks 0.9.2 · Hexwright-Forge_Tweaks on Hexium"),
                 qPrintable(listed.join('\n')));
        QStringList found;
        for (const auto& row : json({"search", "tweaks"}).toArray())
            found << row[QStringLiteral("package")].toString() + QLatin1Char(' ') +
                         row[QStringLiteral("repository")].toString();
        found.sort();
        QCOMPARE(found,
                 (QStringList{"Fjordsmith-TrollTweaks Thunderstore", "Hexwright-Forge_Tweaks Hexium"}));

        const Run dry = cli(at + QStringList{"update", "--dry-run"});
        QCOMPARE(dry.out, "CozyHearth 1.0.0 → 1.4.0\n");
        QVERIFY(World::read(manifest).contains("1.0.0") && ok(at + QStringList{"update", "--all"}));
        QVERIFY(World::read(manifest).contains("1.4.0"));

        const QString cfg = "hearthworks.CozyHearth.cfg";
        QVERIFY(ok(at + QStringList{"config", "set", cfg, "Burn Time", "2.5"}));
        QCOMPARE(cli(at + QStringList{"config", "get", cfg, "General.Burn Time"}).out, "2.5\n");

        QVERIFY(ok(at + QStringList{"remove", "--delete", "CoreUtils"}) &&
                !QFileInfo::exists(pluginFile(game, "CoreUtils")));
        const auto saves = World::files(m_world.savesDir());
        const Run noBackup = cli({"saves", "restore"});
        QVERIFY2(noBackup.code == 1 && noBackup.err == "There is no save backup to restore.\n",
                 qPrintable(noBackup.err));
        QCOMPARE(World::files(m_world.savesDir()), saves);
        QVERIFY(ok({"saves", "backup"}) && ok({"saves", "restore"}));
        const QJsonValue status = json(at + QStringList{"status"});
        QCOMPARE(status["mods"], QJsonValue(5));
        QCOMPARE(status["enabledMods"], QJsonValue(4));

        // The set travels as a file and comes back as a profile of its own, the same mods switched the same
        // way.
        const QString pack = TestHome::path() + "/crew.r2z";
        QVERIFY(ok(at + QStringList{"profile", "export", "--file", pack}));
        const Run imported = cli(at + QStringList{"profile", "import", pack, "--name", "Crew"});
        QVERIFY2(imported.code == 0, qPrintable(imported.err));
        QCOMPARE(imported.out,
                 "Imported 6 of 6 mods into the new profile Crew\n"); // the loader and five mods
        const QJsonValue crew = json(at + QStringList{"status"});
        QCOMPARE(crew["mods"], QJsonValue(6)); // with CoreUtils, which CozyHearth needs
        QCOMPARE(crew["enabledMods"], QJsonValue(5));
    }

    // A script reads the same JSON in every language, while people read their own (after the
    // journey, so that the list has mods, an update and a mod switched off).
    void jsonInEveryLanguage_data() {
        QTest::addColumn<QStringList>("args");
        const QStringList at{"--game", m_world.gameDir()};
        QTest::newRow("status") << at + QStringList{"status"};
        QTest::newRow("list") << at + QStringList{"list"};
        QTest::newRow("search") << QStringList{"search", "tweaks"};
        QTest::newRow("doctor") << QStringList{"--game", serverDir(), "doctor"}; // a mod that didn't load
    }

    void jsonInEveryLanguage() {
        QFETCH(QStringList, args);
        const QString english = cli(args + QStringList{"--json"}).out;
        QVERIFY(!QJsonDocument::fromJson(english.toUtf8()).isNull());
        const Run text = cli(args);
        for (const QString language : {"de", "ru", "zh_CN"}) {
            QCOMPARE(cli(args + QStringList{"--json"}, language).out, english);
            const Run translated = cli(args, language);
            QCOMPARE(translated.code, text.code);
            QVERIFY2(translated.out + translated.err != text.out + text.err, qPrintable(language));
        }
    }

    // Wrong input of every kind: the exit status, and one sentence naming what was wrong.
    void refusals_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("says");
        const QString cfg = "hearthworks.CozyHearth.cfg";
        const auto row = [&](const char* name, const QStringList& args, int code, const char* says) {
            QTest::newRow(name) << args << code << QString::fromUtf8(says);
        };
        row("no command", {}, 2, "Name a command.");
        row("unknown command", {"frobnicate"}, 2, "Unknown command “frobnicate”.");
        row("profile verb", {"profile", "rename", "A"}, 2, "Write profile list, profile new NAME");
        row("copy on a switch", {"profile", "switch", "A", "--copy"}, 2, "“--copy” means something only");
        row("unknown option", {"--fast", "status"}, 2, "Unknown option 'fast'.");
        row("missing words", {"install"}, 2, "Wrong number of words after “install”.");
        row("option of another command", {"list", "--dry-run"}, 2, "“--dry-run” means nothing to “list”.");
        row("unknown sort", {"search", "x", "--sort", "size"}, 2, "not “size”");
        row("config verb", {"config", "get", cfg}, 2, "Write config list MOD");
        row("not a package", {"install", "Loose"}, 2, "“Loose” isn't a package");
        row("unknown package", {"install", "Ghostly-VanishedLib"}, 1,
            "The catalog has no package “Ghostly-VanishedLib”.");
        row("unknown version", {"install", "Hexwright-Forge_Tweaks-0.9.0"}, 1,
            "Hexwright-Forge_Tweaks has no version 0.9.0; the newest are 0.10.0, 0.9.2, 0.2.0.");
        row("unknown mod", {"enable", "Nope"}, 1, "No installed mod is called “Nope”.");
        row("unknown key", {"config", "get", cfg, "Colour"}, 1, "has no setting “Colour”.");
        row("unknown file", {"config", "get", "../../x.cfg", "A"}, 1,
            "There is no config file “../../x.cfg”");
        row("out of range", {"config", "set", cfg, "Burn Time", "11"}, 1,
            "“Burn Time” takes a number from 0.5 to 10.");
        row("not whole", {"config", "set", cfg, "Hearth Comfort", "2.5"}, 1,
            "takes a whole number from 0 to 5.");
        row("not a bool", {"config", "set", cfg, "Enabled", "yes"}, 1, "“Enabled” takes true or false.");
        row("not a choice", {"config", "set", cfg, "Affected Fires", "Hearth, Lava"}, 1,
            "takes one of: Campfire,");
        row("export both ways", {"profile", "export", "--code", "--file", "x.r2z"}, 2,
            "Write profile export");
        row("not a game folder", {"--game", elsewhere(), "install", "Skaldic-MapPins"}, 1,
            "isn't a Valheim folder");
        row("unknown code", {"profile", "import", "018f2c4e-7b1a-4d3e-9f00-1c2b3a4d5e6f", "--replace"}, 1,
            "That profile code wasn't found — it may have expired or been mistyped.");
    }
    void refusals() {
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QFETCH(QString, says);
        const QString cfg = m_world.gameDir() + "/BepInEx/config/hearthworks.CozyHearth.cfg";
        const QByteArray before = World::read(cfg);
        const Run run = cli(QStringList{"--game", m_world.gameDir()} + args);
        QCOMPARE(run.code, code);
        QVERIFY2(run.err.contains(says), qPrintable(run.err));
        QCOMPARE(run.err.contains("Commands:"), code == 2);
        QCOMPARE(World::read(cfg), before);
        QCOMPARE(World::files(elsewhere()), (QMap<QString, QByteArray>()));
    }

    // The window (here, this process) is changing the folder: the command line waits, then names it.
    void waitsForTheFolderLock() {
        FolderLock held(serverDir());
        held.acquire(0);
        const Run run = cli({"--game", serverDir(), "disable", "RuneLib"});
        QCOMPARE(run.code, 1);
        QCOMPARE(run.err.trimmed(),
                 QStringLiteral("tst_cli (process %1) is changing this game folder; try again "
                                "when it has finished.")
                     .arg(QCoreApplication::applicationPid()));
        QVERIFY(QFileInfo::exists(pluginFile(serverDir(), "RuneLib/RuneLib.dll")));
    }

    // And the other way round: while a command line installs, the window's actions are refused.
    void windowWaitsForTheCommandLine() {
        const auto snail = FakeRepository::package("Slowpoke", "Snail", "1.0.0");
        m_repo.add(snail);
        m_repo.server().route(m_repo.archivePath(snail), {.stall = true});
        Fs::remove(ChunkedListing::folder()); // the cached catalog predates the snail
        QProcess install;
        install.start(QStringLiteral(SKALDRUN_CLI), {"--game", serverDir(), "install", "Slowpoke-Snail"});
        QTRY_VERIFY(QFileInfo::exists(FolderLock::lockFile(serverDir())));

        RecordingWorkspace workspace;
        RecordingClipboard clipboard;
        ScriptedOpenPanel panel;
        AppState state(AppState::Services{workspace, clipboard, panel});
        state.useGameFolder(serverDir());
        QTRY_VERIFY(!state.snapshot().mods.isEmpty());
        state.setMod(state.snapshot().mods.first(), false);
        QCOMPARE(
            state.alertMessage().value_or(QString()),
            QStringLiteral("skaldrun-cli (process %1) is changing this game folder; try again when it has "
                           "finished.")
                .arg(install.processId()));
        install.kill();
        install.waitForFinished();
        state.refreshMods();
        QVERIFY(state.snapshot().mods.first().enabled);
    }

    void profilesByCommand() {
        const QStringList at{"--game", serverDir(), "profile"};
        const auto says = [&](const QStringList& words) { return cli(at + words).out; };
        QCOMPARE(says({"new", "Copy", "--copy"}), "Created profile Copy\n");
        QCOMPARE(says({"switch", "copy"}), "Switched to profile Copy\n");
        QCOMPARE(says({"list"}), "Copy (active)\nDefault\n");
        QVERIFY(QFileInfo::exists(pluginFile(serverDir(), "RuneLib/RuneLib.dll")));
    }
};

SKALDRUN_TEST_MAIN(TestCli)
#include "tst_cli.moc"
