#include "fakenotificationdaemon.h"

#include <QDBusConnectionInterface>
#include <QDBusReply>

namespace
{
const QString serviceName = QStringLiteral("org.freedesktop.Notifications");
const QString objectPath = QStringLiteral("/org/freedesktop/Notifications");

QString nextConnectionName()
{
    static int counter = 0;
    return QStringLiteral("fake-notification-daemon-%1").arg(++counter);
}
} // namespace

FakeNotificationDaemon::FakeNotificationDaemon()
    : m_bus(QDBusConnection::connectToBus(QDBusConnection::SessionBus, nextConnectionName()))
{
}

FakeNotificationDaemon::~FakeNotificationDaemon()
{
    m_bus.unregisterService(serviceName);
    m_bus.unregisterObject(objectPath);
    QDBusConnection::disconnectFromBus(m_bus.name());
}

bool FakeNotificationDaemon::start(Mode mode)
{
    m_mode = mode;
    return m_bus.registerObject(objectPath, this, QDBusConnection::ExportScriptableSlots) && m_bus.registerService(serviceName);
}

void FakeNotificationDaemon::release()
{
    const auto held = std::exchange(m_held, {});
    for (const auto &[call, answer] : held)
        m_bus.send(call.createReply(answer));
}

bool FakeNotificationDaemon::realServiceActivatable()
{
    const QDBusReply<QStringList> names = QDBusConnection::sessionBus().interface()->activatableServiceNames();
    return names.isValid() && names.value().contains(serviceName);
}

bool FakeNotificationDaemon::answeredSpecially(const QVariant &heldAnswer)
{
    switch (m_mode) {
    case Mode::Answer:
        return false;
    case Mode::Refuse:
        sendErrorReply(QDBusError::Failed, QStringLiteral("refused by the test"));
        return true;
    case Mode::Hold:
        setDelayedReply(true);
        m_held.append({message(), heldAnswer});
        return true;
    }
    return false;
}

QStringList FakeNotificationDaemon::GetCapabilities()
{
    ++capabilityRequests;
    const QStringList capabilities{QStringLiteral("body")};
    return answeredSpecially(capabilities) ? QStringList() : capabilities;
}

uint FakeNotificationDaemon::Notify(const QString &, uint replacesId, const QString &, const QString &summary, const QString &body,
                                    const QStringList &, const QVariantMap &hints, int)
{
    const uint id = replacesId != 0 ? replacesId : m_nextId++;
    if (m_mode != Mode::Refuse)
        shown.append({summary, body, replacesId, hints, id});
    return answeredSpecially(id) ? 0 : id;
}

void FakeNotificationDaemon::CloseNotification(uint id)
{
    closed.append(id);
}
