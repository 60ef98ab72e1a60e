#include "curlnetworkreply.h"

#include "networkaccess.h"
#include "requestshape.h"
#include "sharedcookiestore.h"

#include <QNetworkCookie>
#include <QNetworkCookieJar>
#include <QPointer>

#include <cstring>

namespace
{
QByteArray verbOf(QNetworkAccessManager::Operation operation, const QNetworkRequest &request)
{
    switch (operation) {
    case QNetworkAccessManager::HeadOperation:
        return QByteArrayLiteral("HEAD");
    case QNetworkAccessManager::GetOperation:
        return QByteArrayLiteral("GET");
    case QNetworkAccessManager::PutOperation:
        return QByteArrayLiteral("PUT");
    case QNetworkAccessManager::PostOperation:
        return QByteArrayLiteral("POST");
    case QNetworkAccessManager::DeleteOperation:
        return QByteArrayLiteral("DELETE");
    case QNetworkAccessManager::CustomOperation:
    case QNetworkAccessManager::UnknownOperation:
        break;
    }
    return request.attribute(QNetworkRequest::CustomVerbAttribute).toByteArray();
}

// The error Qt reports for an HTTP status past 399.
QNetworkReply::NetworkError statusError(int status)
{
    switch (status) {
    case 400:
    case 418:
        return QNetworkReply::ProtocolInvalidOperationError;
    case 401:
        return QNetworkReply::AuthenticationRequiredError;
    case 403:
        return QNetworkReply::ContentAccessDenied;
    case 404:
        return QNetworkReply::ContentNotFoundError;
    case 405:
        return QNetworkReply::ContentOperationNotPermittedError;
    case 407:
        return QNetworkReply::ProxyAuthenticationRequiredError;
    case 409:
        return QNetworkReply::ContentConflictError;
    case 410:
        return QNetworkReply::ContentGoneError;
    case 500:
        return QNetworkReply::InternalServerError;
    case 501:
        return QNetworkReply::OperationNotImplementedError;
    case 503:
        return QNetworkReply::ServiceUnavailableError;
    default:
        return status > 500 ? QNetworkReply::UnknownServerError : QNetworkReply::UnknownContentError;
    }
}

bool isRedirect(int status)
{
    return status == 301 || status == 302 || status == 303 || status == 305 || status == 307 || status == 308;
}

QByteArray headerValue(const HttpTransport::Headers &headers, QByteArrayView name)
{
    for (const auto &[key, value] : headers) {
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    }
    return {};
}
} // namespace

CurlNetworkReply::CurlNetworkReply(std::shared_ptr<HttpTransport> transport, const QString &transportError,
                                   QNetworkAccessManager *manager, QNetworkAccessManager::Operation operation,
                                   const QNetworkRequest &request, std::optional<QByteArray> body)
    : QNetworkReply(manager)
    , m_transport(std::move(transport))
    , m_manager(manager)
    , m_operation(operation)
    , m_verb(verbOf(operation, request))
    , m_body(body.value_or(QByteArray()))
    , m_hasBody(body.has_value())
    , m_hop(request)
    , m_followsRedirects(request.attribute(QNetworkRequest::RedirectPolicyAttribute, manager->redirectPolicy()).toInt()
                         != QNetworkRequest::ManualRedirectPolicy)
    , m_redirectsLeft(request.maximumRedirectsAllowed())
    , m_headBytesLeft(HttpTransport::defaultHeadLimit)
{
    setRequest(request);
    setUrl(request.url());
    setOperation(operation);
    QIODevice::open(QIODevice::ReadOnly);
    if (auto *store = qobject_cast<SharedCookieStore *>(manager->cookieJar()))
        m_epoch = store->epoch();
    if (!m_transport) {
        fail(UnknownNetworkError, transportError);
        m_state = State::Ended;
        deliverLater();
        return;
    }
    startHop();
}

CurlNetworkReply::~CurlNetworkReply()
{
    if (m_state == State::Running)
        m_transport->cancel(this);
}

bool CurlNetworkReply::headTooLarge(const QNetworkReply *reply)
{
    const auto *ours = qobject_cast<const CurlNetworkReply *>(reply);
    return ours && ours->m_headTooLarge;
}

bool CurlNetworkReply::requestSent(const QNetworkReply *reply)
{
    const auto *ours = qobject_cast<const CurlNetworkReply *>(reply);
    return ours && ours->m_requestSent;
}

void CurlNetworkReply::startHop()
{
    QNetworkRequest shaped = m_hop;
    // As Qt's manager does for every hop: the jar's cookies for where it goes.
    if (m_hop.attribute(QNetworkRequest::CookieLoadControlAttribute, QNetworkRequest::Automatic).toInt() == QNetworkRequest::Automatic) {
        const QList<QNetworkCookie> cookies = m_manager->cookieJar()->cookiesForUrl(m_hop.url());
        if (!cookies.isEmpty())
            shaped.setHeader(QNetworkRequest::CookieHeader, QVariant::fromValue(cookies));
    }
    const RequestShape shape = RequestShape::of(shaped, m_operation == QNetworkAccessManager::PostOperation);
    HttpTransport::Request request;
    request.method = m_verb;
    request.url = m_hop.url();
    request.headers = shape.headers;
    request.decodedEncodings = shape.decodedEncodings;
    if (m_hasBody)
        request.bodySize = m_body.size();
    request.sentOnce = m_hop.attribute(NetworkAccess::SentOnceAttribute).toBool();
    request.headLimit = m_headBytesLeft;
    const int idle = m_hop.transferTimeout() > 0 ? m_hop.transferTimeout() : m_manager->transferTimeout();
    request.idleLimit = std::chrono::milliseconds(std::max(idle, 0));
    m_transport->start(request, this);
}

bool CurlNetworkReply::received(const HttpTransport::Head &head)
{
    m_heads.push_back(head);
    m_following.reset();
    m_refusal.reset();
    if (!isRedirect(head.status) || !m_followsRedirects)
        return true;
    const QByteArray location = headerValue(head.headers, "location");
    if (location.isEmpty())
        return true;
    const QUrl target = m_hop.url().resolved(QUrl::fromEncoded(location));
    const QString scheme = target.scheme().toLower();
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https"))
        m_refusal = {ProtocolUnknownError, QStringLiteral("Unknown protocol specified"), {}};
    else if (m_redirectsLeft <= 0)
        m_refusal = {TooManyRedirectsError, QStringLiteral("Too many redirects"), {}};
    else if (m_hop.url().scheme() == QLatin1String("https") && scheme == QLatin1String("http"))
        m_refusal = {InsecureRedirectError, QStringLiteral("Insecure redirect"), target};
    else
        m_following = target;
    m_followedStatus = head.status;
    return true;
}

bool CurlNetworkReply::received(const char *data, qint64 size)
{
    // A redirect's own body is nobody's.
    if (!m_following)
        m_buffer.append(data, size);
    return true;
}

qint64 CurlNetworkReply::send(char *buffer, qint64 size, qint64 offset)
{
    const qint64 given = std::clamp<qint64>(m_body.size() - offset, 0, size);
    std::memcpy(buffer, m_body.constData() + offset, size_t(given));
    return given;
}

void CurlNetworkReply::takeHeads()
{
    for (const HttpTransport::Head &head : std::exchange(m_heads, {})) {
        // Every hop's cookies, as Qt's manager takes them.
        const QVariant saving = m_hop.attribute(QNetworkRequest::CookieSaveControlAttribute, QNetworkRequest::Automatic);
        if (saving.toInt() == QNetworkRequest::Automatic) {
            QByteArray setCookies;
            for (const auto &[name, value] : head.headers) {
                if (name.compare("set-cookie", Qt::CaseInsensitive) == 0)
                    setCookies += value + '\n';
            }
            const QList<QNetworkCookie> cookies = QNetworkCookie::parseCookies(setCookies);
            if (!cookies.isEmpty()) {
                // A shared store takes them only while the session the request was sent for lasts.
                if (auto *store = qobject_cast<SharedCookieStore *>(m_manager->cookieJar()))
                    store->setCookiesFromReply(m_epoch, cookies, head.url);
                else
                    m_manager->cookieJar()->setCookiesFromUrl(cookies, head.url);
            }
        }
        if (m_following)
            continue;
        setAttribute(QNetworkRequest::HttpStatusCodeAttribute, head.status);
        setAttribute(QNetworkRequest::HttpReasonPhraseAttribute, head.reason);
        setAttribute(QNetworkRequest::ConnectionEncryptedAttribute, head.encrypted);
        setAttribute(QNetworkRequest::Http2WasUsedAttribute, head.http2);
        if (const QByteArray location = headerValue(head.headers, "location"); isRedirect(head.status) && !location.isEmpty()
            && !m_followsRedirects)
            setAttribute(QNetworkRequest::RedirectionTargetAttribute, QUrl::fromEncoded(location));
        // Repeated headers come as one, as Qt joins them.
        for (const auto &[name, value] : head.headers) {
            const QByteArray previous = rawHeader(name);
            const char *separator = name.compare("set-cookie", Qt::CaseInsensitive) == 0 ? "\n" : ", ";
            setRawHeader(name, previous.isEmpty() ? value : previous + separator + value);
        }
        m_total = head.contentLength;
        m_metaDataChanged = true;
    }
}

void CurlNetworkReply::moved()
{
    takeHeads();
    deliverLater();
}

void CurlNetworkReply::ended(const HttpTransport::End &end)
{
    takeHeads();
    m_headBytesLeft -= end.headBytes;
    // A hop answered stays answered: the next one's failure does not take it back.
    m_requestSent = m_requestSent || end.requestSent;
    if (end.failure == HttpTransport::Failure::None && m_following) {
        const QUrl target = *std::exchange(m_following, std::nullopt);
        --m_redirectsLeft;
        // As Qt does: a 307 or 308 repeats the request; any other redirect continues as a GET
        // without a body (a HEAD stays one).
        if (m_followedStatus != 307 && m_followedStatus != 308 && m_operation != QNetworkAccessManager::HeadOperation) {
            m_operation = QNetworkAccessManager::GetOperation;
            m_verb = QByteArrayLiteral("GET");
            m_body.clear();
            m_hasBody = false;
            m_hop.setHeader(QNetworkRequest::ContentLengthHeader, QVariant());
            m_hop.setHeader(QNetworkRequest::ContentTypeHeader, QVariant());
        }
        m_hop.setUrl(target);
        setUrl(target);
        m_redirected.append(target);
        deliverLater();
        startHop();
        return;
    }
    switch (end.failure) {
    case HttpTransport::Failure::None:
        if (m_refusal) {
            fail(m_refusal->error, m_refusal->text);
            // As Qt's: the address refused for being less safe is the reply's.
            if (m_refusal->target.isValid())
                setUrl(m_refusal->target);
        } else if (const int status = attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(); status >= 400) {
            const QString reason = QString::fromLatin1(attribute(QNetworkRequest::HttpReasonPhraseAttribute).toByteArray());
            fail(statusError(status), QStringLiteral("Error transferring %1 - server replied: %2").arg(url().toString(), reason));
        }
        break;
    case HttpTransport::Failure::HostNotFound:
        fail(HostNotFoundError, QStringLiteral("Host %1 not found").arg(url().host()));
        break;
    case HttpTransport::Failure::ConnectionRefused:
        fail(ConnectionRefusedError, QStringLiteral("Connection refused"));
        break;
    case HttpTransport::Failure::RemoteClosed:
        fail(RemoteHostClosedError, QStringLiteral("Connection closed"));
        break;
    case HttpTransport::Failure::TimedOut:
        // Qt's transfer time-out.
        fail(OperationCanceledError, QStringLiteral("Operation canceled"));
        break;
    case HttpTransport::Failure::Tls:
        fail(SslHandshakeFailedError, QStringLiteral("SSL handshake failed: %1").arg(end.error));
        break;
    case HttpTransport::Failure::HeadTooLarge:
        m_headTooLarge = true;
        fail(UnknownNetworkError, QStringLiteral("Reply head too large"));
        break;
    case HttpTransport::Failure::TooManyRedirects:
        fail(TooManyRedirectsError, QStringLiteral("Too many redirects"));
        break;
    case HttpTransport::Failure::Refused:
    case HttpTransport::Failure::Other:
        fail(UnknownNetworkError, end.error);
        break;
    }
    m_state = State::Ended;
    deliverLater();
}

void CurlNetworkReply::fail(NetworkError code, const QString &text)
{
    m_error = {code, text};
}

void CurlNetworkReply::deliverLater()
{
    if (std::exchange(m_deliveryPending, true))
        return;
    QMetaObject::invokeMethod(this, &CurlNetworkReply::deliver, Qt::QueuedConnection);
}

void CurlNetworkReply::deliver()
{
    m_deliveryPending = false;
    // Any slot may abort or delete the reply: after each signal, whatever is left to say may be moot.
    const QPointer<CurlNetworkReply> alive(this);
    const auto over = [&] { return !alive || m_state == State::Finished; };
    for (const QUrl &target : std::exchange(m_redirected, {})) {
        Q_EMIT redirected(target);
        if (over())
            return;
    }
    if (std::exchange(m_metaDataChanged, false)) {
        Q_EMIT metaDataChanged();
        if (over())
            return;
    }
    if (m_received < m_buffer.size() + m_read) {
        m_received = m_buffer.size() + m_read;
        Q_EMIT readyRead();
        if (over())
            return;
        Q_EMIT downloadProgress(m_received, m_total);
        if (over())
            return;
    }
    if (m_state != State::Ended)
        return;
    m_state = State::Finished;
    if (m_error)
        setError(m_error->first, m_error->second);
    setFinished(true);
    if (m_error) {
        Q_EMIT errorOccurred(m_error->first);
        if (!alive)
            return;
    }
    Q_EMIT readChannelFinished();
    if (!alive)
        return;
    Q_EMIT finished();
}

void CurlNetworkReply::abort()
{
    if (m_state == State::Finished)
        return;
    if (m_state == State::Running) {
        m_requestSent = m_requestSent || m_transport->requestSent(this);
        m_transport->cancel(this);
    }
    m_state = State::Finished;
    QNetworkReply::close();
    m_buffer.clear();
    setError(OperationCanceledError, QStringLiteral("Operation canceled"));
    setFinished(true);
    // As Qt's does, at once.
    const QPointer<CurlNetworkReply> alive(this);
    Q_EMIT errorOccurred(OperationCanceledError);
    if (alive)
        Q_EMIT finished();
}

void CurlNetworkReply::close()
{
    abort();
}

qint64 CurlNetworkReply::bytesAvailable() const
{
    return QNetworkReply::bytesAvailable() + m_buffer.size();
}

qint64 CurlNetworkReply::readData(char *data, qint64 maxSize)
{
    if (m_buffer.isEmpty())
        return m_state == State::Running ? 0 : -1;
    const qint64 taken = std::min<qint64>(maxSize, m_buffer.size());
    std::memcpy(data, m_buffer.constData(), size_t(taken));
    m_buffer.remove(0, taken);
    m_read += taken;
    return taken;
}
