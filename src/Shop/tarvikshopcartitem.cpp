#include "tarvikshopcartitem.h"

#include "jsonfields.h"

#include <QHashFunctions>
#include <QJsonDocument>

QJsonObject TarvikShopCartItem::toJson() const
{
    return {{QStringLiteral("product"), product.toJson()}, {QStringLiteral("quantity"), quantity}};
}

std::optional<TarvikShopCartItem> TarvikShopCartItem::fromJson(const QJsonValue &json)
{
    const QJsonObject object = json.toObject();
    std::optional<TarvikShopProduct> product = TarvikShopProduct::fromJson(object.value(QStringLiteral("product")));
    TarvikShopCartItem item;
    if (!json.isObject() || !product || !JsonFields::read(object, "quantity", item.quantity))
        return std::nullopt;
    item.product = std::move(*product);
    return item;
}

QByteArray TarvikShopCartItem::listToJson(const QList<TarvikShopCartItem> &items)
{
    return QJsonDocument(JsonFields::toArray(items)).toJson(QJsonDocument::Compact);
}

std::optional<QList<TarvikShopCartItem>> TarvikShopCartItem::listFromJson(const QByteArray &json)
{
    const QJsonDocument document = QJsonDocument::fromJson(json);
    if (!document.isArray())
        return std::nullopt;
    QList<TarvikShopCartItem> items;
    for (const QJsonValue &element : document.array()) {
        std::optional<TarvikShopCartItem> item = fromJson(element);
        if (!item)
            return std::nullopt;
        items.append(std::move(*item));
    }
    return items;
}

size_t qHash(const TarvikShopCartItem &item, size_t seed)
{
    return qHashMulti(seed, item.product, item.quantity);
}
