#include "qmlnetworkaccessfactory.h"

#include "networkaccess.h"

#include <QNetworkAccessManager>

namespace
{
class PreparedNetworkAccessManager : public QNetworkAccessManager
{
public:
    PreparedNetworkAccessManager(const NetworkAccess *network, QObject *parent)
        : QNetworkAccessManager(parent)
        , m_network(network)
    { }

protected:
    QNetworkReply *createRequest(Operation operation, const QNetworkRequest &request, QIODevice *outgoingData) override
    {
        // Plain http too: a redirect to https keeps the TLS configuration of the first request.
        const QString scheme = request.url().scheme();
        if (scheme != QLatin1String("https") && scheme != QLatin1String("http"))
            return QNetworkAccessManager::createRequest(operation, request, outgoingData);
        QNetworkRequest prepared(request);
        m_network->prepare(prepared);
        return QNetworkAccessManager::createRequest(operation, prepared, outgoingData);
    }

private:
    const NetworkAccess *m_network;
};
} // namespace

QmlNetworkAccessFactory::QmlNetworkAccessFactory(const NetworkAccess *network)
    : m_network(network)
{ }

QNetworkAccessManager *QmlNetworkAccessFactory::create(QObject *parent)
{
    return new PreparedNetworkAccessManager(m_network, parent);
}
