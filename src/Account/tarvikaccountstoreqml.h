#pragma once

#include "tarvikaccountdata.h"
#include "tarviktrustpaymentstatus.h"

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QtQml/qqmlregistration.h>

class QJSEngine;
class QQmlEngine;
class TarvikAccountStore;

// The account store as QML's "AccountStore" singleton: its properties, and verbs that start the
// store's operations and report their outcome through the *Finished signals.
class TarvikAccountStoreQml : public QObject
{
    Q_OBJECT
    QML_NAMED_ELEMENT(AccountStore)
    QML_SINGLETON
    Q_PROPERTY(TarvikAccountData account READ account NOTIFY accountChanged)
    Q_PROPERTY(bool isLoading READ isLoading NOTIFY isLoadingChanged)
    Q_PROPERTY(QDateTime lastUpdated READ lastUpdated NOTIFY lastUpdatedChanged)
    Q_PROPERTY(bool isFinanciallyBlocked READ isFinanciallyBlocked NOTIFY isFinanciallyBlockedChanged)
    Q_PROPERTY(QString recommendedPayment READ recommendedPayment NOTIFY recommendedPaymentChanged)
    Q_PROPERTY(QVariantList tvPackages READ tvPackages NOTIFY tvPackagesChanged)

public:
    // Why a refresh failed, for screens that treat the cases differently.
    enum RefreshFailure {
        NoFailure,
        InvalidCredentials, // wrong or missing credentials: the local session is gone
        Unavailable,        // refused because another load was running
        Cancelled,          // overtaken by a sign-in or sign-out
        OtherFailure,       // the site, the network or the reply failed
    };
    Q_ENUM(RefreshFailure)

    explicit TarvikAccountStoreQml(TarvikAccountStore *store, QObject *parent = nullptr);

    // The instance QML gets; set by main() or a test before the first engine asks.
    static void setInstance(TarvikAccountStoreQml *instance);
    static TarvikAccountStoreQml *create(QQmlEngine *, QJSEngine *);
    // The store behind it, for C++ objects that QML hands the singleton to.
    TarvikAccountStore *store() const { return m_store; }

    TarvikAccountData account() const;
    bool isLoading() const;
    QDateTime lastUpdated() const;
    bool isFinanciallyBlocked() const;
    QString recommendedPayment() const;
    QVariantList tvPackages() const;

    // `error` is the failure's text for the user; empty on success and when overtaken.
    Q_INVOKABLE void refresh();
    Q_INVOKABLE void signIn(const QString &login, const QString &password);
    Q_INVOKABLE void signOut();
    Q_INVOKABLE void abandonSession();
    Q_INVOKABLE void trustPaymentStatus();
    Q_INVOKABLE void activateTrustPayment();
    Q_INVOKABLE void create24TVAccount(const QString &phoneNumber);
    // A refresh whose outcome goes only to refreshRequestFinished(), under the returned number, so
    // that a screen hears its own load and not another screen's.
    Q_INVOKABLE int requestRefresh();

Q_SIGNALS:
    void accountChanged();
    void isLoadingChanged();
    void lastUpdatedChanged();
    void isFinanciallyBlockedChanged();
    void recommendedPaymentChanged();
    void tvPackagesChanged();
    void sessionStarted();
    void sessionEnded();

    // `invalidCredentials`: the site refused the stored login (the local session is gone).
    void refreshFinished(bool ok, bool invalidCredentials, const QString &error);
    void signInFinished(bool ok, const QString &error);
    void signOutFinished();
    void trustPaymentStatusFinished(bool ok, const TarvikTrustPaymentStatus &status, const QString &error);
    void trustPaymentActivated(bool ok, const QString &message, const QString &error);
    void tvAccountCreated(bool ok, const QString &message, const QString &error);
    void refreshRequestFinished(int request, TarvikAccountStoreQml::RefreshFailure failure, const QString &error);

private:
    TarvikAccountStore *m_store;
    int m_lastRequest = 0;
};
