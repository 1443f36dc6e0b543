#pragma once

// A print service of the test's own (tests/print/cups/private-cupsd.sh): a cupsd on a
// socket in a temporary folder, whose default queue "Scribel" writes PDF files into a
// folder of that temporary folder where the PDF printer driver can be confined (as root),
// else throws them away. The machine's print service is never asked.

#include <QDir>
#include <QProcess>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <memory>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

namespace scribel::test {

class PrivatePrintService final {
public:
    // Why it cannot run here, or empty.
    static QString missingTools() {
        const QStringList sbin{QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")};
        if (QStandardPaths::findExecutable(QStringLiteral("cupsd")).isEmpty() &&
            QStandardPaths::findExecutable(QStringLiteral("cupsd"), sbin).isEmpty()) {
            return QStringLiteral("cupsd (cups-daemon) is not installed");
        }
        for (const char* tool : {"lpadmin", "cupsreject", "cupsdisable", "gs", "pdfinfo"}) {
            const QString name = QString::fromLatin1(tool);
            if (QStandardPaths::findExecutable(name).isEmpty() &&
                QStandardPaths::findExecutable(name, sbin).isEmpty()) {
                return name + QStringLiteral(" is not installed");
            }
        }
        return {};
    }

    QString socket() const { return m_dir.filePath(QStringLiteral("cups.sock")); }
    QDir pdfFolder() const { return QDir(m_dir.filePath(QStringLiteral("pdf"))); }
    // "cups-pdf", or "null" for a queue that writes nothing (see the script).
    QString queueKind() const { return m_kind; }

    // Starts the daemon with its default queue; false with the reason in `error`.
    bool start() { return script(QStringLiteral("start"), &m_kind); }
    bool stop() { return script(QStringLiteral("stop")); }
    bool remakeQueue() { return script(QStringLiteral("queue")); }

    // Runs a print command (lpadmin, cupsreject ...) against this service.
    bool command(const QString& program, const QStringList& arguments) {
        QProcess process;
        process.setProcessEnvironment(environment());
        process.setProcessChannelMode(QProcess::MergedChannels);
        QString path = QStandardPaths::findExecutable(program);
        if (path.isEmpty()) {
            path = QStandardPaths::findExecutable(program, {QStringLiteral("/usr/sbin")});
        }
        process.start(path, arguments);
        const bool done = process.waitForFinished(60000) &&
                          process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
        error = QString::fromLocal8Bit(process.readAll()).trimmed();
        return done;
    }

    QString error;

    ~PrivatePrintService() { stop(); }

private:
    QProcessEnvironment environment() const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("CUPS_SERVER"), socket());
        env.remove(QStringLiteral("PRINTER"));
        env.remove(QStringLiteral("LPDEST"));
        return env;
    }

    bool script(const QString& action, QString* output = nullptr) {
        QProcess process;
        process.setProcessEnvironment(environment());
        process.start(QStringLiteral("bash"),
                      {QString::fromUtf8(qgetenv("SCRIBEL_SOURCE_DIR")) +
                           QStringLiteral("/tests/print/cups/private-cupsd.sh"),
                       action, m_dir.path()});
        const bool done = process.waitForFinished(60000) &&
                          process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
        error = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
        if (output != nullptr) {
            *output = QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
        }
        return done;
    }

    QTemporaryDir m_dir;
    QString m_kind;
};

// A print service that has hung: it takes every connection on its socket and never
// answers, as a scheduler stuck on a printer or a server gone silent does; or, trickling,
// it begins an answer and sends one byte of it every 20 ms, never to its end.
class HungPrintService final {
public:
    explicit HungPrintService(bool trickles = false) {
        const QByteArray path = socket().toLocal8Bit();
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        if (static_cast<std::size_t>(path.size()) >= sizeof(address.sun_path)) {
            return;
        }
        std::copy(path.begin(), path.end(), address.sun_path);
        m_listening = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        if (::bind(m_listening, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
            ::listen(m_listening, 16) != 0) {
            return;
        }
        m_accepting = std::make_unique<QSocketNotifier>(m_listening, QSocketNotifier::Read);
        QObject::connect(m_accepting.get(), &QSocketNotifier::activated, m_accepting.get(),
                         [this] { takeWaiting(); });
        if (trickles) {
            QObject::connect(&m_trickle, &QTimer::timeout, &m_trickle, [this] { trickle(); });
            m_trickle.start(20);
        }
    }
    ~HungPrintService() {
        m_accepting.reset();
        for (const int connection : m_taken) {
            ::close(connection);
        }
        ::close(m_listening);
    }
    HungPrintService(const HungPrintService&) = delete;
    HungPrintService& operator=(const HungPrintService&) = delete;

    bool listens() const { return m_accepting != nullptr; }
    QString socket() const { return m_dir.filePath(QStringLiteral("hung.sock")); }
    // Every connection made so far, taken or still waiting to be.
    int connectionsTaken() {
        takeWaiting();
        return static_cast<int>(m_taken.size());
    }
    // The connections the client has not closed yet.
    int connectionsOpen() {
        takeWaiting();
        return static_cast<int>(std::count_if(m_taken.begin(), m_taken.end(), [](int connection) {
            pollfd peer{connection, POLLRDHUP, 0};
            return ::poll(&peer, 1, 0) == 0;
        }));
    }

private:
    void takeWaiting() {
        for (int connection = 0;
             (connection = ::accept4(m_listening, nullptr, nullptr, SOCK_CLOEXEC)) >= 0;) {
            m_taken.push_back(connection);
        }
    }

    // Reads each request to its end, then answers it a byte at a time.
    void trickle() {
        static const QByteArray answer = "HTTP/1.1 200 OK\r\n";
        static const QByteArray endless = "X-Scribel: attendez\r\n";
        takeWaiting();
        m_trickled.resize(m_taken.size());
        for (std::size_t i = 0; i < m_taken.size(); ++i) {
            Trickled& to = m_trickled[i];
            char bytes[4096];
            for (ssize_t got = 0;
                 (got = ::recv(m_taken[i], bytes, sizeof bytes, MSG_DONTWAIT)) > 0;) {
                to.request = (to.request + QByteArray(bytes, got)).right(5);
            }
            if (to.request != "0\r\n\r\n") {
                continue; // the request's last chunk is still to come
            }
            const char byte = to.sent < answer.size()
                                  ? answer.at(to.sent)
                                  : endless.at((to.sent - answer.size()) % endless.size());
            ::send(m_taken[i], &byte, 1, MSG_NOSIGNAL | MSG_DONTWAIT);
            ++to.sent;
        }
    }

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
