#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

class QMessageBox;

// Text from outside (names, versions, paths, error texts) and dates, as the views show them.
namespace Text {

// A tool tip shown as written: Qt renders a tip that looks like markup as rich text.
QString plainToolTip(const QString& text);
// Sets a message box's informative text as written: Qt shows it as rich text, links live.
void setPlainInformativeText(QMessageBox* box, const QString& text);
// A button label shown as written: "&" would otherwise mark a keyboard mnemonic.
QString buttonLabel(const QString& text);
// A date as "medium date, short time" in the given locale: "Dec 5, 2024, 3:04 PM" in en_US.
QString mediumDateTime(const QDateTime& when, const QLocale& locale = QLocale());

} // namespace Text
