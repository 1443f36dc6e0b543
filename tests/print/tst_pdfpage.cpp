// The page put into a real PDF file and read back with pdftotext: every item's top-left
// corner where the item list puts it, relative to the printable area, in its font size.

#include "platform/widgets/pagerenderer.h"
#include "platform/widgets/qtpageprinter.h"
#include "sheetfixtures.h"
#include "support/pdfwords.h"

#include <QApplication>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

namespace scribel::test {

// Far more characters than a line of the page can show.
constexpr qsizetype kWiderThanPaper = 600;
// The page is A4 with a margin of 10 points on every side.
constexpr double kMarginMm = 10 * kMmPerPoint;
constexpr double kPaperWidthMm = 210;

class PdfPageTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty()) {
            QSKIP("pdftotext (poppler-utils) is not installed");
        }
        m_pdf = m_dir.filePath(u"fiche.pdf"_s);
        QCOMPARE(QtPagePrinter().printToPdf(layOut(fullPixelorSheet(), Magazine::Pixelor),
                                            std::nullopt, m_pdf),
                 std::nullopt);
        m_words = readPdfWords(m_pdf);
        QVERIFY(!m_words.empty());
    }

    void itemLandsAtItsPosition_data() {
        QTest::addColumn<PageItem>("item");
        for (const PageItem& item : layOut(fullPixelorSheet(), Magazine::Pixelor)) {
            if (!item.text.trimmed().isEmpty()) {
                QTest::addRow("%s", qPrintable(item.text)) << item;
            }
        }
    }
    void itemLandsAtItsPosition() {
        QFETCH(PageItem, item);
        const PdfWord* found = findItemWord(m_words, item, kMarginMm, kMarginMm);
        QVERIFY2(found != nullptr, "no such word within 0.3 mm of the item's corner");
        const double points = wordPoints(*found);
        QVERIFY2(std::abs(points - expectedPoints(item.style)) < 0.25,
                 qPrintable(u"%1 pt"_s.arg(points)));
    }

    // Texts far wider than the paper are printed only as far as they can show: each of
    // their lines runs to the paper's edge, and the words read back stand where the page's
    // texts, drawn plainly, put them.
    void overlongTextsShowAsWhenDrawnWhole_data() {
        addColumns<MemoryForm, MemoryForm>("sheet", "drawnWhole");
        QTest::newRow("largest sheet")
            << overlongPixelorSheet() << overlongPixelorSheet(kWiderThanPaper);
        // Soft hyphens take no room: the words after them show.
        const QString softHyphens(5000, QChar(0xAD));
        QTest::newRow("soft hyphens first")
            << overlongPixelorSheet(sheetfile::kMaxLineLength, softHyphens)
            << overlongPixelorSheet(softHyphens.size() + kWiderThanPaper, softHyphens);
    }
    void overlongTextsShowAsWhenDrawnWhole() {
        const auto [sheet, drawnWhole] = fetch<MemoryForm, MemoryForm>("sheet", "drawnWhole");
        const Page page = layOut(sheet, Magazine::Pixelor);
        const Page whole = layOut(drawnWhole, Magazine::Pixelor);
        const QString drawn = m_dir.filePath(u"coupee.pdf"_s);
        const QString plain = m_dir.filePath(u"entiere.pdf"_s);
        QVERIFY(writeTestPdf(drawn, [&page](QPainter& painter) { drawPage(painter, page); }));
        QVERIFY(writeTestPdf(plain, [&whole](QPainter& painter) {
            const double dotsPerMm = painter.device()->logicalDpiX() / 25.4;
            for (const PageItem& item : whole) {
                const QFont font = printFont(item.style);
                painter.setFont(font);
                const double ascent = QFontMetricsF(font, painter.device()).ascent();
                painter.drawText(QPointF(item.xMm * dotsPerMm, item.yMm * dotsPerMm + ascent),
                                 item.text);
            }
        }));
        const std::vector<PdfWord> drawnWords = readPdfWords(drawn);
        const std::vector<PdfWord> wholeWords = readPdfWords(plain);
        QVERIFY(wholeWords.size() > page.size());
        QCOMPARE(drawnWords.size(), wholeWords.size());
        for (std::size_t i = 0; i < wholeWords.size(); ++i) {
            QCOMPARE(drawnWords[i].text, wholeWords[i].text);
            QCOMPARE_LT(std::abs(drawnWords[i].xMm - wholeWords[i].xMm), 0.01);
            QCOMPARE_LT(std::abs(drawnWords[i].yMm - wholeWords[i].yMm), 0.01);
        }
        QCOMPARE_LT(QFileInfo(drawn).size(), QFileInfo(plain).size());

        // No word of the texts is longer than this.
        constexpr double kLongestWordMm = 10;
        for (const PageItem& item : page) {
            if (item.text.size() < kWiderThanPaper) {
                continue;
            }
            const PdfWord* first = findItemWord(drawnWords, item, kMarginMm, kMarginMm);
            QVERIFY(first != nullptr);
            double lastStart = 0;
            for (const PdfWord& word : drawnWords) {
                if (std::abs(word.yMm - first->yMm) < kPositionToleranceMm) {
                    lastStart = std::max(lastStart, word.xMm);
                }
            }
            QVERIFY2(lastStart > kPaperWidthMm - kLongestWordMm, qPrintable(item.text.left(40)));
        }
    }

    void titleIsBoldItalic() {
        const QString pdffonts = QStandardPaths::findExecutable(u"pdffonts"_s);
        if (pdffonts.isEmpty()) {
            QSKIP("pdffonts (poppler-utils) is not installed");
        }
        const QString fonts = QString::fromUtf8(outputOf(pdffonts, {m_pdf}));
        QVERIFY(fonts.contains(u"-BoldItalic"_s));
        QVERIFY(fonts.contains(u"-Bold "_s));
    }

    void unwritablePdfIsAReason() {
        const QString path = m_dir.filePath(u"missing-folder/fiche.pdf"_s);
        QVERIFY(QtPagePrinter()
                    .printToPdf({{0, 0, PrintStyle::Body, u"x"_s}}, std::nullopt, path)
                    .has_value());
        QVERIFY(!QFile::exists(path));
    }

    // A print dialog the author cancels chooses nothing, even a file named in it.
    void cancelledPrintDialogChoosesNothing() {
        QTimer::singleShot(0, this, [this] {
            auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->printer()->setOutputFileName(m_dir.filePath(u"choisi.pdf"_s));
            dialog->reject();
        });
        QVERIFY(!QtPagePrinter().choosePrinter(nullptr));
    }

    // The tests point CUPS_SERVER at a socket nobody serves.
    void unansweredPrintServicePrintsNothing() {
        QtPagePrinter printer;
        QVERIFY(!printer.queues().serviceAnswers);
        const auto failure =
            printer.printOn(u"Bureau"_s, std::nullopt, {{0, 0, PrintStyle::Body, u"x"_s}});
        QVERIFY(failure && failure->contains(u"ne répond pas"_s));
    }

private:
    template <typename Draw> static bool writeTestPdf(const QString& path, Draw draw) {
        QPdfWriter writer(path);
        writer.setResolution(1200);
        writer.setPageLayout(QtPagePrinter::pageLayout());
        QPainter painter;
        if (!painter.begin(&writer)) {
            return false;
        }
        draw(painter);
        return painter.end();
    }

    QTemporaryDir m_dir;
    QString m_pdf;
    std::vector<PdfWord> m_words;
};

} // namespace scribel::test

QTEST_MAIN(scribel::test::PdfPageTest)
#include "tst_pdfpage.moc"
