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
QColor paneSeparator(); // the line between areas of a pane: the separator is tuned for strokes on white
QColor hairline();      // borders of controls and bars, the splitter
QColor controlEdge();   // the lower border of a bordered button, a shade darker
QColor faintEdge();     // borders of fields and cards
QColor shadow();        // under raised knobs, pills and buttons
QColor track();         // the empty part of a progress bar, a switch turned off
QColor fieldFill();     // search fields, the segmented picker's track
QColor rowHover();      // a list row under the pointer
QColor hoverFill();     // a toolbar button under the pointer
QColor pressedTint();   // a toolbar button held down
QColor pressedFill();   // a white button held down
QColor disabledFill();  // a white button that can't be pressed
QColor onAccent();      // text on an accent fill
QColor scroller();      // the thumb of a scroll bar
QColor scrollerHover();
QColor toolbarBackground();
QColor toolbarSymbol();
// The colour a share `t` (0…1) of the way from `from` to `to`, alpha included.
QColor mix(const QColor& from, const QColor& to, qreal t);
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
    automatic, // the default push button: drawn bordered
    bordered,  // the Mac's white bordered button
    prominent, // filled with the accent colour: the recommended next action
    borderless,
    link, // borderless, text in the accent colour
};
enum class ControlSize { regular, small };
// Does nothing when the button has the style already: restyling is costly and the panes re-render often.
void setButtonStyle(QAbstractButton* button, ButtonStyle style);
ButtonStyle buttonStyle(const QAbstractButton* button);
void setSmall(QWidget* control); // the small control size of the steps' control areas

} // namespace Theme
