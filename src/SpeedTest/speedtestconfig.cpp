#include "speedtestconfig.h"

#include "commandlineoption.h"

#include <optional>

#if !defined(TARVIK_SPEEDTEST_URL) || !defined(TARVIK_SPEEDTEST_LABEL)
#error "TARVIK_SPEEDTEST_URL and TARVIK_SPEEDTEST_LABEL must be defined by the build"
#endif

QUrl SpeedTestConfig::compiledBaseUrl()
{
    return QUrl(QStringLiteral(TARVIK_SPEEDTEST_URL));
}

QString SpeedTestConfig::compiledServiceLabel()
{
    return QStringLiteral(TARVIK_SPEEDTEST_LABEL);
}

SpeedTestConfig SpeedTestConfig::fromArguments(const QStringList &arguments)
{
    std::optional<QString> url;
    std::optional<QString> label;
    if (const QString value = qEnvironmentVariable("TARVIK_SPEEDTEST_URL"); !value.isEmpty())
        url = value;
    if (const QString value = qEnvironmentVariable("TARVIK_SPEEDTEST_LABEL"); !value.isEmpty())
        label = value;
    if (const auto value = commandLineValue(arguments, QStringLiteral("--speedtest-url")))
        url = value;
    if (const auto value = commandLineValue(arguments, QStringLiteral("--speedtest-label")))
        label = value;

    SpeedTestConfig config;
    config.baseUrl = url ? QUrl(*url) : compiledBaseUrl();
    if (!config.baseUrl.path().endsWith(QLatin1Char('/')))
        config.baseUrl.setPath(config.baseUrl.path() + QLatin1Char('/'));
    config.serviceLabel = label ? *label : url ? config.baseUrl.host() : compiledServiceLabel();
    return config;
}
