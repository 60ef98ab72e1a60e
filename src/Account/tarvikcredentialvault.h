#pragma once

#include "result.h"
#include "tarvikstoredrecords.h"

#include <QCoroTask>
#include <optional>

class SecretStore;

// The subscriber's login and password in the secret store. The vault loads them once, keeps a
// copy in memory that callers read synchronously, and writes every change through.
class TarvikCredentialVault
{
public:
    TarvikCredentialVault(SecretStore *secrets, const QString &host);
    TarvikCredentialVault(const TarvikCredentialVault &) = delete;
    TarvikCredentialVault &operator=(const TarvikCredentialVault &) = delete;

    // The service name shared by the session's secret items: the app id + ".account-session".
    static QString service();
    // The credentials item's account name: the personal-account host.
    QString account() const { return m_account; }

    // Reads the stored credentials; a failure or an unreadable item counts as none. Await it once
    // at start, before anything asks for credentials().
    QCoro::Task<> load();
    std::optional<TarvikStoredCredentials> credentials() const { return m_credentials; }

    // Stores the credentials (one item per host); a failure is TarvikAccountError::Unavailable.
    QCoro::Task<Result<void>> save(QString login, QString password);
    // Forgets the credentials at once and deletes the item; failures are dropped.
    QCoro::Task<> remove();

private:
    SecretStore *m_secrets;
    QString m_account;
    std::optional<TarvikStoredCredentials> m_credentials;
};
