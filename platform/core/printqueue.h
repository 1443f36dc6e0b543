#pragma once

#include <QByteArray>
#include <QHash>
#include <QMarginsF>
#include <QSizeF>
#include <QString>
#include <chrono>
#include <memory>
#include <mutex>
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
    QString missingLibrary; // the package to install when the client library cannot be loaded
    std::vector<PrintQueue> queues;
    QString defaultQueue;         // empty when none is the default
    QString requestedBy;          // "LPDEST" or "PRINTER" when one of them names a queue
    QString requestedQueue;       // the queue it names, which may not exist
    QHash<QString, Paper> papers; // each queue's default paper, when the service tells it

    const PrintQueue* find(const QString& name) const;
    // The queue a print goes to: the one the environment names, else the default one.
    const PrintQueue* target() const;
};

// The print service (CUPS_SERVER, else the machine's) through its client library, which is
// loaded at the first request: linked in, it would cost every start of the program a few
// milliseconds. Every request ends by its deadline, answered or not, so that it may also
// run where nothing waits on it. Requests may run on any thread, one at a time.
class PrintService final {
public:
    // The library's file name and major version, and the package that brings it.
    explicit PrintService(QString libraryFile = QStringLiteral("cups"), int libraryVersion = 2,
                          QString package = QStringLiteral("libcups2"));
    ~PrintService();
    PrintService(const PrintService&) = delete;
    PrintService& operator=(const PrintService&) = delete;

    // The queues, their state and paper, and the default one, in one request.
    PrintQueues readQueues(std::chrono::milliseconds deadline) const;

    // Hands a PDF document to a queue in one request. Returns nothing once the queue has
    // accepted the job, else the reason, in French.
    std::optional<QString> submitPdf(const QString& queue, const QByteArray& pdf,
                                     const QString& title,
                                     std::chrono::milliseconds deadline) const;

private:
    struct Library;
    // Loads the library at the first call, and tries again after a failure.
    const Library* library() const;

    QString m_libraryFile;
    int m_libraryVersion;
    QString m_package;
    mutable std::mutex m_loading;
    mutable std::unique_ptr<Library> m_library;
};

} // namespace scribel
