#include "app/actions/printaction.h"

#include "print/pagelayout.h"
#include "version.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QLocale>
#include <QPointer>
#include <QThreadPool>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <mutex>
#include <variant>

namespace scribel {

using namespace Qt::Literals::StringLiterals;

namespace {

// No answer from the print service within this time is no answer at all.
constexpr int kServicePatienceMs = 5000;

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

    // "Imprimer" as the window would have it now: a magazine may have been chosen or
    // dropped meanwhile.
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

FileDialogRequest pdfSaveRequest() {
    return {u"Enregistrer la fiche en PDF"_s, u"Document PDF (*.pdf)"_s, u"Scribel.pdf"_s,
            u"pdf"_s};
}

} // namespace

PrintAction::PrintAction(SheetWindow& window, const Services& services)
    : m_window(window), m_services(services) {}

PrintAction::~PrintAction() {
    // A request given up on uses the printer, which must outlive it; it ends by its own
    // deadline.
    if (m_leftRunning) {
        QThreadPool::globalInstance()->waitForDone();
    }
}

void PrintAction::print() {
    if (m_busy) {
        return; // a print is already waiting on the service
    }
    const QLocale locale = QLocale::system();
    const print::PageLayout layout =
        print::layOutPage(m_window.form(), m_window.magazine(), locale, m_services.clock.today());
    if (const auto* refusal = std::get_if<print::PriceNotANumber>(&layout)) {
        refusePrice(*refusal, locale);
        return;
    }
    const Page& page = std::get<Page>(layout);
    if (const auto unusable = m_services.printer.unusableReason()) {
        tellNotPrinted(*unusable);
        return;
    }
    m_busy = true;
    BusyWindow busy(m_window.dialogParent());
    const std::optional<PrintQueues> answer = askTheService();
    busy.restore(m_window.magazine() != Magazine::None);
    if (answer) {
        follow(advisePrint(*answer), *answer, page);
    }
    m_busy = false;
}

std::optional<PrintQueues> PrintAction::askTheService() {
    PagePrinter& printer = m_services.printer;
    std::optional<std::optional<PrintQueues>> answer = offThread<std::optional<PrintQueues>>(
        [&printer] { return std::optional<PrintQueues>(printer.queues()); }, kServicePatienceMs);
    if (!answer) {
        return std::nullopt; // the program is quitting
    }
    if (!*answer) {
        m_leftRunning = true;
        return PrintQueues{}; // silent: not answering
    }
    return **answer;
}

template <typename Result>
std::optional<Result> PrintAction::offThread(std::function<Result()> work, int patienceMs) {
    // Shared with the other thread, which may outlive this wait.
    struct Shared {
        std::mutex lock;
        std::optional<Result> result;
        QPointer<QEventLoop> waiting; // read and cleared on the window's thread only
    };
    const auto shared = std::make_shared<Shared>();
    QEventLoop loop;
    shared->waiting = &loop;
    QThreadPool::globalInstance()->start([shared, work = std::move(work)] {
        Result result = work();
        {
            const std::lock_guard<std::mutex> lock(shared->lock);
            shared->result = std::move(result);
        }
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [shared] {
                if (shared->waiting) {
                    shared->waiting->exit(Answered);
                }
            },
            Qt::QueuedConnection);
    });
    QTimer patience;
    if (patienceMs > 0) {
        patience.setSingleShot(true);
        patience.setTimerType(Qt::PreciseTimer);
        QObject::connect(&patience, &QTimer::timeout, &loop, [&loop] { loop.exit(OutOfPatience); });
        patience.start(patienceMs);
    }
    const int end = loop.exec();
    shared->waiting = nullptr;
    if (end == OutOfPatience) {
        return std::optional<Result>(Result{});
    }
    if (end != Answered) {
        m_leftRunning = true;
        return std::nullopt;
    }
    const std::lock_guard<std::mutex> lock(shared->lock);
    return std::move(shared->result);
}

void PrintAction::follow(const PrintAdvice& advice, const PrintQueues& service, const Page& page) {
    switch (advice.next) {
    case PrintAdvice::Next::Print:
        printOn(advice.queue, page);
        return;
    case PrintAdvice::Next::AskToSend:
        if (ask(advice.text)) {
            printOn(advice.queue, page);
        }
        return;
    case PrintAdvice::Next::AskToChoosePrinter:
        if (ask(advice.text)) {
            choosePrinter(service, page);
        } else {
            saveAsPdf(page);
        }
        return;
    case PrintAdvice::Next::OfferPdf:
        if (ask(advice.text)) {
            saveAsPdf(page);
        }
        return;
    }
}

void PrintAction::printOn(const QString& queue, const Page& page) {
    BusyWindow busy(m_window.dialogParent());
    PagePrinter& printer = m_services.printer;
    // The printer gives up by its own deadline: the job may still be accepted until then.
    const auto done = offThread<std::optional<QString>>(
        [&printer, queue, page] { return printer.printOn(queue, page); }, 0);
    busy.restore(m_window.magazine() != Magazine::None);
    if (!done) {
        return; // the program is quitting
    }
    if (const auto& failure = *done) {
        tellNotPrinted(*failure);
    }
}

void PrintAction::tellNotPrinted(const QString& reason) {
    m_services.messages.show(m_window.dialogParent(), MessageIcon::Warning, messageTitle(),
                             u"La fiche n'a pas été imprimée : %1."_s.arg(reason));
}

void PrintAction::choosePrinter(const PrintQueues& service, const Page& page) {
    const auto choice = m_services.printer.choosePrinter(m_window.dialogParent());
    if (!choice) {
        return;
    }
    if (!choice->pdfPath.isEmpty()) {
        writePdf(page, choice->pdfPath);
        return;
    }
    follow(adviseQueue(service, choice->queue), service, page);
}

bool PrintAction::ask(const QString& text) {
    return m_services.messages.ask(m_window.dialogParent(), messageTitle(), text,
                                   DefaultAnswer::Yes);
}

void PrintAction::refusePrice(const print::PriceNotANumber& refusal, const QLocale& locale) {
    const QString example = locale.toString(99.5, 'f', 2);
    m_services.messages.show(
        m_window.dialogParent(), MessageIcon::Warning, messageTitle(),
        u"Le champ « Rétribution (port compris) » doit contenir un nombre de francs, par exemple "
        u"100 ou %1 ; « %2 » n'en est pas un.\n\nLa fiche n'a pas été imprimée."_s.arg(
            example, refusal.text));
}

void PrintAction::saveAsPdf(const Page& page) {
    const std::optional<QString> path =
        m_services.fileDialogs.askSaveFile(m_window.dialogParent(), pdfSaveRequest());
    if (path) {
        writePdf(page, *path);
    }
}

void PrintAction::writePdf(const Page& page, const QString& path) {
    if (const auto failure = m_services.printer.printToPdf(page, path)) {
        m_services.messages.show(
            m_window.dialogParent(), MessageIcon::Warning, messageTitle(),
            u"Le fichier « %1 » n'a pas pu être enregistré : %2."_s.arg(path, *failure));
    }
}

} // namespace scribel
