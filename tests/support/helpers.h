#pragma once

#include "sheet/field.h"
#include "sheet/magazine.h"
#include "sheet/pageitem.h"

#include <QFile>
#include <QMetaType>
#include <QStringList>
#include <QTest>
#include <initializer_list>
#include <tuple>

namespace scribel {

// Names the magazine in a failed comparison.
char* toString(Magazine magazine);

namespace test {

// Test sources are UTF-8; the program's own strings must not be built from them
// implicitly.
QString utf8(const char* text);
QStringList utf8List(std::initializer_list<const char*> texts);

// The field of that control name; a test naming no field is a broken test.
Field fieldNamed(QStringView name);

// A file's whole content; empty when it cannot be read.
QByteArray bytesOf(const QString& path);

// Writes a file whole; a file the test cannot write is a failed test.
void writeBytes(const QString& path, const QByteArray& bytes);

// The text of the page item whose top-left corner stands exactly there; empty if none.
QString textAt(const Page& page, double xMm, double yMm);

// A data function's columns, one name for each type: addColumns<int, QString>("n", "text").
template <typename... Types, typename... Names> void addColumns(const Names&... names) {
    static_assert(sizeof...(Types) == sizeof...(Names), "one name for each column");
    (QTest::addColumn<Types>(names), ...);
}

// The current row's values of those columns, as QFETCH reads each one.
template <typename... Types, typename... Names> std::tuple<Types...> fetch(const Names&... names) {
    static_assert(sizeof...(Types) == sizeof...(Names), "one name for each column");
    return {*static_cast<Types*>(QTest::qData(names, qMetaTypeId<Types>()))...};
}

} // namespace test
} // namespace scribel

Q_DECLARE_METATYPE(scribel::Field)
Q_DECLARE_METATYPE(scribel::Magazine)
