#include "tarvikaccountcache.h"

#include "defaultskeys.h"
#include "logging.h"
#include "userdefaults.h"

TarvikAccountCache::TarvikAccountCache(UserDefaults *defaults, const QString &host)
    : m_defaults(defaults)
    , m_key(QLatin1String(Defaults::lastGoodAccountPrefix) + host)
{ }

std::optional<TarvikCachedAccount> TarvikAccountCache::load() const
{
    const QVariant stored = m_defaults->value(m_key);
    if (!stored.isValid())
        return std::nullopt;
    auto cached = TarvikCachedAccount::fromJson(stored.toByteArray());
    if (!cached)
        qCWarning(lcSession) << "the cached account does not decode; it is ignored";
    return cached;
}

void TarvikAccountCache::save(const TarvikAccountData &account, const QDateTime &lastUpdated)
{
    m_defaults->setValue(m_key, TarvikCachedAccount{account, lastUpdated}.toJson());
}

void TarvikAccountCache::remove()
{
    m_defaults->remove(m_key);
}
