#pragma once

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QObject>
#include <QVariantMap>

// A desktop notification service for tests, exported under org.freedesktop.Notifications on its
// own connection to the (private) session bus. It records what it is asked, and can refuse or
// hold its answers.
class FakeNotificationDaemon : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    enum class Mode {
        Answer,
        Refuse, // every call fails
        Hold,   // answers wait for release()
    };

    struct Shown {
        QString summary;
        QString body;
        uint replacesId = 0;
        QVariantMap hints;
        uint id = 0;
    };

    FakeNotificationDaemon();
    ~FakeNotificationDaemon() override;

    // Takes the service name on the bus; false when that fails.
    bool start(Mode mode = Mode::Answer);
    void setMode(Mode mode) { m_mode = mode; }
    // Sends the held answers.
    void release();

    // True when the bus could start a notification service of its own for that name.
    static bool realServiceActivatable();

    QList<Shown> shown;
    QList<uint> closed;
    int capabilityRequests = 0;

public Q_SLOTS:
    Q_SCRIPTABLE QStringList GetCapabilities();
    Q_SCRIPTABLE uint Notify(const QString &appName, uint replacesId, const QString &appIcon, const QString &summary, const QString &body,
                             const QStringList &actions, const QVariantMap &hints, int expireTimeout);
    Q_SCRIPTABLE void CloseNotification(uint id);

private:
    // True when the call was answered here (refused or held).
    bool answeredSpecially(const QVariant &heldAnswer);

    QDBusConnection m_bus;
    Mode m_mode = Mode::Answer;
    uint m_nextId = 1;
    QList<std::pair<QDBusMessage, QVariant>> m_held;
};
