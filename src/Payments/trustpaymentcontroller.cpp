#include "trustpaymentcontroller.h"

#include "tarvikaccounterror.h"
#include "tarvikaccountstore.h"
#include "tarvikaccountstoreqml.h"

#include <QCoroTask>

TrustPaymentController::TrustPaymentController(QObject *parent)
    : QObject(parent)
{
    const auto canActivateMayChange = [this] { Q_EMIT canActivateChanged(); };
    connect(this, &TrustPaymentController::statusChanged, this, canActivateMayChange);
    connect(this, &TrustPaymentController::isLoadingChanged, this, canActivateMayChange);
    connect(this, &TrustPaymentController::isSubmittingChanged, this, canActivateMayChange);
}

void TrustPaymentController::setAccountStore(TarvikAccountStoreQml *store)
{
    if (m_accountStore == store)
        return;
    m_accountStore = store;
    Q_EMIT accountStoreChanged();
}

bool TrustPaymentController::canActivate() const
{
    return !m_isSubmitting && !m_isLoading && m_status && m_status->isAvailable;
}

void TrustPaymentController::loadStatus()
{
    const quint64 load = ++m_load;
    setLoading(true);
    if (!m_accountStore) {
        setError(description(TarvikAccountError::Unavailable));
        finishLoad(load);
        return;
    }
    TarvikAccountStore *store = m_accountStore->store();
    QCoro::connect(store->refresh(), this, [this, load, store](const Result<void> &refreshed) {
        if (load != m_load)
            return;
        if (!refreshed) {
            setError(refreshed.error().description());
            finishLoad(load);
            return;
        }
        QCoro::connect(store->trustPaymentStatus(), this, [this, load](const Result<TarvikTrustPaymentStatus> &status) {
            if (load != m_load)
                return;
            if (status) {
                m_status = *status;
                Q_EMIT statusChanged();
            } else {
                setError(status.error().description());
            }
            finishLoad(load);
        });
    });
}

void TrustPaymentController::activate()
{
    if (m_isSubmitting)
        return;
    setSubmitting(true);
    if (!m_accountStore) {
        setError(description(TarvikAccountError::Unavailable));
        setSubmitting(false);
        return;
    }
    QCoro::connect(m_accountStore->store()->activateTrustPayment(), this, [this](const Result<QString> &result) {
        if (result) {
            m_resultMessage = *result;
            Q_EMIT resultMessageChanged();
        } else {
            setError(result.error().description());
        }
        setSubmitting(false);
    });
}

void TrustPaymentController::clearError()
{
    if (!m_errorMessage)
        return;
    m_errorMessage.reset();
    Q_EMIT errorMessageChanged();
}

void TrustPaymentController::setLoading(bool loading)
{
    if (m_isLoading == loading)
        return;
    m_isLoading = loading;
    Q_EMIT isLoadingChanged();
}

void TrustPaymentController::setSubmitting(bool submitting)
{
    if (m_isSubmitting == submitting)
        return;
    m_isSubmitting = submitting;
    Q_EMIT isSubmittingChanged();
}

void TrustPaymentController::setError(const QString &message)
{
    m_errorMessage = message;
    Q_EMIT errorMessageChanged();
}

void TrustPaymentController::finishLoad(quint64 load)
{
    if (load == m_load)
        setLoading(false);
}
