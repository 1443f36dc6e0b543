#pragma once

#include "platform/core/pageprinter.h"

#include <QPageLayout>

namespace scribel {

// Pages for the system's print service (CUPS), or in a PDF file laid out as the default
// printer would lay it out. Only the print dialog asks the service on the caller's thread.
class QtPagePrinter final : public PagePrinter {
public:
    PrintQueues queues() const override;
    std::optional<PrinterChoice> choosePrinter(QWidget* parent) override;
    std::optional<QString> printOn(const QString& queue, const std::optional<Paper>& paper,
                                   const Page& page) override;
    std::optional<QString> printToPdf(const Page& page, const std::optional<Paper>& paper,
                                      const QString& path) override;

    // A paper and its printable area; without one, A4 as Qt lays out a PDF.
    static QPageLayout pageLayout(const std::optional<Paper>& paper = std::nullopt);
};

} // namespace scribel
