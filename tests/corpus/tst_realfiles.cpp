// Files written by other people, read where they stand in ../shared/corpus/real (their sources
// are listed in its SOURCES.md). A clone without that folder skips these tests.
#include "catalog/Thunderstore.h"
#include "catalog/ThunderstoreStore.h"
#include "config/ConfigStore.h"
#include "discovery/Outside.h"
#include "discovery/Steam.h"
#include "discovery/Sys.h"
#include "install/Installer.h"
#include "platform/Fs.h"
#include "platform/SkaldrunError.h"
#include "tests/install/GameFixture.h"
#include "tests/support/TestMain.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>

using namespace Fixture;

namespace {

QString corpus(const QString& kind) {
    return QStringLiteral(SKALDRUN_SOURCE_DIR "/../shared/corpus/real/") + kind;
}

#define SKIP_WITHOUT_CORPUS(kind)                                                                            \
    if (!QDir(corpus(QStringLiteral(kind))).exists())                                                        \
        QSKIP("../shared/corpus/real is absent: the real-file tests need the shared corpus beside the "      \
              "clone");

// One row per file of the folder whose name contains `filter`.
void rows(const QString& kind, const QString& filter = QString()) {
    QTest::addColumn<QString>("path");
    const QDir dir(corpus(kind));
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name))
        if (name.contains(filter)) QTest::newRow(qPrintable(name)) << dir.filePath(name);
}

// The library paths of a libraryfolders.vdf, read line by line: the second quoted text of every
// line whose first quoted text is "path", with VDF's doubled backslashes undone.
QStringList pathsByLine(const QByteArray& vdf) {
    QStringList paths;
    for (const QByteArray& line : vdf.split('\n')) {
        const QList<QByteArray> pieces = line.split('"');
        if (pieces.size() >= 5 && pieces.at(1) == "path")
            paths.append(
                QString::fromUtf8(pieces.at(3)).replace(QStringLiteral("\\\\"), QStringLiteral("\\")));
    }
    return paths;
}

} // namespace

class TestRealFiles : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private Q_SLOTS:
    void initTestCase() {
        qputenv("SKALDRUN_MACHINE", "arm64"); // the script gets its block
        QVERIFY(Sys::isAppleSilicon());
    }

    void cfgRoundTripsAndTakesOneEdit_data() {
        SKIP_WITHOUT_CORPUS("cfg");
        rows(QStringLiteral("cfg"));
    }
    void cfgRoundTripsAndTakesOneEdit() {
        QFETCH(QString, path);
        const QByteArray original = read(path);
        const QString copy =
            m_dir.filePath(QStringLiteral("game/BepInEx/config/") + QFileInfo(path).fileName());
        write(copy, original);
        const ParsedConfig config = ConfigStore::parse(copy);
        ConfigStore::save(config, {});
        QCOMPARE(read(copy), original);

        if (config.entries.isEmpty()) { // a file the game left empty
            QVERIFY(!original.contains('='));
            return;
        }
        const ConfigEntry& entry = config.entries.at(config.entries.size() / 2);
        ConfigStore::save(config, {{entry.id, entry.originalValue + QStringLiteral("1")}});
        const QList<QByteArray> before = original.split('\n');
        const QList<QByteArray> after = read(copy).split('\n');
        QCOMPARE(after.size(), before.size());
        QStringList changed;
        for (qsizetype i = 0; i < before.size(); ++i)
            if (before.at(i) != after.at(i)) changed.append(QString::number(i));
        QCOMPARE(changed, QStringList{QString::number(entry.lineIndex)});
        QCOMPARE(after.at(entry.lineIndex).endsWith('\r'), before.at(entry.lineIndex).endsWith('\r'));
        const ParsedConfig reread = ConfigStore::parse(copy);
        QCOMPARE(reread.entries.size(), config.entries.size());
        QCOMPARE(reread.entries.at(config.entries.size() / 2).originalValue,
                 entry.originalValue + QStringLiteral("1"));
    }

    void libraryFoldersGiveTheirPaths_data() {
        SKIP_WITHOUT_CORPUS("vdf");
        rows(QStringLiteral("vdf"), QStringLiteral("libraryfolder"));
    }
    void libraryFoldersGiveTheirPaths() {
        QFETCH(QString, path);
        const QByteArray vdf = read(path);
        write(Fs::join(Steam::root(), Outside::libraryFoldersVdf), vdf);
        QStringList expected{Steam::root()};
        for (const QString& library : pathsByLine(vdf)) {
            const bool seen = std::any_of(expected.cbegin(), expected.cend(), [&](const QString& known) {
                return QDir::cleanPath(known) == QDir::cleanPath(library);
            });
            if (!seen) expected.append(library);
        }
        QCOMPARE(Steam::libraryFolders(), expected);
    }

    // Each manifest names the mod's folder, a direct child of plugins, or the archive's name is
    // used; nothing is written anywhere else.
    void manifestsNameOneSafeFolder_data() {
        SKIP_WITHOUT_CORPUS("manifest");
        rows(QStringLiteral("manifest"));
    }
    void manifestsNameOneSafeFolder() {
        QFETCH(QString, path);
        QTemporaryDir dir;
        const QString game = makeGame(dir);
        const QString mod = dir.filePath(QStringLiteral("mod"));
        const QByteArray json = read(path);
        write(Fs::join(mod, Installer::manifestFileName), json);
        write(Fs::join(mod, QStringLiteral("Plugin.dll")), "MZ");

        const auto manifest = Installer::readManifest(mod);
        static const QRegularExpression nameField(QStringLiteral("\"name\"\\s*:\\s*\"([^\"]*)\""));
        if (manifest)
            QCOMPARE(manifest->name, nameField.match(QString::fromUtf8(json)).captured(1));
        else
            QVERIFY2(path.contains(QLatin1String("invalid")), "a valid manifest was not read");

        try {
            QVERIFY(!Installer::installTree(mod, game, QStringLiteral("Fallback")).isEmpty());
        } catch (const SkaldrunError& error) {
            QVERIFY2(error.message().endsWith(QLatin1Char('.')), qPrintable(error.message()));
            return;
        }
        const QString plugins = Fs::join(game, Outside::pluginsDir);
        const QStringList installed = QDir(plugins).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        QCOMPARE(installed.size(), 1);
        QVERIFY(Installer::isPlainName(installed.first()));
        QCOMPARE(installed.first(),
                 manifest ? Installer::folderName(manifest, {}) : QStringLiteral("Fallback"));
        QVERIFY(QFile::exists(Fs::join(Fs::join(plugins, installed.first()), QStringLiteral("Plugin.dll"))));
        QCOMPARE(QDir(game).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList({QStringLiteral("BepInEx"), QStringLiteral("valheim.app")}));
    }

    void startScriptsPatchOnceAndStayValid_data() {
        SKIP_WITHOUT_CORPUS("scripts");
        rows(QStringLiteral("scripts"));
    }
    void startScriptsPatchOnceAndStayValid() {
        QFETCH(QString, path);
        QTemporaryDir dir;
        const QString game = makeGame(dir);
        const QString script = Fs::join(game, Outside::defaultScriptName);
        write(script, read(path));
        Installer::patchScript(script, game);
        const QByteArray once = read(script);
        Installer::patchScript(script, game);
        QCOMPARE(read(script), once);
        // A script that sets its own preference keeps it.
        QVERIFY(once.contains("export ARCHPREFERENCE=\"x86_64\"") || read(path).contains("ARCHPREFERENCE"));
        if (read(path).contains("executable_name=\"valheim.x86_64\"") ||
            read(path).contains("executable_name=\"\"\n"))
            QVERIFY(once.contains("executable_name=\"Valheim\""));
        QProcess bash;
        bash.start(QStringLiteral("bash"), {QStringLiteral("-n"), script});
        QVERIFY(bash.waitForFinished());
        QVERIFY2(bash.exitCode() == 0, bash.readAllStandardError().constData());
    }

    void packageListParsesAndResolves() {
        SKIP_WITHOUT_CORPUS("catalog");
        const QString path =
            corpus(QStringLiteral("catalog/michaelgoldenn__rumm__thunderstore_packages.json"));
        const QString text = QString::fromUtf8(read(path));
        // Deprecated packages are left out of the catalog.
        const auto count = [&](const char* pattern) {
            return text.count(QRegularExpression(QLatin1String(pattern)));
        };
        const auto expected = count("\"package_url\"\\s*:") - count("\"is_deprecated\"\\s*:\\s*true");
        const auto catalog = ThunderstoreStore::readCatalog(path);
        QVERIFY(catalog);
        QCOMPARE(catalog->packages.size(), expected);
        for (const TSPackage& package : catalog->packages) {
            const auto resolution = Thunderstore::resolutionChain(package, catalog->index, {});
            QCOMPARE(resolution.chain.last(), package);
            for (const QString& dependency : resolution.missing) // only deprecated ones may lack
                QVERIFY2(text.contains(QLatin1Char('"') +
                                       dependency.left(dependency.lastIndexOf(QLatin1Char('-')))),
                         qPrintable(dependency));
        }
    }
};

SKALDRUN_TEST_MAIN(TestRealFiles)
#include "tst_realfiles.moc"
