#include "curlnetworkaccessmanager.h"

#include "curlnetworkreply.h"
#include "logging.h"
#include "networkaccess.h"
#include "sharedcookiestore.h"

#include <QNetworkCookieJar>

namespace
{
// A jar that keeps nothing: hosts other than the site set no cookie that would come back.
class NoCookieJar final : public QNetworkCookieJar
{
public:
    using QNetworkCookieJar::QNetworkCookieJar;
    QList<QNetworkCookie> cookiesForUrl(const QUrl &) const override { return {}; }
    bool setCookiesFromUrl(const QList<QNetworkCookie> &, const QUrl &) override { return false; }
};

// Methods whose requests carry content only when they are given some.
bool contentOptional(QNetworkAccessManager::Operation operation, const QNetworkRequest &request)
{
    if (operation == QNetworkAccessManager::GetOperation || operation == QNetworkAccessManager::HeadOperation)
        return true;
    const QByteArray verb = request.attribute(QNetworkRequest::CustomVerbAttribute).toByteArray();
    return operation == QNetworkAccessManager::CustomOperation && (verb == "GET" || verb == "HEAD");
}
} // namespace

CurlNetworkAccessManager::CurlNetworkAccessManager(const NetworkAccess *network, SharedCookieStore *cookies, QObject *parent)
    : QNetworkAccessManager(parent)
    , m_network(network)
{
    if (!cookies) {
        setCookieJar(new NoCookieJar(this));
        return;
    }
    // setCookieJar re-parents the jar to the manager: it stays with its owner.
    QObject *owner = cookies->parent();
    setCookieJar(cookies);
    cookies->setParent(owner);
}

CurlNetworkAccessManager::~CurlNetworkAccessManager() = default;

QNetworkReply *CurlNetworkAccessManager::createRequest(Operation operation, const QNetworkRequest &original, QIODevice *outgoingData)
{
    const QString scheme = original.url().scheme().toLower();
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https"))
        return QNetworkAccessManager::createRequest(operation, original, outgoingData);
    if (!m_transport && m_transportError.isEmpty()) {
        m_transport = m_network->transport(&m_transportError);
        if (!m_transport && m_transportError.isEmpty())
            m_transportError = QStringLiteral("the network transport did not load");
        if (!m_transport)
            qCWarning(lcHttp) << "no transport:" << m_transportError;
    }
    QNetworkRequest request = original;
    std::optional<QByteArray> body;
    if (outgoingData) {
        QByteArray data = outgoingData->readAll();
        // sendCustomRequest() hands a device whatever it sends: a GET or HEAD with nothing in it
        // has no content, and announces no length.
        if (!data.isEmpty() || !contentOptional(operation, request)) {
            // As Qt's manager does: a body whose size is known announces it.
            if (!request.header(QNetworkRequest::ContentLengthHeader).isValid() && !outgoingData->isSequential())
                request.setHeader(QNetworkRequest::ContentLengthHeader, data.size());
            body = std::move(data);
        }
    }
    return new CurlNetworkReply(m_transport, m_transportError, this, operation, request, std::move(body));
}
