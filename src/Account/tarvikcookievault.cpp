#include "tarvikcookievault.h"

#include "logging.h"
#include "secretstore.h"
#include "tarvikcredentialvault.h"

namespace
{
QString withoutOuterDots(QString domain)
{
    while (domain.startsWith(QLatin1Char('.')))
        domain.remove(0, 1);
    while (domain.endsWith(QLatin1Char('.')))
        domain.chop(1);
    return domain;
}

TarvikStoredCookie record(const QNetworkCookie &cookie)
{
    TarvikStoredCookie stored;
    auto &properties = stored.properties;
    properties.insert(QStringLiteral("Name"), QString::fromUtf8(cookie.name()));
    properties.insert(QStringLiteral("Value"), QString::fromUtf8(cookie.value()));
    properties.insert(QStringLiteral("Domain"), cookie.domain());
    properties.insert(QStringLiteral("Path"), cookie.path());
    if (!cookie.isSessionCookie())
        properties.insert(QStringLiteral("Expires"), cookie.expirationDate().toUTC().toString(Qt::ISODate));
    if (cookie.isSecure())
        properties.insert(QStringLiteral("Secure"), QStringLiteral("TRUE"));
    if (cookie.isHttpOnly())
        properties.insert(QStringLiteral("HttpOnly"), QStringLiteral("TRUE"));
    switch (cookie.sameSitePolicy()) {
    case QNetworkCookie::SameSite::Default:
        break;
    case QNetworkCookie::SameSite::None:
        properties.insert(QStringLiteral("SameSite"), QStringLiteral("None"));
        break;
    case QNetworkCookie::SameSite::Lax:
        properties.insert(QStringLiteral("SameSite"), QStringLiteral("Lax"));
        break;
    case QNetworkCookie::SameSite::Strict:
        properties.insert(QStringLiteral("SameSite"), QStringLiteral("Strict"));
        break;
    }
    return stored;
}
} // namespace

TarvikCookieVault::TarvikCookieVault(SecretStore *secrets, const QString &host)
    : m_secrets(secrets)
    , m_host(host.toLower())
    , m_account(host + QStringLiteral(".cookies"))
{ }

QList<TarvikStoredCookie> TarvikCookieVault::records(const QList<QNetworkCookie> &cookies, const QString &host)
{
    QList<TarvikStoredCookie> kept;
    for (const QNetworkCookie &cookie : cookies) {
        if (withoutOuterDots(cookie.domain().toLower()) == host)
            kept.append(record(cookie));
    }
    return kept;
}

QCoro::Task<> TarvikCookieVault::save(QList<QNetworkCookie> cookies)
{
    const QByteArray json = TarvikStoredCookie::listToJson(records(cookies, m_host));
    const Result<void> written = co_await m_secrets->write(TarvikCredentialVault::service(), m_account, json);
    if (!written)
        qCWarning(lcSecrets) << "the session cookies cannot be stored:" << written.error();
}

QCoro::Task<> TarvikCookieVault::remove()
{
    const Result<void> removed = co_await m_secrets->remove(TarvikCredentialVault::service(), m_account);
    if (!removed)
        qCWarning(lcSecrets) << "the stored session cookies cannot be deleted:" << removed.error();
}
