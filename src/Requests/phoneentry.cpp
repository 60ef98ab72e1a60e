#include "phoneentry.h"

#include "asciidigits.h"
#include "russianphone.h"

PhoneEntry::PhoneEntry(QObject *parent)
    : QObject(parent)
{
}

QString PhoneEntry::normalized(const QString &edited, const QString &stored)
{
    return russianPhoneEntry(edited, stored);
}

QString PhoneEntry::digits(const QString &value)
{
    return asciiDigits(value);
}

bool PhoneEntry::isValid(const QString &value)
{
    return !russianFieldNumber(value).isEmpty();
}
