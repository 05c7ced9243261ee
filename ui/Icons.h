#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QString>

// The app's symbols, by the names the views use ("gearshape", "checkmark.circle.fill"...);
// the table that maps them to Breeze icons is ui/CMakeLists.txt.
namespace Icons {

QIcon symbol(const QString& name);
// The symbol drawn in one colour (green checks, orange warnings, the accent).
QIcon tinted(const QString& name, const QColor& color);
QPixmap pixmap(const QString& name, int size, const QColor& color = QColor());
// "{n}.circle": the step number in a thin circle, in the given colour.
QPixmap numberedCircle(int number, int size, const QColor& color);
// The symbol in its own colours, made faint (for large placeholder symbols).
QPixmap faint(const QString& name, int size, qreal opacity = 0.45);

} // namespace Icons
