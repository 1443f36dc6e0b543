#include "queuechoice.h"

#include "printqueue.h"

#include <QDir>
#include <QFile>

namespace scribel {

using namespace Qt::Literals::StringLiterals;

namespace {

// A queue named with an instance ("bureau/recto") is that queue.
QString queuePart(const QString& name) {
    return name.section(u'/', 0, 0);
}

// The "Default" line of an options file of the print commands ("Default bureau/recto ...").
QString defaultIn(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return {};
    }
    while (!file.atEnd()) {
        const QList<QByteArray> words = file.readLine().simplified().split(' ');
        if (words.size() >= 2 && words.front().compare("Default", Qt::CaseInsensitive) == 0) {
            return queuePart(QString::fromUtf8(words.at(1)));
        }
    }
    return {};
}

} // namespace

void readRequestedQueue(PrintQueues& queues) {
    const QString lpdest = qEnvironmentVariable("LPDEST");
    const QString printer = qEnvironmentVariable("PRINTER");
    if (!lpdest.isEmpty()) {
        queues.requestedBy = u"LPDEST"_s;
        queues.requestedQueue = queuePart(lpdest);
    } else if (!printer.isEmpty() && printer != u"lp"_s) {
        queues.requestedBy = u"PRINTER"_s;
        queues.requestedQueue = queuePart(printer);
    }
}

QString userDefaultQueue() {
    const QString home = qEnvironmentVariable("HOME", QDir::homePath());
    if (QString queue = defaultIn(home + u"/.cups/lpoptions"_s); !queue.isEmpty()) {
        return queue;
    }
    return defaultIn(qEnvironmentVariable("CUPS_SERVERROOT", u"/etc/cups"_s) + u"/lpoptions"_s);
}

} // namespace scribel
