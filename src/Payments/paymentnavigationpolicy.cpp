#include "paymentnavigationpolicy.h"

#include <QRegularExpression>

namespace
{
const QString allowedScheme = QStringLiteral("https");
const QString blankDocument = QStringLiteral("about:blank");
} // namespace

namespace PaymentNavigationPolicy
{
bool isBankAppScheme(const QString &scheme)
{
    static const QRegularExpression numbered(QStringLiteral("^bank[0-9]+$"));
    static const QStringList named{QStringLiteral("sberpay"), QStringLiteral("sberbankonline"), QStringLiteral("tinkoffbank"),
                                   QStringLiteral("alfabank")};
    return numbered.match(scheme).hasMatch() || named.contains(scheme);
}

Decision decide(const QUrl &url)
{
    if (url.isEmpty() || !url.isValid())
        return Decision::Cancel;
    const QString scheme = url.scheme().toLower();
    if (scheme.isEmpty())
        return Decision::Cancel;
    if (scheme == allowedScheme)
        return Decision::Allow;
    if (url.toString(QUrl::FullyEncoded) == blankDocument)
        return Decision::Allow;
    return isBankAppScheme(scheme) ? Decision::CancelAndHandOff : Decision::Cancel;
}

QUrl newWindowTarget(const QUrl &url)
{
    if (!url.isValid() || url.scheme().toLower() != allowedScheme)
        return QUrl();
    return url;
}
} // namespace PaymentNavigationPolicy
