#include "partnertvconfig.h"

#include "asciidigits.h"

#include <optional>

namespace
{
std::optional<PartnerTVConfig> &currentConfig()
{
    static std::optional<PartnerTVConfig> config;
    return config;
}

void override(QString &value, const char *variable)
{
    const QString fromEnvironment = qEnvironmentVariable(variable).trimmed();
    if (!fromEnvironment.isEmpty())
        value = fromEnvironment;
}
} // namespace

QUrl PartnerTVConfig::catalogPageUrl() const
{
    return QUrl(QStringLiteral("https://") + catalogHost + QStringLiteral("/24tv/index.html"));
}

QUrl PartnerTVConfig::packagePageUrl(const QString &packageID) const
{
    return QUrl(QStringLiteral("https://") + partnerHost + QStringLiteral("/packets/1_") + asciiDigits(packageID));
}

QUrl PartnerTVConfig::touchIconUrl() const
{
    return QUrl(QStringLiteral("https://") + partnerHost + QStringLiteral("/images/24tv/apple-touch-icon-180x180.png?v=1.3.14"));
}

PartnerTVConfig PartnerTVConfig::compiled()
{
    return PartnerTVConfig {
        .catalogHost = QStringLiteral(TARVIK_TV_CATALOG_HOST),
        .sisterAccountHost = QStringLiteral(TARVIK_TV_SISTER_ACCOUNT_HOST),
        .sisterDomain = QStringLiteral(TARVIK_TV_SISTER_DOMAIN),
        .productDomain = QStringLiteral(TARVIK_TV_PRODUCT_DOMAIN),
        .productLogoUrl = QUrl(QStringLiteral(TARVIK_TV_PRODUCT_LOGO_URL)),
        .partnerHost = QStringLiteral(TARVIK_TV_PARTNER_HOST),
        .imageHost = QStringLiteral(TARVIK_TV_IMAGE_HOST),
    };
}

PartnerTVConfig PartnerTVConfig::fromEnvironment()
{
    PartnerTVConfig config = compiled();
    override(config.catalogHost, "TARVIK_TV_CATALOG_HOST");
    override(config.sisterAccountHost, "TARVIK_TV_SISTER_ACCOUNT_HOST");
    override(config.sisterDomain, "TARVIK_TV_SISTER_DOMAIN");
    override(config.productDomain, "TARVIK_TV_PRODUCT_DOMAIN");
    QString logo = config.productLogoUrl.toString();
    override(logo, "TARVIK_TV_PRODUCT_LOGO_URL");
    config.productLogoUrl = QUrl(logo);
    override(config.partnerHost, "TARVIK_TV_PARTNER_HOST");
    override(config.imageHost, "TARVIK_TV_IMAGE_HOST");
    return config;
}

const PartnerTVConfig &PartnerTVConfig::current()
{
    auto &config = currentConfig();
    if (!config)
        config = fromEnvironment();
    return *config;
}

void PartnerTVConfig::setCurrent(const PartnerTVConfig &config)
{
    currentConfig() = config;
}
