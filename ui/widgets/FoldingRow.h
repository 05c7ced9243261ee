#pragma once

#include <QList>
#include <QWidget>

class QAbstractButton;
class QHBoxLayout;
class QMenu;
class QToolButton;

// A row of controls that cuts none of them. When it is narrower than its controls, the secondary
// buttons move into one "More" menu first; then the labels that can go are left out, the least
// useful first; only then do the widgets with a small minimum of their own (an elided name) shrink.
class FoldingRow : public QWidget {
    Q_OBJECT
public:
    explicit FoldingRow(QWidget* parent = nullptr);

    QHBoxLayout* row() const { return m_row; }
    // Into the row now; into the menu, as `menuText`, when the row runs short.
    void addSecondary(QAbstractButton* button, const QString& menuText);
    // Into the row now; left out, in the order added, when folding alone doesn't make room.
    void addDispensable(QWidget* widget);
    // Whether the owner wants a secondary or dispensable widget at all; the row decides where.
    void setShown(QWidget* widget, bool shown);
    QToolButton* moreButton() const { return m_more; }

    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent* event) override;

private:
    struct Managed {
        QWidget* widget;
        bool secondary;
        QString menuText;
        bool wanted = true;
        bool out = false; // folded into the menu or left out
    };
    void refit();
    int widthNeeded(bool minimal) const;
    void fillMenu();

    QHBoxLayout* m_row;
    QToolButton* m_more;
    QMenu* m_menu;
    QList<Managed> m_managed;
    bool m_fitting = false;
};
