#include "ui/widgets/Divider.h"

#include "ui/Theme.h"

#include <QPainter>

Divider::Divider(QWidget* parent, const QColor& color)
    : QWidget(parent), m_color(color.isValid() ? color : Theme::separator()) {
    setFixedHeight(1);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void Divider::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), m_color);
}
