#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

// The two kinds of payment statement a subscriber can file, with their texts.
namespace PaymentStatementKind
{
Q_NAMESPACE
QML_ELEMENT
enum Kind {
    WrongPayment, // paid to someone else's personal account
    Recalculation,
};
Q_ENUM_NS(Kind)

// Every kind, in the order the statements list shows them.
QList<Kind> all();
QString title(Kind kind);
QString listSubtitle(Kind kind);
QString formIntro(Kind kind);
// Only a wrong payment asks for the amount and the date of the payment.
bool showsAmountAndDate(Kind kind);
} // namespace PaymentStatementKind
