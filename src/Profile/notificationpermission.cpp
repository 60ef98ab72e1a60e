#include "notificationpermission.h"

#include "storedpreference.h"
#include "userdefaults.h"

#include <QCoroTask>
#include <QLocale>

NotificationPermission::NotificationPermission(QObject *parent)
    : NotificationPermission(s_center.data(), StoredPreference::defaults(), parent)
{
}

NotificationPermission::NotificationPermission(UserNotificationCenter *center, UserDefaults *defaults, QObject *parent)
    : QObject(parent)
    , m_center(center)
    , m_defaults(defaults)
{
    if (m_center)
        connect(m_center, &UserNotificationCenter::authorizationStatusChanged, this, &NotificationPermission::statusChanged);
}

void NotificationPermission::setCenter(UserNotificationCenter *center)
{
    s_center = center;
}

NotificationPermission::Status NotificationPermission::status() const
{
    if (!m_center)
        return NotDetermined;
    switch (m_center->authorizationStatus()) {
    case UserNotificationCenter::AuthorizationStatus::Authorized:
        return Authorized;
    case UserNotificationCenter::AuthorizationStatus::Denied:
        return Denied;
    case UserNotificationCenter::AuthorizationStatus::NotDetermined:
        break;
    }
    return NotDetermined;
}

QString NotificationPermission::statusText() const
{
    switch (status()) {
    case Authorized:
        return QStringLiteral("Разрешены");
    case Denied:
        return QStringLiteral("Недоступны");
    case NotDetermined:
        break;
    }
    return QStringLiteral("Не запрошены");
}

QVariantList NotificationPermission::pending() const
{
    QVariantList list;
    if (!m_center)
        return list;
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    for (const NotificationRequest &request : m_center->pendingNotificationRequests()) {
        const QDateTime when = m_center->nextTriggerDate(request.identifier).toLocalTime();
        list.append(QVariantMap{
            {QStringLiteral("title"), request.title},
            {QStringLiteral("body"), request.body},
            {QStringLiteral("time"), russian.toString(when, QStringLiteral("d MMMM yyyy, HH:mm"))},
        });
    }
    return list;
}

void NotificationPermission::refresh()
{
    // No centre is no answer: the switch keeps showing what it showed.
    if (!m_center || !m_defaults) {
        Q_EMIT pendingChanged();
        return;
    }
    // Never asked: off, without asking now (the settings do not ask for permission).
    if (status() == NotDetermined) {
        store();
        return;
    }
    // Asked before: the service is asked again, as the recorded answer may be old (the service
    // gone, or back). The options once granted are asked for again.
    UserNotificationCenter::AuthorizationOptions options = m_center->authorizedOptions();
    if (!options)
        options = UserNotificationCenter::Alert | UserNotificationCenter::Sound | UserNotificationCenter::Badge;
    QCoro::connect(m_center->requestAuthorization(options), this, [this](bool) { store(); });
}

void NotificationPermission::store()
{
    if (m_center && m_defaults)
        m_defaults->setValue(Defaults::notificationsEnabled, status() == Authorized);
    Q_EMIT pendingChanged();
}

void NotificationPermission::requestAgain()
{
    if (!m_center || m_requesting)
        return;
    setRequesting(true);
    auto task = m_center->requestAuthorization(UserNotificationCenter::Alert | UserNotificationCenter::Sound
                                               | UserNotificationCenter::Badge);
    QCoro::connect(std::move(task), this, [this](bool) {
        setRequesting(false);
        store();
    });
}

void NotificationPermission::setRequesting(bool requesting)
{
    if (m_requesting == requesting)
        return;
    m_requesting = requesting;
    Q_EMIT requestingChanged();
}
