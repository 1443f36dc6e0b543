#pragma once

#include <cstdint>

namespace scribel::bench {

// Nanoseconds on the system's monotonic clock. Every process reads the same clock, so a
// child's timestamps compare with the moment its parent started it.
std::int64_t monotonicNanoseconds();

// The processor time this process has used so far, user and system, in nanoseconds.
std::int64_t cpuNanoseconds();

// The most resident memory this process has held so far, in KiB.
std::int64_t peakResidentKibibytes();

} // namespace scribel::bench
