#include "processmeasures.h"

#include <sys/resource.h>
#include <time.h>

namespace scribel::bench {

std::int64_t monotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

namespace {

std::int64_t nanoseconds(const timeval& time) {
    return std::int64_t{time.tv_sec} * 1'000'000'000 + std::int64_t{time.tv_usec} * 1'000;
}

rusage ownUsage() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage;
}

} // namespace

std::int64_t cpuNanoseconds() {
    const rusage usage = ownUsage();
    return nanoseconds(usage.ru_utime) + nanoseconds(usage.ru_stime);
}

std::int64_t peakResidentKibibytes() {
    return ownUsage().ru_maxrss; // KiB on Linux
}

} // namespace scribel::bench
