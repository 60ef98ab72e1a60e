#include "tarvikcartreminderservice.h"

#include "userdefaults.h"
#include "usernotificationcenter.h"

#include <QPointer>

namespace
{
struct Reminder {
    const char *identifier;
    double delaySeconds;
};

constexpr Reminder reminders[] = {
    {"tarvik-cart-unpaid-1-minute", 60},
    {"tarvik-cart-unpaid-1-hour", 3600},
    {"tarvik-cart-unpaid-5-hours", 18000},
};

NotificationRequest requestFor(const Reminder &reminder)
{
    return {
        .identifier = QLatin1String(reminder.identifier),
        .title = QStringLiteral("TarvikShop"),
        .body = QStringLiteral("Вы ещё не оплатили заказ"),
        .defaultSound = true,
        .threadIdentifier = QStringLiteral("tarvik-shop-cart"),
        .timeInterval = reminder.delaySeconds,
    };
}
} // namespace

TarvikCartReminderService::TarvikCartReminderService(UserDefaults *defaults, UserNotificationCenter *notifications, QObject *parent)
    : QObject(parent)
    , m_defaults(defaults)
    , m_notifications(notifications)
{
}

QStringList TarvikCartReminderService::identifiers()
{
    QStringList list;
    for (const Reminder &reminder : reminders)
        list.append(QLatin1String(reminder.identifier));
    return list;
}

void TarvikCartReminderService::sync(bool hasUnpaidCart)
{
    m_hasUnpaidCart = hasUnpaidCart;
    if (!hasUnpaidCart) {
        cancel();
        return;
    }
    if (m_defaults->value(Defaults::shopCartRemindersScheduled))
        return;
    arm(m_generation);
}

void TarvikCartReminderService::cancel()
{
    ++m_generation;
    m_notifications->removePendingNotificationRequests(identifiers());
    m_notifications->removeDeliveredNotifications(identifiers());
    m_defaults->remove(QLatin1String(Defaults::shopCartRemindersScheduled.name));
}

bool TarvikCartReminderService::isCurrent(quint64 generation) const
{
    return generation == m_generation && m_hasUnpaidCart;
}

QCoro::Task<> TarvikCartReminderService::arm(quint64 generation)
{
    QPointer guard(this);
    QPointer notifications(m_notifications);
    using Option = UserNotificationCenter::AuthorizationOption;
    const bool granted = co_await m_notifications->requestAuthorization(Option::Alert | Option::Sound | Option::Badge);
    // The cart may have been emptied while the answer was outstanding: then nothing is added.
    if (!guard || !notifications || !granted || !isCurrent(generation))
        co_return;

    bool failed = false;
    QStringList added;
    for (const Reminder &reminder : reminders) {
        const NotificationRequest request = requestFor(reminder);
        const Result<void> result = co_await m_notifications->add(request);
        if (!guard || !notifications)
            co_return;
        if (result)
            added.append(request.identifier);
        else
            failed = true;
    }

    if (!isCurrent(generation)) {
        // Emptied while adding: take back what this pass added. For a cart filled again since,
        // the newer pass schedules the same identifiers itself.
        if (!m_hasUnpaidCart)
            m_notifications->removePendingNotificationRequests(added);
        co_return;
    }
    if (failed) {
        // No partial set stays armed; the next change of the cart tries again.
        m_notifications->removePendingNotificationRequests(identifiers());
        co_return;
    }
    m_defaults->setValue(Defaults::shopCartRemindersScheduled, true);
}
