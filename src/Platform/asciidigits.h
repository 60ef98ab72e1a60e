#pragma once

#include <QString>
#include <QStringView>

// The ASCII digits 0-9 of `text`, in order. Nothing else counts as a digit: pasted "²", "½" or
// other scripts' digits would otherwise pass as numbers.
inline QString asciiDigits(QStringView text)
{
    QString digits;
    digits.reserve(text.size());
    for (const QChar c : text) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digits.append(c);
    }
    return digits;
}

