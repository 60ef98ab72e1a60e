#pragma once

#include "tarvikshopcartitem.h"

#include <QObject>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

// What the shop's screens compute: the catalog, its search, and the amount due of an order.
// Reached from QML as the singleton ShopCatalog.
class TarvikShopCatalog : public QObject
{
    Q_OBJECT
    QML_NAMED_ELEMENT(ShopCatalog)
    QML_SINGLETON

public:
    using QObject::QObject;

    // The products, in catalog order.
    Q_INVOKABLE static QVariantList products();
    // Whether two QML lists hold equal products in the same order.
    Q_INVOKABLE static bool sameProducts(const QVariantList &first, const QVariantList &second);
    // The products whose name or description contains `text`, ignoring case (Russian rules);
    // all of them for an empty text. The text is taken as typed.
    static QList<TarvikShopProduct> filtered(const QList<TarvikShopProduct> &products, const QString &text);
    Q_INVOKABLE static QVariantList filtered(const QVariantList &products, const QString &text);

    // The amount due of `items` (cart lines), by the cart's rule.
    Q_INVOKABLE static qint64 totalRubles(const QVariantList &items);
    // "9 100 ₽": digits grouped by plain spaces.
    Q_INVOKABLE static QString formatRubles(qint64 rubles);
    // The lines of a QML list of cart items (anything else in it is skipped).
    static QList<TarvikShopCartItem> cartItems(const QVariantList &items);
};
