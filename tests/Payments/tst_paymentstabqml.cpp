#include "accountfixture.h"
#include "fixturequicktestsetup.h"
#include "lazywebengine.h"
#include "testpaths.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QQmlEngine>

// What the payments tab's tests steer: the account the stand-in serves and the store publishes,
// as the QML singleton `Account`.
class AccountControl : public QObject
{
    Q_OBJECT

public:
    explicit AccountControl(AccountFixture *fixture)
        : m_fixture(fixture)
        , m_served{
              {QStringLiteral("action2"), fixture->site->actionReply(QStringLiteral("action2"))},
              {QStringLiteral("action4"), fixture->site->actionReply(QStringLiteral("action4"))},
              {QStringLiteral("recommendpay"), fixture->site->actionReply(QStringLiteral("recommendpay"))},
          }
    {
    }

    // The demo subscriber as the fixture serves it, freshly signed in, no requests logged.
    Q_INVOKABLE bool reset()
    {
        for (auto it = m_served.cbegin(); it != m_served.cend(); ++it)
            m_fixture->site->setActionReply(it.key(), it.value());
        m_fixture->site->clearOverrides();
        const bool signedIn = m_fixture->signIn();
        m_fixture->site->clearRequests();
        return signedIn;
    }

    // Serves these payments ({pay_date, pay_sys, pay_summ} each) and publishes the account.
    Q_INVOKABLE bool publishPayments(const QVariantList &payments)
    {
        QJsonObject reply = m_fixture->site->actionReply(QStringLiteral("action4"));
        reply.insert(QStringLiteral("payments"), QJsonArray::fromVariantList(payments));
        m_fixture->site->setActionReply(QStringLiteral("action4"), reply);
        return refresh();
    }

    // Serves this balance and recommended payment (an empty text: none at all) and publishes them.
    Q_INVOKABLE bool publishMoney(const QString &balance, const QString &recommended)
    {
        QJsonObject balanceReply = m_fixture->site->actionReply(QStringLiteral("action2"));
        balanceReply.insert(QStringLiteral("balance"), balance);
        m_fixture->site->setActionReply(QStringLiteral("action2"), balanceReply);
        QJsonObject recommendedReply = m_fixture->site->actionReply(QStringLiteral("recommendpay"));
        if (recommended.isEmpty())
            recommendedReply.remove(QStringLiteral("recommendpay"));
        else
            recommendedReply.insert(QStringLiteral("recommendpay"), recommended);
        m_fixture->site->setActionReply(QStringLiteral("recommendpay"), recommendedReply);
        return refresh();
    }

    // Signed out: the store shows the placeholder account.
    Q_INVOKABLE void signOut() { await(m_fixture->store->signOut()); }

    // What reached the site since the last reset(), as paths or action names.
    Q_INVOKABLE QStringList requestKeys() const { return m_fixture->site->requestKeys(); }

    // Where a test saves the picture of a screen: screenshots/<name>.png in the folder the test runs in.
    Q_INVOKABLE QString screenshotPath(const QString &name) const
    {
        const QDir dir(screenshotDir());
        dir.mkpath(QStringLiteral("."));
        return dir.filePath(name + QStringLiteral(".png"));
    }

private:
    bool refresh() { return bool(await(m_fixture->store->refresh())); }

    AccountFixture *m_fixture;
    const QHash<QString, QJsonObject> m_served;
};

// The payments tab, its tiles and the statements over the store and the stand-in, wired as
// main() wires them.
class PaymentsTabSetup : public FixtureQuickTestSetup
{
    Q_OBJECT

public:
    PaymentsTabSetup()
    {
        // Before the application object exists: the top-up flow brings the web engine along.
        LazyWebEngine::prepare();
    }

protected:
    std::unique_ptr<QObject> prepare(AccountFixture *fixture) override { return std::make_unique<AccountControl>(fixture); }
    const char *controlName() const override { return "Account"; }
};

TARVIK_QUICK_TEST_MAIN(tst_paymentstabqml, PaymentsTabSetup)

#include "tst_paymentstabqml.moc"
