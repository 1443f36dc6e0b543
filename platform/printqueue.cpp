#include "printqueue.h"

#include <cups/cups.h>
#include <memory>

namespace scribel {

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kConnectTimeoutMs = 3000;

struct HttpClose {
    void operator()(http_t* http) const { httpClose(http); }
};
using Connection = std::unique_ptr<http_t, HttpClose>;

Connection connectToService() {
    return Connection(httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                                   kConnectTimeoutMs, nullptr));
}

QString option(const cups_dest_t& dest, const char* name) {
    return QString::fromUtf8(cupsGetOption(name, dest.num_options, dest.options));
}

// A queue named with an instance ("bureau/recto") is that queue.
QString queuePart(const QString& name) {
    return name.section(u'/', 0, 0);
}

// The environment's choice, read as the print commands read it; PRINTER=lp means none.
void readRequestedQueue(PrintQueues& result) {
    const QString lpdest = qEnvironmentVariable("LPDEST");
    const QString printer = qEnvironmentVariable("PRINTER");
    if (!lpdest.isEmpty()) {
        result.requestedBy = u"LPDEST"_s;
        result.requestedQueue = queuePart(lpdest);
    } else if (!printer.isEmpty() && printer != u"lp"_s) {
        result.requestedBy = u"PRINTER"_s;
        result.requestedQueue = queuePart(printer);
    }
}

// libcups's own words (in the user's language), which end a sentence of ours.
QString lastError() {
    QString reason = QString::fromUtf8(cupsLastErrorString()).trimmed();
    if (reason.endsWith(u'.')) {
        reason.chop(1);
    }
    return reason;
}

} // namespace

const PrintQueue* PrintQueues::find(const QString& name) const {
    for (const PrintQueue& queue : queues) {
        if (queue.name.compare(name, Qt::CaseInsensitive) == 0) {
            return &queue;
        }
    }
    return nullptr;
}

PrintQueues readPrintQueues() {
    PrintQueues result;
    readRequestedQueue(result);
    const Connection http = connectToService();
    if (!http) {
        return result;
    }
    cups_dest_t* dests = nullptr;
    const int count = cupsGetDests2(http.get(), &dests);
    result.serviceAnswers = cupsLastError() != IPP_STATUS_ERROR_SERVICE_UNAVAILABLE;
    for (int i = 0; i < count; ++i) {
        const cups_dest_t& dest = dests[i];
        const QString name = QString::fromUtf8(dest.name);
        if (dest.is_default) {
            result.defaultQueue = name;
        }
        if (dest.instance != nullptr) {
            continue;
        }
        result.queues.push_back({name, option(dest, "printer-is-accepting-jobs") != u"false"_s,
                                 option(dest, "printer-state").toInt() == IPP_PSTATE_STOPPED});
    }
    cupsFreeDests(count, dests);
    return result;
}

std::optional<QString> submitPdf(const QString& queue, const QByteArray& pdf,
                                 const QString& title) {
    const Connection http = connectToService();
    if (!http) {
        return u"le service d'impression (CUPS) ne répond pas"_s;
    }
    const QByteArray name = queue.toUtf8();
    const QByteArray jobTitle = title.toUtf8();
    const int job = cupsCreateJob(http.get(), name.constData(), jobTitle.constData(), 0, nullptr);
    if (job == 0) {
        return u"l'imprimante « %1 » a refusé le document (%2)"_s.arg(queue, lastError());
    }
    const auto refused = [&](const QString& reason) {
        cupsCancelJob2(http.get(), name.constData(), job, 0);
        return u"l'imprimante « %1 » n'a pas reçu le document (%2)"_s.arg(queue, reason);
    };
    if (cupsStartDocument(http.get(), name.constData(), job, jobTitle.constData(), CUPS_FORMAT_PDF,
                          1) != HTTP_STATUS_CONTINUE) {
        return refused(lastError());
    }
    if (cupsWriteRequestData(http.get(), pdf.constData(), static_cast<size_t>(pdf.size())) !=
        HTTP_STATUS_CONTINUE) {
        cupsFinishDocument(http.get(), name.constData());
        return refused(lastError());
    }
    if (cupsFinishDocument(http.get(), name.constData()) > IPP_STATUS_OK_EVENTS_COMPLETE) {
        return refused(lastError());
    }
    return std::nullopt;
}

} // namespace scribel
