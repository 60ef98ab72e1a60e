#pragma once

#include "tarvikaccountdata.h"

#include <QDateTime>
#include <QJsonArray>
#include <QMap>

// Records the account code keeps on the device, with their JSON forms (strict on decoding).

// The last account that loaded completely, with when it loaded.
struct TarvikCachedAccount {
    TarvikAccountData account;
    QDateTime lastUpdated;

    QByteArray toJson() const;
    static std::optional<TarvikCachedAccount> fromJson(const QByteArray &json);
};

struct TarvikStoredCredentials {
    QString login;
    QString password;

    QByteArray toJson() const;
    static std::optional<TarvikStoredCredentials> fromJson(const QByteArray &json);
    friend bool operator==(const TarvikStoredCredentials &, const TarvikStoredCredentials &) = default;
};

// One cookie as a map of its property names to their texts.
struct TarvikStoredCookie {
    QMap<QString, QString> properties;

    static QByteArray listToJson(const QList<TarvikStoredCookie> &cookies);
    static std::optional<QList<TarvikStoredCookie>> listFromJson(const QByteArray &json);
};
