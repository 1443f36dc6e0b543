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
    if (!m_services.printer.hasDefaultPrinter()) {
        offerPdf(page);
        return;
    }
    if (const auto failure = m_services.printer.printOnDefaultPrinter(page)) {
        m_services.messages.show(m_window.dialogParent(), MessageIcon::Warning, messageTitle(),
                                 u"La fiche n'a pas été imprimée : %1."_s.arg(*failure));
    }
}

void PrintAction::refusePrice(const print::PriceNotANumber& refusal, const QLocale& locale) {
    const QString example = locale.toString(99.5, 'f', 2);
    m_services.messages.show(
        m_window.dialogParent(), MessageIcon::Warning, messageTitle(),
        u"Le champ « Rétribution (port compris) » doit contenir un nombre de francs, par exemple "
        u"100 ou %1 ; « %2 » n'en est pas un.\n\nLa fiche n'a pas été imprimée."_s.arg(
            example, refusal.text));
}

void PrintAction::offerPdf(const Page& page) {
    QWidget* parent = m_window.dialogParent();
    const bool wantsPdf = m_services.messages.ask(
        parent, messageTitle(),
        u"Aucune imprimante n'est installée : la fiche ne peut pas être imprimée.\n\n"
        u"Voulez-vous l'enregistrer dans un fichier PDF, pour l'imprimer ailleurs ?"_s,
        DefaultAnswer::Yes);
    if (!wantsPdf) {
        return;
    }
    const std::optional<QString> path =
        m_services.fileDialogs.askSaveFile(parent, pdfSaveRequest());
    if (!path) {
        return;
    }
    if (const auto failure = m_services.printer.printToPdf(page, *path)) {
        m_services.messages.show(
            parent, MessageIcon::Warning, messageTitle(),
            u"Le fichier « %1 » n'a pas pu être enregistré : %2."_s.arg(*path, *failure));
    }
}

} // namespace scribel
