#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace scribel {

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
    QString defaultQueue;   // empty when none is the default
    QString requestedBy;    // "LPDEST" or "PRINTER" when one of them names a queue
    QString requestedQueue; // the queue it names, which may not exist

    const PrintQueue* find(const QString& name) const;
};

// Asks the print service (CUPS_SERVER, else the machine's) about its queues.
PrintQueues readPrintQueues();

// Hands a PDF document to a queue. Returns nothing once the queue has accepted the job,
// else the reason, in French.
std::optional<QString> submitPdf(const QString& queue, const QByteArray& pdf, const QString& title);

} // namespace scribel
