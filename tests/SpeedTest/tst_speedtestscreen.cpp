#include "quicktestsetup.h"
#include "speedtestfixture.h"
#include "testpaths.h"

#include <QDir>
#include <QQmlEngine>
#include <QStandardPaths>

// What the screen's tests steer: the stand-in's speed-test switches, as the QML singleton
// `SpeedTest`.
class SpeedTestControl : public QObject
{
    Q_OBJECT

public:
    explicit SpeedTestControl(SpeedTestFixture *fixture)
        : m_fixture(fixture)
    {
    }

    // phase: 0 probes, 1 download, 2 upload; status 0 keeps the normal one.
    Q_INVOKABLE void setSwitch(int phase, int delayMs, int status, bool stall, bool dropConnection)
    {
        StandinSpeedTest::Switch change;
        if (status > 0)
            change.status = status;
        change.delay = std::chrono::milliseconds(delayMs);
        change.stall = stall;
        change.dropConnection = dropConnection;
        m_fixture->host()->setSwitch(StandinSpeedTest::Phase(phase), change);
    }
    Q_INVOKABLE void clearSwitches() { m_fixture->host()->clearSwitches(); }
    Q_INVOKABLE int inFlight() const { return m_fixture->host()->inFlight(); }
    Q_INVOKABLE int requestCount() const { return int(m_fixture->speedTestRequests().size()); }
    Q_INVOKABLE int hapticCount(int kind) const { return m_fixture->haptics.count(Haptics::Kind(kind)); }
    Q_INVOKABLE void resetHaptics() { m_fixture->haptics.reset(); }

    // Where a test saves the picture of a screen: screenshots/<name>.png in the folder the test runs in.
    Q_INVOKABLE QString screenshotPath(const QString &name) const
    {
        return QDir(screenshotDir()).filePath(name + QStringLiteral(".png"));
    }

private:
    SpeedTestFixture *m_fixture;
};

class SpeedTestScreenSetup : public TarvikQuickTestSetup
{
    Q_OBJECT

public Q_SLOTS:
    void applicationAvailable()
    {
        QStandardPaths::setTestModeEnabled(true);
        m_fixture = std::make_unique<SpeedTestFixture>();
        if (!m_fixture->start())
            qFatal("the stand-in did not start");
        SpeedTestEnvironmentSingleton::setInstance(m_fixture->environment.get());
        m_control = std::make_unique<SpeedTestControl>(m_fixture.get());
        qmlRegisterSingletonInstance("TarvikTest", 1, 0, "SpeedTest", m_control.get());
    }

    void cleanupTestCase()
    {
        SpeedTestEnvironmentSingleton::setInstance(nullptr);
        m_control.reset();
        m_fixture.reset();
    }

private:
    std::unique_ptr<SpeedTestFixture> m_fixture;
    std::unique_ptr<SpeedTestControl> m_control;
};

TARVIK_QUICK_TEST_MAIN(tst_speedtestscreen, SpeedTestScreenSetup)

#include "tst_speedtestscreen.moc"
