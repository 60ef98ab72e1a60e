#include "accountfixture.h"
#include "fixturequicktestsetup.h"
#include "lazywebengine.h"
#include "shopfixture.h"

#include <QJsonObject>
#include <QQmlEngine>

// What the dashboard's tests steer: the stand-in site and the session, as the QML singleton `Standin`.
class HomeStandinControl : public QObject
{
    Q_OBJECT

public:
    explicit HomeStandinControl(AccountFixture *fixture)
        : m_fixture(fixture)
        , m_tvAccount(fixture->site->actionReply(QStringLiteral("h42tv_account_info")))
    {
    }

    // The demo subscriber signed in, nothing held or overridden, no requests logged, the stored
    // preferences of the dashboard at their defaults.
    Q_INVOKABLE void reset()
    {
        StandinSite *site = m_fixture->site.get();
        site->releaseHeld();
        site->clearOverrides();
        site->setRejectCredentials(false);
        setTvAccount(true);
        if (m_fixture->store->account().accountNumber.isEmpty() && !m_fixture->signIn())
            qWarning("the demo subscriber could not sign in");
        site->clearRequests();
        UserDefaults *defaults = m_fixture->defaults.get();
        defaults->remove(QStringLiteral("tarvikUnreadNotificationIDs"));
        defaults->remove(QStringLiteral("tarvikProfileAvatarJPEG"));
    }

    // Whether the site reports the partner TV account from the next load on.
    Q_INVOKABLE void setTvAccount(bool exists)
    {
        m_fixture->site->setActionReply(QStringLiteral("h42tv_account_info"), exists ? m_tvAccount : QJsonObject{{"login", ""}});
    }

    // Signs the store out, as if somewhere else.
    Q_INVOKABLE void signOutStore() { await(m_fixture->store->signOut()); }
    Q_INVOKABLE void signInStore() { m_fixture->signIn(); }
    Q_INVOKABLE void hold(const QString &key) { m_fixture->site->hold(key); }
    Q_INVOKABLE void releaseHeld() { m_fixture->site->releaseHeld(); }
    Q_INVOKABLE int heldCount() const { return m_fixture->site->heldCount(); }
    Q_INVOKABLE int requestCount(const QString &key) const { return int(m_fixture->site->requestKeys().count(key)); }

private:
    AccountFixture *m_fixture;
    QJsonObject m_tvAccount;
};

// The dashboard and its screens over the store and the stand-in, wired as main() wires them.
class HomeQmlSetup : public FixtureQuickTestSetup
{
    Q_OBJECT

public:
    HomeQmlSetup()
    {
        // Before the application object exists: the 24ТВ row opens the partner's web page.
        LazyWebEngine::prepare();
    }

protected:
    std::unique_ptr<QObject> prepare(AccountFixture *fixture) override
    {
        // The shop card opens the shop, which needs its cart and photos.
        m_shop = std::make_unique<ShopFixture>();
        if (!m_shop->start())
            qFatal("the shop did not start");
        return std::make_unique<HomeStandinControl>(fixture);
    }
    void release() override { m_shop.reset(); }

private:
    std::unique_ptr<ShopFixture> m_shop;
};

TARVIK_QUICK_TEST_MAIN(tst_homeqml, HomeQmlSetup)

#include "tst_homeqml.moc"
