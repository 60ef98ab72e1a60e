#include "motionpreference.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QSignalSpy>
#include <QTest>

namespace
{
// The Settings portal on a second connection to the private bus, holding at most one value of
// org.gnome.desktop.interface enable-animations.
class FakeSettingsPortal : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")

public:
    explicit FakeSettingsPortal(QDBusConnection bus)
        : m_bus(std::move(bus))
    {
    }

    std::optional<bool> animations;

    void change(bool enabled)
    {
        animations = enabled;
        QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/portal/desktop"),
                                                         QStringLiteral("org.freedesktop.portal.Settings"), QStringLiteral("SettingChanged"));
        signal << QStringLiteral("org.gnome.desktop.interface") << QStringLiteral("enable-animations")
               << QVariant::fromValue(QDBusVariant(enabled));
        m_bus.send(signal);
    }

public Q_SLOTS:
    Q_SCRIPTABLE QDBusVariant Read(const QString &group, const QString &key, const QDBusMessage &message)
    {
        if (!animations || group != QLatin1String("org.gnome.desktop.interface") || key != QLatin1String("enable-animations")) {
            m_bus.send(message.createErrorReply(QStringLiteral("org.freedesktop.portal.Error.NotFound"), QStringLiteral("no such key")));
            return {};
        }
        // As the portal does: the value inside one more variant.
        return QDBusVariant(QVariant::fromValue(QDBusVariant(*animations)));
    }

private:
    QDBusConnection m_bus;
};
} // namespace

// The desktop's animation setting, read from a Settings portal on a private session bus.
class MotionPreferenceTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        if (!QDBusConnection::sessionBus().isConnected())
            QSKIP("no session bus (run under scripts/with-session-bus.sh)");
    }

    void followsThePortal_data()
    {
        QTest::addColumn<int>("stored"); // -1: no portal, 0/1: the key's value, 2: a portal without the key
        QTest::addColumn<bool>("reduced");
        QTest::newRow("no portal") << -1 << false;
        QTest::newRow("no such key") << 2 << false;
        QTest::newRow("animations on") << 1 << false;
        QTest::newRow("animations off") << 0 << true;
    }

    void followsThePortal()
    {
        QFETCH(int, stored);
        QFETCH(bool, reduced);

        QDBusConnection portalBus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("portal"));
        FakeSettingsPortal portal(portalBus);
        if (stored == 0 || stored == 1)
            portal.animations = stored == 1;
        if (stored >= 0) {
            QVERIFY(portalBus.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), &portal, QDBusConnection::ExportScriptableSlots));
            QVERIFY(portalBus.registerService(QStringLiteral("org.freedesktop.portal.Desktop")));
        }

        MotionPreference preference;
        QSignalSpy changed(&preference, &MotionPreference::reduceMotionChanged);
        preference.start();
        if (reduced)
            QVERIFY(changed.wait());
        else
            QVERIFY(!changed.wait(200));
        QCOMPARE(preference.reduceMotion(), reduced);

        if (stored >= 0) {
            // A change on the desktop reaches the app while it runs.
            portal.change(reduced);
            QTRY_COMPARE(preference.reduceMotion(), !reduced);
            portalBus.unregisterService(QStringLiteral("org.freedesktop.portal.Desktop"));
            portalBus.unregisterObject(QStringLiteral("/org/freedesktop/portal/desktop"));
        }
        QDBusConnection::disconnectFromBus(QStringLiteral("portal"));
    }
};

QTEST_GUILESS_MAIN(MotionPreferenceTest)

#include "tst_motionpreference.moc"
