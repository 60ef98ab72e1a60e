#include "accountfixture.h"
#include "homeaccountload.h"

#include <QSignalSpy>
#include <QTest>

namespace
{
enum class Setup {
    StoredCredentials, // credentials kept, no account loaded (a launch without a usable cache)
    NoCredentials,     // nothing stored at all
    RejectedPassword,  // the site now refuses the stored password
    ServerError,       // a core action answers 500
    LoadRunning,       // another load holds the store when the dashboard appears
    SignOutOvertakes,  // a sign-out overtakes the dashboard's load
};
} // namespace
Q_DECLARE_METATYPE(Setup)

// The dashboard's own load: when it runs, and which of its failures end the session.
class HomeAccountLoadTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AccountFixture> m_fixture;

    StandinSite *site() const { return m_fixture->site.get(); }

    // Signed in once, then restarted without the cached account: credentials, but no account number.
    void storedCredentialsWithoutAccount()
    {
        QVERIFY(m_fixture->signIn());
        m_fixture->cache->remove();
        m_fixture->reopen();
        QVERIFY(m_fixture->store->account().accountNumber.isEmpty());
        site()->clearRequests();
    }

    static bool waitUntilIdle(HomeAccountLoad &load)
    {
        return QTest::qWaitFor([&] { return !load.isLoading(); }, 10000);
    }

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init()
    {
        m_fixture = std::make_unique<AccountFixture>();
        QVERIFY(m_fixture->start());
    }

    void cleanup()
    {
        site()->releaseHeld();
        TarvikAccountStoreQml::setInstance(nullptr);
        m_fixture.reset();
    }

    void outcome_data()
    {
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<bool>("signsOut");
        QTest::addColumn<bool>("accountShown");

        QTest::newRow("loads the account") << Setup::StoredCredentials << false << true;
        QTest::newRow("no stored credentials") << Setup::NoCredentials << true << false;
        QTest::newRow("password now refused") << Setup::RejectedPassword << true << false;
        QTest::newRow("server error") << Setup::ServerError << true << false;
        // Neither says anything about the session: signing out here would leave the credentials
        // stored, and the next launch would sign straight back in.
        QTest::newRow("another load running") << Setup::LoadRunning << false << true;
        QTest::newRow("overtaken by a sign-out") << Setup::SignOutOvertakes << false << false;
    }

    void outcome()
    {
        QFETCH(Setup, setup);
        QFETCH(bool, signsOut);
        QFETCH(bool, accountShown);

        if (setup != Setup::NoCredentials)
            storedCredentialsWithoutAccount();
        if (setup == Setup::RejectedPassword)
            site()->setRejectCredentials(true);
        if (setup == Setup::ServerError)
            site()->setOverride(QStringLiteral("action2"), StandinSite::Override{.status = 500});

        QSignalSpy held(site(), &StandinSite::requestHeld);
        std::optional<QCoro::Task<Result<void>>> otherLoad;
        if (setup == Setup::LoadRunning || setup == Setup::SignOutOvertakes)
            site()->hold(QStringLiteral("action1"));
        if (setup == Setup::LoadRunning) {
            otherLoad.emplace(m_fixture->store->refresh());
            QVERIFY(held.wait());
        }

        HomeAccountLoad load;
        load.setStore(m_fixture->storeQml.get());
        QSignalSpy signOut(&load, &HomeAccountLoad::signOutRequested);
        load.appeared();
        QVERIFY(load.isLoading());

        if (setup == Setup::SignOutOvertakes) {
            QVERIFY(held.wait());
            await(m_fixture->store->signOut());
            site()->releaseHeld();
        }
        QVERIFY(waitUntilIdle(load));
        if (otherLoad) {
            site()->releaseHeld();
            QVERIFY(await(std::move(*otherLoad)));
        }
        QCOMPARE(signOut.count(), signsOut ? 1 : 0);
        QCOMPARE(m_fixture->store->account().accountNumber == QStringLiteral("684782"), accountShown);
    }

    // Refused because another load ran, the dashboard loads again once that load has failed.
    void loadsAgainWhenTheOtherLoadFails()
    {
        storedCredentialsWithoutAccount();
        QSignalSpy held(site(), &StandinSite::requestHeld);
        site()->setOverride(QStringLiteral("action1"), StandinSite::Override{.status = 500});
        site()->hold(QStringLiteral("action1"), 1);
        auto otherLoad = m_fixture->store->refresh();
        QVERIFY(held.wait());
        site()->clearOverrides();

        HomeAccountLoad load;
        load.setStore(m_fixture->storeQml.get());
        QSignalSpy signOut(&load, &HomeAccountLoad::signOutRequested);
        load.appeared();
        QVERIFY(waitUntilIdle(load));
        QVERIFY(m_fixture->store->account().accountNumber.isEmpty());

        site()->releaseHeld();
        QVERIFY(!await(std::move(otherLoad)));
        QTRY_COMPARE(m_fixture->store->account().accountNumber, QStringLiteral("684782"));
        QVERIFY(waitUntilIdle(load));
        QCOMPARE(signOut.count(), 0);
    }

    // A cached account, however old, is shown as it is: nothing is loaded.
    void loadedAccountLoadsNothing()
    {
        QVERIFY(m_fixture->signIn());
        m_fixture->reopen();
        QVERIFY(!m_fixture->store->account().accountNumber.isEmpty());
        site()->clearRequests();

        HomeAccountLoad load;
        load.setStore(m_fixture->storeQml.get());
        load.appeared();
        QVERIFY(!load.isLoading());
        QTest::qWait(50);
        QVERIFY(site()->requests().isEmpty());
    }

    // Coming back on screen while the load runs does not start another one, and the outcome of a
    // load another screen started is not taken for the dashboard's.
    void onlyItsOwnLoadCounts()
    {
        storedCredentialsWithoutAccount();
        QSignalSpy held(site(), &StandinSite::requestHeld);
        site()->hold(QStringLiteral("action1"));

        HomeAccountLoad load;
        load.setStore(m_fixture->storeQml.get());
        QSignalSpy signOut(&load, &HomeAccountLoad::signOutRequested);
        load.appeared();
        QVERIFY(held.wait());
        load.appeared();

        // Another screen's loads are refused while the dashboard's runs.
        QSignalSpy others(m_fixture->storeQml.get(), &TarvikAccountStoreQml::refreshRequestFinished);
        m_fixture->storeQml->requestRefresh();
        QVERIFY(others.wait());
        QCOMPARE(others.constFirst().at(1).value<TarvikAccountStoreQml::RefreshFailure>(), TarvikAccountStoreQml::Unavailable);
        QVERIFY(load.isLoading());

        site()->releaseHeld();
        QVERIFY(waitUntilIdle(load));
        QCOMPARE(signOut.count(), 0);
        QCOMPARE(site()->requestKeys().count(QStringLiteral("action1")), 1);
        QCOMPARE(m_fixture->store->account().accountNumber, QStringLiteral("684782"));
    }
};

QTEST_MAIN(HomeAccountLoadTest)

#include "tst_homeaccountload.moc"
