#include "accountfixture.h"
#include "haptics.h"
#include "hapticssingleton.h"
#include "passwordrecoveryservice.h"
#include "passwordrecoveryserviceqml.h"
#include "fixturequicktestsetup.h"

#include <QQmlEngine>

// What the screens' tests steer: the stand-in site and the session, as the QML singleton `Standin`.
class StandinControl : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString login READ login CONSTANT)
    Q_PROPERTY(QString password READ password CONSTANT)

public:
    StandinControl(AccountFixture *fixture, Haptics *haptics)
        : m_fixture(fixture)
        , m_haptics(haptics)
    {
    }

    QString login() const { return m_fixture->site->login(); }
    QString password() const { return m_fixture->site->password(); }

    // Signed out, nothing held or overridden, no requests logged, no haptics.
    Q_INVOKABLE void reset()
    {
        StandinSite *site = m_fixture->site.get();
        site->releaseHeld();
        site->clearOverrides();
        site->setRejectCredentials(false);
        await(m_fixture->store->signOut());
        site->clearRequests();
        m_haptics->reset();
    }

    Q_INVOKABLE void hold(const QString &key) { m_fixture->site->hold(key); }
    Q_INVOKABLE void release(const QString &key) { m_fixture->site->release(key); }

    // Makes `key` answer with `status` and `body`.
    Q_INVOKABLE void answer(const QString &key, int status, const QString &body)
    {
        m_fixture->site->setOverride(key, StandinSite::Override{.status = status, .body = body.toUtf8()});
    }

    // Closes the connection of every request for `key` without an answer.
    Q_INVOKABLE void dropConnections(const QString &key) { m_fixture->site->setOverride(key, StandinSite::Override{.dropConnection = true}); }

    Q_INVOKABLE int requestCount(const QString &key) const { return int(m_fixture->site->requestKeys().count(key)); }

    // The query of the last request for `key`, as received.
    Q_INVOKABLE QString lastQuery(const QString &key) const
    {
        const QList<StandinSite::Request> requests = m_fixture->site->requests();
        const auto last = std::find_if(requests.crbegin(), requests.crend(), [&](const auto &request) { return request.key() == key; });
        return last == requests.crend() ? QString() : QString::fromLatin1(last->query);
    }

private:
    AccountFixture *m_fixture;
    Haptics *m_haptics;
};

// The account screens over the store, the recovery service and the stand-in, wired as main() wires them.
class AccountScreensSetup : public FixtureQuickTestSetup
{
    Q_OBJECT

protected:
    std::unique_ptr<QObject> prepare(AccountFixture *fixture) override
    {
        HapticsSingleton::setInstance(&m_haptics);
        m_recovery = std::make_unique<PasswordRecoveryService>(fixture->site->baseUrl(), fixture->network.get());
        m_recoveryQml = std::make_unique<PasswordRecoveryServiceQml>(m_recovery.get(), &m_haptics);
        PasswordRecoveryServiceQml::setInstance(m_recoveryQml.get());
        return std::make_unique<StandinControl>(fixture, &m_haptics);
    }

    void release() override
    {
        PasswordRecoveryServiceQml::setInstance(nullptr);
        m_recoveryQml.reset();
        m_recovery.reset();
    }

private:
    Haptics m_haptics;
    std::unique_ptr<PasswordRecoveryService> m_recovery;
    std::unique_ptr<PasswordRecoveryServiceQml> m_recoveryQml;
};

TARVIK_QUICK_TEST_MAIN(tst_accountscreens, AccountScreensSetup)

#include "tst_accountscreens.moc"
