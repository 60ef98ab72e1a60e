#pragma once

#include <QAccessible>
#include <QDBusConnection>
#include <QObject>
#include <QProcessEnvironment>
#include <QVariantMap>

#include <optional>

// Whether a screen reader (any assistive technology) follows the app. Qt 6.4's bridge to the
// desktop's accessibility bus (AT-SPI) reads the bus's IsEnabled and ScreenReaderEnabled once, as
// the app starts, and never joins the bus for a reader started later. So the app has the bridge join
// the bus at start whatever they say (joinAccessibilityBus(); while no reader runs, nobody asks it
// anything), and this reads them itself, from start() on and as they change. Where the bridge was
// switched on some other way (QT_LINUX_ACCESSIBILITY_ALWAYS_ON set by whoever runs the app, a test
// turning accessibility on), the bridge being on is what counts.
class ScreenReaderStatus : public QObject, public QAccessible::ActivationObserver
{
    Q_OBJECT

public:
    // Before the application object: the bridge joins the accessibility bus as the app starts.
    static void joinAccessibilityBus();
    // The environment for a program the app starts: without the switch joinAccessibilityBus()
    // set, which is the app's own choice, not that program's.
    static QProcessEnvironment childEnvironment();
    // The one the app follows, made on first use (after the application object).
    static ScreenReaderStatus *current();

    ~ScreenReaderStatus() override;

    bool isActive() const { return m_active; }
    // Reads the bus's switches (once) and follows them, on the session bus: connecting to it may
    // wait for it, so main() calls this once the first frame is drawn. Until then no reader is
    // known of, unless the bridge was switched on some other way.
    void start();

Q_SIGNALS:
    void activeChanged();

private Q_SLOTS:
    void propertiesChanged(const QString &interface, const QVariantMap &changed, const QStringList &invalidated);

private:
    explicit ScreenReaderStatus(QObject *parent);
    void accessibilityActiveChanged(bool active) override;
    void takeSwitches(const QVariantMap &values);
    void update();

    static inline bool s_joinedBySelf = false;
    std::optional<QDBusConnection> m_bus;
    bool m_bridgeOn = false;
    bool m_isEnabled = false;
    bool m_screenReaderEnabled = false;
    bool m_active = false;
};
