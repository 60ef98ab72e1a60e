#include "fixturequicktestsetup.h"
#include "testpaths.h"

#include <QDir>

// What the request screens' tests reach as the singleton `Account`.
class RequestsControl : public QObject
{
    Q_OBJECT

public:
    explicit RequestsControl(AccountFixture *fixture)
        : m_fixture(fixture)
    {
    }

    Q_INVOKABLE bool signIn() { return m_fixture->signIn(); }
    // What reached the site since the last call.
    Q_INVOKABLE QStringList takeRequestKeys()
    {
        const QStringList keys = m_fixture->site->requestKeys();
        m_fixture->site->clearRequests();
        return keys;
    }
    // Where a test saves the picture of a screen: screenshots/<name>.png in the folder the test runs in.
    Q_INVOKABLE QString screenshotPath(const QString &name) const
    {
        return QDir(screenshotDir()).filePath(name + QStringLiteral(".png"));
    }

private:
    AccountFixture *m_fixture;
};

class RequestsSetup : public FixtureQuickTestSetup
{
    Q_OBJECT

protected:
    std::unique_ptr<QObject> prepare(AccountFixture *fixture) override { return std::make_unique<RequestsControl>(fixture); }
    const char *controlName() const override { return "Account"; }
};

TARVIK_QUICK_TEST_MAIN(tst_requestsqml, RequestsSetup)
#include "tst_requestsqml.moc"
