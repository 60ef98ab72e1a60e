#pragma once

#include "httptransport.h"

#include <QNetworkAccessManager>

#include <memory>

class NetworkAccess;
class SharedCookieStore;

// A QNetworkAccessManager whose http and https requests go through the app's transport
// (CurlNetworkReply); other schemes stay Qt's. The transport, driven by the event loop of the
// manager's thread, loads with the first request; where it cannot, every request fails.
class CurlNetworkAccessManager : public QNetworkAccessManager
{
    Q_OBJECT

public:
    // `network` outlives the manager. Cookies go to `cookies` (which stays its owner's); with none,
    // none are kept or sent.
    CurlNetworkAccessManager(const NetworkAccess *network, SharedCookieStore *cookies, QObject *parent = nullptr);
    ~CurlNetworkAccessManager() override;

protected:
    QNetworkReply *createRequest(Operation operation, const QNetworkRequest &request, QIODevice *outgoingData) override;

private:
    const NetworkAccess *m_network;
    // Shared with the replies under way: a reply may outlive its manager (deleted later).
    std::shared_ptr<HttpTransport> m_transport;
    QString m_transportError;
};
