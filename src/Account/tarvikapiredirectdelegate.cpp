#include "tarvikapiredirectdelegate.h"

std::optional<QUrl> TarvikAPIRedirectDelegate::follow(const QUrl &target) const
{
    if (!target.isValid() || target.isEmpty())
        return std::nullopt;
    if (target.host().isEmpty() || target.host().toLower() != m_host)
        return std::nullopt;
    if (!target.userName().isEmpty() || !target.password().isEmpty())
        return std::nullopt;
    if (target.port() != -1 && target.port() != 443)
        return std::nullopt;
    const QString scheme = target.scheme();
    if (scheme == QLatin1String("https"))
        return target;
    if (scheme == QLatin1String("http") && target.port() == 443) {
        QUrl upgraded = target;
        upgraded.setScheme(QStringLiteral("https"));
        upgraded.setPort(-1);
        return upgraded;
    }
    return std::nullopt;
}
