#pragma once

#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

#include <optional>

// One row of the payment history, as display texts.
class TarvikPaymentOperation
{
    Q_GADGET
    QML_VALUE_TYPE(paymentOperation)
    Q_PROPERTY(QString id MEMBER id CONSTANT)
    Q_PROPERTY(QString title MEMBER title CONSTANT)
    Q_PROPERTY(QString date MEMBER date CONSTANT)
    Q_PROPERTY(QString amount MEMBER amount CONSTANT)
    Q_PROPERTY(bool isPositive MEMBER isPositive CONSTANT)

public:
    QString id;
    QString title;
    QString date;
    QString amount;
    bool isPositive = false;

    QJsonObject toJson() const;
    // Strict, as TarvikAccountData::fromJson; the shown texts are cut to BoundedText::maxLength.
    static std::optional<TarvikPaymentOperation> fromJson(const QJsonObject &object);

    friend bool operator==(const TarvikPaymentOperation &, const TarvikPaymentOperation &) = default;
};

size_t qHash(const TarvikPaymentOperation &operation, size_t seed = 0);
