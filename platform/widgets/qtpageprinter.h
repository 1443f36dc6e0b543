#pragma once

#include "platform/core/pageprinter.h"

#include <QHash>
#include <QPageLayout>
#include <mutex>

namespace scribel {

// Pages for the system's print service (CUPS), or in a PDF file laid out as the default
// printer would lay it out. Only the print dialog asks the service on the caller's thread.
class QtPagePrinter final : public PagePrinter {
public:
    PrintQueues queues() const override;
    std::optional<PrinterChoice> choosePrinter(QWidget* parent) override;
    std::optional<QString> printOn(const QString& queue, const Page& page) override;
    std::optional<QString> printToPdf(const Page& page, const QString& path) override;

    // A paper and its printable area; without one, A4 as Qt lays out a PDF.
    static QPageLayout pageLayout(const std::optional<Paper>& paper = std::nullopt);

private:
    // The paper of a queue, as the service last told it.
    std::optional<Paper> paperOf(const QString& queue) const;

    mutable std::mutex m_answerLock;
    mutable QHash<QString, Paper> m_papers;
    mutable QString m_targetQueue; // where a print would have gone at the last answer
};

} // namespace scribel
