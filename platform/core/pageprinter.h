#pragma once

#include "printqueue.h"
#include "sheet/pageitem.h"

#include <QString>
#include <optional>

class QWidget;

namespace scribel {

// Where the author sent the page from the print dialog: a queue, or a PDF file.
struct PrinterChoice {
    QString queue;
    QString pdfPath;
};

// Puts a laid-out page on paper (a printer queue) or into a PDF file. queues() and printOn()
// wait on the print service: they are called off the window's thread, one at a time, and
// return by a deadline of their own.
class PagePrinter {
public:
    virtual ~PagePrinter() = default;

    // Why this printer can neither print nor write a PDF file, or nothing when it can. The
    // first call may load what printing needs; called on the window's thread.
    virtual std::optional<QString> unusableReason() { return std::nullopt; }

    // What the print service says about its queues, read afresh before each print.
    virtual PrintQueues queues() const = 0;
    // The print dialog; nothing when the author cancels it.
    virtual std::optional<PrinterChoice> choosePrinter(QWidget* parent) = 0;
    // Prints one page on a queue, laid out on its paper (A4 when unknown). Returns nothing
    // once the queue has accepted the job, else the reason; a document not wholly received
    // leaves no job.
    virtual std::optional<QString> printOn(const QString& queue, const std::optional<Paper>& paper,
                                           const Page& page) = 0;
    // Writes the page into a PDF file as a printer with that paper would receive it, without
    // asking the print service.
    virtual std::optional<QString> printToPdf(const Page& page, const std::optional<Paper>& paper,
                                              const QString& path) = 0;
};

} // namespace scribel
