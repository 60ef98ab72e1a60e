#include "accountfixture.h"
#include "fakeurlopener.h"
#include "fixturequicktestsetup.h"
#include "lazywebengine.h"
#include "testpaths.h"
#include "urlopenersingleton.h"
#include "webcertificatetrust.h"
#include "webprofiledata.h"

#include <QDir>
#include <QQmlEngine>
#include <QUrlQuery>

// What the payment screens' tests steer: the stand-in site and the session, as the QML singleton
// `Standin`.
class StandinControl : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString origin READ origin CONSTANT)

public:
    explicit StandinControl(AccountFixture *fixture)
        : m_fixture(fixture)
    {
    }

    // "https://127.0.0.1:port", without the closing slash.
    QString origin() const { return originOf(m_fixture->site.get()); }

    // Signed in afresh, nothing held or overridden, no requests logged.
    Q_INVOKABLE bool reset()
    {
        StandinSite *site = m_fixture->site.get();
        site->releaseHeld();
        site->clearOverrides();
        site->setSlowPageDelay(std::chrono::milliseconds(1500));
        if (m_initialBalance.isEmpty())
            m_initialBalance = site->actionReply(QStringLiteral("action2")).value(QStringLiteral("balance")).toString();
        setBalance(m_initialBalance);
        const bool signedIn = m_fixture->signIn();
        site->clearRequests();
        return signedIn;
    }

    Q_INVOKABLE void signOut() { await(m_fixture->store->signOut()); }
    Q_INVOKABLE void hold(const QString &key) { m_fixture->site->hold(key); }
    Q_INVOKABLE void release(const QString &key) { m_fixture->site->release(key); }
    Q_INVOKABLE int heldCount() const { return m_fixture->site->heldCount(); }
    Q_INVOKABLE void dropConnections(const QString &key) { m_fixture->site->setOverride(key, StandinSite::Override{.dropConnection = true}); }
    Q_INVOKABLE void answer(const QString &key, const QString &body)
    {
        m_fixture->site->setOverride(key, StandinSite::Override{.body = body.toUtf8()});
    }
    Q_INVOKABLE void clearOverrides() { m_fixture->site->clearOverrides(); }
    // `key` answers 302 to `location` from now on.
    Q_INVOKABLE void redirect(const QString &key, const QString &location)
    {
        m_fixture->site->setOverride(key, StandinSite::Override{.status = 302, .location = location.toUtf8()});
    }
    // The balance the site reports from now on ("1250.50" at first).
    Q_INVOKABLE void setBalance(const QString &balance)
    {
        QJsonObject reply = m_fixture->site->actionReply(QStringLiteral("action2"));
        reply.insert(QStringLiteral("balance"), balance);
        m_fixture->site->setActionReply(QStringLiteral("action2"), reply);
    }
    Q_INVOKABLE void setSlowPageDelay(int milliseconds) { m_fixture->site->setSlowPageDelay(std::chrono::milliseconds(milliseconds)); }

    Q_INVOKABLE int requestCount(const QString &key) const { return int(m_fixture->site->requestKeys().count(key)); }

    // The decoded query of the last request for `key`.
    Q_INVOKABLE QVariantMap lastQuery(const QString &key) const
    {
        return m_fixture->site->lastQuery(key);
    }

    // Where a test saves the picture of a screen: screenshots/<name>.png in the folder the test runs in.
    Q_INVOKABLE QString screenshotPath(const QString &name) const
    {
        const QDir dir(screenshotDir());
        dir.mkpath(QStringLiteral("."));
        return dir.filePath(name + QStringLiteral(".png"));
    }

    // A second site with a certificate authority the app does not trust.
    Q_INVOKABLE QString untrustedOrigin()
    {
        if (!m_untrusted)
            m_untrusted = startStandin();
        return m_untrusted ? originOf(m_untrusted.get()) : QString();
    }

private:
    static QString originOf(const StandinSite *site) { return site->baseUrl().toString(QUrl::RemovePath); }

    AccountFixture *m_fixture;
    std::unique_ptr<StandinSite> m_untrusted;
    QString m_initialBalance;
};

// The payment screens over the store, the stand-in and a fake opener, wired as main() wires them.
class PaymentScreensSetup : public FixtureQuickTestSetup
{
    Q_OBJECT

public:
    PaymentScreensSetup()
    {
        // Before the application object exists.
        LazyWebEngine::prepare();
    }

protected:
    std::unique_ptr<QObject> prepare(AccountFixture *fixture) override
    {
        WebCertificateTrust::setExtraAuthorities(fixture->network->extraCaCertificates());
        UrlOpenerSingleton::setInstance(&m_opener);
        WebProfileData::setInstance(&m_webData);
        QObject::connect(fixture->store.get(), &TarvikAccountStore::localSessionCleared, &m_webData, &WebProfileData::erase);
        return std::make_unique<StandinControl>(fixture);
    }

    void release() override
    {
        UrlOpenerSingleton::setInstance(nullptr);
        WebProfileData::setInstance(nullptr);
    }

private:
    FakeUrlOpener m_opener;
    WebProfileData m_webData{nullptr};
};

TARVIK_QUICK_TEST_MAIN(tst_paymentscreens, PaymentScreensSetup)

#include "tst_paymentscreens.moc"
