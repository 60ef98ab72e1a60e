#include "accountfixture.h"
#include "appqmlplugins.h"
#include "appwindow.h"
#include "partnertvconfig.h"
#include "qmlnetworkaccessfactory.h"
#include "shopfixture.h"
#include "testpaths.h"
#include "textediting.h"

#include <QDir>
#include <QQmlComponent>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>

namespace
{
// Opens the screens of the signed-in app the way their openers do: pushed onto a tab's stack, or
// presented in a sheet. open() answers the item whose fields are edited.
const QByteArray navigator = R"(
import QtQuick
import Tarvik.Design
import Tarvik.Services
import Tarvik.Shop

QtObject {
    property Item shell
    property var sheet: null

    function stackOf(tab) {
        const item = shell.tabItem(tab)
        return tab === 0 ? item.stack : item
    }
    function push(tab, url, properties) {
        shell.selectedTab = tab
        return stackOf(tab).push(url, properties || {})
    }
    function present(content) {
        sheet = Qt.createQmlObject("import QtQuick; import Tarvik.Design; import Tarvik.Payments; import Tarvik.Services; "
                                   + "Sheet { sourceComponent: Component { " + content + " } }", shell)
        sheet.open()
        return sheet
    }
    function find(item, name) {
        if (!item)
            return null
        if (item.objectName === name)
            return item
        for (let i = 0; i < item.children.length; ++i) {
            const found = find(item.children[i], name)
            if (found)
                return found
        }
        return null
    }
    function open(screen) {
        const s = "qrc:/qt/qml/Tarvik/"
        switch (screen) {
        case "home": shell.selectedTab = 0; return shell.tabItem(0)
        case "services": shell.selectedTab = 2; return shell.tabItem(2)
        case "chat": shell.selectedTab = 3; return shell.tabItem(3)
        case "top-up": return present("TopUpFlow { initialAmount: '' }")
        case "autopay": return present("AutopayView {}")
        case "24tv account": return present("TwentyFourTVAccountSheet {}")
        case "statement": return push(1, s + "Payments/PaymentStatementRequestView.qml", { kind: 0 })
        case "mobile": return push(2, s + "Services/MobileServiceView.qml")
        case "tariff order": {
            const chooser = push(2, s + "Services/TariffSelectionView.qml")
            chooser.selection.select(chooser.selection.visiblePlans[3].id)
            find(chooser, "connectButton").clicked()
            return stackOf(2)
        }
        case "tv package": return push(2, s + "Services/TVPackageDetailView.qml", { tvPackage: TVPackageCatalog.mainCatalog[3] })
        case "relocation": return push(2, s + "Requests/RelocationRequestView.qml")
        case "referral": return push(2, s + "Requests/ReferralFriendView.qml")
        case "shop": return push(2, s + "Shop/TarvikShopView.qml")
        case "checkout": return push(2, s + "Shop/TarvikShopOrderView.qml", { items: ShopCart.items, paymentMethod: "cash" })
        case "add account": return push(0, s + "Account/AddAccountView.qml")
        case "e-mail": return push(0, s + "Profile/EmailVerificationView.qml")
        case "promo codes": return push(0, s + "Profile/PromoCodesView.qml")
        }
        return null
    }
    // Whether what open() started has come to rest.
    function settled() {
        if (sheet && !sheet.opened)
            return false
        for (let tab = 0; tab < 4; ++tab) {
            const item = shell.tabItem(tab)
            if (item && tab !== 3 && stackOf(tab).busy)
                return false
        }
        return true
    }
    // The item whose fields are edited: the sheet's content, or the top of the shown tab.
    function current(opened) {
        if (sheet)
            return sheet.contentItem
        if (opened && opened.currentItem !== undefined && opened.depth !== undefined)
            return opened.currentItem
        return opened
    }
    function closeAll() {
        if (sheet) {
            sheet.close()
            sheet.destroy()
            sheet = null
        }
        for (let tab = 0; tab < 3; ++tab) {
            const item = shell.tabItem(tab)
            if (item)
                stackOf(tab).pop(null, 0)
        }
        shell.selectedTab = 0
    }
}
)";

QQuickItem *findItem(QQuickItem *root, const std::function<bool(QQuickItem *)> &matches)
{
    if (!root)
        return nullptr;
    if (matches(root))
        return root;
    for (QQuickItem *child : root->childItems()) {
        if (QQuickItem *found = findItem(child, matches))
            return found;
    }
    return nullptr;
}

void collect(QQuickItem *root, QList<QQuickItem *> &into)
{
    if (!root || !root->isVisible())
        return;
    into.append(root);
    for (QQuickItem *child : root->childItems())
        collect(child, into);
}

// What of `item` shows in the window: its rectangle cut by every clipping item above it.
QRectF shownRect(QQuickItem *item)
{
    QRectF rect = item->mapRectToScene(QRectF(0, 0, item->width(), item->height()));
    qreal opacity = item->opacity();
    for (QQuickItem *above = item->parentItem(); above; above = above->parentItem()) {
        opacity *= above->opacity();
        if (above->clip())
            rect &= above->mapRectToScene(QRectF(0, 0, above->width(), above->height()));
    }
    rect &= QRectF(QPointF(0, 0), item->window()->size());
    return opacity > 0.01 ? rect : QRectF();
}

bool isEditable(QQuickItem *item)
{
    return TextEditing::isEditable(item);
}

// A control or a text a user would miss under the bar.
bool mattersUnderTheBar(QQuickItem *item)
{
    if (item->inherits("QQuickAbstractButton") || item->inherits("QQuickMouseArea") || isEditable(item))
        return true;
    return item->inherits("QQuickText") && !item->property("text").toString().trimmed().isEmpty();
}

QString describe(QQuickItem *item)
{
    return QStringLiteral("%1 '%2' \"%3\"")
        .arg(QString::fromLatin1(item->metaObject()->className()), item->objectName(), item->property("text").toString().left(40));
}

bool isInside(QQuickItem *item, QQuickItem *ancestor)
{
    for (QQuickItem *above = item; above; above = above->parentItem()) {
        if (above == ancestor)
            return true;
    }
    return false;
}
} // namespace

// The keyboard's bar in the signed-in app as a subscriber meets it: on every screen with text
// fields, each field edited in turn. The bar takes a strip of its own: no control and no text of
// the screen lies under it, and the edited field is in view above it.
class KeyboardBarTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AccountFixture> m_account;
    std::unique_ptr<ShopFixture> m_shop;
    std::unique_ptr<QmlNetworkAccessFactory> m_qmlNetwork;
    AppWindow m_appWindow;
    std::unique_ptr<QObject> m_navigator;
    QQuickWindow *m_window = nullptr;

    QQuickItem *bar() const
    {
        auto *popup = m_window->findChild<QObject *>(QStringLiteral("keyboardBar"));
        auto *background = popup ? popup->property("background").value<QQuickItem *>() : nullptr;
        return background ? background->parentItem() : nullptr;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        m_account = std::make_unique<AccountFixture>();
        QVERIFY(m_account->start());
        QVERIFY(m_account->signIn());
        m_account->defaults->setValue(QStringLiteral("tarvikSignedIn"), true);
        m_shop = std::make_unique<ShopFixture>();
        QVERIFY(m_shop->start());
        m_shop->cart->add(m_shop->product(1));
        m_shop->cart->add(m_shop->product(101));

        // The channel logos come from the stand-in, trusted as the app's requests trust it.
        PartnerTVConfig config = PartnerTVConfig::compiled();
        config.imageHost = m_account->site->baseUrl().authority();
        PartnerTVConfig::setCurrent(config);
        m_qmlNetwork = std::make_unique<QmlNetworkAccessFactory>(m_account->network.get());
        m_window = m_appWindow.launch(*m_account, m_qmlNetwork.get());
        QVERIFY(m_window);
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        QTRY_VERIFY_WITH_TIMEOUT(m_appWindow.app->startupFinished() && m_appWindow.app->signedIn(), 10000);

        QQuickItem *shell = nullptr;
        QTRY_VERIFY((shell = findItem(m_window->contentItem(), [](QQuickItem *item) { return item->property("tabs").isValid() && item->property("selectedTab").isValid(); })));
        // The greeting has faded out.
        QTRY_COMPARE(shell->parentItem()->opacity(), 1.0);
        QQmlComponent component(m_appWindow.engine.get());
        component.setData(navigator, QUrl(QStringLiteral("qrc:/keyboardbar/Navigator.qml")));
        m_navigator.reset(component.createWithInitialProperties({{QStringLiteral("shell"), QVariant::fromValue(shell)}}));
        QVERIFY2(m_navigator, qPrintable(component.errorString()));
    }

    void cleanupTestCase()
    {
        m_navigator.reset();
        m_appWindow.close();
        m_qmlNetwork.reset();
        m_shop.reset();
        m_account.reset();
    }

    void cleanup()
    {
        TextEditing::endEditing();
        QMetaObject::invokeMethod(m_navigator.get(), "closeAll");
    }

    void everyField_data()
    {
        QTest::addColumn<QString>("screen");
        for (const char *screen : {"home", "services", "chat", "top-up", "autopay", "24tv account", "statement", "mobile", "tariff order",
                                   "tv package", "relocation", "referral", "shop", "checkout", "add account", "e-mail", "promo codes"})
            QTest::newRow(screen) << QString::fromLatin1(screen);
    }

    void everyField()
    {
        QFETCH(QString, screen);
        QVariant opened;
        QVERIFY(QMetaObject::invokeMethod(m_navigator.get(), "open", Q_RETURN_ARG(QVariant, opened), Q_ARG(QVariant, screen)));
        QTRY_VERIFY([&] {
            QVariant settled;
            QMetaObject::invokeMethod(m_navigator.get(), "settled", Q_RETURN_ARG(QVariant, settled));
            return settled.toBool();
        }());
        QVariant current;
        QMetaObject::invokeMethod(m_navigator.get(), "current", Q_RETURN_ARG(QVariant, current), Q_ARG(QVariant, opened));
        auto *root = current.value<QQuickItem *>();
        QVERIFY(root);

        QList<QQuickItem *> shown;
        collect(root, shown);
        QList<QQuickItem *> fields;
        for (QQuickItem *item : std::as_const(shown)) {
            if (isEditable(item))
                fields.append(item);
        }
        QVERIFY2(!fields.isEmpty(), "no text field");

        int index = 0;
        for (QQuickItem *field : std::as_const(fields)) {
            field->forceActiveFocus(Qt::TabFocusReason);
            QTRY_VERIFY(bar() && bar()->isVisible() && m_window->activeFocusItem() == field);
            const QRectF barRect = shownRect(bar());
            QVERIFY(barRect.height() > 0);
            // The field comes into view above the bar, whole.
            QTRY_VERIFY2(shownRect(field) == field->mapRectToScene(QRectF(0, 0, field->width(), field->height()))
                             && shownRect(field).bottom() <= barRect.top(),
                         qPrintable(describe(field)));

            QList<QQuickItem *> everything;
            collect(m_window->contentItem(), everything);
            QStringList covered;
            for (QQuickItem *item : std::as_const(everything)) {
                if (isInside(item, bar()) || !mattersUnderTheBar(item))
                    continue;
                if (shownRect(item).intersects(barRect))
                    covered.append(describe(item));
            }
            QVERIFY2(covered.isEmpty(), qPrintable(QStringLiteral("field %1 of %2: under the bar: %3")
                                                       .arg(index)
                                                       .arg(screen, covered.join(QStringLiteral(", ")))));
            if (index == 0)
                m_window->grabWindow().save(QDir(screenshotDir()).filePath(QStringLiteral("keyboardbar-%1.png").arg(screen).replace(u' ', u'-')));
            ++index;
        }
        TextEditing::endEditing();
        QTRY_VERIFY(!bar() || !bar()->isVisible());
    }
};

QTEST_MAIN(KeyboardBarTest)
#include "tst_keyboardbar.moc"
