#include "ui/widgets/SegmentedControl.h"

#include "ui/Theme.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>

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
    p.setBrush(Theme::fieldFill());
    p.drawRoundedRect(QRectF(rect()), 7, 7);
    if (QAbstractButton* current = m_group->checkedButton()) {
        const QRectF pill = QRectF(current->geometry()).adjusted(0.5, 0.5, -0.5, -0.5);
        p.setBrush(Theme::shadow());
        p.drawRoundedRect(pill.translated(0, 0.7), 5.5, 5.5);
        p.setBrush(Theme::controlBackground());
        p.drawRoundedRect(pill, 5.5, 5.5);
    }
}
