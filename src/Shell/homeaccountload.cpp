#include "homeaccountload.h"

HomeAccountLoad::HomeAccountLoad(QObject *parent)
    : QObject(parent)
{
}

void HomeAccountLoad::setStore(TarvikAccountStoreQml *store)
{
    if (store == m_store)
        return;
    disconnect(m_connection);
    disconnect(m_idleConnection);
    m_store = store;
    m_loadWhenIdle = false;
    if (m_request != 0) {
        m_request = 0;
        Q_EMIT loadingChanged();
    }
    if (store)
        m_connection = connect(store, &TarvikAccountStoreQml::refreshRequestFinished, this,
            [this](int request, TarvikAccountStoreQml::RefreshFailure failure, const QString &) { onRefreshFinished(request, failure); });
    if (store)
        m_idleConnection = connect(store, &TarvikAccountStoreQml::isLoadingChanged, this, &HomeAccountLoad::onStoreLoadingChanged);
    Q_EMIT storeChanged();
}

void HomeAccountLoad::appeared()
{
    // A dashboard that comes back while its load still runs waits for that load.
    if (!m_store || m_request != 0 || !m_store->account().accountNumber.isEmpty())
        return;
    m_request = m_store->requestRefresh();
    Q_EMIT loadingChanged();
}

bool HomeAccountLoad::endsSession(TarvikAccountStoreQml::RefreshFailure failure)
{
    switch (failure) {
    case TarvikAccountStoreQml::NoFailure:
    case TarvikAccountStoreQml::Unavailable:
    case TarvikAccountStoreQml::Cancelled:
        return false;
    case TarvikAccountStoreQml::InvalidCredentials:
    case TarvikAccountStoreQml::OtherFailure:
        return true;
    }
    return true;
}

void HomeAccountLoad::onRefreshFinished(int request, TarvikAccountStoreQml::RefreshFailure failure)
{
    if (request != m_request)
        return;
    m_request = 0;
    Q_EMIT loadingChanged();
    if (failure == TarvikAccountStoreQml::Unavailable) {
        m_loadWhenIdle = true;
        onStoreLoadingChanged();
    }
    if (endsSession(failure))
        Q_EMIT signOutRequested();
}

void HomeAccountLoad::onStoreLoadingChanged()
{
    // The other load ended; if it brought no account (it failed, for a passing reason), the
    // dashboard would otherwise keep its placeholder until it came on screen again.
    if (!m_loadWhenIdle || !m_store || m_store->isLoading())
        return;
    m_loadWhenIdle = false;
    appeared();
}
