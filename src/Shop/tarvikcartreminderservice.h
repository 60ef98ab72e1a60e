#pragma once

#include <QCoroTask>
#include <QObject>
#include <QStringList>

class UserDefaults;
class UserNotificationCenter;

// The three "unpaid cart" reminders (after 1 minute, 1 hour and 5 hours), armed once per
// non-empty cart and disarmed when the cart empties. Owned by the cart.
class TarvikCartReminderService : public QObject
{
    Q_OBJECT

public:
    TarvikCartReminderService(UserDefaults *defaults, UserNotificationCenter *notifications, QObject *parent = nullptr);

    // The reminders' notification identifiers, in the order they are scheduled.
    static QStringList identifiers();

    // Arms the reminders for a non-empty cart unless already armed; disarms them for an empty one.
    void sync(bool hasUnpaidCart);
    // Removes pending and shown reminders and clears the armed flag.
    void cancel();

private:
    QCoro::Task<> arm(quint64 generation);
    bool isCurrent(quint64 generation) const;

    UserDefaults *m_defaults;
    UserNotificationCenter *m_notifications;
    // Bumped by cancel(): a scheduling pass that started earlier must not arm anything.
    quint64 m_generation = 0;
    bool m_hasUnpaidCart = false;
};
