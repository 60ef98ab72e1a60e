#include "phoneentry.h"

#include "asciidigits.h"

PhoneEntry::PhoneEntry(QObject *parent)
    : QObject(parent)
{
}

QString PhoneEntry::normalized(const QString &edited)
{
    QString national = asciiDigits(edited);
    // The country code or the trunk prefix the user may type first; "+7 " itself starts with 7,
    // so the stored prefix drops out here too.
    if (national.startsWith(QLatin1Char('8')) || national.startsWith(QLatin1Char('7')))
        national.remove(0, 1);
    national.truncate(10);
    return QLatin1String(prefix) + national;
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
