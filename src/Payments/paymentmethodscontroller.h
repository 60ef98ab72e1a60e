#pragma once

#include "checkoutdestination.h"
#include "tarvikaccountstoreqml.h"
#include "tarvikpaymentmethod.h"

#include <QObject>
#include <QPointer>
#include <QtQml/qqmlregistration.h>

// The state behind the payment-method list: at most one checkout being created, the checkout
// sheet to show, the error to tell, and the account refresh once the sheet has closed.
class PaymentMethodsController : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    // The AccountStore singleton.
    Q_PROPERTY(TarvikAccountStoreQml *accountStore READ accountStore WRITE setAccountStore NOTIFY accountStoreChanged)
    // The method whose checkout is being created, or -1.
    Q_PROPERTY(int loadingMethod READ loadingMethod NOTIFY loadingMethodChanged)
    // Non-null while the checkout sheet is shown.
    Q_PROPERTY(CheckoutDestination checkout READ checkout NOTIFY checkoutChanged)
    // Non-empty while the error alert is shown.
    Q_PROPERTY(QString errorMessage READ errorMessage NOTIFY errorMessageChanged)

public:
    static constexpr int noMethod = -1;
    static const QString unavailableText;

    explicit PaymentMethodsController(QObject *parent = nullptr);

    TarvikAccountStoreQml *accountStore() const { return m_accountStore; }
    void setAccountStore(TarvikAccountStoreQml *store);
    int loadingMethod() const { return m_loadingMethod; }
    CheckoutDestination checkout() const { return m_checkout; }
    QString errorMessage() const { return m_errorMessage; }

    // Asks the store for a checkout of `amount` (as typed) by `method`; ignored while one is
    // being created.
    Q_INVOKABLE void beginCheckout(const QString &amount, TarvikPaymentMethod::Method method);
    Q_INVOKABLE void clearError();
    // The checkout sheet has closed, however: forget it and refresh the account.
    Q_INVOKABLE void checkoutClosed();

Q_SIGNALS:
    void accountStoreChanged();
    void loadingMethodChanged();
    void checkoutChanged();
    void errorMessageChanged();

private:
    void setLoadingMethod(int method);
    void setErrorMessage(const QString &message);

    QPointer<TarvikAccountStoreQml> m_accountStore;
    int m_loadingMethod = noMethod;
    CheckoutDestination m_checkout;
    QString m_errorMessage;
};
