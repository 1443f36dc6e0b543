#include "support/privateprintservice.h"

#include <QFile>
#include <QStandardPaths>
#include <algorithm>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace scribel::test {

namespace {

// The tool's path; the print service's administration commands live in sbin, which a
// user's PATH may lack. Empty when it is not installed.
QString toolPath(const QString& name) {
    const QString path = QStandardPaths::findExecutable(name);
    return path.isEmpty() ? QStandardPaths::findExecutable(
                                name, {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")})
                          : path;
}

} // namespace

QString PrivatePrintService::missingTools() {
    if (toolPath(QStringLiteral("cupsd")).isEmpty()) {
        return QStringLiteral("cupsd (cups-daemon) is not installed");
    }
    if (!QFile::exists(QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd"))) {
        return QStringLiteral(
            "the PDF printer's description (printer-driver-cups-pdf) is not installed");
    }
    for (const char* tool : {"lpadmin", "cupsreject", "cupsdisable", "gs", "pdfinfo"}) {
        if (toolPath(QString::fromLatin1(tool)).isEmpty()) {
            return QString::fromLatin1(tool) + QStringLiteral(" is not installed");
        }
    }
    return {};
}

bool PrivatePrintService::command(const QString& program, const QStringList& arguments) {
    return run(toolPath(program), arguments, QProcess::MergedChannels);
}

bool PrivatePrintService::script(const QString& action) {
    return run(QStringLiteral("bash"),
               {QString::fromUtf8(qgetenv("SCRIBEL_SOURCE_DIR")) +
                    QStringLiteral("/tests/print/cups/private-cupsd.sh"),
                action, m_dir.path()},
               QProcess::SeparateChannels);
}

bool PrivatePrintService::run(const QString& program, const QStringList& arguments,
                              QProcess::ProcessChannelMode channels) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("CUPS_SERVER"), socket());
    env.remove(QStringLiteral("PRINTER"));
    env.remove(QStringLiteral("LPDEST"));
    QProcess process;
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(channels);
    process.start(program, arguments);
    const bool done = process.waitForFinished(60000) &&
                      process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    // The script's error output only; a command's whole output.
    error = QString::fromLocal8Bit(channels == QProcess::MergedChannels
                                       ? process.readAllStandardOutput()
                                       : process.readAllStandardError())
                .trimmed();
    return done;
}

HungPrintService::HungPrintService(bool trickles) {
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

HungPrintService::~HungPrintService() {
    m_accepting.reset();
    for (const int connection : m_taken) {
        ::close(connection);
    }
    ::close(m_listening);
}

int HungPrintService::connectionsTaken() {
    takeWaiting();
    return static_cast<int>(m_taken.size());
}

int HungPrintService::connectionsOpen() {
    takeWaiting();
    return static_cast<int>(std::count_if(m_taken.begin(), m_taken.end(), [](int connection) {
        pollfd peer{connection, POLLRDHUP, 0};
        return ::poll(&peer, 1, 0) == 0;
    }));
}

void HungPrintService::trickle() {
    static const QByteArray answer = "HTTP/1.1 200 OK\r\n";
    static const QByteArray endless = "X-Scribel: attendez\r\n";
    takeWaiting();
    m_trickled.resize(m_taken.size());
    for (std::size_t i = 0; i < m_taken.size(); ++i) {
        Trickled& to = m_trickled[i];
        char bytes[4096];
        for (ssize_t got = 0; (got = ::recv(m_taken[i], bytes, sizeof bytes, MSG_DONTWAIT)) > 0;) {
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

void HungPrintService::takeWaiting() {
    for (int connection = 0;
         (connection = ::accept4(m_listening, nullptr, nullptr, SOCK_CLOEXEC)) >= 0;) {
        m_taken.push_back(connection);
    }
}

} // namespace scribel::test
