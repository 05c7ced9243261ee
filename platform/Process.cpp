#include "platform/Process.h"

#include "platform/Fs.h"

#include <QProcess>

namespace Process {

Result run(const QString& program, const QStringList& arguments) {
    Result result;
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setProgram(program);
    process.setArguments(arguments);
    process.start(QIODevice::ReadOnly);
    if (!process.waitForStarted(-1)) {
        result.out = process.errorString();
        if (result.out.isEmpty())
            result.out = QStringLiteral("Couldn't start %1").arg(program);
        return result;
    }
    QByteArray output;
    while (process.waitForReadyRead(-1))
        output += process.readAll();
    process.waitForFinished(-1);
    output += process.readAll();
    result.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = Fs::decodeUtf8(output).value_or(QString());
    return result;
}

} // namespace Process
