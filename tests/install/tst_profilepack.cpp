#include "install/Installer.h"
#include "install/ProfilePack.h"
#include "platform/Fs.h"
#include "tests/support/ModFixtures.h"
#include "tests/support/TestMain.h"
#include "tests/support/TestZip.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <yaml-cpp/yaml.h>

using ProfilePack::Profile;

namespace {

QByteArray zipped(const TestZip& zip) {
    QTemporaryDir dir;
    return Fs::read(zip.save(dir.filePath("p.r2z")));
}

const QByteArray oneMod =
    "profileName: P\nmods:\n  - name: A-B\n    version: {major: 1, minor: 0, patch: 0}\n";

Profile sample() {
    return {"Viking Night",
            {{"denikson-BepInExPack_Valheim", "5.4.2202", true, Repository::Source::thunderstore},
             {"Some-Team-Mod_Name", "1.10.0", false, Repository::Source::hexium}},
            {{"BepInEx/config/a.cfg", "[General]\nx = 1\n"}, {"BepInEx/config/Sub Dir/b.json", "{}"}}};
}

} // namespace

// Packs come from strangers: everything read is checked, and what we write is what both peers read.
class TestProfilePack : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void refusals_data() {
        QTest::addColumn<QByteArray>("input"); // a code's text when it starts with #
        QTest::addColumn<QString>("sentence");
        const auto row = [](const char* name, const QByteArray& input, const char* sentence) {
            QTest::newRow(name) << input << QString::fromUtf8(sentence);
        };
        const auto pack = [](const TestZip& zip) { return zipped(TestZip(zip).file("export.r2x", oneMod)); };
        const auto mod = [](const QByteArray& fields) {
            return "profileName: P\nmods:\n  - " + fields + "\n";
        };
        row("no prefix", "#r3modman\n" + pack({}).toBase64(), "doesn't start with #r2modman");
        row("bad base64", "#r2modman\n@@not base64@@", "isn't valid base64");
        row("not a zip", ProfilePack::encodeCode("PK\x03\x04 garbage"), "isn't a readable .r2z");
        row("climbs", ProfilePack::encodeCode(pack(TestZip().file("config/../../x.cfg"))),
            "outside its folder");
        row("climbs by backslash", pack(TestZip().raw("config\\..\\..\\x.cfg")), "outside its folder");
        row("absolute", pack(TestZip().file("/etc/x.cfg")), "absolute path");
        row("link", pack(TestZip().symlink("config/l.cfg", "/etc")), "isn't a plain file");
        row("bomb bytes", pack(TestZip().filled("config/big.cfg", ProfilePack::maxUnpackedBytes + 1)),
            "far more files or bytes");
        TestZip many;
        for (int i = 0; i <= ProfilePack::maxEntries; ++i)
            many.file(QStringLiteral("config/%1.cfg").arg(i));
        row("bomb entries", pack(many), "far more files or bytes");
        const QByteArray ones = "profileName: P\nmods: [" + QByteArray("1,").repeated(1 << 19) + "1]\n";
        row("huge list", ones, "is far larger than any profile's");
        row("huge list in a small pack", zipped(TestZip().file("export.r2x", ones)),
            "is far larger than any profile's");
        row("no list", zipped(TestZip().file("config/a.cfg")), "has no mod list");
        row("not yaml", "mods: [\n  {name: ", "isn't readable YAML");
        row("no mods", "profileName: P\n", "has no list of mods");
        row("name", mod("{name: ../evil, version: {major: 1, minor: 0, patch: 0}}"), "Owner-Name");
        row("no owner", mod("{name: Mod, version: {major: 1, minor: 0, patch: 0}}"), "Owner-Name");
        row("version word", mod("{name: A-B, version: {major: 1, minor: x, patch: 0}}"), "three numbers");
        row("two numbers", mod("{name: A-B, version: {major: 1, minor: 2}}"), "three numbers");
    }
    void refusals() {
        QFETCH(QByteArray, input);
        QFETCH(QString, sentence);
        ModFixtures::expectError({sentence}, [&] {
            ProfilePack::readAny(input.startsWith("#") ? ProfilePack::decodeCode(input) : input);
        });
    }

    // Packs written by hand or by other tools leave "enabled" out; r2modman takes that as on.
    void readsEnabled_data() {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("absent") << QByteArray() << true;
        QTest::newRow("false") << QByteArray(", enabled: false") << false;
        QTest::newRow("False") << QByteArray(", enabled: False") << false;
        QTest::newRow("true") << QByteArray(", enabled: true") << true;
    }
    void readsEnabled() {
        QFETCH(QByteArray, field);
        QFETCH(bool, enabled);
        const Profile p = ProfilePack::readAny("profileName: P\nmods:\n  - {name: A-B, version: "
                                               "{major: 1, minor: 0, patch: 0}" +
                                               field + "}\n");
        QCOMPARE(p.mods.value(0).enabled, enabled);
    }

    // A config that is a link to a file elsewhere is replaced by the pack's file; what it pointed
    // to is the player's and stays as it was.
    void neverWritesThroughALink() {
        QTemporaryDir dir;
        const QString elsewhere = dir.filePath("elsewhere.cfg");
        Fs::writeAtomic(elsewhere, "mine");
        const QString link = dir.filePath("game/BepInEx/config/x.cfg");
        Fs::mkpath(Fs::parent(link));
        QVERIFY(QFile::link(elsewhere, link));
        ProfilePack::writeConfigs({"P", {}, {{"BepInEx/config/x.cfg", "pack"}}}, dir.filePath("game"));
        QVERIFY(!Fs::isSymLink(link));
        QCOMPARE(Fs::read(link), QByteArray("pack"));
        QCOMPARE(Fs::read(elsewhere), QByteArray("mine"));
    }

    // Through a code, line breaks and all, and back: nothing lost, nothing changed.
    void roundTrip() {
        const QByteArray text = ProfilePack::encodeCode(ProfilePack::writeR2z(sample())) + "\r\n";
        QCOMPARE(ProfilePack::readR2z(ProfilePack::decodeCode(text)), sample());
    }

    // r2modman's layout (config/ at the root, anything else beside it) and Gale's (BepInEx/…):
    // only config-like files inside BepInEx are taken, and no mod's manifest.
    void readsBothPeersLayouts() {
        const Profile p = ProfilePack::readR2z(zipped(TestZip()
                                                          .file("export.r2x", oneMod)
                                                          .raw("config\\Sub\\b.cfg")
                                                          .file("BepInEx/config/c.toml")
                                                          .file("changelog.txt")
                                                          .file("config/evil.dll")
                                                          .file("BepInEx/plugins/Mod/manifest.json")));
        QCOMPARE(p.configs.keys(), QStringList({"BepInEx/config/Sub/b.cfg", "BepInEx/config/c.toml"}));
    }

    // What r2modman (profileName a string, mods an array, version.major.minor.patch, config/
    // under BepInEx) and Gale (enabled required, source exactly "Thunderstore"/"Hexium",
    // community the game) require of our .r2z, read on their terms.
    void peersReadOurExport() {
        QTemporaryDir dir;
        Fs::writeAtomic(dir.filePath("out.r2z"), ProfilePack::writeR2z(sample()));
        Installer::extractZip(dir.filePath("out.r2z"), dir.filePath("x"));
        QCOMPARE(Fs::list(dir.filePath("x"))->size(), 2); // "config" and "export.r2x", which are read below
        QVERIFY(Fs::exists(dir.filePath("x/config/Sub Dir/b.json")));
        const YAML::Node r2x = YAML::LoadFile(dir.filePath("x/export.r2x").toStdString());
        QCOMPARE(r2x["profileName"].as<std::string>(), "Viking Night");
        QCOMPARE(r2x["community"].as<std::string>(), "valheim");
        const YAML::Node mod = r2x["mods"][1];
        QVERIFY(r2x["mods"].IsSequence() && mod["name"].as<std::string>() == "Some-Team-Mod_Name");
        QVERIFY(mod["version"]["minor"].as<int>() == 10 && !mod["enabled"].as<bool>());
        QCOMPARE(mod["source"].as<std::string>(), "Hexium");
        QCOMPARE(r2x["mods"][0]["source"].as<std::string>(), "Thunderstore");
    }

    // Names that a plain YAML scalar would turn into a number, a boolean, null or a date, which
    // r2modman refuses ("profileName" must be a string) and Gale can't read into its String.
    void namesThatLookLikeValues_data() {
        QTest::addColumn<QString>("name");
        for (const char* name : {"2024", "true", "1.0", "null", "~", "yes", "Off", "0x1F", "0o17", "1e3",
                                 "-.5", ".inf", ".NaN", "1_000", "12:30", "2024-05-01", "007"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void namesThatLookLikeValues() {
        QFETCH(QString, name);
        Profile profile = sample();
        profile.name = name;
        const QByteArray r2x = ProfilePack::writeR2x(profile);
        QCOMPARE(ProfilePack::readR2x(r2x).name, name);
        // A peer's YAML reader resolves a plain scalar ("?" tag) by the core schema; a quoted
        // one ("!") is a string whatever it holds.
        const YAML::Node root = YAML::Load(r2x.toStdString());
        QCOMPARE(QString::fromStdString(root["profileName"].Tag()), "!");
    }
};

SKALDRUN_TEST_MAIN(TestProfilePack)
#include "tst_profilepack.moc"
