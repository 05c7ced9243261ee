#include "platform/Http.h"
#include "platform/Xattr.h"
#include "tests/app/AppFixture.h"
#include "tests/support/FakeRepository.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace {

const QString bepPath = "/api/experimental/package/quellit/BepInExPack_Valheim/";

LoopbackServer::Response endpoint(const QString& downloadUrl, const QString& version = {}) {
    QJsonObject latest{{"download_url", downloadUrl}};
    if (!version.isEmpty()) latest.insert("version_number", version);
    return LoopbackServer::reply(QJsonDocument(QJsonObject{{"latest", latest}}).toJson());
}

} // namespace

// The setup actions, against the stand-in repository.
class TestAppStateSetup : public QObject {
    Q_OBJECT

    std::unique_ptr<FakeRepository> m_repo;
    std::unique_ptr<Harness> m_h;

    AppState& start() {
        m_h->world.build();
        AppState& s = m_h->make();
        [&] { QTRY_COMPARE(m_h->refreshes->count(), 1); }();
        return s;
    }

private Q_SLOTS:
    void init() {
        m_h = std::make_unique<Harness>();
        m_repo = std::make_unique<FakeRepository>();
        m_repo->addStandardCatalog();
        qputenv("SKALDRUN_THUNDERSTORE_URL", m_repo->baseUrl().toUtf8());
    }
    void cleanup() {
        m_h.reset();
        m_repo.reset();
        Http::setDefaultTimeouts({});
    }

    void bepInExFromTheRepository() {
        AppState& s = start();
        bool progressWhileInstalling = true;
        QList<std::optional<double>> progress;
        connect(&s, &AppState::busyProgressChanged, this, [&] { progress << s.busyProgress(); });
        connect(&s, &AppState::busyMessageChanged, this, [&] {
            if (s.busyMessage() == "Installing BepInEx…")
                progressWhileInstalling = s.busyProgress().has_value();
        });
        const int m = m_h->mark();
        s.downloadAndInstallBepInEx();
        QTRY_VERIFY(m_h->refreshedSince(m));
        QCOMPARE(m_h->busy, (QStringList{"Contacting Thunderstore…", "Downloading BepInEx 5.4.2202…",
                                         "Installing BepInEx…", ""}));
        QCOMPARE(s.lastAction(), "BepInEx 5.4.2202 installed into the game folder");
        QVERIFY(!s.alertMessage());
        QCOMPARE(Defaults::string("bepPackVersion"), "5.4.2202");
        QVERIFY(s.stepBep() && s.stepQuarantine());
        QCOMPARE(s.bepVersion(), "5.4.2202");
        // The bar filled during the download, was unknown during the install, and went away.
        QVERIFY(progress.contains(1.0));
        QVERIFY(!progressWhileInstalling);
        QCOMPARE(progress.last(), std::nullopt);
    }

    void shaderHelperNeverRecordsAPackVersion() {
        AppState& s = start();
        const int m = m_h->mark();
        s.installShaderHelper();
        QTRY_VERIFY(m_h->refreshedSince(m));
        QCOMPARE(m_h->busy, (QStringList{"Contacting Thunderstore…", "Downloading ShaderHelperForMac 1.0.3…",
                                         "Installing ShaderHelperForMac…", ""}));
        QCOMPARE(s.lastAction(), "Installed ShaderHelperForMac");
        QVERIFY(!Defaults::string("bepPackVersion") && s.shaderHelperInstalled());
        s.openShaderHelperPage();
        QCOMPARE(m_h->workspace.openedUrls.last(),
                 QUrl(m_repo->baseUrl() + "/c/valheim/p/Tarnwick/ShaderHelperForMac/"));
    }

    void repositoryAnswersWithoutAVersion() {
        m_repo->server().route(
            bepPath, endpoint(m_repo->baseUrl() + "/package/download/quellit/BepInExPack_Valheim/x/"));
        AppState& s = start();
        const int m = m_h->mark();
        s.downloadAndInstallBepInEx();
        QTRY_VERIFY(m_h->refreshedSince(m));
        QCOMPARE(m_h->busy.value(1), "Downloading BepInEx…");
        QVERIFY(s.stepBep());
        QCOMPARE(s.bepVersion(), "5.4.2202"); // the installer still reads the pack's own manifest
    }

    void repositoryFailures_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("alert");
        const QString unreachable =
            "Couldn't reach Thunderstore for BepInEx. Download it from 127.0.0.1 yourself "
            "and drop the .zip anywhere on this window.";
        QTest::newRow("no such package") << 0 << unreachable;
        QTest::newRow("dead server") << 1 << unreachable;
        QTest::newRow("dropped download") << 2 << "Download failed: ";
        QTest::newRow("broken archive") << 3 << "Install failed: Couldn't extract the archive: ";
    }
    void repositoryFailures() {
        QFETCH(int, kind);
        QFETCH(QString, alert);
        LoopbackServer::Response dropped, stalled;
        dropped.closeAtOnce = true;
        stalled.stall = true;
        const QList<LoopbackServer::Response> answers{
            LoopbackServer::reply(R"({"detail":"Not found."})", 404), stalled,
            endpoint(m_repo->baseUrl() + "/dropped.zip", "1"),
            endpoint(m_repo->baseUrl() + "/package/download/Brokkr/CrackedAnvil/0.1.0/", "1")};
        m_repo->server().route(bepPath, answers[kind]);
        m_repo->server().route("/dropped.zip", dropped);
        Http::setDefaultTimeouts({800, 800});
        AppState& s = start();
        m_h->mark();
        s.downloadAndInstallBepInEx();
        QTRY_VERIFY_WITH_TIMEOUT(m_h->idle(), 10000);
        QCOMPARE(m_h->busy.first(), "Contacting Thunderstore…");
        const QString shown = s.alertMessage().value_or("");
        if (alert.endsWith("window."))
            QCOMPARE(shown, alert);
        else
            QVERIFY2(shown.startsWith(alert) && shown.size() > alert.size() + 3, qPrintable(shown));
        QVERIFY(!s.lastAction() && !Defaults::string("bepPackVersion"));
    }

    void zipChosenByThePlayer() {
        AppState& s = start();
        m_h->panel.answers = {std::nullopt, TestZip::bepInExPack().save(TestHome::path() + "/tmp/pack.zip"),
                              TestHome::path() + "/tmp/cut.zip"};
        World::write(TestHome::path() + "/tmp/cut.zip", "PK\x03\x04 cut short");
        s.installBepInExFromZip(); // cancelled
        QVERIFY(m_h->busy.isEmpty());
        QCOMPARE(m_h->panel.requests.first().message, "Choose the BepInExPack_Valheim .zip you downloaded");
        QCOMPARE(m_h->panel.requests.first().fileSuffixes, QStringList{"zip"});

        int m = m_h->mark();
        s.installBepInExFromZip();
        QTRY_VERIFY(m_h->refreshedSince(m));
        QCOMPARE(m_h->busy, (QStringList{"Installing…", ""}));
        QCOMPARE(s.lastAction(), "BepInEx 5.4.2202 installed into the game folder");
        QVERIFY(s.bepFilesPresent());

        m = m_h->mark();
        s.installBepInExFromZip(); // the error alone, and a refresh all the same
        QTRY_VERIFY(m_h->refreshedSince(m));
        QVERIFY(s.alertMessage().value_or("").startsWith("Couldn't extract the archive: "));
    }

    void scriptQuarantineClipboardAndSteam() {
        m_h->bepFiles("executable_name=\"valheim.x86_64\"");
        AppState& s = start();
        QVERIFY(!s.scriptNameConfigured());
        int m = m_h->mark();
        s.fixScript();
        QCOMPARE(s.lastAction(), "Updated start_game_bepinex.sh for this Mac");
        QTRY_VERIFY(m_h->refreshedSince(m));
        QVERIFY(s.scriptNameConfigured() && s.stepBep());

        const auto clear = [&](const QString& expected) {
            const int before = m_h->mark();
            s.clearQuarantine();
            QTRY_VERIFY(m_h->refreshedSince(before));
            QCOMPARE(m_h->busy, (QStringList{"Clearing quarantine flags…", ""}));
            QCOMPARE(s.lastAction(), expected);
        };
        QVERIFY(Xattr::set(m_h->game("start_game_bepinex.sh"), Xattr::quarantineName(), "0083;x"));
        clear("Removed quarantine from 1 file");
        const int flagged = m_h->world.quarantineLoaderFiles();
        QVERIFY(flagged > 1);
        clear(QString("Removed quarantine from %1 files").arg(flagged));
        clear("No quarantine flags found");
        QCOMPARE(s.quarantineCount(), 0);

        s.setConsoleEnabled(true);
        s.copyLaunchOptions();
        QCOMPARE(m_h->clipboard.current(),
                 "\"" + m_h->game("start_game_bepinex.sh") + "\" %command% -console");
        QCOMPARE(s.lastAction(), "Launch options copied — paste them into Steam");
        s.launchValheim();
        QCOMPARE(m_h->workspace.openedUrls, QList<QUrl>{QUrl("steam://rungameid/892970")});
        QCOMPARE(s.lastAction(), "Asked Steam to launch Valheim");
        s.autoDetectGame();
        QCOMPARE(s.lastAction(), "Found Valheim at ~/Games/SteamLibrary/steamapps/common/Valheim");
    }

    void chooseGameFolder() {
        AppState& s = start();
        const QString other = TestHome::path() + "/Games/Elsewhere";
        QDir().mkpath(other);
        m_h->panel.answers = {std::nullopt, other};
        s.chooseGameFolder();
        QCOMPARE(s.gameDir(), m_h->world.gameDir());
        const OpenPanel::Request& asked = m_h->panel.requests.first();
        QVERIFY(asked.chooseFolders);
        QCOMPARE(asked.buttonText, "Choose");
        QCOMPARE(asked.message, "Select the Valheim game folder (the one containing Valheim.app)");
        QCOMPARE(asked.startDir, m_h->world.gameDir());

        const int m = m_h->mark();
        s.chooseGameFolder(); // a folder without the game: taken, then replaced by the one Steam knows
        QCOMPARE(s.gameDir(), other);
        QCOMPARE(Defaults::string("gameDir"), other);
        QVERIFY(!s.lastAction());
        QTRY_VERIFY(m_h->refreshedSince(m));
        QCOMPARE(s.gameDir(), m_h->world.gameDir());
    }
};

SKALDRUN_TEST_MAIN(TestAppStateSetup)
#include "tst_appstate_setup.moc"
