#pragma once

#include <QObject>
#include <QString>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

// Texts of the payments tab and the statements list, made from the account's display texts.
// Stateless; reached from QML as the singleton `PaymentTexts`.
class PaymentTexts : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    using QObject::QObject;

    // "1234,50 ₽" from "1234.50"; "—" stays "—". Nothing else is touched: no trimming, no grouping.
    Q_INVOKABLE static QString balanceText(const QString &balance);
    // The recommended top-up with " ₽" appended, whatever it holds ("—" gives "— ₽").
    Q_INVOKABLE static QString recommendedPaymentText(const QString &recommendedPayment);
    // The statements list: one {kind, title, subtitle} per kind, in order.
    Q_INVOKABLE static QVariantList statementKinds();
};
