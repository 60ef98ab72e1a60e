#include "curlspeedtesttransport.h"

#include <QSocketNotifier>

#include <climits>
#include <cstring>
#include <mutex>
#include <poll.h>

namespace
{
// curl reads up to this much per call: a few TLS records at once rather than one.
constexpr long receiveBufferBytes = 512 * 1024;
// And hands at most this much of an upload to TLS per call.
constexpr long sendBufferBytes = 512 * 1024;
// The longest the event loop waits while a readable connection is drained: far below a frame.
constexpr qint64 readingSliceNs = 2'000'000;
// Qt's own limit for a redirect chain.
constexpr long maximumRedirects = 50;

void initialiseCurl()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

bool startsWithCaseless(QByteArrayView text, QByteArrayView prefix)
{
    return text.size() >= prefix.size() && qstrnicmp(text.data(), prefix.data(), prefix.size()) == 0;
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
} // namespace

CurlSpeedTestTransport::CurlSpeedTestTransport(const Limits &limits)
    : m_limits(limits)
{
    initialiseCurl();
    m_multi = curl_multi_init();
    curl_multi_setopt(m_multi, CURLMOPT_SOCKETFUNCTION, &CurlSpeedTestTransport::onSocket);
    curl_multi_setopt(m_multi, CURLMOPT_SOCKETDATA, this);
    curl_multi_setopt(m_multi, CURLMOPT_TIMERFUNCTION, &CurlSpeedTestTransport::onTimer);
    curl_multi_setopt(m_multi, CURLMOPT_TIMERDATA, this);

    m_curlTimer.setSingleShot(true);
    m_curlTimer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_curlTimer, &QTimer::timeout, &m_context, [this] { drive(CURL_SOCKET_TIMEOUT, 0); });
    m_idleTimer.setSingleShot(true);
    QObject::connect(&m_idleTimer, &QTimer::timeout, &m_context, [this] { idleTimerFired(); });
    m_deadline.setSingleShot(true);
    QObject::connect(&m_deadline, &QTimer::timeout, &m_context,
                     [this] { finish(Outcome::TimedOut, QStringLiteral("the exchange took too long")); });
}

CurlSpeedTestTransport::~CurlSpeedTestTransport()
{
    releaseTransfer();
    curl_multi_cleanup(m_multi);
}

void CurlSpeedTestTransport::start(const Request &request, std::function<void(Reply)> over)
{
    Q_ASSERT(m_state != State::Running);
    m_request = request;
    m_reply = {};
    m_over = std::move(over);
    m_uploaded = 0;
    m_headBytes = 0;
    m_headComplete = false;
    m_oversized = false;
    m_errorBuffer[0] = 0;
    m_state = State::Running;

    if (!request.url.isValid() || !configure(request)) {
        finish(Outcome::Failed, QStringLiteral("the request could not be made"));
        return;
    }
    m_quiet.start();
    m_idleTimer.start(m_limits.idle);
    m_deadline.start(m_limits.total);
    // curl asks, through its timer, to be driven on the next turn of the event loop.
    curl_multi_add_handle(m_multi, m_easy);
}

void CurlSpeedTestTransport::cancel()
{
    finish(Outcome::Cancelled);
}

bool CurlSpeedTestTransport::configure(const Request &request)
{
    m_easy = curl_easy_init();
    if (!m_easy)
        return false;
    const QByteArray url = request.url.toEncoded();
    const bool secure = request.url.scheme() == QLatin1String("https");
    bool ok = curl_easy_setopt(m_easy, CURLOPT_URL, url.constData()) == CURLE_OK;
    curl_easy_setopt(m_easy, CURLOPT_PROTOCOLS_STR, "http,https");
    // Never from https down to plain http.
    curl_easy_setopt(m_easy, CURLOPT_REDIR_PROTOCOLS_STR, secure ? "https" : "http,https");
    curl_easy_setopt(m_easy, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(m_easy, CURLOPT_MAXREDIRS, maximumRedirects);
    curl_easy_setopt(m_easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(m_easy, CURLOPT_ERRORBUFFER, m_errorBuffer);

    curl_easy_setopt(m_easy, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(m_easy, CURLOPT_SSL_VERIFYHOST, 2L);
    curl_easy_setopt(m_easy, CURLOPT_SSLVERSION, long(CURL_SSLVERSION_TLSv1_2));
    if (!request.extraCaPem.isEmpty()) {
        // Replaces curl's CA bundle file; its CA directory, the system's, stays in use.
        curl_blob blob{const_cast<char *>(request.extraCaPem.constData()), size_t(request.extraCaPem.size()), CURL_BLOB_COPY};
        ok = ok && curl_easy_setopt(m_easy, CURLOPT_CAINFO_BLOB, &blob) == CURLE_OK;
    }

    if (!request.decodedEncodings.isEmpty())
        curl_easy_setopt(m_easy, CURLOPT_ACCEPT_ENCODING, request.decodedEncodings.constData());
    // An empty value takes a header of curl's own out; the request carries only those given.
    for (const char *line : {"Accept:", "Expect:"})
        m_headerList = curl_slist_append(m_headerList, line);
    for (const auto &[name, value] : request.headers)
        m_headerList = curl_slist_append(m_headerList, QByteArray(name + ": " + value).constData());
    curl_easy_setopt(m_easy, CURLOPT_HTTPHEADER, m_headerList);

    curl_easy_setopt(m_easy, CURLOPT_BUFFERSIZE, receiveBufferBytes);
    curl_easy_setopt(m_easy, CURLOPT_WRITEFUNCTION, &CurlSpeedTestTransport::onBody);
    curl_easy_setopt(m_easy, CURLOPT_WRITEDATA, this);
    curl_easy_setopt(m_easy, CURLOPT_HEADERFUNCTION, &CurlSpeedTestTransport::onHead);
    curl_easy_setopt(m_easy, CURLOPT_HEADERDATA, this);

    if (request.method == "POST") {
        curl_easy_setopt(m_easy, CURLOPT_POST, 1L);
        curl_easy_setopt(m_easy, CURLOPT_POSTFIELDSIZE_LARGE, curl_off_t(request.bodySize));
        curl_easy_setopt(m_easy, CURLOPT_READFUNCTION, &CurlSpeedTestTransport::onUpload);
        curl_easy_setopt(m_easy, CURLOPT_READDATA, this);
        curl_easy_setopt(m_easy, CURLOPT_SEEKFUNCTION, &CurlSpeedTestTransport::onSeek);
        curl_easy_setopt(m_easy, CURLOPT_SEEKDATA, this);
        curl_easy_setopt(m_easy, CURLOPT_UPLOAD_BUFFERSIZE, sendBufferBytes);
    } else if (request.method != "GET") {
        curl_easy_setopt(m_easy, CURLOPT_CUSTOMREQUEST, request.method.constData());
    }
    return ok;
}

void CurlSpeedTestTransport::finish(Outcome outcome, const QString &error)
{
    if (m_state != State::Running)
        return;
    // From a callback of curl's the transfer could not be taken out: none of them comes here.
    Q_ASSERT(!m_insideCurl);
    m_reply.outcome = outcome;
    m_reply.error = error;
    if (m_easy) {
        long status = 0;
        curl_easy_getinfo(m_easy, CURLINFO_RESPONSE_CODE, &status);
        m_reply.status = int(status);
    }
    releaseTransfer();
    m_state = State::Idle;
    // Last: the exchange is over here, and `over` may start the next one.
    std::exchange(m_over, {})(std::move(m_reply));
}

void CurlSpeedTestTransport::releaseTransfer()
{
    m_idleTimer.stop();
    m_deadline.stop();
    if (m_easy) {
        curl_multi_remove_handle(m_multi, m_easy);
        curl_easy_cleanup(m_easy);
        m_easy = nullptr;
    }
    if (m_headerList) {
        curl_slist_free_all(m_headerList);
        m_headerList = nullptr;
    }
}

void CurlSpeedTestTransport::idleTimerFired()
{
    // Each piece that moves only stamps the time; the timer waits out what is left since then.
    const std::chrono::milliseconds left = m_limits.idle - std::chrono::milliseconds(m_quiet.elapsed());
    if (left > std::chrono::milliseconds::zero())
        m_idleTimer.start(left);
    else
        finish(Outcome::TimedOut, QStringLiteral("nothing moved"));
}

void CurlSpeedTestTransport::drive(curl_socket_t fd, int events)
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
    collectFinished();
}

void CurlSpeedTestTransport::collectFinished()
{
    int left = 0;
    while (CURLMsg *message = curl_multi_info_read(m_multi, &left)) {
        if (message->msg != CURLMSG_DONE || message->easy_handle != m_easy)
            continue;
        const CURLcode code = message->data.result;
        if (m_oversized)
            finish(Outcome::Oversized, QStringLiteral("the reply is larger than allowed"));
        else if (code == CURLE_OK && !m_headComplete)
            // curl takes a head cut off by the connection's end as a whole answer; it is not one.
            finish(Outcome::Failed, QStringLiteral("the reply's head broke off"));
        else if (code == CURLE_OK)
            finish(Outcome::Answered);
        else
            finish(Outcome::Failed, QString::fromUtf8(m_errorBuffer[0] ? m_errorBuffer : curl_easy_strerror(code)));
    }
}

void CurlSpeedTestTransport::watch(curl_socket_t fd, int what)
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

int CurlSpeedTestTransport::onSocket(CURL *, curl_socket_t fd, int what, void *self, void *)
{
    static_cast<CurlSpeedTestTransport *>(self)->watch(fd, what);
    return 0;
}

int CurlSpeedTestTransport::onTimer(CURLM *, long milliseconds, void *self)
{
    auto *transport = static_cast<CurlSpeedTestTransport *>(self);
    if (milliseconds < 0)
        transport->m_curlTimer.stop();
    else
        transport->m_curlTimer.start(int(std::min(milliseconds, long(INT_MAX))));
    return 0;
}

size_t CurlSpeedTestTransport::onBody(char *, size_t size, size_t count, void *self)
{
    auto *transport = static_cast<CurlSpeedTestTransport *>(self);
    const size_t bytes = size * count;
    transport->m_quiet.restart();
    transport->m_reply.bodyBytes += qint64(bytes);
    if (transport->m_reply.bodyBytes > transport->m_request.bodyLimit) {
        transport->m_oversized = true;
        return 0; // curl ends the transfer
    }
    return bytes;
}

size_t CurlSpeedTestTransport::onHead(char *data, size_t size, size_t count, void *self)
{
    auto *transport = static_cast<CurlSpeedTestTransport *>(self);
    const size_t bytes = size * count;
    transport->m_quiet.restart();
    transport->m_headBytes += qint64(bytes);
    if (transport->m_headBytes > headLimit) {
        transport->m_oversized = true;
        return 0;
    }
    const QByteArrayView line(data, qsizetype(bytes));
    static constexpr QByteArrayView setCookie("set-cookie:");
    if (line.startsWith("HTTP/")) {
        transport->m_headComplete = false;
    } else if (startsWithCaseless(line, setCookie)) {
        char *address = nullptr;
        curl_easy_getinfo(transport->m_easy, CURLINFO_EFFECTIVE_URL, &address);
        transport->m_reply.cookies.append({QUrl::fromEncoded(QByteArray(address)), line.sliced(setCookie.size()).trimmed().toByteArray()});
    } else if (line.trimmed().isEmpty()) {
        // The end of a head: an answer that announces more than the limit is refused before its body.
        transport->m_headComplete = true;
        long status = 0;
        curl_off_t announced = -1;
        curl_easy_getinfo(transport->m_easy, CURLINFO_RESPONSE_CODE, &status);
        curl_easy_getinfo(transport->m_easy, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &announced);
        if (status >= 200 && status < 300 && announced > transport->m_request.bodyLimit) {
            transport->m_oversized = true;
            return 0;
        }
    }
    return bytes;
}

size_t CurlSpeedTestTransport::onUpload(char *buffer, size_t size, size_t count, void *self)
{
    auto *transport = static_cast<CurlSpeedTestTransport *>(self);
    transport->m_quiet.restart();
    const size_t bytes = std::min(size * count, size_t(transport->m_request.bodySize - transport->m_uploaded));
    std::memset(buffer, transport->m_request.bodyByte, bytes);
    transport->m_uploaded += qint64(bytes);
    return bytes;
}

int CurlSpeedTestTransport::onSeek(void *self, curl_off_t offset, int origin)
{
    auto *transport = static_cast<CurlSpeedTestTransport *>(self);
    // curl rewinds the body to send it again after a redirect or a dropped connection.
    if (origin != SEEK_SET || offset < 0 || offset > transport->m_request.bodySize)
        return CURL_SEEKFUNC_CANTSEEK;
    transport->m_uploaded = qint64(offset);
    return CURL_SEEKFUNC_OK;
}

extern "C" Q_DECL_EXPORT SpeedTestTransport *tarvikMakeSpeedTestTransport(int interfaceVersion, const SpeedTestTransport::Limits &limits)
{
    if (interfaceVersion != SpeedTestTransport::interfaceVersion)
        return nullptr;
    return new CurlSpeedTestTransport(limits);
}
