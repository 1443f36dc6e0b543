#include "childreport.h"

#include "processmeasures.h"

#include <cstdio>

namespace scribel::bench {

void ChildReport::mark(const char* name) {
    m_marks.emplace_back(name, monotonicNanoseconds());
}

void ChildReport::sample(const char* name, std::int64_t wallNanoseconds,
                         std::int64_t cpuNanoseconds) {
    m_samples.push_back({name, wallNanoseconds, cpuNanoseconds});
}

void ChildReport::print() const {
    for (const auto& [name, at] : m_marks) {
        std::printf("mark %s %lld\n", name, static_cast<long long>(at));
    }
    for (const Sample& sample : m_samples) {
        std::printf("sample %s %lld %lld\n", sample.name, static_cast<long long>(sample.wall),
                    static_cast<long long>(sample.cpu));
    }
    if (m_size.isValid()) {
        std::printf("size %d %d\n", m_size.width(), m_size.height());
    }
    std::printf("cpu %lld\n", static_cast<long long>(cpuNanoseconds()));
    std::printf("peak %lld\n", static_cast<long long>(peakResidentKibibytes()));
    std::fflush(stdout);
}

} // namespace scribel::bench
