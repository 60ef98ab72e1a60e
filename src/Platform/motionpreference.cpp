#include "motionpreference.h"

#include "dbusread.h"

#include <QDBusMessage>
#include <QDBusVariant>

namespace
{
const QString portalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString portalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString settingsInterface = QStringLiteral("org.freedesktop.portal.Settings");
const QString group = QStringLiteral("org.gnome.desktop.interface");
const QString key = QStringLiteral("enable-animations");

// The portal's Read wraps the value in one variant more than its signal does (and some versions in
// none): unwrap all of them.
QVariant unwrapped(QVariant value)
{
    while (value.canConvert<QDBusVariant>() && value.userType() == qMetaTypeId<QDBusVariant>())
        value = value.value<QDBusVariant>().variant();
    return value;
}
} // namespace

MotionPreference::MotionPreference(QObject *parent)
    : QObject(parent)
{
}

MotionPreference::MotionPreference(QObject *parent, QDBusConnection bus)
    : QObject(parent)
    , m_bus(std::move(bus))
{
}

void MotionPreference::start()
{
    if (!m_bus)
        m_bus = QDBusConnection::sessionBus();
    if (!m_bus->isConnected())
        return;
    m_bus->connect(portalService, portalPath, settingsInterface, QStringLiteral("SettingChanged"), this,
                  SLOT(settingChanged(QString, QString, QDBusVariant)));
    QDBusMessage read = QDBusMessage::createMethodCall(portalService, portalPath, settingsInterface, QStringLiteral("Read"));
    read << group << key;
    readFromRunningService<QDBusVariant>(*m_bus, read, this, [this](const QDBusVariant &value) { setAnimationsEnabled(value.variant()); });
}

void MotionPreference::settingChanged(const QString &changedGroup, const QString &changedKey, const QDBusVariant &value)
{
    if (changedGroup == group && changedKey == key)
        setAnimationsEnabled(value.variant());
}

void MotionPreference::setAnimationsEnabled(const QVariant &value)
{
    const QVariant enabled = unwrapped(value);
    const bool reduce = enabled.typeId() == QMetaType::Bool && !enabled.toBool();
    if (reduce == m_reduceMotion)
        return;
    m_reduceMotion = reduce;
    Q_EMIT reduceMotionChanged();
}
