#include "speedtestprotocol.h"

#include "networkaccess.h"
#include "requestshape.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QNetworkRequest>

#include <algorithm>
#include <cmath>
#include <coroutine>
#include <cstring>

Q_LOGGING_CATEGORY(lcSpeedTest, "tarvik.speedtest")

namespace
{
double seconds(std::chrono::nanoseconds elapsed)
{
    return std::chrono::duration<double>(elapsed).count();
}
} // namespace

// One request in flight: counts the reply's body as it comes, keeps none of it, and sends the
// upload's bytes as they are asked for. Awaiting it starts it; the awaiting coroutine resumes from
// the event loop, never from inside the transport, so that it may destroy the transport then.
class SpeedTestProtocol::Exchange final : public HttpTransport::Receiver
{
public:
    Exchange(SpeedTestProtocol *protocol, HttpTransport::Request request, qint64 bodyLimit)
        : m_protocol(protocol)
        , m_request(std::move(request))
        , m_bodyLimit(bodyLimit)
    {
    }

    bool await_ready() const noexcept { return false; }
    void await_suspend(std::coroutine_handle<> handle)
    {
        m_handle = handle;
        m_protocol->m_inFlight = this;
        m_protocol->m_transport->start(m_request, this);
    }
    // Whether an accepted reply came, with the body bytes counted.
    std::optional<qint64> await_resume() const
    {
        if (!m_end || m_end->failure != HttpTransport::Failure::None || m_status < 200 || m_status > 299) {
            qCDebug(lcSpeedTest) << "failed:" << m_request.url.path() << "status" << m_status
                                 << (m_end ? m_end->error : QStringLiteral("cancelled"));
            return std::nullopt;
        }
        return m_bodyBytes;
    }

    // Ends the exchange without an answer.
    void cancel()
    {
        m_protocol->m_transport->cancel(this);
        resumeLater();
    }

private:
    bool received(const HttpTransport::Head &head) override
    {
        m_status = head.status;
        // An answer that announces more than the limit is refused before its body.
        return !(head.status >= 200 && head.status < 300 && head.contentLength > m_bodyLimit);
    }
    bool received(const char *, qint64 size) override
    {
        m_bodyBytes += size;
        return m_bodyBytes <= m_bodyLimit;
    }
    qint64 send(char *buffer, qint64 size, qint64) override
    {
        std::memset(buffer, uploadByte, size_t(size));
        return size;
    }
    void ended(const HttpTransport::End &end) override
    {
        m_end = end;
        resumeLater();
    }

    void resumeLater()
    {
        if (m_protocol->m_inFlight == this)
            m_protocol->m_inFlight = nullptr;
        QMetaObject::invokeMethod(QCoreApplication::instance(), [handle = m_handle] { handle.resume(); }, Qt::QueuedConnection);
    }

    SpeedTestProtocol *m_protocol;
    HttpTransport::Request m_request;
    qint64 m_bodyLimit;
    std::coroutine_handle<> m_handle;
    std::optional<HttpTransport::End> m_end;
    int m_status = 0;
    qint64 m_bodyBytes = 0;
};

SpeedTestProtocol::SpeedTestProtocol(const Settings &settings)
    : m_settings(settings)
{
    QString error;
    // A connection of its own, opened for the test: the figures are those of a fresh connection
    // (one kept from an earlier run measured slower on loopback), as every run's are.
    m_transport = settings.network->createTransport(&error);
    if (!m_transport)
        qCWarning(lcSpeedTest) << "no transport:" << error;
}

SpeedTestProtocol::~SpeedTestProtocol() = default;

void SpeedTestProtocol::cancel()
{
    m_cancelled = true;
    if (m_inFlight)
        m_inFlight->cancel();
}

QUrl SpeedTestProtocol::address(const QString &path, const QString &query) const
{
    QUrl url = m_settings.baseUrl.resolved(QUrl(path));
    url.setQuery(query);
    return url;
}

HttpTransport::Request SpeedTestProtocol::request(const QUrl &url, qint64 bodySize, bool bulk) const
{
    QNetworkRequest shaped(url);
    if (bodySize >= 0) {
        shaped.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/octet-stream"));
        shaped.setHeader(QNetworkRequest::ContentLengthHeader, bodySize);
    }
    const RequestShape shape = RequestShape::of(shaped, bodySize >= 0);
    HttpTransport::Request request;
    request.method = bodySize >= 0 ? QByteArrayLiteral("POST") : QByteArrayLiteral("GET");
    request.url = url;
    request.headers = shape.headers;
    request.decodedEncodings = shape.decodedEncodings;
    request.bodySize = bodySize;
    request.redirects = maximumRedirects;
    request.idleLimit = m_settings.limits.idle;
    request.totalLimit = m_settings.limits.total;
    request.bulk = bulk;
    return request;
}

SpeedTestProtocol::Latency SpeedTestProtocol::latencyOf(const QList<double> &samplesMs)
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

double SpeedTestProtocol::megabitsPerSecond(qint64 bytes, double seconds)
{
    return double(bytes) * 8.0 / std::max(seconds, 0.001) / 1'000'000.0;
}

QCoro::Task<std::optional<SpeedTestProtocol::Timed>> SpeedTestProtocol::exchange(std::shared_ptr<SpeedTestProtocol> protocol,
                                                                                HttpTransport::Request request, qint64 bodyLimit)
{
    if (protocol->m_cancelled || !protocol->m_transport)
        co_return std::nullopt;
    const std::chrono::nanoseconds started = protocol->m_settings.clock->now();
    const std::optional<qint64> received = co_await Exchange(protocol.get(), std::move(request), bodyLimit);
    if (protocol->m_cancelled || !received)
        co_return std::nullopt;
    co_return Timed{protocol->m_settings.clock->now() - started, *received};
}

QCoro::Task<std::optional<SpeedTestProtocol::Latency>> SpeedTestProtocol::measurePing(std::shared_ptr<SpeedTestProtocol> protocol)
{
    QList<double> samples;
    for (int i = 0; i < probeCount; ++i) {
        const QUrl url = protocol->address(QStringLiteral("__down"), QStringLiteral("bytes=0&sample=%1").arg(i));
        const std::optional<Timed> probe = co_await exchange(protocol, protocol->request(url, -1, false), bodySlack);
        if (!probe)
            co_return std::nullopt;
        samples.append(seconds(probe->elapsed) * 1000.0);
    }
    co_return latencyOf(samples);
}

QCoro::Task<std::optional<double>> SpeedTestProtocol::measureDownload(std::shared_ptr<SpeedTestProtocol> protocol, qint64 bytes)
{
    const QUrl url = protocol->address(QStringLiteral("__down"), QStringLiteral("bytes=%1").arg(bytes));
    const std::optional<Timed> download = co_await exchange(protocol, protocol->request(url, -1, true), bytes + bodySlack);
    if (!download)
        co_return std::nullopt;
    co_return megabitsPerSecond(download->bytesReceived, seconds(download->elapsed));
}

QCoro::Task<std::optional<double>> SpeedTestProtocol::measureUpload(std::shared_ptr<SpeedTestProtocol> protocol, qint64 bytes)
{
    const QUrl url = protocol->address(QStringLiteral("__up"), {});
    const std::optional<Timed> upload = co_await exchange(protocol, protocol->request(url, bytes, true), bodySlack);
    if (!upload)
        co_return std::nullopt;
    co_return megabitsPerSecond(bytes, seconds(upload->elapsed));
}
