#include "httpsofficegeocoder.h"

#include "networkaccess.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUrlQuery>

#include <chrono>
#include <cmath>

using namespace std::chrono_literals;

namespace
{
// The answer is one place of a few hundred bytes; a body past this is dropped as it comes.
constexpr qint64 maxReplyBytes = 256 * 1024;
// An address lookup still not answered after this gives up (the map stays where it starts).
constexpr std::chrono::milliseconds lookupTimeLimit = 20s;

std::optional<double> number(const QJsonValue &value)
{
    if (value.isDouble())
        return value.toDouble();
    if (value.isString()) {
        bool ok = false;
        const double parsed = value.toString().toDouble(&ok);
        if (ok)
            return parsed;
    }
    return std::nullopt;
}
} // namespace

HttpsOfficeGeocoder::HttpsOfficeGeocoder(QUrl endpoint, NetworkAccess *network, QObject *parent)
    : OfficeGeocoder(parent)
    , m_endpoint(std::move(endpoint))
    , m_network(network)
    , m_manager(network ? network->createManager(NetworkAccess::Cookies::None, this) : nullptr)
    , m_timeLimit(lookupTimeLimit)
{
}

std::optional<WebMercator::Coordinate> HttpsOfficeGeocoder::parseReply(const QByteArray &body)
{
    const QJsonDocument document = QJsonDocument::fromJson(body);
    if (!document.isArray() || document.array().isEmpty() || !document.array().first().isObject())
        return std::nullopt;
    const QJsonObject place = document.array().first().toObject();
    const auto latitude = number(place.value(QLatin1String("lat")));
    const auto longitude = number(place.value(QLatin1String("lon")));
    if (!latitude || !longitude || !std::isfinite(*latitude) || !std::isfinite(*longitude) || std::abs(*latitude) > 90
        || std::abs(*longitude) > 180)
        return std::nullopt;
    return WebMercator::Coordinate{*latitude, *longitude};
}

QCoro::Task<std::optional<WebMercator::Coordinate>> HttpsOfficeGeocoder::geocode(QString address)
{
    if (!m_manager || m_endpoint.scheme() != QLatin1String("https"))
        co_return std::nullopt;
    QUrl url = m_endpoint;
    QUrlQuery query(url);
    query.addQueryItem(QStringLiteral("q"), address);
    query.addQueryItem(QStringLiteral("format"), QStringLiteral("json"));
    query.addQueryItem(QStringLiteral("limit"), QStringLiteral("1"));
    query.addQueryItem(QStringLiteral("accept-language"), QStringLiteral("ru"));
    url.setQuery(query);
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader, QByteArrayLiteral("Tarvik/1.0 (office map)"));
    auto result = co_await m_network->send(m_manager, request, QByteArrayLiteral("GET"), {}, m_timeLimit, maxReplyBytes);
    if (!result.ok())
        co_return std::nullopt;
    std::unique_ptr<QNetworkReply> reply = std::move(result.value());
    if (reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() != 200)
        co_return std::nullopt;
    co_return parseReply(reply->readAll());
}
