#pragma once

#include <QFont>
#include <QString>

// The app's display name, its version text and the title font of the window's toolbar.
namespace AppTitle {

inline const QString fontFamily = QStringLiteral("Dumbledor1Thin");
inline const QString fontFileName = QStringLiteral("dum1thin.ttf");

QString name();    // "Skaldrun"
QString version(); // the application's version, or "1.0" when none is set
// The title font at the given point size. Without the bundled font file the platform's
// fallback font stands in, silently.
QFont font(int pointSize);
// Registers the bundled title font for this process when the app ships one (a Qt resource, or a
// file beside the executable or in the bundle's Resources folder). Returns whether it did.
bool registerFont();

} // namespace AppTitle
