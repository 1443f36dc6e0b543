// From the click on "Imprimer" to the job accepted by the default queue of a print
// service of the benchmark's own, on a full sheet. The queue holds every job, so that no
// conversion runs beside the measure. Not a test: run it by hand, e.g.
//   build/release/tests/print/bench_printcups -iterations 50

#include "app/principale.h"
#include "platform/qtpageprinter.h"
#include "support/doubles.h"
#include "support/privateprintservice.h"

#include <QAbstractButton>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace scribel::test {

class PrintCupsBenchmark : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        if (const QString missing = PrivatePrintService::missingTools(); !missing.isEmpty()) {
            QSKIP(qPrintable(missing));
        }
        if (qEnvironmentVariableIsEmpty("SCRIBEL_SOURCE_DIR")) {
            qputenv("SCRIBEL_SOURCE_DIR", SCRIBEL_SOURCE_DIR);
        }
        qputenv("CUPS_SERVER", m_service.socket().toLocal8Bit());
        qputenv("HOME", m_home.path().toLocal8Bit());
        qunsetenv("PRINTER");
        qunsetenv("LPDEST");
        QVERIFY2(m_service.start(), qPrintable(m_service.error));
        QVERIFY2(m_service.command(u"lpadmin"_s, {u"-p"_s, u"Scribel"_s, u"-o"_s,
                                                  u"job-hold-until-default=indefinite"_s}),
                 qPrintable(m_service.error));
    }

    void clickToJobAccepted() {
        QtPagePrinter printer;
        Principale window({m_doubles.fileDialogs, m_doubles.messages, printer, m_doubles.openAction,
                           m_doubles.clock});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.Pixelor_Click();
        m_doubles.fileDialogs.nextAnswers = {qEnvironmentVariable("SCRIBEL_SOURCE_DIR") +
                                             u"/tests/data/sheetfile/complet.pxr"_s};
        window.Charger_Click();
        auto* imprimer = window.findChild<QAbstractButton*>(u"Imprimer"_s);
        QVERIFY(imprimer != nullptr);

        QBENCHMARK {
            QTest::mouseClick(imprimer, Qt::LeftButton);
        }
        QVERIFY(m_doubles.messages.shown.empty());
        QVERIFY(m_doubles.messages.asked.empty());
        QVERIFY(m_service.command(u"lpstat"_s, {u"-o"_s, u"Scribel"_s}));
        QVERIFY2(m_service.error.contains(u"Scribel-"_s), "no job reached the queue");
    }

    void cleanupTestCase() {
        m_service.command(u"cancel"_s, {u"-a"_s, u"Scribel"_s});
        m_service.stop();
    }

private:
    QTemporaryDir m_home;
    PrivatePrintService m_service;
    TestServices m_doubles;
};

} // namespace scribel::test

QTEST_MAIN(scribel::test::PrintCupsBenchmark)
#include "bench_printcups.moc"
