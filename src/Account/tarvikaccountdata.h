#pragma once

#include "tarvikpaymentoperation.h"

#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

// The subscriber's account as ready-to-show texts. Default-constructed, it is the placeholder
// account shown before any account exists; "—" (one em dash) means "no value".
class TarvikAccountData
{
    Q_GADGET
    QML_VALUE_TYPE(accountData)
    Q_PROPERTY(QString accountNumber MEMBER accountNumber)
    Q_PROPERTY(QString balance MEMBER balance)
    Q_PROPERTY(QString daysToBlock MEMBER daysToBlock)
    Q_PROPERTY(QString tariffName MEMBER tariffName)
    Q_PROPERTY(QString tariffSpeed MEMBER tariffSpeed)
    Q_PROPERTY(QString tariffPrice MEMBER tariffPrice)
    Q_PROPERTY(QString bonusBalance MEMBER bonusBalance)
    Q_PROPERTY(QString fullName MEMBER fullName)
    Q_PROPERTY(QString address MEMBER address)
    Q_PROPERTY(QString homePhone MEMBER homePhone)
    Q_PROPERTY(QString mobilePhone MEMBER mobilePhone)
    Q_PROPERTY(QString email MEMBER email)
    Q_PROPERTY(QString additionalService MEMBER additionalService)
    Q_PROPERTY(QString additionalServicePrice MEMBER additionalServicePrice)
    Q_PROPERTY(QString monthlyCharges MEMBER monthlyCharges)
    Q_PROPERTY(bool televisionConnected MEMBER televisionConnected)
    Q_PROPERTY(bool hasPaymentHistory MEMBER hasPaymentHistory)
    Q_PROPERTY(QVariantList paymentOperations READ paymentOperationList)
    Q_PROPERTY(QString firstName READ firstName)
    // The account number, or the no-value text while there is none.
    Q_PROPERTY(QString shownAccountNumber READ shownAccountNumber)

public:
    static inline const QString noValue = QStringLiteral("—");
    static inline const QString placeholderFullName = QStringLiteral("Абонент Tarvik");

    QString accountNumber;
    QString balance = noValue;
    QString daysToBlock = noValue;
    QString tariffName = noValue;
    QString tariffSpeed = noValue;
    QString tariffPrice = noValue;
    QString bonusBalance = noValue;
    QString fullName = placeholderFullName;
    QString address = noValue;
    QString homePhone = noValue;
    QString mobilePhone = noValue;
    QString email = noValue;
    QString additionalService = noValue;
    QString additionalServicePrice = noValue;
    QString monthlyCharges = noValue;
    bool televisionConnected = false;
    bool hasPaymentHistory = false;
    QList<TarvikPaymentOperation> paymentOperations;

    QString shownAccountNumber() const { return accountNumber.isEmpty() ? noValue : accountNumber; }
    // The given name: the word before a patronymic where the name holds one, else the first word;
    // "Абонент" when the name has no word.
    QString firstName() const;
    // The balance as screens show it: "—" as it is, else "." becomes "," and " ₽" follows.
    static QString balanceText(const QString &balance);

    QJsonObject toJson() const;
    // Strict: every key present with its type, or nothing. Texts are cut to BoundedText::maxLength.
    static std::optional<TarvikAccountData> fromJson(const QJsonObject &object);

    friend bool operator==(const TarvikAccountData &, const TarvikAccountData &) = default;

private:
    QVariantList paymentOperationList() const;
};
