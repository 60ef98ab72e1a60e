#include "phoneentry.h"

#include "asciidigits.h"
#include "russianphone.h"

PhoneEntry::PhoneEntry(QObject *parent)
    : QObject(parent)
{
}

QString PhoneEntry::normalized(const QString &edited)
{
    // "+7 " itself starts with 7, so the stored prefix drops out with the country code.
    return QLatin1String(prefix) + russianNationalDigits(edited);
}

QString PhoneEntry::digits(const QString &value)
{
    return asciiDigits(value);
}

bool PhoneEntry::isValid(const QString &value)
{
    const QString all = digits(value);
    return all.size() == 11 && all.startsWith(QLatin1Char('7'));
}
