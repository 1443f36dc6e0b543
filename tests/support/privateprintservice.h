#pragma once

// A print service of the test's own (tests/print/cups/private-cupsd.sh): a cupsd on a socket
// in a temporary folder, whose default queue "Scribel" writes PDF files into that folder.

#include <QDir>
#include <QProcess>
#include <QSocketNotifier>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>
#include <vector>

namespace scribel::test {

class PrivatePrintService final {
public:
    // Why it cannot run here, or empty.
    static QString missingTools();

    QString socket() const { return m_dir.filePath(QStringLiteral("cups.sock")); }
    QDir pdfFolder() const { return QDir(m_dir.filePath(QStringLiteral("pdf"))); }

    // Starts the daemon with its default queue; false with the reason in `error`.
    bool start() { return script(QStringLiteral("start")); }
    bool stop() { return script(QStringLiteral("stop")); }
    // Runs the service's script: "start", "stop", or "queue" to make the queue again.
    bool script(const QString& action);

    // Runs a print command (lpadmin, cupsreject ...) against this service.
    bool command(const QString& program, const QStringList& arguments);

    QString error;

    ~PrivatePrintService() { stop(); }

private:
    bool run(const QString& program, const QStringList& arguments,
             QProcess::ProcessChannelMode channels);

    QTemporaryDir m_dir;
};

// A print service that has hung: it takes every connection on its socket and never
// answers, as a scheduler stuck on a printer or a server gone silent does; or, trickling,
// it begins an answer and sends one byte of it every 20 ms, never to its end.
class HungPrintService final {
public:
    explicit HungPrintService(bool trickles = false);
    ~HungPrintService();
    HungPrintService(const HungPrintService&) = delete;
    HungPrintService& operator=(const HungPrintService&) = delete;

    bool listens() const { return m_accepting != nullptr; }
    QString socket() const { return m_dir.filePath(QStringLiteral("hung.sock")); }
    // Every connection made so far, taken or still waiting to be.
    int connectionsTaken();
    // The connections the client has not closed yet.
    int connectionsOpen();

private:
    void takeWaiting();

    // Reads each request to its end, then answers it a byte at a time.
    void trickle();

    struct Trickled {
        QByteArray request; // its last bytes
        qsizetype sent = 0;
    };
    QTemporaryDir m_dir;
    QTimer m_trickle;
    std::vector<Trickled> m_trickled;
    int m_listening = -1;
    std::unique_ptr<QSocketNotifier> m_accepting;
    std::vector<int> m_taken;
};

} // namespace scribel::test
