#include "fixturequicktestsetup.h"

#include <QQmlEngine>

void FixtureQuickTestSetup::applicationAvailable()
{
    QStandardPaths::setTestModeEnabled(true);
    m_fixture = std::make_unique<AccountFixture>();
    if (!m_fixture->start())
        qFatal("the stand-in did not start");
    m_control = prepare(m_fixture.get());
    if (m_control)
        qmlRegisterSingletonInstance("TarvikTest", 1, 0, controlName(), m_control.get());
}

void FixtureQuickTestSetup::cleanupTestCase()
{
    m_fixture->site->releaseHeld();
    release();
    TarvikAccountStoreQml::setInstance(nullptr);
    m_control.reset();
    m_fixture.reset();
}
