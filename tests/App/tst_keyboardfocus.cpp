#include "accessiblekit.h"
#include "accessibletree.h"
#include "appscreens.h"
#include "atspiwalker.h"
#include "focuskeeper.h"
#include "focusrules.h"
#include "screenreaderstatus.h"
#include "taborder.h"

#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>

using namespace AppScreens;


// The signed-in app by keyboard alone and through Qt's real accessibility bridge: the focus shows
// on every stop of every main screen, Tab goes round each screen once, and wherever something
// closes or goes the focus lands on a named control that shows.
class KeyboardFocusTest : public QObject
{
    Q_OBJECT

private:
    SignedInApp m_app;
    AtspiWalker m_walker;

    FocusKeeper *keeper() const { return m_app.window->findChild<FocusKeeper *>(); }

    QString describe(QQuickItem *item)
    {
        const AtspiWalker::Node node = m_walker.node(QAccessible::queryAccessibleInterface(item));
        return m_walker.role(node) + QStringLiteral(" \"") + m_walker.name(node) + QLatin1Char('"');
    }

    QQuickItem *focusedNode() const { return AppScreens::focusedNode(m_app.window); }
    QString focusedName() const { return AppScreens::focusedName(m_app.window); }

    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) { QTest::keyClick(m_app.window, key, modifiers); }

    // Tab (or Shift+Tab) until the control named `name` has the focus.
    bool reach(const QString &name, bool backwards = false)
    {
        for (int press = 0; press < 60; ++press) {
            key(Qt::Key_Tab, backwards ? Qt::ShiftModifier : Qt::NoModifier);
            if (focusedName() == name)
                return true;
        }
        qWarning() << "not reached:" << name << "; the focus is on" << focusedName();
        return false;
    }

    // The focus rests on `name`, a named control that shows, with its ring, and a screen reader
    // heard that after the close; what it heard is kept for the report.
    void expectFocus(const QString &name, const QString &scene)
    {
        QTRY_COMPARE(focusedName(), name);
        QQuickItem *node = focusedNode();
        QVERIFY(AccessibleKit::inView(node));
        QTRY_VERIFY(keeper()->isShown());
        QCOMPARE(keeper()->target(), node);
        QVERIFY2(AccessibleTree::focusEvents().contains(name), qPrintable(AccessibleTree::focusEvents().join(QStringLiteral(", "))));
        qInfo().noquote() << scene << "→ a reader hears:" << AccessibleTree::focusEvents().join(QStringLiteral(" / "));
    }

    QQuickItem *named(const QString &objectName) const
    {
        return findItem(m_app.window->contentItem(), [&](QQuickItem *item) { return item->objectName() == objectName && item->isVisible(); });
    }

    // The popups open over the screens (sheets, alerts), fully opened.
    qsizetype openPopups() const
    {
        const QList<QQuickItem *> popups = AccessibleKit::openModalPopups(m_app.window);
        return std::count_if(popups.cbegin(), popups.cend(), [](QQuickItem *popup) { return popup->parent()->property("opened").toBool(); });
    }

    void startFromTabBar()
    {
        QTest::qWait(0);
        QTRY_VERIFY(m_app.shell);
        if (QQuickItem *lastTab = findItem(m_app.shell, [](QQuickItem *item) { return item->objectName() == u"tab3"; }))
            lastTab->forceActiveFocus(Qt::TabFocusReason);
    }

private Q_SLOTS:
    void initTestCase()
    {
        AccessibleTree::recordFocusEvents();
        AccessibleKit::install();
        const QString failed = m_app.start();
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
        QVERIFY2(m_walker.connect(), qPrintable(m_walker.errorString()));
        QTRY_VERIFY(keeper());
    }

    void cleanupTestCase() { m_app.stop(); }

    void cleanup() { m_app.closeAll(); }

    // A page's heading holds the focus when the page opens: Tab goes on from it to the control
    // after it, Shift+Tab back to the one before it.
    void tabGoesOnFromTheHeading()
    {
        QVERIFY(m_app.open(QStringLiteral("statistics")));
        QTRY_COMPARE(focusedName(), QStringLiteral("Статистика"));
        key(Qt::Key_Tab);
        QTRY_COMPARE(focusedName(), QStringLiteral("Месяц"));
        m_app.closeAll();
        QVERIFY(m_app.open(QStringLiteral("statistics")));
        QTRY_COMPARE(focusedName(), QStringLiteral("Статистика"));
        key(Qt::Key_Tab, Qt::ShiftModifier);
        QTRY_COMPARE(focusedName(), QStringLiteral("Назад"));
    }

    // A note read and closed: the inbox is rebuilt as the note is marked read, and the focus goes to
    // the note in its place.
    void aClosedNoteGivesTheFocusToItsRow()
    {
        QVERIFY(m_app.open(QStringLiteral("home")));
        startFromTabBar();
        QVERIFY(reach(QStringLiteral("Есть новые уведомления")));
        key(Qt::Key_Return);
        QTRY_COMPARE(focusedName(), QStringLiteral("Уведомления"));
        key(Qt::Key_Tab);
        key(Qt::Key_Tab);
        const QString note = focusedName();
        QVERIFY(!note.isEmpty());
        key(Qt::Key_Return);
        QTRY_COMPARE(openPopups(), 1);
        AccessibleTree::focusEvents().clear();
        key(Qt::Key_Escape);
        expectFocus(note, QStringLiteral("A note closed in the inbox"));
    }

    // A payment method that works for a moment and fails (a top-up of nothing): "Понятно" gives the
    // focus back to the method.
    void aFailedMethodKeepsTheFocus()
    {
        QVERIFY(m_app.open(QStringLiteral("top-up")));
        QVERIFY(reach(QStringLiteral("Выбрать способ оплаты")));
        key(Qt::Key_Return);
        QTRY_COMPARE(openPopups(), 2);
        QVERIFY(reach(QStringLiteral("СБП")));
        key(Qt::Key_Return);
        QTRY_COMPARE(openPopups(), 3);
        QVERIFY(reach(QStringLiteral("Понятно")));
        AccessibleTree::focusEvents().clear();
        key(Qt::Key_Return);
        expectFocus(QStringLiteral("СБП"), QStringLiteral("\"Понятно\" on the zero-amount alert"));
    }

    // After a confirmed order the cart is empty: back on it, the focus is on a control it shows,
    // not on the way to the checkout it no longer has.
    void anEmptiedCartTakesTheFocusToWhatItShows()
    {
        QVariant pushed;
        QVERIFY(QMetaObject::invokeMethod(m_app.navigator.get(), "push", Q_RETURN_ARG(QVariant, pushed), Q_ARG(QVariant, 2),
                                          Q_ARG(QVariant, QStringLiteral("qrc:/qt/qml/Tarvik/Shop/TarvikShopCartView.qml")),
                                          Q_ARG(QVariant, QVariantMap())));
        QTRY_COMPARE(focusedName(), QStringLiteral("Корзина"));
        QVERIFY(reach(QStringLiteral("Перейти к оформлению")));
        key(Qt::Key_Return);
        QTRY_COMPARE(focusedName(), QStringLiteral("Оформление заказа"));
        QVERIFY(reach(QStringLiteral("Наличные")));
        key(Qt::Key_Space);
        QVERIFY(reach(QStringLiteral("Подтвердить заказ")));
        key(Qt::Key_Return);
        QTRY_COMPARE(openPopups(), 1);
        QVERIFY(reach(QStringLiteral("Понятно")));
        key(Qt::Key_Return);
        QTRY_COMPARE(AccessibleKit::openModalPopups(m_app.window).size(), 0);
        QTRY_COMPARE(focusedName(), QStringLiteral("Подтвердить заказ"));
        QVERIFY(reach(QStringLiteral("Назад"), true));
        AccessibleTree::focusEvents().clear();
        key(Qt::Key_Return);
        QTRY_VERIFY(named(QStringLiteral("emptyState")));
        expectFocus(QStringLiteral("Назад"), QStringLiteral("Back on the emptied cart"));
        m_app.shop->cart->add(m_app.shop->product(1));
        m_app.shop->cart->add(m_app.shop->product(101));
    }

    // "Подробнее" opens the details above the button: the button, now "Скрыть", is brought into
    // view where the layout took it.
    void theOpenedDetailsKeepTheirButtonInView()
    {
        QVERIFY(m_app.open(QStringLiteral("shop")));
        QVERIFY(reach(QStringLiteral("Открыть SNR AX2")));
        key(Qt::Key_Return);
        QVERIFY(reach(QStringLiteral("Подробнее")));
        AccessibleTree::focusEvents().clear();
        key(Qt::Key_Return);
        QTRY_COMPARE(focusedName(), QStringLiteral("Скрыть"));
        QTRY_VERIFY(AccessibleKit::inView(focusedNode()) && shownRect(focusedNode()).height() >= focusedNode()->height() - 1);
        QTRY_COMPARE(keeper()->target(), focusedNode());
        qInfo().noquote() << "\"Подробнее\" pressed → a reader hears:" << AccessibleTree::focusEvents().join(QStringLiteral(" / "));
    }

    // The search's clear button goes with the text it clears: the focus goes to the field.
    void aClearedSearchGivesTheFocusToItsField()
    {
        QVERIFY(m_app.open(QStringLiteral("services")));
        startFromTabBar();
        QVERIFY(reach(QStringLiteral("Поиск сервисов")));
        type(m_app.window, QStringLiteral("ip"));
        QVERIFY(reach(QStringLiteral("Очистить поиск")));
        AccessibleTree::focusEvents().clear();
        key(Qt::Key_Return);
        expectFocus(QStringLiteral("Поиск сервисов"), QStringLiteral("\"Очистить поиск\" pressed"));
    }

    // The balance card opens the top-up sheet; with a screen reader following the app the strip
    // behind it holds still (without one it turns on: tst_pointerunchanged), and Escape gives the
    // focus back to the card, on the page it was.
    void theTopUpSheetReturnsToTheCard()
    {
        QVERIFY(m_app.open(QStringLiteral("home")));
        QObject *strip = named(QStringLiteral("productsCarousel"));
        QVERIFY(strip);
        startFromTabBar();
        QVERIFY(reach(QStringLiteral("Баланс")));
        key(Qt::Key_Return);
        QTRY_COMPARE(focusedName(), QStringLiteral("Пополнение"));
        QVERIFY(!strip->property("turning").toBool());
        const int shown = strip->property("currentIndex").toInt();
        AccessibleTree::focusEvents().clear();
        key(Qt::Key_Escape);
        expectFocus(QStringLiteral("Баланс"), QStringLiteral("The top-up sheet closed by Escape"));
        QCOMPARE(strip->property("currentIndex").toInt(), shown);
    }

    // A click shows no ring, where a key that moves the focus does; a click hides it again.
    void onlyTheKeyboardShowsTheRing()
    {
        QVERIFY(m_app.open(QStringLiteral("statistics")));
        QQuickItem *year = findItem(m_app.window->contentItem(), [](QQuickItem *item) {
            return item->inherits("QQuickAbstractButton") && item->property("text").toString() == u"Год" && item->isVisible();
        });
        QVERIFY(year);
        tap(m_app.window, year);
        QTRY_COMPARE(focusedName(), QStringLiteral("Год"));
        QVERIFY(!keeper()->isShown());
        key(Qt::Key_Left);
        QTRY_VERIFY(keeper()->isShown());
        QCOMPARE(keeper()->target(), focusedNode());
        tap(m_app.window, year);
        QTRY_VERIFY(!keeper()->isShown());
    }

    // While a screen reader follows the app the home strips hold still, and every page of both is
    // in the tree: the relocation banner, found by its name, opens the relocation form.
    void aReaderReachesEveryPageOfTheStrips()
    {
        // Run as under a screen reader: the bridge is on from the start.
        QTRY_VERIFY(ScreenReaderStatus::current()->isActive());
        QVERIFY(m_app.open(QStringLiteral("home")));
        const AtspiWalker::Node window = m_walker.node(QAccessible::queryAccessibleInterface(m_app.window));
        QList<AtspiWalker::Node> pages;
        QTRY_VERIFY_WITH_TIMEOUT((pages = m_walker.find(window, QStringLiteral("push button"), QStringLiteral("Переезд"))).size() == 1, 10000);
        // Once the strips have come to rest: one of each page (the services list has a "Приведи друга"
        // of its own).
        for (const QString &page : {QStringLiteral("Баланс"), QStringLiteral("Добавить новый адрес")})
            QTRY_COMPARE(m_walker.find(window, QStringLiteral("push button"), page).size(), 1);
        QVERIFY(m_walker.doAction(pages.constFirst(), QStringLiteral("Press")));
        // The form has opened, its heading read first.
        QTRY_VERIFY(named(QStringLiteral("relocationRequestView")));
        QTRY_COMPARE(focusedName(), QStringLiteral("Переезд"));
        QCOMPARE(QAccessible::queryAccessibleInterface(focusedNode())->role(), QAccessible::Heading);
    }

    // A control disabled where it stands (a counter at its limit) has not gone: it keeps the focus's
    // place and its ring, and Tab and Shift+Tab go on from it.
    void aCounterAtItsLimitKeepsItsPlace()
    {
        QVERIFY(m_app.open(QStringLiteral("static ip")));
        QVERIFY(reach(QStringLiteral("Больше")));
        QQuickItem *more = focusedNode();
        for (int press = 0; press < 4; ++press)
            key(Qt::Key_Space);
        QTRY_VERIFY(!more->isEnabled());
        QTRY_COMPARE(keeper()->target(), more);
        key(Qt::Key_Tab, Qt::ShiftModifier);
        QTRY_COMPARE(focusedName(), QStringLiteral("Меньше"));
        key(Qt::Key_Space);
        QTRY_VERIFY(more->isEnabled());
        QCOMPARE(focusedName(), QStringLiteral("Меньше"));
    }

    // The last piece of a cart line taken away takes the line with it: the focus goes to the line
    // that takes its place.
    void aRemovedCartLineGivesTheFocusToTheNext()
    {
        QVERIFY(m_app.open(QStringLiteral("cart")));
        QTRY_COMPARE(focusedName(), QStringLiteral("Корзина"));
        QVERIFY(reach(QStringLiteral("Уменьшить количество")));
        const QRectF place = shownRect(focusedNode());
        AccessibleTree::focusEvents().clear();
        key(Qt::Key_Space);
        QTRY_COMPARE(m_app.shop->cart->items().size(), 1);
        QTRY_VERIFY(FocusRules::isNamedControl(focusedNode()));
        QVERIFY(shownRect(focusedNode()).intersects(place.adjusted(-1, -80, 1, 80)));
        expectFocus(focusedName(), QStringLiteral("The last piece of a cart line taken away"));
        m_app.shop->cart->add(m_app.shop->product(1));
    }
};

QTEST_MAIN(KeyboardFocusTest)
#include "tst_keyboardfocus.moc"
