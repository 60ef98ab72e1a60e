#include "paymentstatementform.h"

PaymentStatementForm::PaymentStatementForm(QObject *parent)
    : QObject(parent)
{
}

void PaymentStatementForm::setKind(PaymentStatementKind::Kind kind)
{
    if (m_kind == kind)
        return;
    m_kind = kind;
    Q_EMIT kindChanged();
    updateCanSubmit();
}

void PaymentStatementForm::setAmount(const QString &amount)
{
    if (m_amount == amount)
        return;
    m_amount = amount;
    Q_EMIT amountChanged();
    updateCanSubmit();
}

void PaymentStatementForm::setOperationDate(const QDateTime &date)
{
    if (m_operationDate == date)
        return;
    m_operationDate = date;
    Q_EMIT operationDateChanged();
}

void PaymentStatementForm::setComment(const QString &comment)
{
    if (m_comment == comment)
        return;
    m_comment = comment;
    Q_EMIT commentChanged();
    updateCanSubmit();
}

bool PaymentStatementForm::canSubmit() const
{
    // The amount is neither parsed nor limited; the date is always accepted.
    if (m_comment.trimmed().isEmpty())
        return false;
    return !showsAmountAndDate() || !m_amount.trimmed().isEmpty();
}

void PaymentStatementForm::submit()
{
    if (canSubmit())
        m_request.send();
}

void PaymentStatementForm::updateCanSubmit()
{
    const bool can = canSubmit();
    if (m_canSubmit == can)
        return;
    m_canSubmit = can;
    Q_EMIT canSubmitChanged();
}
