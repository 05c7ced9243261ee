#include "ui/widgets/ElidedLabel.h"

#include "ui/widgets/Text.h"

ElidedLabel::ElidedLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void ElidedLabel::setFullText(const QString& text) {
    if (text == m_full) return;
    m_full = text;
    setToolTip(Text::plainToolTip(text));
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
