#include "accessiblekit.h"
#include "accessibletree.h"
#include "appscreens.h"
#include "atspiwalker.h"
#include "focuskeeper.h"
#include "focusrules.h"
#include "lazywebengine.h"
#include "taborder.h"
#include "textediting.h"
#include "webcertificatetrust.h"
#include "webprofiledata.h"

#include <QJSEngine>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QScopeGuard>
#include <QTest>

using namespace AppScreens;
using namespace std::chrono_literals;

namespace
{
// What a web page's script gives back, once it has.
class ScriptResult : public QObject
{
    Q_OBJECT

public:
    QVariant value;
    bool done = false;
    Q_INVOKABLE void take(const QVariant &result)
    {
        value = result;
        done = true;
    }
};

// How a control is pressed.
enum class Press { Keyboard, Pointer };
} // namespace

Q_DECLARE_METATYPE(Press)

// What the keyboard's focus and its ring do besides showing the focus: nothing a pointer user or a
// slow network would notice. The app's whole window, through Qt's real accessibility bridge: the
// sign-in field takes the first keys, a control at work keeps the focus where the press left it
// for as long as its request is held, keys typed into a web page show no ring, every stop of the
// forms lies between the bars, ring included, the long screens are read to their end by keys
// while the focus stays, and the arrows move it only along a row of tabs.
class SteadyFocusTest : public QObject
{
    Q_OBJECT

private:
    SignedInApp m_app;
    AtspiWalker m_walker;
    WebProfileData m_webData{nullptr};

    FocusKeeper *keeper() const { return m_app.window->findChild<FocusKeeper *>(); }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) { QTest::keyClick(m_app.window, key, modifiers); }

    QQuickItem *focusedNode() const { return AppScreens::focusedNode(m_app.window); }
    QString focusedName() const { return AppScreens::focusedName(m_app.window); }

    bool reach(const QString &name)
    {
        for (int press = 0; press < 60; ++press) {
            key(Qt::Key_Tab);
            if (focusedName() == name)
                return true;
        }
        qWarning() << "not reached:" << name << "; the focus is on" << focusedName();
        return false;
    }

    QQuickItem *named(const QString &objectName) const
    {
        return findItem(m_app.window->contentItem(), [&](QQuickItem *item) { return item->objectName() == objectName && item->isVisible(); });
    }

    // The visible button that reads `text`, in the popup on top when one is open.
    QQuickItem *button(const QString &text) const
    {
        const QList<QQuickItem *> popups = AccessibleKit::openModalPopups(m_app.window);
        QQuickItem *root = popups.isEmpty() ? m_app.window->contentItem() : popups.constLast();
        return findItem(root, [&](QQuickItem *item) {
            return item->inherits("QQuickAbstractButton") && item->isVisible() && item->property("text").toString() == text;
        });
    }

    qsizetype openPopups() const
    {
        const QList<QQuickItem *> popups = AccessibleKit::openModalPopups(m_app.window);
        return std::count_if(popups.cbegin(), popups.cend(), [](QQuickItem *popup) { return popup->parent()->property("opened").toBool(); });
    }

    void press(Press how, QQuickItem *control, const QString &name)
    {
        if (how == Press::Pointer) {
            tap(m_app.window, control);
            return;
        }
        QVERIFY(reach(name));
        key(Qt::Key_Return);
    }

    // Runs `script` in the page of `view` and gives back what it answers.
    QVariant run(QQuickItem *view, const QString &script)
    {
        QQmlEngine *engine = qmlEngine(view);
        ScriptResult result;
        QJSValue holder = engine->newQObject(&result);
        QQmlEngine::setObjectOwnership(&result, QQmlEngine::CppOwnership);
        const QJSValue callback = engine->evaluate(QStringLiteral("(function(holder) { return function(value) { holder.take(value) } })"))
                                      .call({holder});
        QMetaObject::invokeMethod(view, "runJavaScript", Q_ARG(QString, script), Q_ARG(QJSValue, callback));
        if (!QTest::qWaitFor([&result] { return result.done; }, 10000))
            qWarning() << "no answer from the page to" << script;
        return result.value;
    }

    // Opens `screen` and waits for the focus on its heading or dialog (none when empty), where a
    // screen reader starts.
    bool openAtHeading(const QString &screen, const QString &heading)
    {
        return m_app.open(screen)
            && (heading.isEmpty() || QTest::qWaitFor([&] { return !FocusRules::isTabStop(focusedNode()) && focusedName() == heading; }));
    }

    // The keyboard's input bar ("Готово") is up.
    bool barUp() const
    {
        QQuickItem *bar = m_app.bar();
        return bar && bar->isVisible() && !shownRect(bar).isEmpty();
    }

    // The bars the screens scroll under or beside: the tab bar, the navigation bars that show.
    QList<QQuickItem *> bars() const
    {
        QList<QQuickItem *> all;
        QList<QQuickItem *> items;
        collect(m_app.window->contentItem(), items);
        for (QQuickItem *item : std::as_const(items)) {
            const QByteArray type = item->metaObject()->className();
            if ((type.startsWith("ShellTabBar") || type.startsWith("NavigationBar")) && !shownRect(item).isEmpty())
                all.append(item);
        }
        return all;
    }

public:
    // The checkout's web page loads Qt WebEngine with it, as in the app.
    static void initMain() { LazyWebEngine::prepare(); }

private Q_SLOTS:
    void initTestCase()
    {
        AccessibleTree::recordFocusEvents();
        AccessibleKit::install();
    }

    void cleanupTestCase()
    {
        m_app.stop();
        WebProfileData::setInstance(nullptr);
    }

    void cleanup()
    {
        if (!m_app.navigator)
            return;
        m_app.account->site->releaseHeld();
        m_app.closeAll();
    }

    // A fresh start of a subscriber who is not signed in: the login field has the focus as the
    // screen fades in, a screen reader hears it, and the first keys typed land in it.
    void theSignInFieldTakesTheFirstKeys()
    {
        AccountFixture account;
        QVERIFY(account.start());
        AppWindow app;
        QQuickWindow *window = app.launch(account);
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        AccessibleTree::focusEvents().clear();
        QQuickItem *login = nullptr;
        QTRY_VERIFY((login = findItem(window->contentItem(), [](QQuickItem *item) { return item->objectName() == u"loginField"; })));
        QTRY_VERIFY(login->hasActiveFocus());
        type(window, QStringLiteral("abc"));
        QCOMPARE(login->property("text").toString(), QStringLiteral("abc"));
        QTRY_VERIFY2(AccessibleTree::focusEvents().contains(QStringLiteral("Логин")), qPrintable(AccessibleTree::focusEvents().join(u',')));
        // A pointer user sees the field's own outline, and no ring.
        QVERIFY(!window->findChild<FocusKeeper *>() || !window->findChild<FocusKeeper *>()->isShown());
    }

    void signedIn()
    {
        const QString failed = m_app.start();
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
        // The checkout's page comes from the stand-in, which the web view trusts as the app does.
        WebCertificateTrust::setExtraAuthorities(m_app.account->network->extraCaCertificates());
        WebProfileData::setInstance(&m_webData);
        QVERIFY2(m_walker.connect(), qPrintable(m_walker.errorString()));
        QTRY_VERIFY(keeper());
    }

    // A press whose request the site holds for five seconds: the focus stays where the press left
    // it (with its ring, from the keyboard), no field takes it, no input bar comes up and nothing
    // on the screen moves; the answer then lands as it would have at once.
    void aControlAtWorkKeepsTheFocus_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<Press>("how");
        for (const char *action : {"24TV account", "checkout start", "trust payment"}) {
            QTest::addRow("%s, keyboard", action) << QString::fromLatin1(action) << Press::Keyboard;
            QTest::addRow("%s, pointer", action) << QString::fromLatin1(action) << Press::Pointer;
        }
    }
    void aControlAtWorkKeepsTheFocus()
    {
        QFETCH(QString, action);
        QFETCH(Press, how);
        QVERIFY(m_app.navigator);
        StandinSite &site = *m_app.account->site;
        QQuickItem *pressed = nullptr;
        QString held;
        if (action == u"24TV account") {
            QVERIFY(m_app.open(QStringLiteral("24tv account")));
            QQuickItem *field = named(QStringLiteral("phoneField"));
            QVERIFY(field);
            if (how == Press::Pointer)
                tap(m_app.window, field);
            else
                QVERIFY(reach(QStringLiteral("Номер телефона")));
            type(m_app.window, QStringLiteral("9991234567"));
            held = QStringLiteral("h42tv_add_account");
            site.hold(held, 1);
            pressed = named(QStringLiteral("createButton"));
            press(how, pressed, QStringLiteral("Создать аккаунт"));
        } else if (action == u"checkout start") {
            QVERIFY(m_app.open(QStringLiteral("top-up")));
            tap(m_app.window, named(QStringLiteral("preset500")));
            tap(m_app.window, named(QStringLiteral("chooseMethodButton")));
            QTRY_COMPARE(openPopups(), 2);
            held = QStringLiteral("/ajax/sbplink.jsp");
            site.hold(held, 1);
            QQuickItem *row = named(QStringLiteral("method0"));
            QVERIFY(row);
            pressed = findItem(row, [](QQuickItem *item) { return item->inherits("QQuickAbstractButton"); });
            QVERIFY(pressed);
            press(how, pressed, QStringLiteral("СБП"));
        } else {
            QVERIFY(m_app.open(QStringLiteral("trust payment")));
            pressed = named(QStringLiteral("activateButton"));
            QVERIFY(pressed);
            QTRY_VERIFY(pressed->isEnabled());
            press(how, pressed, QStringLiteral("Подключить доверительный платёж"));
            QTRY_COMPARE(openPopups(), 2);
            held = QStringLiteral("set1");
            site.hold(held, 1);
            QQuickItem *confirm = nullptr;
            QTRY_VERIFY((confirm = button(QStringLiteral("Подключить"))));
            press(how, confirm, QStringLiteral("Подключить"));
            // Once the alert has faded out and given the focus back.
            QTRY_COMPARE(AccessibleKit::openModalPopups(m_app.window).size(), 1);
        }
        QTRY_COMPARE(site.heldCount(), 1);
        QTRY_VERIFY(!barUp());
        QTRY_VERIFY(!pressed->isEnabled());

        QQuickItem *screen = FocusRules::screenOf(pressed);
        QList<QPair<QQuickItem *, QRectF>> places;
        for (QQuickItem *control : FocusRules::controls(screen))
            places.append({control, FocusRules::place(control)});
        places.append({screen, FocusRules::place(screen)});
        QElapsedTimer held5s;
        held5s.start();
        while (held5s.elapsed() < 5000) {
            QTest::qWait(100);
            QQuickItem *focused = m_app.window->activeFocusItem();
            QVERIFY2(!TextEditing::isEditable(focused), qPrintable(describe(focused)));
            QVERIFY(!barUp());
            QCOMPARE(FocusKeeper::returnPoint(m_app.window->contentItem()).item.data(), pressed);
            if (how == Press::Keyboard)
                QCOMPARE(keeper()->target(), pressed);
            else
                QVERIFY(!keeper()->isShown());
            for (const auto &[control, place] : std::as_const(places))
                QVERIFY2(FocusRules::place(control) == place, qPrintable(describe(control)));
        }
        site.release(held);

        if (action == u"24TV account") {
            QTRY_VERIFY(named(QStringLiteral("successAlert")) || openPopups() == 2);
        } else if (action == u"checkout start") {
            QTRY_VERIFY_WITH_TIMEOUT(openPopups() == 3, 10000);
        } else {
            QQuickItem *result = nullptr;
            QTRY_VERIFY((result = named(QStringLiteral("resultCard"))));
            QTRY_VERIFY(result->hasActiveFocus());
            // From the keyboard, the result that took the button's place shows the focus there.
            if (how == Press::Keyboard)
                QTRY_COMPARE(keeper()->target(), result);
            else
                QVERIFY(!keeper()->isShown());
        }
    }

    // A click into a field of a web page, then typing there: the page marks its own focus and the
    // app's ring stays off it, as it does while Tab moves inside the page. Escape leaves the page
    // and shows the ring on the method that opened it.
    void keysTypedIntoAWebPageShowNoRing()
    {
        QVERIFY(m_app.open(QStringLiteral("top-up")));
        tap(m_app.window, named(QStringLiteral("preset500")));
        tap(m_app.window, named(QStringLiteral("chooseMethodButton")));
        QTRY_COMPARE(openPopups(), 2);
        QVERIFY(reach(QStringLiteral("СБП")));
        key(Qt::Key_Return);
        QQuickItem *view = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT((view = named(QStringLiteral("paymentWebView"))), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(!view->property("loading").toBool() && run(view, QStringLiteral("!!document.getElementById('next')")).toBool(),
                                 20000);
        run(view, QStringLiteral("location.href = document.getElementById('next').href"));
        QTRY_VERIFY_WITH_TIMEOUT(run(view, QStringLiteral("!!document.getElementById('card')")).toBool(), 20000);
        const QVariantList box = run(view, QStringLiteral("(function() { const r = document.getElementById('card').getBoundingClientRect();"
                                                          " return [r.x + r.width / 2, r.y + r.height / 2] })()"))
                                     .toList();
        QCOMPARE(box.size(), 2);
        // The keyboard in use, the ring on a control of the app.
        key(Qt::Key_Tab, Qt::ShiftModifier);
        QTRY_VERIFY(keeper()->isShown());
        const QPointF field = view->mapToScene(QPointF(box.at(0).toReal(), box.at(1).toReal()));
        QTest::mouseClick(m_app.window, Qt::LeftButton, {}, field.toPoint());
        QTRY_COMPARE(run(view, QStringLiteral("document.activeElement.id")).toString(), QStringLiteral("card"));
        QVERIFY(!keeper()->isShown());
        for (const Qt::Key digit : {Qt::Key_4, Qt::Key_1, Qt::Key_1, Qt::Key_1, Qt::Key_Backspace, Qt::Key_Left, Qt::Key_Return}) {
            key(digit);
            QVERIFY(!keeper()->isShown());
        }
        QTRY_COMPARE(run(view, QStringLiteral("document.getElementById('card').value")).toString(), QStringLiteral("411"));
        // Tab inside the page, to its next field: the page's own marks.
        key(Qt::Key_Tab);
        QTRY_COMPARE(run(view, QStringLiteral("document.activeElement.id")).toString(), QStringLiteral("expiry"));
        QVERIFY(FocusRules::isInWebPage(m_app.window->activeFocusItem()));
        QVERIFY(!keeper()->isShown());
        key(Qt::Key_Escape);
        QTRY_COMPARE(focusedName(), QStringLiteral("СБП"));
        QTRY_VERIFY(keeper()->isShown());
    }

    // Every stop of the forms, reached by Tab, shows whole between the bars, its ring too: the
    // bars' pixels are the same with the ring and without it, and the ring is not cut.
    void everyStopLiesBetweenTheBars_data()
    {
        QTest::addColumn<QString>("screen");
        for (const char *screen : {"tariff order", "relocation", "static ip", "referral", "checkout"})
            QTest::newRow(screen) << QString::fromLatin1(screen);
    }
    void everyStopLiesBetweenTheBars()
    {
        QFETCH(QString, screen);
        QVERIFY(m_app.open(screen));
        if (QQuickItem *lastTab = findItem(m_app.shell, [](QQuickItem *item) { return item->objectName() == u"tab3"; }))
            lastTab->forceActiveFocus(Qt::TabFocusReason);
        int stops = 0;
        for (int press = 0; press < 40; ++press) {
            key(Qt::Key_Tab);
            QQuickItem *focused = focusedNode();
            QVERIFY(focused);
            // Round to the tab bar: the screen is done.
            if (focused->objectName() == u"tab0")
                break;
            ++stops;
            FocusKeeper *ring = keeper();
            const bool ownMark = TabOrder::marksOwnFocus(focused);
            // Brought into view and drawn: once the views have come to rest.
            QTRY_VERIFY2(ownMark || ring->isShown(), qPrintable(describe(focused)));
            QTest::qWait(60);
            const QRectF box = FocusRules::place(focused);
            const QRectF reach = ownMark ? box : QRectF(ring->mapRectToScene(ring->ring()));
            if (!ownMark)
                QVERIFY2(QRectF(ring->mapRectToScene(QRectF(0, 0, ring->width(), ring->height()))).contains(reach.adjusted(0.5, 0.5, -0.5, -0.5)),
                         qPrintable(describe(focused) + QStringLiteral(": the ring is cut")));
            const QImage with = m_app.window->grabWindow();
            ring->setOpacity(0);
            const QImage without = m_app.window->grabWindow();
            ring->setOpacity(1);
            for (QQuickItem *bar : bars()) {
                if (bar->isAncestorOf(focused))
                    continue;
                const QRectF barPlace = FocusRules::place(bar);
                QVERIFY2(!barPlace.intersects(reach.adjusted(0.5, 0.5, -0.5, -0.5)),
                         qPrintable(describe(focused) + QStringLiteral(" under ") + describe(bar)));
                const QRect pixels = barPlace.toAlignedRect() & with.rect();
                for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
                    for (int x = pixels.left(); x <= pixels.right(); ++x) {
                        if (with.pixel(x, y) != without.pixel(x, y))
                            QFAIL(qPrintable(QStringLiteral("the ring of %1 over %2 at %3,%4").arg(describe(focused), describe(bar)).arg(x).arg(y)));
                    }
                }
            }
        }
        QVERIFY(stops > 1);
    }

    // In the smallest window, each long screen comes to its end by the key alone, pressed again and
    // again from its heading or a control: its end shows above the tab bar, Home brings the top
    // back, and the focus stays where it was all along.
    void longScreensAreReadToTheirEndByKeys_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("from");
        QTest::addColumn<Qt::Key>("key");
        const auto row = [](const char *screen, const char *heading, const char *from, Qt::Key key, const char *name) {
            QTest::addRow("%s, %s", screen, name) << QString::fromUtf8(screen) << QString::fromUtf8(heading) << QString::fromUtf8(from) << key;
        };
        row("statistics", "Статистика", "Статистика", Qt::Key_Down, "Down");
        row("statistics", "Статистика", "3 месяца", Qt::Key_End, "End from a period");
        row("statistics", "Статистика", "3 месяца", Qt::Key_PageDown, "Page Down from a period");
        row("tariff overview", "", "Назад", Qt::Key_End, "End from the back button");
        const QList<std::pair<const char *, const char *>> screens{
            {"statistics", "Статистика"}, {"payments", "Оплата"}, {"notifications", "Уведомления"}, {"about", "О приложении"},
            {"tv package", "Стартовый"},   {"product", "SNR AX2"}, {"autopay", "Подключить автоплатёж"},
            {"static ip", "Статический IP-адрес"}, {"tariffs", "Другой тариф"}, {"home", "Твои продукты"},
        };
        for (const auto &[screen, heading] : screens) {
            row(screen, heading, heading, Qt::Key_End, "End");
            row(screen, heading, heading, Qt::Key_PageDown, "Page Down");
        }
    }
    void longScreensAreReadToTheirEndByKeys()
    {
        QFETCH(QString, screen);
        QFETCH(QString, heading);
        QFETCH(QString, from);
        QFETCH(Qt::Key, key);
        const QSize size = m_app.window->size();
        const auto restore = qScopeGuard([&] { m_app.window->resize(size); });
        m_app.window->resize(m_app.window->minimumSize());
        QVERIFY(openAtHeading(screen, heading));
        QVERIFY(from == heading || reach(from));
        QQuickItem *focused = m_app.window->activeFocusItem();
        AccessibleTree::focusEvents().clear();
        // The screen's view: the tallest that runs past its frame.
        const QList<QQuickItem *> popups = AccessibleKit::openModalPopups(m_app.window);
        QList<QQuickItem *> items;
        collect(popups.isEmpty() ? FocusRules::screenOf(focused) : popups.constLast(), items);
        const auto at = [](QQuickItem *item, const char *name) { return item->property(name).toReal(); };
        QQuickItem *view = nullptr;
        for (QQuickItem *item : std::as_const(items)) {
            if (item->inherits("QQuickFlickable") && at(item, "contentHeight") > item->height() + 1 && at(item, "snapMode") == 0
                && (!view || item->height() > view->height()))
                view = item;
        }
        QVERIFY(view);
        const auto end = [&] { return at(view, "originY") + at(view, "contentHeight") + at(view, "bottomMargin") - view->height(); };
        for (int press = 0; press < 60 && at(view, "contentY") < end() - 0.5; ++press)
            this->key(key);
        QCOMPARE(at(view, "contentY"), end());
        QQuickItem *tabBar = named(QStringLiteral("tab0"))->parentItem()->parentItem();
        QVERIFY(!popups.isEmpty() || FocusRules::place(view).bottom() <= FocusRules::place(tabBar).top() + 0.5);
        this->key(Qt::Key_Home);
        QCOMPARE(at(view, "contentY"), at(view, "originY") - at(view, "topMargin"));
        QCOMPARE(m_app.window->activeFocusItem(), focused);
        QVERIFY2(AccessibleTree::focusEvents().isEmpty(), qPrintable(AccessibleTree::focusEvents().join(u',')));
    }

    // No arrow takes the focus off a named control that shows: on a row of tabs Left and Right go
    // along it and choose as they go (a reader hears the tab reached), Up and Down do nothing; on a
    // control over a list (the channel grid's) the focus stays.
    void arrowsMoveTheFocusOnlyAlongARowOfTabs()
    {
        // The focus rests on `name`, a named control that shows with its ring, chosen if it moved
        // there; a reader heard of it only then.
        const auto after = [this](Qt::Key pressed, const QString &name) {
            QQuickItem *start = focusedNode();
            AccessibleTree::focusEvents().clear();
            key(pressed);
            QQuickItem *focused = nullptr;
            return QTest::qWaitFor([&] { return focusedName() == name && keeper()->target() == (focused = focusedNode()); })
                && FocusRules::isNamedControl(focused) && FocusRules::shows(focused)
                && AccessibleTree::focusEvents() == (focused == start ? QStringList() : QStringList{name})
                && (focused == start || focused->property("checked").toBool());
        };
        QVERIFY(openAtHeading(QStringLiteral("statistics"), QStringLiteral("Статистика")));
        QVERIFY(reach(QStringLiteral("3 месяца")));
        for (const auto &[pressed, name] : {std::pair{Qt::Key_Down, "3 месяца"}, {Qt::Key_Up, "3 месяца"}, {Qt::Key_Left, "Месяц"},
                                            {Qt::Key_Right, "3 месяца"}, {Qt::Key_Right, "Год"}, {Qt::Key_Right, "Год"}})
            QVERIFY2(after(pressed, QString::fromUtf8(name)), qPrintable(focusedName()));
        QVERIFY(reach(QStringLiteral("Оплата")));
        QVERIFY2(after(Qt::Key_Down, QStringLiteral("Оплата")), qPrintable(focusedName()));
        QVERIFY2(after(Qt::Key_Right, QStringLiteral("Оплата")), qPrintable(focusedName()));
        m_app.closeAll();
        QVERIFY(openAtHeading(QStringLiteral("tariffs"), QStringLiteral("Другой тариф")));
        QVERIFY(reach(QStringLiteral("Интернет")));
        QVERIFY2(after(Qt::Key_Right, QStringLiteral("Интернет + ТВ")), qPrintable(focusedName()));
        m_app.closeAll();
        QVERIFY(openAtHeading(QStringLiteral("chat"), QStringLiteral("Поддержка")));
        QVERIFY(reach(QStringLiteral("Онлайн-чат")));
        QVERIFY2(after(Qt::Key_Right, QStringLiteral("Офис")), qPrintable(focusedName()));
        m_app.closeAll();
        QVERIFY(openAtHeading(QStringLiteral("tv package"), QStringLiteral("Стартовый")));
        QVERIFY(reach(QStringLiteral("Подключить")));
        QVERIFY2(after(Qt::Key_Down, QStringLiteral("Подключить")), qPrintable(focusedName()));
        QVERIFY2(after(Qt::Key_Right, QStringLiteral("Подключить")), qPrintable(focusedName()));
    }
};

QTEST_MAIN(SteadyFocusTest)
#include "tst_steadyfocus.moc"
