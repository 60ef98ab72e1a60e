#include "accountfixture.h"
#include "monotonicclock.h"
#include "quicktestsetup.h"
#include "shopfixture.h"

#include <QtQml/qqml.h>

// The shell's screens over the demo subscriber, signed in against the stand-in.
class ShellFrameSetup : public TarvikQuickTestSetup
{
    Q_OBJECT

public Q_SLOTS:
    // The clock the story viewer's tests move by hand, as the singleton StoryClock of TarvikTest.
    void applicationAvailable() { qmlRegisterSingletonInstance("TarvikTest", 1, 0, "StoryClock", &m_storyClock); }

    // The network objects go while the application still exists.
    void cleanupTestCase()
    {
        m_shop.reset();
        m_fixture.reset();
    }

protected:
    void prepareEngine(QQmlEngine *) override
    {
        QStandardPaths::setTestModeEnabled(true);
        if (m_fixture)
            return;
        m_fixture = std::make_unique<AccountFixture>();
        if (!m_fixture->start() || !m_fixture->signIn())
            qFatal("the stand-in did not start or refused the demo subscriber");
        // The services hub opens the shop, which needs its cart and photos.
        m_shop = std::make_unique<ShopFixture>();
        if (!m_shop->start())
            qFatal("the shop did not start");
    }

private:
    ManualMonotonicClock m_storyClock;
    std::unique_ptr<AccountFixture> m_fixture;
    std::unique_ptr<ShopFixture> m_shop;
};

TARVIK_QUICK_TEST_MAIN(tst_shellframeqml, ShellFrameSetup)
#include "tst_shellframeqml.moc"
