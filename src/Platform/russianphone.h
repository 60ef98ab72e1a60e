#pragma once

#include "asciidigits.h"

#include <QString>
#include <QStringView>

// The rules of Russian phone numbers, for every field and form of the app that takes one. Only
// ASCII digits count: pasted "½", "²" or other scripts' digits are dropped like letters.

// The ten national digits of a Russian phone number as typed so far: the ASCII digits, without a
// leading country code "7" or trunk prefix "8", at most ten.
inline QString russianNationalDigits(QStringView text)
{
    QString national = asciiDigits(text);
    if (national.startsWith(QLatin1Char('7')) || national.startsWith(QLatin1Char('8')))
        national.remove(0, 1);
    national.truncate(10);
    return national;
}

// What a phone field shows while the number is typed: "+7 (ddd) ddd-dd-dd", filled as far as the
// typed digits go ("+7 " when there are none).
inline QString russianPhoneMask(QStringView text)
{
    const QString national = russianNationalDigits(text);
    const qsizetype n = national.size();
    if (n == 0)
        return QStringLiteral("+7 ");
    QString result = QStringLiteral("+7 (") + national.left(3);
    if (n >= 3)
        result += QStringLiteral(") ");
    if (n > 3)
        result += national.mid(3, 3);
    if (n >= 7)
        result += QLatin1Char('-') + national.mid(6, 2);
    if (n >= 9)
        result += QLatin1Char('-') + national.mid(8, 2);
    return result;
}

// The value a "+7 " phone entry stores after an edit of `stored`: "+7 " and the national digits
// typed so far. What was typed is what follows the "+7 " the field shows; a leading 7 or 8 of it
// is the country or trunk code, unless the stored number already began with that digit (an edit
// further along, or a deletion). So "8 (999) 123-45-67" typed key by key stores what pasting it
// does, "+7 9991234567".
inline QString russianPhoneEntry(QStringView edited, QStringView stored = u"+7 ")
{
    constexpr QStringView shown = u"+7 ";
    const auto typed = [shown](QStringView text) {
        return asciiDigits(text.startsWith(shown) ? text.mid(shown.size()) : text);
    };
    const QString before = typed(stored);
    QString national = typed(edited);
    if ((national.startsWith(QLatin1Char('7')) || national.startsWith(QLatin1Char('8'))) && !before.startsWith(national.front()))
        national.remove(0, 1);
    national.truncate(10);
    return shown.toString() + national;
}

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
