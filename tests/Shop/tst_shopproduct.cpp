#include "tarvikshopcart.h"
#include "tarvikshopcartitem.h"
#include "tarvikshopproduct.h"

#include <QJsonDocument>
#include <QSet>
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
    // The photo host can be replaced at start, before the catalog is first built, not later.
    void imageHost()
    {
        QVERIFY(TarvikShopProduct::setImageHost(QStringLiteral("127.0.0.1:4443")));
        const QString first = TarvikShopProduct::catalog().constFirst().imageURLs.constFirst();
        QCOMPARE(first, QStringLiteral("https://127.0.0.1:4443/kestrabay-shop-bucket/SNR-RT622-G41_1-01M0FHA8793WYPY8AKYD3RYAN6.webp"));
        QVERIFY(!TarvikShopProduct::setImageHost(QStringLiteral("static.tarvik.ru")));
        QCOMPARE(TarvikShopProduct::catalog().constFirst().imageURLs.constFirst(), first);
    }

    // What the cart and the screens rely on: products told apart by their numbers, prices the
    // cart reads as whole rubles, a photo at least, each on the photo host over https, and
    // reviews told apart within their product, rated one to five stars.
    void catalogHoldsWhatTheShopNeeds()
    {
        const QList<TarvikShopProduct> &products = TarvikShopProduct::catalog();
        QVERIFY(!products.isEmpty());
        QSet<qint64> ids;
        for (const TarvikShopProduct &product : products) {
            const QByteArray name = product.name.toUtf8();
            QVERIFY2(!ids.contains(product.id), name);
            ids.insert(product.id);
            QVERIFY2(TarvikShopCart::unitPrice(product.price) > 0, name);
            QVERIFY2(!product.imageURLs.isEmpty(), name);
            for (const QString &address : product.imageURLs) {
                const QUrl url(address);
                QCOMPARE(url.scheme(), QStringLiteral("https"));
                QVERIFY2(url.path().startsWith(QLatin1String("/kestrabay-shop-bucket/")), qPrintable(address));
            }
            QSet<qint64> reviews;
            for (const TarvikShopReview &review : product.reviews) {
                QVERIFY2(!reviews.contains(review.id), name);
                reviews.insert(review.id);
                QVERIFY2(review.rating >= 1 && review.rating <= 5, name);
            }
        }
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
