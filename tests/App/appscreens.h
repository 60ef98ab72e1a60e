#pragma once

#include "accessiblekit.h"
#include "accountfixture.h"
#include "appwindow.h"
#include "partnertvconfig.h"
#include "qmlnetworkaccessfactory.h"
#include "shopfixture.h"
#include "textediting.h"

#include <QAccessible>
#include <QByteArray>
#include <QQmlComponent>
#include <QQuickItem>
#include <QQuickWindow>
#include <QString>
#include <QTest>

#include <functional>

// The signed-in app's screens opened the way their openers do, for the whole-window tests, and
// what those tests read of the window.
namespace AppScreens
{

// Opens the screens of the signed-in app the way their openers do: pushed onto a tab's stack, or
// presented in a sheet. open() answers the item whose fields are edited.
inline const QByteArray navigator = R"(
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
        case "payments": shell.selectedTab = 1; return shell.tabItem(1)
        case "statistics": return push(0, s + "Payments/StatisticsView.qml")
        case "profile": return push(0, s + "Profile/ProfileView.qml")
        case "tariffs": return push(2, s + "Services/TariffSelectionView.qml")
        case "services": shell.selectedTab = 2; return shell.tabItem(2)
        case "chat": shell.selectedTab = 3; return shell.tabItem(3)
        case "top-up": return present("TopUpFlow { initialAmount: '' }")
        case "autopay": return present("AutopayView {}")
        case "24tv account": return present("TwentyFourTVAccountSheet {}")
        case "tv packages": return present("TVPackageSelectionSheet { order: TariffConnectionOrder {} }")
        case "mobile packages": return present("MobilePackageSelectionSheet { order: TariffConnectionOrder {} }")
        case "trust payment": return present("TrustPaymentView {}")
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
        case "static ip": return push(2, s + "Requests/StaticIPOrderView.qml")
        case "referral": return push(2, s + "Requests/ReferralFriendView.qml")
        case "shop": return push(2, s + "Shop/TarvikShopView.qml")
        case "checkout": return push(2, s + "Shop/TarvikShopOrderView.qml", { items: ShopCart.items, paymentMethod: "cash" })
        case "cart": return push(2, s + "Shop/TarvikShopCartView.qml")
        case "product": return push(2, s + "Shop/TarvikShopProductView.qml", { product: ShopCatalog.products()[0] })
        case "add account": return push(0, s + "Account/AddAccountView.qml")
        case "e-mail": return push(0, s + "Profile/EmailVerificationView.qml")
        case "promo codes": return push(0, s + "Profile/PromoCodesView.qml")
        case "notifications": return push(0, s + "Profile/NotificationsView.qml")
        case "notification": {
            const inbox = push(0, s + "Profile/NotificationsView.qml")
            inbox.openNote(inbox.inbox.notes[0])
            return inbox
        }
        case "settings": return push(0, s + "Profile/SettingsView.qml")
        case "about": return push(0, s + "Profile/AboutAppView.qml")
        case "tariff overview": return push(2, s + "Services/TariffManagementView.qml")
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

inline QQuickItem *findItem(QQuickItem *root, const std::function<bool(QQuickItem *)> &matches)
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

inline void tap(QQuickWindow *window, QQuickItem *item)
{
    QTest::mouseClick(window, Qt::LeftButton, {}, item->mapToScene(QPointF(item->width() / 2, item->height() / 2)).toPoint());
}

// Key by key, as a desktop keyboard types it.
inline void type(QQuickWindow *window, const QString &text)
{
    for (const QChar c : text)
        QTest::keyClick(window, c.toLatin1());
}

inline void collect(QQuickItem *root, QList<QQuickItem *> &into)
{
    if (!root || !root->isVisible())
        return;
    into.append(root);
    for (QQuickItem *child : root->childItems())
        collect(child, into);
}

// What of `item` shows in the window: its rectangle cut by every clipping item above it.
inline QRectF shownRect(QQuickItem *item)
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

// The node a screen reader is told has the focus: the focused item, or the nearest item around it
// that assistive technology sees; null when there is none.
inline QQuickItem *focusedNode(QQuickWindow *window)
{
    QQuickItem *seen = window->activeFocusItem();
    while (seen && seen != window->contentItem() && !AccessibleKit::isExposed(seen))
        seen = seen->parentItem();
    return seen == window->contentItem() ? nullptr : seen;
}

// The name a screen reader reads of the focused node.
inline QString focusedName(QQuickWindow *window)
{
    QQuickItem *node = focusedNode(window);
    QAccessibleInterface *interface = node ? QAccessible::queryAccessibleInterface(node) : nullptr;
    return interface ? interface->text(QAccessible::Name) : QString();
}

inline bool isEditable(QQuickItem *item)
{
    return TextEditing::isEditable(item);
}

// A control or a text a user would miss under the bar.
inline bool mattersUnderTheBar(QQuickItem *item)
{
    if (item->inherits("QQuickAbstractButton") || item->inherits("QQuickMouseArea") || isEditable(item))
        return true;
    return item->inherits("QQuickText") && !item->property("text").toString().trimmed().isEmpty();
}

inline QString describe(QQuickItem *item)
{
    return QStringLiteral("%1 '%2' \"%3\"")
        .arg(QString::fromLatin1(item->metaObject()->className()), item->objectName(), item->property("text").toString().left(40));
}

inline bool isInside(QQuickItem *item, QQuickItem *ancestor)
{
    for (QQuickItem *above = item; above; above = above->parentItem()) {
        if (above == ancestor)
            return true;
    }
    return false;
}

// The signed-in app over the stand-in, with two things in the shop's cart, and its screens opened
// as their openers open them.
struct SignedInApp {
    std::unique_ptr<AccountFixture> account;
    std::unique_ptr<ShopFixture> shop;
    std::unique_ptr<QmlNetworkAccessFactory> qmlNetwork;
    AppWindow appWindow;
    std::unique_ptr<QObject> navigator;
    QQuickWindow *window = nullptr;
    QQuickItem *shell = nullptr;

    // Empty when the app is up on its home screen, else what went wrong.
    QString start()
    {
        QStandardPaths::setTestModeEnabled(true);
        account = std::make_unique<AccountFixture>();
        if (!account->start() || !account->signIn())
            return QStringLiteral("no stand-in, or no session with it");
        account->defaults->setValue(Defaults::signedIn, true);
        shop = std::make_unique<ShopFixture>();
        if (!shop->start())
            return QStringLiteral("no shop stand-in");
        shop->cart->add(shop->product(1));
        shop->cart->add(shop->product(101));

        // The channel logos come from the stand-in, trusted as the app's requests trust it.
        PartnerTVConfig config = PartnerTVConfig::compiled();
        config.imageHost = account->site->baseUrl().authority();
        PartnerTVConfig::setCurrent(config);
        qmlNetwork = std::make_unique<QmlNetworkAccessFactory>(account->network.get());
        window = appWindow.launch(*account, qmlNetwork.get());
        if (!window || !QTest::qWaitForWindowExposed(window))
            return QStringLiteral("no window");
        if (!QTest::qWaitFor([this] { return appWindow.app->startupFinished() && appWindow.app->signedIn(); }, 10000))
            return QStringLiteral("not signed in");
        const bool shellShown = QTest::qWaitFor([this] {
            shell = findItem(window->contentItem(), [](QQuickItem *item) {
                return item->property("tabs").isValid() && item->property("selectedTab").isValid();
            });
            // The greeting has faded out.
            return shell && qFuzzyCompare(shell->parentItem()->opacity(), 1.0);
        });
        if (!shellShown)
            return QStringLiteral("no home screen");
        QQmlComponent component(appWindow.engine.get());
        component.setData(AppScreens::navigator, QUrl(QStringLiteral("qrc:/appscreens/Navigator.qml")));
        navigator.reset(component.createWithInitialProperties({{QStringLiteral("shell"), QVariant::fromValue(shell)}}));
        return navigator ? QString() : component.errorString();
    }

    void stop()
    {
        navigator.reset();
        appWindow.close();
        qmlNetwork.reset();
        shop.reset();
        account.reset();
    }

    // Opens `screen` (a name of the navigator's open()) and answers the item whose fields are
    // edited, once it has come to rest; nullptr when it did not.
    QQuickItem *open(const QString &screen)
    {
        QVariant opened;
        if (!QMetaObject::invokeMethod(navigator.get(), "open", Q_RETURN_ARG(QVariant, opened), Q_ARG(QVariant, screen)))
            return nullptr;
        const bool settled = QTest::qWaitFor([this] {
            QVariant rest;
            QMetaObject::invokeMethod(navigator.get(), "settled", Q_RETURN_ARG(QVariant, rest));
            return rest.toBool();
        });
        QVariant current;
        QMetaObject::invokeMethod(navigator.get(), "current", Q_RETURN_ARG(QVariant, current), Q_ARG(QVariant, opened));
        return settled ? current.value<QQuickItem *>() : nullptr;
    }

    void closeAll()
    {
        TextEditing::endEditing();
        QMetaObject::invokeMethod(navigator.get(), "closeAll");
    }

    // The keyboard's bar as drawn, while it shows.
    QQuickItem *bar() const
    {
        auto *popup = window->findChild<QObject *>(QStringLiteral("keyboardBar"));
        auto *background = popup ? popup->property("background").value<QQuickItem *>() : nullptr;
        return background ? background->parentItem() : nullptr;
    }
};
} // namespace AppScreens
