#pragma once

#include <cstddef>

namespace scribel {

// A read-only view of one of the sheet's constant tables, handed over as the array it is.
template <typename Row> class TableView {
public:
    constexpr TableView() = default;
    template <std::size_t N>
    constexpr TableView(const Row (&rows)[N]) : m_first(rows), m_count(N) {}

    constexpr const Row* begin() const { return m_first; }
    constexpr const Row* end() const { return m_first + m_count; }
    constexpr std::size_t size() const { return m_count; }
    constexpr const Row& operator[](std::size_t i) const { return m_first[i]; }

private:
    const Row* m_first = nullptr;
    std::size_t m_count = 0;
};

} // namespace scribel
