#pragma once

#include "asciidigits.h"

#include <QString>
#include <QStringView>

// Whole Russian phone numbers, for every form of the app that takes one (the entry of a number
// while it is typed is PhoneEntry's). Only ASCII digits count: pasted "½", "²" or other
// scripts' digits are dropped like letters.

// A whole number in a field that writes the country code itself ("+7 (912) 345-67-89"): its
// ASCII digits when they are "7" and ten more, else empty.
inline QString russianFieldNumber(QStringView text)
{
    QString digits = asciiDigits(text);
    if (digits.size() != 11 || !digits.startsWith(QLatin1Char('7')))
        digits.clear();
    return digits;
}

// A whole number however it was written: ten ASCII digits, or eleven after the country code 7 or
// the trunk prefix 8. "7" and the ten national digits ("79123456789"), else empty.
inline QString russianWrittenNumber(QStringView text)
{
    const QString digits = asciiDigits(text);
    if (digits.size() == 10)
        return QLatin1Char('7') + digits;
    if (digits.size() == 11 && (digits.startsWith(QLatin1Char('7')) || digits.startsWith(QLatin1Char('8'))))
        return QLatin1Char('7') + digits.mid(1);
    return {};
}

// Whether `number`, "7" and ten digits, is a mobile one: its national part begins with 9.
inline bool isRussianMobile(QStringView number)
{
    return number.size() == 11 && number.startsWith(u"79");
}
