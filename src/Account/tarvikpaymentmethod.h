#pragma once

#include <QObject>
#include <QtQml/qqmlregistration.h>

// How a top-up is paid: the fast payment system (СБП) or a bank card.
namespace TarvikPaymentMethod
{
Q_NAMESPACE
QML_ELEMENT
enum Method {
    Sbp,
    BankCard,
};
Q_ENUM_NS(Method)
} // namespace TarvikPaymentMethod
