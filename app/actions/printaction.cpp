#include "app/actions/printaction.h"

#include "print/pagelayout.h"
#include "version.h"

#include <QEventLoop>
#include <QLocale>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <atomic>
#include <memory>
#include <mutex>
#include <thread>
#include <variant>

namespace scribel {

using namespace Qt::Literals::StringLiterals;

namespace {

// No answer from the print service within this time is no answer at all; the printer
// itself gives up a moment later.
constexpr int kServicePatienceMs = 5000;

// The threads of requests still under way, waited for or not.
std::atomic<int> g_requestsUnderWay{0};

// How a wait for another thread ended.
enum WaitEnd : int { Answered = 0x5C01, OutOfPatience = 0x5C02 };

// While a print waits on the service: a busy cursor, and "Imprimer" out of reach, handing
// the keyboard focus back if it had it.
class BusyWindow final {
public:
    explicit BusyWindow(QWidget* window)
        : m_window(window),
          m_imprimer(window != nullptr ? window->findChild<QWidget*>(u"Imprimer"_s) : nullptr) {
        if (m_window) {
            m_window->setCursor(Qt::BusyCursor);
        }
        if (m_imprimer) {
            m_hadFocus = m_imprimer->hasFocus();
            m_imprimer->setEnabled(false);
        }
    }
    ~BusyWindow() {
        if (m_window) {
            m_window->unsetCursor();
        }
    }
    BusyWindow(const BusyWindow&) = delete;
    BusyWindow& operator=(const BusyWindow&) = delete;

    // "Imprimer" as the window would have it now: the magazine may have changed meanwhile.
    void restore(bool magazineChosen) {
        if (!m_imprimer) {
            return;
        }
        m_imprimer->setEnabled(magazineChosen);
        if (m_hadFocus && magazineChosen && m_imprimer->isVisible()) {
            m_imprimer->setFocus(Qt::OtherFocusReason);
        }
    }

private:
    QPointer<QWidget> m_window;
    QPointer<QWidget> m_imprimer;
    bool m_hadFocus = false;
};

} // namespace

void PrintAction::print() {
    if (m_busy) {
        return; // a print is already waiting on the service
    }
    const QLocale locale = QLocale::system();
    const print::PageLayout layout =
        print::layOutPage(m_window.form(), m_window.magazine(), locale, m_services.clock.today());
    if (const auto* refusal = std::get_if<print::PriceNotANumber>(&layout)) {
        tell(u"Le champ « Rétribution (port compris) » doit contenir un nombre de francs, par "
             u"exemple 100 ou %1 ; « %2 » n'en est pas un.\n\nLa fiche n'a pas été imprimée."_s.arg(
                 locale.toString(99.5, 'f', 2), refusal->text));
        return;
    }
    const Page& page = std::get<Page>(layout);
    if (const auto unusable = m_services.printer.unusableReason()) {
        tellNotPrinted(*unusable);
        return;
    }
    m_busy = true;
    BusyWindow busy(m_window.dialogParent());
    PagePrinter& printer = m_services.printer;
    const auto answer = offThread<PrintQueues>([&printer] { return printer.queues(); });
    busy.restore(m_window.magazine() != Magazine::None);
    if (!m_quitting) {
        m_service = answer.value_or(PrintQueues{}); // silent: not answering
        follow(advisePrint(m_service), page);
    }
    m_busy = false;
}

template <typename Result>
std::optional<Result> PrintAction::offThread(std::function<Result()> work) {
    // Shared with the other thread, which may outlive this wait: it is never waited for,
    // so that quitting meanwhile ends the program at once.
    struct Shared {
        std::mutex lock;
        std::optional<Result> result;
        QEventLoop* waiting = nullptr;
    };
    const auto shared = std::make_shared<Shared>();
    QEventLoop loop;
    shared->waiting = &loop;
    ++g_requestsUnderWay;
    std::thread([shared, work = std::move(work)] {
        Result result = work();
        --g_requestsUnderWay;
        const std::lock_guard<std::mutex> lock(shared->lock);
        shared->result = std::move(result);
        if (shared->waiting != nullptr) {
            QMetaObject::invokeMethod(
                shared->waiting, [loop = shared->waiting] { loop->exit(Answered); },
                Qt::QueuedConnection);
        }
    }).detach();
    QTimer patience;
    patience.setSingleShot(true);
    patience.setTimerType(Qt::PreciseTimer);
    QObject::connect(&patience, &QTimer::timeout, &loop, [&loop] { loop.exit(OutOfPatience); });
    patience.start(kServicePatienceMs);
    const int end = loop.exec();
    const std::lock_guard<std::mutex> lock(shared->lock);
    shared->waiting = nullptr;
    m_quitting = end != Answered && end != OutOfPatience;
    return end == Answered ? std::move(shared->result) : std::nullopt;
}

bool PrintAction::requestsUnderWay() {
    return g_requestsUnderWay > 0;
}

void PrintAction::follow(const PrintAdvice& advice, const Page& page) {
    if (advice.next != PrintAdvice::Next::Print && !ask(advice.text)) {
        if (advice.next == PrintAdvice::Next::AskToChoosePrinter) {
            saveAsPdf(page);
        }
        return;
    }
    switch (advice.next) {
    case PrintAdvice::Next::Print:
    case PrintAdvice::Next::AskToSend:
        printOn(advice.queue, page);
        return;
    case PrintAdvice::Next::AskToChoosePrinter:
        choosePrinter(page);
        return;
    case PrintAdvice::Next::OfferPdf:
        saveAsPdf(page);
        return;
    }
}

void PrintAction::printOn(const QString& queue, const Page& page) {
    BusyWindow busy(m_window.dialogParent());
    PagePrinter& printer = m_services.printer;
    const auto done = offThread<std::optional<QString>>(
        [&printer, queue, paper = m_service.paperOf(m_service.find(queue)), page] {
            return printer.printOn(queue, paper, page);
        });
    busy.restore(m_window.magazine() != Magazine::None);
    if (m_quitting) {
        return;
    }
    if (!done) {
        // The job may have reached the queue all the same.
        if (ask(unansweredJobOffer(queue))) {
            saveAsPdf(page);
        }
    } else if (const auto& failure = *done) {
        tellNotPrinted(*failure);
    }
}

void PrintAction::tellNotPrinted(const QString& reason) {
    tell(u"La fiche n'a pas été imprimée : %1."_s.arg(reason));
}

void PrintAction::choosePrinter(const Page& page) {
    const auto choice = m_services.printer.choosePrinter(m_window.dialogParent());
    if (!choice) {
        return;
    }
    if (!choice->pdfPath.isEmpty()) {
        writePdf(page, choice->pdfPath);
        return;
    }
    follow(adviseQueue(m_service, choice->queue), page);
}

bool PrintAction::ask(const QString& text) {
    return m_services.messages.ask(m_window.dialogParent(), messageTitle(), text,
                                   DefaultAnswer::Yes);
}

void PrintAction::saveAsPdf(const Page& page) {
    const FileDialogRequest request = {u"Enregistrer la fiche en PDF"_s, u"Document PDF (*.pdf)"_s,
                                       u"Scribel.pdf"_s, u"pdf"_s};
    if (const auto path = m_services.fileDialogs.askSaveFile(m_window.dialogParent(), request)) {
        writePdf(page, *path);
    }
}

void PrintAction::writePdf(const Page& page, const QString& path) {
    if (const auto failure =
            m_services.printer.printToPdf(page, m_service.paperOf(m_service.target()), path)) {
        tell(u"Le fichier « %1 » n'a pas pu être enregistré : %2."_s.arg(path, *failure));
    }
}

} // namespace scribel
