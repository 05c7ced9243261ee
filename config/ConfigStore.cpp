#include "config/ConfigStore.h"


namespace ConfigStore {

namespace {

bool keeps(char32_t cp) {
    switch (QChar::category(cp)) {
    case QChar::Letter_Uppercase:
    case QChar::Letter_Lowercase:
    case QChar::Letter_Titlecase:
    case QChar::Letter_Modifier:
    case QChar::Letter_Other:
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
    case QChar::Number_DecimalDigit:
    case QChar::Number_Letter:
    case QChar::Number_Other:
        return true;
    default:
        return false;
    }
}

} // namespace

QString normalize(const QString& text) {
    const QString lower = text.toLower();
    QString out;
    out.reserve(lower.size());
    const qsizetype n = lower.size();
    for (qsizetype i = 0; i < n; ++i) {
        char32_t cp = lower.at(i).unicode();
        if (QChar::isHighSurrogate(cp) && i + 1 < n && lower.at(i + 1).isLowSurrogate())
            cp = QChar::surrogateToUcs4(char16_t(cp), lower.at(++i).unicode());
        if (cp < 0x80) {
            // The common case, without a table lookup.
            if ((cp >= 'a' && cp <= 'z') || (cp >= '0' && cp <= '9'))
                out.append(QChar(char16_t(cp)));
            else if (cp >= 'A' && cp <= 'Z')
                out.append(QChar(char16_t(cp + 32)));
            continue;
        }
        if (keeps(cp)) {
            if (QChar::requiresSurrogates(cp)) {
                out.append(QChar(QChar::highSurrogate(cp)));
                out.append(QChar(QChar::lowSurrogate(cp)));
            } else {
                out.append(QChar(char16_t(cp)));
            }
        }
    }
    return out;
}

} // namespace ConfigStore
