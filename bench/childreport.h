#pragma once

#include <QSize>
#include <cstdint>
#include <utility>
#include <vector>

namespace scribel::bench {

// What a child process tells the benchmark on its standard output, one line each:
//   mark NAME NANOSECONDS    a moment on the monotonic clock
//   sample NAME WALL CPU     one run of an operation: its duration and processor time, in ns
//   size WIDTH HEIGHT        the window's size in pixels
//   cpu NANOSECONDS          the processor time the process has used
//   peak KIB                 the process's peak resident memory
// Everything is kept until print(), so that writing costs nothing while measuring.
class ChildReport final {
public:
    void mark(const char* name);
    void sample(const char* name, std::int64_t wallNanoseconds, std::int64_t cpuNanoseconds);
    void size(QSize pixels) { m_size = pixels; }

    // Writes every line, the processor time and peak memory as they are now last.
    void print() const;

private:
    std::vector<std::pair<const char*, std::int64_t>> m_marks;
    struct Sample {
        const char* name;
        std::int64_t wall;
        std::int64_t cpu;
    };
    std::vector<Sample> m_samples;
    QSize m_size;
};

} // namespace scribel::bench
