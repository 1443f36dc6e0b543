#pragma once

#include "app/actions/printadvice.h"
#include "app/actions/services.h"
#include "sheet/pageitem.h"

#include <functional>
#include <optional>

namespace scribel {

// One press of "Imprimer": lays out the page, prints it, and tells the author when it could not
// or the printer will not print it at once. What waits on the print service runs off the
// window's thread, which goes on meanwhile, "Imprimer" disabled.
class PrintAction final : public WindowAction {
public:
    using WindowAction::WindowAction;
    PrintAction(const PrintAction&) = delete;
    PrintAction& operator=(const PrintAction&) = delete;

    void print(); // Imprimer_Click
    // A print is waiting on the service: "Imprimer" must stay disabled until it ends.
    bool waiting() const { return m_busy; }
    // A request to the print service still runs, though nothing waits for it any more.
    static bool requestsUnderWay();

private:
    // Tells the author what the service's state means for the page; goes on as answered.
    void follow(const PrintAdvice& advice, const Page& page);
    void printOn(const QString& queue, const Page& page);
    void tellNotPrinted(const QString& reason);

    // No default queue: the print dialog picks one, or the page goes into a PDF file.
    void choosePrinter(const Page& page);
    void saveAsPdf(const Page& page);
    void writePdf(const Page& page, const QString& path);
    bool ask(const QString& text);

    // Runs `work` off the window's thread, the window going on meanwhile; nothing when the
    // service's patience ran out first, or the program is quitting (m_quitting).
    template <typename Result> std::optional<Result> offThread(std::function<Result()> work);

    PrintQueues m_service; // the print service's answer for the print under way
    bool m_busy = false;
    bool m_quitting = false; // the program quit while a request waited
};

} // namespace scribel
