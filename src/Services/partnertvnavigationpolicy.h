#pragma once

#include <QString>
#include <QUrl>

// What the partner TV pages may do when they navigate: the app's own links ("tarvik-account",
// "tarvik-package") become callbacks, everything else loads in the view. Pure decisions;
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
// Whether an address uses one of the app's own schemes; such an address never loads and is never
// handed on to the desktop, whatever the decision.
bool isOwnScheme(const QUrl &url);
} // namespace PartnerTVNavigationPolicy
