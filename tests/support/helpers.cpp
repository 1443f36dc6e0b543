#include "support/helpers.h"

namespace scribel {

char* toString(Magazine magazine) {
    return qstrdup(magazine == Magazine::Pixelor   ? "Magazine::Pixelor"
                   : magazine == Magazine::Zorvane ? "Magazine::Zorvane"
                                                   : "Magazine::None");
}

namespace test {

QString utf8(const char* text) {
    return QString::fromUtf8(text);
}

QStringList utf8List(std::initializer_list<const char*> texts) {
    QStringList list;
    for (const char* text : texts) {
        list.append(utf8(text));
    }
    return list;
}

Field fieldNamed(QStringView name) {
    for (int i = 0; i < kFieldCount; ++i) {
        if (kFieldNames[static_cast<std::size_t>(i)] == name) {
            return static_cast<Field>(i);
        }
    }
    qFatal("no field named %s", qPrintable(name.toString()));
    return Field::SaisieNom;
}

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QString textAt(const Page& page, double xMm, double yMm) {
    for (const PageItem& item : page) {
        if (item.xMm == xMm && item.yMm == yMm) {
            return item.text;
        }
    }
    return {};
}

} // namespace test
} // namespace scribel
