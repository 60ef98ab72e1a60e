#include "requestrules.h"

#include "russianphone.h"
#include "russianplural.h"

RequestRules::RequestRules(QObject *parent)
    : QObject(parent)
{
}

QString RequestRules::staticIpCountText(int quantity)
{
    return RussianPlural::count(quantity, QStringLiteral("IP-адрес"), QStringLiteral("IP-адреса"), QStringLiteral("IP-адресов"));
}

int RequestRules::staticIpPrice(int quantity)
{
    return quantity * staticIpUnitPrice;
}

int RequestRules::blockingDays(const QDateTime &start, const QDateTime &end)
{
    if (!start.isValid() || !end.isValid())
        return blockingMinimumDays;
    const QDateTime localStart = start.toLocalTime();
    const QDateTime localEnd = end.toLocalTime();
    qint64 days = localStart.date().daysTo(localEnd.date());
    // A day that has not run its full course up to the start's time of day does not count.
    if (days > 0 && localEnd.time() < localStart.time())
        --days;
    return int(qMax<qint64>(days, blockingMinimumDays));
}

int RequestRules::blockingPrice(int days)
{
    return days < blockingFreeFromDays ? blockingShortPrice : 0;
}

QString RequestRules::blockingConfirmation(int days)
{
    return QStringLiteral("Услуги будут приостановлены на %1. Стоимость — %2 ₽.")
        .arg(RussianPlural::count(days, QStringLiteral("день"), QStringLiteral("дня"), QStringLiteral("дней")))
        .arg(blockingPrice(days));
}

bool RequestRules::relocationValid(const QString &newAddress, const QString &phone)
{
    return !newAddress.trimmed().isEmpty() && !russianFieldNumber(phone).isEmpty();
}

bool RequestRules::referralValid(const QString &friendName, const QString &friendAddress, const QString &friendPhone,
                                 const QString &friendEmail)
{
    return !friendName.trimmed().isEmpty() && !friendAddress.trimmed().isEmpty() && !russianFieldNumber(friendPhone).isEmpty()
        && friendEmail.contains(QLatin1Char('@')) && friendEmail.contains(QLatin1Char('.'));
}
