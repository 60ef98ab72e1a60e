#pragma once

#include "result.h"
#include "tarvikaccountdata.h"

#include <QJsonObject>
#include <QList>

// One JSON object of a personal-account reply, read leniently.
class TarvikAPIObject
{
public:
    TarvikAPIObject() = default;
    explicit TarvikAPIObject(QJsonObject values)
        : m_values(std::move(values))
    {
    }

    const QJsonObject &values() const { return m_values; }

    // The key's string or number as trimmed text, cut to BoundedText::maxLength; `fallback`
    // (untrimmed) when the key is missing, of another type, or blank. JSON true and false read as
    // "1" and "0".
    QString text(const QString &key, const QString &fallback = TarvikAccountData::noValue) const;
    // The array of objects under `key`; invalidResponse when it is anything else.
    Result<QList<TarvikAPIObject>> objects(const QString &key) const;

private:
    QJsonObject m_values;
};
