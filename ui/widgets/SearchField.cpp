#include "ui/widgets/SearchField.h"

#include "ui/Icons.h"
#include "ui/Theme.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>

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
    const bool focused = m_edit->hasFocus();
    p.setPen(QPen(focused ? Theme::accent() : Theme::faintEdge(), focused ? 1.5 : 1));
    p.setBrush(Theme::fieldFill());
    p.drawRoundedRect(r, 7, 7);
}
