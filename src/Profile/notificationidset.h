#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// The stored form of a set of notification ids: the ids in ascending order as plain decimal
// text, joined by "," without spaces ("0,1"; the empty set is the empty text). Pure functions.
namespace NotificationIdSet
{
// Reads a stored set leniently: empty pieces (",,", a leading or trailing comma) add nothing, and
// a piece that is not a whole decimal number of ASCII digits that fits in 64 bits (" 1", "+1",
// "x", "1.5", "٣") is dropped. Ascending, without duplicates.
QList<qint64> parse(QStringView text);
// `ids` sorted ascending, duplicates dropped, joined by ",".
QString serialise(QList<qint64> ids);
} // namespace NotificationIdSet
