#include "partnertvnavigationpolicy.h"

#include <optional>

namespace PartnerTVNavigationPolicy
{
namespace
{
// The first query item named "title": its percent-decoded value, or nothing when there is no such
// item or it has no "=" at all. A "+" stays a plus sign, as in any URL component.
std::optional<QString> titleItem(const QUrl &url)
{
    const QString query = url.query(QUrl::FullyEncoded);
    if (query.isEmpty())
        return std::nullopt;
    for (const QStringView item : QStringView(query).split(QLatin1Char('&'))) {
        const qsizetype equals = item.indexOf(QLatin1Char('='));
        const QStringView name = equals < 0 ? item : item.left(equals);
        if (QUrl::fromPercentEncoding(name.toUtf8()) != QLatin1String("title"))
            continue;
        if (equals < 0)
            return std::nullopt;
        return QUrl::fromPercentEncoding(item.mid(equals + 1).toUtf8());
    }
    return std::nullopt;
}
} // namespace

Decision decide(Page page, const QUrl &url)
{
    if (url.isEmpty() || !url.isValid())
        return {};
    const QString scheme = url.scheme();
    if (scheme == accountScheme)
        return { page == Page::Catalog ? Action::CreateAccount : Action::Connect, {} };
    if (page == Page::Catalog && scheme == packageScheme) {
        if (const std::optional<QString> title = titleItem(url))
            return { Action::SelectPackage, *title };
    }
    return {};
}

bool staysInView(const QUrl &url)
{
    static const QStringList shownByTheView{QStringLiteral("https"), QStringLiteral("http"), QStringLiteral("about"),
                                            QStringLiteral("data"), QStringLiteral("blob")};
    return url.isValid() && shownByTheView.contains(url.scheme());
}
} // namespace PartnerTVNavigationPolicy
