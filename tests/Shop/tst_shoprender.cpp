#include "qmlrender.h"
#include "shopfixture.h"

#include <QQuickItem>
#include <QQuickWindow>
#include <QStandardPaths>
#include <QTest>

namespace
{
// A navigation stack with a screen pushed onto a root page, as the shell shows it.
QByteArray stackWith(const QByteArray &screen, const QByteArray &functions = {})
{
    return "import QtQuick\nimport Tarvik.Design\nimport Tarvik.Shop\n"
           "NavigationStack {\n"
           "    id: stack\n"
           "    initialItem: NavigationPage { title: 'Главная' }\n"
           "    Component { id: screen; "
        + screen
        + " }\n"
          "    Component.onCompleted: push(screen, {}, T.StackView.Immediate)\n"
        + functions + "}\n";
}

QByteArray withTemplates(QByteArray qml)
{
    return qml.replace("import QtQuick\n", "import QtQuick\nimport QtQuick.Templates as T\n");
}
} // namespace

class ShopRenderTest : public QObject
{
    Q_OBJECT

private:
    ShopFixture m_shop;

    // Scrolls the pushed screen so that its content from `y` on is in view.
    static void scrollTo(QObject *root, qreal y)
    {
        auto *stack = qobject_cast<QQuickItem *>(root);
        QObject *screen = stack->property("currentItem").value<QObject *>();
        auto *flickable = screen->property("flickable").value<QObject *>();
        flickable->setProperty("contentY", y);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_shop.start());
    }

    void renders_data()
    {
        QTest::addColumn<QByteArray>("qml");
        QTest::addColumn<QByteArray>("step"); // what to do before the picture
        QTest::newRow("shop_catalog") << stackWith("TarvikShopView {}") << QByteArray();
        QTest::newRow("shop_catalog_badge") << stackWith("TarvikShopView {}") << QByteArray("fill");
        QTest::newRow("shop_catalog_search") << stackWith("TarvikShopView { searchText: 'gpon' }") << QByteArray();
        QTest::newRow("shop_catalog_nothing_found") << stackWith("TarvikShopView { searchText: 'холодильник' }") << QByteArray();
        QTest::newRow("shop_product") << stackWith("TarvikShopProductView { product: ShopCatalog.products()[0]; selectedImage: 2 }")
                                      << QByteArray();
        QTest::newRow("shop_product_details") << stackWith("TarvikShopProductView { product: ShopCatalog.products()[2]; detailsExpanded: true }")
                                              << QByteArray("scroll 300");
        // The router's ports, "… 1 Гбит/с", wrap between words, not at the unit's slash.
        QTest::newRow("shop_product_details_router")
            << stackWith("TarvikShopProductView { product: ShopCatalog.products()[0]; detailsExpanded: true }") << QByteArray("scroll 420");
        QTest::newRow("shop_product_added") << stackWith("TarvikShopProductView { product: ShopCatalog.products()[1] }")
                                            << QByteArray("buy");
        QTest::newRow("shop_cart_empty") << stackWith("TarvikShopCartView {}") << QByteArray();
        QTest::newRow("shop_cart") << stackWith("TarvikShopCartView {}") << QByteArray("fill");
        const QByteArray order = "TarvikShopOrderView { items: ShopCart.items; visitDate: new Date(2026, 11, 8); visitTime: new Date(2026, 11, 7, 10, 5) }";
        QTest::newRow("shop_order") << stackWith(order) << QByteArray("fill");
        QTest::newRow("shop_order_cash") << stackWith(QByteArray(order).replace(" }", "; paymentMethod: 'cash'; cashAmount: '5000'; comment: 'Позвонить за 30 минут' }"))
                                         << QByteArray("fill scroll 520");
        QTest::newRow("shop_order_confirmed") << stackWith(order) << QByteArray("fill confirm");
    }

    void renders()
    {
        QFETCH(QByteArray, qml);
        QFETCH(QByteArray, step);
        m_shop.cart->setItems({});
        m_shop.cart->persist();
        if (step.startsWith("fill")) {
            m_shop.cart->add(m_shop.product(1));
            m_shop.cart->add(m_shop.product(101));
            m_shop.cart->add(m_shop.product(101));
            m_shop.cart->add(m_shop.product(2));
        }
        QmlRenderOptions options;
        options.settleMs = 1200;
        if (step.contains("scroll ")) {
            const qreal y = step.mid(step.indexOf("scroll ") + 7).toDouble();
            options.interact = [y](QQuickWindow *, QObject *root) { scrollTo(root, y); };
        } else if (step.endsWith("confirm")) {
            options.interact = [](QQuickWindow *, QObject *root) {
                auto *screen = qobject_cast<QQuickItem *>(root)->property("currentItem").value<QObject *>();
                QMetaObject::invokeMethod(screen->property("request").value<QObject *>(), "send");
            };
        } else if (step == "buy") {
            options.settleMs = 300;
            options.interact = [](QQuickWindow *window, QObject *root) {
                auto *stack = qobject_cast<QQuickItem *>(root);
                auto *screen = stack->property("currentItem").value<QQuickItem *>();
                auto *button = screen->findChild<QQuickItem *>(QStringLiteral("buyButton"));
                QVERIFY(button);
                QTest::mouseClick(window, Qt::LeftButton, {}, button->mapToScene(QPointF(button->width() / 2, button->height() / 2)).toPoint());
            };
        }
        const QmlRender render = renderQml(QString::fromLatin1(QTest::currentDataTag()), withTemplates(qml), options);
        TARVIK_VERIFY_RENDER(render);
    }
};

QTEST_MAIN(ShopRenderTest)
#include "tst_shoprender.moc"
