#include "platform/Process.h"

#include "platform/Fs.h"

namespace Process {

std::optional<quint64> startTime(qint64 pid) {
    if (pid <= 0) return std::nullopt;
    const auto stat = Fs::tryRead(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat) return std::nullopt;
    // The program's name, in parentheses, may hold blanks and parentheses itself, so fields are
    // counted from the last ")": the state is the 3rd, the start time (clock ticks since boot)
    // the 22nd.
    const qsizetype close = stat->lastIndexOf(')');
    if (close < 0) return std::nullopt;
    const QList<QByteArray> fields = stat->mid(close + 2).split(' ');
    if (fields.size() < 20) return std::nullopt;
    const QByteArray& state = fields.at(0);
    if (state == "Z" || state == "X") return std::nullopt;
    bool ok = false;
    const quint64 ticks = fields.at(19).toULongLong(&ok);
    if (!ok) return std::nullopt;
    return ticks;
}

} // namespace Process
