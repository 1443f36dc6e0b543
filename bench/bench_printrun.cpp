// One whole print run into a PDF file: the layout of a sheet, then the rendering; a full
// ordinary sheet, and the largest printable one (every text as long as a file's line may
// be), which should cost about the same. Not a test: run it by hand, e.g.
// bench/run.sh bench_printrun -iterations 50.

#include "platform/widgets/qtpageprinter.h"
#include "print/pagelayout.h"
#include "sheetfixtures.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace scribel::test {

class PrintRunBenchmark : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The fonts are found and loaded at the first print; the runs measured come after.
    void initTestCase() {
        QTemporaryDir dir;
        const auto layout = print::layOutPage(fullPixelorSheet(), Magazine::Pixelor,
                                              QLocale::system(), QDate::currentDate());
        QCOMPARE(QtPagePrinter().printToPdf(std::get<Page>(layout), std::nullopt,
                                            dir.filePath(u"fiche.pdf"_s)),
                 std::nullopt);
    }

    void wholeRunIntoPdf_data() {
        QTest::addColumn<MemoryForm>("form");
        QTest::newRow("full sheet") << fullPixelorSheet();
        QTest::newRow("largest sheet") << overlongPixelorSheet();
    }
    void wholeRunIntoPdf() {
        QFETCH(MemoryForm, form);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"fiche.pdf"_s);
        QtPagePrinter printer;
        QBENCHMARK {
            const auto layout =
                print::layOutPage(form, Magazine::Pixelor, QLocale::system(), QDate::currentDate());
            QCOMPARE(printer.printToPdf(std::get<Page>(layout), std::nullopt, path), std::nullopt);
        }
    }
};

} // namespace scribel::test

QTEST_MAIN(scribel::test::PrintRunBenchmark)
#include "bench_printrun.moc"
