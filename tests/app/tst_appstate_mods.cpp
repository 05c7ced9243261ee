#include "catalog/ThunderstoreStore.h"
#include "catalog/Version.h"
#include "tests/support/ModelWorld.h"

#include <QDirIterator>

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
    bool begin() {
        QDir().mkpath(world.pluginsDir());
        if (!start()) return false;
        state->thunder()->loadIfNeeded(true);
        return QTest::qWaitFor([&] { return !state->thunder()->packages().isEmpty(); });
    }
    TSPackage package(const QString& key) {
        return state->thunder()->indexByOwnerName().value(key.toLower());
    }
    bool install(const QString& key) {
        return act([&] { state->installThunderstorePackage(package(key)); });
    }
};

} // namespace

// Catalog installs, drops, toggling and the Trash.
class TestAppStateMods : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void chainsInstallInOrder() {
        CatalogHarness h;
        QVERIFY(h.begin());
        AppState& s = *h.state;
        QVERIFY(h.install("Runecraft-Epic_Runes"));
        QCOMPARE(h.busy,
                 (QStringList{"Preparing Epic Runes…", "Installing CoreUtils (1 of 3)…",
                              "Installing RuneLib (2 of 3)…", "Installing Epic Runes (3 of 3)…", ""}));
        QCOMPARE(s.lastAction(), "Installed Epic Runes with 2 dependencies (CoreUtils, RuneLib)");
        QVERIFY(!s.alertMessage());
        QVERIFY(s.installedMod(h.package("Hearthworks-CoreUtils")) &&
                !s.installedMod(h.package("Skaldic-MapPins")));
        TSPackage newer = h.package("Hearthworks-CoreUtils");
        QVERIFY(!s.updateAvailable(newer));
        newer.version = "2.1.1";
        QVERIFY(s.updateAvailable(newer));

        QVERIFY(h.install("Hearthworks-CozyHearth")); // its dependency is already there
        QCOMPARE(h.busy.value(1), "Installing CozyHearth (1 of 1)…");
        QCOMPARE(s.lastAction(), "Installed CozyHearth");
        QVERIFY(!s.alertMessage());

        QVERIFY(h.install("Fjordsmith-TrollTweaks"));
        QCOMPARE(s.lastAction(), "Installed TrollTweaks");
        QCOMPARE(s.alertMessage(), "Not in the catalog (install manually): Ghostly-VanishedLib-1.0.0");
    }

    void failuresAreCollectedInOrder() {
        CatalogHarness h;
        h.add("Flaky", {}, true);
        h.add("Solid");
        h.add("Needy", {"Test-Flaky-1.0.0", "Test-Solid-1.0.0", "Ghost-Gone-1.0.0"});
        h.add("Cracked", {"Test-Steady-1.0.0"}, false, "PK\x03\x04 cut short");
        h.add("Steady");
        h.add("Stuck");
        LoopbackServer::Response stalled;
        stalled.stall = true;
        h.repo->server().route("/package/download/Test/Stuck/1.0.0/", stalled);
        QVERIFY(h.begin());
        AppState& s = *h.state;
        QVERIFY(h.install("Test-Needy"));
        QCOMPARE(s.lastAction(), "Installed Needy with 1 dependency (Solid)");
        const QStringList lines = s.alertMessage().value_or("").split('\n');
        QCOMPARE(lines.size(), 2);
        QVERIFY2(lines[0].startsWith("Flaky: ") && lines[0].size() > 10, qPrintable(lines[0]));
        QCOMPARE(lines[1], "Not in the catalog (install manually): Ghost-Gone-1.0.0");
        QVERIFY(modNamed(s, "Solid") && modNamed(s, "Needy") && !modNamed(s, "Flaky"));

        // The requested package itself fails: the line says what did go in, and what didn't.
        QVERIFY(h.install("Test-Cracked"));
        QCOMPARE(s.lastAction(), "Installed Steady, but not Cracked");
        QVERIFY(s.alertMessage()->startsWith("Cracked: Couldn't extract the archive: "));
        QVERIFY(h.install("Brokkr-CrackedAnvil")); // nothing installed: the last success line stays
        QCOMPARE(s.lastAction(), "Installed Steady, but not Cracked");
        QVERIFY(s.alertMessage()->startsWith("CrackedAnvil: Couldn't extract the archive: "));
        QCOMPARE(QDir(TestHome::path() + "/tmp").entryList({"skaldrun-*"}), QStringList{}); // no archive left

        // A server that stops answering ends the install with an alert too.
        Http::setDefaultTimeouts({800, 800});
        QVERIFY(h.install("Test-Stuck"));
        QVERIFY2(s.alertMessage().value_or("").startsWith("Stuck: ") && s.alertMessage()->size() > 10,
                 qPrintable(s.alertMessage().value_or("")));
    }

    void toggleTrashFoldersAndDrops() {
        CatalogHarness h;
        h.plugin("Alpha.dll");
        h.plugin("Beta/Beta.dll");
        QVERIFY(h.begin());
        AppState& s = *h.state;
        const ModItem alpha = *modNamed(s, "Alpha");
        s.setMod(alpha, false);
        QCOMPARE(s.lastAction(), "Alpha disabled");
        QVERIFY(!modNamed(s, "Alpha")->enabled && s.enabledModCount() == 1); // rescanned at once
        const ModItem disabled = *modNamed(s, "Alpha");
        s.setMod(disabled, true);
        QCOMPARE(s.lastAction(), "Alpha enabled");
        s.setMod(disabled, true); // that file is gone now
        QVERIFY(s.alertMessage().value_or("").startsWith("Couldn't toggle Alpha: "));

        const ModItem beta = *modNamed(s, "Beta");
        TSPackage named;
        named.name = "beta";
        QVERIFY(s.installedMod(named));
        s.trash(beta);
        QCOMPARE(s.lastAction(), "Moved Beta to Trash");
        QVERIFY(!modNamed(s, "Beta") && !s.installedMod(named) && !QFile::exists(beta.url));
        QSignalSpy mods(&s, &AppState::modsChanged);
        s.trash(beta);
        QVERIFY(s.alertMessage().value_or("").startsWith("Couldn't remove Beta: "));
        QCOMPARE(mods.count(), 0);

        QDir(h.world.pluginsDir()).removeRecursively();
        s.openPluginsFolder(); // made first
        QCOMPARE(h.workspace.openedFolders, QStringList{h.world.pluginsDir()});
        QVERIFY(QFileInfo(h.world.pluginsDir()).isDir());

        const QString tmp = TestHome::path() + "/tmp/";
        TestZip::repositoryMod("Foo", "1.0.0").save(tmp + "Foo.zip");
        QVERIFY(h.act([&] { s.handleDropped({tmp + "Foo.zip"}); }));
        QCOMPARE(h.busy, (QStringList{"Installing Foo.zip…", ""}));
        QCOMPARE(s.lastAction(), "Installed Foo");

        World::write(tmp + "Bar.dll", "MZ");
        World::write(tmp + "notes.txt", "hi");
        QVERIFY(h.act([&] { s.handleDropped({tmp + "notes.txt", tmp + "Bar.dll"}); }));
        QCOMPARE(h.busy, (QStringList{"Installing 2 items…", ""}));
        QCOMPARE(s.lastAction(), "Installed Bar.dll");
        QCOMPARE(s.alertMessage(),
                 "notes.txt isn't something I can install — drop a mod .zip, a .dll plugin, a "
                 ".cfg file, or a mod folder.");
        QVERIFY(modNamed(s, "Bar"));
    }

    void versionOrder() {
        QVERIFY(!Version::less("1.2", "1.2.0") && !Version::less("1.2.0", "1.2"));
        QVERIFY(Version::less("1.9", "1.10") && !Version::less("2", "1.99.99"));
        QVERIFY(Version::less("1.0.0-beta", "1.0.1") && Version::less("", "0.0.1"));
    }

    // Closing the window: a stalled download stops at once, the dependency after it never
    // starts, and a drop already being copied still goes in whole.
    void destroyedWhileInstalling() {
        CatalogHarness h;
        h.add("Stuck");
        h.add("After", {"Test-Stuck-1.0.0"});
        LoopbackServer::Response stalled;
        stalled.stall = true;
        h.repo->server().route("/package/download/Test/Stuck/1.0.0/", stalled);
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

SKALDRUN_TEST_MAIN(TestAppStateMods)
#include "tst_appstate_mods.moc"
