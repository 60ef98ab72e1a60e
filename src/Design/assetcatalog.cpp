#include "assetcatalog.h"

namespace
{
const QStringList &assetNames()
{
    static const QStringList names{
        QStringLiteral("AutopayBackground"),
        QStringLiteral("AutopayHeroBackground"),
        QStringLiteral("ReferralFriendHero"),
        QStringLiteral("ReferralGiftBackground"),
        QStringLiteral("RelocationPromo"),
        QStringLiteral("StaticIPHero"),
        QStringLiteral("StoryBonus"),
        QStringLiteral("StoryReferral"),
        QStringLiteral("StorySpeed"),
        QStringLiteral("StoryTV"),
        QStringLiteral("SupportMaria"),
        QStringLiteral("TarvikOfficialLogo"),
        QStringLiteral("TrustPaymentBackground"),
        QStringLiteral("TrustPaymentCoins"),
        QStringLiteral("TwentyFourTVLogo"),
        QStringLiteral("VoluntaryBlockHero"),
    };
    return names;
}
} // namespace

bool AssetCatalog::contains(const QString &name)
{
    return assetNames().contains(name);
}

QStringList AssetCatalog::names()
{
    return assetNames();
}

QString AssetCatalog::path(const QString &name)
{
    if (!contains(name))
        return {};
    return QStringLiteral(":/qt/qml/Tarvik/Design/assets/%1.svg").arg(name);
}
