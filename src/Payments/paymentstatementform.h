#pragma once

#include "confirmationsend.h"
#include "paymentstatementkind.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

// The state behind a statement form: its fields, whether it can be sent, and its sending state
// (`request`, whose `confirmed` brings up the confirmation sheet). Nothing leaves the device.
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
    Q_PROPERTY(ConfirmationSend *request READ request CONSTANT)

public:
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
    ConfirmationSend *request() { return &m_request; }

    // Sends the statement; ignored while sending or when the form cannot be sent. The fields keep
    // their values, so the same statement can be sent again at once.
    Q_INVOKABLE void submit();

Q_SIGNALS:
    void kindChanged();
    void amountChanged();
    void operationDateChanged();
    void commentChanged();
    void canSubmitChanged();

private:
    void updateCanSubmit();

    PaymentStatementKind::Kind m_kind = PaymentStatementKind::WrongPayment;
    QString m_amount;
    QDateTime m_operationDate = QDateTime::currentDateTime();
    QString m_comment;
    bool m_canSubmit = false;
    ConfirmationSend m_request;
};
