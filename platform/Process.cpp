#include "platform/Process.h"

#include "platform/Fs.h"

#include <QCoreApplication>
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
            result.out = QCoreApplication::translate("Process", "Couldn't start %1").arg(program);
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

Started startDetached(const QString& program, const QStringList& arguments, const QString& workingDir) {
    Started started;
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setWorkingDirectory(workingDir);
    qint64 pid = 0;
    if (process.startDetached(&pid) && pid > 0) {
        started.process = {pid, startTime(pid)};
    } else {
        started.error = process.errorString();
        if (started.error.isEmpty() || started.error == QLatin1String("Unknown error"))
            started.error = QCoreApplication::translate("Process", "%1 couldn't be started").arg(program);
    }
    return started;
}

bool isRunning(const Handle& process) {
    if (process.pid <= 0 || !process.startTime) return false;
    return startTime(process.pid) == process.startTime;
}

QString shellQuoted(const QString& text) {
    QString quoted;
    quoted.reserve(text.size() + 2);
    quoted += QLatin1Char('"');
    for (const QChar c : text) {
        if (c == QLatin1Char('"') || c == QLatin1Char('\\') || c == QLatin1Char('$') || c == QLatin1Char('`'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    quoted += QLatin1Char('"');
    return quoted;
}

} // namespace Process
