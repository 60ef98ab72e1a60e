#include "russianplural.h"

RussianPlural::RussianPlural(QObject *parent)
    : QObject(parent)
{
}

namespace
{
enum class Form { One, Few, Many };

// The form `number` takes: by its last two digits, whatever its sign.
Form form(qint64 number)
{
    // The remainder keeps the sign; the rules look at the digits only.
    const qint64 lastTwo = number % 100 < 0 ? -(number % 100) : number % 100;
    const qint64 last = lastTwo % 10;
    if (lastTwo >= 11 && lastTwo <= 14)
        return Form::Many;
    if (last == 1)
        return Form::One;
    if (last >= 2 && last <= 4)
        return Form::Few;
    return Form::Many;
}
} // namespace

QString RussianPlural::word(qint64 number, const QString &one, const QString &few, const QString &many)
{
    switch (form(number)) {
    case Form::One:
        return one;
    case Form::Few:
        return few;
    case Form::Many:
        break;
    }
    return many;
}

QString RussianPlural::count(qint64 number, const QString &one, const QString &few, const QString &many)
{
    return QString::number(number) + QLatin1Char(' ') + word(number, one, few, many);
}

QString RussianPlural::countFromText(const QString &number, const QString &one, const QString &few, const QString &many)
{
    // The last two digits decide the form, so grouped thousands ("1 021") need no reading.
    qsizetype start = number.size();
    while (start > 0 && number.size() - start < 2 && number.at(start - 1) >= QLatin1Char('0')
           && number.at(start - 1) <= QLatin1Char('9'))
        --start;
    const QString digits = number.mid(start);
    return number + QLatin1Char(' ') + (digits.isEmpty() ? many : word(digits.toLongLong(), one, few, many));
}
