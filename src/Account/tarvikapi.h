#pragma once

#include "result.h"
#include "tarvikapiobject.h"
#include "tarvikapiredirectdelegate.h"

#include <QCoroTask>
#include <QMap>
#include <QNetworkCookie>
#include <QNetworkRequest>
#include <QObject>
#include <QUrl>

#include <chrono>

class NetworkAccess;
class QNetworkAccessManager;
class QNetworkCookieJar;

// The app's only client of the personal-account site: a form sign-in, then numbered actions
// of "mobile.jsp" answered with JSON, with the site's cookies in the shared cookie store.
class TarvikAPI : public QObject
{
    Q_OBJECT

public:
    using Form = QMap<QString, QString>;

    TarvikAPI(const QUrl &baseUrl, NetworkAccess *network, QObject *parent = nullptr);
    ~TarvikAPI() override;

    QUrl baseUrl() const { return m_baseUrl; }

    // Sign-in, sign-out, perform() and the checkout change something at the operator: each is
    // sent at most once (NetworkAccess::SentOnceAttribute); the reads may be sent again once.
    // perform() and the checkout, which may do harm when repeated, fail in NetworkFailure's words
    // for a request that may have been carried out when their connection broke after sending.

    // Signs in; success means the session cookies are set.
    QCoro::Task<Result<void>> authenticate(QString login, QString password);
    // A numbered action that reads, whose reply's "result" is "ok".
    QCoro::Task<Result<TarvikAPIObject>> object(QString action, Form parameters = {});
    // A numbered action that changes something at the operator, sent at most once: as object().
    QCoro::Task<Result<TarvikAPIObject>> perform(QString action, Form parameters = {});
    // Signs out of the site; never fails. `session` goes with it instead of the jar's cookies (the
    // caller may have cleared the jar already), and with each redirect that follows, what the
    // site's answers left of it; the answers' cookies are never stored.
    QCoro::Task<> logout(QList<QNetworkCookie> session = {});
    // The recommended payment, or nothing; fails only on an expired session or a cancellation.
    QCoro::Task<Result<std::optional<QString>>> recommendedPayment();
    // The address of a checkout page for `amount`, a plain decimal text ("500", "500.5").
    QCoro::Task<Result<QUrl>> checkout(QString amount, bool sbp);
    QCoro::Task<Result<bool>> tvAccountExists();
    // The login of the partner TV account the site reports (the lenient, trimmed "login"); empty
    // when there is none.
    QCoro::Task<Result<QString>> tvAccountLogin();
    QCoro::Task<Result<QList<TarvikAPIObject>>> tvPackages();

    // The checkout address a reply of the checkout request gives, or why it gives none.
    static Result<QUrl> checkoutAddress(const QByteArray &body);
    // The longest checkout address taken. The payment provider's addresses are some hundred
    // characters; a longer one is no address the site meant to give.
    static constexpr qsizetype maxCheckoutAddressLength = 4096;

    // The URL-encoded form of `fields`: sorted by key, RFC 3986 unreserved characters kept.
    static QByteArray form(const Form &fields);

    // Total time one operation may take, redirects included.
    static constexpr std::chrono::seconds resourceTimeout{45};
    // A shorter limit than resourceTimeout, for tests that wait for it to pass.
    void setTimeout(std::chrono::milliseconds limit) { m_timeout = limit; }

private:
    QNetworkRequest request(const QString &path) const;
    QNetworkRequest mobileRequest(const QString &action, Form parameters) const;
    static QNetworkRequest sentOnce(QNetworkRequest request);
    QCoro::Task<Result<TarvikAPIObject>> answer(QNetworkRequest request);
    // Follows the site's redirects. With `hopCookies`, every hop sends that jar's cookies instead of
    // the store's, and its answer's cookies go there instead.
    QCoro::Task<Result<QByteArray>> send(QNetworkRequest request, QByteArray verb = "GET", QByteArray body = {},
                                         QNetworkCookieJar *hopCookies = nullptr);
    QCoro::Task<Result<QJsonDocument>> sendForJson(QNetworkRequest request);

    QUrl m_baseUrl;
    NetworkAccess *m_network;
    QNetworkAccessManager *m_manager;
    TarvikAPIRedirectDelegate m_redirects;
    std::chrono::milliseconds m_timeout = resourceTimeout;
};
