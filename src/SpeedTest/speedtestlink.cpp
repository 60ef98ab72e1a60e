#include "speedtestlink.h"

#include "networkaccess.h"
#include "sharedcookiestore.h"

#include <QLocale>
#include <QLoggingCategory>
#include <QNetworkCookie>
#include <QSslCertificate>

#include <algorithm>
#include <cmath>

Q_LOGGING_CATEGORY(lcSpeedTest, "tarvik.speedtest")

namespace
{
// What Qt's HTTP layer announces and decodes, and what it says it is.
const QByteArray acceptedEncodings = QByteArrayLiteral("zstd, br, gzip, deflate");
const QByteArray userAgent = QByteArrayLiteral("Mozilla/5.0");

// The languages Qt's HTTP layer asks for: the system locale's, then English, then any.
QByteArray acceptedLanguages()
{
    QString locale = QLocale::system().name();
    if (locale == QLatin1String("C"))
        return QByteArrayLiteral("en,*");
    locale.replace(QLatin1Char('_'), QLatin1Char('-'));
    return (locale + (locale.startsWith(QLatin1String("en-")) ? QLatin1String(",*") : QLatin1String(",en,*"))).toLatin1();
}

double seconds(std::chrono::nanoseconds elapsed)
{
    return std::chrono::duration<double>(elapsed).count();
}
} // namespace

SpeedTestLink::SpeedTestLink(const Settings &settings)
    : m_settings(settings)
{
    QString error;
    m_transport = SpeedTestTransport::load({settings.idleTimeout, settings.requestLimit}, settings.transportModule, &error);
    if (!m_transport)
        qCWarning(lcSpeedTest) << "no transport:" << error;
}

SpeedTestLink::~SpeedTestLink() = default;

void SpeedTestLink::cancel()
{
    m_cancelled = true;
    if (m_transport)
        m_transport->cancel();
}

QUrl SpeedTestLink::address(const QString &path, const QString &query) const
{
    QUrl url = m_settings.baseUrl.resolved(QUrl(path));
    url.setQuery(query);
    return url;
}

SpeedTestTransport::Request SpeedTestLink::request(const QByteArray &method, const QUrl &url, qint64 bodySize, qint64 bodyLimit) const
{
    SpeedTestTransport::Request request;
    request.method = method;
    request.url = url;
    request.bodySize = bodySize;
    request.bodyByte = uploadByte;
    request.bodyLimit = bodyLimit;
    request.decodedEncodings = acceptedEncodings;
    for (const QSslCertificate &certificate : m_settings.network->extraCaCertificates())
        request.extraCaPem += certificate.toPem();

    if (method == "POST") {
        request.headers.append({QByteArrayLiteral("Content-Type"), QByteArrayLiteral("application/octet-stream")});
        request.headers.append({QByteArrayLiteral("Content-Length"), QByteArray::number(bodySize)});
    }
    QByteArray cookies;
    for (const QNetworkCookie &cookie : m_settings.network->cookieStore()->cookies(url)) {
        if (!cookies.isEmpty())
            cookies += "; ";
        cookies += cookie.toRawForm(QNetworkCookie::NameAndValueOnly);
    }
    if (!cookies.isEmpty())
        request.headers.append({QByteArrayLiteral("Cookie"), cookies});
    request.headers.append({QByteArrayLiteral("Connection"), QByteArrayLiteral("Keep-Alive")});
    request.headers.append({QByteArrayLiteral("Accept-Encoding"), acceptedEncodings});
    request.headers.append({QByteArrayLiteral("Accept-Language"), acceptedLanguages()});
    request.headers.append({QByteArrayLiteral("User-Agent"), userAgent});
    return request;
}

SpeedTestLink::Latency SpeedTestLink::latencyOf(const QList<double> &samplesMs)
{
    Latency latency;
    if (samplesMs.isEmpty())
        return latency;
    double total = 0;
    for (double sample : samplesMs)
        total += sample;
    latency.ping = total / double(samplesMs.size());
    if (samplesMs.size() > 1) {
        double differences = 0;
        for (qsizetype i = 1; i < samplesMs.size(); ++i)
            differences += std::abs(samplesMs.at(i) - samplesMs.at(i - 1));
        latency.jitter = differences / double(samplesMs.size() - 1);
    }
    return latency;
}

double SpeedTestLink::megabitsPerSecond(qint64 bytes, double seconds)
{
    return double(bytes) * 8.0 / std::max(seconds, 0.001) / 1'000'000.0;
}

QCoro::Task<std::optional<SpeedTestLink::Exchange>> SpeedTestLink::exchange(std::shared_ptr<SpeedTestLink> link,
                                                                          SpeedTestTransport::Request request)
{
    if (link->m_cancelled || !link->m_transport)
        co_return std::nullopt;
    const quint64 epoch = link->m_settings.network->cookieStore()->epoch();
    const std::chrono::nanoseconds started = link->m_settings.clock->now();
    const SpeedTestTransport::Reply reply = co_await link->m_transport->send(request);
    if (link->m_cancelled)
        co_return std::nullopt;

    // Cookies are kept as for any request of the app, unless the session they came in has ended.
    SharedCookieStore *cookieStore = link->m_settings.network->cookieStore();
    for (const auto &[url, header] : reply.cookies)
        cookieStore->setCookiesFromReply(epoch, QNetworkCookie::parseCookies(header), url);

    if (reply.outcome != SpeedTestTransport::Outcome::Answered || reply.status < 200 || reply.status > 299) {
        qCDebug(lcSpeedTest) << "failed:" << request.url.path() << "status" << reply.status << int(reply.outcome) << reply.error;
        co_return std::nullopt;
    }
    Exchange result;
    result.bytesReceived = reply.bodyBytes;
    result.elapsed = link->m_settings.clock->now() - started;
    co_return result;
}

QCoro::Task<std::optional<SpeedTestLink::Latency>> SpeedTestLink::measurePing(std::shared_ptr<SpeedTestLink> link)
{
    QList<double> samples;
    for (int i = 0; i < probeCount; ++i) {
        const QUrl url = link->address(QStringLiteral("__down"), QStringLiteral("bytes=0&sample=%1").arg(i));
        const std::optional<Exchange> probe = co_await exchange(link, link->request("GET", url, 0, bodySlack));
        if (!probe)
            co_return std::nullopt;
        samples.append(seconds(probe->elapsed) * 1000.0);
    }
    co_return latencyOf(samples);
}

QCoro::Task<std::optional<double>> SpeedTestLink::measureDownload(std::shared_ptr<SpeedTestLink> link, qint64 bytes)
{
    const QUrl url = link->address(QStringLiteral("__down"), QStringLiteral("bytes=%1").arg(bytes));
    const std::optional<Exchange> download = co_await exchange(link, link->request("GET", url, 0, bytes + bodySlack));
    if (!download)
        co_return std::nullopt;
    co_return megabitsPerSecond(download->bytesReceived, seconds(download->elapsed));
}

QCoro::Task<std::optional<double>> SpeedTestLink::measureUpload(std::shared_ptr<SpeedTestLink> link, qint64 bytes)
{
    const QUrl url = link->address(QStringLiteral("__up"), {});
    const std::optional<Exchange> upload = co_await exchange(link, link->request("POST", url, bytes, bodySlack));
    if (!upload)
        co_return std::nullopt;
    co_return megabitsPerSecond(bytes, seconds(upload->elapsed));
}
