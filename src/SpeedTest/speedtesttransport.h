#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QUrl>

#include <chrono>
#include <coroutine>
#include <functional>
#include <memory>

// One HTTP exchange at a time for the speed test. Connections are kept between exchanges of one
// transport. Replies are counted, never kept. TLS trusts the system's CAs plus those given with
// the request; verification is never relaxed.
//
// The transport goes through libcurl, which with the libraries it pulls in would otherwise be
// mapped and relocated at every start of the app. It is a module of its own instead, loaded from
// disk when the first speed test runs (load()); this interface is all the app sees of it. What the
// module uses of it is all inline here, so the module needs nothing from the executable; load()
// and Exchange's suspension live in the app's speedtesttransport.cpp.
class SpeedTestTransport
{
public:
    using Headers = QList<QPair<QByteArray, QByteArray>>;

    struct Request {
        QByteArray method = "GET";
        QUrl url;
        // Sent in this order, after "Host"; curl adds none of its own.
        Headers headers;
        // Content encodings the body is decoded from (what "Accept-Encoding" announces).
        QByteArray decodedEncodings;
        // The body sent: `bodySize` bytes, every one `bodyByte` (all the speed test sends). It is
        // written straight into curl's send buffer, never held whole.
        qint64 bodySize = 0;
        char bodyByte = 0;
        // The most reply body accepted, after decoding; past it the exchange ends as oversized.
        qint64 bodyLimit = 0;
        // PEM certificates trusted besides the system's.
        QByteArray extraCaPem;
    };

    enum class Outcome {
        Answered, // an HTTP reply came in whole, whatever its status
        Failed, // connection, TLS or protocol failure, or a broken-off reply
        TimedOut, // nothing moved for the idle time, or the whole limit ran out
        Oversized, // the reply's body or head went past the limit
        Cancelled,
    };

    struct Reply {
        Outcome outcome = Outcome::Failed;
        int status = 0; // of the last reply; 0 when none came
        qint64 bodyBytes = 0;
        // The "Set-Cookie" values received, each with the address that set it.
        QList<QPair<QUrl, QByteArray>> cookies;
        QString error;
    };

    struct Limits {
        // An exchange that moves no byte for this long ends as timed out.
        std::chrono::milliseconds idle{60000};
        // And one that is not over after this long.
        std::chrono::milliseconds total{600000};
    };

    // The most reply head accepted, over all the replies of one exchange.
    static constexpr qint64 headLimit = 256 * 1024;

    // The module's one entry point, `extern "C"`: a new transport, or null when the module was
    // built against another version of this interface.
    using Factory = SpeedTestTransport *(int interfaceVersion, const Limits &limits);
    static constexpr const char *factoryName = "tarvikMakeSpeedTestTransport";
    static constexpr int interfaceVersion = 1;

    virtual ~SpeedTestTransport() = default;

    // A transport from the module at `modulePath` (empty: where the app keeps it, next to the
    // executable, else in the build tree); null, with the reason in `error`, when the module cannot
    // be found or loaded. A module once loaded stays for the life of the process.
    static std::unique_ptr<SpeedTestTransport> load(const Limits &limits, const QString &modulePath, QString *error);

    // Starts `request`. `over` is called once with its reply when the exchange ends in any way
    // (cancelled, or unable to begin, included), possibly before start() returns, never from
    // inside a callback of curl's. It is called from within the transport, which it must not
    // destroy. One exchange at a time; the transport must outlive the exchange it is running.
    virtual void start(const Request &request, std::function<void(Reply)> over) = 0;
    // Ends the exchange in flight as cancelled. Safe at any time, also when none is.
    virtual void cancel() = 0;

    // An exchange awaited in a coroutine. The coroutine is resumed from the event loop, never from
    // inside the transport, so it may destroy the transport once it has resumed.
    class Exchange
    {
    public:
        bool await_ready() const noexcept { return false; }
        void await_suspend(std::coroutine_handle<> handle);
        Reply await_resume() { return std::move(m_reply); }

    private:
        friend class SpeedTestTransport;
        Exchange(SpeedTestTransport *transport, const Request &request)
            : m_transport(transport)
            , m_request(request)
        {
        }
        SpeedTestTransport *m_transport;
        Request m_request;
        Reply m_reply;
    };

    // Starts `request` once awaited; awaiting gives its reply.
    [[nodiscard]] Exchange send(const Request &request) { return Exchange(this, request); }
};
