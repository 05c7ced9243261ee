#include "ui/Banner.h"

#include "ui/Icons.h"
#include "ui/Theme.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

Banner::Banner(const QString& symbol, const QColor& tint, qreal fillOpacity, qreal strokeOpacity,
               QWidget* parent)
    : QWidget(parent), m_tint(tint), m_fillOpacity(fillOpacity), m_strokeOpacity(strokeOpacity),
      m_row(new QHBoxLayout(this)), m_title(new QLabel(this)), m_message(new QLabel(this)) {
    m_row->setContentsMargins(10, 10, 10, 10);
    m_row->setSpacing(10);
    auto* icon = new QLabel(this);
    icon->setPixmap(Icons::pixmap(symbol, 18, tint));
    icon->setAlignment(Qt::AlignTop);
    m_row->addWidget(icon, 0, Qt::AlignVCenter);

    auto* column = new QVBoxLayout;
    column->setSpacing(2);
    Theme::style(m_title, Theme::TextStyle::callout, QColor(), QFont::Medium);
    Theme::style(m_message, Theme::TextStyle::caption, Theme::secondaryText());
    m_title->setWordWrap(true);
    m_message->setWordWrap(true);
    // Wraps onto more lines instead of being cut short when the pane is narrow.
    m_message->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::MinimumExpanding);
    column->addWidget(m_title);
    column->addWidget(m_message);
    m_row->addLayout(column, 1);
}

void Banner::addButton(QPushButton* button) {
    m_row->addWidget(button, 0, Qt::AlignVCenter);
}

void Banner::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QColor fill = m_tint;
    fill.setAlphaF(m_fillOpacity);
    QColor stroke = m_tint;
    stroke.setAlphaF(m_strokeOpacity);
    p.setPen(QPen(stroke, 1));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
}
