#include "install/Installer.h"
#include "install/ProfilePack.h"
#include "platform/Fs.h"
#include "platform/SkaldrunError.h"
#include "tests/support/TestMain.h"
#include "tests/support/TestZip.h"

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

QByteArray withMod(const QByteArray& mod) {
    return "profileName: P\nmods:\n  - " + mod + "\n";
}

Profile sample() {
    Profile p;
    p.name = "Viking Night";
    p.mods = {{"denikson-BepInExPack_Valheim", "5.4.2202", true, Repository::Source::thunderstore},
              {"Some-Team-Mod_Name", "1.10.0", false, Repository::Source::hexium}};
    p.configs = {{"BepInEx/config/a.cfg", "[General]\nx = 1\n"}, {"BepInEx/config/Sub Dir/b.json", "{}"}};
    return p;
}

} // namespace

// Packs come from strangers: everything read is checked, and what we write is what both peers read.
class TestProfilePack : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void refusals_data() {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<bool>("asCode");
        QTest::addColumn<QString>("sentence");
        const auto code = [](const QByteArray& zip) { return ProfilePack::encodeCode(zip); };
        const QByteArray good = zipped(TestZip().file("export.r2x", oneMod));
        QTest::newRow("no prefix") << good.toBase64() << true << "doesn't start with #r2modman";
        QTest::newRow("bad base64") << QByteArray("#r2modman\n@@not base64@@") << true
                                    << "isn't valid base64";
        QTest::newRow("not a zip") << code("PK\x03\x04 garbage") << true << "isn't a readable .r2z";
        QTest::newRow("entry climbs")
            << code(zipped(TestZip().file("export.r2x", oneMod).file("config/../../x.cfg"))) << true
            << "points outside its folder";
        QTest::newRow("backslash climbs")
            << code(zipped(TestZip().file("export.r2x", oneMod).raw("config\\..\\..\\x.cfg"))) << true
            << "points outside its folder";
        QTest::newRow("absolute") << zipped(TestZip().file("export.r2x", oneMod).file("/etc/x.cfg")) << false
                                  << "absolute path";
        QTest::newRow("link") << zipped(TestZip().file("export.r2x", oneMod).symlink("config/l.cfg", "/etc"))
                              << false << "isn't a plain file";
        QTest::newRow("bomb bytes") << zipped(
                                           TestZip()
                                               .file("export.r2x", oneMod)
                                               .filled("config/big.cfg", ProfilePack::maxUnpackedBytes + 1))
                                    << false << "far more files or bytes";
        TestZip many = TestZip().file("export.r2x", oneMod);
        for (int i = 0; i <= ProfilePack::maxEntries; ++i)
            many.file(QStringLiteral("config/%1.cfg").arg(i));
        QTest::newRow("bomb entries") << zipped(many) << false << "far more files or bytes";
        QTest::newRow("no list") << zipped(TestZip().file("config/a.cfg")) << false << "has no mod list";
        QTest::newRow("not yaml") << QByteArray("mods: [\n  {name: ") << false << "isn't readable YAML";
        QTest::newRow("no mods") << QByteArray("profileName: P\n") << false << "has no list of mods";
        QTest::newRow("name") << withMod("{name: ../evil, version: {major: 1, minor: 0, patch: 0}}") << false
                              << "isn't a mod name of the form Owner-Name";
        QTest::newRow("no owner") << withMod("{name: Mod, version: {major: 1, minor: 0, patch: 0}}") << false
                                  << "Owner-Name";
        QTest::newRow("version word")
            << withMod("{name: A-B, version: {major: 1, minor: x, patch: 0}}") << false << "three numbers";
        QTest::newRow("negative") << withMod("{name: A-B, version: {major: 1, minor: -1, patch: 0}}") << false
                                  << "three numbers";
        QTest::newRow("two numbers") << withMod("{name: A-B, version: {major: 1, minor: 2}}") << false
                                     << "three numbers";
        QTest::newRow("version text") << withMod("{name: A-B, version: 1.2.3}") << false << "three numbers";
    }
    void refusals() {
        QFETCH(QByteArray, input);
        QFETCH(bool, asCode);
        QFETCH(QString, sentence);
        try {
            ProfilePack::readAny(asCode ? ProfilePack::decodeCode(input) : input);
            QFAIL("accepted");
        } catch (const SkaldrunError& e) {
            QVERIFY2(e.message().contains(sentence), qPrintable(e.message()));
        }
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
                                                          .file("config/a.cfg", "a")
                                                          .raw("config\\Sub\\b.cfg", "b")
                                                          .file("BepInEx/config/c.toml", "c")
                                                          .file("changelog.txt")
                                                          .file("config/evil.dll")
                                                          .file("BepInEx/plugins/Mod/run.sh")
                                                          .file("BepInEx/plugins/Mod/manifest.json")
                                                          .file("BepInEx/plugins/Mod/notes.txt", "n")));
        QCOMPARE(p.configs.keys(), QStringList({"BepInEx/config/Sub/b.cfg", "BepInEx/config/a.cfg",
                                                "BepInEx/config/c.toml", "BepInEx/plugins/Mod/notes.txt"}));
        QCOMPARE(p.mods, QList<ProfilePack::Mod>({{"A-B", "1.0.0", true, Repository::Source::thunderstore}}));
    }

    // What r2modman (yaml.parse; profileName a string, mods an array, version.major.minor.patch,
    // entries under config/ go to BepInEx/) and Gale (serde: enabled required, source exactly
    // "Thunderstore"/"Hexium", community the game) require of our .r2z, read on their terms.
    void peersReadOurExport() {
        QTemporaryDir dir;
        const QString file = dir.filePath("out.r2z");
        Fs::writeAtomic(file, ProfilePack::writeR2z(sample()));
        Installer::extractZip(file, dir.filePath("x"));
        QStringList root = *Fs::list(dir.filePath("x"));
        root.sort();
        QCOMPARE(root, QStringList({"config", "export.r2x"}));
        QVERIFY(Fs::exists(dir.filePath("x/config/Sub Dir/b.json")));
        const YAML::Node r2x = YAML::LoadFile(dir.filePath("x/export.r2x").toStdString());
        QCOMPARE(r2x["profileName"].as<std::string>(), std::string("Viking Night"));
        QCOMPARE(r2x["community"].as<std::string>(), std::string("valheim"));
        QVERIFY(r2x["mods"].IsSequence());
        QCOMPARE(r2x["mods"][1]["name"].as<std::string>(), std::string("Some-Team-Mod_Name"));
        QCOMPARE(r2x["mods"][1]["version"]["minor"].as<int>(), 10);
        QCOMPARE(r2x["mods"][1]["enabled"].as<bool>(), false);
        QCOMPARE(r2x["mods"][1]["source"].as<std::string>(), std::string("Hexium"));
        QCOMPARE(r2x["mods"][0]["source"].as<std::string>(), std::string("Thunderstore"));
    }
};

SKALDRUN_TEST_MAIN(TestProfilePack)
#include "tst_profilepack.moc"
