#include "localnotificationservice.h"

#include "userdefaults.h"
#include "usernotificationcenter.h"

#include <QPointer>

namespace
{
QCoro::Task<> schedule(QPointer<UserDefaults> defaults, QPointer<UserNotificationCenter> notifications)
{
    using Option = UserNotificationCenter::AuthorizationOption;
    const bool granted = co_await notifications->requestAuthorization(Option::Alert | Option::Sound | Option::Badge);
    if (!granted || !defaults || !notifications)
        co_return;

    // The flag's key doubles as the identifier, so a second launch's request replaces the first.
    const NotificationRequest request{
        .identifier = QLatin1String(Defaults::testMessageScheduled.name),
        .title = QStringLiteral("Tarvik"),
        .body = QStringLiteral("ДАННОЕ СООБЩЕНИЕ ТЕСТОВОЕ"),
        .defaultSound = true,
        .timeInterval = 10,
    };
    const Result<void> added = co_await notifications->add(request);
    if (added && defaults)
        defaults->setValue(Defaults::testMessageScheduled, true);
}
} // namespace

void LocalNotificationService::scheduleOneTimeTestMessage(UserDefaults *defaults, UserNotificationCenter *notifications)
{
    if (defaults->value(Defaults::testMessageScheduled))
        return;
    schedule(defaults, notifications);
}
