#include "tarvikapiobject.h"

#include "boundedtext.h"
#include "tarvikapierror.h"

#include <QJsonArray>
#include <QLocale>

namespace
{
QString numberText(double number)
{
    // Integers are written without a decimal point; other numbers in their shortest exact form.
    if (std::trunc(number) == number && std::abs(number) < 9007199254740992.0)
        return QString::number(qint64(number));
    return QString::number(number, 'g', QLocale::FloatingPointShortest);
}
} // namespace

QString TarvikAPIObject::text(const QString &key, const QString &fallback) const
{
    const auto it = m_values.constFind(key);
    if (it == m_values.constEnd())
        return fallback;
    QString text;
    switch (it->type()) {
    case QJsonValue::String:
        text = it->toString();
        break;
    case QJsonValue::Double:
        text = numberText(it->toDouble());
        break;
    case QJsonValue::Bool:
        text = it->toBool() ? QStringLiteral("1") : QStringLiteral("0");
        break;
    default:
        return fallback;
    }
    text = text.trimmed();
    return text.isEmpty() ? fallback : BoundedText::cut(text);
}

Result<QList<TarvikAPIObject>> TarvikAPIObject::objects(const QString &key) const
{
    const auto it = m_values.constFind(key);
    if (it == m_values.constEnd() || !it->isArray())
        return TarvikAPIErrors::invalidResponse();
    QList<TarvikAPIObject> list;
    const QJsonArray array = it->toArray();
    list.reserve(array.size());
    for (const QJsonValue &element : array) {
        if (!element.isObject())
            return TarvikAPIErrors::invalidResponse();
        list.append(TarvikAPIObject(element.toObject()));
    }
    return list;
}
