#pragma once

#include "pageprinter.h"

#include <QPageLayout>

namespace scribel {

// Pages for the system's print service (CUPS), or in a PDF file laid out as the default
// printer would lay it out.
class QtPagePrinter final : public PagePrinter {
public:
    PrintQueues queues() const override;
    std::optional<PrinterChoice> choosePrinter(QWidget* parent) override;
    std::optional<QString> printOn(const QString& queue, const Page& page) override;
    std::optional<QString> printToPdf(const Page& page, const QString& path) override;

    // A queue's paper and printable area (the default queue's when the name is empty);
    // with no such queue, Qt's PDF default.
    static QPageLayout pageLayout(const QString& queue = {});
};

} // namespace scribel
