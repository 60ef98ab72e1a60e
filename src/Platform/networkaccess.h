#pragma once

#include "httptransport.h"
#include "result.h"

#include <QCoroTask>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QObject>
#include <QSslConfiguration>

#include <chrono>
#include <memory>
#include <mutex>
#include <optional>

class QNetworkAccessManager;
class SharedCookieStore;

// URL loading for the whole app: the shared cookie store, and TLS that trusts the system's CAs
// plus, optionally, one extra CA (the stand-in site's). Verification is never relaxed.
class NetworkAccess : public QObject
{
    Q_OBJECT

public:
    explicit NetworkAccess(const QString &extraCaFile = {}, QObject *parent = nullptr);
    ~NetworkAccess() override;

    SharedCookieStore *cookieStore() const { return m_cookieStore; }
    QSslConfiguration sslConfiguration() const;
    // Certificates of the extra CA (empty when none was given).
    QList<QSslCertificate> extraCaCertificates() const;

    // A transport driven by the calling thread's event loop, trusting the system's CAs and the
    // extra CA; null, with the reason in `error`, when its module cannot be loaded. From any thread.
    std::shared_ptr<HttpTransport> createTransport(QString *error) const;
    // Where the transport's module is loaded from; HttpTransport::defaultModulePath() unless set.
    void setTransportModule(const QString &path) { m_transportModule = path; }

    // A manager sharing the cookie store; the caller owns it.
    QNetworkAccessManager *createManager(QObject *parent = nullptr) const;
    // Applies the app's TLS configuration to a request.
    void prepare(QNetworkRequest &request) const;

    // The most of a reply's body held in memory by default. The site's largest answer, a long
    // payment history, is some tens of kilobytes; a few megabytes leave room and bound what a
    // broken or hostile server can make the app hold.
    static constexpr qint64 defaultBodyLimit = 4 * 1024 * 1024;
    // The text of a reply refused for its size.
    static const QString oversizedReplyText;

    // Sends `request` on `manager` within `limit`, and gives back the reply once it carries an HTTP
    // answer, its body of at most `bodyLimit` bytes read. A failure below HTTP (time-out,
    // connection, TLS, a body past the limit) is a Transport error; an aborted request, or one
    // whose manager was deleted meanwhile, is a cancellation. The reply's cookies go to the cookie
    // store unless its epoch ended meanwhile. The caller resumes from the event loop, never inside
    // a signal of the reply.
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
    // TLS loads with the first use, not with the app's first frame; from any thread (QML's
    // picture loaders prepare their requests too).
    void loadTls() const;
    // The extra CA's certificates as PEM, read with the first transport.
    QByteArray extraCaPem() const;

    SharedCookieStore *m_cookieStore;
    QString m_extraCaFile;
    QString m_transportModule;
    mutable std::once_flag m_pemLoaded;
    mutable QByteArray m_extraCaPem;
    mutable std::once_flag m_tlsLoaded;
    mutable std::optional<QSslConfiguration> m_ssl;
    mutable QList<QSslCertificate> m_extraCa;
};
