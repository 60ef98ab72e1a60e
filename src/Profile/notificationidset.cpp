#include "notificationidset.h"

#include <algorithm>
#include <limits>

namespace
{
// A whole decimal number of ASCII digits only; false when anything else is in it or it
// overflows.
bool parseId(QStringView piece, qint64 *id)
{
    if (piece.isEmpty())
        return false;
    qint64 value = 0;
    for (const QChar c : piece) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
        const int digit = c.unicode() - '0';
        if (value > (std::numeric_limits<qint64>::max() - digit) / 10)
            return false;
        value = value * 10 + digit;
    }
    *id = value;
    return true;
}

void sortUnique(QList<qint64> &ids)
{
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
}
} // namespace

QList<qint64> NotificationIdSet::parse(QStringView text)
{
    QList<qint64> ids;
    for (const QStringView piece : text.tokenize(QLatin1Char(','), Qt::SkipEmptyParts)) {
        qint64 id = 0;
        if (parseId(piece, &id))
            ids.append(id);
    }
    sortUnique(ids);
    return ids;
}

QString NotificationIdSet::serialise(QList<qint64> ids)
{
    sortUnique(ids);
    QStringList pieces;
    pieces.reserve(ids.size());
    for (const qint64 id : std::as_const(ids))
        pieces.append(QString::number(id));
    return pieces.join(QLatin1Char(','));
}
