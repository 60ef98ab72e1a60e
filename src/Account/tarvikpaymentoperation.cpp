#include "tarvikpaymentoperation.h"

#include "boundedtext.h"
#include "jsonfields.h"

#include <QHashFunctions>

QJsonObject TarvikPaymentOperation::toJson() const
{
    return {
        {QStringLiteral("id"), id},
        {QStringLiteral("title"), title},
        {QStringLiteral("date"), date},
        {QStringLiteral("amount"), amount},
        {QStringLiteral("isPositive"), isPositive},
    };
}

std::optional<TarvikPaymentOperation> TarvikPaymentOperation::fromJson(const QJsonObject &object)
{
    using JsonFields::read;
    TarvikPaymentOperation operation;
    if (!read(object, "id", operation.id) || !read(object, "title", operation.title)
        || !read(object, "date", operation.date) || !read(object, "amount", operation.amount)
        || !read(object, "isPositive", operation.isPositive))
        return std::nullopt;
    for (QString *text : {&operation.title, &operation.date, &operation.amount})
        *text = BoundedText::cut(*text);
    return operation;
}

size_t qHash(const TarvikPaymentOperation &operation, size_t seed)
{
    return qHashMulti(seed, operation.id, operation.title, operation.date, operation.amount, operation.isPositive);
}
