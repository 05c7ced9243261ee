#include "install/InstallError.h"

#include "platform/Fs.h"

namespace InstallError {

SkaldrunError unsupportedFile(const QString& name) {
    return SkaldrunError(name +
                         QStringLiteral(" isn't something I can install — drop a mod .zip, a .dll plugin, "
                                        "a .cfg file, or a mod folder."));
}

SkaldrunError extractFailed(const QString& output) {
    return SkaldrunError(QStringLiteral("Couldn't extract the archive: ") + output);
}

SkaldrunError emptyArchive(const QString& name) {
    return SkaldrunError(name + QStringLiteral(" doesn't seem to contain any mod files."));
}

SkaldrunError savesNotFound(const QString& savesDir) {
    return SkaldrunError(QStringLiteral("Couldn't find any Valheim worlds or characters in %1.")
                             .arg(Fs::displayPath(savesDir)));
}

} // namespace InstallError
