#include "accountfixture.h"
#include "quicktestsetup.h"

#include <QtQml/QQmlExtensionPlugin>

Q_IMPORT_QML_PLUGIN(Tarvik_ShellPlugin)
Q_IMPORT_QML_PLUGIN(Tarvik_SupportPlugin)
Q_IMPORT_QML_PLUGIN(Tarvik_PaymentsPlugin)
Q_IMPORT_QML_PLUGIN(Tarvik_AccountPlugin)
Q_IMPORT_QML_PLUGIN(Tarvik_DesignPlugin)
Q_IMPORT_QML_PLUGIN(Tarvik_PlatformPlugin)

// The shell's screens over the demo subscriber, signed in against the stand-in.
class ShellFrameSetup : public TarvikQuickTestSetup
{
    Q_OBJECT

public Q_SLOTS:
    // The network objects go while the application still exists.
    void cleanupTestCase() { m_fixture.reset(); }

protected:
    void prepareEngine(QQmlEngine *) override
    {
        QStandardPaths::setTestModeEnabled(true);
        if (m_fixture)
            return;
        m_fixture = std::make_unique<AccountFixture>();
        if (!m_fixture->start() || !m_fixture->signIn())
            qFatal("the stand-in did not start or refused the demo subscriber");
    }

private:
    std::unique_ptr<AccountFixture> m_fixture;
};

TARVIK_QUICK_TEST_MAIN(tst_shellframeqml, ShellFrameSetup)
#include "tst_shellframeqml.moc"
