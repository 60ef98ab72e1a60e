#pragma once

#include "httptransport.h"
#include "result.h"

#include <QCoroTask>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QObject>
#include <QSslCertificate>

#include <chrono>
#include <memory>
#include <mutex>

class QNetworkAccessManager;
class SharedCookieStore;

// URL loading for the whole app: managers whose requests go through the app's transport (libcurl,
// loaded with the first request; every response head bounded), the subscriber's cookie store, and
// TLS that trusts the system's CAs plus, optionally, one extra CA (the stand-in site's).
// Verification is never relaxed.
class NetworkAccess : public QObject
{
    Q_OBJECT

public:
    explicit NetworkAccess(const QString &extraCaFile = {}, QObject *parent = nullptr);
    ~NetworkAccess() override;

    // The subscriber's cookies: the site's, and no other host's.
    SharedCookieStore *cookieStore() const { return m_cookieStore; }
    // Certificates of the extra CA (empty when none was given), for the web views' own check.
    QList<QSslCertificate> extraCaCertificates() const;

    // The transport of the calling thread, driven by its event loop, trusting the system's CAs and
    // the extra CA: one for everything on this object's thread (its connections are shared), a new
    // one on any other; null, with the reason in `error`, when its module cannot be loaded (it is
    // tried again the next time).
    std::shared_ptr<HttpTransport> transport(QString *error) const;
    // A transport of its own, with connections of its own, for the calling thread.
    std::shared_ptr<HttpTransport> createTransport(QString *error) const;
    // Where the transport's module is loaded from; HttpTransport::defaultModulePath() unless set.
    void setTransportModule(const QString &path);

    // Whose cookies a manager keeps: the subscriber's, in the cookie store (the site's requests),
    // or none at all (every other host).
    enum class Cookies { Subscriber, None };
    // A manager for the calling thread; the caller owns it.
    QNetworkAccessManager *createManager(Cookies cookies, QObject *parent = nullptr) const;

    // Set (true) on a request that changes something at the server (a sign-in, a payment, an
    // account made): it is sent at most once, whatever happens to its connection, and a connection
    // lost on the way is the caller's failure to report. Any other request is sent again, once,
    // when a connection kept from an earlier request breaks before any byte of its answer.
    static constexpr auto SentOnceAttribute = QNetworkRequest::Attribute(QNetworkRequest::User + 1);

    // The most of a reply's body held in memory by default. The site's largest answer, a long
    // payment history, is some tens of kilobytes; a few megabytes leave room and bound what a
    // broken or hostile server can make the app hold.
    static constexpr qint64 defaultBodyLimit = 4 * 1024 * 1024;
    // The text of a reply refused for its size.
    static const QString oversizedReplyText;

    // Sends `request` on `manager` (one of createManager()'s) within `limit`, and gives back the
    // reply once it carries an HTTP answer, its body of at most `bodyLimit` bytes read. A failure
    // below HTTP (time-out, connection, TLS, a head or body past its limit) is a Transport error
    // described in the subscriber's words (NetworkFailure), the transport's own going to the log;
    // one of the connection or of the time after the request had left whole says so
    // (TarvikError::requestSent), for the caller of a request that changes something to tell;
    // an aborted request, or one whose manager was deleted meanwhile, is a cancellation. Every
    // answer's cookies go to the manager's jar, unless the request says otherwise or, in the
    // cookie store, the epoch it was sent in has ended. The caller resumes from the event loop,
    // never inside a signal of the reply.
    QCoro::Task<Result<std::unique_ptr<QNetworkReply>>> send(QNetworkAccessManager *manager, QNetworkRequest request,
                                                             QByteArray verb, QByteArray body, std::chrono::milliseconds limit,
                                                             qint64 bodyLimit = defaultBodyLimit) const;

    // Why a bounded reply was stopped before its answer was in.
    enum class Stop { None, Deadline, Oversized };
    // Bounds a reply of a download from outside: it is aborted once `limit` has passed, or once its
    // body passes `bodyLimit` bytes, announced or received (checked as the body arrives). Its
    // owner reads the reason after it has finished. For every request sent by send(), and for Qt
    // Quick's own picture loads.
    static std::shared_ptr<const Stop> bound(QNetworkReply *reply, std::chrono::milliseconds limit, qint64 bodyLimit);

private:
    // The extra CA's certificates as PEM, read with the first transport; from any thread (Qt
    // Quick's picture loaders make transports too).
    QByteArray extraCaPem() const;

    SharedCookieStore *m_cookieStore;
    QString m_extraCaFile;
    QString m_transportModule;
    mutable std::shared_ptr<HttpTransport> m_transport;
    mutable std::once_flag m_pemLoaded;
    mutable QByteArray m_extraCaPem;
};
