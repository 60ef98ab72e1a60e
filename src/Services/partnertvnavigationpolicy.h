#pragma once

#include <QString>
#include <QUrl>

// What the partner TV pages may do when they navigate: the app's own links ("tarvik-account",
// "tarvik-package") become callbacks, everything else stays in the view: what the view shows itself
// loads there, and no address ever leaves for another program. Pure decisions;
// PartnerTVPageCoordinator applies them.
namespace PartnerTVNavigationPolicy
{
enum class Page {
    Catalog, // the sister brand's "24ТВ" catalog page
    Package, // the partner's page of one package
};

enum class Action {
    Allow,
    CreateAccount, // catalog page: cancel and open the account sheet
    SelectPackage, // catalog page: cancel and show the package titled `title`
    Connect, // package page: cancel and open the account sheet
};

struct Decision {
    Action action = Action::Allow;
    QString title; // SelectPackage only; may be empty

    friend bool operator==(const Decision &, const Decision &) = default;
};

inline const QString accountScheme = QStringLiteral("tarvik-account");
inline const QString packageScheme = QStringLiteral("tarvik-package");

Decision decide(Page page, const QUrl &url);
// Whether the web view shows `url` itself (a web page, a blank or inline document). Any other
// scheme, ours included, belongs to some other program: the view refuses it, whatever the
// decision, so that the web engine never hands it to the desktop.
bool staysInView(const QUrl &url);
} // namespace PartnerTVNavigationPolicy
