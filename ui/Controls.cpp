#include "ui/Controls.h"

#include "ui/Icons.h"
#include "ui/Theme.h"

#include <QAbstractScrollArea>
#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>
#include <QVariantAnimation>

#include <cmath>

// ---------------------------------------------------------------------------------------------
// Switch

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
    QColor off(0, 0, 0, 28);
    QColor on = Theme::accent();
    QColor fill;
    fill.setRgbF(off.redF() + (on.redF() - off.redF()) * m_position,
                 off.greenF() + (on.greenF() - off.greenF()) * m_position,
                 off.blueF() + (on.blueF() - off.blueF()) * m_position,
                 off.alphaF() + (on.alphaF() - off.alphaF()) * m_position);
    if (!isEnabled()) fill.setAlphaF(fill.alphaF() * 0.45);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(track, radius, radius);
    if (m_position < 1) {
        p.setPen(QPen(QColor(0, 0, 0, int(20 * (1 - m_position))), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(track.adjusted(0.5, 0.5, -0.5, -0.5), radius - 0.5, radius - 0.5);
    }
    const qreal knob = track.height() - 3;
    const qreal x = track.left() + 1.5 + (track.width() - knob - 3) * m_position;
    const QRectF knobRect(x, track.top() + 1.5, knob, knob);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 30));
    p.drawEllipse(knobRect.translated(0, 0.6));
    p.setBrush(Qt::white);
    p.drawEllipse(knobRect);
    if (hasFocus()) {
        p.setPen(QPen(Theme::accent().lighter(150), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(track.adjusted(-1, -1, 1, 1), radius + 1, radius + 1);
    }
}

// ---------------------------------------------------------------------------------------------
// Spinner

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

// ---------------------------------------------------------------------------------------------
// InsetCard

InsetCard::InsetCard(QWidget* parent) : QWidget(parent), m_rows(new QVBoxLayout(this)) {
    m_rows->setContentsMargins(0, 2, 0, 2);
    m_rows->setSpacing(0);
}

void InsetCard::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(QColor(0, 0, 0, 18), 1));
    p.setBrush(Theme::controlBackground());
    p.drawRoundedRect(r, 9, 9);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Theme::separator(), 1));
    QWidget* previous = nullptr;
    for (int i = 0; i < m_rows->count(); ++i) {
        QWidget* row = m_rows->itemAt(i)->widget();
        if (!row || row->isHidden()) continue;
        if (previous) {
            const int y = row->geometry().top();
            p.drawLine(m_separatorInset, y, width() - 1 - 12, y);
        }
        previous = row;
    }
}

// ---------------------------------------------------------------------------------------------
// SegmentedControl

SegmentedControl::SegmentedControl(QWidget* parent) : QWidget(parent), m_group(new QButtonGroup(this)) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(2, 2, 2, 2);
    row->setSpacing(0);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_group->setExclusive(true);
    connect(m_group, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        update();
        if (checked) Q_EMIT currentChanged(id);
    });
}

QPushButton* SegmentedControl::addSegment(const QString& text, const QString& objectName) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(objectName);
    button->setCheckable(true);
    button->setFocusPolicy(Qt::TabFocus);
    button->setFont(Theme::font(Theme::TextStyle::callout, QFont::Medium));
    button->setStyleSheet(
        QStringLiteral("QPushButton { border: none; background: transparent; padding: 2px 14px;"
                       " color: %1; }"
                       "QPushButton:checked { color: %2; }")
            .arg(Theme::css(Theme::secondaryText()), Theme::css(Theme::primaryText())));
    const int id = int(m_group->buttons().size());
    m_group->addButton(button, id);
    static_cast<QHBoxLayout*>(layout())->addWidget(button);
    if (id == 0) button->setChecked(true);
    return button;
}

int SegmentedControl::currentIndex() const {
    return m_group->checkedId();
}

void SegmentedControl::setCurrentIndex(int index) {
    if (QAbstractButton* b = m_group->button(index)) b->setChecked(true);
}

void SegmentedControl::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 16));
    p.drawRoundedRect(QRectF(rect()), 7, 7);
    if (QAbstractButton* current = m_group->checkedButton()) {
        const QRectF pill = QRectF(current->geometry()).adjusted(0.5, 0.5, -0.5, -0.5);
        p.setBrush(QColor(0, 0, 0, 22));
        p.drawRoundedRect(pill.translated(0, 0.7), 5.5, 5.5);
        p.setBrush(Qt::white);
        p.drawRoundedRect(pill, 5.5, 5.5);
    }
}

// ---------------------------------------------------------------------------------------------
// SearchField

SearchField::SearchField(const QString& placeholder, const QString& objectName, QWidget* parent)
    : QWidget(parent), m_edit(new QLineEdit(this)) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(8, 3, 6, 3);
    row->setSpacing(5);
    auto* glass = new QLabel(this);
    glass->setPixmap(Icons::pixmap(QStringLiteral("magnifyingglass"), 14, Theme::secondaryText()));
    row->addWidget(glass);
    m_edit->setObjectName(objectName);
    m_edit->setPlaceholderText(placeholder);
    m_edit->setFrame(false);
    m_edit->setClearButtonEnabled(true);
    m_edit->setStyleSheet(
        QStringLiteral("QLineEdit { background: transparent; border: none; padding: 1px 0; }"));
    // Files dragged over the field belong to the pane's drop target, not the text.
    m_edit->setAcceptDrops(false);
    row->addWidget(m_edit, 1);
}

void SearchField::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(m_edit->hasFocus() ? Theme::accent() : QColor(0, 0, 0, 20), m_edit->hasFocus() ? 1.5 : 1));
    p.setBrush(QColor(0, 0, 0, 12));
    p.drawRoundedRect(r, 7, 7);
}

// ---------------------------------------------------------------------------------------------
// Placeholder

Placeholder::Placeholder(const QString& symbol, const QString& title, const QString& message, QWidget* parent)
    : QWidget(parent) {
    auto* column = new QVBoxLayout(this);
    column->setSpacing(8);
    column->addStretch();
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("placeholder.icon"));
    icon->setPixmap(Controls::faintSymbol(symbol, 40, 0.45));
    icon->setAlignment(Qt::AlignCenter);
    column->addWidget(icon);
    auto* heading = new QLabel(title, this);
    heading->setObjectName(QStringLiteral("placeholder.title"));
    Theme::style(heading, Theme::TextStyle::headline);
    heading->setAlignment(Qt::AlignCenter);
    column->addWidget(heading);
    auto* text = new QLabel(message, this);
    text->setObjectName(QStringLiteral("placeholder.message"));
    Theme::style(text, Theme::TextStyle::callout, Theme::secondaryText());
    text->setAlignment(Qt::AlignCenter);
    text->setWordWrap(true);
    // A fixed width: a wrapping label centred in a layout would shrink to its narrowest.
    text->setFixedWidth(340);
    text->setMinimumHeight(text->heightForWidth(340));
    column->addWidget(text, 0, Qt::AlignHCenter);
    column->addStretch();
}

// ---------------------------------------------------------------------------------------------
// Divider

Divider::Divider(QWidget* parent) : QWidget(parent) {
    setFixedHeight(1);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void Divider::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Theme::separator());
}

// ---------------------------------------------------------------------------------------------

namespace Controls {

void makeBordered(QPushButton* button, bool small) {
    Theme::setButtonStyle(button, Theme::ButtonStyle::bordered);
    button->setStyleSheet(
        QStringLiteral("QPushButton { background: white; color: %1; border: 1px solid %2;"
                       " border-bottom-color: %3; border-radius: 5px; padding: %4; }"
                       "QPushButton:pressed { background: #E6E6E6; }"
                       "QPushButton:disabled { color: %5; background: rgba(255, 255, 255, 0.5); }")
            .arg(Theme::css(Theme::primaryText()), Theme::css(QColor(0, 0, 0, 40)),
                 Theme::css(QColor(0, 0, 0, 64)),
                 small ? QStringLiteral("2px 8px") : QStringLiteral("3px 12px"),
                 Theme::css(Theme::tertiaryText())));
    if (small) Theme::setSmall(button);
    button->setAutoDefault(false);
}

void makeProminent(QPushButton* button, bool small) {
    Theme::setButtonStyle(button, Theme::ButtonStyle::prominent);
    if (small) Theme::setSmall(button);
    button->setAutoDefault(false);
}

QPixmap faintSymbol(const QString& name, int size, qreal opacity) {
    const QPixmap source = Icons::pixmap(name, size);
    QPixmap faint(source.size());
    faint.setDevicePixelRatio(source.devicePixelRatio());
    faint.fill(Qt::transparent);
    QPainter p(&faint);
    p.setOpacity(opacity);
    p.drawPixmap(0, 0, source);
    return faint;
}

void slimScrollBars(QAbstractScrollArea* area) {
    const QString sheet = QStringLiteral(
        "QScrollBar:vertical { background: transparent; width: 11px; margin: 2px 1px 2px 0; }"
        "QScrollBar::handle:vertical { background: rgba(0, 0, 0, 0.25); border-radius: 3px; min-height: 32px;"
        " margin: 0 2px 0 3px; }"
        "QScrollBar::handle:vertical:hover { background: rgba(0, 0, 0, 0.4); }"
        "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; border: none; }"
        "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: transparent; }");
    area->verticalScrollBar()->setStyleSheet(sheet);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

} // namespace Controls
