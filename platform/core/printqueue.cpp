#include "printqueue.h"

#include "queuechoice.h"

#include <QLibrary>
#include <QUrl>
#include <condition_variable>
#include <cups/cups.h>
#include <sys/socket.h>
#include <thread>
#include <type_traits>

namespace scribel {

using namespace Qt::Literals::StringLiterals;

namespace {

using Clock = std::chrono::steady_clock;

// How soon a request past its deadline is shut again.
constexpr std::chrono::milliseconds kShutAgain{50};

// What the program needs of libcups, resolved by hand from the library loaded at run time.
struct CupsFunctions {
    decltype(&::cupsSetServer) cupsSetServer = nullptr;
    decltype(&::cupsServer) cupsServer = nullptr;
    decltype(&::ippPort) ippPort = nullptr;
    decltype(&::cupsEncryption) cupsEncryption = nullptr;
    decltype(&::cupsUser) cupsUser = nullptr;
    decltype(&::httpConnect2) httpConnect2 = nullptr;
    decltype(&::httpGetFd) httpGetFd = nullptr;
    decltype(&::httpClose) httpClose = nullptr;
    decltype(&::cupsLastError) cupsLastError = nullptr;
    decltype(&::ippNewRequest) ippNewRequest = nullptr;
    decltype(&::ippAddString) ippAddString = nullptr;
    decltype(&::ippAddStrings) ippAddStrings = nullptr;
    decltype(&::ippDelete) ippDelete = nullptr;
    decltype(&::cupsSendRequest) cupsSendRequest = nullptr;
    decltype(&::cupsWriteRequestData) cupsWriteRequestData = nullptr;
    decltype(&::cupsGetResponse) cupsGetResponse = nullptr;
    decltype(&::ippGetStatusCode) ippGetStatusCode = nullptr;
    decltype(&::ippFirstAttribute) ippFirstAttribute = nullptr;
    decltype(&::ippNextAttribute) ippNextAttribute = nullptr;
    decltype(&::ippFindAttribute) ippFindAttribute = nullptr;
    decltype(&::ippGetName) ippGetName = nullptr;
    decltype(&::ippGetGroupTag) ippGetGroupTag = nullptr;
    decltype(&::ippGetInteger) ippGetInteger = nullptr;
    decltype(&::ippGetBoolean) ippGetBoolean = nullptr;
    decltype(&::ippGetString) ippGetString = nullptr;
    decltype(&::ippGetCollection) ippGetCollection = nullptr;

    bool resolve(QLibrary& file) {
        const auto one = [&file](auto& function, const char* name) {
            function =
                reinterpret_cast<std::remove_reference_t<decltype(function)>>(file.resolve(name));
            return function != nullptr;
        };
        return one(cupsSetServer, "cupsSetServer") && one(cupsServer, "cupsServer") &&
               one(ippPort, "ippPort") && one(cupsEncryption, "cupsEncryption") &&
               one(cupsUser, "cupsUser") && one(httpConnect2, "httpConnect2") &&
               one(httpGetFd, "httpGetFd") && one(httpClose, "httpClose") &&
               one(cupsLastError, "cupsLastError") && one(ippNewRequest, "ippNewRequest") &&
               one(ippAddString, "ippAddString") && one(ippAddStrings, "ippAddStrings") &&
               one(ippDelete, "ippDelete") && one(cupsSendRequest, "cupsSendRequest") &&
               one(cupsWriteRequestData, "cupsWriteRequestData") &&
               one(cupsGetResponse, "cupsGetResponse") &&
               one(ippGetStatusCode, "ippGetStatusCode") &&
               one(ippFirstAttribute, "ippFirstAttribute") &&
               one(ippNextAttribute, "ippNextAttribute") &&
               one(ippFindAttribute, "ippFindAttribute") && one(ippGetName, "ippGetName") &&
               one(ippGetGroupTag, "ippGetGroupTag") && one(ippGetInteger, "ippGetInteger") &&
               one(ippGetBoolean, "ippGetBoolean") && one(ippGetString, "ippGetString") &&
               one(ippGetCollection, "ippGetCollection");
    }
};

// One connection to the service, closed at the end of its request. Its deadline holds for
// the whole exchange: libcups gives up only when the service stays silent for a while, never
// while it trickles bytes, so at the deadline the connection is shut under it.
class Connection final {
public:
    Connection(const CupsFunctions& cups, std::chrono::milliseconds deadline)
        : m_cups(cups), m_end(Clock::now() + deadline) {
        // Read afresh for each request: libcups keeps it per thread, and the environment
        // may have changed since this thread last asked.
        m_cups.cupsSetServer(nullptr);
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(m_end - Clock::now());
        int cancelled = 0;
        m_http = m_cups.httpConnect2(m_cups.cupsServer(), m_cups.ippPort(), nullptr, AF_UNSPEC,
                                     m_cups.cupsEncryption(), 1,
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
            m_cups.httpClose(m_http);
        }
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

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
            ::shutdown(m_cups.httpGetFd(m_http), SHUT_RDWR);
        } while (!m_wake.wait_for(lock, kShutAgain, [this] { return m_done; }));
    }

    const CupsFunctions& m_cups;
    const Clock::time_point m_end;
    http_t* m_http = nullptr;
    mutable std::mutex m_lock;
    std::condition_variable m_wake;
    bool m_done = false;
    bool m_timedOut = false;
    std::thread m_watchdog;
};

// The answer to a request, deleted with it.
class Response final {
public:
    Response(const CupsFunctions& cups, ipp_t* response) : m_cups(cups), m_ipp(response) {}
    ~Response() {
        if (m_ipp != nullptr) {
            m_cups.ippDelete(m_ipp);
        }
    }
    Response(const Response&) = delete;
    Response& operator=(const Response&) = delete;

    ipp_t* get() const { return m_ipp; }

private:
    const CupsFunctions& m_cups;
    ipp_t* m_ipp;
};

// Sends a request (deleting it), then the document if any, and reads the answer.
ipp_t* exchange(const CupsFunctions& cups, http_t* http, ipp_t* request, const char* resource,
                const QByteArray& document = {}) {
    // In chunks, as the print commands send a document: sent with its length given, the
    // document reached the service cut short.
    http_status_t status = cups.cupsSendRequest(http, request, resource, CUPS_LENGTH_VARIABLE);
    if (status == HTTP_STATUS_CONTINUE && !document.isEmpty()) {
        status = cups.cupsWriteRequestData(http, document.constData(),
                                           static_cast<size_t>(document.size()));
    }
    cups.ippDelete(request);
    if (status != HTTP_STATUS_CONTINUE && status != HTTP_STATUS_OK) {
        return nullptr;
    }
    return cups.cupsGetResponse(http, resource);
}

// A collection's whole-number member, or -1.
int member(const CupsFunctions& cups, ipp_t* collection, const char* name) {
    ipp_attribute_t* attribute = cups.ippFindAttribute(collection, name, IPP_TAG_INTEGER);
    return attribute != nullptr ? cups.ippGetInteger(attribute, 0) : -1;
}

// "media-col-default": sizes and margins in hundredths of a millimetre.
std::optional<Paper> paperOf(const CupsFunctions& cups, ipp_attribute_t* mediaCol) {
    ipp_t* media = cups.ippGetCollection(mediaCol, 0);
    ipp_attribute_t* sizeAttribute =
        cups.ippFindAttribute(media, "media-size", IPP_TAG_BEGIN_COLLECTION);
    if (sizeAttribute == nullptr) {
        return std::nullopt;
    }
    ipp_t* size = cups.ippGetCollection(sizeAttribute, 0);
    const int width = member(cups, size, "x-dimension");
    const int height = member(cups, size, "y-dimension");
    const int margins[] = {
        member(cups, media, "media-left-margin"), member(cups, media, "media-top-margin"),
        member(cups, media, "media-right-margin"), member(cups, media, "media-bottom-margin")};
    if (width <= 0 || height <= 0) {
        return std::nullopt;
    }
    const auto mm = [](int hundredths) {
        return std::max(0, hundredths) / 100.0;
    };
    return Paper{{mm(width), mm(height)},
                 {mm(margins[0]), mm(margins[1]), mm(margins[2]), mm(margins[3])}};
}

constexpr int kPrinterIsDefault = 0x20000; // CUPS_PRINTER_DEFAULT in "printer-type"

// One queue's attributes, from its first attribute to the next separator.
ipp_attribute_t* readQueue(const CupsFunctions& cups, ipp_t* response, ipp_attribute_t* attribute,
                           PrintQueues& result) {
    PrintQueue queue;
    std::optional<Paper> paper;
    bool isDefault = false;
    for (; attribute != nullptr && cups.ippGetName(attribute) != nullptr;
         attribute = cups.ippNextAttribute(response)) {
        const QByteArray name(cups.ippGetName(attribute));
        if (name == "printer-name") {
            queue.name = QString::fromUtf8(cups.ippGetString(attribute, 0, nullptr));
        } else if (name == "printer-state") {
            queue.paused = cups.ippGetInteger(attribute, 0) == IPP_PSTATE_STOPPED;
        } else if (name == "printer-is-accepting-jobs") {
            queue.acceptingJobs = cups.ippGetBoolean(attribute, 0) != 0;
        } else if (name == "printer-type") {
            isDefault = (cups.ippGetInteger(attribute, 0) & kPrinterIsDefault) != 0;
        } else if (name == "media-col-default") {
            paper = paperOf(cups, attribute);
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

struct PrintService::Library {
    QLibrary file;
    CupsFunctions cups;
};

const PrintQueue* PrintQueues::find(const QString& name) const {
    for (const PrintQueue& queue : queues) {
        if (queue.name.compare(name, Qt::CaseInsensitive) == 0) {
            return &queue;
        }
    }
    return nullptr;
}

const PrintQueue* PrintQueues::target() const {
    return find(requestedQueue.isEmpty() ? defaultQueue : requestedQueue);
}

PrintService::PrintService(QString libraryFile, int libraryVersion, QString package)
    : m_libraryFile(std::move(libraryFile)), m_libraryVersion(libraryVersion),
      m_package(std::move(package)) {}

PrintService::~PrintService() = default;

const PrintService::Library* PrintService::library() const {
    const std::lock_guard<std::mutex> lock(m_loading);
    if (!m_library) {
        auto library = std::make_unique<Library>();
        library->file.setFileNameAndVersion(m_libraryFile, m_libraryVersion);
        // Stays loaded once loaded: a request abandoned by the window may still be running.
        if (library->file.load() && library->cups.resolve(library->file)) {
            m_library = std::move(library);
        }
    }
    return m_library.get();
}

PrintQueues PrintService::readQueues(std::chrono::milliseconds deadline) const {
    PrintQueues result;
    readRequestedQueue(result);
    const Library* library = this->library();
    if (library == nullptr) {
        result.missingLibrary = m_package;
        return result;
    }
    const CupsFunctions& cups = library->cups;
    const Connection connection(cups, deadline);
    if (connection.http() == nullptr) {
        return result;
    }
    static const char* const wanted[] = {"printer-name", "printer-state",
                                         "printer-is-accepting-jobs", "printer-type",
                                         "media-col-default"};
    ipp_t* request = cups.ippNewRequest(IPP_OP_CUPS_GET_PRINTERS);
    cups.ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                       std::size(wanted), nullptr, wanted);
    const Response response(cups, exchange(cups, connection.http(), request, "/"));
    if (response.get() == nullptr || connection.timedOut()) {
        return result;
    }
    // No queue at all is an answer too ("not found").
    result.serviceAnswers = true;
    for (ipp_attribute_t* attribute = cups.ippFirstAttribute(response.get()); attribute != nullptr;
         attribute = cups.ippNextAttribute(response.get())) {
        if (cups.ippGetGroupTag(attribute) == IPP_TAG_PRINTER) {
            attribute = readQueue(cups, response.get(), attribute, result);
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

std::optional<QString> PrintService::submitPdf(const QString& queue, const QByteArray& pdf,
                                               const QString& title,
                                               std::chrono::milliseconds deadline) const {
    const Library* library = this->library();
    if (library == nullptr) {
        return u"la bibliothèque d'impression %1 est introuvable"_s.arg(m_package);
    }
    const CupsFunctions& cups = library->cups;
    const Connection connection(cups, deadline);
    if (connection.http() == nullptr) {
        return u"le service d'impression (CUPS) ne répond pas"_s;
    }
    const QByteArray resource = "/printers/" + QUrl::toPercentEncoding(queue);
    const QByteArray uri = "ipp://localhost" + resource;
    ipp_t* request = cups.ippNewRequest(IPP_OP_PRINT_JOB);
    cups.ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr,
                      uri.constData());
    cups.ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
                      cups.cupsUser());
    cups.ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "job-name", nullptr,
                      title.toUtf8().constData());
    cups.ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_MIMETYPE, "document-format", nullptr,
                      CUPS_FORMAT_PDF);
    const Response response(cups,
                            exchange(cups, connection.http(), request, resource.constData(), pdf));
    if (connection.timedOut()) {
        return u"l'imprimante «\u00A0%1\u00A0» n'a pas reçu le document (%2)"_s.arg(
            queue, reasonFor(IPP_STATUS_ERROR_TIMEOUT));
    }
    if (response.get() == nullptr) {
        return u"l'imprimante «\u00A0%1\u00A0» n'a pas reçu le document (%2)"_s.arg(
            queue, reasonFor(cups.cupsLastError()));
    }
    const ipp_status_t status = cups.ippGetStatusCode(response.get());
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
