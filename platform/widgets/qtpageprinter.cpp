#include "qtpageprinter.h"

#include "pagerenderer.h"
#include "platform/core/systemerrortext.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <cerrno>

namespace scribel {

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kPdfDotsPerInch = 1200;
// A moment past the window's patience (5 s), so that the window tells of a silent service.
constexpr std::chrono::milliseconds kDeadline{6000};

QString documentName() {
    return u"La Scribel"_s;
}

// The page as one PDF document on the given paper; false when Qt could not draw it.
bool writePdf(QIODevice& device, const QPageLayout& layout, const Page& page) {
    QPdfWriter writer(&device);
    writer.setResolution(kPdfDotsPerInch);
    writer.setPageLayout(layout);
    writer.setTitle(documentName());
    writer.setCreator(documentName());
    QPainter painter;
    if (!painter.begin(&writer)) {
        return false;
    }
    drawPage(painter, page);
    return painter.end();
}

} // namespace

PrintQueues QtPagePrinter::queues() const {
    return readQueues(kDeadline);
}

QPageLayout QtPagePrinter::pageLayout(const std::optional<Paper>& paper) {
    if (!paper) {
        return {QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                QPageLayout::Point};
    }
    return {QPageSize(paper->sizeMm, QPageSize::Millimeter, {}, QPageSize::FuzzyMatch),
            QPageLayout::Portrait, paper->marginsMm, QPageLayout::Millimeter};
}

std::optional<PrinterChoice> QtPagePrinter::choosePrinter(QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(documentName());
    QPrintDialog dialog(&printer, parent);
    dialog.setOptions(QAbstractPrintDialog::PrintToFile);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        if (printer.outputFileName().isEmpty()) {
            return std::nullopt;
        }
        return PrinterChoice{{}, printer.outputFileName()};
    }
    return PrinterChoice{printer.printerName(), {}};
}

std::optional<QString> QtPagePrinter::printOn(const QString& queue,
                                              const std::optional<Paper>& paper, const Page& page) {
    // The page goes to the queue as PDF through libcups itself: Qt's own print engine
    // drops the print service's answer, and a refused job would pass for printed.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    if (!writePdf(pdf, pageLayout(paper), page)) {
        return u"le document pour l'imprimante «\u00A0%1\u00A0» n'a pas pu être préparé"_s.arg(
            queue);
    }
    return submitPdf(queue, pdf.data(), documentName(), kDeadline);
}

std::optional<QString> QtPagePrinter::printToPdf(const Page& page,
                                                 const std::optional<Paper>& paper,
                                                 const QString& path) {
    // Written aside and put in place whole, so a failure leaves no half-written file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return u"il ne peut pas être créé (%1)"_s.arg(systemErrorText(errno));
    }
    if (!writePdf(file, pageLayout(paper), page)) {
        file.cancelWriting();
        return u"le document PDF n'a pas pu être écrit"_s;
    }
    if (!file.commit()) {
        return u"il n'a pas pu être écrit en entier (%1)"_s.arg(systemErrorText(errno));
    }
    return std::nullopt;
}

} // namespace scribel
