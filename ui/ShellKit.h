#pragma once

#include <QObject>

#include <functional>

#include "ui/Theme.h"

#include <QDateTime>
#include <QFont>
#include <QLabel>
#include <QLocale>
#include <QPixmap>
#include <QString>

class QAbstractButton;
class QFrame;
class QMessageBox;
class QPushButton;
class QWidget;

// Small pieces the window, the steps pane and the settings sheet share.
namespace ShellKit {

// Runs a view's render once per burst of model changes, on the next pass of the event loop: a
// refresh assigns many properties in a row, and the view should redraw once for all of them.
// A member of the view it renders, so it never outlives it.
class DeferredRender {
public:
    DeferredRender(QObject* owner, std::function<void()> render)
        : m_owner(owner), m_render(std::move(render)) {}
    void schedule() {
        if (m_pending) return;
        m_pending = true;
        QMetaObject::invokeMethod(
            m_owner,
            [this] {
                m_pending = false;
                m_render();
            },
            Qt::QueuedConnection);
    }

private:
    QObject* m_owner;
    std::function<void()> m_render;
    bool m_pending = false;
};

// A date as "medium date, short time" in the given locale: "Dec 5, 2024, 3:04 PM" in en_US.
QString mediumDateTime(const QDateTime& when, const QLocale& locale = QLocale::system());

// The symbol name of a step's mark: "checkmark.circle.fill" when done, else "{n}.circle".
QString markSymbol(int number, bool done);
QPixmap markPixmap(int number, bool done, int size);

// A one-pixel line in the separator colour.
QFrame* divider(QWidget* parent);
QLabel* label(QWidget* parent, const QString& objectName, Theme::TextStyle style,
              const QColor& color = QColor(), QFont::Weight weight = QFont::Normal, bool wrap = false);
QLabel* symbolLabel(QWidget* parent, const QString& symbol, int size, const QColor& color = QColor());
// Text from outside (names, versions, paths, error texts) as a tool tip: Qt renders a tip that
// looks like markup as rich text, so such a one is escaped to show as written.
QString plainToolTip(const QString& text);
// Sets a message box's informative text as written: Qt shows it as rich text, links live.
void setPlainInformativeText(QMessageBox* box, const QString& text);
// A button label shown as written: "&" would otherwise mark a keyboard mnemonic.
QString buttonText(const QString& text);
QPushButton* button(QWidget* parent, const QString& objectName, const QString& text,
                    Theme::ButtonStyle style);
// Theme::setButtonStyle, with the plain styles drawn as the Mac's white bordered button.
void setButtonStyle(QAbstractButton* button, Theme::ButtonStyle style);
// Changes a button's style only when it differs: restyling is costly and the panes re-render often.
void restyle(QAbstractButton* button, Theme::ButtonStyle style);
// Thin, Mac-like scroll bars for a scroll area's vertical bar.
QString scrollBarSheet();

// One line of text that ends in "…" when the label is narrower than the text, and never asks
// for more width than a few characters.
class ElidedLabel : public QLabel {
public:
    explicit ElidedLabel(QWidget* parent = nullptr);
    void setFullText(const QString& text);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void refit();
    QString m_full;
};

} // namespace ShellKit
