#include "install/InstallError.h"

#include "platform/Fs.h"

#include <QCoreApplication>

namespace InstallError {

SkaldrunError unsupportedFile(const QString& name) {
    return SkaldrunError(QCoreApplication::translate(
                             "InstallError", "%1 isn't something I can install — drop a mod .zip, a .dll "
                                             "plugin, a .cfg file, or a mod folder.")
                             .arg(name));
}

SkaldrunError extractFailed(const QString& output) {
    return SkaldrunError(
        QCoreApplication::translate("InstallError", "Couldn't extract the archive: %1").arg(output));
}

SkaldrunError emptyArchive(const QString& name) {
    return SkaldrunError(
        QCoreApplication::translate("InstallError", "%1 doesn't seem to contain any mod files.").arg(name));
}

SkaldrunError savesNotFound(const QString& savesDir) {
    return SkaldrunError(
        QCoreApplication::translate("InstallError", "Couldn't find any Valheim worlds or characters in %1.")
            .arg(Fs::displayPath(savesDir)));
}

} // namespace InstallError
