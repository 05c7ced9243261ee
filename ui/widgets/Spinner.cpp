#include "ui/widgets/Spinner.h"

#include "ui/Theme.h"

#include <QPainter>
#include <QTimer>

#include <cmath>

Spinner::Spinner(int size, QWidget* parent) : QWidget(parent), m_size(size), m_timer(new QTimer(this)) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_timer->setInterval(83);
    connect(m_timer, &QTimer::timeout, this, [this] {
        m_step = (m_step + 1) % 12;
        update();
    });
}

void Spinner::showEvent(QShowEvent*) {
    m_timer->start();
}
void Spinner::hideEvent(QHideEvent*) {
    m_timer->stop();
}

void Spinner::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(width() / 2.0, height() / 2.0);
    const qreal outer = m_size / 2.0;
    const qreal inner = outer * 0.45;
    QPen pen;
    pen.setWidthF(std::max(1.5, m_size / 9.0));
    pen.setCapStyle(Qt::RoundCap);
    for (int i = 0; i < 12; ++i) {
        const int age = (m_step - i + 12) % 12; // 0 is the newest spoke
        QColor c = Theme::secondaryText();
        c.setAlphaF(c.alphaF() * (1.0 - age / 13.0));
        pen.setColor(c);
        p.setPen(pen);
        const qreal angle = i * 30.0 * M_PI / 180.0;
        const qreal r1 = inner, r2 = outer - pen.widthF() / 2;
        p.drawLine(QPointF(std::sin(angle) * r1, -std::cos(angle) * r1),
                   QPointF(std::sin(angle) * r2, -std::cos(angle) * r2));
    }
}
