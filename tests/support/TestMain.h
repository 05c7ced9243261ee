#pragma once

#include "app/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>
#include <cstdlib>

// Every test process gets a fresh, empty home folder: nothing a test does can reach the real
// one (Steam's files, saves, preferences, the Trash, the support folder all live below HOME).
namespace TestHome {

inline QTemporaryDir& dir() {
    static QTemporaryDir home(QDir::tempPath() + QStringLiteral("/skaldrun-test-home-XXXXXX"));
    return home;
}

// A temporary folder of the process's own, beside the home (tests empty the home between cases).
// The app names some temporary files after what they hold ("BepInExPack_Valheim.zip"), so test
// processes running side by side would otherwise overwrite each other's downloads.
inline QTemporaryDir& tmp() {
    static QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/skaldrun-test-tmp-XXXXXX"));
    return folder;
}

inline void install() {
    if (!dir().isValid() || !tmp().isValid()) {
        std::fprintf(stderr, "Couldn't create a temporary home folder\n");
        std::exit(2);
    }
    qputenv("HOME", QFile::encodeName(dir().path()));
    qputenv("TMPDIR", QFile::encodeName(tmp().path()));
    // Tests read the English sentences, whatever the machine's language; the programs they start too.
    qputenv("SKALDRUN_LANGUAGE", "en");
    for (const char* name :
         {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME", "XDG_DATA_DIRS",
          "XDG_CONFIG_DIRS", "SKALDRUN_THUNDERSTORE_URL", "SKALDRUN_HEXIUM_URL", "SKALDRUN_MACHINE",
          "SKALDRUN_PLATFORM", "SKALDRUN_TAB", "SKALDRUN_OPEN", "SKALDRUN_OPEN_CONFIG"})
        qunsetenv(name);
}

inline QString path() {
    return dir().path();
}

} // namespace TestHome

// Like QTEST_GUILESS_MAIN / QTEST_MAIN, with the temporary home installed before Qt starts.
#define SKALDRUN_TEST_MAIN_IMPL(TestObject, AppClass)                                                        \
    int main(int argc, char* argv[]) {                                                                       \
        TestHome::install();                                                                                 \
        AppClass app(argc, argv);                                                                            \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                             \
        /* English as the app speaks it: its plural forms ("1 mod") come from its translation file. */       \
        Language::install();                                                                                 \
        TestObject tc;                                                                                       \
        QTEST_SET_MAIN_SOURCE_PATH                                                                           \
        return QTest::qExec(&tc, argc, argv);                                                                \
    }

#define SKALDRUN_TEST_MAIN(TestObject) SKALDRUN_TEST_MAIN_IMPL(TestObject, QCoreApplication)
