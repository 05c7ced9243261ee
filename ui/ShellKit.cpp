#include "ui/ShellKit.h"

#include "ui/Icons.h"

#include <QAbstractButton>
#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>

namespace ShellKit {

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

QString markSymbol(int number, bool done) {
    return done ? QStringLiteral("checkmark.circle.fill")
                : QString::number(number) + QStringLiteral(".circle");
}

QPixmap markPixmap(int number, bool done, int size) {
    return done ? Icons::pixmap(QStringLiteral("checkmark.circle.fill"), size, Theme::green())
                : Icons::numberedCircle(number, size, Theme::secondaryText());
}

QFrame* divider(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFixedHeight(1);
    line->setFrameShape(QFrame::NoFrame);
    line->setAutoFillBackground(true);
    QPalette p = line->palette();
    QColor c = Theme::separator();
    c.setAlpha(qMin(255, c.alpha() * 2)); // the separator alpha is tuned for strokes on white
    p.setColor(QPalette::Window, c);
    line->setPalette(p);
    return line;
}

QLabel* label(QWidget* parent, const QString& objectName, Theme::TextStyle style, const QColor& color,
              QFont::Weight weight, bool wrap) {
    auto* l = new QLabel(parent);
    l->setObjectName(objectName);
    Theme::style(l, style, color, weight);
    l->setTextFormat(Qt::PlainText);
    l->setWordWrap(wrap);
    return l;
}

QLabel* symbolLabel(QWidget* parent, const QString& symbol, int size, const QColor& color) {
    auto* l = new QLabel(parent);
    l->setPixmap(Icons::pixmap(symbol, size, color));
    l->setFixedSize(size, size);
    l->setProperty("symbol", symbol);
    return l;
}

QString plainToolTip(const QString& text) {
    return Qt::mightBeRichText(text) ? Qt::convertFromPlainText(text, Qt::WhiteSpaceNormal) : text;
}

void setPlainInformativeText(QMessageBox* box, const QString& text) {
    box->setInformativeText(text);
    // Qt's own name for the label it makes on the first call.
    if (auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel")))
        label->setTextFormat(Qt::PlainText);
}

QString buttonText(const QString& text) {
    QString escaped = text;
    return escaped.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

QPushButton* button(QWidget* parent, const QString& objectName, const QString& text,
                    Theme::ButtonStyle style) {
    auto* b = new QPushButton(buttonText(text), parent);
    b->setObjectName(objectName);
    b->setAutoDefault(false);
    ShellKit::setButtonStyle(b, style);
    return b;
}

void setButtonStyle(QAbstractButton* button, Theme::ButtonStyle style) {
    Theme::setButtonStyle(button, style);
    if (style != Theme::ButtonStyle::automatic && style != Theme::ButtonStyle::bordered) return;
    // The Mac's bordered push button: white, a hairline border a shade darker at the bottom.
    button->setStyleSheet(
        QStringLiteral("QPushButton { background: %1; color: %2; border: 1px solid %3;"
                       " border-bottom-color: %4; border-radius: 5px; padding: 3px 10px; }"
                       "QPushButton:pressed { background: %5; }"
                       "QPushButton:disabled { color: %6; background: %7; border-color: %8; }")
            .arg(Theme::css(Theme::controlBackground()), Theme::css(Theme::primaryText()),
                 Theme::css(QColor(0, 0, 0, 38)), Theme::css(QColor(0, 0, 0, 64)),
                 Theme::css(QColor(0xE6, 0xE6, 0xE6)), Theme::css(Theme::tertiaryText()),
                 Theme::css(QColor(255, 255, 255, 140)), Theme::css(QColor(0, 0, 0, 20))));
}

void restyle(QAbstractButton* button, Theme::ButtonStyle style) {
    if (Theme::buttonStyle(button) != style) ShellKit::setButtonStyle(button, style);
}

QString scrollBarSheet() {
    return QStringLiteral(
               "QScrollBar:vertical { width: 10px; background: transparent; margin: 2px 1px 2px 0; }"
               "QScrollBar::handle:vertical { background: %1; border-radius: 3px; min-height: 28px;"
               " margin: 0 2px; }"
               "QScrollBar::handle:vertical:hover { background: %2; }"
               "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
               "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }")
        .arg(Theme::css(QColor(0, 0, 0, 60)), Theme::css(QColor(0, 0, 0, 110)));
}

ElidedLabel::ElidedLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void ElidedLabel::setFullText(const QString& text) {
    if (text == m_full) return;
    m_full = text;
    setToolTip(plainToolTip(text));
    refit();
}

QSize ElidedLabel::sizeHint() const {
    return QSize(qMin(fontMetrics().horizontalAdvance(m_full), fontMetrics().averageCharWidth() * 40),
                 QLabel::sizeHint().height());
}

QSize ElidedLabel::minimumSizeHint() const {
    return QSize(fontMetrics().averageCharWidth() * 4, QLabel::minimumSizeHint().height());
}

void ElidedLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    refit();
}

void ElidedLabel::refit() {
    const int width = contentsRect().width();
    setText(width > 0 ? fontMetrics().elidedText(m_full, Qt::ElideRight, width) : m_full);
}

} // namespace ShellKit
