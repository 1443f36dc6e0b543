// Bytes to lines: which bytes end a line and which stay inside one.

#include "sheetfile/linesplitter.h"
#include "support/helpers.h"

#include <QTest>

using namespace scribel::sheetfile;
using namespace scribel::test;

class TestLineSplitter : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void splitsBytesIntoLines_data() {
        addColumns<QByteArray, QStringList>("bytes", "lines");

        QTest::newRow("empty file") << QByteArray() << QStringList();
        QTest::newRow("CR LF ends a line") << QByteArray("V2\r\n") << utf8List({"V2"});
        QTest::newRow("last line needs no end") << QByteArray("a\r\nb") << utf8List({"a", "b"});
        QTest::newRow("empty lines count") << QByteArray("\r\n\r\n") << utf8List({"", ""});
        QTest::newRow("lone CR ends a line") << QByteArray("a\rb\r\n") << utf8List({"a", "b"});
        QTest::newRow("CR CR LF") << QByteArray("a\r\r\nb") << utf8List({"a", "", "b"});
        QTest::newRow("lone LF stays in its line")
            << QByteArray("a\nb\r\nc\r\n") << utf8List({"a\nb", "c"});
        QTest::newRow("only one LF is skipped after CR")
            << QByteArray("a\r\n\nb\r\n") << utf8List({"a", "\nb"});
        QTest::newRow("LF only file") << QByteArray("a\nb\n\nc") << utf8List({"a", "b", "", "c"});
        QTest::newRow("LF only, last LF ends the last line")
            << QByteArray("a\n") << utf8List({"a"});
        QTest::newRow("Windows-1252 letters")
            << QByteArray("\xe9\x80\x8c\x9f\xff\r\n") << QStringList{utf8("é€ŒŸÿ")};
        QTest::newRow("undefined bytes and NUL keep their place")
            << QByteArray("\x81\x8d\x8f\x90\x9d", 5) + QByteArray("\0x\r\nz", 5)
            << QStringList{QStringView(u"\u0081\u008d\u008f\u0090\u009d").toString() + QChar(0) +
                               u'x',
                           utf8("z")};
    }
    void splitsBytesIntoLines() {
        const auto [bytes, lines] = fetch<QByteArray, QStringList>("bytes", "lines");
        QCOMPARE(splitLines(bytes), lines);
    }
};

QTEST_GUILESS_MAIN(TestLineSplitter)
#include "tst_linesplitter.moc"
