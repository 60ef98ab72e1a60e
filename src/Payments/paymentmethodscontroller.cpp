#include "paymentmethodscontroller.h"

#include "checkoutamount.h"
#include "tarvikaccountstore.h"
#include "tarvikaccountstoreqml.h"

#include <QCoroTask>

const QString PaymentMethodsController::unavailableText = QStringLiteral("Платёжный сервис временно недоступен");

PaymentMethodsController::PaymentMethodsController(QObject *parent)
    : QObject(parent)
{
}

void PaymentMethodsController::setAccountStore(TarvikAccountStoreQml *store)
{
    if (m_accountStore == store)
        return;
    m_accountStore = store;
    Q_EMIT accountStoreChanged();
}

void PaymentMethodsController::beginCheckout(const QString &amount, TarvikPaymentMethod::Method method)
{
    if (m_loadingMethod != noMethod)
        return;
    setLoadingMethod(method);
    setErrorMessage(QString());
    if (!m_accountStore) {
        setErrorMessage(unavailableText);
        setLoadingMethod(noMethod);
        return;
    }
    QCoro::connect(m_accountStore->store()->createCheckout(CheckoutAmount::fromTyped(amount), method), this, [this](const Result<QUrl> &result) {
        if (result) {
            m_checkout = CheckoutDestination::make(*result);
            Q_EMIT checkoutChanged();
        } else {
            // A failure without a text of its own (a cancelled one) still needs words.
            const TarvikError &error = result.error();
            setErrorMessage(error.hasDescription() ? error.description() : unavailableText);
        }
        setLoadingMethod(noMethod);
    });
}

void PaymentMethodsController::clearError()
{
    setErrorMessage(QString());
}

void PaymentMethodsController::checkoutClosed()
{
    if (!m_checkout.isNull()) {
        m_checkout = CheckoutDestination();
        Q_EMIT checkoutChanged();
    }
    if (!m_accountStore)
        return;
    // The payment's outcome is only ever learnt from the account; a failed refresh shows nothing.
    QCoro::connect(m_accountStore->store()->refresh(), this, [](const Result<void> &) {});
}

void PaymentMethodsController::setLoadingMethod(int method)
{
    if (m_loadingMethod == method)
        return;
    m_loadingMethod = method;
    Q_EMIT loadingMethodChanged();
}

void PaymentMethodsController::setErrorMessage(const QString &message)
{
    if (m_errorMessage == message)
        return;
    m_errorMessage = message;
    Q_EMIT errorMessageChanged();
}
