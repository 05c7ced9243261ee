#include "platform/Process.h"

#include <sys/proc.h>
#include <sys/sysctl.h>
#include <sys/types.h>

namespace Process {

std::optional<quint64> startTime(qint64 pid) {
    if (pid <= 0) return std::nullopt;
    int request[4] = {CTL_KERN, KERN_PROC, KERN_PROC_PID, int(pid)};
    struct kinfo_proc info {};
    size_t size = sizeof info;
    if (::sysctl(request, 4, &info, &size, nullptr, 0) != 0 || size == 0) return std::nullopt;
    if (info.kp_proc.p_stat == SZOMB) return std::nullopt;
    const struct timeval& started = info.kp_proc.p_starttime;
    return quint64(started.tv_sec) * 1000000u + quint64(started.tv_usec);
}

} // namespace Process
