#pragma once

#include <QDateTime>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QString>
#include <QVariant>

#include <cmath>
#include <optional>

// Strict readers for the app's stored records: a key must be present with the expected JSON type;
// a missing key, null or a wrong type fails the whole record.
namespace JsonFields
{
inline bool read(const QJsonObject &object, const char *key, QString &out)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (!value.isString())
        return false;
    out = value.toString();
    return true;
}

inline bool read(const QJsonObject &object, const char *key, bool &out)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (!value.isBool())
        return false;
    out = value.toBool();
    return true;
}

inline bool read(const QJsonObject &object, const char *key, double &out)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (!value.isDouble())
        return false;
    out = value.toDouble();
    return true;
}

// Dates are stored as seconds (with a fraction) since 1 January 2001 00:00:00 UTC.
inline QDateTime referenceDate()
{
    return QDateTime(QDate(2001, 1, 1), QTime(0, 0), Qt::UTC);
}

inline double secondsSinceReferenceDate(const QDateTime &date)
{
    return double(referenceDate().msecsTo(date)) / 1000.0;
}

// The dates a record of ours may hold: from 1970 up to 2200. A number outside (or not a number at
// all) is damage, not a date, and fails its record like any other bad field.
constexpr double earliestReferenceSeconds = -978307200.0; // 1970-01-01 00:00:00 UTC
constexpr double latestReferenceSeconds = 6279811200.0; // 2200-01-01 00:00:00 UTC

inline bool isStorableDate(const QDateTime &date)
{
    if (!date.isValid())
        return false;
    const qint64 msecs = referenceDate().msecsTo(date);
    return msecs >= qint64(earliestReferenceSeconds) * 1000 && msecs <= qint64(latestReferenceSeconds) * 1000;
}

inline std::optional<QDateTime> dateFromReferenceSeconds(double seconds)
{
    if (!(seconds >= earliestReferenceSeconds && seconds <= latestReferenceSeconds))
        return std::nullopt;
    return referenceDate().addMSecs(qRound64(seconds * 1000.0)).toLocalTime();
}


// A JSON number holding a whole value within the 64-bit range (3.0 reads as 3, 3.5 fails).
inline bool read(const QJsonObject &object, const char *key, qint64 &out)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (!value.isDouble())
        return false;
    const QVariant number = value.toVariant();
    if (number.typeId() == QMetaType::LongLong) {
        out = number.toLongLong();
        return true;
    }
    const double real = value.toDouble();
    // 2^63 itself is out of range; every double below it converts exactly.
    if (std::trunc(real) != real || real < -9223372036854775808.0 || real >= 9223372036854775808.0)
        return false;
    out = qint64(real);
    return true;
}

inline bool read(const QJsonObject &object, const char *key, QStringList &out)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (!value.isArray())
        return false;
    out.clear();
    for (const QJsonValue &element : value.toArray()) {
        if (!element.isString())
            return false;
        out.append(element.toString());
    }
    return true;
}

// A list of records, each decoded by T::fromJson; one bad element fails the list.
template<typename T>
bool read(const QJsonObject &object, const char *key, QList<T> &out)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (!value.isArray())
        return false;
    out.clear();
    for (const QJsonValue &element : value.toArray()) {
        std::optional<T> decoded = T::fromJson(element);
        if (!decoded)
            return false;
        out.append(std::move(*decoded));
    }
    return true;
}

template<typename T>
QJsonArray toArray(const QList<T> &list)
{
    QJsonArray array;
    for (const T &element : list)
        array.append(element.toJson());
    return array;
}
} // namespace JsonFields
