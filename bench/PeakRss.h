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
