#include "networkaccess.h"

#include "curlnetworkaccessmanager.h"
#include "curlnetworkreply.h"
#include "logging.h"
#include "networkfailure.h"
#include "sharedcookiestore.h"

#include <QFile>
#include <QNetworkAccessManager>
#include <QPointer>
#include <QSslCertificate>
#include <QThread>
#include <QTimer>

#include <coroutine>

namespace
{
// Resumes the awaiting coroutine once `reply` has finished, or has been deleted unfinished (its
// manager went first), from the event loop and never inside one of the reply's signals: abort()
// emits finished synchronously and then still uses the reply, while the coroutine, run to its
// end, deletes the reply with its frame.
class FinishedLater
{
public:
    FinishedLater(QNetworkReply *reply, QObject *outlivesReply)
        : m_reply(reply)
        , m_outlivesReply(outlivesReply)
    {
    }
    bool await_ready() const { return m_reply->isFinished(); }
    void await_suspend(std::coroutine_handle<> handle)
    {
        // Both may come (finished, then the reply deleted by the resumed coroutine): the first
        // resumes, the second finds it done.
        const auto resumed = std::make_shared<bool>(false);
        const auto resume = [handle, resumed] {
            if (!std::exchange(*resumed, true))
                handle.resume();
        };
        const auto once = Qt::ConnectionType(Qt::QueuedConnection | Qt::SingleShotConnection);
        QObject::connect(m_reply, &QNetworkReply::finished, m_reply, resume, once);
        QObject::connect(m_reply, &QObject::destroyed, m_outlivesReply, resume, once);
    }
    void await_resume() const {}

private:
    QNetworkReply *m_reply;
    QObject *m_outlivesReply;
};
} // namespace

const QString NetworkAccess::oversizedReplyText = QStringLiteral("Ответ сервера слишком велик. Повторите попытку позже.");

NetworkAccess::NetworkAccess(const QString &extraCaFile, QObject *parent)
    : QObject(parent)
    , m_cookieStore(new SharedCookieStore(this))
    , m_extraCaFile(extraCaFile)
{
}

QList<QSslCertificate> NetworkAccess::extraCaCertificates() const
{
    return m_extraCaFile.isEmpty() ? QList<QSslCertificate>() : QSslCertificate::fromPath(m_extraCaFile, QSsl::Pem);
}

NetworkAccess::~NetworkAccess() = default;

QByteArray NetworkAccess::extraCaPem() const
{
    std::call_once(m_pemLoaded, [this] {
        if (m_extraCaFile.isEmpty())
            return;
        QFile file(m_extraCaFile);
        const QByteArray text = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        // Only the certificates: whatever else the file holds is no CA.
        static const QByteArray begin = QByteArrayLiteral("-----BEGIN CERTIFICATE-----");
        static const QByteArray finish = QByteArrayLiteral("-----END CERTIFICATE-----");
        for (qsizetype from = text.indexOf(begin); from >= 0; from = text.indexOf(begin, from)) {
            const qsizetype to = text.indexOf(finish, from);
            if (to < 0)
                break;
            m_extraCaPem += text.mid(from, to + finish.size() - from) + '\n';
            from = to;
        }
        if (m_extraCaPem.isEmpty())
            qCWarning(lcHttp) << "No certificate could be read from" << m_extraCaFile;
    });
    return m_extraCaPem;
}

std::shared_ptr<HttpTransport> NetworkAccess::transport(QString *error) const
{
    if (QThread::currentThread() != thread())
        return createTransport(error);
    if (!m_transport)
        m_transport = createTransport(error);
    return m_transport;
}

std::shared_ptr<HttpTransport> NetworkAccess::createTransport(QString *error) const
{
    return HttpTransport::load(m_transportModule.isEmpty() ? HttpTransport::defaultModulePath() : m_transportModule, extraCaPem(), error);
}

void NetworkAccess::setTransportModule(const QString &path)
{
    m_transportModule = path;
    m_transport.reset();
}

QNetworkAccessManager *NetworkAccess::createManager(Cookies cookies, QObject *parent) const
{
    return new CurlNetworkAccessManager(this, cookies == Cookies::Subscriber ? m_cookieStore : nullptr, parent);
}

std::shared_ptr<const NetworkAccess::Stop> NetworkAccess::bound(QNetworkReply *reply, std::chrono::milliseconds limit,
                                                              qint64 bodyLimit)
{
    auto stop = std::make_shared<Stop>(Stop::None);
    // The timer belongs to the reply: it cannot outlive it, and never fires into a finished frame.
    QTimer::singleShot(std::max(limit, std::chrono::milliseconds(0)), reply, [reply, stop] {
        *stop = Stop::Deadline;
        reply->abort();
    });
    // The body is held in memory: past the limit the request ends, whatever is still on its way.
    const auto checkSize = [reply, stop, bodyLimit] {
        const QVariant announced = reply->header(QNetworkRequest::ContentLengthHeader);
        if (reply->bytesAvailable() <= bodyLimit && !(announced.isValid() && announced.toLongLong() > bodyLimit))
            return;
        if (*stop == Stop::None)
            *stop = Stop::Oversized;
        reply->abort();
    };
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, checkSize);
    QObject::connect(reply, &QNetworkReply::readyRead, reply, checkSize);
    return stop;
}

QCoro::Task<Result<std::unique_ptr<QNetworkReply>>> NetworkAccess::send(QNetworkAccessManager *manager, QNetworkRequest request,
                                                                       QByteArray verb, QByteArray body, std::chrono::milliseconds limit,
                                                                       qint64 bodyLimit) const
{
    std::unique_ptr<QNetworkReply> reply(manager->sendCustomRequest(request, verb, body));
    const QPointer<QNetworkReply> alive = reply.get();
    const std::shared_ptr<const Stop> stop = bound(reply.get(), limit, bodyLimit);

    co_await FinishedLater(reply.get(), m_cookieStore);

    if (!alive) {
        // Its manager deleted it: it is not ours to delete again.
        (void)reply.release();
        co_return TarvikError::cancelled();
    }
    const QNetworkReply::NetworkError error = reply->error();
    // Whether the server may have the request, though its answer never came whole.
    const bool sent = CurlNetworkReply::requestSent(reply.get());
    if (*stop == Stop::Deadline)
        co_return TarvikError::transport(QNetworkReply::TimeoutError, NetworkFailure::text(NetworkFailure::Kind::TimedOut), sent);
    if (*stop == Stop::Oversized || CurlNetworkReply::headTooLarge(reply.get())) {
        if (*stop == Stop::Oversized)
            qCWarning(lcHttp) << "reply larger than" << bodyLimit << "bytes refused" << reply->url().path();
        else
            qCWarning(lcHttp) << "reply head past its limit refused" << reply->url().path();
        // An answer came, though not one to keep: the server had the request.
        co_return TarvikError::transport(QNetworkReply::UnknownContentError, oversizedReplyText, sent);
    }
    if (error == QNetworkReply::OperationCanceledError)
        co_return TarvikError::cancelled();
    // 1-199: connection, TLS and proxy failures; the errors from 200 on describe an HTTP status.
    if (error > QNetworkReply::NoError && error < QNetworkReply::ContentAccessDenied) {
        // The transport's words name the library and the server's address: the log's, not the
        // subscriber's. The query stays out of it (a recovery request carries phone numbers).
        qCWarning(lcHttp).noquote() << "transport failure" << error << reply->url().toString(QUrl::RemoveQuery | QUrl::RemoveUserInfo)
                                 << reply->errorString() << (sent ? "(the request had left)" : "(the request never left)");
        co_return TarvikError::transport(error, NetworkFailure::text(error), sent);
    }
    co_return std::move(reply);
}
