#pragma once

#include "asciidigits.h"

#include <QString>
#include <QStringView>

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
