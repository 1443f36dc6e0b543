#include "loadedpageprinter.h"

#include "pageprintermodule.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace scribel {

using namespace Qt::Literals::StringLiterals;

LoadedPagePrinter::LoadedPagePrinter()
    : LoadedPagePrinter(QCoreApplication::applicationDirPath() + u'/' +
                        QString::fromLatin1(kPagePrinterModuleFile)) {}

LoadedPagePrinter::LoadedPagePrinter(const QString& moduleFile) : m_module(moduleFile) {}

// The printer is made by the module's code: it goes before the module, which stays loaded.
LoadedPagePrinter::~LoadedPagePrinter() = default;

PagePrinter* LoadedPagePrinter::loaded() const {
    const std::lock_guard<std::mutex> lock(m_loading);
    if (m_printer) {
        return m_printer.get();
    }
    const QString file = m_module.fileName();
    const auto failed = [this, &file](const QString& why) {
        m_failure = u"le module d'impression «\u00A0%1\u00A0» "_s.arg(file) + why;
        return nullptr;
    };
    const QFileInfo info(file);
    if (!info.exists()) {
        return failed(u"est introuvable"_s);
    }
    if (!info.isReadable()) {
        return failed(u"ne peut pas être lu"_s);
    }
    if (!m_module.load()) {
        return failed(u"n'a pas pu être chargé\u00A0: il est endommagé, ou une "
                      u"bibliothèque dont il a besoin n'est pas installée"_s);
    }
    const auto make =
        reinterpret_cast<decltype(&SCRIBEL_PRINTER_FACTORY)>(m_module.resolve(kPagePrinterFactory));
    if (make == nullptr) {
        return failed(u"ne convient pas à ce programme"_s);
    }
    m_printer.reset(make());
    return m_printer.get();
}

std::optional<QString> LoadedPagePrinter::unusableReason() {
    if (loaded() != nullptr) {
        return std::nullopt;
    }
    const std::lock_guard<std::mutex> lock(m_loading);
    return m_failure;
}

PrintQueues LoadedPagePrinter::queues() const {
    PagePrinter* printer = loaded();
    return printer != nullptr ? printer->queues() : PrintQueues();
}

std::optional<PrinterChoice> LoadedPagePrinter::choosePrinter(QWidget* parent) {
    PagePrinter* printer = loaded();
    return printer != nullptr ? printer->choosePrinter(parent) : std::nullopt;
}

std::optional<QString> LoadedPagePrinter::printOn(const QString& queue,
                                                  const std::optional<Paper>& paper,
                                                  const Page& page) {
    PagePrinter* printer = loaded();
    return printer != nullptr ? printer->printOn(queue, paper, page) : unusableReason();
}

std::optional<QString> LoadedPagePrinter::printToPdf(const Page& page,
                                                     const std::optional<Paper>& paper,
                                                     const QString& path) {
    PagePrinter* printer = loaded();
    return printer != nullptr ? printer->printToPdf(page, paper, path) : unusableReason();
}

} // namespace scribel
