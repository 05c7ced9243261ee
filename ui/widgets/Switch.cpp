#include "ui/widgets/Switch.h"

#include "ui/Theme.h"

#include <QPainter>
#include <QVariantAnimation>

Switch::Switch(QWidget* parent) : QAbstractButton(parent), m_animation(new QVariantAnimation(this)) {
    setCheckable(true);
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_animation->setDuration(140);
    m_animation->setEasingCurve(QEasingCurve::InOutQuad);
    connect(m_animation, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        m_position = value.toReal();
        update();
    });
}

QSize Switch::sizeHint() const {
    return {30, 18};
}

void Switch::nextCheckState() {
    if (m_followsClicks)
        QAbstractButton::nextCheckState();
    else
        Q_EMIT toggleRequested(!isChecked());
}

void Switch::checkStateSet() {
    animateTo(isChecked());
}

void Switch::animateTo(bool on) {
    const qreal target = on ? 1.0 : 0.0;
    // Stopped first: a slide the other way that hasn't moved the knob yet (a quick flip back)
    // must not finish after this and leave the knob showing the wrong state.
    m_animation->stop();
    if (qFuzzyCompare(m_position + 1, target + 1) || !isVisible()) {
        m_position = target;
        update();
        return;
    }
    m_animation->setStartValue(m_position);
    m_animation->setEndValue(target);
    m_animation->start();
}

void Switch::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QSizeF size = sizeHint();
    const QRectF track(QPointF((width() - size.width()) / 2, (height() - size.height()) / 2), size);
    const qreal radius = track.height() / 2;
    QColor fill = Theme::mix(Theme::track(), Theme::accent(), m_position);
    if (!isEnabled()) fill.setAlphaF(fill.alphaF() * 0.45);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(track, radius, radius);
    if (m_position < 1) {
        QColor edge = Theme::faintEdge();
        edge.setAlphaF(edge.alphaF() * (1 - m_position));
        p.setPen(QPen(edge, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(track.adjusted(0.5, 0.5, -0.5, -0.5), radius - 0.5, radius - 0.5);
    }
    const qreal knob = track.height() - 3;
    const qreal x = track.left() + 1.5 + (track.width() - knob - 3) * m_position;
    const QRectF knobRect(x, track.top() + 1.5, knob, knob);
    p.setPen(Qt::NoPen);
    p.setBrush(Theme::shadow());
    p.drawEllipse(knobRect.translated(0, 0.6));
    p.setBrush(Theme::controlBackground());
    p.drawEllipse(knobRect);
    if (hasFocus()) {
        p.setPen(QPen(Theme::accent().lighter(150), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(track.adjusted(-1, -1, 1, 1), radius + 1, radius + 1);
    }
}
