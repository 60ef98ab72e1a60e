#include "partnertvpagecoordinator.h"

#include "partnertvnavigationpolicy.h"

PartnerTVPageCoordinator::PartnerTVPageCoordinator(QObject *parent)
    : QObject(parent)
{ }

void PartnerTVPageCoordinator::setPage(Page page)
{
    if (m_page == page)
        return;
    m_page = page;
    Q_EMIT pageChanged();
}

bool PartnerTVPageCoordinator::allowsNavigation(const QUrl &url)
{
    using namespace PartnerTVNavigationPolicy;
    const Decision decision
        = decide(m_page == CatalogPage ? PartnerTVNavigationPolicy::Page::Catalog : PartnerTVNavigationPolicy::Page::Package, url);
    switch (decision.action) {
    case Action::Allow:
        return url.isEmpty() || staysInView(url);
    case Action::CreateAccount:
        Q_EMIT createAccountRequested();
        return false;
    case Action::SelectPackage:
        Q_EMIT packageSelected(decision.title);
        return false;
    case Action::Connect:
        Q_EMIT connectRequested();
        return false;
    }
    return false;
}
