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
#include <memory>
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
// answers, as a scheduler stuck on a printer or a server gone silent does.
class HungPrintService final {
public:
    HungPrintService() {
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

private:
    void takeWaiting() {
        for (int connection = 0;
             (connection = ::accept4(m_listening, nullptr, nullptr, SOCK_CLOEXEC)) >= 0;) {
            m_taken.push_back(connection);
        }
    }

    QTemporaryDir m_dir;
    int m_listening = -1;
    std::unique_ptr<QSocketNotifier> m_accepting;
    std::vector<int> m_taken;
};

} // namespace scribel::test
