#include "tarvikcredentialvault.h"

#include "logging.h"
#include "secretstore.h"
#include "tarvikaccounterror.h"

#ifndef TARVIK_BUNDLE_ID
#error "TARVIK_BUNDLE_ID must be defined by the build"
#endif

TarvikCredentialVault::TarvikCredentialVault(SecretStore *secrets, const QString &host)
    : m_secrets(secrets)
    , m_account(host)
{ }

QString TarvikCredentialVault::service()
{
    return QStringLiteral(TARVIK_BUNDLE_ID ".account-session");
}

QCoro::Task<> TarvikCredentialVault::load()
{
    const auto stored = co_await m_secrets->read(service(), m_account);
    if (!stored)
        qCWarning(lcSecrets) << "the stored credentials cannot be read:" << stored.error();
    if (!stored || !stored->has_value()) {
        m_credentials.reset();
        co_return;
    }
    m_credentials = TarvikStoredCredentials::fromJson(**stored);
    if (!m_credentials)
        qCWarning(lcSecrets) << "the stored credentials are unreadable";
}

QCoro::Task<Result<void>> TarvikCredentialVault::save(QString login, QString password)
{
    const TarvikStoredCredentials credentials{login, password};
    // Readers see the new credentials at once; writes and deletes reach the store in order.
    m_credentials = credentials;
    const Result<void> written = co_await m_secrets->write(service(), m_account, credentials.toJson());
    if (written)
        co_return written;
    qCWarning(lcSecrets) << "the credentials cannot be stored:" << written.error();
    if (m_credentials == credentials)
        m_credentials.reset();
    co_return makeError(TarvikAccountError::Unavailable);
}

QCoro::Task<> TarvikCredentialVault::remove()
{
    m_credentials.reset();
    const Result<void> removed = co_await m_secrets->remove(service(), m_account);
    if (!removed)
        qCWarning(lcSecrets) << "the stored credentials cannot be deleted:" << removed.error();
}
