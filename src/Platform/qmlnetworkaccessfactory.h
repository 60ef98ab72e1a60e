#pragma once

#include <QQmlNetworkAccessManagerFactory>

class NetworkAccess;

// The network access managers of a QML engine (Qt Quick's pictures over https) with the app's TLS:
// the system's CAs plus the extra CA of `NetworkAccess`, verification never relaxed. Managers are
// made on the engine's loader threads; TLS loads with their first request, not with the manager.
// They keep cookies of their own: the shared cookie store serves the main thread only.
class QmlNetworkAccessFactory : public QQmlNetworkAccessManagerFactory
{
public:
    // `network` outlives the engine the factory is set on.
    explicit QmlNetworkAccessFactory(const NetworkAccess *network);

    QNetworkAccessManager *create(QObject *parent) override;

private:
    const NetworkAccess *m_network;
};
