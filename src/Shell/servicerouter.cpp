#include "servicerouter.h"

#include <array>
#include <utility>

namespace
{
const QString genericCard = QStringLiteral("homeServiceDetail");
}

QString ServiceDestinationView::entry(const QString &title)
{
    // Exact string equality, first match wins.
    static const std::array<std::pair<QString, QString>, 10> routes{{
        {QStringLiteral("Умный домофон"), QStringLiteral("smartIntercom")},
        {QStringLiteral("Телевидение"), QStringLiteral("televisionService")},
        {QStringLiteral("Мобильная связь"), QStringLiteral("mobileService")},
        {QStringLiteral("Статические IP-адреса"), QStringLiteral("staticIpOrder")},
        {QStringLiteral("Добровольная блокировка"), QStringLiteral("voluntaryBlocking")},
        {QStringLiteral("TarvikShop"), QStringLiteral("shop")},
        {QStringLiteral("Мой тариф"), QStringLiteral("tariffManagement")},
        {QStringLiteral("Тарифы"), QStringLiteral("tariffSelection")},
        {QStringLiteral("Статистика"), QStringLiteral("statistics")},
        {QStringLiteral("Приведи друга"), QStringLiteral("referralFriend")},
    }};
    for (const auto &[known, entry] : routes) {
        if (title == known)
            return entry;
    }
    return genericCard;
}

QVariantMap ServiceDestinationView::properties(const ServiceListItem &item)
{
    if (entry(item.title) != genericCard)
        return {};
    return {
        {QStringLiteral("title"), item.title},
        {QStringLiteral("subtitle"), QStringLiteral("Управление услугой Tarvik")},
        {QStringLiteral("icon"), item.icon},
    };
}
