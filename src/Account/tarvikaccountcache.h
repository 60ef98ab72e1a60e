#pragma once

#include "tarvikstoredrecords.h"

class UserDefaults;

// The last account that loaded completely, with its time, as JSON in the user-defaults store.
class TarvikAccountCache
{
public:
    TarvikAccountCache(UserDefaults *defaults, const QString &host);
    TarvikAccountCache(const TarvikAccountCache &) = delete;
    TarvikAccountCache &operator=(const TarvikAccountCache &) = delete;

    // Defaults::lastGoodAccountPrefix + the personal-account host.
    QString key() const { return m_key; }

    // The cached account; nothing when there is none or it does not decode.
    std::optional<TarvikCachedAccount> load() const;
    void save(const TarvikAccountData &account, const QDateTime &lastUpdated);
    void remove();

private:
    UserDefaults *m_defaults;
    QString m_key;
};
