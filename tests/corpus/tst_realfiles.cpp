// Files written by other people, read where they stand in ../shared/corpus/real (their sources
// are listed in its SOURCES.md). A clone without that folder skips these tests.
#include "catalog/ThunderstoreStore.h"
#include "config/ConfigStore.h"
#include "discovery/LocalConfig.h"
#include "discovery/Outside.h"
#include "discovery/Steam.h"
#include "fuzz/Targets.h"
#include "install/Installer.h"
#include "launch/LaunchLog.h"
#include "platform/Fs.h"
#include "platform/Process.h"
#include "tests/install/GameFixture.h"
#include "tests/support/TestMain.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>

using namespace Fixture;

namespace {

QString corpus(const QString& kind) {
    return QStringLiteral(SKALDRUN_SOURCE_DIR "/../shared/corpus/real/") + kind;
}

// One row per file of the folder whose name contains `filter`; without the shared corpus, the
// test is skipped.
void rows(const QString& kind, const QString& filter = QString()) {
    QTest::addColumn<QString>("path");
    const QDir dir(corpus(kind));
    if (!dir.exists())
        QSKIP("../shared/corpus/real is absent: the real-file tests need the shared corpus beside the clone");
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name))
        if (name.contains(filter)) QTest::newRow(qPrintable(name)) << dir.filePath(name);
}

} // namespace

class TestRealFiles : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private Q_SLOTS:
    void initTestCase() { qputenv("SKALDRUN_MACHINE", "arm64"); } // the script gets its block

    void cfgRoundTripsAndTakesOneEdit_data() { rows("cfg"); }
    // Saved unchanged they come back byte for byte; one edit changes its own line alone.
    void cfgRoundTripsAndTakesOneEdit() {
        QFETCH(QString, path);
        QVERIFY(!ConfigStore::parse(path).lines.isEmpty()); // read in place: real files are UTF-8
        FuzzTargets::run("cfg", World::read(path));
    }

    void libraryFoldersGiveTheirPaths_data() { rows("vdf", "libraryfolder"); }
    void libraryFoldersGiveTheirPaths() {
        QFETCH(QString, path);
        const QByteArray vdf = World::read(path);
        World::write(Fs::join(Steam::root(Platform::macOS), Outside::libraryFoldersVdf), vdf);
        // Read line by line: the second quoted text of every line whose first is "path", with
        // VDF's doubled backslashes undone, each folder once, Steam's own first.
        QStringList expected{QDir::cleanPath(Steam::root(Platform::macOS))}, found;
        for (const QByteArray& line : vdf.split('\n')) {
            const QList<QByteArray> pieces = line.split('"');
            if (pieces.size() >= 5 && pieces.at(1) == "path")
                expected.append(QDir::cleanPath(QString::fromUtf8(pieces.at(3)).replace("\\\\", "\\")));
        }
        expected.removeDuplicates();
        for (const QString& library : Steam::libraryFolders(Platform::macOS))
            found.append(QDir::cleanPath(library));
        QCOMPARE(found, expected);
    }

    // The game's launch options land in a real account's settings, found again there; every line
    // that was there stays, in order, and the copy holds the file as it was.
    // Steam's own files (another's test data has another shape).
    void localConfigsTakeLaunchOptions_data() { rows("vdf", "__localconfig"); }
    void localConfigsTakeLaunchOptions() {
        QFETCH(QString, path);
        const QString steam = Fs::homeDir() + "/.local/share/Steam"; // the fuzz targets' home, after them
        QDir(steam).removeRecursively();
        Fs::mkpath(Fs::join(steam, Outside::steamAppsDir));
        const QString file = steam + "/userdata/1/config/localconfig.vdf";
        World::write(file, World::read(path));
        QCOMPARE(World::read(LocalConfig::setLaunchOptions(file, Steam::valheimAppID,
                                                           "./start_game_bepinex.sh %command%")),
                 World::read(path));
        QVERIFY(Steam::launchOptionsConfigured(Platform::linuxOS));
        const QByteArrayList now = World::read(file).split('\n');
        qsizetype at = 0;
        for (const QByteArray& line : World::read(path).split('\n')) {
            while (at < now.size() && now[at] != line)
                ++at;
            QVERIFY2(at++ < now.size(), line.constData());
        }
    }

    // Each is read for the name it holds, and installs into one safe folder or is refused.
    void manifestsNameOneSafeFolder_data() { rows("manifest"); }
    void manifestsNameOneSafeFolder() {
        QFETCH(QString, path);
        const QByteArray json = World::read(path);
        const QString mod = m_dir.filePath("mod");
        World::write(Fs::join(mod, Installer::manifestFileName), json);
        static const QRegularExpression nameField(QStringLiteral("\"name\"\\s*:\\s*\"([^\"]*)\""));
        if (const auto manifest = Installer::readManifest(mod))
            QCOMPARE(manifest->name, nameField.match(QString::fromUtf8(json)).captured(1));
        else
            QVERIFY2(path.contains(QLatin1String("invalid")), "a valid manifest was not read");
        FuzzTargets::run("manifest", json);
    }

    void startScriptsPatchOnceAndStayValid_data() { rows("scripts"); }
    void startScriptsPatchOnceAndStayValid() {
        QFETCH(QString, path);
        QTemporaryDir dir;
        const QString game = makeGame(dir.filePath("Valheim"));
        const QString script = Fs::join(game, Outside::defaultScriptName);
        World::write(script, World::read(path));
        FuzzTargets::run("script", World::read(path)); // patched twice as once, and executable
        Installer::patchScript(script, game);
        const QByteArray once = World::read(script);
        if (World::read(path).contains("executable_name=\"valheim.x86_64\"") ||
            World::read(path).contains("executable_name=\"\"\n"))
            QVERIFY(once.contains("executable_name=\"Valheim\""));
        // These find the game by its position among Steam's arguments, which its runtime changed.
        const bool positional = path.contains("v5-doorstop") || path.contains("SkullMods") ||
                                path.contains("KSP-AlphaPatch") || path.contains("ginsm");
        QCOMPARE(Steam::scriptPredatesRuntime(QString::fromUtf8(World::read(path))), positional);
        const auto syntax = Process::run("bash", {"-n", script});
        QVERIFY2(syntax.code == 0, qPrintable(syntax.out));
    }

    // Steam starts the Valheim pack's real scripts (5.4.2333's and the maintainers' later one) on
    // Apple Silicon, modelled by tests/data/mac-launch: stand-ins for arch, uname, file and
    // defaults as ../shared/docs/macos-launch.md describes them, and a universal game that loads
    // Doorstop only as its Intel slice. The script's own /bin/sh, protected too, starts without
    // any DYLD_* variable. Steam runs natively or under Rosetta; %command% names the game's
    // executable, or its bundle.
    void appleSiliconLaunchLoadsBepInEx_data() {
        QTest::addColumn<QString>("generation");
        QTest::addColumn<QString>("fix");      // "none", "first line" (ARCHPREFERENCE alone), "applied"
        QTest::addColumn<QByteArray>("slice"); // Steam's
        QTest::addColumn<bool>("bundle");
        QTest::addColumn<bool>("loads");
        if (!QDir(corpus("scripts")).exists()) QSKIP("../shared/corpus/real is absent");
        const QString pk = "ZashIn__valheim-server-modpack", az = "AzumattDev__BepInEx";
        const auto row = [](const char* name, const QString& g, const char* fix, const char* steam,
                            bool loads, bool bundle = false) {
            QTest::newRow(name) << g << QString(fix) << QByteArray(steam) << bundle << loads;
        };
        row("5.4.2333 as shipped, Steam native", pk, "none", "arm64", false);
        row("5.4.2333 as shipped, Steam under Rosetta", pk, "none", "x86_64", true);
        row("5.4.2333 with the first fix's line only", pk, "first line", "arm64", false);
        row("5.4.2333 fixed, Steam native", pk, "applied", "arm64", true);
        row("5.4.2333 fixed, Steam under Rosetta", pk, "applied", "x86_64", true);
        row("5.4.2333 fixed, Steam naming the bundle", pk, "applied", "arm64", true, true);
        row("later revision as shipped, Steam native", az, "none", "arm64", true);
        row("later revision fixed, Steam native", az, "applied", "arm64", true);
        row("later revision fixed, Steam under Rosetta", az, "applied", "x86_64", true, true);
    }
    void appleSiliconLaunchLoadsBepInEx() {
        QFETCH(QString, generation);
        QFETCH(QString, fix);
        QFETCH(QByteArray, slice);
        QFETCH(bool, bundle);
        QFETCH(bool, loads);
        QTemporaryDir dir; // also where the stand-ins note what they saw
        const QString model = QStringLiteral(SKALDRUN_SOURCE_DIR "/tests/data/mac-launch"),
                      game = dir.filePath("V"), executable = game + "/Valheim.app/Contents/MacOS/Valheim",
                      script = game + "/start.sh";
        make(game,
             {"Valheim.app/Contents/Info.plist = <key>CFBundleExecutable</key>\n<string>Valheim</string>",
              "doorstop_libs/libdoorstop_x64.dylib = Mach-O x86_64",
              "BepInEx/core/BepInEx.Preloader.dll = MZ"});
        QVERIFY(QDir().mkpath(Fs::parent(executable)) && QFile::copy(model + "/game", executable));
        QByteArray text = World::read(corpus("scripts/" + generation + "__start_game_bepinex.sh"));
        if (fix == "first line")
            text.replace("x86_64\"\n", "x86_64\"" + Installer::archBlock.toUtf8() + "\n");
        World::write(script, text);
        Fs::setPermissions(script, 0755);
        if (fix == "applied") QVERIFY(Installer::patchScript(script, game));
        QProcess steam;
        QProcessEnvironment environment;
        environment.insert("PATH", model + ":/usr/bin:/bin");
        environment.insert("MODEL_SLICE", slice);
        environment.insert("MODEL_LOG", dir.path());
        steam.setProcessEnvironment(environment);
        steam.start(script, {bundle ? game + "/Valheim.app" : executable, "-console"});
        QVERIFY(steam.waitForFinished(20000) && World::read(dir.filePath("game")).startsWith("slice="));
        QVERIFY2(World::read(dir.filePath("arch-environment")).isEmpty(), "arch was handed DYLD_* variables");
        QCOMPARE(World::read(game + "/BepInEx/LogOutput.log").contains("startup complete -console"), loads);
        // Step 4 counts as done exactly for the scripts that load when Steam runs natively.
        if (slice == "arm64")
            QCOMPARE(Installer::startsIntelSlice(QString::fromUtf8(World::read(script))), loads);
    }

    // Every package resolves with itself last (the fuzz target's invariant); deprecated ones are
    // left out of the catalog.
    void packageListParsesAndResolves_data() { rows("catalog"); }
    void packageListParsesAndResolves() {
        QFETCH(QString, path);
        FuzzTargets::run("packagelist", World::read(path));
        const QString text = QString::fromUtf8(World::read(path));
        const auto count = [&](const char* pattern) {
            return text.count(QRegularExpression(QLatin1String(pattern)));
        };
        QCOMPARE(ThunderstoreStore::readCatalog(path)->packages.size(),
                 count("\"package_url\"\\s*:") - count("\"is_deprecated\"\\s*:\\s*true"));
    }

    // What a careful reader finds in each log (labels.json; README.md beside it has the rules):
    // the header's facts, every failure found and attributed as labelled and no other, the mods'
    // own errors and the connection events.
    void logsReadAsLabelled_data() {
        QTest::addColumn<QJsonObject>("label");
        const auto labels = Fs::tryRead(corpus("logs/labels.json"));
        if (!labels)
            QSKIP("../shared/corpus/real is absent: the real-file tests need the shared corpus beside the "
                  "clone");
        for (const QJsonValue v : QJsonDocument::fromJson(*labels).array())
            QTest::newRow(qPrintable(v["file"].toString())) << v.toObject();
    }
    void logsReadAsLabelled() {
        QFETCH(QJsonObject, label);
        const QString path = corpus("logs/") + label["file"].toString();
        const auto report = LaunchLog::readFile(path);
        QVERIFY(report);
        FuzzTargets::run("log", World::read(path));
        const auto value = [](const auto& v) { return v ? QJsonValue(*v) : QJsonValue(); };
        QCOMPARE(value(report->bepInEx), label["bepinex"]);
        QCOMPARE(value(report->pack), label["pack"]);
        QCOMPARE(value(report->gameVersion), label["game_version"]);
        QCOMPARE(value(report->platform), label["platform"]);
        QCOMPARE(value(report->pluginsToLoad), label["plugins_to_load"]);
        QCOMPARE(report->server, label["server"].toBool());
        QCOMPARE(report->chainloaderComplete, label["chainloader_complete"].toBool());

        static const QStringList kinds{"missing_dependency",   "incompatible",  "dependency_not_loaded",
                                       "newer_version_exists", "wrong_bepinex", "load_error",
                                       "patch_failed",         "exception"};
        static const QStringList attributions{"loader", "stack", "context", "dmd_wrapper", "none"};
        static const QStringList levels{"Debug", "Info", "Message", "Warning", "Error", "Fatal"};
        // The labels have no name for Jotunn's version check, and leave ServerSync's lines out.
        static const QStringList connections{"connection_error", "game_version_mismatch", "", "-",
                                             "rpc_disconnect"};
        const auto row = [](const QJsonValue& line, const QStringList& fields) {
            return QStringLiteral("%1 ").arg(line.toInt(), 6) + fields.join(QStringLiteral(" | "));
        };
        const auto sorted = [](QStringList list) {
            list.sort();
            return list;
        };
        QStringList found, labelled;
        for (const LaunchReport::Finding& f : report->findings) {
            const QString& by = attributions[int(f.attribution)];
            found << row(f.line, {kinds[int(f.kind)], f.plugin, f.version, by,
                                  by == "stack" || by == "dmd_wrapper" ? f.where : "",
                                  QString::number(f.count), levels[int(f.level)], f.evidence});
        }
        for (const QJsonValue v : label["failures"].toArray()) {
            const QString by = v["attribution"].toString();
            labelled << row(v["line"],
                            {v["kind"].toString(), v["plugin"].toString(), v["version"].toString(), by,
                             by == "stack" || by == "dmd_wrapper" ? v["dll_or_namespace"].toString() : "",
                             QString::number(v["count"].toInt()), v["level"].toString(),
                             v["evidence"].toString()});
        }
        QCOMPARE(sorted(found), sorted(labelled));

        found.clear();
        labelled.clear();
        for (const LaunchReport::Message& m : report->messages) {
            if (m.level >= LaunchReport::Level::error)
                found << row(m.line, {m.source, QString::number(m.count), m.evidence});
        }
        for (const QJsonValue v : label["extra"].toObject()["other_errors"].toArray())
            labelled << row(v["line"], {v["source"].toString(), QString::number(v["count"].toInt()),
                                        v["evidence"].toString()});
        QCOMPARE(sorted(found), sorted(labelled));

        found.clear();
        labelled.clear();
        for (const LaunchReport::Connection& c : report->connections) {
            if (c.kind != LaunchReport::Connection::Kind::modRequired)
                found << row(c.line, {connections[int(c.kind)], QString::number(c.count), c.evidence});
        }
        for (const QJsonValue v : label["extra"].toObject()["connection_events"].toArray()) {
            const QString kind =
                connections.contains(v["kind"].toString()) ? v["kind"].toString() : QString();
            labelled << row(v["line"], {kind, QString::number(v["count"].toInt()), v["evidence"].toString()});
        }
        QCOMPARE(sorted(found), sorted(labelled));
    }
};

SKALDRUN_TEST_MAIN(TestRealFiles)
#include "tst_realfiles.moc"
