#include "support/privateprintservice.h"

#include <QFile>
#include <QStandardPaths>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace scribel::test {

QString PrivatePrintService::missingTools() {
    const QStringList sbin{QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")};
    if (QStandardPaths::findExecutable(QStringLiteral("cupsd")).isEmpty() &&
        QStandardPaths::findExecutable(QStringLiteral("cupsd"), sbin).isEmpty()) {
        return QStringLiteral("cupsd (cups-daemon) is not installed");
    }
    if (!QFile::exists(QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd"))) {
        return QStringLiteral(
            "the PDF printer's description (printer-driver-cups-pdf) is not installed");
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

bool PrivatePrintService::command(const QString& program, const QStringList& arguments) {
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

QProcessEnvironment PrivatePrintService::environment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("CUPS_SERVER"), socket());
    env.remove(QStringLiteral("PRINTER"));
    env.remove(QStringLiteral("LPDEST"));
    return env;
}

bool PrivatePrintService::script(const QString& action) {
    QProcess process;
    process.setProcessEnvironment(environment());
    process.start(QStringLiteral("bash"), {QString::fromUtf8(qgetenv("SCRIBEL_SOURCE_DIR")) +
                                               QStringLiteral("/tests/print/cups/private-cupsd.sh"),
                                           action, m_dir.path()});
    const bool done = process.waitForFinished(60000) &&
                      process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    error = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
    return done;
}

HungPrintService::HungPrintService() {
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

void HungPrintService::takeWaiting() {
    for (int connection = 0;
         (connection = ::accept4(m_listening, nullptr, nullptr, SOCK_CLOEXEC)) >= 0;) {
        m_taken.push_back(connection);
    }
}

} // namespace scribel::test
