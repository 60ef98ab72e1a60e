#pragma once

#include "httptransport.h"
#include "monotonicclock.h"

#include <QCoroTask>
#include <QUrl>

#include <chrono>
#include <memory>
#include <optional>

class NetworkAccess;

// The limits every request of the speed test keeps.
struct SpeedTestLimits {
    // A request that moves no byte for this long fails (the download, the probes, the upload).
    std::chrono::milliseconds idle{60000};
    // And one that is not over after this long fails too: a host that drips its answer cannot
    // hold the test for ever. Ten minutes let a 10 MB download finish at 140 kbit/s.
    std::chrono::milliseconds total{600000};
};

// The speed-test protocol against one host and its timing: latency probes, a download and an
// upload, issued one at a time and timed on a monotonic clock from just before a request leaves
// until its reply has been accepted (an HTTP status from 200 to 299). Any other outcome is a
// failure and gives no value. cancel() aborts the request in flight; every measurement awaited
// then ends without a value, and nothing more is sent.
//
// The requests look to the host as the app's other requests do (RequestShape), and go through the
// app's transport, whose transfers keep up with a fast line: the figures are the line's, not the
// client's. No cookie is sent or kept. Bodies are counted as they come, never kept.
class SpeedTestProtocol
{
public:
    struct Settings {
        const NetworkAccess *network = nullptr;
        QUrl baseUrl;
        const MonotonicClock *clock = nullptr;
        SpeedTestLimits limits;
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
    // Redirects followed, as Qt follows them.
    static constexpr int maximumRedirects = 50;

    explicit SpeedTestProtocol(const Settings &settings);
    ~SpeedTestProtocol();

    void cancel();
    bool isCancelled() const { return m_cancelled; }

    // Coroutines take the protocol by value: it lives until they end, whoever else lets go of it.
    static QCoro::Task<std::optional<Latency>> measurePing(std::shared_ptr<SpeedTestProtocol> protocol);
    // Mbit/s of a download of `bytes`.
    static QCoro::Task<std::optional<double>> measureDownload(std::shared_ptr<SpeedTestProtocol> protocol, qint64 bytes = downloadBytes);
    static QCoro::Task<std::optional<double>> measureUpload(std::shared_ptr<SpeedTestProtocol> protocol, qint64 bytes = uploadBytes);

    // The figures, from probe times in ms; from a byte count and the seconds it took (at least 1 ms).
    static Latency latencyOf(const QList<double> &samplesMs);
    static double megabitsPerSecond(qint64 bytes, double seconds);

private:
    class Exchange;
    struct Timed {
        std::chrono::nanoseconds elapsed{0};
        qint64 bytesReceived = 0;
    };

    QUrl address(const QString &path, const QString &query) const;
    HttpTransport::Request request(const QUrl &url, qint64 bodySize, bool bulk) const;
    // Sends one request and awaits its accepted reply; no value on any failure or a cancel.
    static QCoro::Task<std::optional<Timed>> exchange(std::shared_ptr<SpeedTestProtocol> protocol, HttpTransport::Request request,
                                                      qint64 bodyLimit);

    Settings m_settings;
    std::shared_ptr<HttpTransport> m_transport;
    Exchange *m_inFlight = nullptr;
    bool m_cancelled = false;
};
