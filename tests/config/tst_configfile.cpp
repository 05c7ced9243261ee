#include "config/ConfigStore.h"
#include "platform/Fs.h"
#include "tests/support/ModFixtures.h"
#include "tests/support/TestMain.h"

#include <QTemporaryDir>

using ModFixtures::expectError;

namespace {

// The way BepInEx 5 writes a plugin's settings, one setting to a line here.
const QByteArray sample =
    "## Settings file was created by plugin Valheim Plus v0.9.9.11\n"
    "## Plugin GUID: org.bepinex.plugins.valheim_plus\n\n[Camera.Zoom]\n\n"
    "## Lets the mouse wheel zoom further out\n## than the game allows.\n"
    "# Setting type: Boolean\n# Default value: true\nEnabled = true\n\n"
    "## Farthest zoom, in metres\n# Setting type: Single\n# Default value: 6\n"
    "# Acceptable value range: From -1.5 to 2e3\nMax Distance = 6\n\n[General]\n\n"
    "## Which messages reach the log\n# Setting type: LogLevel\n# Default value: Error, Warning\n"
    "# Acceptable values: None, Fatal, Error, Warning, Message, Info, Debug, All\n"
    "# Multiple values can be set at the same time by separating them with , (e.g. Debug, Warning)\n"
    "Log Levels = Error, Warning\n\n"
    "## Server address\n# Setting type: String\n# Default value: \nEnabled = host=127.0.0.1\n";

} // namespace

class TestConfigFile : public QObject {
    Q_OBJECT

    QTemporaryDir game;
    QString cfgPath(const QString& name) const { return Fs::join(game.path(), "BepInEx/config/" + name); }
    QString withSample(const QString& name) const {
        World::write(cfgPath(name), sample);
        return cfgPath(name);
    }

private Q_SLOTS:
    void cleanup() {
        Fs::remove(ConfigStore::backupDir());
        Fs::remove(Fs::parent(ConfigStore::backupURL(cfgPath("any.cfg"))));
    }

    void readsWhatBepInExWrites() {
        const QString path = withSample("org.bepinex.plugins.valheim_plus.cfg");
        const ParsedConfig config = ConfigStore::parse(path);
        QStringList ids;
        for (const ConfigEntry& e : config.entries)
            ids << e.id;
        QCOMPARE(ids, (QStringList{"Camera.Zoom::Enabled::9", "Camera.Zoom::Max Distance::15",
                                   "General::Log Levels::24", "General::Enabled::29"}));

        const ConfigEntry& zoom = config.entries[0];
        QCOMPARE(zoom.description, "Lets the mouse wheel zoom further out than the game allows.");
        QCOMPARE(zoom.settingType, "Boolean");
        QCOMPARE(zoom.defaultValue, "true");
        QVERIFY(zoom.isBool() && !zoom.isNumeric());
        const ConfigEntry& distance = config.entries[1];
        QCOMPARE(distance.range, (ConfigRange{-1.5, 2000}));
        QVERIFY(distance.isNumeric() && !distance.isIntegerType() && !distance.isBool());
        // The note about combining flags is a comment like any other, not a list of values.
        QCOMPARE(config.entries[2].acceptableValues->join(','),
                 "None,Fatal,Error,Warning,Message,Info,Debug,All");
        QCOMPARE(config.entries[3].originalValue, "host=127.0.0.1");
        QCOMPARE(config.entries[3].defaultValue, QString(""));
    }

    void oddCommentBlocks() {
        const QString path = cfgPath("odd.cfg");
        World::write(path, "Loose=1\n[S]\n# Setting type: Int32\n# Acceptable value range: From 0 to 0\n"
                           "# Acceptable values: a, , b\nBoth = a\n"
                           "## Lost description\n\nBare = x\n"
                           "# Acceptable values: False, TRUE\nFlag = False\n"
                           " = no key\n[Broken\nAfter = 1\n");
        const ParsedConfig config = ConfigStore::parse(path);
        QCOMPARE(config.entries.size(), 5);
        QCOMPARE(config.entries[0].section, QString(""));
        const ConfigEntry& both = config.entries[1];
        QVERIFY(!both.range);
        QCOMPARE(*both.acceptableValues, (QStringList{"a", "b"}));
        QVERIFY(both.isIntegerType() && both.isNumeric() && !both.isBool());
        QCOMPARE(config.entries[2].description, QString());
        QVERIFY(config.entries[3].isBool());
        QCOMPARE(config.entries[4].section, "S"); // "[Broken" is not a header
    }

    // Whatever the line ends and the first bytes, the file means the same as a plain one (files
    // written on Windows or by older loaders), an unchanged save writes the same bytes, and one
    // edit changes one line.
    void roundTripsByteForByte_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("key"); // section::key
        QTest::addColumn<QByteArray>("editedLine");
        const QByteArray bom = "\xEF\xBB\xBF", crlf = QByteArray(sample).replace("\n", "\r\n");
        QTest::newRow("LF") << sample << "Camera.Zoom::Max Distance" << QByteArray("Max Distance = 12.5");
        QTest::newRow("no final LF") << sample.chopped(1) << "General::Enabled"
                                     << QByteArray("Enabled = off");
        QTest::newRow("CRLF") << crlf << "General::Log Levels" << QByteArray("Log Levels = All\r");
        QTest::newRow("BOM") << bom + sample << "Camera.Zoom::Max Distance"
                             << QByteArray("Max Distance = 12.5");
        QTest::newRow("BOM, CRLF") << bom + crlf << "Camera.Zoom::Enabled" << QByteArray("Enabled = off\r");
        QTest::newRow("BOM, header first") << bom + "[General]\r\nEnabled = true\r\n"
                                           << "General::Enabled" << QByteArray("Enabled = false\r");
        QTest::newRow("BOM, setting first") << bom + "  Loose=1\n[A]\nB = 2"
                                            << "::Loose" << bom + "Loose = 7";
        QTest::newRow("indented, no blanks")
            << QByteArray("# c\n\t  K=v\n# d\n") << "::K" << QByteArray("K = w");
    }
    void roundTripsByteForByte() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, key);
        QFETCH(QByteArray, editedLine);
        const QString path = cfgPath("round.cfg");
        World::write(path, bytes);

        ParsedConfig config = ConfigStore::parse(path);
        if (bytes.contains("Max Distance"))
            QCOMPARE(config.entries, ConfigStore::parse(withSample("plain.cfg")).entries);
        ConfigStore::save(config, {});
        QCOMPARE(World::read(path), bytes);
        QCOMPARE(World::read(ConfigStore::backupURL(path)), bytes); // a save keeps the first-seen copy
        QHash<QString, QString> sameValues;
        for (const ConfigEntry& e : config.entries)
            sameValues.insert(e.id, e.originalValue);
        ConfigStore::save(config, sameValues);
        QCOMPARE(World::read(path), bytes);

        const auto it = std::find_if(config.entries.crbegin(), config.entries.crend(),
                                     [&](const ConfigEntry& e) { return e.section + "::" + e.key == key; });
        QVERIFY(it != config.entries.crend());
        const QString value =
            QString::fromUtf8(editedLine.mid(editedLine.indexOf('=') + 2)).remove(QLatin1Char('\r'));
        ConfigStore::save(config, {{it->id, value}});
        QList<QByteArray> expected = bytes.split('\n');
        expected[it->lineIndex] = editedLine;
        QCOMPARE(World::read(path).split('\n'), expected);
        QCOMPARE(ConfigStore::parse(path).entries.at(config.entries.indexOf(*it)).originalValue, value);
    }

    // Values that would make the written line read back as something else, and a first-seen
    // copy that can't be made: the save stops before the file is touched.
    void editsThatWouldReadBackDifferentlyAreRefused_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QStringList>("words"); // empty: the copy is blocked by a file
        const QStringList lineBreak{"“Enabled”", "line break"};
        const QStringList header{"“[Odd”", "section header"};
        const QByteArray handEdited = "[General]\n[Odd = x\n";
        QTest::newRow("line feed") << sample << "true\n[Evil]\nX = 1" << lineBreak;
        QTest::newRow("carriage return") << sample << "true\rX = 1" << lineBreak;
        QTest::newRow("header") << handEdited << "y]" << header;
        QTest::newRow("header, blanks after") << handEdited << "y]\t " << header;
        QTest::newRow("no first-seen copy") << sample << "false" << QStringList();
    }
    void editsThatWouldReadBackDifferentlyAreRefused() {
        QFETCH(QByteArray, file);
        QFETCH(QString, value);
        QFETCH(QStringList, words);
        const QString path = cfgPath("inject.cfg");
        World::write(path, file);
        if (words.isEmpty()) World::write(Fs::parent(ConfigStore::backupURL(path)), "a file");
        const ParsedConfig config = ConfigStore::parse(path);
        expectError(words, [&] { ConfigStore::save(config, {{config.entries.at(0).id, value}}); });
        QCOMPARE(World::read(path), file);
        QVERIFY(!ConfigStore::hasBackup(path)); // nothing at all was written
    }

    void linksOutOfTheGameFolderAreNeverWrittenThrough() {
        QTemporaryDir outside;
        const QString victim = outside.filePath("victim.cfg");
        World::write(victim, sample);
        const QString link = cfgPath("linked.cfg");
        QVERIFY(QDir().mkpath(Fs::parent(link)) && QFile::link(victim, link));

        const ParsedConfig config = ConfigStore::parse(link); // reading through it is harmless
        expectError({"linked.cfg", "outside the game folder"}, [&] {
            ConfigStore::save(config, {{config.entries.at(0).id, "false"}});
        });
        QCOMPARE(World::read(victim), sample);
        QVERIFY(Fs::isSymLink(link));

        World::write(ConfigStore::backupURL(link), "replaced");
        QVERIFY_THROWS_EXCEPTION(SkaldrunError, ConfigStore::revertToOriginal(link));
        QCOMPARE(World::read(victim), sample);

        // A dangling link would make the write create a file wherever it points.
        const QString dangling = cfgPath("dangling.cfg");
        QVERIFY(QFile::link(outside.filePath("new.cfg"), dangling));
        ParsedConfig danglingConfig = config;
        danglingConfig.url = dangling;
        QVERIFY_THROWS_EXCEPTION(SkaldrunError, ConfigStore::save(danglingConfig, {}));
        QVERIFY(!QFile::exists(outside.filePath("new.cfg")));

        // A link to another file of the same game is still the player's own file to edit.
        const QString shared = Fs::join(game.path(), "shared/settings.cfg");
        World::write(shared, sample);
        const QString inside = cfgPath("inside.cfg");
        QVERIFY(QFile::link(shared, inside));
        const ParsedConfig insideConfig = ConfigStore::parse(inside);
        ConfigStore::save(insideConfig, {{insideConfig.entries.at(0).id, "false"}});
        QVERIFY(Fs::isSymLink(inside));
        QCOMPARE(ConfigStore::parse(shared).entries.at(0).originalValue, "false");
    }

    void normalizeWorksOnCodePoints() {
        QCOMPARE(ConfigStore::normalize("Valheim_Plus-1"), "valheimplus1");
        QCOMPARE(ConfigStore::normalize("Better UI 😀 模组!"), "betterui模组");
        // Letters outside the Basic Multilingual Plane survive whole; the accent mark stays.
        QCOMPARE(ConfigStore::normalize("𝒜b.e\u0301"), "𝒜be\u0301");
        QCOMPARE(ConfigStore::normalize("ÆSIR Ⅻ"), "æsirⅻ");
    }

    void listsTheConfigFolder() {
        QTemporaryDir game;
        const QString dir = ConfigStore::configDir(game.path());
        QVERIFY(ConfigStore::allConfigFiles(game.path()).isEmpty());
        for (const char* name : {"BepInEx.cfg", "bepinex.cfg", "b.cfg", "Zed.CFG", "a.cfg", "C.cfg",
                                 ".hidden.cfg", "notes.txt", "cfg", "sub/inner.cfg"})
            World::write(Fs::join(dir, QString::fromUtf8(name)), "x = 1\n");
        QVERIFY(QDir().mkpath(Fs::join(dir, "folder.cfg")));
        QStringList found;
        for (const QString& path : ConfigStore::allConfigFiles(game.path()))
            found << Fs::fileName(path);
        QCOMPARE(found.size(), 6);
        // Case-insensitive order: capitals do not sort ahead of small letters.
        QCOMPARE(found.mid(found.indexOf("a.cfg"), 5),
                 (QStringList{"a.cfg", "b.cfg", "bepinex.cfg", "C.cfg", "Zed.CFG"}));
        QVERIFY(found.contains(".hidden.cfg"));
    }

    void matchesByTheMeaningfulPiecesOfTheName() {
        const auto matches = [](const char* file, const QStringList& candidates) {
            return ConfigStore::matches("/g/BepInEx/config/" + QString::fromUtf8(file), candidates);
        };
        // Reverse-domain names: owner and mod name are the pieces that count.
        QVERIFY(matches("com.example.valheim.ModName.cfg", {"Mod_Name"}));
        QVERIFY(!matches("com.example.valheim.ModName.cfg", {"ValheimRaft"}));
        QVERIFY(matches("org.bepinex.plugins.valheim_plus.cfg", {"Valheim Plus Folder", "ValheimPlus"}));
        QVERIFY(matches("Azumatt.AzuCraftyBoxes.cfg", {"AzuCraftyBoxesPlus"}));
        QVERIFY(matches("randyknapp.mods.epicloot.cfg", {"EpicLoot"}));
        // Generic pieces are dropped, so a three-letter generic candidate finds nothing in them.
        QVERIFY(!matches("valheim.mod.Foo.cfg", {"mod"}));
        QVERIFY(!matches("com.author.Thing.cfg", {"com"}));
        // Two- and three-letter candidates only match a piece exactly.
        QVERIFY(matches("com.author.UI.cfg", {"ui"}));
        QVERIFY(!matches("com.author.BetterUI.cfg", {"UI"}));
        QVERIFY(matches("Map.cfg", {"MAP"}));
        QVERIFY(!matches("MiniMap.cfg", {"Map"}));
        // Length counts characters as the player sees them: "été" with combining accents is three.
        QVERIFY(!matches("summer.ete\u0301te\u0301.cfg", {"e\u0301te\u0301"}));
        QVERIFY(matches("summer.ete\u0301te\u0301.cfg", {"te\u0301te\u0301"}));
        // Names that normalize to nothing never match.
        QVERIFY(!matches("___.cfg", {"--", ""}));
        QVERIFY(!matches("Foo.cfg", {}));
    }

    void firstSeenCopies() {
        QTemporaryDir gameB;
        const QString a = cfgPath("mod.cfg"), b = Fs::join(ConfigStore::configDir(gameB.path()), "mod.cfg");
        World::write(a, "edited by hand\n");
        World::write(b, "other game\n");

        // A copy kept by name alone, before each folder kept its own, is taken over by the first
        // folder to ask; the other game's file of that name then gets its own.
        World::write(Fs::join(ConfigStore::backupDir(), "mod.cfg"), "edited by hand\n");
        QVERIFY(ConfigStore::hasBackup(a));
        const QString copy = ConfigStore::ensureBackup(a);
        QCOMPARE(World::read(copy), QByteArray("edited by hand\n"));
        QVERIFY(!ConfigStore::hasBackup(b));
        QCOMPARE(World::read(ConfigStore::ensureBackup(b)), QByteArray("other game\n"));
        World::write(a, "changed later\n");
        ConfigStore::ensureBackup(a);
        QCOMPARE(World::read(copy), QByteArray("edited by hand\n"));

        ConfigStore::revertToOriginal(a);
        QCOMPARE(World::read(a), QByteArray("edited by hand\n"));
        QVERIFY(ConfigStore::hasBackup(a)); // kept for the next revert

        const QString lone = cfgPath("lone.cfg");
        World::write(lone, "mine\n");
        expectError({"lone.cfg"}, [&] { ConfigStore::revertToOriginal(lone); });
        QCOMPARE(World::read(lone), QByteArray("mine\n"));
        QVERIFY_THROWS_EXCEPTION(SkaldrunError, ConfigStore::ensureBackup(lone + ".gone"));
        QVERIFY(!ConfigStore::hasBackup(lone + ".gone"));
    }
};

SKALDRUN_TEST_MAIN(TestConfigFile)
#include "tst_configfile.moc"
