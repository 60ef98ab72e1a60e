#pragma once

#include "notificationrequest.h"
#include "result.h"

#include <QCoroTask>
#include <QDateTime>
#include <QMap>
#include <QObject>
#include <QSet>
#include <QTimer>

class Clock;
class QJsonObject;

// The app's local notifications: requests wait here (and in a file, across restarts) until their
// time, then show through the desktop's notification service (org.freedesktop.Notifications).
class UserNotificationCenter : public QObject
{
    Q_OBJECT
    Q_PROPERTY(AuthorizationStatus authorizationStatus READ authorizationStatus NOTIFY authorizationStatusChanged)

public:
    enum AuthorizationOption {
        Badge = 0x1,
        Sound = 0x2,
        Alert = 0x4,
    };
    Q_DECLARE_FLAGS(AuthorizationOptions, AuthorizationOption)
    Q_FLAG(AuthorizationOptions)

    enum class AuthorizationStatus {
        NotDetermined,
        Denied,
        Authorized,
    };
    Q_ENUM(AuthorizationStatus)

    // Keeps its state in `storagePath`; by default a file in the app's data folder (test mode honoured).
    explicit UserNotificationCenter(const Clock *clock, const QString &storagePath = defaultStoragePath(), QObject *parent = nullptr);
    ~UserNotificationCenter() override;

    static QString defaultStoragePath();

    // Granted when the notification service answers; the answer and the options are recorded.
    QCoro::Task<bool> requestAuthorization(AuthorizationOptions options);
    AuthorizationStatus authorizationStatus() const { return m_status; }
    AuthorizationOptions authorizedOptions() const { return m_options; }

    // Schedules `request`, replacing a pending one with the same identifier. Fails, keeping
    // nothing, for a request without identifier or positive interval, or when it cannot be stored.
    QCoro::Task<Result<void>> add(NotificationRequest request);
    void removePendingNotificationRequests(const QStringList &identifiers);
    // Closes shown notifications (also one still on its way to the service).
    void removeDeliveredNotifications(const QStringList &identifiers);

    QList<NotificationRequest> pendingNotificationRequests() const;
    // When the pending request `identifier` shows; invalid when there is none.
    QDateTime nextTriggerDate(const QString &identifier) const;
    QStringList deliveredNotificationIdentifiers() const;

    // Re-reads the clock and re-arms delivery, for when the wall clock jumped or the machine resumed.
    void reschedule();

Q_SIGNALS:
    void authorizationStatusChanged();

private:
    struct Pending {
        NotificationRequest request;
        QDateTime fireDate;
    };

    void load();
    bool save() const;
    QJsonObject toJson() const;
    void deliverDueRequests();
    QCoro::Task<> show(NotificationRequest request);
    void close(uint serverId);

    const Clock *m_clock;
    QString m_storagePath;
    QTimer m_timer;
    AuthorizationStatus m_status = AuthorizationStatus::NotDetermined;
    AuthorizationOptions m_options;
    QList<Pending> m_pending;
    // Identifier -> the id the notification service gave the shown notification.
    QMap<QString, uint> m_delivered;
    QSet<QString> m_showing;
    QSet<QString> m_closeWhenShown;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(UserNotificationCenter::AuthorizationOptions)
