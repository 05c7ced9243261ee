#include "ui/AppTitle.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFontDatabase>

namespace AppTitle {

QString name() {
    return QStringLiteral("Skaldrun");
}

QString version() {
    const QString v = QCoreApplication::applicationVersion();
    return v.isEmpty() ? QStringLiteral("1.0") : v;
}

QFont font(int pointSize) {
    QFont f;
    f.setFamilies({fontFamily});
    // A missing title font falls back by hint: a serif reads closer to the carved look than the UI face.
    f.setStyleHint(QFont::Serif);
    f.setPixelSize(pointSize); // Mac points, like the rest of the type (see Theme)
    return f;
}

bool registerFont() {
    const QString appDir = QCoreApplication::applicationDirPath();
    const QStringList candidates = {QStringLiteral(":/fonts/") + fontFileName,
                                    QDir(appDir).filePath(QStringLiteral("../Resources/") + fontFileName),
                                    QDir(appDir).filePath(fontFileName)};
    for (const QString& path : candidates) {
        if (QFile::exists(path)) return QFontDatabase::addApplicationFont(path) >= 0;
    }
    return false;
}

} // namespace AppTitle
