#pragma once

#include "pageprinter.h"

#include <QPageLayout>

namespace scribel {

// The page on the system's default printer, or in a PDF file laid out as that printer
// would lay it out.
class QtPagePrinter final : public PagePrinter {
public:
    bool hasDefaultPrinter() const override;
    std::optional<QString> printOnDefaultPrinter(const Page& page) override;
    std::optional<QString> printToPdf(const Page& page, const QString& path) override;

    // The default printer's paper and printable area; with no printer, Qt's PDF default.
    static QPageLayout pageLayout();
};

} // namespace scribel
