#include "tarvikapi.h"

#include "logging.h"
#include "networkaccess.h"
#include "networkfailure.h"
#include "tarvikapierror.h"

#include <QCoroNetworkReply>
#include <QDeadlineTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkCookieJar>
#include <QNetworkReply>
#include <QStringDecoder>
#include <QTimer>

#include <memory>

namespace
{
constexpr int maxRedirects = 16;

// What the platform's JSON parser says of a body it cannot read.
TarvikError jsonError()
{
    return TarvikError::parse(QStringLiteral("Не удалось прочитать данные, так как они имеют неверный формат."));
}

// Parses any JSON value, scalars at the top level included (QJsonDocument takes only containers).
std::optional<QJsonValue> parseJson(const QByteArray &body)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson("[" + body + "]", &error);
    if (error.error != QJsonParseError::NoError || document.array().size() != 1)
        return std::nullopt;
    return document.array().first();
}

// The cookies of a session on their own, as a sign-out's hops change them.
class SessionCookies : public QNetworkCookieJar
{
public:
    explicit SessionCookies(const QList<QNetworkCookie> &cookies) { setAllCookies(cookies); }
};
} // namespace

TarvikAPI::TarvikAPI(const QUrl &baseUrl, NetworkAccess *network, QObject *parent)
    : QObject(parent)
    , m_baseUrl(baseUrl)
    , m_network(network)
    , m_manager(network->createManager(NetworkAccess::Cookies::Subscriber, this))
    , m_redirects(baseUrl.host())
{
}

TarvikAPI::~TarvikAPI() = default;

QByteArray TarvikAPI::form(const Form &fields)
{
    QByteArrayList pairs;
    pairs.reserve(fields.size());
    // QMap iterates in ascending key order.
    for (auto it = fields.cbegin(); it != fields.cend(); ++it)
        pairs.append(QUrl::toPercentEncoding(it.key()) + '=' + QUrl::toPercentEncoding(it.value()));
    return pairs.join('&');
}

QNetworkRequest TarvikAPI::request(const QString &path) const
{
    QNetworkRequest request(m_baseUrl.resolved(QUrl(path)));
    request.setRawHeader("User-Agent", "Tarvik iOS/1.0");
    request.setRawHeader("Accept", "application/json");
    request.setRawHeader("X-Requested-With", "XMLHttpRequest");
    return request;
}

QNetworkRequest TarvikAPI::sentOnce(QNetworkRequest request)
{
    request.setAttribute(NetworkAccess::SentOnceAttribute, true);
    return request;
}

QNetworkRequest TarvikAPI::mobileRequest(const QString &action, Form parameters) const
{
    QNetworkRequest mobile = request(QStringLiteral("mobile.jsp"));
    parameters.insert(QStringLiteral("action"), action);
    QUrl url = mobile.url();
    url.setQuery(QString::fromLatin1(form(parameters)), QUrl::StrictMode);
    mobile.setUrl(url);
    return mobile;
}

QCoro::Task<Result<QByteArray>> TarvikAPI::send(QNetworkRequest request, QByteArray verb, QByteArray body, QNetworkCookieJar *hopCookies)
{
    const QDeadlineTimer deadline(m_timeout);
    for (int redirects = 0;; ++redirects) {
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
        if (hopCookies) {
            request.setAttribute(QNetworkRequest::CookieLoadControlAttribute, QNetworkRequest::Manual);
            request.setAttribute(QNetworkRequest::CookieSaveControlAttribute, QNetworkRequest::Manual);
            const QList<QNetworkCookie> cookies = hopCookies->cookiesForUrl(request.url());
            request.setHeader(QNetworkRequest::CookieHeader, cookies.isEmpty() ? QVariant() : QVariant::fromValue(cookies));
        }
        const auto sent = co_await m_network->send(m_manager, request, verb, body,
                                                   std::chrono::milliseconds(std::max<qint64>(deadline.remainingTime(), 0)));
        if (!sent) {
            // The site answered the first hop: whatever the later ones meet, it had the request.
            const TarvikError &error = sent.error();
            if (redirects > 0 && error.domain() == TarvikError::Domain::Transport)
                co_return TarvikError::transport(error.code(), error.description(), true);
            co_return error;
        }
        const std::unique_ptr<QNetworkReply> &reply = *sent;
        if (hopCookies)
            hopCookies->setCookiesFromUrl(reply->header(QNetworkRequest::SetCookieHeader).value<QList<QNetworkCookie>>(), reply->url());
        const QVariant statusAttribute = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        if (!statusAttribute.isValid())
            co_return TarvikAPIErrors::invalidResponse();
        const int status = statusAttribute.toInt();

        if (status >= 300 && status < 400 && redirects < maxRedirects) {
            const QUrl location = reply->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl();
            const auto next = location.isEmpty() ? std::nullopt : m_redirects.follow(reply->url().resolved(location));
            if (next) {
                qCDebug(lcHttp) << "following redirect" << status << "to" << next->path();
                request.setUrl(*next);
                // As browsers do: a 303, or a 301/302 answering a POST, continues as a GET without a body.
                if (status == 303 || ((status == 301 || status == 302) && verb == "POST")) {
                    verb = "GET";
                    body.clear();
                    request.setRawHeader("Content-Type", QByteArray());
                    request.setHeader(QNetworkRequest::ContentTypeHeader, QVariant());
                }
                continue;
            }
            qCDebug(lcHttp) << "refused redirect" << status;
        }

        if (status == 401 || status == 403)
            co_return TarvikAPIErrors::sessionExpired();
        if (status < 200 || status > 299)
            co_return TarvikAPIErrors::http(status);
        const QString finalPath = reply->url().path().toLower();
        if (finalPath.contains(QLatin1String("login.jsp")) && !finalPath.startsWith(QLatin1String("/ajax/")))
            co_return TarvikAPIErrors::sessionExpired();
        co_return reply->readAll();
    }
}

QCoro::Task<Result<QJsonDocument>> TarvikAPI::sendForJson(QNetworkRequest request)
{
    const auto body = co_await send(std::move(request));
    if (!body)
        co_return body.error();
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(*body, &error);
    if (error.error != QJsonParseError::NoError) {
        // A lone scalar is valid JSON, just not the container the caller needs.
        if (parseJson(*body))
            co_return TarvikAPIErrors::invalidResponse();
        co_return jsonError();
    }
    co_return document;
}

QCoro::Task<Result<void>> TarvikAPI::authenticate(QString login, QString password)
{
    QNetworkRequest signIn = sentOnce(request(QStringLiteral("ajax/login.jsp")));
    signIn.setRawHeader("Content-Type", "application/x-www-form-urlencoded; charset=utf-8");
    signIn.setRawHeader("Referer", m_baseUrl.resolved(QUrl(QStringLiteral("velmorlogin.jsp"))).toEncoded());
    const QByteArray body = form({
        {QStringLiteral("login"), login},
        {QStringLiteral("password"), password},
        {QStringLiteral("owner"), QStringLiteral("VELMOR")},
    });
    const auto reply = co_await send(signIn, "POST", body);
    if (!reply)
        co_return reply.error();
    const auto value = parseJson(*reply);
    if (!value)
        co_return jsonError();
    const QJsonObject object = value->toObject();
    const QJsonValue res = object.value(QStringLiteral("res"));
    if (!value->isObject() || object.isEmpty() || !res.isBool())
        co_return TarvikAPIErrors::invalidResponse();
    if (!res.toBool())
        co_return TarvikAPIErrors::invalidCredentials();
    co_return Result<void>();
}

QCoro::Task<Result<TarvikAPIObject>> TarvikAPI::object(QString action, Form parameters)
{
    return answer(mobileRequest(action, std::move(parameters)));
}

QCoro::Task<Result<TarvikAPIObject>> TarvikAPI::perform(QString action, Form parameters)
{
    auto reply = co_await answer(sentOnce(mobileRequest(action, std::move(parameters))));
    if (!reply)
        co_return NetworkFailure::ofAction(reply.error());
    co_return reply;
}

QCoro::Task<Result<TarvikAPIObject>> TarvikAPI::answer(QNetworkRequest request)
{
    const auto document = co_await sendForJson(std::move(request));
    if (!document)
        co_return document.error();
    if (!document->isObject())
        co_return TarvikAPIErrors::invalidResponse();
    TarvikAPIObject reply(document->object());
    if (reply.text(QStringLiteral("result"), QString()) == QLatin1String("ok"))
        co_return reply;
    co_return TarvikAPIErrors::server(reply.text(QStringLiteral("reason"), QStringLiteral("Сервер не выполнил запрос")));
}

QCoro::Task<> TarvikAPI::logout(QList<QNetworkCookie> session)
{
    // A late reply must not touch the store: its expired cookie would end a newer session. And a
    // redirect after the sign-out carries no cookie the site has just cleared.
    SessionCookies hops(session);
    const auto ignored = co_await send(sentOnce(request(QStringLiteral("exit.jsp"))), "GET", {}, &hops);
    Q_UNUSED(ignored);
}

QCoro::Task<Result<std::optional<QString>>> TarvikAPI::recommendedPayment()
{
    const auto reply = co_await object(QStringLiteral("recommendpay"));
    if (!reply) {
        const TarvikError &error = reply.error();
        if (error.is(TarvikAPIError::SessionExpired) || error.isCancellation())
            co_return error;
        co_return std::optional<QString>();
    }
    const QString text = reply->text(QStringLiteral("recommendpay"), QString());
    co_return text.isEmpty() ? std::optional<QString>() : std::optional<QString>(text);
}

QCoro::Task<Result<QUrl>> TarvikAPI::checkout(QString amount, bool sbp)
{
    // Each request makes a payment at the provider.
    QNetworkRequest page = sentOnce(request(sbp ? QStringLiteral("ajax/sbplink.jsp") : QStringLiteral("payment_yookassa_velmor.jsp")));
    QUrl url = page.url();
    url.setQuery(QString::fromLatin1(form({{sbp ? QStringLiteral("payment") : QStringLiteral("amount"), amount}})), QUrl::StrictMode);
    page.setUrl(url);
    page.setRawHeader("Referer", m_baseUrl.resolved(QUrl(QStringLiteral("payment.jsp"))).toEncoded());

    const auto body = co_await send(page);
    if (!body)
        co_return NetworkFailure::ofAction(body.error());
    co_return checkoutAddress(*body);
}

Result<QUrl> TarvikAPI::checkoutAddress(const QByteArray &body)
{
    QString text;
    const auto json = parseJson(body);
    if (json && json->isObject())
        return TarvikAPIErrors::server(TarvikAPIObject(json->toObject()).text(QStringLiteral("reason"), QStringLiteral("Не удалось создать платёж")));
    if (json && json->isString()) {
        text = json->toString();
    } else {
        QStringDecoder decoder(QStringDecoder::Utf8);
        text = decoder.decode(body);
        if (decoder.hasError())
            text.clear();
    }

    text = text.trimmed();
    if (text.size() > maxCheckoutAddressLength)
        return TarvikAPIErrors::invalidResponse();
    const QUrl address(text, QUrl::StrictMode);
    if (!address.isValid() || address.isEmpty() || address.scheme().toLower() != QLatin1String("https")
        || address.host().isEmpty() || !address.userInfo().isEmpty() || address.authority().contains(QLatin1Char('@')))
        return TarvikAPIErrors::invalidResponse();
    return address;
}

QCoro::Task<Result<bool>> TarvikAPI::tvAccountExists()
{
    const auto login = co_await tvAccountLogin();
    if (!login)
        co_return login.error();
    co_return !login->isEmpty();
}

QCoro::Task<Result<QString>> TarvikAPI::tvAccountLogin()
{
    const auto document = co_await sendForJson(mobileRequest(QStringLiteral("h42tv_account_info"), {}));
    if (!document)
        co_return document.error();
    if (!document->isObject())
        co_return TarvikAPIErrors::invalidResponse();
    co_return TarvikAPIObject(document->object()).text(QStringLiteral("login"), QString());
}

QCoro::Task<Result<QList<TarvikAPIObject>>> TarvikAPI::tvPackages()
{
    const auto document = co_await sendForJson(mobileRequest(QStringLiteral("h42tv_channels"), {}));
    if (!document)
        co_return document.error();
    if (!document->isArray())
        co_return TarvikAPIErrors::invalidResponse();
    QList<TarvikAPIObject> packages;
    for (const QJsonValue &element : document->array()) {
        if (!element.isObject())
            co_return TarvikAPIErrors::invalidResponse();
        packages.append(TarvikAPIObject(element.toObject()));
    }
    co_return packages;
}
