#include "ui/widgets/Make.h"

#include "ui/Icons.h"
#include "ui/widgets/Text.h"

#include <QAbstractScrollArea>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>

namespace Make {

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

QPushButton* button(QWidget* parent, const QString& objectName, const QString& text, Theme::ButtonStyle style,
                    Theme::ControlSize size) {
    auto* b = new QPushButton(Text::buttonLabel(text), parent);
    b->setObjectName(objectName);
    return Make::style(b, style, size);
}

QPushButton* style(QPushButton* button, Theme::ButtonStyle style, Theme::ControlSize size) {
    button->setAutoDefault(false);
    Theme::setButtonStyle(button, style);
    if (size == Theme::ControlSize::small) Theme::setSmall(button);
    return button;
}

QProgressBar* progressBar(QWidget* parent, const QString& objectName, QSize size) {
    auto* bar = new QProgressBar(parent);
    bar->setObjectName(objectName);
    bar->setTextVisible(false);
    if (size.width() > 0)
        bar->setFixedSize(size);
    else
        bar->setFixedHeight(size.height());
    const int radius = size.height() / 2;
    bar->setStyleSheet(QStringLiteral("QProgressBar { border: none; border-radius: %1px; background: %2; }"
                                      "QProgressBar::chunk { border-radius: %1px; background: %3; }")
                           .arg(radius)
                           .arg(Theme::css(Theme::track()), Theme::css(Theme::accent())));
    return bar;
}

void slimScrollBars(QAbstractScrollArea* area) {
    area->verticalScrollBar()->setStyleSheet(
        QStringLiteral(
            "QScrollBar:vertical { background: transparent; width: 11px; margin: 2px 1px 2px 0; }"
            "QScrollBar::handle:vertical { background: %1; border-radius: 3px; min-height: 32px;"
            " margin: 0 2px 0 3px; }"
            "QScrollBar::handle:vertical:hover { background: %2; }"
            "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; border: none; }"
            "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: transparent; }")
            .arg(Theme::css(Theme::scroller()), Theme::css(Theme::scrollerHover())));
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

} // namespace Make
