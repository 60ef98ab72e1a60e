#pragma once

#include "accountfixture.h"
#include "quicktestsetup.h"

#include <memory>

// The set-up of Qt Quick Test runners whose screens run over an AccountFixture: the stand-in, the
// store and its QML singleton, wired as main() wires them. prepare() adds what a runner's screens
// need and returns the object its QML tests reach as the singleton TarvikTest.<controlName()>.
class FixtureQuickTestSetup : public TarvikQuickTestSetup
{
    Q_OBJECT

public Q_SLOTS:
    void applicationAvailable();
    // Everything goes while the application still exists: network objects need it to close.
    void cleanupTestCase();

protected:
    virtual std::unique_ptr<QObject> prepare(AccountFixture *fixture) = 0;
    virtual void release() {}
    virtual const char *controlName() const { return "Standin"; }

private:
    std::unique_ptr<AccountFixture> m_fixture;
    std::unique_ptr<QObject> m_control;
};
