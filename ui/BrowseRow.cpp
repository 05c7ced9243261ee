#include "ui/BrowseRow.h"

#include "ui/Icons.h"
#include "ui/PackageIcons.h"
#include "ui/Theme.h"

#include <QAbstractItemView>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTextLayout>

namespace {

constexpr int cardMargin = 12; // the inset list's distance from the view's edges
constexpr int padding = 12;    // inside the card
constexpr int cornerRadius = 9;

QFont nameFont() {
    return Theme::font(Theme::TextStyle::body, QFont::Medium);
}
QFont smallFont() {
    return Theme::font(Theme::TextStyle::caption);
}
QFont buttonFont() {
    return Theme::font(Theme::TextStyle::callout, QFont::Medium);
}

QString actionTitle(BrowseModel::Action action) {
    switch (action) {
    case BrowseModel::Action::update:
        return BrowseRow::tr("Update");
    case BrowseModel::Action::install:
        return BrowseRow::tr("Install");
    case BrowseModel::Action::installed:
        return BrowseRow::tr("Installed");
    }
    return {};
}

// The player's decimal mark, but no thousands separator: the row's short counts stay as narrow as
// in English.
QLocale countLocale() {
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale;
}

QRect cardRect(const QRect& rowRect) {
    return rowRect.adjusted(cardMargin, 0, -cardMargin, 0);
}

} // namespace

BrowseRow::BrowseRow(BrowseModel* model, PackageIcons* icons, QObject* parent)
    : QStyledItemDelegate(parent), m_model(model), m_icons(icons) {}

QString BrowseRow::compactCount(qint64 n) {
    const QLocale locale = countLocale();
    if (n < 1000) return locale.toString(n);
    if (n < 1000000) return tr("%1K").arg(locale.toString(double(n) / 1000.0, 'f', 1));
    return tr("%1M").arg(locale.toString(double(n) / 1000000.0, 'f', 1));
}

int BrowseRow::rowHeight() {
    const QFontMetrics name(nameFont());
    const QFontMetrics small(smallFont());
    return 10 + name.height() + 2 + 2 * small.lineSpacing() + 3 + small.height() + 10;
}

QRect BrowseRow::actionRect(const QRect& rowRect, BrowseModel::Action action) {
    if (action == BrowseModel::Action::installed) return {};
    const QFontMetrics fm(buttonFont());
    // Both buttons share one width, so "Install" and "Update" line up down the list.
    const int width = std::max(fm.horizontalAdvance(actionTitle(BrowseModel::Action::install)),
                               fm.horizontalAdvance(actionTitle(BrowseModel::Action::update))) +
                      24;
    const int height = fm.height() + 8;
    const QRect card = cardRect(rowRect);
    return {card.right() - padding - width + 1, rowRect.center().y() - height / 2, width, height};
}

QSize BrowseRow::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const {
    // As narrow as can be: the list stretches rows to its width, and never scrolls sideways.
    return {1, rowHeight()};
}

void BrowseRow::paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const int row = index.row();
    const TSPackage& pkg = m_model->package(row);
    const QRect rect = option.rect;
    const QRect card = cardRect(rect);
    const bool first = row == 0;
    const bool last = row == m_model->rowCount() - 1;

    p->save();
    p->setRenderHint(QPainter::Antialiasing);

    // The card: this row's slice, rounded only where the list starts and ends.
    {
        QRectF shape = card;
        if (!first) shape.setTop(shape.top() - cornerRadius * 2);
        if (!last) shape.setBottom(shape.bottom() + cornerRadius * 2);
        p->save();
        p->setClipRect(card);
        p->setPen(Qt::NoPen);
        p->setBrush(Theme::controlBackground());
        p->drawRoundedRect(shape, cornerRadius, cornerRadius);
        if (option.state & QStyle::State_MouseOver) {
            p->setBrush(Theme::rowHover());
            p->drawRoundedRect(shape, cornerRadius, cornerRadius);
        }
        p->restore();
    }

    const QRect icon(card.left() + padding, rect.center().y() - PackageIcons::side / 2, PackageIcons::side,
                     PackageIcons::side);
    if (const QPixmap* pixmap = m_icons->icon(pkg.iconURL)) {
        p->drawPixmap(icon, *pixmap);
    } else {
        QColor faint = Theme::quaternary();
        faint.setAlphaF(faint.alphaF() * 0.5);
        p->setPen(Qt::NoPen);
        p->setBrush(faint);
        p->drawRoundedRect(QRectF(icon), 6, 6);
    }

    const BrowseModel::Action action = m_model->action(row);
    const bool enabled = m_model->actionsEnabled();
    const QFont small = smallFont();
    const QFontMetrics smallMetrics(small);
    const QFont name = nameFont();
    const QFontMetrics nameMetrics(name);

    // The trailing control.
    int textRight;
    if (action == BrowseModel::Action::installed) {
        const QFont labelFont = Theme::font(Theme::TextStyle::callout, QFont::Medium);
        const QFontMetrics fm(labelFont);
        const QString text = actionTitle(action);
        const int w = fm.horizontalAdvance(text);
        const int right = card.right() - padding;
        const QRect textRect(right - w + 1, rect.top(), w, rect.height());
        const QRect mark(textRect.left() - 18, rect.center().y() - 7, 14, 14);
        p->drawPixmap(mark, Icons::pixmap(QStringLiteral("checkmark.circle.fill"), 14, Theme::green()));
        p->setFont(labelFont);
        p->setPen(Theme::green());
        p->drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft, text);
        textRight = mark.left() - 14;
    } else {
        const QRect button = actionRect(rect, action);
        const bool pressed = enabled && m_pressed.isValid() && m_pressed.row() == row;
        p->save();
        if (!enabled) p->setOpacity(0.45);
        const QRectF shape = QRectF(button).adjusted(0.5, 0.5, -0.5, -0.5);
        if (action == BrowseModel::Action::update) {
            p->setPen(Qt::NoPen);
            p->setBrush(pressed ? Theme::accent().darker(115) : Theme::accent());
            p->drawRoundedRect(shape, 6, 6);
            p->setPen(Theme::onAccent());
        } else {
            p->setPen(Qt::NoPen);
            p->setBrush(Theme::shadow());
            p->drawRoundedRect(shape.translated(0, 0.8), 6, 6);
            p->setPen(QPen(Theme::hairline(), 1));
            p->setBrush(pressed ? Theme::pressedFill() : Theme::controlBackground());
            p->drawRoundedRect(shape, 6, 6);
            p->setPen(Theme::primaryText());
        }
        p->setFont(buttonFont());
        p->drawText(button, Qt::AlignCenter, actionTitle(action));
        p->restore();
        textRight = button.left() - 14;
    }

    // The text column, centred as a block.
    const int left = icon.right() + 1 + 12;
    const int width = std::max(40, textRight - left);
    const int blockHeight =
        nameMetrics.height() + 2 + 2 * smallMetrics.lineSpacing() + 3 + smallMetrics.height();
    int y = rect.top() + (rect.height() - blockHeight) / 2;

    // Name, then "by owner" in small secondary type.
    // Elided against the room there is: a name measured to its own (rounded) width can come out
    // a hair wider when shaped and lose its last letters for nothing.
    const QString title = nameMetrics.elidedText(pkg.prettyName(), Qt::ElideRight, width);
    const int nameWidth = std::min(nameMetrics.horizontalAdvance(title), width);
    p->setFont(name);
    p->setPen(Theme::primaryText());
    p->drawText(QRect(left, y, width, nameMetrics.height()), Qt::AlignLeft | Qt::AlignVCenter, title);
    const int byLeft = left + nameWidth + 5;
    if (width - (byLeft - left) > 24) {
        const int byWidth = width - (byLeft - left);
        p->setFont(small);
        p->setPen(Theme::secondaryText());
        p->drawText(QRect(byLeft, y, byWidth, nameMetrics.height()), Qt::AlignLeft | Qt::AlignVCenter,
                    smallMetrics.elidedText(tr("by %1").arg(pkg.owner), Qt::ElideRight, byWidth));
    }
    y += nameMetrics.height() + 2;

    // At most two lines of description; the second ends in an ellipsis when there is more.
    p->setFont(small);
    p->setPen(Theme::secondaryText());
    const QString description = pkg.description.simplified();
    if (!description.isEmpty()) {
        QTextLayout layout(description, small);
        layout.beginLayout();
        QTextLine line = layout.createLine();
        line.setLineWidth(width);
        const QString firstLine = description.mid(line.textStart(), line.textLength());
        const QString rest = description.mid(line.textStart() + line.textLength()).trimmed();
        layout.endLayout();
        p->drawText(QRect(left, y, width, smallMetrics.lineSpacing()), Qt::AlignLeft | Qt::AlignVCenter,
                    firstLine.trimmed());
        if (!rest.isEmpty())
            p->drawText(QRect(left, y + smallMetrics.lineSpacing(), width, smallMetrics.lineSpacing()),
                        Qt::AlignLeft | Qt::AlignVCenter,
                        smallMetrics.elidedText(rest, Qt::ElideRight, width));
    }
    y += 2 * smallMetrics.lineSpacing() + 3;

    // Downloads, rating, version.
    const int iconSize = smallMetrics.height() - 3;
    int x = left;
    const auto count = [&](const QString& symbol, const QString& text) {
        if (!symbol.isEmpty()) {
            p->drawPixmap(QRect(x, y + (smallMetrics.height() - iconSize) / 2, iconSize, iconSize),
                          Icons::pixmap(symbol, iconSize, Theme::secondaryText()));
            x += iconSize + 3;
        }
        const int w = smallMetrics.horizontalAdvance(text);
        p->drawText(QRect(x, y, std::max(0, std::min(w, left + width - x)), smallMetrics.height()),
                    Qt::AlignLeft | Qt::AlignVCenter, text);
        x += w + 12;
    };
    count(QStringLiteral("arrow.down.circle"), compactCount(pkg.totalDownloads));
    count(QStringLiteral("heart"), countLocale().toString(pkg.rating));
    count(QString(), QStringLiteral("v") + pkg.version);
    // The repository it comes from, as a small badge where there is room.
    const QString badge = Repository::sourceName(pkg.source);
    const int badgeWidth = smallMetrics.horizontalAdvance(badge) + 10;
    if (x + badgeWidth <= left + width) {
        const QRect pill(x, y, badgeWidth, smallMetrics.height());
        p->setRenderHint(QPainter::Antialiasing, true);
        p->setPen(QPen(Theme::separator(), 1));
        p->setBrush(Qt::NoBrush);
        p->drawRoundedRect(QRectF(pill).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
        p->setPen(Theme::secondaryText());
        p->drawText(pill, Qt::AlignCenter, badge);
    }

    if (!last) {
        p->setRenderHint(QPainter::Antialiasing, false);
        p->setPen(QPen(Theme::separator(), 1));
        p->drawLine(left, rect.bottom(), card.right() - padding, rect.bottom());
    }
    p->restore();
}

bool BrowseRow::editorEvent(QEvent* event, QAbstractItemModel*, const QStyleOptionViewItem& option,
                            const QModelIndex& index) {
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
        type != QEvent::MouseButtonDblClick)
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton) return false;
    const BrowseModel::Action action = m_model->action(index.row());
    const QRect button = actionRect(option.rect, action);
    const bool inside = !button.isEmpty() && button.contains(mouse->position().toPoint());
    auto* view = const_cast<QWidget*>(option.widget);
    if (type == QEvent::MouseButtonRelease) {
        const bool hit = inside && m_pressed.isValid() && m_pressed == index;
        m_pressed = QPersistentModelIndex();
        if (view) view->update();
        if (hit && m_model->actionsEnabled()) Q_EMIT actionClicked(index);
        return hit;
    }
    if (!inside || !m_model->actionsEnabled()) return false;
    m_pressed = index;
    if (view) view->update();
    return true;
}
