#pragma once

#include "tarvikstoredrecords.h"

#include <QCoroTask>
#include <QNetworkCookie>

class SecretStore;

// A copy of the personal-account site's session cookies in the secret store.
class TarvikCookieVault
{
public:
    TarvikCookieVault(SecretStore *secrets, const QString &host);
    TarvikCookieVault(const TarvikCookieVault &) = delete;
    TarvikCookieVault &operator=(const TarvikCookieVault &) = delete;

    // The cookies item's account name: the host + ".cookies".
    QString account() const { return m_account; }

    // Stores the cookies of the host itself (not of its sub- or parent domains), replacing the
    // item; failures are dropped.
    QCoro::Task<> save(QList<QNetworkCookie> cookies);
    // Deletes the item; failures are dropped.
    QCoro::Task<> remove();

    // The records of the cookies whose domain, without leading and trailing dots, is `host`.
    static QList<TarvikStoredCookie> records(const QList<QNetworkCookie> &cookies, const QString &host);

private:
    SecretStore *m_secrets;
    QString m_host;
    QString m_account;
};
