#include "printqueue.h"

#include <QLibrary>
#include <cups/cups.h>
#include <memory>
#include <type_traits>

namespace scribel {

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kConnectTimeoutMs = 3000;

// libcups, and the libraries it brings, would cost every start of the program a few
// milliseconds: it is loaded at the first print instead. Without it the print service
// counts as not answering.
struct CupsLibrary {
    decltype(&::cupsServer) cupsServer = nullptr;
    decltype(&::ippPort) ippPort = nullptr;
    decltype(&::cupsEncryption) cupsEncryption = nullptr;
    decltype(&::httpConnect2) httpConnect2 = nullptr;
    decltype(&::httpClose) httpClose = nullptr;
    decltype(&::cupsGetOption) cupsGetOption = nullptr;
    decltype(&::cupsLastError) cupsLastError = nullptr;
    decltype(&::cupsGetDests2) cupsGetDests2 = nullptr;
    decltype(&::cupsFreeDests) cupsFreeDests = nullptr;
    decltype(&::cupsCreateJob) cupsCreateJob = nullptr;
    decltype(&::cupsCancelJob2) cupsCancelJob2 = nullptr;
    decltype(&::cupsStartDocument) cupsStartDocument = nullptr;
    decltype(&::cupsWriteRequestData) cupsWriteRequestData = nullptr;
    decltype(&::cupsFinishDocument) cupsFinishDocument = nullptr;
    bool loaded = false;
};

const CupsLibrary& cups() {
    static const CupsLibrary library = [] {
        CupsLibrary c;
        QLibrary file(QStringLiteral("cups"), 2); // stays loaded once loaded
        if (!file.load()) {
            return c;
        }
        const auto resolve = [&file](auto& function, const char* name) {
            function =
                reinterpret_cast<std::remove_reference_t<decltype(function)>>(file.resolve(name));
            return function != nullptr;
        };
        c.loaded = resolve(c.cupsServer, "cupsServer") && resolve(c.ippPort, "ippPort") &&
                   resolve(c.cupsEncryption, "cupsEncryption") &&
                   resolve(c.httpConnect2, "httpConnect2") && resolve(c.httpClose, "httpClose") &&
                   resolve(c.cupsGetOption, "cupsGetOption") &&
                   resolve(c.cupsLastError, "cupsLastError") &&
                   resolve(c.cupsGetDests2, "cupsGetDests2") &&
                   resolve(c.cupsFreeDests, "cupsFreeDests") &&
                   resolve(c.cupsCreateJob, "cupsCreateJob") &&
                   resolve(c.cupsCancelJob2, "cupsCancelJob2") &&
                   resolve(c.cupsStartDocument, "cupsStartDocument") &&
                   resolve(c.cupsWriteRequestData, "cupsWriteRequestData") &&
                   resolve(c.cupsFinishDocument, "cupsFinishDocument");
        return c;
    }();
    return library;
}

struct HttpClose {
    void operator()(http_t* http) const { cups().httpClose(http); }
};
using Connection = std::unique_ptr<http_t, HttpClose>;

Connection connectToService() {
    if (!cups().loaded) {
        return nullptr;
    }
    return Connection(cups().httpConnect2(cups().cupsServer(), cups().ippPort(), nullptr, AF_UNSPEC,
                                          cups().cupsEncryption(), 1, kConnectTimeoutMs, nullptr));
}

QString option(const cups_dest_t& dest, const char* name) {
    return QString::fromUtf8(cups().cupsGetOption(name, dest.num_options, dest.options));
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

// The print service's answer in French words of our own: its own text follows the
// service's language, often English.
QString lastError() {
    const ipp_status_t status = cups().cupsLastError();
    switch (status) {
    case IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS:
        return u"elle n'accepte pas de documents en ce moment"_s;
    case IPP_STATUS_ERROR_PRINTER_IS_DEACTIVATED:
        return u"elle est désactivée"_s;
    case IPP_STATUS_ERROR_NOT_FOUND:
        return u"elle n'existe pas ou plus"_s;
    case IPP_STATUS_ERROR_FORBIDDEN:
    case IPP_STATUS_ERROR_NOT_AUTHENTICATED:
    case IPP_STATUS_ERROR_NOT_AUTHORIZED:
    case IPP_STATUS_ERROR_CUPS_AUTHENTICATION_CANCELED:
        return u"le service d'impression ne vous y autorise pas"_s;
    case IPP_STATUS_ERROR_DOCUMENT_FORMAT_NOT_SUPPORTED:
        return u"elle ne sait pas imprimer un document PDF"_s;
    case IPP_STATUS_ERROR_REQUEST_ENTITY:
        return u"le document est trop gros pour elle"_s;
    case IPP_STATUS_ERROR_BUSY:
        return u"elle est occupée"_s;
    case IPP_STATUS_ERROR_DEVICE:
        return u"elle est en panne"_s;
    case IPP_STATUS_ERROR_TIMEOUT:
        return u"le service d'impression n'a pas répondu à temps"_s;
    case IPP_STATUS_ERROR_SERVICE_UNAVAILABLE:
        return u"le service d'impression ne répond pas"_s;
    default:
        return u"le service d'impression a répondu par l'erreur 0x%1"_s.arg(
            static_cast<int>(status), 4, 16, QChar(u'0'));
    }
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
    const int count = cups().cupsGetDests2(http.get(), &dests);
    result.serviceAnswers = cups().cupsLastError() != IPP_STATUS_ERROR_SERVICE_UNAVAILABLE;
    for (int i = 0; i < count; ++i) {
        const cups_dest_t& dest = dests[i];
        const QString name = QString::fromUtf8(dest.name);
        if (dest.is_default) {
            result.defaultQueue = queuePart(name); // a default instance prints on its queue
        }
        if (dest.instance != nullptr) {
            continue;
        }
        result.queues.push_back({name, option(dest, "printer-is-accepting-jobs") != u"false"_s,
                                 option(dest, "printer-state").toInt() == IPP_PSTATE_STOPPED});
    }
    cups().cupsFreeDests(count, dests);
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
    const int job =
        cups().cupsCreateJob(http.get(), name.constData(), jobTitle.constData(), 0, nullptr);
    if (job == 0) {
        return u"l'imprimante « %1 » a refusé le document (%2)"_s.arg(queue, lastError());
    }
    const auto refused = [&](const QString& reason) {
        cups().cupsCancelJob2(http.get(), name.constData(), job, 0);
        return u"l'imprimante « %1 » n'a pas reçu le document (%2)"_s.arg(queue, reason);
    };
    if (cups().cupsStartDocument(http.get(), name.constData(), job, jobTitle.constData(),
                                 CUPS_FORMAT_PDF, 1) != HTTP_STATUS_CONTINUE) {
        return refused(lastError());
    }
    if (cups().cupsWriteRequestData(http.get(), pdf.constData(), static_cast<size_t>(pdf.size())) !=
        HTTP_STATUS_CONTINUE) {
        cups().cupsFinishDocument(http.get(), name.constData());
        return refused(lastError());
    }
    if (cups().cupsFinishDocument(http.get(), name.constData()) > IPP_STATUS_OK_EVENTS_COMPLETE) {
        return refused(lastError());
    }
    return std::nullopt;
}

} // namespace scribel
