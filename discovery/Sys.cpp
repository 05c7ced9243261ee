#include "discovery/Sys.h"

#include "platform/Fs.h"
#include "platform/Process.h"

#include <QStringDecoder>

#include <cstring>
#include <sys/utsname.h>

namespace Sys {

namespace {

QString machineName() {
    if (qEnvironmentVariableIsSet("SKALDRUN_MACHINE")) return qEnvironmentVariable("SKALDRUN_MACHINE");
    struct utsname info;
    if (::uname(&info) != 0) return {};
    const size_t length = strnlen(info.machine, sizeof info.machine);
    QStringDecoder decoder(QStringDecoder::Utf8);
    return decoder.decode(QByteArrayView(info.machine, qsizetype(length)));
}

} // namespace

bool isAppleSilicon() {
    return machineName().contains(QLatin1String("arm64"));
}

bool rosettaInstalled() {
    if (Fs::exists(rosettaMarker)) return true;
    return run(QStringLiteral("/usr/bin/arch"), {QStringLiteral("-x86_64"), QStringLiteral("/usr/bin/true")})
               .code == 0;
}

RunResult run(const QString& path, const QStringList& args) {
    const Process::Result result = Process::run(path, args);
    return RunResult{result.code, result.out};
}

QString shortPath(const QString& path) {
    return Fs::displayPath(path);
}

} // namespace Sys
