// From the click on "Imprimer" to the job accepted by the default queue of a print
// service of the benchmark's own, on a full sheet, beside `lp` printing the same PDF on the
// same queue. The queue holds every job, so that no conversion runs beside the measure.
// Then a hung service: the time from the click to the message, and the longest moment the
// window did not answer meanwhile. Not a test: run it by hand, e.g.
//   bench/run.sh bench_printcups -iterations 20

#include "app/window/principale.h"
#include "platform/widgets/qtpageprinter.h"
#include "print/pagelayout.h"
#include "support/doubles.h"
#include "support/privateprintservice.h"

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <QTimer>
#include <sys/resource.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace scribel::test {

namespace {

double seconds(const timeval& time) {
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) / 1e6;
}

// Processor time of this process and of its waited-for children, in seconds.
double ownAndChildrenCpu() {
    rusage self{};
    rusage children{};
    getrusage(RUSAGE_SELF, &self);
    getrusage(RUSAGE_CHILDREN, &children);
    return seconds(self.ru_utime) + seconds(self.ru_stime) + seconds(children.ru_utime) +
           seconds(children.ru_stime);
}

// Processor time of a process, in seconds, from /proc.
double processCpu(const QString& pid) {
    QFile stat(u"/proc/%1/stat"_s.arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) {
        return 0;
    }
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    // utime and stime are the 14th and 15th fields of the line, 12th and 13th after the name.
    return (fields.value(11).toDouble() + fields.value(12).toDouble()) /
           static_cast<double>(sysconf(_SC_CLK_TCK));
}

} // namespace

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
        QFile pid(m_service.pdfFolder().filePath(u"../cupsd.pid"_s));
        QVERIFY(pid.open(QIODevice::ReadOnly));
        m_cupsdPid = QString::fromLatin1(pid.readAll().trimmed());

        m_window = std::make_unique<Principale>(Services{m_doubles.fileDialogs, m_doubles.messages,
                                                         m_printer, m_doubles.openAction,
                                                         m_doubles.clock});
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        m_window->Pixelor_Click();
        m_doubles.fileDialogs.nextAnswers = {qEnvironmentVariable("SCRIBEL_SOURCE_DIR") +
                                             u"/tests/data/sheetfile/complet.pxr"_s};
        m_window->Charger_Click();
    }

    void clickToJobAccepted() {
        auto* imprimer = m_window->findChild<QAbstractButton*>(u"Imprimer"_s);
        QVERIFY(imprimer != nullptr);
        const double cpuBefore = ownAndChildrenCpu() + processCpu(m_cupsdPid);
        int runs = 0;
        QBENCHMARK {
            QTest::mouseClick(imprimer, Qt::LeftButton);
            ++runs;
        }
        m_clickCpuMs = (ownAndChildrenCpu() + processCpu(m_cupsdPid) - cpuBefore) * 1000 / runs;
        QVERIFY(m_doubles.messages.shown.empty());
        QVERIFY(m_doubles.messages.asked.empty());
        QVERIFY(m_service.command(u"lpstat"_s, {u"-o"_s, u"Scribel"_s}));
        QVERIFY2(m_service.error.contains(u"Scribel-"_s), "no job reached the queue");
    }

    // The print command with the very PDF the click sends, to the same default queue.
    void lpOfTheSamePdf() {
        const QString pdf = m_home.filePath(u"fiche.pdf"_s);
        const Page page = std::get<Page>(print::layOutPage(
            m_window->form(), m_window->magazine(), QLocale::system(), m_doubles.clock.today()));
        const PrintQueues service = m_printer.queues(); // the queue's paper, as for the click
        QCOMPARE(m_printer.printToPdf(page, service.paperOf(service.target()), pdf), std::nullopt);
        const double cpuBefore = ownAndChildrenCpu() + processCpu(m_cupsdPid);
        int runs = 0;
        QBENCHMARK {
            QVERIFY(m_service.command(u"lp"_s, {pdf}));
            ++runs;
        }
        m_lpCpuMs = (ownAndChildrenCpu() + processCpu(m_cupsdPid) - cpuBefore) * 1000 / runs;
    }

    // Many prints in a row, as on a loaded machine (run it beside a compile): every one is
    // accepted. SCRIBEL_PRINTS sets how many (500).
    void manyPrintsAllAccepted() {
        const int prints = qEnvironmentVariableIntValue("SCRIBEL_PRINTS") > 0
                               ? qEnvironmentVariableIntValue("SCRIBEL_PRINTS")
                               : 500;
        auto* imprimer = m_window->findChild<QAbstractButton*>(u"Imprimer"_s);
        QStringList refusals;
        for (int print = 1; print <= prints; ++print) {
            if (print % 100 == 0) { // the queue holds every job: keep under the service's limit
                QVERIFY(m_service.command(u"cancel"_s, {u"-a"_s, u"Scribel"_s}));
            }
            QTest::mouseClick(imprimer, Qt::LeftButton);
            for (const ShownMessage& message : m_doubles.messages.shown) {
                refusals.append(message.text);
            }
            m_doubles.messages.shown.clear();
        }
        qInfo("%d prints, %lld refused%s%s", prints, refusals.size(),
              refusals.isEmpty() ? "" : ": ", qPrintable(refusals.join(u"; "_s)));
        QVERIFY(refusals.isEmpty());
        QVERIFY(m_doubles.messages.asked.empty());
    }

    // A service that takes the connection and never answers.
    void hungService() {
        HungPrintService hung;
        QVERIFY(hung.listens());
        qputenv("CUPS_SERVER", hung.socket().toLocal8Bit());
        auto* imprimer = m_window->findChild<QAbstractButton*>(u"Imprimer"_s);
        QElapsedTimer sinceTick;
        qint64 longestGap = 0;
        QTimer beat;
        connect(&beat, &QTimer::timeout, &beat,
                [&] { longestGap = std::max(longestGap, sinceTick.restart()); });
        beat.start(10);
        QTest::qWait(100);
        longestGap = 0;
        sinceTick.start();
        QElapsedTimer click;
        click.start();
        QTest::mouseClick(imprimer, Qt::LeftButton);
        const qint64 toMessage = click.elapsed();
        longestGap = std::max(longestGap, sinceTick.elapsed());
        qputenv("CUPS_SERVER", m_service.socket().toLocal8Bit());
        QCOMPARE(m_doubles.messages.asked.size(), 1u);
        qInfo("hung service: %lld ms from the click to the message; the window's longest "
              "pause meanwhile %lld ms",
              toMessage, longestGap);
        m_doubles.messages.asked.clear();
    }

    void cleanupTestCase() {
        qInfo("processor time per print, client and cupsd: click %.2f ms, lp %.2f ms (%.2f x)",
              m_clickCpuMs, m_lpCpuMs, m_clickCpuMs / m_lpCpuMs);
        m_window.reset();
        m_service.command(u"cancel"_s, {u"-a"_s, u"Scribel"_s});
        m_service.stop();
    }

private:
    QTemporaryDir m_home;
    PrivatePrintService m_service;
    QtPagePrinter m_printer;
    TestServices m_doubles;
    std::unique_ptr<Principale> m_window;
    QString m_cupsdPid;
    double m_clickCpuMs = 0;
    double m_lpCpuMs = 0;
};

} // namespace scribel::test

QTEST_MAIN(scribel::test::PrintCupsBenchmark)
#include "bench_printcups.moc"
