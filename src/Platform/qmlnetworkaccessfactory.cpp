#include "qmlnetworkaccessfactory.h"

#include "networkaccess.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>

namespace
{
class PreparedNetworkAccessManager : public QNetworkAccessManager
{
public:
    PreparedNetworkAccessManager(const NetworkAccess *network, std::chrono::milliseconds timeLimit, QObject *parent)
        : QNetworkAccessManager(parent)
        , m_network(network)
        , m_timeLimit(timeLimit)
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
        QNetworkReply *reply = QNetworkAccessManager::createRequest(operation, prepared, outgoingData);
        // Qt Quick deletes its replies later, not inside their signals: the bounds may abort in one.
        NetworkAccess::bound(reply, m_timeLimit, QmlNetworkAccessFactory::maxPictureBytes);
        return reply;
    }

private:
    const NetworkAccess *m_network;
    std::chrono::milliseconds m_timeLimit;
};
} // namespace

QmlNetworkAccessFactory::QmlNetworkAccessFactory(const NetworkAccess *network, std::chrono::milliseconds timeLimit)
    : m_network(network)
    , m_timeLimit(timeLimit)
{ }

QNetworkAccessManager *QmlNetworkAccessFactory::create(QObject *parent)
{
    return new PreparedNetworkAccessManager(m_network, m_timeLimit, parent);
}
