#include "printqueue.h"

#include "queuechoice.h"

#include <QUrl>
#include <condition_variable>
#include <cups/cups.h>
#include <memory>
#include <sys/socket.h>
#include <thread>

namespace scribel {

using namespace Qt::Literals::StringLiterals;

namespace {

using Clock = std::chrono::steady_clock;

// How soon a request past its deadline is shut again.
constexpr std::chrono::milliseconds kShutAgain{50};

// One connection to the service, closed at the end of its request. Its deadline holds for
// the whole exchange: libcups gives up only when the service stays silent for a while, never
// while it trickles bytes, so at the deadline the connection is shut under it.
class Connection final {
public:
    explicit Connection(std::chrono::milliseconds deadline) : m_end(Clock::now() + deadline) {
        // Read afresh for each request: libcups keeps it per thread, and the environment
        // may have changed since this thread last asked.
        cupsSetServer(nullptr);
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(m_end - Clock::now());
        int cancelled = 0;
        m_http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                              std::max(1, static_cast<int>(left.count())), &cancelled);
        if (m_http != nullptr) {
            m_watchdog = std::thread([this] { shutAtDeadline(); });
        }
    }
    ~Connection() {
        if (m_http != nullptr) {
            {
                const std::lock_guard<std::mutex> lock(m_lock);
                m_done = true;
            }
            m_wake.notify_one();
            m_watchdog.join();
            httpClose(m_http);
        }
    }

    http_t* http() const { return m_http; }
    bool timedOut() const {
        const std::lock_guard<std::mutex> lock(m_lock);
        return m_timedOut;
    }

private:
    void shutAtDeadline() {
        std::unique_lock<std::mutex> lock(m_lock);
        if (m_wake.wait_until(lock, m_end, [this] { return m_done; })) {
            return;
        }
        m_timedOut = true;
        // Again until the request ends: libcups may have connected afresh meanwhile.
        do {
            ::shutdown(httpGetFd(m_http), SHUT_RDWR);
        } while (!m_wake.wait_for(lock, kShutAgain, [this] { return m_done; }));
    }

    const Clock::time_point m_end;
    http_t* m_http = nullptr;
    mutable std::mutex m_lock;
    std::condition_variable m_wake;
    bool m_done = false;
    bool m_timedOut = false;
    std::thread m_watchdog;
};

// The answer to a request, deleted with it.
using Response = std::unique_ptr<ipp_t, decltype(&ippDelete)>;

// Sends a request (deleting it), then the document if any, and reads the answer.
ipp_t* exchange(http_t* http, ipp_t* request, const char* resource,
                const QByteArray& document = {}) {
    // In chunks, as the print commands send a document: sent with its length given, the
    // document reached the service cut short.
    http_status_t status = cupsSendRequest(http, request, resource, CUPS_LENGTH_VARIABLE);
    if (status == HTTP_STATUS_CONTINUE && !document.isEmpty()) {
        status =
            cupsWriteRequestData(http, document.constData(), static_cast<size_t>(document.size()));
    }
    ippDelete(request);
    if (status != HTTP_STATUS_CONTINUE && status != HTTP_STATUS_OK) {
        return nullptr;
    }
    return cupsGetResponse(http, resource);
}

// A collection's whole-number member, or -1.
int member(ipp_t* collection, const char* name) {
    ipp_attribute_t* attribute = ippFindAttribute(collection, name, IPP_TAG_INTEGER);
    return attribute != nullptr ? ippGetInteger(attribute, 0) : -1;
}

// "media-col-default": sizes and margins in hundredths of a millimetre.
std::optional<Paper> paperOf(ipp_attribute_t* mediaCol) {
    ipp_t* media = ippGetCollection(mediaCol, 0);
    ipp_attribute_t* sizeAttribute =
        ippFindAttribute(media, "media-size", IPP_TAG_BEGIN_COLLECTION);
    if (sizeAttribute == nullptr) {
        return std::nullopt;
    }
    ipp_t* size = ippGetCollection(sizeAttribute, 0);
    const int width = member(size, "x-dimension");
    const int height = member(size, "y-dimension");
    if (width <= 0 || height <= 0) {
        return std::nullopt;
    }
    const auto mm = [media](const char* name) {
        return std::max(0, member(media, name)) / 100.0;
    };
    return Paper{{width / 100.0, height / 100.0},
                 {mm("media-left-margin"), mm("media-top-margin"), mm("media-right-margin"),
                  mm("media-bottom-margin")}};
}

constexpr int kPrinterIsDefault = 0x20000; // CUPS_PRINTER_DEFAULT in "printer-type"

// One queue's attributes, from its first attribute to the next separator.
ipp_attribute_t* readQueue(ipp_t* response, ipp_attribute_t* attribute, PrintQueues& result) {
    PrintQueue queue;
    std::optional<Paper> paper;
    bool isDefault = false;
    for (; attribute != nullptr && ippGetName(attribute) != nullptr;
         attribute = ippNextAttribute(response)) {
        const QByteArray name(ippGetName(attribute));
        if (name == "printer-name") {
            queue.name = QString::fromUtf8(ippGetString(attribute, 0, nullptr));
        } else if (name == "printer-state") {
            queue.paused = ippGetInteger(attribute, 0) == IPP_PSTATE_STOPPED;
        } else if (name == "printer-is-accepting-jobs") {
            queue.acceptingJobs = ippGetBoolean(attribute, 0) != 0;
        } else if (name == "printer-type") {
            isDefault = (ippGetInteger(attribute, 0) & kPrinterIsDefault) != 0;
        } else if (name == "media-col-default") {
            paper = paperOf(attribute);
        }
    }
    if (!queue.name.isEmpty()) {
        if (isDefault) {
            result.defaultQueue = queue.name;
        }
        if (paper) {
            result.papers.insert(queue.name, *paper);
        }
        result.queues.push_back(std::move(queue));
    }
    return attribute;
}

// The service's answer in French words of our own: its own text follows the service's
// language, often English.
QString reasonFor(ipp_status_t status) {
    switch (status) {
    case IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS:
        return u"elle n'accepte pas de documents en ce moment"_s;
    case IPP_STATUS_ERROR_PRINTER_IS_DEACTIVATED:
        return u"elle est désactivée"_s;
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

PrintQueues readQueues(std::chrono::milliseconds deadline) {
    PrintQueues result;
    readRequestedQueue(result);
    const Connection connection(deadline);
    if (connection.http() == nullptr) {
        return result;
    }
    static const char* const wanted[] = {"printer-name", "printer-state",
                                         "printer-is-accepting-jobs", "printer-type",
                                         "media-col-default"};
    ipp_t* request = ippNewRequest(IPP_OP_CUPS_GET_PRINTERS);
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                  std::size(wanted), nullptr, wanted);
    const Response response(exchange(connection.http(), request, "/"), ippDelete);
    if (response.get() == nullptr || connection.timedOut()) {
        return result;
    }
    // No queue at all is an answer too ("not found").
    result.serviceAnswers = true;
    for (ipp_attribute_t* attribute = ippFirstAttribute(response.get()); attribute != nullptr;
         attribute = ippNextAttribute(response.get())) {
        if (ippGetGroupTag(attribute) == IPP_TAG_PRINTER) {
            attribute = readQueue(response.get(), attribute, result);
            if (attribute == nullptr) {
                break;
            }
        }
    }
    if (const QString queue = userDefaultQueue(); result.find(queue) != nullptr) {
        result.defaultQueue = queue;
    }
    return result;
}

std::optional<QString> submitPdf(const QString& queue, const QByteArray& pdf, const QString& title,
                                 std::chrono::milliseconds deadline) {
    const Connection connection(deadline);
    if (connection.http() == nullptr) {
        return u"le service d'impression (CUPS) ne répond pas"_s;
    }
    const QByteArray resource = "/printers/" + QUrl::toPercentEncoding(queue);
    const QByteArray uri = "ipp://localhost" + resource;
    ipp_t* request = ippNewRequest(IPP_OP_PRINT_JOB);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri.constData());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
                 cupsUser());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "job-name", nullptr,
                 title.toUtf8().constData());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_MIMETYPE, "document-format", nullptr,
                 CUPS_FORMAT_PDF);
    const Response response(exchange(connection.http(), request, resource.constData(), pdf),
                            ippDelete);
    if (connection.timedOut()) {
        return u"le service d'impression n'a pas répondu à temps\u00A0: l'imprimante "
               u"«\u00A0%1\u00A0» imprimera peut-être le document quand même"_s.arg(queue);
    }
    if (response.get() == nullptr) {
        return u"l'imprimante «\u00A0%1\u00A0» n'a pas reçu le document (%2)"_s.arg(
            queue, reasonFor(cupsLastError()));
    }
    const ipp_status_t status = ippGetStatusCode(response.get());
    if (status <= IPP_STATUS_OK_EVENTS_COMPLETE) {
        return std::nullopt;
    }
    if (status == IPP_STATUS_ERROR_NOT_FOUND) {
        return u"l'imprimante\u00A0«\u00A0%1\u00A0» n'existe plus"_s.arg(queue);
    }
    return u"l'imprimante «\u00A0%1\u00A0» a refusé le document (%2)"_s.arg(queue,
                                                                            reasonFor(status));
}

} // namespace scribel
