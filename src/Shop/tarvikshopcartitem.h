#pragma once

#include "tarvikshopproduct.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QObject>
#include <QtQml/qqmlregistration.h>

#include <optional>

// One line of the cart: a product and how many pieces of it; identified by the product's number.
class TarvikShopCartItem
{
    Q_GADGET
    QML_VALUE_TYPE(shopCartItem)
    Q_PROPERTY(qint64 id READ id CONSTANT)
    Q_PROPERTY(TarvikShopProduct product MEMBER product CONSTANT)
    Q_PROPERTY(qint64 quantity MEMBER quantity CONSTANT)

public:
    TarvikShopProduct product;
    qint64 quantity = 0;

    qint64 id() const { return product.id; }

    QJsonObject toJson() const;
    static std::optional<TarvikShopCartItem> fromJson(const QJsonValue &json);

    // The stored form of a cart: a JSON array of lines, in order.
    static QByteArray listToJson(const QList<TarvikShopCartItem> &items);
    // Strict and all-or-nothing: one malformed line fails the whole list.
    static std::optional<QList<TarvikShopCartItem>> listFromJson(const QByteArray &json);

    friend bool operator==(const TarvikShopCartItem &, const TarvikShopCartItem &) = default;
};

size_t qHash(const TarvikShopCartItem &item, size_t seed = 0);
