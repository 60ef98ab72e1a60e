#include "tarvikshopcatalog.h"

#include "tarvikshopcart.h"

#include <QLocale>

QVariantList TarvikShopCatalog::products()
{
    QVariantList list;
    for (const TarvikShopProduct &product : TarvikShopProduct::catalog())
        list.append(QVariant::fromValue(product));
    return list;
}

bool TarvikShopCatalog::sameProducts(const QVariantList &first, const QVariantList &second)
{
    if (first.size() != second.size())
        return false;
    for (qsizetype i = 0; i < first.size(); ++i) {
        if (!first.at(i).canConvert<TarvikShopProduct>() || !second.at(i).canConvert<TarvikShopProduct>()
            || first.at(i).value<TarvikShopProduct>() != second.at(i).value<TarvikShopProduct>())
            return false;
    }
    return true;
}

QList<TarvikShopProduct> TarvikShopCatalog::filtered(const QList<TarvikShopProduct> &products, const QString &text)
{
    if (text.isEmpty())
        return products;
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    const QString needle = russian.toLower(text);
    QList<TarvikShopProduct> found;
    for (const TarvikShopProduct &product : products) {
        if (russian.toLower(product.name).contains(needle) || russian.toLower(product.description).contains(needle))
            found.append(product);
    }
    return found;
}

QVariantList TarvikShopCatalog::filtered(const QVariantList &products, const QString &text)
{
    QList<TarvikShopProduct> list;
    for (const QVariant &product : products) {
        if (product.canConvert<TarvikShopProduct>())
            list.append(product.value<TarvikShopProduct>());
    }
    QVariantList result;
    for (const TarvikShopProduct &product : filtered(list, text))
        result.append(QVariant::fromValue(product));
    return result;
}

qint64 TarvikShopCatalog::totalRubles(const QVariantList &items)
{
    return TarvikShopCart::totalRubles(cartItems(items));
}

QString TarvikShopCatalog::formatRubles(qint64 rubles)
{
    return TarvikShopCart::formatRubles(rubles);
}

QList<TarvikShopCartItem> TarvikShopCatalog::cartItems(const QVariantList &items)
{
    QList<TarvikShopCartItem> lines;
    for (const QVariant &item : items) {
        if (item.canConvert<TarvikShopCartItem>())
            lines.append(item.value<TarvikShopCartItem>());
    }
    return lines;
}
