#pragma once

#include "tarvikaccountstoreqml.h"

#include <QObject>
#include <QPointer>
#include <QtQml/qqmlregistration.h>

// The home dashboard's own account load: each time the dashboard comes on screen without a loaded
// account (no account number), it refreshes the store, and asks to sign out when that load shows
// the session cannot go on. A load refused because another one runs is started again when that
// one ends without an account.
//   HomeAccountLoad { store: AccountStore; onSignOutRequested: AccountStore.abandonSession() }
class HomeAccountLoad : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(TarvikAccountStoreQml *store READ store WRITE setStore NOTIFY storeChanged)
    Q_PROPERTY(bool loading READ isLoading NOTIFY loadingChanged)

public:
    explicit HomeAccountLoad(QObject *parent = nullptr);

    TarvikAccountStoreQml *store() const { return m_store; }
    void setStore(TarvikAccountStoreQml *store);
    // This dashboard's load is running.
    bool isLoading() const { return m_request != 0; }

    // The dashboard came on screen.
    Q_INVOKABLE void appeared();

    // Whether a load that failed so ends the session. A refusal because another load runs, or a
    // load overtaken by a newer session, says nothing about the credentials and signs nobody out.
    static bool endsSession(TarvikAccountStoreQml::RefreshFailure failure);

Q_SIGNALS:
    void storeChanged();
    void loadingChanged();
    void signOutRequested();

private:
    void onRefreshFinished(int request, TarvikAccountStoreQml::RefreshFailure failure);
    void onStoreLoadingChanged();

    QPointer<TarvikAccountStoreQml> m_store;
    QMetaObject::Connection m_connection;
    QMetaObject::Connection m_idleConnection;
    int m_request = 0;
    // Refused while another load ran: load once the store is idle.
    bool m_loadWhenIdle = false;
};
