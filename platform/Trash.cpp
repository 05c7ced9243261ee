#include "platform/Trash.h"

#include "platform/Fs.h"
#include "platform/Log.h"
#include "platform/SkaldrunError.h"

#include <QCoreApplication>
#include <QFile>
#include <QStandardPaths>

namespace Trash {

void moveToTrash(const QString& path) {
    if (!Fs::itemExists(path))
        throw SkaldrunError(
            QCoreApplication::translate("Trash", "Couldn't move to the Trash “%1”: it no longer exists.")
                .arg(Fs::displayPath(path)));
    // Qt's freedesktop trash drops the item into the working directory when the data folder
    // that should hold the Trash is missing; make sure it exists and check where the item went.
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (!dataHome.isEmpty()) {
        try {
            Fs::mkpath(dataHome);
        } catch (const SkaldrunError& e) {
            // Trashing below reports the real problem.
            qCDebug(lcPlatform) << e.message();
        }
    }
    QString whereItWent;
    if (!QFile::moveToTrash(path, &whereItWent))
        throw SkaldrunError((Fs::itemExists(path)
                                 ? QCoreApplication::translate(
                                       "Trash", "Couldn't move to the Trash “%1”: the Trash refused it.")
                                 : QCoreApplication::translate(
                                       "Trash", "Couldn't move to the Trash “%1”: it no longer exists."))
                                .arg(Fs::displayPath(path)));
#ifndef __APPLE__
    if (!dataHome.isEmpty() && !whereItWent.isEmpty() && !whereItWent.startsWith(dataHome) &&
        !whereItWent.contains(QLatin1String("/.Trash"))) {
        // Put it back rather than leave the player's mod somewhere unexpected.
        try {
            Fs::move(whereItWent, path);
        } catch (const SkaldrunError&) {
        }
        throw SkaldrunError(QCoreApplication::translate(
                                "Trash", "Couldn't move to the Trash “%1”: the Trash folder isn't available.")
                                .arg(Fs::displayPath(path)));
    }
#endif
}

} // namespace Trash
