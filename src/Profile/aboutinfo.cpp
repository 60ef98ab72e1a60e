#include "aboutinfo.h"

AboutInfo::AboutInfo(QObject *parent)
    : QObject(parent)
{
}

QString AboutInfo::versionLine(const QString &version, const QString &build)
{
    const QString shownVersion = version.trimmed().isEmpty() ? QStringLiteral("1.0") : version.trimmed();
    const QString shownBuild = build.trimmed().isEmpty() ? QStringLiteral("1") : build.trimmed();
    return QStringLiteral("Версия %1 (%2)").arg(shownVersion, shownBuild);
}

QString AboutInfo::versionLine()
{
    return versionLine(QStringLiteral(TARVIK_VERSION), QStringLiteral(TARVIK_BUILD_NUMBER));
}

QUrl AboutInfo::siteUrl(const QString &setting)
{
    QUrl url = QUrl::fromUserInput(setting.trimmed());
    if (!url.isValid() || url.host().isEmpty())
        return {};
    url.setScheme(QStringLiteral("https"));
    url.setPath(QStringLiteral("/"));
    url.setQuery(QString());
    url.setFragment(QString());
    return url;
}

QUrl AboutInfo::siteUrl()
{
    return siteUrl(QStringLiteral(TARVIK_PRODUCT_SITE));
}

QUrl AboutInfo::policyUrl()
{
    QUrl url = siteUrl();
    if (!url.isEmpty())
        url.setPath(QStringLiteral("/policy.html"));
    return url;
}

QString AboutInfo::siteDomain()
{
    return siteUrl().host();
}
