#include "sheetwork.h"

#include "app/window/principale.h"
#include "childreport.h"
#include "firstframe.h"
#include "platform/core/systemclock.h"
#include "platform/widgets/loadedpageprinter.h"
#include "processmeasures.h"

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>

namespace scribel::bench {

using namespace Qt::Literals::StringLiterals;

namespace {

// The dialogs answer the path the benchmark set, at once.
class ScriptedDialogs final : public FileDialogs {
public:
    QString nextPath;

    std::optional<QString> askSaveFile(QWidget*, const FileDialogRequest&) override {
        return nextPath;
    }
    std::optional<QString> askOpenFile(QWidget*, const FileDialogRequest&) override {
        return nextPath;
    }
};

// Counts the messages, which should not come, and answers "Oui" to every question.
class CountingMessages final : public MessageBoxes {
public:
    int shown = 0;

    void show(QWidget*, MessageIcon, const QString&, const QString&) override { ++shown; }
    bool ask(QWidget*, const QString&, const QString&, DefaultAnswer) override { return true; }
};

class NoOpenAction final : public OpenAction {
public:
    void open(const QUrl&, QObject*, std::function<void()>) override {}
};

// The machine has no printer: "Imprimer" offers the PDF file, which Qt really writes
// through the program's print module. Never the default printer, so that the benchmark
// puts nothing on paper.
class PdfOnlyPrinter final : public PagePrinter {
public:
    PrintQueues queues() const override {
        PrintQueues none;
        none.serviceAnswers = true;
        return none;
    }
    std::optional<PrinterChoice> choosePrinter(QWidget*) override { return std::nullopt; }
    std::optional<QString> printOn(const QString&, const std::optional<Paper>&,
                                   const Page&) override {
        return u"pas d'impression sur papier pendant la mesure"_s;
    }
    std::optional<QString> printToPdf(const Page& page, const std::optional<Paper>& paper,
                                      const QString& path) override {
        return m_qt.printToPdf(page, paper, path);
    }

private:
    LoadedPagePrinter m_qt{QStringLiteral(SCRIBEL_PRINTER_MODULE)};
};

template <typename Operation>
void timeRuns(ChildReport& report, const char* name, int iterations, Operation operation) {
    for (int run = 0; run < iterations; ++run) {
        const std::int64_t start = monotonicNanoseconds();
        const std::int64_t startCpu = cpuNanoseconds();
        operation();
        // The author waits for the window to show the change too.
        QCoreApplication::processEvents();
        report.sample(name, monotonicNanoseconds() - start, cpuNanoseconds() - startCpu);
    }
}

bool fail(const char* what) {
    std::fprintf(stderr, "scribel_bench: %s\n", what);
    return false;
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Figures are only worth something if each operation did all of its work.
bool didTheWork(const CountingMessages& messages, const QString& sheetPath,
                const QString& savedPath, const QString& pdfPath) {
    if (messages.shown != 0) {
        return fail("the window showed a message during the work");
    }
    if (contents(savedPath) != contents(sheetPath)) {
        return fail("the saved sheet is not the loaded one");
    }
    if (QFileInfo(pdfPath).size() <= 0) {
        return fail("the PDF file is missing");
    }
    return true;
}

} // namespace

int runSheetWork(int& argc, char* argv[], const QString& sheetArgument, int iterations) {
    QApplication app(argc, argv);
    // Loading moves the current folder to the file's own.
    const QString sheetPath = QFileInfo(sheetArgument).absoluteFilePath();
    QTemporaryDir folder;
    const QString savedPath = folder.filePath(u"copie.pxr"_s);
    const QString pdfPath = folder.filePath(u"fiche.pdf"_s);

    ScriptedDialogs dialogs;
    CountingMessages messages;
    PdfOnlyPrinter printer;
    NoOpenAction openAction;
    SystemClock clock;
    Principale window({dialogs, messages, printer, openAction, clock});

    ChildReport report;
    QEventLoop firstFrame;
    whenFirstFramePainted(window, report, [&firstFrame] { firstFrame.quit(); });
    window.show();
    firstFrame.exec();
    window.Pixelor_Click();
    QCoreApplication::processEvents();

    timeRuns(report, "load", iterations, [&] {
        dialogs.nextPath = sheetPath;
        window.Charger_Click();
    });
    timeRuns(report, "save", iterations, [&] {
        dialogs.nextPath = savedPath;
        window.Sauvegarder_Click();
    });
    timeRuns(report, "print", iterations, [&] {
        dialogs.nextPath = pdfPath;
        window.Imprimer_Click();
    });

    if (!didTheWork(messages, sheetPath, savedPath, pdfPath)) {
        return 1;
    }
    report.print();
    return 0;
}

} // namespace scribel::bench
