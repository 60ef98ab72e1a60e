#include "curlhttptransport.h"

#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>

#include <climits>
#include <cstring>
#include <mutex>
#include <poll.h>

namespace
{
// A bulk transfer reads up to this much per call, a few TLS records at once rather than one...
constexpr long bulkReceiveBytes = 512 * 1024;
// ...and hands as much of an upload to TLS per call.
constexpr long bulkSendBytes = 512 * 1024;
// The longest the event loop waits while a readable connection is drained: far below a frame.
constexpr qint64 readingSliceNs = 2'000'000;
// Qt's limit of connections to one host.
constexpr long connectionsPerHost = 6;

void initialiseCurl()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// Retires a notifier that may be the one emitting right now: it stops at once and goes later.
void retire(QSocketNotifier *&notifier)
{
    if (!notifier)
        return;
    notifier->setEnabled(false);
    notifier->deleteLater();
    notifier = nullptr;
}

bool hasHeader(const HttpTransport::Headers &headers, QByteArrayView name)
{
    for (const auto &header : headers) {
        if (header.first.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

// Where the TLS layer keeps the system's CAs: OpenSSL's own override first, then what libcurl was
// built with.
QByteArray systemStore(const char *variable, CURLINFO info)
{
    if (const QByteArray set = qgetenv(variable); !set.isEmpty())
        return set;
    CURL *probe = curl_easy_init();
    char *path = nullptr;
    curl_easy_getinfo(probe, info, &path);
    const QByteArray found(path);
    curl_easy_cleanup(probe);
    return found;
}

} // namespace

struct CurlHttpTransport::Transfer {
    CurlHttpTransport *owner = nullptr;
    Receiver *receiver = nullptr;
    Request request;
    CURL *easy = nullptr;
    curl_slist *headerList = nullptr;
    QByteArray statusLine;
    qint64 headBytes = 0;
    qint64 uploaded = 0;
    // Times the request was handed to a connection since the last answer began.
    int sendsUnanswered = 0;
    // It was handed to a connection at least once.
    bool sending = false;
    bool resendRefused = false;
    bool headComplete = false;
    bool headTooLarge = false;
    bool refused = false;
    bool moved = false;
    QTimer idle;
    QTimer total;
    QElapsedTimer quiet;
    char errorBuffer[CURL_ERROR_SIZE] = {};
};

CurlHttpTransport::CurlHttpTransport(const QByteArray &extraCaPem)
{
    initialiseCurl();
    m_multi = curl_multi_init();
    curl_multi_setopt(m_multi, CURLMOPT_SOCKETFUNCTION, &CurlHttpTransport::onSocket);
    curl_multi_setopt(m_multi, CURLMOPT_SOCKETDATA, this);
    curl_multi_setopt(m_multi, CURLMOPT_TIMERFUNCTION, &CurlHttpTransport::onTimer);
    curl_multi_setopt(m_multi, CURLMOPT_TIMERDATA, this);
    curl_multi_setopt(m_multi, CURLMOPT_MAX_HOST_CONNECTIONS, connectionsPerHost);

    // The system's CAs come from its folder, where a certificate's issuer is read only when it is
    // looked for; the extra CA, in memory, stands in for curl's CA file, which would be read whole
    // for every connection. Only a system without the folder has its CAs read from the file.
    const QByteArray folder = systemStore("SSL_CERT_DIR", CURLINFO_CAPATH);
    if (!folder.isEmpty() && QFileInfo(QFile::decodeName(folder)).isDir())
        m_caDirectory = folder;
    else
        m_caFile = systemStore("SSL_CERT_FILE", CURLINFO_CAINFO);
    if (!extraCaPem.isEmpty()) {
        QFile file(QFile::decodeName(m_caFile));
        m_caPem = (!m_caFile.isEmpty() && file.open(QIODevice::ReadOnly) ? file.readAll() + '\n' : QByteArray()) + extraCaPem;
    }

    m_curlTimer.setSingleShot(true);
    m_curlTimer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_curlTimer, &QTimer::timeout, &m_context, [this] { drive(CURL_SOCKET_TIMEOUT, 0); });
}

CurlHttpTransport::~CurlHttpTransport()
{
    while (!m_transfers.empty())
        release(m_transfers.begin()->first);
    curl_multi_cleanup(m_multi);
}

void CurlHttpTransport::start(const Request &request, Receiver *receiver)
{
    Q_ASSERT(!m_insideCurl && !m_transfers.count(receiver));
    auto owned = std::make_unique<Transfer>();
    Transfer &transfer = *owned;
    transfer.owner = this;
    transfer.receiver = receiver;
    transfer.request = request;
    m_transfers.emplace(receiver, std::move(owned));

    if (!request.url.isValid() || !configure(transfer)) {
        // Told from the event loop, as every end is.
        release(receiver);
        m_ended.push_back({receiver, {Failure::Other, QStringLiteral("the request could not be made"), 0, false}});
        QMetaObject::invokeMethod(&m_context, [this] { dispatch(); }, Qt::QueuedConnection);
        return;
    }
    transfer.quiet.start();
    if (request.idleLimit.count() > 0) {
        transfer.idle.setSingleShot(true);
        QObject::connect(&transfer.idle, &QTimer::timeout, &m_context, [this, receiver] { idleCheck(receiver); });
        transfer.idle.start(request.idleLimit);
    }
    if (request.totalLimit.count() > 0) {
        transfer.total.setSingleShot(true);
        QObject::connect(&transfer.total, &QTimer::timeout, &m_context,
                         [this, receiver] { end(receiver, Failure::TimedOut, QStringLiteral("the exchange took too long")); });
        transfer.total.start(request.totalLimit);
    }
    // curl asks, through its timer, to be driven on the next turn of the event loop.
    curl_multi_add_handle(m_multi, transfer.easy);
}

void CurlHttpTransport::cancel(Receiver *receiver)
{
    release(receiver);
    std::erase_if(m_ended, [receiver](const auto &ended) { return ended.first == receiver; });
}

bool CurlHttpTransport::requestSent(const Receiver *receiver) const
{
    const auto found = m_transfers.find(const_cast<Receiver *>(receiver));
    if (found != m_transfers.end())
        return requestSent(*found->second);
    // Over, and not yet told.
    for (const auto &[ended, end] : m_ended) {
        if (ended == receiver)
            return end.requestSent;
    }
    return false;
}

bool CurlHttpTransport::requestSent(const Transfer &transfer)
{
    // Whatever came back answers a request the server had.
    if (transfer.headBytes > 0)
        return true;
    // Never handed to a connection: no name, no connection or no handshake.
    if (!transfer.sending || !transfer.easy)
        return false;
    // What left of it, head and body, against what was to leave. Sizes that cannot be read count
    // as sent: a request that may have arrived is never reported as one that did not.
    long headSent = 0;
    curl_off_t bodySent = 0;
    if (curl_easy_getinfo(transfer.easy, CURLINFO_REQUEST_SIZE, &headSent) != CURLE_OK
        || curl_easy_getinfo(transfer.easy, CURLINFO_SIZE_UPLOAD_T, &bodySent) != CURLE_OK)
        return true;
    if (headSent <= 0 && bodySent <= 0)
        return false;
    return transfer.request.bodySize <= 0 || qint64(bodySent) >= transfer.request.bodySize;
}

bool CurlHttpTransport::configure(Transfer &transfer)
{
    CURL *easy = transfer.easy = curl_easy_init();
    if (!easy)
        return false;
    const Request &request = transfer.request;
    const QByteArray url = request.url.toEncoded();
    bool ok = curl_easy_setopt(easy, CURLOPT_URL, url.constData()) == CURLE_OK;
    curl_easy_setopt(easy, CURLOPT_PRIVATE, &transfer);
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
    if (request.redirects > 0) {
        curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 1L);
        curl_easy_setopt(easy, CURLOPT_MAXREDIRS, long(request.redirects));
        curl_easy_setopt(easy, CURLOPT_REDIR_PROTOCOLS_STR, request.url.scheme() == QLatin1String("https") ? "https" : "http,https");
    }
    // The path as the caller wrote it, as Qt sends it.
    curl_easy_setopt(easy, CURLOPT_PATH_AS_IS, 1L);
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    // Taking a transfer out never waits for its name lookup's thread: the thread is left to end.
    curl_easy_setopt(easy, CURLOPT_QUICK_EXIT, 1L);
    // Not the environment's proxy: Qt uses none unless told.
    curl_easy_setopt(easy, CURLOPT_PROXY, "");
    // On HTTP/2, wait for a connection under way rather than open another for the same host.
    curl_easy_setopt(easy, CURLOPT_PIPEWAIT, 1L);
    // curl sends a request again by itself, whatever its method, when the kept connection it went
    // on breaks before any byte of the answer, though the server may have acted on it already. A
    // request that changes something goes on a new connection, where curl never does so (later
    // requests may reuse it: what they meet is theirs); and every send is counted, a send past
    // those allowed ending the exchange instead.
    if (request.sentOnce)
        curl_easy_setopt(easy, CURLOPT_FRESH_CONNECT, 1L);
    curl_easy_setopt(easy, CURLOPT_PREREQFUNCTION, &CurlHttpTransport::onSending);
    curl_easy_setopt(easy, CURLOPT_PREREQDATA, &transfer);
    curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, transfer.errorBuffer);

    curl_easy_setopt(easy, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(easy, CURLOPT_SSL_VERIFYHOST, 2L);
    curl_easy_setopt(easy, CURLOPT_SSLVERSION, long(CURL_SSLVERSION_TLSv1_2));
    curl_easy_setopt(easy, CURLOPT_CAINFO, m_caFile.isEmpty() ? nullptr : m_caFile.constData());
    curl_easy_setopt(easy, CURLOPT_CAPATH, m_caDirectory.isEmpty() ? nullptr : m_caDirectory.constData());
    if (!m_caPem.isEmpty()) {
        // In place of the CA file, not of the folder.
        curl_blob blob{m_caPem.data(), size_t(m_caPem.size()), CURL_BLOB_NOCOPY};
        ok = ok && curl_easy_setopt(easy, CURLOPT_CAINFO_BLOB, &blob) == CURLE_OK;
    }

    if (!request.decodedEncodings.isEmpty())
        curl_easy_setopt(easy, CURLOPT_ACCEPT_ENCODING, request.decodedEncodings.constData());
    // An empty value takes a header of curl's own out: the request carries only those given.
    for (const char *name : {"Accept", "Expect", "Content-Type"}) {
        if (!hasHeader(request.headers, name))
            transfer.headerList = curl_slist_append(transfer.headerList, QByteArray(name + QByteArrayLiteral(":")).constData());
    }
    for (const auto &[name, value] : request.headers)
        transfer.headerList = curl_slist_append(transfer.headerList, QByteArray(name + ": " + value).constData());
    curl_easy_setopt(easy, CURLOPT_HTTPHEADER, transfer.headerList);

    if (request.bulk) {
        curl_easy_setopt(easy, CURLOPT_BUFFERSIZE, bulkReceiveBytes);
        curl_easy_setopt(easy, CURLOPT_UPLOAD_BUFFERSIZE, bulkSendBytes);
    }
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &CurlHttpTransport::onBody);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, &transfer);
    curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, &CurlHttpTransport::onHead);
    curl_easy_setopt(easy, CURLOPT_HEADERDATA, &transfer);

    if (request.bodySize >= 0) {
        curl_easy_setopt(easy, CURLOPT_POST, 1L);
        curl_easy_setopt(easy, CURLOPT_POSTFIELDSIZE_LARGE, curl_off_t(request.bodySize));
        curl_easy_setopt(easy, CURLOPT_READFUNCTION, &CurlHttpTransport::onUpload);
        curl_easy_setopt(easy, CURLOPT_READDATA, &transfer);
        curl_easy_setopt(easy, CURLOPT_SEEKFUNCTION, &CurlHttpTransport::onSeek);
        curl_easy_setopt(easy, CURLOPT_SEEKDATA, &transfer);
        if (request.method != "POST")
            curl_easy_setopt(easy, CURLOPT_CUSTOMREQUEST, request.method.constData());
    } else if (request.method == "HEAD") {
        curl_easy_setopt(easy, CURLOPT_NOBODY, 1L);
    } else if (request.method != "GET") {
        curl_easy_setopt(easy, CURLOPT_CUSTOMREQUEST, request.method.constData());
    }
    return ok;
}

std::unique_ptr<CurlHttpTransport::Transfer> CurlHttpTransport::release(Receiver *receiver)
{
    const auto found = m_transfers.find(receiver);
    if (found == m_transfers.end())
        return nullptr;
    // From a callback of curl's the transfer could not be taken out: none of them comes here.
    Q_ASSERT(!m_insideCurl);
    std::unique_ptr<Transfer> transfer = std::move(found->second);
    m_transfers.erase(found);
    transfer->idle.stop();
    transfer->total.stop();
    if (transfer->easy) {
        curl_multi_remove_handle(m_multi, transfer->easy);
        curl_easy_cleanup(transfer->easy);
        transfer->easy = nullptr;
    }
    curl_slist_free_all(std::exchange(transfer->headerList, nullptr));
    return transfer;
}

void CurlHttpTransport::end(Receiver *receiver, Failure failure, const QString &error)
{
    const auto found = m_transfers.find(receiver);
    if (found == m_transfers.end())
        return;
    // Read from the easy handle, before it goes.
    const bool sent = requestSent(*found->second);
    const std::unique_ptr<Transfer> transfer = release(receiver);
    m_ended.push_back({receiver, {failure, error, transfer->headBytes, sent}});
    dispatch();
}

void CurlHttpTransport::idleCheck(Receiver *receiver)
{
    const auto found = m_transfers.find(receiver);
    if (found == m_transfers.end())
        return;
    Transfer &transfer = *found->second;
    // Each piece that moves only stamps the time; the timer waits out what is left since then.
    const std::chrono::milliseconds left = transfer.request.idleLimit - std::chrono::milliseconds(transfer.quiet.elapsed());
    if (left > std::chrono::milliseconds::zero())
        transfer.idle.start(left);
    else
        end(receiver, Failure::TimedOut, QStringLiteral("nothing moved"));
}

void CurlHttpTransport::drive(curl_socket_t fd, int events)
{
    int running = 0;
    m_insideCurl = true;
    curl_multi_socket_action(m_multi, fd, events, &running);
    // curl takes one TLS record per call. While more is waiting it is handed on at once, for a
    // short while, rather than through another turn of the event loop per record: on one core
    // that turn costs a fast line about a tenth of the processor time.
    if (events == CURL_CSELECT_IN) {
        QElapsedTimer busy;
        busy.start();
        while (busy.nsecsElapsed() < readingSliceNs) {
            const auto found = m_watches.find(fd);
            if (found == m_watches.end() || !found->second.read || !found->second.read->isEnabled())
                break;
            pollfd waiting{fd, POLLIN, 0};
            if (::poll(&waiting, 1, 0) != 1)
                break;
            curl_multi_socket_action(m_multi, fd, events, &running);
        }
    }
    m_insideCurl = false;
    dispatch();
}

CurlHttpTransport::End CurlHttpTransport::endOf(Transfer &transfer, CURLcode code) const
{
    const bool sent = requestSent(transfer);
    const auto failed = [&](Failure failure, const QString &text = {}) {
        if (!text.isEmpty())
            return End{failure, text, transfer.headBytes, sent};
        const char *detail = transfer.errorBuffer[0] ? transfer.errorBuffer : curl_easy_strerror(code);
        return End{failure, QString::fromUtf8(detail), transfer.headBytes, sent};
    };
    if (transfer.headTooLarge)
        return failed(Failure::HeadTooLarge, QStringLiteral("the reply's head is larger than allowed"));
    if (transfer.refused)
        return failed(Failure::Refused, QStringLiteral("the reply was refused"));
    if (transfer.resendRefused)
        return failed(Failure::RemoteClosed, QStringLiteral("the connection broke before an answer"));
    switch (code) {
    case CURLE_OK:
        // curl takes a head cut off by the connection's end as a whole answer; it is not one.
        if (!transfer.headComplete)
            return failed(Failure::RemoteClosed, QStringLiteral("the reply's head broke off"));
        return End{Failure::None, {}, transfer.headBytes, true};
    case CURLE_COULDNT_RESOLVE_HOST:
        return failed(Failure::HostNotFound);
    case CURLE_COULDNT_CONNECT:
        return failed(Failure::ConnectionRefused);
    case CURLE_OPERATION_TIMEDOUT:
        return failed(Failure::TimedOut);
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CERTPROBLEM:
    case CURLE_SSL_CIPHER:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_ISSUER_ERROR:
    case CURLE_SSL_INVALIDCERTSTATUS:
    case CURLE_USE_SSL_FAILED:
        return failed(Failure::Tls);
    case CURLE_OUT_OF_MEMORY:
        // What curl reports of a single header line past its own cap.
        return failed(transfer.headComplete ? Failure::Other : Failure::HeadTooLarge);
    case CURLE_TOO_MANY_REDIRECTS:
        return failed(Failure::TooManyRedirects);
    case CURLE_RECV_ERROR:
    case CURLE_SEND_ERROR:
    case CURLE_GOT_NOTHING:
    case CURLE_PARTIAL_FILE:
    case CURLE_HTTP2:
    case CURLE_HTTP2_STREAM:
        return failed(Failure::RemoteClosed);
    default:
        return failed(Failure::Other);
    }
}

void CurlHttpTransport::dispatch()
{
    int left = 0;
    while (CURLMsg *message = curl_multi_info_read(m_multi, &left)) {
        if (message->msg != CURLMSG_DONE)
            continue;
        Transfer *transfer = nullptr;
        curl_easy_getinfo(message->easy_handle, CURLINFO_PRIVATE, &transfer);
        if (!transfer)
            continue;
        // The message lives in the transfer: read it before the transfer goes.
        const End ended = endOf(*transfer, message->data.result);
        Receiver *receiver = transfer->receiver;
        release(receiver);
        m_ended.push_back({receiver, ended});
    }
    std::vector<Receiver *> moved;
    for (const auto &[receiver, transfer] : m_transfers) {
        if (std::exchange(transfer->moved, false))
            moved.push_back(receiver);
    }
    // Each receiver may cancel others (or itself) and start anew: what it is told is looked up again.
    for (Receiver *receiver : moved) {
        if (m_transfers.count(receiver))
            receiver->moved();
    }
    while (!m_ended.empty()) {
        const auto [receiver, ended] = m_ended.front();
        m_ended.erase(m_ended.begin());
        receiver->ended(ended);
    }
}

void CurlHttpTransport::watch(curl_socket_t fd, int what)
{
    if (what == CURL_POLL_REMOVE) {
        if (const auto found = m_watches.find(fd); found != m_watches.end()) {
            retire(found->second.read);
            retire(found->second.write);
            m_watches.erase(found);
        }
        return;
    }
    Watch &watch = m_watches[fd];
    const auto set = [this, fd](QSocketNotifier *&notifier, QSocketNotifier::Type type, bool wanted) {
        if (!wanted) {
            if (notifier)
                notifier->setEnabled(false);
            return;
        }
        if (!notifier) {
            notifier = new QSocketNotifier(fd, type, &m_context);
            const int events = type == QSocketNotifier::Read ? CURL_CSELECT_IN : CURL_CSELECT_OUT;
            QObject::connect(notifier, &QSocketNotifier::activated, &m_context, [this, fd, events] { drive(fd, events); });
        }
        notifier->setEnabled(true);
    };
    set(watch.read, QSocketNotifier::Read, what & CURL_POLL_IN);
    set(watch.write, QSocketNotifier::Write, what & CURL_POLL_OUT);
}

int CurlHttpTransport::onSocket(CURL *, curl_socket_t fd, int what, void *self, void *)
{
    static_cast<CurlHttpTransport *>(self)->watch(fd, what);
    return 0;
}

int CurlHttpTransport::onTimer(CURLM *, long milliseconds, void *self)
{
    auto *transport = static_cast<CurlHttpTransport *>(self);
    if (milliseconds < 0)
        transport->m_curlTimer.stop();
    else
        transport->m_curlTimer.start(int(std::min(milliseconds, long(INT_MAX))));
    return 0;
}

size_t CurlHttpTransport::onBody(char *data, size_t size, size_t count, void *pointer)
{
    auto *transfer = static_cast<Transfer *>(pointer);
    const size_t bytes = size * count;
    transfer->quiet.restart();
    transfer->moved = true;
    if (!transfer->receiver->received(data, qint64(bytes))) {
        transfer->refused = true;
        return 0; // curl ends the transfer
    }
    return bytes;
}

size_t CurlHttpTransport::onHead(char *data, size_t size, size_t count, void *pointer)
{
    auto *transfer = static_cast<Transfer *>(pointer);
    const size_t bytes = size * count;
    transfer->quiet.restart();
    // An answer has begun: a send after it is a redirect's, not the same request again.
    transfer->sendsUnanswered = 0;
    transfer->headBytes += qint64(bytes);
    if (transfer->headBytes > transfer->request.headLimit) {
        transfer->headTooLarge = true;
        return 0;
    }
    const QByteArrayView line(data, qsizetype(bytes));
    if (line.startsWith("HTTP/")) {
        transfer->headComplete = false;
        transfer->statusLine = line.trimmed().toByteArray();
        return bytes;
    }
    if (!line.trimmed().isEmpty())
        return bytes;

    // The end of a head. An interim one (100 Continue) is curl's business.
    CURL *easy = transfer->easy;
    long status = 0;
    curl_easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &status);
    if (status < 200)
        return bytes;
    transfer->headComplete = true;
    transfer->moved = true;
    Head head;
    head.status = int(status);
    // "HTTP/1.1 404 Not Found": what follows the code.
    const QByteArrayList parts = transfer->statusLine.split(' ');
    if (parts.size() > 2)
        head.reason = transfer->statusLine.mid(parts.at(0).size() + parts.at(1).size() + 2);
    bool announcesBody = false;
    for (curl_header *header = nullptr; (header = curl_easy_nextheader(easy, CURLH_HEADER, -1, header));) {
        head.headers.append({QByteArray(header->name), QByteArray(header->value)});
        const QByteArrayView name(header->name);
        announcesBody = announcesBody || name.compare("transfer-encoding", Qt::CaseInsensitive) == 0
            || (name.compare("content-length", Qt::CaseInsensitive) == 0 && QByteArrayView(header->value).toLongLong() > 0);
    }
    // A 204 or 304 has no body whatever it announces; a server that sends one anyway would have
    // it read as the next answer on the connection: the connection goes with this exchange.
    if ((status == 204 || status == 304) && announcesBody)
        curl_easy_setopt(easy, CURLOPT_FORBID_REUSE, 1L);
    char *address = nullptr;
    curl_easy_getinfo(easy, CURLINFO_EFFECTIVE_URL, &address);
    head.url = QUrl::fromEncoded(QByteArray(address));
    curl_off_t announced = -1;
    curl_easy_getinfo(easy, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &announced);
    head.contentLength = qint64(announced);
    long version = 0;
    curl_easy_getinfo(easy, CURLINFO_HTTP_VERSION, &version);
    head.http2 = version == CURL_HTTP_VERSION_2_0;
    head.encrypted = head.url.scheme() == QLatin1String("https");
    if (!transfer->receiver->received(head)) {
        transfer->refused = true;
        return 0;
    }
    return bytes;
}

size_t CurlHttpTransport::onUpload(char *buffer, size_t size, size_t count, void *pointer)
{
    auto *transfer = static_cast<Transfer *>(pointer);
    transfer->quiet.restart();
    const qint64 wanted = std::min(qint64(size * count), transfer->request.bodySize - transfer->uploaded);
    const qint64 given = wanted > 0 ? transfer->receiver->send(buffer, wanted, transfer->uploaded) : 0;
    transfer->uploaded += given;
    return size_t(given);
}

int CurlHttpTransport::onSeek(void *pointer, curl_off_t offset, int origin)
{
    auto *transfer = static_cast<Transfer *>(pointer);
    // curl rewinds the body to send it again after a redirect or a dropped connection.
    if (origin != SEEK_SET || offset < 0 || offset > transfer->request.bodySize)
        return CURL_SEEKFUNC_CANTSEEK;
    transfer->uploaded = qint64(offset);
    return CURL_SEEKFUNC_OK;
}

int CurlHttpTransport::onSending(void *pointer, char *, char *, int, int)
{
    auto *transfer = static_cast<Transfer *>(pointer);
    if (++transfer->sendsUnanswered <= (transfer->request.sentOnce ? 1 : 2)) {
        transfer->sending = true;
        return CURL_PREREQFUNC_OK;
    }
    transfer->resendRefused = true;
    return CURL_PREREQFUNC_ABORT;
}

extern "C" Q_DECL_EXPORT HttpTransport *tarvikMakeHttpTransport(int interfaceVersion, const QByteArray &extraCaPem)
{
    if (interfaceVersion != HttpTransport::interfaceVersion)
        return nullptr;
    return new CurlHttpTransport(extraCaPem);
}

// libcurl's LDAP and RTMP libraries bring in GnuTLS, which as it loads would set itself up (its
// random generator, its ASN.1 trees, its system settings) for nothing: TLS here is OpenSSL's, and
// neither protocol is ever enabled. GnuTLS leaves that out in a process that defines this function
// (its GNUTLS_SKIP_GLOBAL_INIT); whoever uses GnuTLS still initialises it explicitly.
extern "C" Q_DECL_EXPORT int _gnutls_global_init_skip()
{
    return 1;
}
