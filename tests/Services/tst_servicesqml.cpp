#include "accountfixture.h"
#include "fixturequicktestsetup.h"
#include "testpaths.h"

#include <QDir>
#include <QJsonObject>

// What the services screens' tests steer: the account the stand-in serves and the store
// publishes, as the QML singleton `Account`.
class ServicesControl : public QObject
{
    Q_OBJECT

public:
    explicit ServicesControl(AccountFixture *fixture)
        : m_fixture(fixture)
        , m_tariff(fixture->site->actionReply(QStringLiteral("action1")))
        , m_number(fixture->site->actionReply(QStringLiteral("action11")))
        , m_television(fixture->site->actionReply(QStringLiteral("h42tv_account_info")))
    {
    }

    // The demo subscriber as the fixture serves it, freshly signed in.
    Q_INVOKABLE bool reset()
    {
        m_fixture->site->setActionReply(QStringLiteral("action1"), m_tariff);
        m_fixture->site->setActionReply(QStringLiteral("action11"), m_number);
        m_fixture->site->setActionReply(QStringLiteral("h42tv_account_info"), m_television);
        m_fixture->site->clearOverrides();
        return m_fixture->signIn();
    }

    // Serves this tariff and whether the partner TV account exists, and publishes the account.
    Q_INVOKABLE bool publishTariff(const QString &name, const QString &speed, const QString &cost, bool television)
    {
        QJsonObject tariff = m_tariff;
        tariff.insert(QStringLiteral("tfp_name"), name);
        tariff.insert(QStringLiteral("tfp_speed"), speed);
        tariff.insert(QStringLiteral("tfp_cost"), cost);
        m_fixture->site->setActionReply(QStringLiteral("action1"), tariff);
        m_fixture->site->setActionReply(QStringLiteral("h42tv_account_info"),
                                        television ? m_television : QJsonObject{{QStringLiteral("login"), QString()}});
        return bool(await(m_fixture->store->refresh()));
    }

    // Where a test saves the picture of a screen: screenshots/<name>.png in the folder the test runs in.
    Q_INVOKABLE QString screenshotPath(const QString &name) const
    {
        return QDir(screenshotDir()).filePath(name + QStringLiteral(".png"));
    }

private:
    AccountFixture *m_fixture;
    const QJsonObject m_tariff;
    const QJsonObject m_number;
    const QJsonObject m_television;
};

// The tariff, package and mobile screens over the store and the stand-in, wired as main() wires them.
class ServicesSetup : public FixtureQuickTestSetup
{
    Q_OBJECT

protected:
    std::unique_ptr<QObject> prepare(AccountFixture *fixture) override { return std::make_unique<ServicesControl>(fixture); }
    const char *controlName() const override { return "Account"; }
};

TARVIK_QUICK_TEST_MAIN(tst_servicesqml, ServicesSetup)

#include "tst_servicesqml.moc"
