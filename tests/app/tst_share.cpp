#include "catalog/ThunderstoreStore.h"
#include "install/InstallRecords.h"
#include "tests/support/ModelWorld.h"

using ProfilePack::Profile;

namespace {

const QString profiles = QStringLiteral(SKALDRUN_SOURCE_DIR "/../shared/corpus/real/profiles/");

// The model over a made-up world whose repository serves `r2x`'s mods (and `more`), catalog loaded.
struct ShareHarness : Harness {
    bool begin(const QByteArray& r2x, const QList<FakeRepository::Package>& more = {}, bool loader = true) {
        repo = std::make_unique<FakeRepository>();
        repo->addProfileMods(r2x);
        for (const FakeRepository::Package& p : more)
            repo->add(p);
        repo->pointAppHere();
        if (loader) bepFiles();
        return start() && loadCatalog();
    }
    QString import(const Profile& pack,
                   AppState::ImportTarget target = AppState::ImportTarget::replaceActive) {
        const QString file = game("pack.r2z");
        World::write(file, ProfilePack::writeR2z(pack));
        act([&] { state->readProfileFile(file); });
        QFile::remove(file);
        state->setAlertMessage(std::nullopt);
        return done([&] { state->importProfile(target); });
    }
    QMap<QString, QByteArray> tree() const { return World::files(game("BepInEx")); }
    int archiveRequests() const { return int(repo->server().requests().filter("/package/download/").size()); }
};

Profile pack(const QList<ProfilePack::Mod>& mods) {
    return {
        "Friends", mods, {{"BepInEx/config/a.cfg", "[A]\nx = 1\n"}, {"BepInEx/config/Sub/b.yaml", "k: v\n"}}};
}

const ProfilePack::Mod alphaMod{"Ann-Alpha", "1.0.0", true, Repository::Source::thunderstore};
const ProfilePack::Mod betaMod{"Hex-Beta", "2.0.1", false, Repository::Source::hexium};
const QByteArray twoMods = ProfilePack::writeR2x(pack({alphaMod, betaMod}));

} // namespace

class TestShare : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The real packs: every mod at its version, one taken down (not found), states kept.
    void importsRealProfiles_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("line");
        QTest::newRow("58 mods") << "shitpostbotmin__RiceOfRain__pack__export.r2x"
                                 << "Imported 57 of 58 mods; not found: Bubbet-SkipIntro";
        QTest::newRow("empty") << "ProgrammingLogic__lethal_company_modpack__export.r2x"
                               << "Imported 0 of 0 mods";
    }
    void importsRealProfiles() {
        QFETCH(QString, file);
        QFETCH(QString, line);
        if (!QFile::exists(profiles + file)) QSKIP("../shared/corpus/real/profiles is absent");
        const QByteArray r2x = World::read(profiles + file);
        const Profile wanted = ProfilePack::readR2x(r2x);
        ShareHarness h; // the repository no longer has one of them
        QVERIFY(h.begin(QByteArray(r2x).replace("name: Bubbet-SkipIntro", "name: Bubbet-Withdrawn")));
        QCOMPARE(h.import(wanted), line);
        QVERIFY2(!h.state->alertMessage(), qPrintable(h.state->alertMessage().value_or("")));
        for (const ProfilePack::Mod& mod : wanted.mods) {
            const auto item = modNamed(*h.state, ModScanner::prettify(mod.name.section('-', -1)));
            if (mod.name.endsWith("SkipIntro")) continue;
            QVERIFY2(item && item->enabled == mod.enabled && item->version == mod.version,
                     qPrintable(mod.name));
        }
    }

    // A pack none of whose mods either repository offers (Risk of Rain 2's) is another game's:
    // refused before any profile is made or switched.
    void anotherGamesPackIsRefused() {
        const QString file = profiles + "shitpostbotmin__RiceOfRain__pack__export.r2x";
        if (!QFile::exists(file)) QSKIP("../shared/corpus/real/profiles is absent");
        ShareHarness h;
        QVERIFY(h.begin(twoMods));
        const auto before = h.tree();
        QVERIFY(h.act([&] { h.state->readProfileFile(file); }) && h.state->pendingImport());
        h.state->importProfile(AppState::ImportTarget::newProfile);
        QCOMPARE(h.state->alertMessage(),
                 "None of the mods of “RiceOfRain” is on Thunderstore or Hexium for "
                 "Valheim — it's a profile for another game, so nothing was imported.");
        QVERIFY(h.act([&] { h.state->refreshAll(); }) && !h.state->busyMessage());
        QCOMPARE(h.state->snapshot().profiles, QStringList{"Default"});
        QCOMPARE(h.tree(), before);
    }

    // With no loader set up, the pack's goes in as the loader: the real one at the pack's release,
    // or the newest for another owner's repack; a loader set up stays as it is, files and record.
    void theLoaderComesWithThePackOrStays_data() {
        QTest::addColumn<bool>("setUp");
        QTest::addColumn<QString>("listed"); // the loader as the pack lists it, after Alpha
        QTest::addColumn<QString>("recorded");
        QTest::newRow("none: the pack's release") << false << "denikson-BepInExPack_Valheim@5.4.2202"
                                                  << "5.4.2202";
        QTest::newRow("none: a repack") << false << "Kvarn-BepInExPack_Valheim@1.0.0"
                                        << "5.4.2333";
        QTest::newRow("set up") << true << "denikson-BepInExPack_Valheim@5.4.2202"
                                << "";
    }
    void theLoaderComesWithThePackOrStays() {
        QFETCH(bool, setUp);
        QFETCH(QString, listed);
        ShareHarness h;
        const TestZip real = TestZip::bepInExPack("5.4.2333");
        const QString loader = "denikson-BepInExPack_Valheim-5.4.2333";
        QVERIFY(h.begin(ProfilePack::writeR2x(pack({betaMod})),
                        {{.owner = "denikson",
                          .name = "BepInExPack_Valheim",
                          .version = "5.4.2333",
                          .archive = real,
                          .olderVersions = {"5.4.2202"}},
                         {.owner = "Kvarn", .name = "BepInExPack_Valheim", .archive = real},
                         {.owner = "Ann", .name = "Alpha", .dependencies = {loader}}},
                        setUp));
        const QStringList kept{"start_game_bepinex.sh", "BepInEx/config/BepInEx.cfg",
                               "BepInEx/core/BepInEx.dll"};
        World::write(h.game(kept[1]), "[Logging.Console]\nEnabled = false\n");
        QMap<QString, QByteArray> before;
        for (const QString& file : kept)
            before.insert(file, World::read(h.game(file)));
        const ProfilePack::Mod mod{listed.section('@', 0, 0), listed.section('@', 1), true,
                                   Repository::Source::thunderstore};
        QCOMPARE(h.import(pack({alphaMod, mod})), "Imported 2 of 2 mods");
        QVERIFY(h.state->snapshot().bepFilesPresent);
        QTEST(InstallRecords::loaderVersion(h.game()).value_or(""), "recorded");
        QCOMPARE(h.repo->server().requests().filter("/package/download/").filter("BepInExPack").isEmpty(),
                 setUp);
        for (const QString& file : kept)
            if (setUp) QCOMPARE(World::read(h.game(file)), before[file]);
    }

    // Ours out, ours in: the same mods, versions, states, repositories and configs; then the same
    // code again fetches nothing, and a newer one only what changed.
    void roundTripThroughACode() {
        ShareHarness h;
        QVERIFY(h.begin(ProfilePack::writeR2x(pack({betaMod})),
                        {{.owner = "Ann", .name = "Alpha", .version = "1.1.0", .olderVersions = {"1.0.0"}}}));
        const Profile original = pack({alphaMod, betaMod});
        QCOMPARE(h.import(original), "Imported 2 of 2 mods");
        QVERIFY(h.act([&] { h.state->exportProfileCode(); }) && h.state->exportedCode());
        QVERIFY(h.act([&] { h.state->readProfileCode(*h.state->exportedCode()); }) &&
                h.state->pendingImport());
        QCOMPARE(h.state->pendingImport()->mods, original.mods);
        QCOMPARE(h.state->pendingImport()->configs, original.configs);

        const int before = h.archiveRequests();
        QCOMPARE(h.import(*h.state->pendingImport()), "Imported 2 of 2 mods");
        QCOMPARE(h.archiveRequests(), before);
        QCOMPARE(h.import(pack({{"Ann-Alpha", "1.1.0"}, betaMod})), "Imported 2 of 2 mods");
        QCOMPARE(h.archiveRequests(), before + 1);
    }

    // A code kept on Hexium, its text ending in CRLF, reads as a pack to import.
    void readsACodeFromHexium() {
        ShareHarness h;
        QVERIFY(h.begin(twoMods));
        const QString key = "018f2c4e-7b1a-4d3e-9f00-1c2b3a4d5e6f";
        h.repo->keepCode(Repository::Source::hexium, key,
                         ProfilePack::encodeCode(ProfilePack::writeR2z(pack({alphaMod, betaMod}))) + "\r\n");
        QVERIFY(h.act([&] { h.state->readProfileCode(key); }) && !h.state->alertMessage() &&
                h.state->pendingImport());
        QCOMPARE(h.state->lastAction(), "Read the profile “Friends”: 2 mods");
    }

    // A transfer that fails or is cancelled leaves every file as it was.
    void failedImportChangesNothing_data() {
        QTest::addColumn<bool>("cancel");
        QTest::newRow("download fails") << false;
        QTest::newRow("cancelled") << true;
    }
    void failedImportChangesNothing() {
        QFETCH(bool, cancel);
        ShareHarness h;
        QVERIFY(h.begin(twoMods));
        h.plugin("Mine/Mine.dll");
        h.repo->server().route("/package/download/Ann/Alpha/1.0.0/",
                               {.stall = cancel, .closeAtOnce = !cancel});
        QObject::connect(h.state.get(), &AppState::busyMessageChanged, [&] {
            if (cancel && h.state->busyMessage().value_or("").startsWith("Downloading"))
                h.state->cancelImport();
        });
        const auto before = h.tree();
        const QString line = h.import(pack({alphaMod, betaMod}));
        QCOMPARE(h.tree(), before);
        QVERIFY(cancel ? line == "Import cancelled — nothing was changed."
                       : h.state->alertMessage()->startsWith("Couldn't download Alpha"));
    }

    // Into a new profile that an install fails: given up, the player back on the profile they
    // had, its files as they were (the journey imports one that succeeds).
    void aFailedNewProfileIsGivenUp() {
        ShareHarness h;
        QVERIFY(h.begin(ProfilePack::writeR2x(pack({betaMod})),
                        {{.owner = "Ann", .name = "Alpha", .brokenArchive = "not a zip"}}));
        h.plugin("Mine/Mine.dll");
        const auto before = h.tree();
        h.import(pack({alphaMod, betaMod}), AppState::ImportTarget::newProfile);
        QVERIFY(h.act([&] { h.state->refreshAll(); }));
        QVERIFY(
            h.state->alertMessage()->startsWith("Couldn't import Friends — you're back on profile Default."));
        QCOMPARE(h.state->snapshot().profiles, QStringList{"Default"});
        QCOMPARE(h.tree(), before);
    }
};

SKALDRUN_TEST_MAIN(TestShare)
#include "tst_share.moc"
