// Replays every seed of fuzz/seeds and every input a fuzzing run found
// (tests/data/fuzz-regressions/<target>/) through the same code the libFuzzer targets run: an
// input that breaks an invariant stops this process the way it stopped the fuzzer.
#include "fuzz/Targets.h"
#include "tests/support/TestMain.h"

#include <QDir>
#include <QFile>

class TestFuzzRegressions : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void inputsKeepTheInvariants_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("path");
        const QString root = QStringLiteral(SKALDRUN_SOURCE_DIR);
        for (const QString& target : FuzzTargets::all().keys()) {
            for (const QString& folder : {root + QStringLiteral("/fuzz/seeds/") + target,
                                          root + QStringLiteral("/tests/data/fuzz-regressions/") + target}) {
                const QDir dir(folder);
                for (const QString& name : dir.entryList(QDir::Files, QDir::Name))
                    QTest::newRow(qPrintable(target + QLatin1Char('/') + name))
                        << target << dir.filePath(name);
            }
        }
    }
    void inputsKeepTheInvariants() {
        QFETCH(QString, target);
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        FuzzTargets::run(target, file.readAll());
    }
};

SKALDRUN_TEST_MAIN(TestFuzzRegressions)
#include "tst_fuzzregressions.moc"
