#include "ui/widgets/InsetCard.h"

#include "ui/Theme.h"

#include <QPainter>
#include <QVBoxLayout>

InsetCard::InsetCard(QWidget* parent) : QWidget(parent), m_rows(new QVBoxLayout(this)) {
    m_rows->setContentsMargins(0, 2, 0, 2);
    m_rows->setSpacing(0);
}

void InsetCard::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(Theme::faintEdge(), 1));
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
