#include "tarvikshopspecification.h"

#include "jsonfields.h"

#include <QHashFunctions>

QJsonObject TarvikShopSpecification::toJson() const
{
    return {{QStringLiteral("title"), title}, {QStringLiteral("value"), value}};
}

std::optional<TarvikShopSpecification> TarvikShopSpecification::fromJson(const QJsonValue &json)
{
    const QJsonObject object = json.toObject();
    TarvikShopSpecification specification;
    if (!json.isObject() || !JsonFields::read(object, "title", specification.title) || !JsonFields::read(object, "value", specification.value))
        return std::nullopt;
    return specification;
}

size_t qHash(const TarvikShopSpecification &specification, size_t seed)
{
    return qHashMulti(seed, specification.title, specification.value);
}
