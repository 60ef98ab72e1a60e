#pragma once

#include "clock.h"
#include "memorysecretstore.h"
#include "networkaccess.h"
#include "standinfixture.h"
#include "storedpreference.h"
#include "tarvikaccountcache.h"
#include "tarvikaccountstore.h"
#include "tarvikaccountstoreqml.h"
#include "tarvikapi.h"
#include "tarvikcookievault.h"
#include "tarvikcredentialvault.h"
#include "userdefaults.h"

#include <QStandardPaths>
#include <QTemporaryDir>

// The app's account objects wired as main() wires them, over a stand-in site, in-memory secrets
// and a user-defaults file of its own. reopen() builds them again over the same storage, as a
// restart of the app would.
struct AccountFixture {
    std::unique_ptr<StandinSite> site;
    QTemporaryDir dir;
    std::unique_ptr<NetworkAccess> network;
    std::unique_ptr<TarvikAPI> api;
    MemorySecretStore secrets;
    std::unique_ptr<UserDefaults> defaults;
    ManualClock clock{QDateTime(QDate(2026, 12, 7), QTime(10, 5))};
    std::unique_ptr<TarvikCredentialVault> credentials;
    std::unique_ptr<TarvikCookieVault> cookies;
    std::unique_ptr<TarvikAccountCache> cache;
    std::unique_ptr<TarvikAccountStore> store;
    std::unique_ptr<TarvikAccountStoreQml> storeQml;

    // Starts the stand-in on a free port of 127.0.0.1 (or on 443 of a free loopback address) and
    // builds everything.
    enum class Port { Any, Https };
    bool start(Port port = Port::Any)
    {
        site = port == Port::Https ? startStandinOn443() : startStandin();
        if (!site)
            return false;
        defaults = std::make_unique<UserDefaults>(dir.filePath(QStringLiteral("defaults.ini")));
        StoredPreference::setDefaults(defaults.get());
        reopen();
        return true;
    }

    // `apiBase`: where the site's client sends its requests, when not to the stand-in; the
    // session stays the stand-in host's.
    void reopen(const QUrl &apiBase = {})
    {
        storeQml.reset();
        store.reset();
        network = std::make_unique<NetworkAccess>(site->caFile());
        api = std::make_unique<TarvikAPI>(apiBase.isEmpty() ? site->baseUrl() : apiBase, network.get());
        const QString host = site->baseUrl().host();
        credentials = std::make_unique<TarvikCredentialVault>(&secrets, host);
        await(credentials->load());
        cookies = std::make_unique<TarvikCookieVault>(&secrets, host);
        cache = std::make_unique<TarvikAccountCache>(defaults.get(), host);
        store = std::make_unique<TarvikAccountStore>(TarvikAccountStore::Collaborators{
            .api = api.get(),
            .credentials = credentials.get(),
            .cookies = cookies.get(),
            .cache = cache.get(),
            .cookieJar = network->cookieStore(),
            .clock = &clock,
        });
        storeQml = std::make_unique<TarvikAccountStoreQml>(store.get());
        TarvikAccountStoreQml::setInstance(storeQml.get());
    }

    bool signIn()
    {
        return bool(await(store->signIn(site->login(), site->password())));
    }
};
