#pragma once

#include <sys/resource.h>

// The process's peak resident memory so far, in MB; the memory benchmarks print it last.
inline double peakRssMb() {
    struct rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
#ifdef __APPLE__
    return double(usage.ru_maxrss) / (1024.0 * 1024.0); // bytes
#else
    return double(usage.ru_maxrss) / 1024.0; // kilobytes
#endif
}

// The processor time all of the process's threads have used so far, in ms: on a shared, busy
// machine it says what a change saved where the wall-clock figures mostly measure the others.
inline double cpuMs() {
    struct rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& t) { return double(t.tv_sec) * 1000.0 + double(t.tv_usec) / 1000.0; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}
