#pragma once

// A data-driven test's columns as one list of types: the data function adds them, the test
// function takes a row back whole and names its values where it unpacks them.

#include <QTest>
#include <tuple>
#include <utility>

namespace scribel::test {

template <typename... T> struct Columns {
    static_assert(sizeof...(T) <= 10, "name more columns below");

    static void add() { addEach(std::index_sequence_for<T...>()); }
    static std::tuple<T...> fetch() { return fetchEach(std::index_sequence_for<T...>()); }

private:
    static constexpr const char* kNames[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};

    template <std::size_t... I> static void addEach(std::index_sequence<I...>) {
        (QTest::addColumn<T>(kNames[I]), ...);
    }
    template <std::size_t... I> static std::tuple<T...> fetchEach(std::index_sequence<I...>) {
        return {*static_cast<T*>(QTest::qData(kNames[I], qMetaTypeId<T>()))...};
    }
};

} // namespace scribel::test
