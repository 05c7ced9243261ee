#pragma once

#include "ui/BrowseModel.h"

#include <QPersistentModelIndex>
#include <QStyledItemDelegate>

class PackageIcons;

// Draws one catalog package (icon, name and owner, two lines of description, counts, and the
// trailing "Update" / "Installed" / "Install") and turns clicks on its button into
// actionClicked. A delegate rather than a widget per row, so thousands of rows scroll freely.
class BrowseRow : public QStyledItemDelegate {
    Q_OBJECT
public:
    BrowseRow(BrowseModel* model, PackageIcons* icons, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;

    // Where a row's button sits, for a row occupying rowRect; empty for "Installed".
    static QRect actionRect(const QRect& rowRect, BrowseModel::Action action);
    // 999 → "999", 1234 → "1.2K", 999999 → "1000.0K", 1000000 → "1.0M".
    static QString compactCount(qint64 n);
    static int rowHeight();

Q_SIGNALS:
    void actionClicked(const QModelIndex& index);

private:
    BrowseModel* m_model;
    PackageIcons* m_icons;
    QPersistentModelIndex m_pressed;
};
