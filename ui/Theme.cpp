#include "ui/Theme.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <QVariant>

namespace Theme {

namespace {

const char* const styleProperty = "skaldrunButtonStyle";

// Sizes of the Mac text styles. A Mac point is one pixel at 1x, so they are set as pixel sizes: as
// point sizes they would come out a third larger on a 96 dpi screen.
int pointSize(TextStyle style) {
    switch (style) {
    case TextStyle::title2:
        return 17;
    case TextStyle::headline:
    case TextStyle::body:
        return 13;
    case TextStyle::callout:
        return 12;
    case TextStyle::caption:
        return 10;
    case TextStyle::caption2:
        return 9;
    }
    return 13;
}

} // namespace

QColor accent() {
    return QColor(0x00, 0x7A, 0xFF);
}
QColor green() {
    return QColor(0x28, 0xA7, 0x45);
}
QColor orange() {
    return QColor(0xFF, 0x95, 0x00);
}
QColor pink() {
    return QColor(0xFF, 0x2D, 0x55);
}
QColor primaryText() {
    return QColor(0, 0, 0, 217);
}
QColor secondaryText() {
    return QColor(0, 0, 0, 128);
}
QColor tertiaryText() {
    return QColor(0, 0, 0, 66);
}
QColor quaternary() {
    return QColor(0, 0, 0, 26);
}
QColor separator() {
    return QColor(0, 0, 0, 26);
}
QColor controlBackground() {
    return QColor(0xFF, 0xFF, 0xFF);
}
QColor windowBackground() {
    return QColor(0xEC, 0xEC, 0xEC);
}

QColor paneSeparator() {
    return QColor(0, 0, 0, 52);
}
QColor hairline() {
    return QColor(0, 0, 0, 40);
}
QColor controlEdge() {
    return QColor(0, 0, 0, 64);
}
QColor faintEdge() {
    return QColor(0, 0, 0, 20);
}
QColor shadow() {
    return QColor(0, 0, 0, 26);
}
QColor track() {
    return QColor(0, 0, 0, 30);
}
QColor fieldFill() {
    return QColor(0, 0, 0, 14);
}
QColor rowHover() {
    return QColor(0, 0, 0, 7);
}
QColor hoverFill() {
    return QColor(0, 0, 0, 18);
}
QColor pressedTint() {
    return QColor(0, 0, 0, 34);
}
QColor pressedFill() {
    return QColor(0xE6, 0xE6, 0xE6);
}
QColor disabledFill() {
    return QColor(255, 255, 255, 140);
}
QColor onAccent() {
    return QColor(0xFF, 0xFF, 0xFF);
}
QColor scroller() {
    return QColor(0, 0, 0, 64);
}
QColor scrollerHover() {
    return QColor(0, 0, 0, 102);
}
QColor toolbarBackground() {
    return QColor(0xF6, 0xF6, 0xF6);
}
QColor toolbarSymbol() {
    return QColor(0x4A, 0x4A, 0x4F);
}

QColor mix(const QColor& from, const QColor& to, qreal t) {
    QColor c;
    c.setRgbF(float(from.redF() + (to.redF() - from.redF()) * t),
              float(from.greenF() + (to.greenF() - from.greenF()) * t),
              float(from.blueF() + (to.blueF() - from.blueF()) * t),
              float(from.alphaF() + (to.alphaF() - from.alphaF()) * t));
    return c;
}

QString css(const QColor& c) {
    return QStringLiteral("rgba(%1, %2, %3, %4)")
        .arg(c.red())
        .arg(c.green())
        .arg(c.blue())
        .arg(c.alphaF(), 0, 'f', 3);
}

void apply(QApplication& app) {
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) app.setStyle(fusion);
    QPalette p = app.style()->standardPalette();
    p.setColor(QPalette::Window, windowBackground());
    p.setColor(QPalette::Base, controlBackground());
    p.setColor(QPalette::AlternateBase, QColor(0xF5, 0xF5, 0xF5));
    p.setColor(QPalette::Text, primaryText());
    p.setColor(QPalette::WindowText, primaryText());
    p.setColor(QPalette::ButtonText, primaryText());
    p.setColor(QPalette::Button, QColor(0xFA, 0xFA, 0xFA));
    p.setColor(QPalette::Highlight, accent());
    p.setColor(QPalette::HighlightedText, onAccent());
    p.setColor(QPalette::Link, accent());
    p.setColor(QPalette::PlaceholderText, tertiaryText());
    p.setColor(QPalette::Disabled, QPalette::ButtonText, tertiaryText());
    p.setColor(QPalette::Disabled, QPalette::Text, tertiaryText());
    p.setColor(QPalette::Disabled, QPalette::WindowText, tertiaryText());
    app.setPalette(p);
    QFont base = app.font();
    base.setPixelSize(pointSize(TextStyle::body));
    app.setFont(base);
}

QFont font(TextStyle style, QFont::Weight weight) {
    QFont f = QApplication::font();
    f.setPixelSize(pointSize(style));
    if (style == TextStyle::headline && weight == QFont::Normal) weight = QFont::DemiBold;
    f.setWeight(weight);
    return f;
}

QFont monospaced(int pointSize) {
    QFont f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    f.setPixelSize(pointSize);
    return f;
}

void style(QLabel* label, TextStyle textStyle, const QColor& color, QFont::Weight weight) {
    label->setFont(font(textStyle, weight));
    if (color.isValid()) {
        QPalette p = label->palette();
        p.setColor(QPalette::WindowText, color);
        p.setColor(QPalette::Text, color);
        label->setPalette(p);
    }
}

void setButtonStyle(QAbstractButton* button, ButtonStyle buttonStyle) {
    const QVariant current = button->property(styleProperty);
    if (current.isValid() && ButtonStyle(current.toInt()) == buttonStyle) return;
    button->setProperty(styleProperty, int(buttonStyle));
    QString sheet;
    switch (buttonStyle) {
    case ButtonStyle::automatic:
    case ButtonStyle::bordered:
        // The Mac's bordered push button: white, a hairline border a shade darker at the bottom.
        sheet = QStringLiteral("QPushButton { background: %1; color: %2; border: 1px solid %3;"
                               " border-bottom-color: %4; border-radius: 5px; padding: 3px 10px; }"
                               "QPushButton:pressed { background: %5; }"
                               "QPushButton:disabled { color: %6; background: %7; border-color: %8; }")
                    .arg(css(controlBackground()), css(primaryText()), css(hairline()), css(controlEdge()),
                         css(pressedFill()), css(tertiaryText()), css(disabledFill()), css(faintEdge()));
        break;
    case ButtonStyle::prominent:
        sheet = QStringLiteral(
                    "QPushButton { background: %1; color: %5; border: 1px solid %2; border-radius: 5px;"
                    " padding: 3px 10px; font-weight: 500; }"
                    "QPushButton:pressed { background: %2; }"
                    "QPushButton:disabled { background: %3; color: %4; border-color: %3; }")
                    .arg(css(accent()), css(accent().darker(120)), css(quaternary()), css(tertiaryText()),
                         css(onAccent()));
        break;
    case ButtonStyle::borderless:
        sheet = QStringLiteral("QAbstractButton { border: none; background: transparent; padding: 2px; }"
                               "QAbstractButton:pressed { background: %1; border-radius: 4px; }")
                    .arg(css(quaternary()));
        break;
    case ButtonStyle::link:
        sheet = QStringLiteral(
                    "QAbstractButton { border: none; background: transparent; color: %1; padding: 2px; }"
                    "QAbstractButton:disabled { color: %2; }")
                    .arg(css(accent()), css(tertiaryText()));
        break;
    }
    button->setStyleSheet(sheet);
    if (buttonStyle == ButtonStyle::borderless || buttonStyle == ButtonStyle::link)
        button->setCursor(Qt::PointingHandCursor);
    else
        button->unsetCursor();
}

ButtonStyle buttonStyle(const QAbstractButton* button) {
    const QVariant v = button->property(styleProperty);
    return v.isValid() ? ButtonStyle(v.toInt()) : ButtonStyle::automatic;
}

void setSmall(QWidget* control) {
    QFont f = control->font();
    f.setPixelSize(pointSize(TextStyle::callout));
    control->setFont(f);
}

} // namespace Theme
