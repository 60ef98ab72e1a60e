#pragma once

#include "officegeocoder.h"

#include <QUrl>

#include <chrono>

class NetworkAccess;
class QNetworkAccessManager;

// Asks a geocoding service over HTTPS: GET <endpoint>?q=<address>&format=json&limit=1, answered
// by a JSON array of places whose first has "lat" and "lon" (numbers, or numbers as text), the
// form of the public Nominatim service.
class HttpsOfficeGeocoder : public OfficeGeocoder
{
    Q_OBJECT

public:
    HttpsOfficeGeocoder(QUrl endpoint, NetworkAccess *network, QObject *parent = nullptr);

    QCoro::Task<std::optional<WebMercator::Coordinate>> geocode(QString address) override;
    // How long a lookup may take; twenty seconds unless changed (tests).
    void setTimeLimit(std::chrono::milliseconds limit) { m_timeLimit = limit; }

    // The first place of a reply, if it is one.
    static std::optional<WebMercator::Coordinate> parseReply(const QByteArray &body);

private:
    QUrl m_endpoint;
    NetworkAccess *m_network;
    QNetworkAccessManager *m_manager;
    std::chrono::milliseconds m_timeLimit;
};
