#include "phoneentry.h"

#include <algorithm>

namespace
{
constexpr QStringView countryCode = u"+7";

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Where the cursor stands after the first `count` of `national` in the field's text: right after
// that digit (before any separator that follows it), or before the first digit.
int cursorAfter(QStringView national, qsizetype count, PhoneEntry::Display display)
{
    if (count == 0) {
        const QString first = PhoneEntry::text(national.left(1).toString(), display);
        return int(national.isEmpty() ? first.size() : first.size() - 1);
    }
    const QString head = PhoneEntry::text(national.left(count).toString(), display);
    qsizetype end = head.size();
    while (end > 0 && !isDigit(head.at(end - 1)))
        --end;
    return int(end);
}
} // namespace

PhoneEntry::PhoneEntry(QObject *parent)
    : QObject(parent)
{
}

QString PhoneEntry::text(const QString &national, Display display)
{
    const QStringView digits = national;
    const qsizetype n = digits.size();
    QString result;
    // Appends `separator` and the digits from `start` (as many as there are, up to `count`).
    const auto group = [&](QStringView separator, qsizetype start, qsizetype count) {
        result.append(separator).append(digits.mid(start, count));
    };
    switch (display) {
    case Prefixed:
        group(u"+7 ", 0, n);
        break;
    case National:
        group(u"", 0, 3);
        if (n > 3)
            group(u" ", 3, 3);
        if (n > 6)
            group(u"-", 6, 2);
        if (n > 8)
            group(u"-", 8, 2);
        break;
    case Masked:
        if (n == 0)
            return QStringLiteral("+7 ");
        group(u"+7 (", 0, 3);
        if (n >= 3)
            result.append(u") ");
        if (n > 3)
            group(u"", 3, 3);
        if (n >= 7)
            group(u"-", 6, 2);
        if (n >= 9)
            group(u"-", 8, 2);
        break;
    }
    return result;
}

PhoneEdit PhoneEntry::edit(const QString &shown, const QString &edited, int cursor, Display display)
{
    // What of `edited` was already shown: the longest common start and end. The rest is what was
    // typed or pasted.
    const qsizetype shortest = std::min(shown.size(), edited.size());
    qsizetype keptStart = 0;
    while (keptStart < shortest && shown.at(keptStart) == edited.at(keptStart))
        ++keptStart;
    qsizetype keptEnd = 0;
    while (keptEnd < shortest - keptStart && shown.at(shown.size() - 1 - keptEnd) == edited.at(edited.size() - 1 - keptEnd))
        ++keptEnd;
    const qsizetype shownCode = shown.startsWith(countryCode) ? countryCode.size() : 0;

    QString typed;
    qsizetype typedBeforeCursor = 0;
    for (qsizetype i = 0; i < edited.size(); ++i) {
        const qsizetype fromShown = i < keptStart ? i : i >= edited.size() - keptEnd ? shown.size() - (edited.size() - i) : -1;
        if ((fromShown >= 0 && fromShown < shownCode) || !isDigit(edited.at(i)))
            continue;
        typed += edited.at(i);
        if (i < cursor)
            ++typedBeforeCursor;
    }
    if (typed.size() > nationalLength && (typed.startsWith(QLatin1Char('7')) || typed.startsWith(QLatin1Char('8')))) {
        typed.remove(0, 1);
        typedBeforeCursor = std::max<qsizetype>(0, typedBeforeCursor - 1);
    }
    typed.truncate(nationalLength);

    PhoneEdit result;
    result.text = text(typed, display);
    result.cursor = cursorAfter(typed, std::min(typedBeforeCursor, typed.size()), display);
    result.national = std::move(typed);
    return result;
}
