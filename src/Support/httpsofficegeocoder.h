#pragma once

#include "monotonicclock.h"
#include "officegeocoder.h"
#include "retrypause.h"

#include <QPointer>
#include <QUrl>

#include <chrono>

class NetworkAccess;
class QNetworkAccessManager;

// Asks a geocoding service over HTTPS: GET <endpoint>?q=<address>&format=json&limit=1, answered
// by a JSON array of places whose first has "lat" and "lon" (numbers, or numbers as text), the
// form of the public Nominatim service. After a lookup that found nothing, the next waits out a
// pause (retryPause): until then geocode() answers nothing without asking.
class HttpsOfficeGeocoder : public OfficeGeocoder
{
    Q_OBJECT

public:
    // 5 s after the first failure, doubling with each failure in a row, at most 2 min.
    static constexpr RetryPause retryPause{std::chrono::seconds(5), std::chrono::minutes(2)};

    HttpsOfficeGeocoder(QUrl endpoint, NetworkAccess *network, QObject *parent = nullptr);

    QCoro::Task<std::optional<WebMercator::Coordinate>> geocode(QString address) override;
    // How long a lookup may take; twenty seconds unless changed (tests).
    void setTimeLimit(std::chrono::milliseconds limit) { m_timeLimit = limit; }
    // What the pause is measured on; a clock of its own unless set (tests).
    void setClock(const MonotonicClock *clock) { m_clock = clock; }

    // The first place of a reply, if it is one.
    static std::optional<WebMercator::Coordinate> parseReply(const QByteArray &body);

private:
    QCoro::Task<std::optional<WebMercator::Coordinate>> lookUp(QString address);
    std::chrono::nanoseconds now() const;

    QUrl m_endpoint;
    NetworkAccess *m_network;
    QNetworkAccessManager *m_manager;
    std::chrono::milliseconds m_timeLimit;
    ElapsedMonotonicClock m_ownClock;
    QPointer<const MonotonicClock> m_clock;
    RetryPause m_pause = retryPause;
};
