#include "install/InstallError.h"

namespace InstallError {

SkaldrunError unsupportedFile(const QString& name) {
    return SkaldrunError(
        name + QStringLiteral(" isn't something I can install — drop a mod .zip, a .dll plugin, "
                              "a .cfg file, or a mod folder."),
        ErrorKind::unsupportedFile);
}

SkaldrunError extractFailed(const QString& output) {
    return SkaldrunError(QStringLiteral("Couldn't extract the archive: ") + output, ErrorKind::extractFailed);
}

SkaldrunError emptyArchive(const QString& name) {
    return SkaldrunError(name + QStringLiteral(" doesn't seem to contain any mod files."),
                         ErrorKind::emptyArchive);
}

SkaldrunError savesNotFound() {
    return SkaldrunError(
        QStringLiteral("Couldn't find any Valheim worlds or characters in ~/Library/Application "
                       "Support/IronGate/Valheim."),
        ErrorKind::savesNotFound);
}

} // namespace InstallError
