#include "partnertvpages.h"

#include "operatorphone.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

const QString PartnerTVPages::productName = QStringLiteral("Tarvik");
const QString PartnerTVPages::productCompany = QStringLiteral("ООО «ВЕЛМОР ТЕЛЕКОМ»");

namespace
{
QJsonObject constants(const PartnerTVConfig &config)
{
    return QJsonObject {
        { QStringLiteral("productName"), PartnerTVPages::productName },
        { QStringLiteral("productCompany"), PartnerTVPages::productCompany },
        { QStringLiteral("productPhone"), OperatorPhone::text() },
        { QStringLiteral("productPhoneLink"), OperatorPhone::link() },
        { QStringLiteral("sisterPhone"), QStringLiteral("8 (495) 907-31-31") },
        { QStringLiteral("sisterPhoneTail"), QStringLiteral("907-31-31") },
        { QStringLiteral("sisterPhoneDigits"), QStringLiteral("4959073131") },
        { QStringLiteral("sisterAccountHost"), config.sisterAccountHost },
        { QStringLiteral("sisterDomain"), config.sisterDomain },
        { QStringLiteral("productDomain"), config.productDomain },
        { QStringLiteral("productLogoUrl"), config.productLogoUrl.toString(QUrl::FullyEncoded) },
        { QStringLiteral("touchIconUrl"), config.touchIconUrl().toString(QUrl::FullyEncoded) },
        { QStringLiteral("partnerRoot"), QStringLiteral("https://") + config.partnerHost + QLatin1Char('/') },
    };
}

QString source(const QString &resource)
{
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing partner TV script %s", qPrintable(resource));
    return QString::fromUtf8(file.readAll()).trimmed();
}

// The page's script after the header lockup both pages share, called with the constants.
QString script(const QString &resource, const PartnerTVConfig &config)
{
    // Constants go in as JSON, never spliced into the source as text.
    const QByteArray json = QJsonDocument(constants(config)).toJson(QJsonDocument::Compact);
    return source(QStringLiteral(":/qt/qml/Tarvik/Services/scripts/lockup.js")) + QLatin1Char('\n')
        + source(resource) + QLatin1Char('(') + QString::fromUtf8(json) + QStringLiteral(");\n");
}
} // namespace

PartnerTVPages::PartnerTVPages(QObject *parent)
    : QObject(parent)
{ }

QUrl PartnerTVPages::catalogPageUrl()
{
    return PartnerTVConfig::current().catalogPageUrl();
}

QUrl PartnerTVPages::packagePageUrl(const QString &packageID)
{
    return PartnerTVConfig::current().packagePageUrl(packageID);
}

QString PartnerTVPages::catalogScript()
{
    static const QString source = catalogScript(PartnerTVConfig::current());
    return source;
}

QString PartnerTVPages::packageScript()
{
    static const QString source = packageScript(PartnerTVConfig::current());
    return source;
}

QString PartnerTVPages::catalogScript(const PartnerTVConfig &config)
{
    return script(QStringLiteral(":/qt/qml/Tarvik/Services/scripts/catalogpage.js"), config);
}

QString PartnerTVPages::packageScript(const PartnerTVConfig &config)
{
    return script(QStringLiteral(":/qt/qml/Tarvik/Services/scripts/packagepage.js"), config);
}
