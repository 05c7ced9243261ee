#include "ui/widgets/Text.h"

#include <QLabel>
#include <QMessageBox>
#include <QRegularExpression>

namespace Text {

QString plainToolTip(const QString& text) {
    return Qt::mightBeRichText(text) ? Qt::convertFromPlainText(text, Qt::WhiteSpaceNormal) : text;
}

void setPlainInformativeText(QMessageBox* box, const QString& text) {
    box->setInformativeText(text);
    // Qt's own name for the label it makes on the first call.
    if (auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel")))
        label->setTextFormat(Qt::PlainText);
}

QString buttonLabel(const QString& text) {
    QString escaped = text;
    return escaped.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

QString mediumDateTime(const QDateTime& when, const QLocale& locale) {
    // Qt has no medium date style: take the locale's long date without its weekday and with
    // abbreviated month names ("dddd, MMMM d, yyyy" -> "MMM d, yyyy").
    QString format = locale.dateFormat(QLocale::LongFormat);
    static const QRegularExpression weekdayFirst(QStringLiteral("^\\s*dddd[\\s,.،]*"));
    static const QRegularExpression weekdayLater(QStringLiteral("[\\s,.،]*dddd"));
    format.remove(weekdayFirst);
    format.remove(weekdayLater);
    format.replace(QStringLiteral("MMMM"), QStringLiteral("MMM"));
    // Some locales' short time carries seconds (the C locale's "HH:mm:ss"); the short style never does.
    QString time = locale.timeFormat(QLocale::ShortFormat);
    static const QRegularExpression seconds(QStringLiteral("[:.]ss?"));
    time.remove(seconds);
    const QDateTime local = when.toLocalTime();
    return locale.toString(local.date(), format.trimmed()) + QStringLiteral(", ") +
           locale.toString(local.time(), time);
}

} // namespace Text
