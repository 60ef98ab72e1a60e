#include "appconfig.h"

#include <QtGlobal>

#ifndef TARVIK_BASE_URL
#error "TARVIK_BASE_URL must be defined by the build"
#endif

QUrl AppConfig::compiledBaseUrl()
{
    return QUrl(QStringLiteral(TARVIK_BASE_URL));
}

QString AppConfig::host() const
{
    return baseUrl.host().toLower();
}

AppConfig AppConfig::fromEnvironment()
{
    AppConfig config;
    const QString base = qEnvironmentVariable("TARVIK_BASE_URL");
    config.baseUrl = base.isEmpty() ? compiledBaseUrl() : QUrl(base);
    config.extraCaFile = qEnvironmentVariable("TARVIK_EXTRA_CA");
    config.shopImageHost = qEnvironmentVariable("TARVIK_SHOP_IMAGE_HOST");
    config.tileUrlTemplate = qEnvironmentVariable("TARVIK_TILE_URL", QStringLiteral(TARVIK_TILE_URL));
    config.tileAttribution = qEnvironmentVariable("TARVIK_TILE_ATTRIBUTION", QStringLiteral(TARVIK_TILE_ATTRIBUTION));
    config.geocoderUrl = QUrl(qEnvironmentVariable("TARVIK_GEOCODER_URL", QStringLiteral(TARVIK_GEOCODER_URL)));
    return config;
}

AppConfig AppConfig::fromArguments(const QStringList &arguments)
{
    AppConfig config = fromEnvironment();
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        const auto takeValue = [&](const QString &option) -> std::optional<QString> {
            if (argument.startsWith(option + QLatin1Char('=')))
                return argument.mid(option.size() + 1);
            if (argument == option && i + 1 < arguments.size())
                return arguments.at(++i);
            return std::nullopt;
        };
        if (const auto base = takeValue(QStringLiteral("--base-url")))
            config.baseUrl = QUrl(*base);
        else if (const auto ca = takeValue(QStringLiteral("--ca-file")))
            config.extraCaFile = *ca;
        else if (const auto imageHost = takeValue(QStringLiteral("--shop-image-host")))
            config.shopImageHost = *imageHost;
        else if (const auto tiles = takeValue(QStringLiteral("--tile-url")))
            config.tileUrlTemplate = *tiles;
        else if (const auto attribution = takeValue(QStringLiteral("--tile-attribution")))
            config.tileAttribution = *attribution;
        else if (const auto geocoder = takeValue(QStringLiteral("--geocoder-url")))
            config.geocoderUrl = QUrl(*geocoder);
    }
    if (!config.baseUrl.path().endsWith(QLatin1Char('/')))
        config.baseUrl.setPath(config.baseUrl.path() + QLatin1Char('/'));
    return config;
}
