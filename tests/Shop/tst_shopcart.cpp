#include "clock.h"
#include "fakenotificationdaemon.h"
#include "shopcartsingleton.h"
#include "tarvikcartreminderservice.h"
#include "tarvikshopcart.h"
#include "tarvikshopcartmodel.h"
#include "tarvikshopcatalog.h"
#include "userdefaults.h"
#include "usernotificationcenter.h"

#include <QAbstractItemModelTester>
#include <QLoggingCategory>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using Mode = FakeNotificationDaemon::Mode;
using Status = UserNotificationCenter::AuthorizationStatus;

namespace
{
const QString flagKey = QLatin1String(Defaults::shopCartRemindersScheduled.name);
const QString cartKey = QLatin1String(Defaults::shopCart.name);

TarvikShopProduct product(qint64 id)
{
    for (const TarvikShopProduct &product : TarvikShopProduct::catalog()) {
        if (product.id == id)
            return product;
    }
    return {};
}

TarvikShopProduct pricedAt(const QString &price)
{
    TarvikShopProduct priced = product(1);
    priced.price = price;
    return priced;
}

// The lines written as "1:2 101:1".
QList<TarvikShopCartItem> linesOf(const QString &text)
{
    QList<TarvikShopCartItem> items;
    for (const QString &line : text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        items.append({.product = product(line.section(QLatin1Char(':'), 0, 0).toLongLong()),
                      .quantity = line.section(QLatin1Char(':'), 1, 1).toLongLong()});
    return items;
}

// "1:2 101:1": product numbers and quantities of the lines, in order.
QString describe(const QList<TarvikShopCartItem> &items)
{
    QStringList lines;
    for (const TarvikShopCartItem &item : items)
        lines.append(QStringLiteral("%1:%2").arg(item.id()).arg(item.quantity));
    return lines.join(QLatin1Char(' '));
}
} // namespace

class ShopCartTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    ManualClock m_clock{QDateTime(QDate(2026, 9, 2), QTime(10, 0))};
    std::unique_ptr<FakeNotificationDaemon> m_daemon;
    std::unique_ptr<UserDefaults> m_defaults;
    std::unique_ptr<UserNotificationCenter> m_center;

    std::unique_ptr<TarvikShopCart> newCart() { return std::make_unique<TarvikShopCart>(m_defaults.get(), m_center.get()); }

    QStringList pendingIdentifiers() const
    {
        QStringList list;
        for (const NotificationRequest &request : m_center->pendingNotificationRequests())
            list.append(request.identifier);
        return list;
    }

    bool flagSet() const { return m_defaults->value(Defaults::shopCartRemindersScheduled); }

    // Waits until a scheduling pass got its answer and ran to its end.
    void waitForAnswer(Status status = Status::Authorized)
    {
        QTRY_COMPARE(m_center->authorizationStatus(), status);
        QTest::qWait(20);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_dir.isValid());
    }

    void init()
    {
        static int run = 0;
        ++run;
        m_daemon = std::make_unique<FakeNotificationDaemon>();
        QVERIFY(m_daemon->start());
        m_defaults = std::make_unique<UserDefaults>(m_dir.filePath(QStringLiteral("defaults%1.ini").arg(run)));
        m_center = std::make_unique<UserNotificationCenter>(&m_clock, m_dir.filePath(QStringLiteral("notifications%1.json").arg(run)));
    }

    void cleanup()
    {
        m_center.reset();
        m_defaults.reset();
        m_daemon.reset();
    }

    void operations_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("lines");
        QTest::addColumn<qint64>("total");
        QTest::addColumn<bool>("written"); // by the last step
        QTest::newRow("same product twice") << "add 1, add 1" << "1:2" << 9000LL << true;
        QTest::newRow("a line keeps its product") << "add 1, add 1*" << "1:2" << 9000LL << true;
        QTest::newRow("order of first adding") << "add 101, add 1, add 101" << "101:2 1:1" << 9100LL << true;
        QTest::newRow("increment") << "add 2, increment 2" << "2:2" << 9000LL << true;
        QTest::newRow("decrement") << "add 2, add 2, decrement 2" << "2:1" << 4500LL << true;
        QTest::newRow("last decrement removes") << "add 2, add 1, decrement 2" << "1:1" << 4500LL << true;
        QTest::newRow("remove all pieces") << "add 1, add 1, add 102, remove 1" << "102:1" << 2300LL << true;
        QTest::newRow("increment unknown") << "add 1, increment 7" << "1:1" << 4500LL << false;
        QTest::newRow("decrement unknown") << "add 1, decrement 7" << "1:1" << 4500LL << false;
        QTest::newRow("remove unknown") << "add 1, remove 7" << "1:1" << 4500LL << true;
    }

    void operations()
    {
        QFETCH(QString, script);
        QFETCH(QString, lines);
        QFETCH(qint64, total);
        QFETCH(bool, written);
        auto cart = newCart();
        const QStringList steps = script.split(QStringLiteral(", "));
        for (const QString &step : steps) {
            // Take the stored value away behind the cart's back: only a write brings it back.
            if (&step == &steps.last())
                m_defaults->remove(cartKey);
            const QString verb = step.section(QLatin1Char(' '), 0, 0);
            const QString id = step.section(QLatin1Char(' '), 1, 1);
            if (id.endsWith(QLatin1Char('*')))
                cart->add(pricedAt(QStringLiteral("9 999 ₽")));
            else if (verb == QLatin1String("add"))
                cart->add(product(id.toLongLong()));
            else
                QVERIFY(QMetaObject::invokeMethod(cart.get(), qPrintable(verb), Q_ARG(qint64, id.toLongLong())));
        }
        QCOMPARE(describe(cart->items()), lines);
        QCOMPARE(cart->totalRubles(), total);
        QCOMPARE(m_defaults->contains(cartKey), written);
        // What was written is what the next start finds.
        if (written)
            QCOMPARE(newCart()->items(), cart->items());
    }

    void totals_data()
    {
        QTest::addColumn<QStringList>("prices");
        QTest::addColumn<QList<qint64>>("quantities");
        QTest::addColumn<qint64>("count");
        QTest::addColumn<QString>("text");
        const auto row = [](const char *name, QStringList prices, QList<qint64> quantities, qint64 count, const char *text) {
            QTest::newRow(name) << prices << quantities << count << QString::fromUtf8(text);
        };
        row("empty", {}, {}, 0, "0 ₽");
        row("mixed lines", {QStringLiteral("4 500 ₽"), QStringLiteral("2 300 ₽")}, {2, 1}, 3, "11 300 ₽");
        row("quantities 2 and 3", {QStringLiteral("4 500 ₽"), QStringLiteral("4 500 ₽")}, {2, 3}, 5, "22 500 ₽");
        row("under a thousand", {QStringLiteral("999 ₽")}, {1}, 1, "999 ₽");
        row("one thousand", {QStringLiteral("1 000 ₽")}, {1}, 1, "1 000 ₽");
        row("millions", {QStringLiteral("1 234 567 ₽")}, {1}, 1, "1 234 567 ₽");
        row("no number in a price", {QStringLiteral("Бесплатно"), QStringLiteral("2 300 ₽")}, {4, 1}, 5, "2 300 ₽");
        row("digits of another script", {QStringLiteral("\u0664\u0665 ₽")}, {1}, 1, "0 ₽");
        row("beyond 64 bits", {QStringLiteral("99 999 999 999 999 999 999 ₽")}, {1}, 1, "0 ₽");
        row("sum does not wrap", {QStringLiteral("9 223 372 036 854 775 807 ₽")}, {2}, 2, "9 223 372 036 854 775 807 ₽");
        // Past the range the total stays at the top: a later line does not take it back down.
        row("overflow stays", {QStringLiteral("9 223 372 036 854 775 807 ₽"), QStringLiteral("1 ₽")}, {2, -1}, 1,
            "9 223 372 036 854 775 807 ₽");
    }

    void totals()
    {
        QFETCH(QStringList, prices);
        QFETCH(QList<qint64>, quantities);
        QFETCH(qint64, count);
        QFETCH(QString, text);
        auto cart = newCart();
        QList<TarvikShopCartItem> items;
        for (qsizetype i = 0; i < prices.size(); ++i)
            items.append({.product = pricedAt(prices.at(i)), .quantity = quantities.at(i)});
        cart->setItems(items);
        QCOMPARE(cart->itemCount(), count);
        QCOMPARE(cart->formattedTotal(), text);
        QCOMPARE(TarvikShopCart::formatRubles(cart->totalRubles()), text);
        // The order screen's amount due over the same lines is the cart's total.
        QCOMPARE(TarvikShopCatalog::formatRubles(TarvikShopCatalog::totalRubles(cart->property("items").toList())), text);
    }

    void storedValue_data()
    {
        const QByteArray good = TarvikShopCartItem::listToJson({{product(1), 1}, {product(1), 2}});
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("lines");
        QTest::newRow("duplicates kept as stored") << good << "1:1 1:2";
        QTest::newRow("lines without pieces dropped")
            << TarvikShopCartItem::listToJson({{product(1), 0}, {product(2), 3}, {product(101), -1}}) << "2:3";
        QTest::newRow("not JSON") << QByteArray("\x00\xff garbage", 10) << "";
        QTest::newRow("an object") << QByteArray("{\"items\": []}") << "";
        QTest::newRow("a line missing its reviews") << QByteArray(good).replace("\"reviews\"", "\"reviewz\"") << "";
    }

    void storedValue()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QString, lines);
        m_defaults->setValue(Defaults::shopCart, stored);
        // Reminders of an earlier cart, still armed.
        m_defaults->setValue(Defaults::shopCartRemindersScheduled, true);
        for (const QString &identifier : TarvikCartReminderService::identifiers())
            QVERIFY(QCoro::waitFor(m_center->add({.identifier = identifier, .title = QStringLiteral("x"), .timeInterval = 60})));

        auto cart = newCart();
        QCOMPARE(describe(cart->items()), lines);
        QCOMPARE(pendingIdentifiers().size(), lines.isEmpty() ? 0 : 3);
        QCOMPARE(flagSet(), !lines.isEmpty());
        if (lines.isEmpty()) {
            // Not understood: nothing is destroyed until the next save.
            QCOMPARE(m_defaults->value(Defaults::shopCart), stored);
            cart->add(product(102));
            QCOMPARE(describe(*TarvikShopCartItem::listFromJson(m_defaults->value(Defaults::shopCart))), QStringLiteral("102:1"));
        }
    }

    void remindersFollowTheCart_data()
    {
        QTest::addColumn<QString>("emptiedBy");
        QTest::newRow("last decrement") << "decrement";
        QTest::newRow("remove") << "remove";
        QTest::newRow("order placed") << "order";
    }

    void remindersFollowTheCart()
    {
        QFETCH(QString, emptiedBy);
        auto cart = newCart();
        const QDateTime filledAt = m_clock.now();
        cart->add(product(101));
        QTRY_VERIFY(flagSet());
        QCOMPARE(pendingIdentifiers(), TarvikCartReminderService::identifiers());
        const QList<qint64> delays{60, 3600, 18000};
        for (qsizetype i = 0; i < 3; ++i) {
            const NotificationRequest request = m_center->pendingNotificationRequests().at(i);
            QCOMPARE(request.title, QStringLiteral("TarvikShop"));
            QCOMPARE(request.body, QStringLiteral("Вы ещё не оплатили заказ"));
            QCOMPARE(request.threadIdentifier, QStringLiteral("tarvik-shop-cart"));
            QVERIFY(request.defaultSound);
            QCOMPARE(m_center->nextTriggerDate(request.identifier), filledAt.addSecs(delays.at(i)));
        }

        // More products, or a restart, do not restart the delays; the first reminder shows.
        m_clock.advance(60);
        m_center->reschedule();
        cart->add(product(2));
        cart.reset();
        cart = newCart();
        QTRY_COMPARE(m_daemon->shown.size(), 1);
        QCOMPARE(m_daemon->capabilityRequests, 1);
        QCOMPARE(m_center->nextTriggerDate(pendingIdentifiers().at(0)), filledAt.addSecs(3600));

        if (emptiedBy == QLatin1String("order")) {
            cart->removeOrdered(cart->items());
        } else {
            QVERIFY(QMetaObject::invokeMethod(cart.get(), qPrintable(emptiedBy), Q_ARG(qint64, 101)));
            cart->remove(2);
        }
        QVERIFY(pendingIdentifiers().isEmpty());
        QVERIFY(!m_defaults->contains(flagKey));
        QTRY_COMPARE(m_daemon->closed, QList<uint>{m_daemon->shown.at(0).id});

        // The next first product arms them again.
        cart->add(product(1));
        QTRY_VERIFY(flagSet());
        QCOMPARE(pendingIdentifiers().size(), 3);
    }

    // A confirmed order takes off what it ordered, per product, and leaves the rest: lines added
    // while the checkout was open, and pieces beyond the ordered quantity.
    void removeOrdered_data()
    {
        QTest::addColumn<QString>("cart");
        QTest::addColumn<QString>("ordered");
        QTest::addColumn<QString>("left");
        QTest::newRow("everything ordered") << "1:1 101:2" << "1:1 101:2" << "";
        QTest::newRow("added on another tab meanwhile") << "1:1 101:3 2:1" << "1:1 101:2" << "101:1 2:1";
        QTest::newRow("lowered meanwhile") << "101:1 2:2" << "101:2" << "2:2";
        QTest::newRow("removed meanwhile") << "2:1" << "1:1 101:2" << "2:1";
        QTest::newRow("nothing ordered") << "1:2" << "" << "1:2";
    }

    void removeOrdered()
    {
        QFETCH(QString, cart);
        QFETCH(QString, ordered);
        QFETCH(QString, left);
        const auto lines = linesOf;
        auto shop = newCart();
        shop->setItems(lines(cart));
        shop->persist();
        QVariantList fromQml;
        for (const TarvikShopCartItem &item : lines(ordered))
            fromQml.append(QVariant::fromValue(item));
        QVERIFY(QMetaObject::invokeMethod(shop.get(), "removeOrdered", Q_ARG(QVariantList, fromQml)));
        QCOMPARE(describe(shop->items()), left);
        // Stored: a restart sees the same cart.
        shop.reset();
        QCOMPARE(describe(newCart()->items()), left);
        if (left.isEmpty())
            QVERIFY(!m_defaults->contains(flagKey));
    }

    void notArmed_data()
    {
        QTest::addColumn<bool>("permitted");
        QTest::newRow("permission refused") << false;
        QTest::newRow("requests not stored") << true;
    }

    void notArmed()
    {
        QFETCH(bool, permitted);
        if (permitted) {
            // The centre cannot store requests: a folder path that is a regular file.
            QFile blocker(m_dir.filePath(QStringLiteral("blocker")));
            QVERIFY(blocker.open(QIODevice::WriteOnly));
            m_center = std::make_unique<UserNotificationCenter>(&m_clock, blocker.fileName() + QStringLiteral("/n.json"));
            QLoggingCategory::setFilterRules(QStringLiteral("tarvik.notifications.warning=false"));
        } else {
            m_daemon->setMode(Mode::Refuse);
        }
        auto cart = newCart();
        cart->add(product(1));
        waitForAnswer(permitted ? Status::Authorized : Status::Denied);
        QLoggingCategory::setFilterRules(QString());
        QVERIFY(pendingIdentifiers().isEmpty());
        QVERIFY(!m_defaults->contains(flagKey));
        QCOMPARE(describe(cart->items()), QStringLiteral("1:1"));

        if (!permitted) {
            // Permission given later: the next start asks again.
            m_daemon->setMode(Mode::Answer);
            cart.reset();
            cart = newCart();
            QTRY_VERIFY(flagSet());
            QCOMPARE(pendingIdentifiers().size(), 3);
        }
    }

    void emptiedWhileAsking_data()
    {
        QTest::addColumn<bool>("refilled");
        QTest::newRow("stays empty") << false;
        QTest::newRow("filled again") << true;
    }

    void emptiedWhileAsking()
    {
        QFETCH(bool, refilled);
        m_daemon->setMode(Mode::Hold);
        auto cart = newCart();
        cart->add(product(1));
        QTRY_COMPARE(m_daemon->capabilityRequests, 1);
        cart->decrement(1);
        if (refilled) {
            cart->add(product(2));
            QTRY_COMPARE(m_daemon->capabilityRequests, 2);
        }
        m_daemon->release();
        waitForAnswer();

        // The pass that was overtaken by emptying arms nothing and sets no flag.
        QCOMPARE(flagSet(), refilled);
        QCOMPARE(pendingIdentifiers().size(), refilled ? 3 : 0);
    }

    void lineModelFollowsTheCart_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        // Row operations the model reports: inserted, removed, moved, changed.
        QTest::addColumn<QList<int>>("operations");
        QTest::newRow("plus") << "1:1 2:1 101:1" << "1:1 2:2 101:1" << QList<int>{0, 0, 0, 1};
        QTest::newRow("minus on one") << "1:1 2:1 101:1" << "1:1 101:1" << QList<int>{0, 1, 0, 0};
        QTest::newRow("added") << "1:1" << "1:1 102:1" << QList<int>{1, 0, 0, 0};
        QTest::newRow("emptied") << "1:1 2:3" << "" << QList<int>{0, 2, 0, 0};
        QTest::newRow("nothing changed") << "1:1 2:3" << "1:1 2:3" << QList<int>{0, 0, 0, 0};
        QTest::newRow("reordered") << "1:1 2:1 101:1" << "101:1 1:1 2:1" << QList<int>{0, 0, 1, 0};
        QTest::newRow("a stored duplicate dropped") << "1:1 1:2 2:1" << "1:1 2:1" << QList<int>{0, 1, 1, 0};
        QTest::newRow("all at once") << "1:1 2:1 101:1" << "102:1 101:4 1:1" << QList<int>{1, 1, 1, 1};
    }

    void lineModelFollowsTheCart()
    {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(QList<int>, operations);
        auto cart = newCart();
        cart->setItems(linesOf(before));
        TarvikShopCartModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setCart(cart.get());
        QCOMPARE(model.count(), linesOf(before).size());

        QHash<qint64, QPersistentModelIndex> rowsBefore;
        for (int row = 0; row < model.rowCount(); ++row)
            rowsBefore.insert(model.index(row).data(TarvikShopCartModel::ProductIdRole).toLongLong(), model.index(row));
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
        QSignalSpy moved(&model, &QAbstractItemModel::rowsMoved);
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        cart->setItems(linesOf(after));

        QStringList shown;
        for (int row = 0; row < model.rowCount(); ++row) {
            const auto item = model.index(row).data(TarvikShopCartModel::ItemRole).value<TarvikShopCartItem>();
            shown.append(QStringLiteral("%1:%2").arg(item.id()).arg(item.quantity));
        }
        QCOMPARE(shown.join(QLatin1Char(' ')), after);
        QCOMPARE((QList<int>{int(inserted.size()), int(removed.size()), int(moved.size()), int(changed.size())}), operations);
        QCOMPARE(reset.size(), 0);
        QCOMPARE(model.count(), model.rowCount());
        // A product that stays keeps its row, wherever that row went.
        for (auto kept = rowsBefore.cbegin(); kept != rowsBefore.cend(); ++kept) {
            if (kept.value().isValid())
                QCOMPARE(kept.value().data(TarvikShopCartModel::ProductIdRole).toLongLong(), kept.key());
        }
    }

    void qmlSingleton()
    {
        auto cart = newCart();
        ShopCartSingleton::setInstance(cart.get());
        QQmlEngine engine;
        engine.addImportPath(QStringLiteral("qrc:/qt/qml"));
        QQmlComponent component(&engine);
        component.setData("import QtQml\nimport Tarvik.Shop\n"
                          "QtObject { property string total: ShopCart.formattedTotal; property int count: ShopCart.itemCount\n"
                          "  function empty() { ShopCart.items = [] } }",
                          QUrl());
        std::unique_ptr<QObject> object(component.create());
        QVERIFY2(object, qPrintable(component.errorString()));
        cart->add(product(1));
        cart->add(product(1));
        QCOMPARE(object->property("total").toString(), QStringLiteral("9 000 ₽"));
        QCOMPARE(object->property("count").toInt(), 2);
        QVERIFY(QMetaObject::invokeMethod(object.get(), "empty"));
        QCOMPARE(cart->itemCount(), 0);
        ShopCartSingleton::setInstance(nullptr);
    }
};

QTEST_GUILESS_MAIN(ShopCartTest)
#include "tst_shopcart.moc"
