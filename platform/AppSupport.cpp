#include "platform/AppSupport.h"

#include "platform/Fs.h"
#include "platform/Log.h"
#include "platform/SkaldrunError.h"

#include <QStandardPaths>

namespace AppSupport {

QString dir() {
    return Fs::join(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
                    QStringLiteral("Skaldrun"));
}

QString ensureDir() {
    QString d = dir();
    try {
        Fs::mkpath(d);
    } catch (const SkaldrunError& e) {
        // Whoever writes into it reports the failure the player sees.
        qCDebug(lcPlatform) << e.message();
    }
    return d;
}

} // namespace AppSupport
