#include "platform/Platform.h"

#include <QSysInfo>

namespace Platforms {

Platform ofThisMachine() {
    const QString named = qEnvironmentVariable("SKALDRUN_PLATFORM");
    if (named == QLatin1String("mac")) return Platform::macOS;
    if (named == QLatin1String("linux")) return Platform::linuxOS;
    return QSysInfo::kernelType() == QLatin1String("darwin") ? Platform::macOS : Platform::linuxOS;
}

} // namespace Platforms
