#include "operatorphone.h"

#include "phoneentry.h"

namespace
{
// The ten national digits; every other form of the number is made from them.
QString nationalDigits()
{
    return QStringLiteral("4953184277");
}
} // namespace

OperatorPhone::OperatorPhone(QObject *parent)
    : QObject(parent)
{
}

QString OperatorPhone::text()
{
    return PhoneEntry::text(nationalDigits(), PhoneEntry::Masked);
}

QString OperatorPhone::link()
{
    return QStringLiteral("tel:+7") + nationalDigits();
}

QString OperatorPhone::spoken()
{
    const QString digits = nationalDigits();
    return QStringLiteral("плюс семь, ") + digits.left(3) + QStringLiteral(", ") + digits.mid(3, 3) + QLatin1Char('-')
        + digits.mid(6, 2) + QLatin1Char('-') + digits.mid(8, 2);
}
