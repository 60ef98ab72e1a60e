#include "tarvikshopcartitem.h"
#include "tarvikshopproduct.h"

#include <QJsonDocument>
#include <QTest>

namespace
{
// Replaces (or, with an undefined value, removes) the value at a dotted path such as
// "product.reviews.0.rating" inside a JSON document.
QJsonValue edited(const QJsonValue &value, QStringList path, const QJsonValue &replacement)
{
    if (path.isEmpty())
        return replacement;
    const QString step = path.takeFirst();
    if (value.isArray()) {
        QJsonArray array = value.toArray();
        array[step.toInt()] = edited(array.at(step.toInt()), path, replacement);
        return array;
    }
    QJsonObject object = value.toObject();
    if (path.isEmpty() && replacement.isUndefined())
        object.remove(step);
    else
        object[step] = edited(object.value(step), path, replacement);
    return object;
}
} // namespace

class ShopProductTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The photo host can be replaced at start, before the catalogue is first built, not later.
    void imageHost()
    {
        QVERIFY(TarvikShopProduct::setImageHost(QStringLiteral("127.0.0.1:4443")));
        const QString first = TarvikShopProduct::catalog().constFirst().imageURLs.constFirst();
        QCOMPARE(first, QStringLiteral("https://127.0.0.1:4443/kestrabay-shop-bucket/SNR-RT622-G41_1-01M0FHA8793WYPY8AKYD3RYAN6.webp"));
        QVERIFY(!TarvikShopProduct::setImageHost(QStringLiteral("static.tarvik.ru")));
        QCOMPARE(TarvikShopProduct::catalog().constFirst().imageURLs.constFirst(), first);
    }

    void catalog()
    {
        const QList<TarvikShopProduct> &products = TarvikShopProduct::catalog();
        QCOMPARE(&products, &TarvikShopProduct::catalog());
        QList<qint64> ids;
        QStringList counts;
        for (const TarvikShopProduct &product : products) {
            ids.append(product.id);
            counts.append(QStringLiteral("%1/%2/%3").arg(product.imageURLs.size()).arg(product.specifications.size()).arg(product.reviews.size()));
            QCOMPARE(product.price, product.id < 100 ? QStringLiteral("4 500 ₽") : QStringLiteral("2 300 ₽"));
            for (const QString &url : product.imageURLs) {
                QVERIFY2(url.endsWith(product.id < 100 ? QLatin1String(".webp") : QLatin1String(".jpg")), qPrintable(url));
                QCOMPARE(QUrl(url).scheme(), QStringLiteral("https"));
                QVERIFY(QUrl(url).path().startsWith(QLatin1String("/kestrabay-shop-bucket/")));
            }
        }
        QCOMPARE(ids, (QList<qint64>{1, 2, 101, 102}));
        // Photos, specification lines and reviews of each.
        QCOMPARE(counts.join(QLatin1Char(' ')), QStringLiteral("5/10/2 3/8/2 4/5/2 5/6/2"));
        QCOMPARE(products.at(1).name, QStringLiteral("SberBox SBDV\u2011" "00005"));
        QCOMPARE(products.at(2).reviews, products.at(3).reviews);
    }

    void roundTrip()
    {
        QList<TarvikShopCartItem> items;
        for (const TarvikShopProduct &product : TarvikShopProduct::catalog())
            items.append({.product = product, .quantity = product.id + 1});
        const QByteArray json = TarvikShopCartItem::listToJson(items);
        QCOMPARE(TarvikShopCartItem::listFromJson(json), std::optional(items));

        const QJsonObject line = QJsonDocument::fromJson(json).array().at(0).toObject();
        QCOMPARE(line.keys(), (QStringList{QStringLiteral("product"), QStringLiteral("quantity")}));
        QCOMPARE(line.value(QStringLiteral("product")).toObject().keys(),
                 (QStringList{QStringLiteral("description"), QStringLiteral("id"), QStringLiteral("imageURLs"), QStringLiteral("name"),
                              QStringLiteral("price"), QStringLiteral("reviews"), QStringLiteral("specifications")}));
        QVERIFY(line.value(QStringLiteral("product")).toObject().value(QStringLiteral("id")).isDouble());
    }

    void strictDecoding_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QJsonValue>("replacement");
        QTest::addColumn<bool>("decodes");
        const QJsonValue removed(QJsonValue::Undefined);
        QTest::newRow("unknown key ignored") << "product.colour" << QJsonValue(QStringLiteral("чёрный")) << true;
        QTest::newRow("reviews missing") << "product.reviews" << removed << false;
        QTest::newRow("rating as text") << "product.reviews.0.rating" << QJsonValue(QStringLiteral("5")) << false;
        QTest::newRow("name null") << "product.name" << QJsonValue(QJsonValue::Null) << false;
        QTest::newRow("id with a fraction") << "product.id" << QJsonValue(1.5) << false;
        QTest::newRow("image address as number") << "product.imageURLs.2" << QJsonValue(7) << false;
        QTest::newRow("specification not an object") << "product.specifications.1" << QJsonValue(QStringLiteral("Вес")) << false;
        QTest::newRow("specification value missing") << "product.specifications.1.value" << removed << false;
        QTest::newRow("quantity missing") << "quantity" << removed << false;
        QTest::newRow("quantity as text") << "quantity" << QJsonValue(QStringLiteral("2")) << false;
    }

    void strictDecoding()
    {
        QFETCH(QString, path);
        QFETCH(QJsonValue, replacement);
        QFETCH(bool, decodes);
        const TarvikShopCartItem first{.product = TarvikShopProduct::catalog().at(0), .quantity = 1};
        const TarvikShopCartItem second{.product = TarvikShopProduct::catalog().at(2), .quantity = 2};
        QJsonArray lines = QJsonDocument::fromJson(TarvikShopCartItem::listToJson({first, second})).array();
        // The damage sits in the second line: the whole list fails, not just that line.
        lines[1] = edited(lines.at(1), path.split(QLatin1Char('.')), replacement);
        const auto decoded = TarvikShopCartItem::listFromJson(QJsonDocument(lines).toJson());
        QCOMPARE(decoded.has_value(), decodes);
        if (decodes)
            QCOMPARE(*decoded, (QList<TarvikShopCartItem>{first, second}));
    }

    void equalityCoversEveryField()
    {
        const TarvikShopProduct original = TarvikShopProduct::catalog().at(0);
        TarvikShopProduct changed = original;
        changed.specifications[9].value = QStringLiteral("701 г");
        QVERIFY(original != changed);
        QVERIFY(qHash(original) != qHash(changed));
        changed = original;
        changed.imageURLs.swapItemsAt(0, 1);
        QVERIFY(original != changed);
        QVERIFY(qHash(original) != qHash(changed));
    }
};

QTEST_GUILESS_MAIN(ShopProductTest)
#include "tst_shopproduct.moc"
