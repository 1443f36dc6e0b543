#pragma once

#include "pageitem.h"

#include <QString>
#include <optional>

namespace scribel {

// Puts a laid-out page on paper (the default printer) or into a PDF file.
class PagePrinter {
public:
    virtual ~PagePrinter() = default;

    // Whether the system has a default printer at all.
    virtual bool hasDefaultPrinter() const = 0;
    // Prints one page on the default printer. On failure the unfinished document is
    // cancelled and the reason is returned.
    virtual std::optional<QString> printOnDefaultPrinter(const Page& page) = 0;
    // Writes the very page the printer would receive into a PDF file.
    virtual std::optional<QString> printToPdf(const Page& page, const QString& path) = 0;
};

} // namespace scribel
