// One whole print run into a PDF file: the layout of a full sheet, then the rendering.
// Not a test: run it by hand, e.g. bench_printrun -iterations 50.

#include "platform/qtpageprinter.h"
#include "print/pagelayout.h"
#include "sheetfixtures.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace scribel::test {

class PrintRunBenchmark : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void wholeRunIntoPdf() {
        const MemoryForm form = fullPixelorSheet();
        QTemporaryDir dir;
        const QString path = dir.filePath(u"fiche.pdf"_s);
        QtPagePrinter printer;
        QBENCHMARK {
            const auto layout =
                print::layOutPage(form, Magazine::Pixelor, QLocale::system(), QDate::currentDate());
            QCOMPARE(printer.printToPdf(std::get<Page>(layout), path), std::nullopt);
        }
    }
};

} // namespace scribel::test

QTEST_MAIN(scribel::test::PrintRunBenchmark)
#include "bench_printrun.moc"
