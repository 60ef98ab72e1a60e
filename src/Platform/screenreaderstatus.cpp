#include "screenreaderstatus.h"

#include "dbusread.h"

#include <QCoreApplication>
#include <QDBusMessage>

namespace
{
const QString busService = QStringLiteral("org.a11y.Bus");
const QString busPath = QStringLiteral("/org/a11y/bus");
const QString statusInterface = QStringLiteral("org.a11y.Status");
const QString propertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");
constexpr const char *alwaysOn = "QT_LINUX_ACCESSIBILITY_ALWAYS_ON";
} // namespace

void ScreenReaderStatus::joinAccessibilityBus()
{
    // Whoever set it already switched the bridge on for their own reasons.
    if (qEnvironmentVariableIsSet(alwaysOn))
        return;
    qputenv(alwaysOn, "1");
    s_joinedBySelf = true;
}

QProcessEnvironment ScreenReaderStatus::childEnvironment()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (s_joinedBySelf)
        environment.remove(QString::fromLatin1(alwaysOn));
    return environment;
}

ScreenReaderStatus *ScreenReaderStatus::current()
{
    static ScreenReaderStatus *status = new ScreenReaderStatus(QCoreApplication::instance());
    return status;
}

ScreenReaderStatus::ScreenReaderStatus(QObject *parent)
    : QObject(parent)
    , m_bridgeOn(QAccessible::isActive())
{
    QAccessible::installActivationObserver(this);
    update();
}

ScreenReaderStatus::~ScreenReaderStatus()
{
    QAccessible::removeActivationObserver(this);
}

void ScreenReaderStatus::start()
{
    if (m_bus || !s_joinedBySelf)
        return;
    m_bus = QDBusConnection::sessionBus();
    if (!m_bus->isConnected())
        return;
    m_bus->connect(busService, busPath, propertiesInterface, QStringLiteral("PropertiesChanged"), this,
                   SLOT(propertiesChanged(QString, QVariantMap, QStringList)));
    QDBusMessage read = QDBusMessage::createMethodCall(busService, busPath, propertiesInterface, QStringLiteral("GetAll"));
    read << statusInterface;
    readFromRunningService<QVariantMap>(*m_bus, read, this, [this](const QVariantMap &values) { takeSwitches(values); });
}

void ScreenReaderStatus::propertiesChanged(const QString &interface, const QVariantMap &changed, const QStringList &)
{
    if (interface == statusInterface)
        takeSwitches(changed);
}

void ScreenReaderStatus::takeSwitches(const QVariantMap &values)
{
    m_isEnabled = values.value(QStringLiteral("IsEnabled"), m_isEnabled).toBool();
    m_screenReaderEnabled = values.value(QStringLiteral("ScreenReaderEnabled"), m_screenReaderEnabled).toBool();
    update();
}

void ScreenReaderStatus::accessibilityActiveChanged(bool active)
{
    m_bridgeOn = active;
    update();
}

void ScreenReaderStatus::update()
{
    // The switches Qt itself reads at start: either one on means someone asks.
    const bool active = m_bridgeOn && (!s_joinedBySelf || m_isEnabled || m_screenReaderEnabled);
    if (active == m_active)
        return;
    m_active = active;
    Q_EMIT activeChanged();
}
