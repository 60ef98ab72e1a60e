#pragma once

#include "httptransport.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>

#include <memory>
#include <optional>
#include <vector>

class SharedCookieStore;

// A QNetworkReply whose exchange goes through an HttpTransport, as Qt's own HTTP reply would go
// through Qt's stack: the same request (RequestShape), redirects followed hop by hop (none under
// the manual policy; under any other, as under Qt's default, never from https down to http), each
// hop's cookies taken into the manager's jar (a shared store's only while the epoch the request was
// sent in lasts), the status, reason and redirect target as attributes, HTTP errors as Qt reports
// them, a transfer time-out as Qt's cancellation. Of the request's settings it reads the redirect
// policy and the most redirects, the cookie load and save controls, the custom verb, the transfer
// time-out and NetworkAccess::SentOnceAttribute; no other (there is no cache to control). Unlike
// Qt's, it holds at most HttpTransport's head limit of response heads, and sends a request again
// only as HttpTransport::Request::sentOnce allows. abort(), close() and deletion end the exchange
// at once, whatever it is waiting for. Its signals come from the event loop, never from inside the
// transport.
class CurlNetworkReply final : public QNetworkReply, private HttpTransport::Receiver
{
    Q_OBJECT

public:
    // `transport` may be null (its module did not load): the reply then fails with `transportError`.
    // `body`: what the request sends, when it sends anything.
    CurlNetworkReply(std::shared_ptr<HttpTransport> transport, const QString &transportError, QNetworkAccessManager *manager,
                     QNetworkAccessManager::Operation operation, const QNetworkRequest &request, std::optional<QByteArray> body);
    ~CurlNetworkReply() override;

    // Whether `reply` failed because its response head passed the limit.
    static bool headTooLarge(const QNetworkReply *reply);
    // Whether the server may have `reply`'s request, though the reply failed or was aborted: it
    // was sent whole, or answered, on this hop or on one that led here by a redirect. False for a
    // reply of another kind.
    static bool requestSent(const QNetworkReply *reply);

    void abort() override;
    void close() override;
    qint64 bytesAvailable() const override;

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    enum class State { Running, Ended, Finished };

    // Inside the transport.
    bool received(const HttpTransport::Head &head) override;
    bool received(const char *data, qint64 size) override;
    qint64 send(char *buffer, qint64 size, qint64 offset) override;
    // From the event loop.
    void moved() override;
    void ended(const HttpTransport::End &end) override;

    void startHop();
    // Takes in the heads received since the last call: their cookies, and the answer's metadata.
    void takeHeads();
    void fail(NetworkError code, const QString &text);
    // Emits what happened since the last turn, on the next turn of the event loop.
    void deliverLater();
    void deliver();

    std::shared_ptr<HttpTransport> m_transport;
    QNetworkAccessManager *m_manager;
    QNetworkAccessManager::Operation m_operation;
    QByteArray m_verb;
    QByteArray m_body;
    bool m_hasBody;
    QNetworkRequest m_hop;
    // Under any policy but the manual one, as under Qt's default: never from https down to http.
    bool m_followsRedirects;
    int m_redirectsLeft;
    quint64 m_epoch = 0;
    qint64 m_headBytesLeft;
    State m_state = State::Running;

    // Recorded inside the transport: the heads not yet taken in, where the last one's redirect
    // is followed to (or why it is not), and the body not yet read.
    std::vector<HttpTransport::Head> m_heads;
    std::optional<QUrl> m_following;
    int m_followedStatus = 0;
    struct Refusal {
        NetworkError error;
        QString text;
        QUrl target;
    };
    std::optional<Refusal> m_refusal;
    QByteArray m_buffer;
    // Body bytes read, and announced by readyRead.
    qint64 m_read = 0;
    qint64 m_received = 0;

    std::optional<std::pair<NetworkError, QString>> m_error;
    QList<QUrl> m_redirected;
    bool m_metaDataChanged = false;
    qint64 m_announcedBytes = 0;
    qint64 m_total = -1;
    bool m_deliveryPending = false;
    bool m_headTooLarge = false;
    bool m_requestSent = false;
};
