#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QJsonValue>

// Strict readers for the app's stored records: a key must be present with the expected type.
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

inline QDateTime dateFromReferenceSeconds(double seconds)
{
    return referenceDate().addMSecs(qRound64(seconds * 1000.0)).toLocalTime();
}
} // namespace JsonFields
