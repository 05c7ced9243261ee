#include "discovery/Sys.h"
#include "install/Installer.h"
#include "platform/SkaldrunError.h"
#include "tests/install/GameFixture.h"
#include "tests/support/TestMain.h"

// Built twice: once as on an Intel Mac, once (SKALDRUN_TEST_APPLE_SILICON) as on Apple Silicon.
#ifdef SKALDRUN_TEST_APPLE_SILICON
constexpr bool appleSilicon = true;
#else
constexpr bool appleSilicon = false;
#endif

using Fixture::read;
using Fixture::write;

namespace {

// Written out here rather than taken from the header, so a changed block fails the test.
const QByteArray block = "\n# Added by Skaldrun: run the game's Intel (x86_64) slice under\n"
                         "# Rosetta 2 so BepInEx's injector can load on Apple Silicon Macs.\n"
                         "export ARCHPREFERENCE=\"x86_64\"";

} // namespace

class TestScriptPatch : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_game;

    QString script(const QByteArray& text, unsigned mode = 0644) {
        const QString path = m_game + QStringLiteral("/start_game_bepinex.sh");
        write(path, text);
        ::chmod(QFile::encodeName(path).constData(), mode);
        return path;
    }

private Q_SLOTS:
    void initTestCase() {
        // Sys computes the answer once per process, so the machine is chosen before anything asks.
        qputenv("SKALDRUN_MACHINE", appleSilicon ? "arm64" : "x86_64");
        QCOMPARE(Sys::isAppleSilicon(), appleSilicon);
        m_game = Fixture::makeGame(m_dir);
    }

    void shippedScriptIsPatchedOnceAndAlwaysExecutable() {
        const QString path =
            script("#!/bin/sh\n# BepInEx\nexecutable_name=\"valheim.x86_64\"\nexec \"$executable_name\"\n");
        Installer::patchScript(path, m_game);
        const QByteArray expected =
            appleSilicon ? "#!/bin/sh\n# BepInEx\nexecutable_name=\"Valheim\"\n" + block +
                               "\nexec \"$executable_name\"\n"
                         : "#!/bin/sh\n# BepInEx\nexecutable_name=\"Valheim\"\nexec \"$executable_name\"\n";
        QCOMPARE(read(path), expected);
        QCOMPARE(Fixture::mode(path), 0755u);
        if (appleSilicon) QVERIFY(read(path).contains("executable_name=\"Valheim\"\n\n# Added by Skaldrun"));

        // Again: the text stays, the mode is restored.
        ::chmod(QFile::encodeName(path).constData(), 0600);
        Installer::patchScript(path, m_game);
        QCOMPARE(read(path), expected);
        QCOMPARE(Fixture::mode(path), 0755u);
    }

    void emptyExecutableNameIsReplacedToo() {
        const QString path = script("#!/bin/sh\nexecutable_name=\"\"\n");
        Installer::patchScript(path, m_game);
        QVERIFY(read(path).startsWith("#!/bin/sh\nexecutable_name=\"Valheim\"\n"));
        QCOMPARE(read(path).contains("ARCHPREFERENCE"), appleSilicon);
    }

    void anExistingArchPreferenceIsRespected() {
        const QByteArray text = "#!/bin/sh\n# export ARCHPREFERENCE=arm64\nexecutable_name=\"Valheim\"\n";
        const QString path = script(text);
        Installer::patchScript(path, m_game);
        QCOMPARE(read(path), text);
        QCOMPARE(Fixture::mode(path), 0755u);
    }

    void blockPlacementWithoutAnExecutableLine() {
        const QString shebang = script("#!/bin/sh\necho hi\n");
        Installer::patchScript(shebang, m_game);
        QCOMPARE(read(shebang),
                 appleSilicon ? "#!/bin/sh\n" + block + "\necho hi\n" : QByteArray("#!/bin/sh\necho hi\n"));

        const QString oneLine = script("echo hi");
        Installer::patchScript(oneLine, m_game);
        QCOMPARE(read(oneLine), appleSilicon ? "echo hi\n" + block : QByteArray("echo hi"));
    }

    void withoutAGameBundleOnlyTheArchitectureStepRuns() {
        QTemporaryDir bare;
        const QString path = bare.filePath(QStringLiteral("start_game_bepinex.sh"));
        write(path, "#!/bin/sh\nexecutable_name=\"valheim.x86_64\"\n");
        Installer::patchScript(path, bare.path());
        QCOMPARE(read(path), appleSilicon ? "#!/bin/sh\nexecutable_name=\"valheim.x86_64\"\n" + block + "\n"
                                          : QByteArray("#!/bin/sh\nexecutable_name=\"valheim.x86_64\"\n"));
        QCOMPARE(Fixture::mode(path), 0755u);
    }

    void unreadableScriptsAreLeftAlone() {
        QVERIFY_THROWS_EXCEPTION(SkaldrunError,
                                 Installer::patchScript(m_game + QStringLiteral("/absent.sh"), m_game));
        const QByteArray latin1 = "#!/bin/sh\n# caf\xe9\nexecutable_name=\"valheim.x86_64\"\n";
        const QString path = script(latin1, 0600);
        try {
            Installer::patchScript(path, m_game);
            QFAIL("a script that isn't UTF-8 must not be rewritten");
        } catch (const SkaldrunError& e) {
            QVERIFY2(e.message().contains(QStringLiteral("start_game_bepinex.sh")), qPrintable(e.message()));
        }
        QCOMPARE(read(path), latin1);
        QCOMPARE(Fixture::mode(path), 0600u);
    }
};

SKALDRUN_TEST_MAIN(TestScriptPatch)
#include "tst_scriptpatch.moc"
