#include "speedtestlink.h"

#include "networkaccess.h"

#include <QCoroNetworkReply>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>
#include <QUrlQuery>

#include <algorithm>
#include <cmath>

Q_LOGGING_CATEGORY(lcSpeedTest, "tarvik.speedtest")

namespace
{
// The reply is deleted on a later turn of the event loop: the coroutine may end inside one of
// the reply's own signals (an abort emits finished at once).
struct DeleteLater {
    void operator()(QNetworkReply *reply) const { reply->deleteLater(); }
};

constexpr qint64 replyBufferBytes = 64 * 1024;

double seconds(std::chrono::nanoseconds elapsed)
{
    return std::chrono::duration<double>(elapsed).count();
}
} // namespace

SpeedTestLink::SpeedTestLink(const Settings &settings)
    : m_settings(settings)
{
}

void SpeedTestLink::cancel()
{
    m_cancelled = true;
    if (m_reply)
        m_reply->abort();
}

QUrl SpeedTestLink::address(const QString &path, const QString &query) const
{
    QUrl url = m_settings.baseUrl.resolved(QUrl(path));
    url.setQuery(query);
    return url;
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

QCoro::Task<std::optional<SpeedTestLink::Exchange>> SpeedTestLink::exchange(std::shared_ptr<SpeedTestLink> link, QNetworkRequest request,
                                                                          QByteArray verb, QByteArray body)
{
    if (link->m_cancelled || !request.url().isValid())
        co_return std::nullopt;
    link->m_settings.network->prepare(request);

    Exchange result;
    const std::chrono::nanoseconds started = link->m_settings.clock->now();
    QNetworkAccessManager *manager = link->m_settings.manager;
    std::unique_ptr<QNetworkReply, DeleteLater> reply(verb == "POST" ? manager->post(request, body) : manager->get(request));
    link->m_reply = reply.get();

    // The reply keeps at most this much unread body. Qt's network thread then waits for us and
    // hands the body over in fewer, larger pieces instead of one cross-thread hand-over per TLS
    // read, which costs a download about a quarter less processor time.
    reply->setReadBufferSize(replyBufferBytes);

    // A transfer that moves nothing for the idle time fails. Each piece of the body only stamps
    // the time (restarting the timer for every piece costs more than the piece); when the timer
    // runs out it waits out what is left since the last stamp, or aborts. The timer belongs to
    // the reply, so it goes with it and never outlives what it aborts.
    const auto quiet = std::make_shared<QElapsedTimer>();
    quiet->start();
    const std::chrono::milliseconds idleTimeout = link->m_settings.idleTimeout;
    auto *idle = new QTimer(reply.get());
    idle->setSingleShot(true);
    QObject::connect(idle, &QTimer::timeout, reply.get(), [idle, quiet, idleTimeout, raw = reply.get()] {
        const std::chrono::milliseconds left = idleTimeout - std::chrono::milliseconds(quiet->elapsed());
        if (left > std::chrono::milliseconds::zero())
            idle->start(left);
        else
            raw->abort();
    });
    QObject::connect(reply.get(), &QNetworkReply::uploadProgress, idle, [quiet] { quiet->restart(); });
    idle->start(idleTimeout);

    // The body only counts: it is dropped from the reply's buffer as it arrives, never copied out.
    const auto drain = [&result, quiet, raw = reply.get()] {
        quiet->restart();
        while (raw->bytesAvailable() > 0) {
            const qint64 dropped = raw->skip(raw->bytesAvailable());
            if (dropped <= 0)
                break;
            result.bytesReceived += dropped;
        }
    };
    const QMetaObject::Connection draining = QObject::connect(reply.get(), &QIODevice::readyRead, reply.get(), drain);

    co_await qCoro(reply.get()).waitForFinished();
    drain();
    QObject::disconnect(draining);
    link->m_reply = nullptr;

    if (link->m_cancelled)
        co_return std::nullopt;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->error() != QNetworkReply::NoError || status < 200 || status > 299) {
        qCDebug(lcSpeedTest) << "failed:" << request.url().path() << "status" << status << reply->error();
        co_return std::nullopt;
    }
    result.elapsed = link->m_settings.clock->now() - started;
    co_return result;
}

QCoro::Task<std::optional<SpeedTestLink::Latency>> SpeedTestLink::measurePing(std::shared_ptr<SpeedTestLink> link)
{
    QList<double> samples;
    for (int i = 0; i < probeCount; ++i) {
        const QNetworkRequest request(link->address(QStringLiteral("__down"), QStringLiteral("bytes=0&sample=%1").arg(i)));
        const std::optional<Exchange> probe = co_await exchange(link, request, "GET", {});
        if (!probe)
            co_return std::nullopt;
        samples.append(seconds(probe->elapsed) * 1000.0);
    }
    co_return latencyOf(samples);
}

QCoro::Task<std::optional<double>> SpeedTestLink::measureDownload(std::shared_ptr<SpeedTestLink> link, qint64 bytes)
{
    const QNetworkRequest request(link->address(QStringLiteral("__down"), QStringLiteral("bytes=%1").arg(bytes)));
    const std::optional<Exchange> download = co_await exchange(link, request, "GET", {});
    if (!download)
        co_return std::nullopt;
    co_return megabitsPerSecond(download->bytesReceived, seconds(download->elapsed));
}

QCoro::Task<std::optional<double>> SpeedTestLink::measureUpload(std::shared_ptr<SpeedTestLink> link)
{
    // Built before the clock starts.
    const QByteArray body(uploadBytes, uploadByte);
    QNetworkRequest request(link->address(QStringLiteral("__up"), {}));
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/octet-stream"));
    const std::optional<Exchange> upload = co_await exchange(link, request, "POST", body);
    if (!upload)
        co_return std::nullopt;
    co_return megabitsPerSecond(uploadBytes, seconds(upload->elapsed));
}
