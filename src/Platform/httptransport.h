#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QUrl>

#include <chrono>
#include <memory>

// HTTP exchanges over libcurl, driven by the event loop of the thread that made the transport:
// every request of the app goes through one (NetworkAccess's managers, the speed test). Any number
// of exchanges run at once; connections are kept between them. TLS trusts the system's CAs plus
// the extra CA the transport was made with; verification is never relaxed, TLS 1.2 at least,
// HTTP/2 where the server offers it. No proxy.
//
// libcurl, with the libraries it pulls in, would otherwise be mapped and relocated at every start
// of the app: the transport is a module of its own instead, loaded from the program's folder with
// the first request (load()). What the module uses of this interface is inline here, so it needs
// nothing from the executable; load() lives in the app's httptransport.cpp.
class HttpTransport
{
public:
    using Headers = QList<QPair<QByteArray, QByteArray>>;

    // The most response head an exchange takes unless told otherwise: far above any real answer's,
    // far below what could cost anything.
    static constexpr qint64 defaultHeadLimit = 64 * 1024;

    struct Request {
        QByteArray method = "GET";
        QUrl url;
        // Sent in this order, after "Host"; curl adds none of its own.
        Headers headers;
        // Content encodings the body is decoded from (what "Accept-Encoding" announces); empty
        // for the body as sent.
        QByteArray decodedEncodings;
        // The size of the body sent, whose bytes the receiver gives as they go; none when negative.
        qint64 bodySize = -1;
        // Redirects followed by the transport itself (never from https down to http); none at 0.
        int redirects = 0;
        // The most response head taken, over every head of the exchange.
        qint64 headLimit = defaultHeadLimit;
        // An exchange that moves no byte for `idleLimit`, or is not over after `totalLimit`, times
        // out; zero for no limit.
        std::chrono::milliseconds idleLimit{0};
        std::chrono::milliseconds totalLimit{0};
        // A transfer of many megabytes, read and written in larger pieces.
        bool bulk = false;
        // A request that changes something at the server: sent at most once, on a new connection,
        // whatever happens to it. Any other request is sent again, once, when the connection it
        // went on, one kept from an earlier exchange, breaks before any byte of the answer (curl's
        // own rule, which alone would send it up to five more times).
        bool sentOnce = false;
    };

    // A final response head (1xx heads are not passed on).
    struct Head {
        int status = 0;
        QByteArray reason;
        Headers headers;
        // The address it answers: the request's, or where the transport's own redirects led.
        QUrl url;
        // Its announced body size; negative when not announced.
        qint64 contentLength = -1;
        bool encrypted = false;
        bool http2 = false;
    };

    enum class Failure {
        None, // an answer came in whole, whatever its status
        HostNotFound,
        ConnectionRefused,
        RemoteClosed, // the connection broke, or an answer broke off
        TimedOut,
        Tls, // the handshake failed, or the peer's certificate is not trusted
        HeadTooLarge,
        TooManyRedirects,
        Refused, // the receiver refused what came
        Other,
    };

    struct End {
        Failure failure = Failure::None;
        QString error;
        // Head bytes taken in this exchange.
        qint64 headBytes = 0;
        // The request left whole, or an answer to it began: the server may have acted on it. False
        // only when it certainly did not (no connection, no handshake, nothing or part of it sent).
        bool requestSent = false;
    };

    // What an exchange reports to. Those called from inside curl only record what they are given
    // and never call the transport; returning false ends the exchange as Refused.
    class Receiver
    {
    public:
        // Inside curl.
        virtual bool received(const Head &head) = 0;
        virtual bool received(const char *data, qint64 size) = 0;
        // Fills `buffer` with up to `size` bytes of the body from `offset` on; the count.
        virtual qint64 send(char *buffer, qint64 size, qint64 offset) = 0;
        // From the event loop, outside curl; they may start and cancel exchanges of this transport,
        // never destroy it. After a turn in which something was received:
        virtual void moved() {}
        // The exchange is over; the last call it makes.
        virtual void ended(const End &end) = 0;

    protected:
        ~Receiver() = default;
    };

    // The module's one entry point, `extern "C"`: a new transport, or null when the module was
    // built against another version of this interface.
    using Factory = HttpTransport *(int interfaceVersion, const QByteArray &extraCaPem);
    static constexpr const char *factoryName = "tarvikMakeHttpTransport";
    static constexpr int interfaceVersion = 3;

    virtual ~HttpTransport() = default;

    // A transport from the module at `modulePath`, trusting the CAs of `extraCaPem` besides the
    // system's; null, with the reason in `error`, when the module cannot be loaded. A module once
    // loaded stays for the life of the process.
    static std::shared_ptr<HttpTransport> load(const QString &modulePath, const QByteArray &extraCaPem, QString *error);
    // Where the app keeps the module: in the program's own folder.
    static QString defaultModulePath();

    // Starts an exchange reporting to `receiver`, which stays until the exchange has ended or been
    // cancelled. Nothing is called back before start() returns. One exchange per receiver.
    virtual void start(const Request &request, Receiver *receiver) = 0;
    // Ends `receiver`'s exchange, if it has one, without calling it back. Never waits: a name
    // lookup under way is left to finish on its own.
    virtual void cancel(Receiver *receiver) = 0;
    // Whether `receiver`'s exchange, still under way, has sent its request as End::requestSent
    // says; what a receiver that cancels it learns of it, asked before cancel().
    virtual bool requestSent(const Receiver *receiver) const = 0;
};
