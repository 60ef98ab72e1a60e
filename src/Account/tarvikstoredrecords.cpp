#include "tarvikstoredrecords.h"

#include "jsonfields.h"

#include <QJsonDocument>

namespace
{
std::optional<QJsonObject> parseObject(const QByteArray &json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    return document.object();
}
} // namespace

QByteArray TarvikCachedAccount::toJson() const
{
    const QJsonObject object{
        {QStringLiteral("account"), account.toJson()},
        {QStringLiteral("lastUpdated"), JsonFields::secondsSinceReferenceDate(lastUpdated)},
    };
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

std::optional<TarvikCachedAccount> TarvikCachedAccount::fromJson(const QByteArray &json)
{
    const auto object = parseObject(json);
    if (!object)
        return std::nullopt;
    const QJsonValue account = object->value(QStringLiteral("account"));
    double seconds = 0;
    if (!account.isObject() || !JsonFields::read(*object, "lastUpdated", seconds))
        return std::nullopt;
    const auto lastUpdated = JsonFields::dateFromReferenceSeconds(seconds);
    auto data = TarvikAccountData::fromJson(account.toObject());
    if (!data || !lastUpdated)
        return std::nullopt;
    return TarvikCachedAccount{std::move(*data), *lastUpdated};
}

QByteArray TarvikStoredCredentials::toJson() const
{
    const QJsonObject object{{QStringLiteral("login"), login}, {QStringLiteral("password"), password}};
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

std::optional<TarvikStoredCredentials> TarvikStoredCredentials::fromJson(const QByteArray &json)
{
    const auto object = parseObject(json);
    TarvikStoredCredentials credentials;
    if (!object || !JsonFields::read(*object, "login", credentials.login)
        || !JsonFields::read(*object, "password", credentials.password))
        return std::nullopt;
    return credentials;
}

QByteArray TarvikStoredCookie::listToJson(const QList<TarvikStoredCookie> &cookies)
{
    QJsonArray array;
    for (const TarvikStoredCookie &cookie : cookies) {
        QJsonObject properties;
        for (auto it = cookie.properties.cbegin(); it != cookie.properties.cend(); ++it)
            properties.insert(it.key(), it.value());
        array.append(QJsonObject{{QStringLiteral("properties"), properties}});
    }
    return QJsonDocument(array).toJson(QJsonDocument::Compact);
}

std::optional<QList<TarvikStoredCookie>> TarvikStoredCookie::listFromJson(const QByteArray &json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isArray())
        return std::nullopt;
    QList<TarvikStoredCookie> cookies;
    for (const QJsonValue &element : document.array()) {
        const QJsonValue properties = element.toObject().value(QStringLiteral("properties"));
        if (!element.isObject() || !properties.isObject())
            return std::nullopt;
        TarvikStoredCookie cookie;
        const QJsonObject map = properties.toObject();
        for (auto it = map.begin(); it != map.end(); ++it) {
            if (!it.value().isString())
                return std::nullopt;
            cookie.properties.insert(it.key(), it.value().toString());
        }
        cookies.append(cookie);
    }
    return cookies;
}
