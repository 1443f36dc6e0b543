#pragma once

#include <QByteArray>
#include <QHash>
#include <QMarginsF>
#include <QSizeF>
#include <QString>
#include <chrono>
#include <optional>
#include <vector>

namespace scribel {

// A queue's default paper: its size and the edges it cannot print on, in millimetres.
struct Paper {
    QSizeF sizeMm;
    QMarginsF marginsMm;

    bool operator==(const Paper& other) const {
        return sizeMm == other.sizeMm && marginsMm == other.marginsMm;
    }
};

// One printer queue as the print service describes it.
struct PrintQueue {
    QString name;
    bool acceptingJobs = true;
    bool paused = false; // stopped: jobs are kept until someone resumes the printer
};

// The print service's answer just before a print: its queues, the default one, and the
// queue the environment (LPDEST, then PRINTER) asks for instead.
struct PrintQueues {
    bool serviceAnswers = false;
    std::vector<PrintQueue> queues;
    QString defaultQueue;         // empty when none is the default
    QString requestedBy;          // "LPDEST" or "PRINTER" when one of them names a queue
    QString requestedQueue;       // the queue it names, which may not exist
    QHash<QString, Paper> papers; // each queue's default paper, when the service tells it

    const PrintQueue* find(const QString& name) const {
        for (const PrintQueue& queue : queues) {
            if (queue.name.compare(name, Qt::CaseInsensitive) == 0) {
                return &queue;
            }
        }
        return nullptr;
    }
    // A queue's paper, when the service told it.
    std::optional<Paper> paperOf(const PrintQueue* queue) const {
        const auto paper = queue != nullptr ? papers.constFind(queue->name) : papers.cend();
        return paper != papers.cend() ? std::optional<Paper>(*paper) : std::nullopt;
    }
    // The queue a print goes to: the one the environment names, else the default one.
    const PrintQueue* target() const {
        return find(requestedQueue.isEmpty() ? defaultQueue : requestedQueue);
    }
};

// Requests to the print service (CUPS_SERVER, else the machine's) through libcups, which
// only the print module links: linked into the program, it would cost every start. Each
// request ends by its deadline, answered or not, so that it may also run where nothing
// waits on it. They may run on any thread.

// The queues, their state and paper, and the default one, in one request.
PrintQueues readQueues(std::chrono::milliseconds deadline);

// Hands a PDF document to a queue in one request. Returns nothing once the queue has
// accepted the job, else the reason, in French.
std::optional<QString> submitPdf(const QString& queue, const QByteArray& pdf, const QString& title,
                                 std::chrono::milliseconds deadline);

} // namespace scribel
