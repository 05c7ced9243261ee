#include "ui/widgets/FoldingRow.h"

#include <QAbstractButton>
#include <QEvent>
#include <QHBoxLayout>
#include <QMenu>
#include <QToolButton>

FoldingRow::FoldingRow(QWidget* parent) : QWidget(parent), m_row(new QHBoxLayout(this)) {
    m_more = new QToolButton(this);
    m_more->setText(tr("More"));
    m_more->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_more->setAutoRaise(true);
    m_more->hide();
    m_menu = new QMenu(this);
    // popup(), not the button's own menu, which would run an event loop of its own while open.
    connect(m_more, &QToolButton::clicked, this, [this] {
        fillMenu();
        m_menu->popup(m_more->mapToGlobal(m_more->rect().bottomLeft()));
    });
}

void FoldingRow::addSecondary(QAbstractButton* button, const QString& menuText) {
    m_row->addWidget(button);
    m_managed.append({button, true, menuText});
    // The menu sits right after the last secondary button, where they were.
    m_row->removeWidget(m_more);
    m_row->insertWidget(m_row->indexOf(button) + 1, m_more);
    refit();
}

void FoldingRow::addDispensable(QWidget* widget) {
    m_row->addWidget(widget);
    m_managed.append({widget, false, QString()});
    refit();
}

void FoldingRow::setShown(QWidget* widget, bool shown) {
    for (Managed& m : m_managed)
        if (m.widget == widget) m.wanted = shown;
    refit();
}

int FoldingRow::widthNeeded(bool minimal) const {
    int width = m_row->contentsMargins().left() + m_row->contentsMargins().right();
    int shown = 0;
    for (int i = 0; i < m_row->count(); ++i) {
        QWidget* w = m_row->itemAt(i)->widget();
        if (!w) continue;
        bool visible = !w->isHidden();
        if (w == m_more) {
            visible = std::any_of(m_managed.cbegin(), m_managed.cend(),
                                  [](const Managed& m) { return m.secondary && m.wanted && m.out; });
        }
        for (const Managed& m : m_managed)
            if (m.widget == w) visible = m.wanted && !m.out;
        if (!visible) continue;
        // A widget that says it can shrink (an elided name) does so last, down to its minimum.
        const bool shrinks = w->sizePolicy().horizontalPolicy() & QSizePolicy::ShrinkFlag;
        width += minimal && shrinks ? qMax(w->minimumSizeHint().width(), w->minimumWidth())
                                    : qMax(w->sizeHint().width(), w->minimumWidth());
        ++shown;
    }
    return width + qMax(0, shown - 1) * m_row->spacing();
}

void FoldingRow::refit() {
    if (m_fitting) return;
    m_fitting = true;
    for (Managed& m : m_managed)
        m.out = false;
    const int room = width();
    if (widthNeeded(false) > room) {
        for (Managed& m : m_managed)
            m.out = m.secondary;
        for (Managed& m : m_managed) {
            if (m.secondary || widthNeeded(false) <= room) continue;
            m.out = true;
        }
    }
    bool folded = false;
    for (const Managed& m : m_managed) {
        const bool visible = m.wanted && !m.out;
        if (m.widget->isHidden() == visible) m.widget->setVisible(visible);
        folded = folded || (m.secondary && m.wanted && m.out);
    }
    if (m_more->isHidden() == folded) m_more->setVisible(folded);
    m_fitting = false;
}

QSize FoldingRow::minimumSizeHint() const {
    // Everything folded and left out that can be: what is left must fit.
    int width = m_row->contentsMargins().left() + m_row->contentsMargins().right();
    int shown = 0;
    bool anySecondary = false;
    for (int i = 0; i < m_row->count(); ++i) {
        QWidget* w = m_row->itemAt(i)->widget();
        if (!w || w == m_more) continue;
        const auto managed = std::find_if(m_managed.cbegin(), m_managed.cend(),
                                          [w](const Managed& m) { return m.widget == w; });
        if (managed != m_managed.cend()) {
            anySecondary = anySecondary || (managed->secondary && managed->wanted);
            continue;
        }
        if (w->isHidden()) continue;
        const bool shrinks = w->sizePolicy().horizontalPolicy() & QSizePolicy::ShrinkFlag;
        width += shrinks ? qMax(w->minimumSizeHint().width(), w->minimumWidth()) : w->sizeHint().width();
        ++shown;
    }
    if (anySecondary) {
        width += m_more->sizeHint().width();
        ++shown;
    }
    return {width + qMax(0, shown - 1) * m_row->spacing(), m_row->minimumSize().height()};
}

bool FoldingRow::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    // A child's text or visibility changed (LayoutRequest), or the row's width did.
    if (event->type() == QEvent::LayoutRequest || event->type() == QEvent::Resize) refit();
    return handled;
}

void FoldingRow::fillMenu() {
    m_menu->clear();
    for (const Managed& m : m_managed) {
        if (!m.secondary || !m.wanted || !m.out) continue;
        auto* button = qobject_cast<QAbstractButton*>(m.widget);
        QAction* entry = m_menu->addAction(m.menuText, button, &QAbstractButton::click);
        entry->setObjectName(button->objectName() + QStringLiteral(".menu"));
        entry->setEnabled(button->isEnabled());
    }
}
