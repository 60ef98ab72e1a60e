#include "networkaccess.h"

#include "logging.h"
#include "sharedcookiestore.h"

#include <QCoroNetworkReply>
#include <QNetworkAccessManager>
#include <QSslCertificate>
#include <QTimer>

NetworkAccess::NetworkAccess(const QString &extraCaFile, QObject *parent)
    : QObject(parent)
    , m_cookieStore(new SharedCookieStore(this))
    , m_extraCaFile(extraCaFile)
{
}

void NetworkAccess::loadTls() const
{
    if (m_ssl)
        return;
    m_ssl = QSslConfiguration::defaultConfiguration();
    if (!m_extraCaFile.isEmpty()) {
        m_extraCa = QSslCertificate::fromPath(m_extraCaFile, QSsl::Pem);
        if (m_extraCa.isEmpty())
            qCWarning(lcHttp) << "No certificate could be read from" << m_extraCaFile;
        m_ssl->addCaCertificates(m_extraCa);
    }
}

QSslConfiguration NetworkAccess::sslConfiguration() const
{
    loadTls();
    return *m_ssl;
}

QList<QSslCertificate> NetworkAccess::extraCaCertificates() const
{
    loadTls();
    return m_extraCa;
}

NetworkAccess::~NetworkAccess() = default;

QNetworkAccessManager *NetworkAccess::createManager(QObject *parent) const
{
    auto *manager = new QNetworkAccessManager(parent);
    manager->setCookieJar(m_cookieStore);
    // setCookieJar re-parents the jar to the manager: keep it owned by us.
    m_cookieStore->setParent(const_cast<NetworkAccess *>(this));
    return manager;
}

void NetworkAccess::prepare(QNetworkRequest &request) const
{
    request.setSslConfiguration(sslConfiguration());
}

QCoro::Task<Result<std::unique_ptr<QNetworkReply>>> NetworkAccess::send(QNetworkAccessManager *manager, QNetworkRequest request,
                                                                       QByteArray verb, QByteArray body,
                                                                       std::chrono::milliseconds limit) const
{
    prepare(request);
    std::unique_ptr<QNetworkReply> reply(manager->sendCustomRequest(request, verb, body));
    bool timedOut = false;
    QTimer deadline;
    deadline.setSingleShot(true);
    connect(&deadline, &QTimer::timeout, reply.get(), [&timedOut, &reply] {
        timedOut = true;
        reply->abort();
    });
    deadline.start(std::max(limit, std::chrono::milliseconds(0)));

    co_await reply.get();

    const QNetworkReply::NetworkError error = reply->error();
    if (timedOut)
        co_return TarvikError::transport(QNetworkReply::TimeoutError, QStringLiteral("Превышено время ожидания ответа сервера."));
    if (error == QNetworkReply::OperationCanceledError)
        co_return TarvikError::cancelled();
    // 1-199: connection, TLS and proxy failures; the errors from 200 on describe an HTTP status.
    if (error > QNetworkReply::NoError && error < QNetworkReply::ContentAccessDenied) {
        qCDebug(lcHttp) << "transport failure" << error << reply->url().path();
        co_return TarvikError::transport(error, reply->errorString());
    }
    co_return std::move(reply);
}
