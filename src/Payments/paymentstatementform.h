#pragma once

#include "paymentstatementkind.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QtQml/qqmlregistration.h>

#include <optional>

// The state behind a statement form: its fields, whether it can be sent, and the short sending
// pause before the confirmation. Nothing leaves the device.
class PaymentStatementForm : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(PaymentStatementKind::Kind kind READ kind WRITE setKind NOTIFY kindChanged)
    Q_PROPERTY(QString title READ title NOTIFY kindChanged)
    Q_PROPERTY(QString intro READ intro NOTIFY kindChanged)
    Q_PROPERTY(bool showsAmountAndDate READ showsAmountAndDate NOTIFY kindChanged)
    Q_PROPERTY(QString amount READ amount WRITE setAmount NOTIFY amountChanged)
    // Starts at the moment the form is made; any date is accepted.
    Q_PROPERTY(QDateTime operationDate READ operationDate WRITE setOperationDate NOTIFY operationDateChanged)
    Q_PROPERTY(QString comment READ comment WRITE setComment NOTIFY commentChanged)
    Q_PROPERTY(bool canSubmit READ canSubmit NOTIFY canSubmitChanged)
    Q_PROPERTY(bool isSubmitting READ isSubmitting NOTIFY isSubmittingChanged)
    // The confirmation sheet is shown; its presenter sets it back to false when it closes.
    Q_PROPERTY(bool successPresented READ successPresented WRITE setSuccessPresented NOTIFY successPresentedChanged)
    Q_PROPERTY(bool hasRequestError READ hasRequestError NOTIFY requestErrorChanged)
    Q_PROPERTY(QString requestError READ requestError NOTIFY requestErrorChanged)

public:
    static constexpr std::chrono::milliseconds sendingPause{250};

    explicit PaymentStatementForm(QObject *parent = nullptr);

    PaymentStatementKind::Kind kind() const { return m_kind; }
    void setKind(PaymentStatementKind::Kind kind);
    QString title() const { return PaymentStatementKind::title(m_kind); }
    QString intro() const { return PaymentStatementKind::formIntro(m_kind); }
    bool showsAmountAndDate() const { return PaymentStatementKind::showsAmountAndDate(m_kind); }
    QString amount() const { return m_amount; }
    void setAmount(const QString &amount);
    QDateTime operationDate() const { return m_operationDate; }
    void setOperationDate(const QDateTime &date);
    QString comment() const { return m_comment; }
    void setComment(const QString &comment);
    bool canSubmit() const;
    bool isSubmitting() const { return m_isSubmitting; }
    bool successPresented() const { return m_successPresented; }
    void setSuccessPresented(bool presented);
    bool hasRequestError() const { return m_requestError.has_value(); }
    QString requestError() const { return m_requestError.value_or(QString()); }

    // Shows the sending state, then the confirmation; ignored while sending or when the form
    // cannot be sent.
    Q_INVOKABLE void submit();
    Q_INVOKABLE void clearRequestError();

Q_SIGNALS:
    void kindChanged();
    void amountChanged();
    void operationDateChanged();
    void commentChanged();
    void canSubmitChanged();
    void isSubmittingChanged();
    void successPresentedChanged();
    void requestErrorChanged();

private:
    void updateCanSubmit();
    void setSubmitting(bool submitting);
    void finishSubmission();

    PaymentStatementKind::Kind m_kind = PaymentStatementKind::WrongPayment;
    QString m_amount;
    QDateTime m_operationDate = QDateTime::currentDateTime();
    QString m_comment;
    bool m_canSubmit = false;
    bool m_isSubmitting = false;
    bool m_successPresented = false;
    // The pause cannot fail here; the alert that would show a failure stays wired to this.
    std::optional<QString> m_requestError;
    QTimer m_pause;
};
