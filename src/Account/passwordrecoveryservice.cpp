#include "passwordrecoveryservice.h"

#include "boundedtext.h"
#include "logging.h"
#include "networkaccess.h"
#include "networkfailure.h"
#include "passwordrecoveryerror.h"

#include <QCoroNetworkReply>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QRegularExpression>
#include <QUrlQuery>

#include <memory>

const QString PasswordRecoveryService::successText = QStringLiteral("На указанный телефон отправлено SMS-сообщение с авторизационными данными.");

PasswordRecoveryService::PasswordRecoveryService(const QUrl &baseUrl, NetworkAccess *network, QObject *parent)
    : QObject(parent)
    , m_baseUrl(baseUrl)
    , m_network(network)
    , m_manager(network->createManager(NetworkAccess::Cookies::Subscriber, this))
{
}

PasswordRecoveryService::~PasswordRecoveryService() = default;

QUrl PasswordRecoveryService::address(const QUrl &baseUrl, const QString &accountNumber, const QString &phoneNumber)
{
    if (!baseUrl.isValid() || baseUrl.host().isEmpty())
        return {};
    QUrl url = baseUrl.resolved(QUrl(QStringLiteral("/pass_recovery_send.jsp")));
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("bill"), accountNumber);
    query.addQueryItem(QStringLiteral("phone"), phoneNumber);
    url.setQuery(query);
    return url.isValid() ? url : QUrl();
}

Result<QString> PasswordRecoveryService::interpret(int status, const QByteArray &body)
{
    if (status != 200)
        return PasswordRecoveryErrors::invalidResponse();
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(body, &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject())
        return PasswordRecoveryErrors::invalidResponse();
    const QJsonObject reply = document.object();
    const QJsonValue res = reply.value(QLatin1String("res"));
    const QJsonValue error = reply.value(QLatin1String("error"));
    if (!res.isBool() || !(error.isUndefined() || error.isNull() || error.isString()))
        return PasswordRecoveryErrors::invalidResponse();

    if (res.toBool())
        return successText;
    const QString reason = error.toString().trimmed();
    if (reason.isEmpty())
        return PasswordRecoveryErrors::server(QStringLiteral("Соответствие лицевого счёта и телефона не найдено. Обратитесь в поддержку Tarvik."));
    // The site reports a cooldown as the bare number of seconds to wait.
    static const QRegularExpression integer(QRegularExpression::anchoredPattern(QStringLiteral("[+-]?[0-9]+")));
    if (integer.match(reason).hasMatch()) {
        bool inRange = false;
        const qint64 seconds = reason.toLongLong(&inRange);
        if (inRange)
            return PasswordRecoveryErrors::cooldown(seconds);
    }
    return PasswordRecoveryErrors::server(BoundedText::cut(reason));
}

QCoro::Task<Result<QString>> PasswordRecoveryService::send(QString accountNumber, QString phoneNumber)
{
    const QUrl url = address(m_baseUrl, accountNumber, phoneNumber);
    if (!url.isValid())
        co_return PasswordRecoveryErrors::invalidResponse();

    QNetworkRequest request(url);
    request.setRawHeader("X-Requested-With", "XMLHttpRequest");
    request.setRawHeader("User-Agent", "Tarvik iOS/1.0");
    // Each request sends an SMS.
    request.setAttribute(NetworkAccess::SentOnceAttribute, true);
    const auto reply = co_await m_network->send(m_manager, request, "GET", {}, timeout);
    if (!reply)
        co_return NetworkFailure::ofAction(reply.error());
    const QVariant status = (*reply)->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!status.isValid())
        co_return PasswordRecoveryErrors::invalidResponse();
    co_return interpret(status.toInt(), (*reply)->readAll());
}
