#include "discovery/Sys.h"
#include "install/Installer.h"
#include "platform/Process.h"
#include "tests/install/GameFixture.h"
#include "tests/support/TestMain.h"

using namespace Fixture;

// Written out here rather than taken from the header, so a changed block fails the test.
static const QByteArray block = "\n# Added by Skaldrun: run the game's Intel (x86_64) slice under\n"
                                "# Rosetta 2 so BepInEx's injector can load on Apple Silicon Macs.\n"
                                "export ARCHPREFERENCE=\"x86_64\"";

class TestScriptPatch : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_game;

    static void chmod(const QString& path, unsigned mode) {
        ::chmod(QFile::encodeName(path).constData(), mode);
    }

private Q_SLOTS:
    void initTestCase() { m_game = makeGame(m_dir); }

    // `after` marks where the block goes with "@"; on an Intel Mac no block is added.
    void patchedOnceAndAlwaysExecutable_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<bool>("bundle");
        QTest::addColumn<bool>("appleSilicon");
        const auto row = [](const char* name, const char* before, const char* after, bool bundle = true) {
            for (const bool arm : {false, true})
                QTest::addRow("%s, %s", name, arm ? "arm64" : "x86_64")
                    << QByteArray(before) << QByteArray(after) << bundle << arm;
        };
        row("shipped",
            "#!/bin/sh\n# BepInEx\nexecutable_name=\"valheim.x86_64\"\nexec \"$executable_name\"\n",
            "#!/bin/sh\n# BepInEx\nexecutable_name=\"Valheim\"\n@\nexec \"$executable_name\"\n");
        row("empty name", "#!/bin/sh\nexecutable_name=\"\"\n", "#!/bin/sh\nexecutable_name=\"Valheim\"\n@\n");
        row("own preference", "#!/bin/sh\n# export ARCHPREFERENCE=arm64\nexecutable_name=\"Valheim\"\n",
            "#!/bin/sh\n# export ARCHPREFERENCE=arm64\nexecutable_name=\"Valheim\"\n");
        row("no name line", "#!/bin/sh\necho hi\n", "#!/bin/sh\n@\necho hi\n");
        row("one line", "echo hi", "echo hi\n@");
        row("no game bundle", "#!/bin/sh\nexecutable_name=\"valheim.x86_64\"\n",
            "#!/bin/sh\nexecutable_name=\"valheim.x86_64\"\n@\n", false);
    }
    void patchedOnceAndAlwaysExecutable() {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        QFETCH(bool, bundle);
        QFETCH(bool, appleSilicon);
        qputenv("SKALDRUN_MACHINE", appleSilicon ? "arm64" : "x86_64");
        QCOMPARE(Sys::isAppleSilicon(), appleSilicon);
        QTemporaryDir bare;
        const QString game = bundle ? m_game : bare.path(), path = game + "/start_game_bepinex.sh";
        write(path, before);
        const QByteArray expected = appleSilicon ? after.replace("@", block) : after.replace("\n@", "");
        for (int run = 0; run < 2; ++run) { // the second run changes no text, but restores the mode
            chmod(path, 0600);
            Installer::patchScript(path, game);
            QCOMPARE(read(path), expected);
            QCOMPARE(mode(path), 0755u);
        }
    }

    // The executable's name comes from the bundle's Info.plist; whatever it holds, the script
    // keeps it as plain text: it parses, runs no command of it, and a second patch changes nothing.
    void executableNameStaysText_data() {
        QTest::addColumn<QString>("name");
        for (const char* name : {"Val\"heim", "\"\"", "$(echo run)", "`echo run`", "Val\\", "a'b $HOME"})
            QTest::newRow(name) << QString::fromUtf8(name);
    }
    void executableNameStaysText() {
        QFETCH(QString, name);
        QTemporaryDir dir;
        const QString game = makeGame(dir, "game", name), path = game + "/start_game_bepinex.sh";
        write(path, "#!/bin/sh\nexecutable_name=\"\"\nprintf %s \"$executable_name\"\n");
        Installer::patchScript(path, game);
        const QByteArray once = read(path);
        Installer::patchScript(path, game);
        QCOMPARE(read(path), once);
        QCOMPARE(Process::run("bash", {"-n", path}).code, 0);
        QCOMPARE(Process::run("bash", {path}).out, name);
    }

    void unreadableScriptsAreLeftAlone() {
        QVERIFY_THROWS_EXCEPTION(SkaldrunError, Installer::patchScript(m_game + "/absent.sh", m_game));
        const QByteArray latin1 = "#!/bin/sh\n# caf\xe9\nexecutable_name=\"valheim.x86_64\"\n";
        const QString path = m_game + "/start_game_bepinex.sh";
        write(path, latin1);
        chmod(path, 0600);
        const auto e = failure([&] { Installer::patchScript(path, m_game); });
        QVERIFY2(e && e->message().contains("start_game_bepinex.sh"),
                 e ? qPrintable(e->message()) : "no error");
        QCOMPARE(read(path), latin1);
        QCOMPARE(mode(path), 0600u);
    }
};

SKALDRUN_TEST_MAIN(TestScriptPatch)
#include "tst_scriptpatch.moc"
