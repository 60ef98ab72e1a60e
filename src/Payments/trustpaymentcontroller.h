#pragma once

#include "tarvikaccountstoreqml.h"
#include "tarviktrustpaymentstatus.h"

#include <QObject>
#include <QPointer>
#include <QtQml/qqmlregistration.h>

#include <optional>

// The state behind the trust-payment screen: the account refresh and session check that give
// the status, the activation with its guard against a second start, and its result or error.
class TrustPaymentController : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    // The AccountStore singleton.
    Q_PROPERTY(TarvikAccountStoreQml *accountStore READ accountStore WRITE setAccountStore NOTIFY accountStoreChanged)
    Q_PROPERTY(bool hasStatus READ hasStatus NOTIFY statusChanged)
    Q_PROPERTY(TarvikTrustPaymentStatus status READ status NOTIFY statusChanged)
    // True from creation until the first status load ends.
    Q_PROPERTY(bool isLoading READ isLoading NOTIFY isLoadingChanged)
    Q_PROPERTY(bool isSubmitting READ isSubmitting NOTIFY isSubmittingChanged)
    Q_PROPERTY(bool hasResult READ hasResult NOTIFY resultMessageChanged)
    Q_PROPERTY(QString resultMessage READ resultMessage NOTIFY resultMessageChanged)
    // An error may come without words (a cancelled load): hasError, not the text, shows the alert.
    Q_PROPERTY(bool hasError READ hasError NOTIFY errorMessageChanged)
    Q_PROPERTY(QString errorMessage READ errorMessage NOTIFY errorMessageChanged)
    Q_PROPERTY(bool canActivate READ canActivate NOTIFY canActivateChanged)

public:
    explicit TrustPaymentController(QObject *parent = nullptr);

    TarvikAccountStoreQml *accountStore() const { return m_accountStore; }
    void setAccountStore(TarvikAccountStoreQml *store);
    bool hasStatus() const { return m_status.has_value(); }
    TarvikTrustPaymentStatus status() const { return m_status.value_or(TarvikTrustPaymentStatus()); }
    bool isLoading() const { return m_isLoading; }
    bool isSubmitting() const { return m_isSubmitting; }
    bool hasResult() const { return m_resultMessage.has_value(); }
    QString resultMessage() const { return m_resultMessage.value_or(QString()); }
    bool hasError() const { return m_errorMessage.has_value(); }
    QString errorMessage() const { return m_errorMessage.value_or(QString()); }
    bool canActivate() const;

    // Refreshes the account, then checks the session; fills the status or the error.
    Q_INVOKABLE void loadStatus();
    // Turns the trust payment on; ignored while an activation runs.
    Q_INVOKABLE void activate();
    Q_INVOKABLE void clearError();

Q_SIGNALS:
    void accountStoreChanged();
    void statusChanged();
    void isLoadingChanged();
    void isSubmittingChanged();
    void resultMessageChanged();
    void errorMessageChanged();
    void canActivateChanged();

private:
    void setLoading(bool loading);
    void setSubmitting(bool submitting);
    void setError(const QString &message);
    void finishLoad(quint64 load);

    QPointer<TarvikAccountStoreQml> m_accountStore;
    std::optional<TarvikTrustPaymentStatus> m_status;
    bool m_isLoading = true;
    bool m_isSubmitting = false;
    std::optional<QString> m_resultMessage;
    std::optional<QString> m_errorMessage;
    // Only the latest status load may write its outcome.
    quint64 m_load = 0;
};
