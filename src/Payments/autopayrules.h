#pragma once

#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

// The rules of the autopay screen and the texts it makes by them, from the account's display
// texts: the monthly amount, the payment day kept within 1 to 28, the row values and the
// confirmation. Stateless; reached from QML as the singleton `AutopayRules`.
class AutopayRules : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    using QObject::QObject;

    // A price text without its "per month" part: "890 ₽/мес." gives "890 ₽"; empty or "—" gives "—".
    Q_INVOKABLE static QString cleanedMoney(const QString &text);
    // The tariff price, else the monthly charges, else "1 000 ₽".
    Q_INVOKABLE static QString subscriptionAmount(const QString &tariffPrice, const QString &monthlyCharges);
    // The day the user typed, as a day from 1 to 28; empty when it holds no usable number.
    Q_INVOKABLE static QString normalizedPaymentDay(const QString &text);
    Q_INVOKABLE static QString tariffRowValue(const QString &tariffName);
    Q_INVOKABLE static QString accountRowValue(const QString &accountNumber);
    // The message of the alert "Автоплатёж почти готов".
    Q_INVOKABLE static QString confirmationMessage(const QString &amount, const QString &paymentDay);
};
