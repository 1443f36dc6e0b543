#pragma once

#include "app/services.h"
#include "app/sheetwindow.h"
#include "platform/pageitem.h"

class QLocale;

namespace scribel::print {
struct PriceNotANumber;
}

namespace scribel {

// One press of "Imprimer": lays out the page, prints it, and tells the author when it could not.
class PrintAction final {
public:
    PrintAction(SheetWindow& window, const Services& services);

    void print(); // Imprimer_Click

private:
    // Names the field and what it expects; nothing is printed.
    void refusePrice(const print::PriceNotANumber& refusal, const QLocale& locale);
    // With no printer to print on, offers to write the page into a PDF file instead.
    void offerPdf(const Page& page);

    SheetWindow& m_window;
    Services m_services;
};

} // namespace scribel
