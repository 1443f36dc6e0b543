#pragma once

#include "platform/core/pageprinter.h"

#include <QLibrary>
#include <QString>
#include <memory>
#include <mutex>

namespace scribel {

// The printer of Qt, in a module of the program's own loaded when first needed: linked in,
// Qt Print Support would cost every start of the program. Forwards every call to it; when
// it cannot be loaded, says why in French, naming the module's file.
class LoadedPagePrinter final : public PagePrinter {
public:
    // The module that stands beside the program.
    LoadedPagePrinter();
    explicit LoadedPagePrinter(const QString& moduleFile);
    ~LoadedPagePrinter() override;

    std::optional<QString> unusableReason() override;
    PrintQueues queues() const override;
    std::optional<PrinterChoice> choosePrinter(QWidget* parent) override;
    std::optional<QString> printOn(const QString& queue, const std::optional<Paper>& paper,
                                   const Page& page) override;
    std::optional<QString> printToPdf(const Page& page, const std::optional<Paper>& paper,
                                      const QString& path) override;

private:
    // The module's printer, loaded at the first need and again after a failure; nothing,
    // with the reason in m_failure, when it cannot be loaded.
    PagePrinter* loaded() const;

    mutable std::mutex m_loading;
    mutable QLibrary m_module;
    mutable std::unique_ptr<PagePrinter> m_printer;
    mutable QString m_failure;
};

} // namespace scribel
