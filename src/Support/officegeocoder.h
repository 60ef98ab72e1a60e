#pragma once

#include "webmercator.h"

#include <QCoroTask>
#include <QObject>
#include <QUrl>

#include <optional>

class NetworkAccess;
class QNetworkAccessManager;

// Turns a street address into a coordinate. No answer (nullopt) for a failure of any kind.
class OfficeGeocoder : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    virtual QCoro::Task<std::optional<WebMercator::Coordinate>> geocode(QString address) = 0;
};

// Asks a geocoding service over HTTPS: GET <endpoint>?q=<address>&format=json&limit=1, answered
// by a JSON array of places whose first has "lat" and "lon" (numbers, or numbers as text), the
// form of the public Nominatim service.
class HttpsOfficeGeocoder : public OfficeGeocoder
{
    Q_OBJECT

public:
    HttpsOfficeGeocoder(QUrl endpoint, NetworkAccess *network, QObject *parent = nullptr);

    QCoro::Task<std::optional<WebMercator::Coordinate>> geocode(QString address) override;

    // The first place of a reply, if it is one.
    static std::optional<WebMercator::Coordinate> parseReply(const QByteArray &body);

private:
    QUrl m_endpoint;
    NetworkAccess *m_network;
    QNetworkAccessManager *m_manager;
};

// For tests: counts requests and answers with `answer` (none by default), at once or, while
// held, when released.
class FakeOfficeGeocoder : public OfficeGeocoder
{
    Q_OBJECT

public:
    using OfficeGeocoder::OfficeGeocoder;

    QCoro::Task<std::optional<WebMercator::Coordinate>> geocode(QString address) override;

    std::optional<WebMercator::Coordinate> answer;
    bool held = false;
    int requestCount = 0;
    QStringList addresses;
    void release();

Q_SIGNALS:
    void released();
};
