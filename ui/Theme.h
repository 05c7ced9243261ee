#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QAbstractButton;
class QApplication;
class QLabel;
class QWidget;

// The look shared by every view: the palette, the semantic colours and type sizes of the Mac
// design, and the few button styles the panes choose between at run time.
namespace Theme {

// Fusion with a light, Mac-like palette, so the app looks the same on every system.
void apply(QApplication& app);

// --- Colours ---
QColor accent();
QColor green();
QColor orange();
QColor pink();
QColor primaryText();
QColor secondaryText();
QColor tertiaryText();
QColor quaternary(); // faint fills and placeholder icons
QColor separator();
QColor controlBackground(); // cards, capsules
QColor windowBackground();
QString css(const QColor& color); // "rgba(r, g, b, a)" for style sheets

// --- Type ---
enum class TextStyle { title2, headline, body, callout, caption, caption2 };
QFont font(TextStyle style, QFont::Weight weight = QFont::Normal);
QFont monospaced(int pointSize);
// Sets a label's font and colour in one go.
void style(QLabel* label, TextStyle style, const QColor& color = QColor(),
           QFont::Weight weight = QFont::Normal);

// --- Buttons (chosen at run time, like the panes' button-style switch) ---
enum class ButtonStyle {
    automatic, // the platform's default push button
    bordered,  // a plain bordered button
    prominent, // filled with the accent colour: the recommended next action
    borderless,
    link, // borderless, text in the accent colour
};
void setButtonStyle(QAbstractButton* button, ButtonStyle style);
ButtonStyle buttonStyle(const QAbstractButton* button);
void setSmall(QWidget* control); // the small control size of the steps' control areas

} // namespace Theme
