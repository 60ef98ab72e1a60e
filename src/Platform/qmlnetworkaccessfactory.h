#pragma once

#include <QQmlNetworkAccessManagerFactory>

#include <chrono>

class NetworkAccess;

// The network access managers of a QML engine (Qt Quick's pictures over https, the channel logos)
// on the app's transport, as NetworkAccess's own: its TLS (the system's CAs plus the extra CA,
// verification never relaxed), its bounded response heads. Every reply is bounded in size and time
// as the app's own downloads are; a picture past a bound fails, and its item shows its placeholder.
// Managers are made on the engine's loader threads; the transport loads with their first request,
// not with the manager. They keep no cookies.
class QmlNetworkAccessFactory : public QQmlNetworkAccessManagerFactory
{
public:
    // A channel logo is a few tens of kilobytes; a picture past this is not one of ours, and the
    // loader holds the whole body in memory until it decodes it.
    static constexpr qint64 maxPictureBytes = 2 * 1024 * 1024;
    // A picture still not in after this gives up, whether its host is silent or drips.
    static constexpr std::chrono::seconds pictureTimeLimit{20};

    // `network` outlives the engine the factory is set on; `timeLimit` is pictureTimeLimit but in tests.
    explicit QmlNetworkAccessFactory(const NetworkAccess *network, std::chrono::milliseconds timeLimit = pictureTimeLimit);

    QNetworkAccessManager *create(QObject *parent) override;

private:
    const NetworkAccess *m_network;
    std::chrono::milliseconds m_timeLimit;
};
