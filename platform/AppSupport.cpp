#include "platform/AppSupport.h"

#include "platform/Fs.h"
#include "platform/SkaldrunError.h"

#include <QStandardPaths>

namespace AppSupport {

QString dir() {
    return Fs::join(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
                    QStringLiteral("Skaldrun"));
}

QString ensureDir() {
    const QString d = dir();
    try {
        Fs::mkpath(d);
    } catch (const SkaldrunError&) {
    }
    return d;
}

} // namespace AppSupport
