#include "partnertvpagecoordinator.h"

#include "partnertvnavigationpolicy.h"

const QString PartnerTVPageCoordinator::loadFailureText
    = QStringLiteral("Не удалось загрузить страницу. Проверьте подключение к интернету и повторите попытку.");

PartnerTVPageCoordinator::PartnerTVPageCoordinator(QObject *parent)
    : QObject(parent)
{
    // A page that never answers never fails by itself.
    connect(&m_limit, &QTimer::timeout, this, [this] {
        setErrorMessage(loadFailureText);
        Q_EMIT stopRequested();
    });
}

void PartnerTVPageCoordinator::setPage(Page page)
{
    if (m_page == page)
        return;
    m_page = page;
    Q_EMIT pageChanged();
}

// The view's own flag rather than its events: a load that a newer one replaces reports its end
// after the newer one has started.
void PartnerTVPageCoordinator::setPageLoading(bool loading)
{
    if (m_pageLoading == loading)
        return;
    m_pageLoading = loading;
    if (loading)
        m_limit.start();
    else
        m_limit.stop();
    Q_EMIT pageLoadingChanged();
}

void PartnerTVPageCoordinator::setLoadTimeout(int milliseconds)
{
    if (m_limit.setLimit(milliseconds))
        Q_EMIT loadTimeoutChanged();
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

void PartnerTVPageCoordinator::loadingChanged(int status, int errorCode)
{
    switch (status) {
    case LoadStartedStatus:
        setErrorMessage(QString());
        break;
    case LoadFailedStatus:
        if (errorCode != cancelledLoadCode)
            setErrorMessage(loadFailureText);
        break;
    default:
        break;
    }
}

void PartnerTVPageCoordinator::retry()
{
    setErrorMessage(QString());
    Q_EMIT reloadRequested();
}

void PartnerTVPageCoordinator::setErrorMessage(const QString &message)
{
    if (m_errorMessage == message)
        return;
    m_errorMessage = message;
    Q_EMIT errorMessageChanged();
}
