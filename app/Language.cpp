#include "app/Language.h"

#include "platform/Defaults.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

const QString settingKey = QStringLiteral("language");
const QString translations = QStringLiteral(":/i18n");

class PseudoTranslator final : public QTranslator {
public:
    using QTranslator::QTranslator;
    [[nodiscard]] bool isEmpty() const override { return false; }
    [[nodiscard]] QString translate(const char* /*context*/, const char* source,
                                    const char* /*disambiguation*/, int /*n*/) const override {
        return Language::pseudoOf(QString::fromUtf8(source));
    }
};

QChar accented(QChar c) {
    static const QString plain = QStringLiteral("AaCcDdEeGgHhIiJjKkLlNnOoRrSsTtUuWwYyZz");
    static const QString marked = QStringLiteral("ÅåÇçĐđÉéĜĝĤĥÎîĴĵĶķĻļÑñÖöŔŕŠšŢţÛûŴŵÝýŽž");
    const auto at = plain.indexOf(c);
    return at < 0 ? c : marked.at(at);
}

// The length of what must pass unchanged at `at`: a placeholder, a tag or an entity; 0 for text.
qsizetype keptLength(const QString& text, qsizetype at) {
    const QChar c = text.at(at);
    qsizetype end = at + 1;
    if (c == u'%') {
        if (end < text.size() && text.at(end) == u'L') ++end;
        if (end < text.size() && text.at(end) == u'n') return end + 1 - at;
        while (end < text.size() && text.at(end).isDigit())
            ++end;
        return end - at > 1 && text.at(end - 1).isDigit() ? end - at : 0;
    }
    const QChar close = c == u'<' ? u'>' : c == u'&' ? u';' : QChar();
    if (close.isNull()) return 0;
    const qsizetype found = text.indexOf(close, end);
    return found < 0 || found - at > 12 + (c == u'<' ? 200 : 0) ? 0 : found + 1 - at;
}

bool load(QTranslator& translator, const QLocale& locale) {
    return translator.load(locale, QStringLiteral("skaldrun"), QStringLiteral("_"), translations);
}

} // namespace

namespace Language {

QStringList shipped() {
    QStringList codes;
    for (const QString& file : QDir(translations).entryList({QStringLiteral("skaldrun_*.qm")}, QDir::Files))
        codes << file.mid(9, file.size() - 9 - 3);
    return codes;
}

QString nativeName(const QString& code) {
    if (code == pseudo) return QStringLiteral("Pseudo");
    const QLocale locale(code);
    QString name = locale.nativeLanguageName();
    // Two forms of one language are told apart by their country, as software centres do.
    if (code.contains(u'_')) name += QStringLiteral(" (%1)").arg(locale.nativeTerritoryName());
    return name.isEmpty() ? code : name.left(1).toUpper() + name.mid(1);
}

QString chosen() {
    const QString code = Defaults::string(settingKey).value_or(QString());
    return shipped().contains(code) ? code : QString();
}

void choose(const QString& code) {
    if (code.isEmpty())
        Defaults::remove(settingKey);
    else
        Defaults::setString(settingKey, code);
}

QString install() {
    auto* app = QCoreApplication::instance();
    QString code = qEnvironmentVariable("SKALDRUN_LANGUAGE");
    if (code.isEmpty()) code = chosen();
    if (code == pseudo) {
        QCoreApplication::installTranslator(new PseudoTranslator(app));
        return pseudo;
    }
    // No choice: the system's list of preferred languages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG on
    // Linux; the system settings on macOS), first match wins.
    QLocale locale = code.isEmpty() ? QLocale::system() : QLocale(code);
    auto* ours = new QTranslator(app);
    // A language not shipped reads English, whose file holds its plural forms ("1 mod").
    if (!load(*ours, locale)) {
        locale = QLocale(QLocale::English);
        if (!load(*ours, locale)) {
            delete ours;
            return QStringLiteral("en");
        }
    }
    QCoreApplication::installTranslator(ours);
    // Dates and numbers read as the words do: a language chosen over the system's brings its own
    // month names and separators, with the system's region kept. The C locale counts as English.
    const QLocale system = QLocale::system();
    const auto systemLanguage = system.language() == QLocale::C ? QLocale::English : system.language();
    if (locale.language() != systemLanguage)
        QLocale::setDefault(QLocale(locale.language(), system.territory()));
    // Qt's own words (standard buttons, file dialogs), where this Qt ships them.
    auto* qts = new QTranslator(app);
    if (qts->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qts);
    else
        delete qts;
    return QFileInfo(ours->filePath()).completeBaseName().mid(9);
}

QString pseudoOf(const QString& english) {
    QString out = QStringLiteral("⟦");
    for (qsizetype i = 0; i < english.size();) {
        if (const qsizetype kept = keptLength(english, i)) {
            out += english.mid(i, kept);
            i += kept;
            continue;
        }
        out += accented(english.at(i++));
    }
    // Words grow by about 40% in German or French; the padding sits inside the brackets, so a
    // cut-off end shows as a missing ⟧.
    out += QString(qMax<qsizetype>(2, (english.size() * 2 + 4) / 5), u'·');
    out += QStringLiteral("⟧");
    return out;
}

} // namespace Language
