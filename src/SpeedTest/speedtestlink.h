#pragma once

#include "monotonicclock.h"

#include "speedtesttransport.h"

#include <QCoroTask>
#include <QUrl>

#include <chrono>
#include <memory>
#include <optional>

class NetworkAccess;

// The speed-test protocol against one host: latency probes, a download and an upload, issued one
// at a time and timed on a monotonic clock from just before a request leaves until its reply has
// been accepted (an HTTP status from 200 to 299). Any other outcome is a failure and gives no
// value. cancel() aborts the request in flight; every measurement awaited then ends without a
// value, and the link issues nothing more.
//
// The requests look to the host exactly as the app's other requests (Qt's) do: the same headers
// in the same order, the app's cookies and its TLS trust (the system's CAs and the extra CA of the
// app's network access). They go through libcurl, whose transfers keep up with a fast line where
// Qt's HTTP stack does not: the figures are the line's, not the client's. The transport that does
// so loads with the first link made; where it cannot, every measurement fails.
class SpeedTestLink
{
public:
    struct Settings {
        const NetworkAccess *network = nullptr;
        QUrl baseUrl;
        const MonotonicClock *clock = nullptr;
        // A request that moves no byte for this long fails.
        std::chrono::milliseconds idleTimeout{60000};
        // And one that is not over after this long.
        std::chrono::milliseconds requestLimit{600000};
        // The transport's module; empty for where the app keeps it.
        QString transportModule;
    };

    struct Latency {
        double ping = 0;   // ms
        double jitter = 0; // ms
    };

    static constexpr int probeCount = 4;
    static constexpr qint64 downloadBytes = 10'000'000;
    static constexpr qint64 uploadBytes = 2'000'000;
    static constexpr char uploadByte = 0x5A;
    // How much more body than asked for a reply may carry before it counts as broken: room for a
    // host that pads or answers an upload with a short text, far below what could cost anything.
    static constexpr qint64 bodySlack = 64 * 1024;

    explicit SpeedTestLink(const Settings &settings);
    ~SpeedTestLink();

    void cancel();
    bool isCancelled() const { return m_cancelled; }

    // Coroutines take the link by value: it lives until they end, whoever else lets go of it.
    static QCoro::Task<std::optional<Latency>> measurePing(std::shared_ptr<SpeedTestLink> link);
    // Mbit/s of a download of `bytes`; the body is counted as it arrives, not kept.
    static QCoro::Task<std::optional<double>> measureDownload(std::shared_ptr<SpeedTestLink> link, qint64 bytes = downloadBytes);
    static QCoro::Task<std::optional<double>> measureUpload(std::shared_ptr<SpeedTestLink> link, qint64 bytes = uploadBytes);

    // The figures, from probe times in ms; from a byte count and the seconds it took (at least 1 ms).
    static Latency latencyOf(const QList<double> &samplesMs);
    static double megabitsPerSecond(qint64 bytes, double seconds);

private:
    struct Exchange {
        std::chrono::nanoseconds elapsed{0};
        qint64 bytesReceived = 0;
    };

    QUrl address(const QString &path, const QString &query) const;
    // The request as Qt would send it: its headers in its order, with the cookie store's cookies.
    SpeedTestTransport::Request request(const QByteArray &method, const QUrl &url, qint64 bodySize, qint64 bodyLimit) const;
    // Sends one request and awaits its accepted reply; no value on any failure or a cancel.
    static QCoro::Task<std::optional<Exchange>> exchange(std::shared_ptr<SpeedTestLink> link, SpeedTestTransport::Request request);

    Settings m_settings;
    std::unique_ptr<SpeedTestTransport> m_transport;
    bool m_cancelled = false;
};
