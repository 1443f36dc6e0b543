#pragma once

#include "platform/core/printqueue.h"

#include <QString>

namespace scribel {

// What a press of "Imprimer" does next, given the state of the print service, and what
// the author reads first. Every question's "Oui" goes on with the print.
struct PrintAdvice {
    enum class Next {
        Print,              // silently, on `queue`
        AskToSend,          // `queue` will keep the sheet waiting: send it anyway?
        AskToChoosePrinter, // no default queue: the print dialog, else the PDF file
        OfferPdf,           // no queue can take the sheet: a PDF file instead?
    };
    Next next = Next::OfferPdf;
    QString queue;
    QString text; // empty for a silent print
};

PrintAdvice advisePrint(const PrintQueues& service);
// For a queue the author picked in the print dialog.
PrintAdvice adviseQueue(const PrintQueues& service, const QString& queue);
// A job handed to `queue` that the service did not answer in time: a PDF file as well?
QString unansweredJobOffer(const QString& queue);

} // namespace scribel
