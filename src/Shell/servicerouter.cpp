#include "servicerouter.h"

#include <array>
#include <utility>

namespace
{
const QString genericCard = QStringLiteral("homeServiceDetail");
}

QString ServiceRouter::entry(const QString &id)
{
    static const std::array<std::pair<QString, QString>, 10> routes{{
        {QStringLiteral("smartIntercom"), QStringLiteral("smartIntercom")},
        {QLatin1String(partnerTv), QStringLiteral("televisionService")},
        {QStringLiteral("mobile"), QStringLiteral("mobileService")},
        {QStringLiteral("staticIp"), QStringLiteral("staticIpOrder")},
        {QStringLiteral("voluntaryBlocking"), QStringLiteral("voluntaryBlocking")},
        {QStringLiteral("shop"), QStringLiteral("shop")},
        {QStringLiteral("myTariff"), QStringLiteral("tariffManagement")},
        {QStringLiteral("tariffs"), QStringLiteral("tariffSelection")},
        {QStringLiteral("statistics"), QStringLiteral("statistics")},
        {QStringLiteral("referral"), QStringLiteral("referralFriend")},
    }};
    for (const auto &[known, entry] : routes) {
        if (id == known)
            return entry;
    }
    return genericCard;
}

QVariantMap ServiceRouter::properties(const ServiceListItem &item)
{
    if (entry(item.id) != genericCard)
        return {};
    return {
        {QStringLiteral("title"), item.title},
        {QStringLiteral("subtitle"), QStringLiteral("Управление услугой Tarvik")},
        {QStringLiteral("icon"), item.icon},
    };
}
