#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QTimer>
#include <QUrl>

#include <curl/curl.h>

#include <chrono>
#include <coroutine>
#include <unordered_map>

class QSocketNotifier;

// One HTTP exchange at a time over libcurl, driven by the Qt event loop: curl's sockets are
// watched with socket notifiers and its time-outs with a timer. Connections are kept between
// exchanges of one transport. Replies are counted, never kept. TLS trusts the system's CAs plus
// those given with the request; verification is never relaxed.
//
// An exchange is awaited in a coroutine, which is resumed from the event loop and never from
// inside curl, a socket notifier or a timer of the transport, so the coroutine may destroy the
// transport once it has resumed. A transport must outlive the exchange it is running.
class SpeedTestTransport : public QObject
{
    Q_OBJECT

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

    explicit SpeedTestTransport(const Limits &limits, QObject *parent = nullptr);
    ~SpeedTestTransport() override;

    class Exchange
    {
    public:
        bool await_ready() const noexcept { return m_transport->m_state == State::Done; }
        void await_suspend(std::coroutine_handle<> handle) noexcept { m_transport->m_waiting = handle; }
        Reply await_resume() const { return m_transport->takeReply(); }

    private:
        friend class SpeedTestTransport;
        explicit Exchange(SpeedTestTransport *transport)
            : m_transport(transport)
        {
        }
        SpeedTestTransport *m_transport;
    };

    // Starts `request`; awaiting the result gives its reply. One exchange at a time.
    [[nodiscard]] Exchange send(const Request &request);
    // Ends the exchange in flight as cancelled. Safe at any time, also when none is.
    void cancel();

private:
    enum class State { Idle, Running, Done };
    struct Watch {
        QSocketNotifier *read = nullptr;
        QSocketNotifier *write = nullptr;
    };

    // curl's callbacks. They only record and count: nothing in them resumes, emits or deletes.
    static int onSocket(CURL *easy, curl_socket_t fd, int what, void *self, void *socketData);
    static int onTimer(CURLM *multi, long milliseconds, void *self);
    static size_t onBody(char *data, size_t size, size_t count, void *self);
    static size_t onHead(char *data, size_t size, size_t count, void *self);
    static size_t onUpload(char *buffer, size_t size, size_t count, void *self);
    static int onSeek(void *self, curl_off_t offset, int origin);

    bool configure(const Request &request);
    void watch(curl_socket_t fd, int what);
    void drive(curl_socket_t fd, int events);
    void collectFinished();
    void finish(Outcome outcome, const QString &error = {});
    void idleTimerFired();
    void releaseTransfer();
    Reply takeReply();

    Limits m_limits;
    CURLM *m_multi = nullptr;
    CURL *m_easy = nullptr;
    curl_slist *m_headerList = nullptr;
    std::unordered_map<curl_socket_t, Watch> m_watches;
    QTimer m_curlTimer;
    QTimer m_idleTimer;
    QTimer m_deadline;
    QElapsedTimer m_quiet;
    bool m_insideCurl = false;

    State m_state = State::Idle;
    Request m_request;
    Reply m_reply;
    qint64 m_uploaded = 0;
    qint64 m_headBytes = 0;
    bool m_headComplete = false;
    bool m_oversized = false;
    std::coroutine_handle<> m_waiting;
    char m_errorBuffer[CURL_ERROR_SIZE] = {};
};
