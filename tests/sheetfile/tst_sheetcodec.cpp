// A whole sheet file: its bytes cut into lines, which layout it follows, the limits it must
// keep, its bytes written; and the texts its file dialogs ask with.

#include "sheetfile/dialogtexts.h"
#include "sheetfile/linesplitter.h"
#include "sheetfile/sheetcodec.h"
#include "sheetfile/sheetlayout.h"
#include "support/memoryform.h"

using namespace scribel;
using namespace scribel::sheetfile;
using namespace scribel::test;
using namespace Qt::StringLiterals;

static QByteArray fixture(const char* name) {
    return bytesOf(QStringLiteral(SCRIBEL_SHEETFILE_DATA "/") + QLatin1String(name));
}

class TestSheetCodec : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void tellsTheLayoutAndRefusesLongFiles_data() {
        addColumns<QByteArray, bool, bool, int>("bytes", "refused", "current", "lineCount");

        const QByteArray x = "x\r\n";
        QTest::newRow("V2") << QByteArray("V2\r\n") << false << true << 1;
        QTest::newRow("V2 and more") << QByteArray("V2x\r\n") << false << true << 1;
        QTest::newRow("V2 without line end") << QByteArray("V2") << false << true << 1;
        QTest::newRow("lower-case v2") << QByteArray("v2\r\n") << false << false << 1;
        QTest::newRow("V1") << QByteArray("V1\r\n") << false << false << 1;
        QTest::newRow("V alone") << QByteArray("V\r\nV2\r\n") << false << false << 2;
        QTest::newRow("space before V2") << QByteArray(" V2\r\n") << false << false << 1;
        QTest::newRow("empty file") << QByteArray() << false << false << 0;
        QTest::newRow("V2 with LF line ends") << QByteArray("V2\nDUPONT\n") << false << true << 2;
        QTest::newRow("71 lines") << "V2\r\n" + x.repeated(70) << false << true << 71;
        QTest::newRow("72 lines") << "V2\r\n" + x.repeated(71) << true << false << 0;
        QTest::newRow("72nd line without line end")
            << "V2\r\n" + x.repeated(70) + "x" << true << false << 0;
        QTest::newRow("71 earlier lines") << x.repeated(71) << false << false << 71;
    }
    void tellsTheLayoutAndRefusesLongFiles() {
        const auto [bytes, refused, current, lineCount] =
            fetch<QByteArray, bool, bool, int>("bytes", "refused", "current", "lineCount");

        const std::optional<SheetFileLines> sheet = readSheetFile(bytes);
        QCOMPARE(!sheet.has_value(), refused);
        if (sheet) {
            QCOMPARE(sheet->layout == Layout::Current, current);
            QCOMPARE(sheet->lines.size(), lineCount);
        }
    }
    void namesTheFirstOverlongLine_data() {
        // number: 0: none
        addColumns<QList<qsizetype>, int, qsizetype>("lengths", "number", "length");

        const qsizetype longest = kMaxLineLength;
        QTest::newRow("no lines") << QList<qsizetype>{} << 0 << qsizetype{0};
        QTest::newRow("at the limit") << QList<qsizetype>{2, longest} << 0 << qsizetype{0};
        QTest::newRow("first line") << QList<qsizetype>{longest + 1} << 1 << longest + 1;
        QTest::newRow("the first of two")
            << QList<qsizetype>{2, 0, longest + 2, longest + 1} << 3 << longest + 2;
    }
    void namesTheFirstOverlongLine() {
        const auto [lengths, number, length] =
            fetch<QList<qsizetype>, int, qsizetype>("lengths", "number", "length");

        QStringList lines;
        for (const qsizetype size : lengths) {
            lines.append(QString(size, u'x'));
        }
        const std::optional<OverlongLine> overlong = firstOverlongLine(lines);
        QCOMPARE(overlong.has_value(), number != 0);
        if (overlong) {
            QCOMPARE(overlong->number, number);
            QCOMPARE(overlong->length, length);
        }
    }
    void encodesInWindows1252WithCrLf() {
        MemoryForm form;
        form.preset(
            {utf8("SaisieNom=é€ŒŸ"), utf8("SaisieVille=Łódź"), utf8("SaisieDescription=a\nb")});
        const QByteArray bytes = encodeSheetFile(form, Magazine::Zorvane);
        QVERIFY(bytes.startsWith("V2\r\n\xe9\x80\x8c\x9f\r\n"));
        QVERIFY(bytes.contains("\r\n?\xf3"
                               "d?\r\n")); // a letter the code page lacks becomes '?'
        QVERIFY(bytes.contains("\r\na\nb\r\n"));
        QVERIFY(bytes.endsWith("\r\n 2 \r\n"));
        QCOMPARE(bytes.count("\r\n"), kSheetLineCount);
    }
    void fixturesSurviveReadingAndWritingByteForByte_data() {
        addColumns<QByteArray, Magazine>("bytes", "magazine");

        QTest::newRow("complet.pxr") << fixture("complet.pxr") << Magazine::Pixelor;
        QTest::newRow("zorvane.zrv") << fixture("zorvane.zrv") << Magazine::Zorvane;
        QTest::newRow("undefined bytes and NUL")
            << "V2\r\n" + QByteArray("\x81\x8d\x8f\x90\x9d\0\x01\x7f", 8) + "\r\n" +
                   QByteArray("\r\n").repeated(13) + "0\r\n0\r\n0\r\n" +
                   QByteArray("\r\n").repeated(25) + " 1 \r\n"
            << Magazine::Pixelor;
    }
    void fixturesSurviveReadingAndWritingByteForByte() {
        const auto [bytes, magazine] = fetch<QByteArray, Magazine>("bytes", "magazine");

        const std::optional<SheetFileLines> sheet = readSheetFile(bytes);
        QVERIFY(sheet && sheet->layout == Layout::Current);
        MemoryForm form;
        applyLines(sheetLayout(), form, sheet->lines);
        QCOMPARE(encodeSheetFile(form, magazine), bytes);
    }
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
    void namesTheDialogTexts_data() {
        addColumns<Magazine, QString, QString, QString, QString, QString>(
            "magazine", "saveTitle", "saveType", "openType", "initialName", "suffix");

        QTest::newRow("Pixelor") << Magazine::Pixelor << u"Enregistrer une Scribel Pixelor"_s
                                 << u"Scribel (*.pxr)"_s << u"(Scribels) *.pxr"_s << u"*.pxr"_s
                                 << u"pxr"_s;
        QTest::newRow("Zorvane") << Magazine::Zorvane << u"Enregistrer une Scribel Zorvane"_s
                                 << u"Scribel (*.zrv)"_s << u"(Scribels) *.zrv"_s << u"*.zrv"_s
                                 << u"zrv"_s;
    }
    void namesTheDialogTexts() {
        const auto [magazine, saveTitle, saveType, openType, initialName, suffix] =
            fetch<Magazine, QString, QString, QString, QString, QString>(
                "magazine", "saveTitle", "saveType", "openType", "initialName", "suffix");

        const std::optional<FileDialogRequest> save = saveDialogRequest(magazine);
        const std::optional<FileDialogRequest> open = openDialogRequest(magazine);
        QVERIFY(save && open);
        QCOMPARE(save->title, saveTitle);
        QCOMPARE(save->fileTypeText, saveType);
        QCOMPARE(open->title, QStringLiteral("Charger une Scribel"));
        QCOMPARE(open->fileTypeText, openType);
        QCOMPARE(save->initialName, initialName);
        QCOMPARE(open->initialName, initialName);
        QCOMPARE(save->defaultSuffix, suffix);
        QCOMPARE(open->defaultSuffix, suffix);
        QVERIFY(!saveDialogRequest(Magazine::None) && !openDialogRequest(Magazine::None));
    }
};

QTEST_GUILESS_MAIN(TestSheetCodec)
#include "tst_sheetcodec.moc"
