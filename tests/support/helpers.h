#pragma once

// Helpers the test executables share.

#include "sheet/field.h"
#include "sheet/magazine.h"
#include "sheet/pageitem.h"

#include <QFile>
#include <QMetaType>
#include <QStringList>
#include <QTest>
#include <initializer_list>

namespace scribel {

// Names the magazine in a failed comparison.
inline char* toString(Magazine magazine) {
    switch (magazine) {
    case Magazine::Pixelor:
        return qstrdup("Magazine::Pixelor");
    case Magazine::Zorvane:
        return qstrdup("Magazine::Zorvane");
    case Magazine::None:
        break;
    }
    return qstrdup("Magazine::None");
}

namespace test {

// Test sources are UTF-8; the program's own strings must not be built from them
// implicitly.
inline QString utf8(const char* text) {
    return QString::fromUtf8(text);
}

inline QStringList utf8List(std::initializer_list<const char*> texts) {
    QStringList list;
    for (const char* text : texts) {
        list.append(utf8(text));
    }
    return list;
}

// The field of that control name; a test naming no field is a broken test.
inline Field fieldNamed(QStringView name) {
    for (int i = 0; i < kFieldCount; ++i) {
        if (kFieldNames[static_cast<std::size_t>(i)] == name) {
            return static_cast<Field>(i);
        }
    }
    qFatal("no field named %s", qPrintable(name.toString()));
    return Field::SaisieNom;
}

// A file's whole content; empty when it cannot be read.
inline QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes a file whole; a file the test cannot write is a failed test.
inline void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// The text of the page item whose top-left corner stands exactly there; empty if none.
inline QString textAt(const Page& page, double xMm, double yMm) {
    for (const PageItem& item : page) {
        if (item.xMm == xMm && item.yMm == yMm) {
            return item.text;
        }
    }
    return {};
}

} // namespace test
} // namespace scribel

Q_DECLARE_METATYPE(scribel::Field)
Q_DECLARE_METATYPE(scribel::Magazine)
