#pragma once

#include "app/printadvice.h"
#include "app/services.h"
#include "app/sheetwindow.h"
#include "platform/pageitem.h"

class QLocale;

namespace scribel::print {
struct PriceNotANumber;
}

namespace scribel {

// One press of "Imprimer": lays out the page, prints it, and tells the author when it could not
// or when the printer will not print it at once.
class PrintAction final {
public:
    PrintAction(SheetWindow& window, const Services& services);

    void print(); // Imprimer_Click

private:
    // Names the field and what it expects; nothing is printed.
    void refusePrice(const print::PriceNotANumber& refusal, const QLocale& locale);
    // Tells the author what the print service's state means for the page, and goes on
    // as answered.
    void follow(const PrintAdvice& advice, const PrintQueues& service, const Page& page);
    void printOn(const QString& queue, const Page& page);
    // No default queue: the print dialog picks one, or the page goes into a PDF file.
    void choosePrinter(const PrintQueues& service, const Page& page);
    void saveAsPdf(const Page& page);
    void writePdf(const Page& page, const QString& path);
    bool ask(const QString& text);

    SheetWindow& m_window;
    Services m_services;
};

} // namespace scribel
