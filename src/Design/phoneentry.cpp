#include "phoneentry.h"

#include "asciidigits.h"

PhoneEntry::PhoneEntry(QObject *parent)
    : QObject(parent)
{
}

QString PhoneEntry::normalized(const QString &edited, const QString &stored)
{
    const QLatin1String shown(prefix);
    const QString before = asciiDigits(stored.startsWith(shown) ? QStringView(stored).mid(shown.size()) : QStringView(stored));
    QString national = asciiDigits(edited.startsWith(shown) ? QStringView(edited).mid(shown.size()) : QStringView(edited));
    if ((national.startsWith(QLatin1Char('7')) || national.startsWith(QLatin1Char('8'))) && !before.startsWith(national.front()))
        national.remove(0, 1);
    national.truncate(10);
    return shown + national;
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
