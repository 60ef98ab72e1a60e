#include "appconfig.h"

#include "commandlineoption.h"

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
    if (const auto base = commandLineValue(arguments, QStringLiteral("--base-url")))
        config.baseUrl = QUrl(*base);
    if (const auto ca = commandLineValue(arguments, QStringLiteral("--ca-file")))
        config.extraCaFile = *ca;
    if (const auto imageHost = commandLineValue(arguments, QStringLiteral("--shop-image-host")))
        config.shopImageHost = *imageHost;
    if (const auto tiles = commandLineValue(arguments, QStringLiteral("--tile-url")))
        config.tileUrlTemplate = *tiles;
    if (const auto attribution = commandLineValue(arguments, QStringLiteral("--tile-attribution")))
        config.tileAttribution = *attribution;
    if (const auto geocoder = commandLineValue(arguments, QStringLiteral("--geocoder-url")))
        config.geocoderUrl = QUrl(*geocoder);
    if (!config.baseUrl.path().endsWith(QLatin1Char('/')))
        config.baseUrl.setPath(config.baseUrl.path() + QLatin1Char('/'));
    return config;
}
