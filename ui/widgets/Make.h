#pragma once

#include "ui/Theme.h"

#include <QColor>
#include <QFont>
#include <QString>

class QAbstractScrollArea;
class QLabel;
class QProgressBar;
class QPushButton;
class QWidget;

// Qt's plain widgets made up in the app's look, named for the tests and the accessibility tree.
namespace Make {

QLabel* label(QWidget* parent, const QString& objectName, Theme::TextStyle style,
              const QColor& color = QColor(), QFont::Weight weight = QFont::Normal, bool wrap = false);
// A symbol as a fixed-size picture; its name stays readable in the "symbol" property.
QLabel* symbolLabel(QWidget* parent, const QString& symbol, int size, const QColor& color = QColor());
// A push button in one of the theme's styles, its text shown as written.
QPushButton* style(QPushButton* button, Theme::ButtonStyle style,
                   Theme::ControlSize size = Theme::ControlSize::regular);
QPushButton* button(QWidget* parent, const QString& objectName, const QString& text, Theme::ButtonStyle style,
                    Theme::ControlSize size = Theme::ControlSize::regular);
// A thin rounded bar in the accent colour on a faint track, without a percentage.
QProgressBar* progressBar(QWidget* parent, const QString& objectName, QSize size);
// A thin vertical scroll bar without arrows, like the system's overlay scrollers; no horizontal one.
void slimScrollBars(QAbstractScrollArea* area);

} // namespace Make
