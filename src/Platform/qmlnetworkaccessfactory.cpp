#include "qmlnetworkaccessfactory.h"

#include "curlnetworkaccessmanager.h"
#include "networkaccess.h"

#include <QNetworkReply>

namespace
{
class BoundedNetworkAccessManager : public CurlNetworkAccessManager
{
public:
    BoundedNetworkAccessManager(const NetworkAccess *network, std::chrono::milliseconds timeLimit, QObject *parent)
        : CurlNetworkAccessManager(network, nullptr, parent)
        , m_timeLimit(timeLimit)
    { }

protected:
    QNetworkReply *createRequest(Operation operation, const QNetworkRequest &request, QIODevice *outgoingData) override
    {
        QNetworkReply *reply = CurlNetworkAccessManager::createRequest(operation, request, outgoingData);
        // Qt Quick deletes its replies later, not inside their signals: the bounds may abort in one.
        NetworkAccess::bound(reply, m_timeLimit, QmlNetworkAccessFactory::maxPictureBytes);
        return reply;
    }

private:
    std::chrono::milliseconds m_timeLimit;
};
} // namespace

QmlNetworkAccessFactory::QmlNetworkAccessFactory(const NetworkAccess *network, std::chrono::milliseconds timeLimit)
    : m_network(network)
    , m_timeLimit(timeLimit)
{ }

QNetworkAccessManager *QmlNetworkAccessFactory::create(QObject *parent)
{
    return new BoundedNetworkAccessManager(m_network, m_timeLimit, parent);
}
