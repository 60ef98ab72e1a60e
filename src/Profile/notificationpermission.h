#pragma once

#include "usernotificationcenter.h"

#include <QObject>
#include <QPointer>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

class UserDefaults;

// The settings' view of the notification layer: whether the app may show notifications, mirrored
// into Defaults::notificationsEnabled by refresh(), and, for the notification layer's own page, the
// notifications waiting to be shown and a way to ask the desktop again. main() (or a test) sets
// the centre; with none set, refresh() leaves the stored flag as it was.
class NotificationPermission : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(Status status READ status NOTIFY statusChanged)
    Q_PROPERTY(QString statusText READ statusText NOTIFY statusChanged)
    Q_PROPERTY(QVariantList pending READ pending NOTIFY pendingChanged)
    Q_PROPERTY(bool requesting READ isRequesting NOTIFY requestingChanged)

public:
    enum Status { NotDetermined, Denied, Authorized };
    Q_ENUM(Status)

    explicit NotificationPermission(QObject *parent = nullptr);
    NotificationPermission(UserNotificationCenter *center, UserDefaults *defaults, QObject *parent = nullptr);

    static void setCenter(UserNotificationCenter *center);

    Status status() const;
    QString statusText() const;
    // { title, body, time ("d MMMM yyyy, HH:mm") } of each notification waiting to be shown.
    QVariantList pending() const;
    bool isRequesting() const { return m_requesting; }

    // Asks the notification service whether notifications can be shown now and stores the answer
    // (off until the app has once asked for permission); run each time the settings come on
    // screen. The stored value changes when the answer arrives.
    Q_INVOKABLE void refresh();
    // Asks the desktop's notification service again (alert, sound, badge), then refreshes.
    Q_INVOKABLE void requestAgain();

Q_SIGNALS:
    void statusChanged();
    void pendingChanged();
    void requestingChanged();

private:
    void setRequesting(bool requesting);
    void store();

    static inline QPointer<UserNotificationCenter> s_center;
    QPointer<UserNotificationCenter> m_center;
    QPointer<UserDefaults> m_defaults;
    bool m_requesting = false;
};
