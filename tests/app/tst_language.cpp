#include "app/Language.h"
#include "tests/support/TestMain.h"

#include <QLocale>
#include <QRegularExpression>
#include <QTest>

class TestLanguage : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Every shipped language is found the way a player's system names it, by LANG alone.
    void followsTheSystem_data() {
        QTest::addColumn<QString>("code");
        QVERIFY(Language::shipped().size() >= 8);
        for (const QString& code : Language::shipped())
            QTest::newRow(qPrintable(code)) << code;
    }
    void followsTheSystem() {
        QFETCH(QString, code);
        qunsetenv("SKALDRUN_LANGUAGE");
        qputenv("LANG", (code + QStringLiteral(".UTF-8")).toUtf8());
        qunsetenv("LANGUAGE");
        qunsetenv("LC_ALL");
        qunsetenv("LC_MESSAGES");
        QCOMPARE(Language::install(), code);
        // English included: its file gives the singular.
        const QString one = QCoreApplication::translate("ImportSheet", "%n mods", nullptr, 1);
        QVERIFY2(!one.contains(QStringLiteral("%n")) && one != QStringLiteral("1 mods"), qPrintable(one));
    }

    // A language chosen over the system's brings its month names and separators along.
    void datesFollowTheChosenLanguage() {
        qputenv("LANG", "fr_FR.UTF-8");
        qputenv("SKALDRUN_LANGUAGE", "de");
        QCOMPARE(Language::install(), QStringLiteral("de"));
        QCOMPARE(QLocale().language(), QLocale::German);
        qunsetenv("SKALDRUN_LANGUAGE");
    }

    // The pseudo-language keeps what Qt fills in and what is markup, and is long enough to show
    // where a translation would not fit.
    void pseudo_data() {
        QTest::addColumn<QString>("english");
        QTest::newRow("placeholders") << QStringLiteral("Installed %1 of %n mods (%L2)");
        QTest::newRow("markup") << QStringLiteral("<b>Quit</b> Valheim &amp; try again");
        QTest::newRow("percent sign") << QStringLiteral("100% done, %");
        QTest::newRow("short") << QStringLiteral("OK");
    }
    void pseudo() {
        QFETCH(QString, english);
        const QString pseudo = Language::pseudoOf(english);
        static const QRegularExpression kept(QStringLiteral("%L?\\d+|%n|<[^>]*>|&\\w+;"));
        QStringList before, after;
        for (const auto& m : kept.globalMatch(english))
            before << m.captured();
        for (const auto& m : kept.globalMatch(pseudo))
            after << m.captured();
        QCOMPARE(after, before);
        QVERIFY(pseudo.size() >= english.size() * 1.4);
        QVERIFY(pseudo != english && pseudo.endsWith(u'⟧'));
    }
};

SKALDRUN_TEST_MAIN(TestLanguage)
#include "tst_language.moc"
