// The page put into a real PDF file and read back with pdftotext: every item's top-left
// corner where the item list puts it, relative to the printable area, in its font size.

#include "platform/qtpageprinter.h"
#include "print/pagelayout.h"
#include "sheetfixtures.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

using namespace Qt::Literals::StringLiterals;

namespace scribel::test {

namespace {

constexpr double kMmPerPoint = 25.4 / 72;
constexpr double kToleranceMm = 0.3;
// pdftotext's word box spans the font's ascent and descent: 0.905 + 0.212 em for Arial
// and its metric twin.
constexpr double kLineHeightPerEm = 1.117;

double expectedPoints(PrintStyle style) {
    switch (style) {
    case PrintStyle::Opening:
        return 10;
    case PrintStyle::Title:
        return 22;
    case PrintStyle::Heading:
        return 13;
    case PrintStyle::Body:
    case PrintStyle::Emphasis:
        return 8;
    }
    return 0;
}

// One word as pdftotext found it, in millimetres from the page's top-left corner.
struct Word {
    QString text;
    double xMm;
    double yMm;
    double heightMm;
};

std::vector<Word> readWords(const QString& bboxXhtml) {
    std::vector<Word> words;
    QXmlStreamReader xml(bboxXhtml);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != u"word") {
            continue;
        }
        const auto millimetres = [&xml](const char* name) {
            return xml.attributes().value(QLatin1StringView(name)).toDouble() * kMmPerPoint;
        };
        const double top = millimetres("yMin");
        const double height = millimetres("yMax") - top;
        const double left = millimetres("xMin");
        words.push_back({xml.readElementText(), left, top, height});
    }
    return words;
}

} // namespace

class PdfPageTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty()) {
            QSKIP("pdftotext (poppler-utils) is not installed");
        }
        const Page page = std::get<Page>(print::layOutPage(
            fullPixelorSheet(), Magazine::Pixelor, QLocale(QLocale::French), QDate(2026, 12, 7)));
        const QString pdf = m_dir.filePath(u"fiche.pdf"_s);
        QCOMPARE(QtPagePrinter().printToPdf(page, pdf), std::nullopt);
        QProcess pdftotext;
        pdftotext.start(u"pdftotext"_s, {u"-bbox"_s, pdf, u"-"_s});
        QVERIFY(pdftotext.waitForFinished());
        m_words = readWords(QString::fromUtf8(pdftotext.readAllStandardOutput()));
        m_printableArea = QtPagePrinter::pageLayout().paintRect(QPageLayout::Millimeter);
        m_pdf = pdf;
    }

    // Each item is found by its first word, which must stand at the item's corner.
    void itemLandsAtItsPosition_data() {
        QTest::addColumn<PageItem>("item");
        const Page page = std::get<Page>(print::layOutPage(
            fullPixelorSheet(), Magazine::Pixelor, QLocale(QLocale::French), QDate(2026, 12, 7)));
        for (const PageItem& item : page) {
            if (!item.text.trimmed().isEmpty()) {
                QTest::addRow("%s", qPrintable(item.text)) << item;
            }
        }
    }
    void itemLandsAtItsPosition() {
        QFETCH(PageItem, item);
        const QString firstWord = item.text.section(u' ', 0, 0, QString::SectionSkipEmpty);
        const double x = m_printableArea.left() + item.xMm;
        const double y = m_printableArea.top() + item.yMm;
        const auto found = std::find_if(m_words.begin(), m_words.end(), [&](const Word& word) {
            return word.text == firstWord && std::abs(word.xMm - x) <= kToleranceMm &&
                   std::abs(word.yMm - y) <= kToleranceMm;
        });
        QVERIFY2(found != m_words.end(), "no such word within 0.3 mm of the item's corner");
        const double points = found->heightMm / kLineHeightPerEm / kMmPerPoint;
        QVERIFY2(std::abs(points - expectedPoints(item.style)) < 0.25,
                 qPrintable(u"%1 pt"_s.arg(points)));
    }

    void titleIsBoldItalic() {
        const QString pdffonts = QStandardPaths::findExecutable(u"pdffonts"_s);
        if (pdffonts.isEmpty()) {
            QSKIP("pdffonts (poppler-utils) is not installed");
        }
        QProcess process;
        process.start(pdffonts, {m_pdf});
        QVERIFY(process.waitForFinished());
        const QString fonts = QString::fromUtf8(process.readAllStandardOutput());
        QVERIFY(fonts.contains(u"-BoldItalic"_s));
        QVERIFY(fonts.contains(u"-Bold "_s));
    }

    void unwritablePdfIsAReason() {
        const QString path = m_dir.filePath(u"missing-folder/fiche.pdf"_s);
        QVERIFY(QtPagePrinter().printToPdf({{0, 0, PrintStyle::Body, u"x"_s}}, path).has_value());
        QVERIFY(!QFile::exists(path));
    }

    // The tests point CUPS_SERVER at a socket nobody serves.
    void unansweredPrintServicePrintsNothing() {
        QtPagePrinter printer;
        QVERIFY(!printer.queues().serviceAnswers);
        const auto failure = printer.printOn(u"Bureau"_s, {{0, 0, PrintStyle::Body, u"x"_s}});
        QVERIFY(failure && failure->contains(u"ne répond pas"_s));
    }

private:
    QTemporaryDir m_dir;
    QString m_pdf;
    std::vector<Word> m_words;
    QRectF m_printableArea;
};

} // namespace scribel::test

QTEST_MAIN(scribel::test::PdfPageTest)
#include "tst_pdfpage.moc"
