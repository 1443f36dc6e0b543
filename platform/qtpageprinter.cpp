#include "qtpageprinter.h"

#include "pagerenderer.h"
#include "systemerrortext.h"

#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>
#include <cerrno>

namespace scribel {

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kPdfDotsPerInch = 1200;

QString documentName() {
    return u"La Scribel"_s;
}

} // namespace

bool QtPagePrinter::hasDefaultPrinter() const {
    return !QPrinterInfo::defaultPrinter().isNull();
}

QPageLayout QtPagePrinter::pageLayout() {
    return QPrinter(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution).pageLayout();
}

std::optional<QString> QtPagePrinter::printOnDefaultPrinter(const Page& page) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        return u"aucune imprimante n'est installée"_s;
    }
    QPrinter printer(info, QPrinter::HighResolution);
    // A printer Qt cannot reach turns silently into a nameless PDF target: never print there.
    if (printer.outputFormat() != QPrinter::NativeFormat || printer.printerName().isEmpty()) {
        return u"l'imprimante par défaut « %1 » n'est pas disponible"_s.arg(info.printerName());
    }
    printer.setDocName(documentName());

    QPainter painter;
    if (!painter.begin(&printer)) {
        return u"l'imprimante « %1 » n'a pas accepté le document"_s.arg(printer.printerName());
    }
    drawPage(painter, page);
    if (printer.printerState() == QPrinter::Error) {
        printer.abort();
        painter.end();
        return u"l'imprimante « %1 » a signalé une erreur ; le document a été annulé"_s.arg(
            printer.printerName());
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error) {
        return u"l'imprimante « %1 » n'a pas reçu le document"_s.arg(printer.printerName());
    }
    return std::nullopt;
}

std::optional<QString> QtPagePrinter::printToPdf(const Page& page, const QString& path) {
    // Written aside and put in place whole, so a failure leaves no half-written file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return u"il ne peut pas être créé (%1)"_s.arg(systemErrorText(errno));
    }
    {
        QPdfWriter writer(&file);
        writer.setResolution(kPdfDotsPerInch);
        writer.setPageLayout(pageLayout());
        writer.setTitle(documentName());
        writer.setCreator(documentName());
        QPainter painter;
        if (!painter.begin(&writer)) {
            file.cancelWriting();
            return u"le document PDF n'a pas pu être commencé"_s;
        }
        drawPage(painter, page);
        painter.end();
    }
    if (!file.commit()) {
        return u"il n'a pas pu être écrit en entier (%1)"_s.arg(systemErrorText(errno));
    }
    return std::nullopt;
}

} // namespace scribel
