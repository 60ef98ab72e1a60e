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
    m_store = store;
    if (m_request != 0) {
        m_request = 0;
        Q_EMIT loadingChanged();
    }
    if (store)
        m_connection = connect(store, &TarvikAccountStoreQml::refreshRequestFinished, this,
            [this](int request, TarvikAccountStoreQml::RefreshFailure failure, const QString &) { onRefreshFinished(request, failure); });
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
    if (endsSession(failure))
        Q_EMIT signOutRequested();
}
