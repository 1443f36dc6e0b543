#include "app/printaction.h"

#include "print/pagelayout.h"
#include "version.h"

#include <QLocale>
#include <variant>

namespace scribel {

using namespace Qt::Literals::StringLiterals;

namespace {

FileDialogRequest pdfSaveRequest() {
    return {u"Enregistrer la fiche en PDF"_s, u"Document PDF (*.pdf)"_s, u"Scribel.pdf"_s,
            u"pdf"_s};
}

} // namespace

PrintAction::PrintAction(SheetWindow& window, const Services& services)
    : m_window(window), m_services(services) {}

void PrintAction::print() {
    const QLocale locale = QLocale::system();
    const print::PageLayout layout =
        print::layOutPage(m_window.form(), m_window.magazine(), locale, m_services.clock.today());
    if (const auto* refusal = std::get_if<print::PriceNotANumber>(&layout)) {
        refusePrice(*refusal, locale);
        return;
    }
    const Page& page = std::get<Page>(layout);
    const PrintQueues service = m_services.printer.queues();
    follow(advisePrint(service), service, page);
}

void PrintAction::follow(const PrintAdvice& advice, const PrintQueues& service, const Page& page) {
    switch (advice.next) {
    case PrintAdvice::Next::Print:
        printOn(advice.queue, page);
        return;
    case PrintAdvice::Next::AskToSend:
        if (ask(advice.text)) {
            printOn(advice.queue, page);
        }
        return;
    case PrintAdvice::Next::AskToChoosePrinter:
        if (ask(advice.text)) {
            choosePrinter(service, page);
        } else {
            saveAsPdf(page);
        }
        return;
    case PrintAdvice::Next::OfferPdf:
        if (ask(advice.text)) {
            saveAsPdf(page);
        }
        return;
    }
}

void PrintAction::printOn(const QString& queue, const Page& page) {
    if (const auto failure = m_services.printer.printOn(queue, page)) {
        m_services.messages.show(m_window.dialogParent(), MessageIcon::Warning, messageTitle(),
                                 u"La fiche n'a pas été imprimée : %1."_s.arg(*failure));
    }
}

void PrintAction::choosePrinter(const PrintQueues& service, const Page& page) {
    const auto choice = m_services.printer.choosePrinter(m_window.dialogParent());
    if (!choice) {
        return;
    }
    if (!choice->pdfPath.isEmpty()) {
        writePdf(page, choice->pdfPath);
        return;
    }
    follow(adviseQueue(service, choice->queue), service, page);
}

bool PrintAction::ask(const QString& text) {
    return m_services.messages.ask(m_window.dialogParent(), messageTitle(), text,
                                   DefaultAnswer::Yes);
}

void PrintAction::refusePrice(const print::PriceNotANumber& refusal, const QLocale& locale) {
    const QString example = locale.toString(99.5, 'f', 2);
    m_services.messages.show(
        m_window.dialogParent(), MessageIcon::Warning, messageTitle(),
        u"Le champ « Rétribution (port compris) » doit contenir un nombre de francs, par exemple "
        u"100 ou %1 ; « %2 » n'en est pas un.\n\nLa fiche n'a pas été imprimée."_s.arg(
            example, refusal.text));
}

void PrintAction::saveAsPdf(const Page& page) {
    const std::optional<QString> path =
        m_services.fileDialogs.askSaveFile(m_window.dialogParent(), pdfSaveRequest());
    if (path) {
        writePdf(page, *path);
    }
}

void PrintAction::writePdf(const Page& page, const QString& path) {
    if (const auto failure = m_services.printer.printToPdf(page, path)) {
        m_services.messages.show(
            m_window.dialogParent(), MessageIcon::Warning, messageTitle(),
            u"Le fichier « %1 » n'a pas pu être enregistré : %2."_s.arg(path, *failure));
    }
}

} // namespace scribel
