#pragma once

#include "standincertificates.h"
#include "standinfaults.h"
#include "standinspeedtest.h"

#include <QAbstractHttpServer>
#include <QDateTime>
#include <QHash>
#include <QHostAddress>
#include <QJsonObject>
#include <QPointer>
#include <QSet>
#include <QUrl>
#include <QVariantMap>

#include <chrono>
#include <map>
#include <memory>
#include <optional>

class QHttpServerResponder;
class QTcpSocket;

// A stand-in of the operator's personal-account site over HTTPS on loopback, serving one demo
// subscriber. Tests use it as a library; the `tarvik-standin` program serves it for the demo run.
class StandinSite : public QAbstractHttpServer
{
    Q_OBJECT

public:
    // One request as it arrived.
    struct Request {
        QByteArray method;
        QString path;
        QByteArray query; // as received, still percent-encoded
        QList<QPair<QByteArray, QByteArray>> headers; // in the order received
        QByteArray body;
        QMap<QByteArray, QByteArray> cookies;

        QByteArray header(const QByteArray &name) const;
        QString queryValue(const QString &key) const;
        // The routing key: the action of a "mobile.jsp" request, else the path.
        QString key() const;
    };

    struct Reply {
        int status = 200;
        QByteArray body;
        QByteArray contentType = "application/json; charset=utf-8";
        QList<QPair<QByteArray, QByteArray>> headers;
        std::chrono::milliseconds delay{0};
    };

    // A test's replacement of what one key answers.
    struct Override {
        std::optional<int> status;
        std::optional<QByteArray> body;
        std::optional<QByteArray> location; // sent as "Location"
        QList<QPair<QByteArray, QByteArray>> headers; // sent besides the answer's own
        std::chrono::milliseconds delay{0};
        // Closes the connection without an answer, as a broken network would.
        bool dropConnection = false;
        // Answers as a broken or hostile server would (standinfaults.h).
        StandinFault fault = StandinFault::None;
    };

    explicit StandinSite(QObject *parent = nullptr);
    ~StandinSite() override;

    // Listens on `address`:`port` (0: a free port) with a freshly issued certificate.
    bool start(const QHostAddress &address = QHostAddress(QHostAddress::LocalHost), quint16 port = 0);
    QString errorString() const { return m_error; }

    QHostAddress address() const { return m_address; }
    quint16 port() const { return m_port; }
    // "https://address[:port]/" (no port when it is 443).
    QUrl baseUrl() const;
    QString caFile() const { return m_certificates.caFile(); }
    QSslCertificate caCertificate() const { return m_certificates.caCertificate(); }

    QString login() const;
    QString password() const;
    // The demo subscriber's data, as served; tests may change a reply.
    QJsonObject actionReply(const QString &action) const;
    void setActionReply(const QString &action, const QJsonValue &reply);
    void setTvPackagesReply(const QByteArray &body);

    // Switches for tests; keys are paths ("/exit.jsp") or actions of "mobile.jsp" ("action2"). Of
    // the speed-test routes only the faults are taken.
    void setOverride(const QString &key, const Override &override);
    void clearOverrides();
    void setRejectCredentials(bool reject) { m_rejectCredentials = reject; }
    // Delay added to every reply.
    void setLatency(std::chrono::milliseconds latency) { m_latency = latency; }
    // How long the checkout's slow page ("/checkout/slow") takes; its never-ending page
    // ("/checkout/never") is not answered at all.
    void setSlowPageDelay(std::chrono::milliseconds delay) { m_slowPageDelay = delay; }
    // Requests for `key` wait until released; with `times`, only the next that many requests.
    void hold(const QString &key, int times = -1);
    void releaseHeld();
    // Answers the held requests for `key` and stops holding it; others stay held.
    void release(const QString &key);
    int heldCount() const { return int(m_heldIds.size()); }
    // Stops accepting connections, as if the site were unreachable.
    void stop();
    // Accepts them again after stop(), on the same address and port; true when it does.
    bool resume();
    // Drops every session, as if they had expired on the site.
    void expireSessions() { m_sessions.clear(); }

    // The speed-test host's routes "/__down" and "/__up", with their switches.
    StandinSpeedTest *speedTest() { return &m_speedTest; }

    // Every request received, in order. Of the speed-test uploads only the last keeps its body: a
    // long run (the demo's, a benchmark's) sends gigabytes of them.
    QList<Request> requests() const { return m_requests; }
    QStringList requestKeys() const;
    // The decoded query of the last request for `key` (empty when there was none).
    QVariantMap lastQuery(const QString &key) const;
    void clearRequests()
    {
        m_requests.clear();
        m_lastSpeedTestBody = -1;
    }

Q_SIGNALS:
    void requestReceived(const StandinSite::Request &request);
    void requestHeld(const QString &key);

protected:
    bool handleRequest(const QHttpServerRequest &request, QTcpSocket *socket) override;
    void missingHandler(const QHttpServerRequest &request, QTcpSocket *socket) override;

private:
    struct Pending {
        QPointer<QTcpSocket> socket;
        std::unique_ptr<QHttpServerResponder> responder;
        Reply reply;
    };

    Reply route(const Request &request);
    Reply login(const Request &request);
    Reply mobile(const Request &request);
    Reply checkoutAddress(const Request &request, const QString &kind, const QString &amount);
    Reply checkoutPage(const Request &request) const;
    Reply passwordRecovery(const Request &request);
    Reply page(const QString &title, const QString &body) const;
    Reply redirectToLogin(const Request &request) const;
    bool hasSession(const Request &request) const;
    QByteArray origin(const Request &request) const;
    void deliver(quint64 id);

    StandinCertificates m_certificates;
    QString m_error;
    QHostAddress m_address;
    quint16 m_port = 0;
    QJsonObject m_fixture;
    QByteArray m_tvPackagesOverride;
    QSet<QByteArray> m_sessions;
    QHash<QString, Override> m_overrides;
    QHash<QString, int> m_held; // key -> requests still to hold (-1: all)
    QList<std::pair<QString, quint64>> m_heldIds;
    std::map<quint64, Pending> m_pending;
    quint64 m_nextId = 1;
    bool m_rejectCredentials = false;
    bool m_stopped = false;
    std::chrono::milliseconds m_latency{0};
    std::chrono::milliseconds m_slowPageDelay{1500};
    QDateTime m_lastRecovery;
    QList<Request> m_requests;
    qsizetype m_lastSpeedTestBody = -1; // index in m_requests
    StandinSpeedTest m_speedTest;
};

Q_DECLARE_METATYPE(StandinSite::Override)
Q_DECLARE_METATYPE(StandinSite::Request)
