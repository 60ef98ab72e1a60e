#include "accessiblekit.h"
#include "appscreens.h"
#include "focuskeeper.h"
#include "focusrules.h"
#include "supportchatsingleton.h"
#include "supportchatstore.h"

#include <QGuiApplication>
#include <QPointer>
#include <QQuickItem>
#include <QQuickWindow>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

using namespace AppScreens;

// What a mouse user sees stays as it was: what the app does for the keyboard and for a screen
// reader moves nothing, rings nothing and holds nothing still for whoever uses the pointer, while
// the keyboard's user still finds the focus where it belongs. The whole app against the stand-in,
// offscreen, with no screen reader.
class PointerUnchangedTest : public QObject
{
    Q_OBJECT

private:
    SignedInApp m_app;
    // The chat's history, in memory.
    SupportChatStore m_chat { nullptr };
    // The products strip of the home screen, as showBalanceCard() found it.
    QPointer<QQuickItem> m_strip;
    QPointer<QQuickItem> m_view;
    QPointer<QObject> m_slide;
    QPointer<QQuickItem> m_card;
    QVariant m_stripInterval;

    FocusKeeper *keeper() const { return m_app.window->findChild<FocusKeeper *>(); }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) { QTest::keyClick(m_app.window, key, modifiers); }

    QQuickItem *shown(const std::function<bool(QQuickItem *)> &matches) const
    {
        return findItem(m_app.window->contentItem(), [&](QQuickItem *item) { return item->isVisible() && matches(item); });
    }
    QQuickItem *named(const QString &objectName) const
    {
        return shown([&](QQuickItem *item) { return item->objectName() == objectName; });
    }
    QQuickItem *button(const QString &text) const
    {
        return shown([&](QQuickItem *item) { return item->inherits("QQuickAbstractButton") && item->property("text").toString() == text; });
    }
    qsizetype openPopups() const { return AccessibleKit::openModalPopups(m_app.window).size(); }
    // The topmost popup has come in whole and takes input.
    bool topPopupOpened() const
    {
        const QList<QQuickItem *> popups = AccessibleKit::openModalPopups(m_app.window);
        return !popups.isEmpty() && popups.constLast()->parent()->property("opened").toBool();
    }

    // Tab until `control` has the focus.
    bool tabTo(QQuickItem *control)
    {
        for (int press = 0; press < 12 && control && !control->hasActiveFocus(); ++press)
            key(Qt::Key_Tab);
        return control && control->hasActiveFocus();
    }

    // How far the chat's list stands from its end (its bottom margin included at the bottom).
    static qreal fromEnd(const QQuickItem *list)
    {
        const auto value = [list](const char *name) { return list->property(name).toReal(); };
        const qreal end = std::max(
            value("originY") + value("contentHeight") + value("bottomMargin") - list->height(), value("originY") - value("topMargin"));
        return end - value("contentY");
    }

    // What reads out the message that has the focus, or null.
    QQuickItem *focusedMessage() const
    {
        QQuickItem *item = m_app.window->activeFocusItem();
        return item && item->objectName() == u"accessibleMessage" ? item : nullptr;
    }

    static QQuickItem *rowAt(QQuickItem *list, int index)
    {
        QQuickItem *made = nullptr;
        QMetaObject::invokeMethod(list, "itemAtIndex", Q_RETURN_ARG(QQuickItem *, made), Q_ARG(int, index));
        return made;
    }

    // Whether `item` lies whole inside the list's view.
    static bool wholeIn(const QQuickItem *item, const QQuickItem *list)
    {
        const QRectF place = item->mapRectToItem(list, QRectF(0, 0, item->width(), item->height()));
        return place.top() >= -0.5 && place.bottom() <= list->height() + 0.5;
    }

    // A notch of the mouse wheel upwards over `item`. (A view takes a notch only if it comes later
    // than the one before.)
    void wheelUp(QQuickItem *item)
    {
        static ulong timestamp = 1000000;
        timestamp += 50;
        const QPointF at = item->mapToScene(QPointF(item->width() / 2, item->height() / 2));
        QWheelEvent event(
            at, m_app.window->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        event.setTimestamp(timestamp);
        QGuiApplication::sendEvent(m_app.window, &event);
    }

    // Home, its products strip standing on the balance card's page (500), turned only by
    // turnStrip(), and the card's neighbour kept made beside the page shown, as it is once the
    // keyboard has been used in the window.
    bool showBalanceCard()
    {
        if (!m_app.open(QStringLiteral("home")))
            return false;
        if (!keeper()->isKeyboardUsed())
            key(Qt::Key_Tab);
        m_strip = named(QStringLiteral("productsCarousel"));
        m_view = m_strip ? m_strip->property("view").value<QQuickItem *>() : nullptr;
        m_slide = nullptr;
        for (QObject *child : m_strip ? m_strip->children() : QObjectList()) {
            if (child->inherits("QQuickNumberAnimation"))
                m_slide = child;
        }
        if (!m_slide)
            return false;
        m_stripInterval = m_strip->property("interval");
        m_strip->setProperty("interval", 3600000);
        m_strip->setProperty("currentIndex", 500);
        m_card = shown([](QQuickItem *item) {
            return item->property("text").toString() == u"Баланс" && item->inherits("QQuickAbstractButton") && FocusRules::shows(item);
        });
        return m_card;
    }

    // One turn of the strip, as its timer makes it, and the strip at rest after it.
    bool turnStrip()
    {
        const int from = m_strip->property("currentIndex").toInt();
        QMetaObject::invokeMethod(m_strip, "advance");
        return QTest::qWaitFor([this] { return !m_slide->property("running").toBool(); })
            && m_strip->property("currentIndex").toInt() == from + 1;
    }

    // Frames drawn with nothing asked of the app: enough for what a change of the focus queues.
    void drawFrames(int frames)
    {
        QSignalSpy swapped(m_app.window, &QQuickWindow::frameSwapped);
        for (int frame = 1; frame <= frames; ++frame) {
            m_app.window->update();
            QTRY_VERIFY(swapped.count() >= frame);
        }
    }

private Q_SLOTS:
    void initTestCase()
    {
        AccessibleKit::install();
        m_chat.ensureLoaded();
        m_chat.remove(m_chat.messages().constFirst().id);
        for (int i = 0; i < 60; ++i)
            m_chat.append({ .id = QUuid::createUuid(),
                .text = QStringLiteral("Сообщение %1").arg(i),
                .outgoing = i % 2 == 1,
                .sentAt = m_chat.now() });
        SupportChatSingleton::setInstance(&m_chat);
        const QString failed = m_app.start();
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
        QTRY_VERIFY(keeper());
    }

    void cleanupTestCase()
    {
        m_app.stop();
        SupportChatSingleton::setInstance(nullptr);
    }

    void cleanup()
    {
        m_app.closeAll();
        if (m_strip && m_stripInterval.isValid())
            m_strip->setProperty("interval", std::exchange(m_stripInterval, {}));
    }

    // A deleted message leaves the list at its end (eased there), whichever way it was reached and
    // deleted, and the list stays there. The focus rests on a message that shows whole: the one
    // now in the deleted one's place when that is in view, else the one in view nearest to it.
    // The keyboard's user sees it ringed; the pointer's user sees no ring.
    void aDeletionLeavesTheChatAtItsEnd_data()
    {
        QTest::addColumn<bool>("keyboard");
        // How many messages below the one deleted; -1: whichever the wheel brings to the middle a
        // long way up.
        QTest::addColumn<int>("below");
        QTest::newRow("an older message, by the pointer") << false << -1;
        QTest::newRow("an older message, by the keyboard") << true << 26;
        QTest::newRow("a message in view, by the pointer") << false << 2;
        QTest::newRow("a message in view, by the keyboard") << true << 2;
        QTest::newRow("the newest message, by the keyboard") << true << 0;
    }

    void aDeletionLeavesTheChatAtItsEnd()
    {
        QFETCH(bool, keyboard);
        QFETCH(int, below);
        QVERIFY(m_app.open(QStringLiteral("chat")));
        QQuickItem *list = nullptr;
        QTRY_VERIFY((list = named(QStringLiteral("messageList"))));
        // Each case starts from the end, where the one before left the list.
        QMetaObject::invokeMethod(list, "jumpToEnd");
        QTRY_VERIFY(std::abs(fromEnd(list)) < 1);
        const int count = m_chat.count();

        if (keyboard) {
            // From the message field back into the list, down to its newest message, and up.
            named(QStringLiteral("composerField"))->forceActiveFocus(Qt::TabFocusReason);
            for (int press = 0; press < 30 && !focusedMessage(); ++press)
                key(Qt::Key_Tab, Qt::ShiftModifier);
            for (int press = 0;
                 press < count && focusedMessage() && focusedMessage()->property("name") != m_chat.messages().constLast().text; ++press)
                key(Qt::Key_Down);
            for (int press = 0; press < below; ++press)
                key(Qt::Key_Up);
            QTRY_VERIFY(focusedMessage() && focusedMessage()->property("name") == m_chat.messages().at(count - 1 - below).text);
            key(Qt::Key_Menu);
        } else {
            for (int notch = 0; notch < 60 && below < 0 && fromEnd(list) < 1500; ++notch) {
                wheelUp(list);
                QTRY_VERIFY(!list->property("moving").toBool());
            }
            QVERIFY(fromEnd(list) >= 1500 || below >= 0);
            if (below < 0) {
                int middle = -1;
                QMetaObject::invokeMethod(list, "indexAt", Q_RETURN_ARG(int, middle), Q_ARG(qreal, list->width() / 2),
                    Q_ARG(qreal, list->property("contentY").toReal() + list->height() / 2));
                below = count - 1 - middle;
            }
            QQuickItem *message = rowAt(list, count - 1 - below);
            QVERIFY(message && wholeIn(message, list));
            QQuickItem *bubble = message->findChild<QQuickItem *>(QStringLiteral("bubble"));
            QTest::mouseClick(
                m_app.window, Qt::RightButton, {}, bubble->mapToScene(QPointF(bubble->width() / 2, bubble->height() / 2)).toPoint());
        }
        const int deleted = count - 1 - below;
        const QString inItsPlace = m_chat.messages().at(below > 0 ? deleted + 1 : deleted - 1).text;
        QTRY_VERIFY(named(QStringLiteral("menu_delete")) && topPopupOpened());
        QPointer<QQuickItem> going = rowAt(list, deleted);
        QVERIFY(going);

        if (keyboard) {
            QVERIFY(tabTo(named(QStringLiteral("menu_delete"))));
            key(Qt::Key_Return);
            QTRY_VERIFY(button(QStringLiteral("Удалить только у меня")) && topPopupOpened());
            QVERIFY(tabTo(button(QStringLiteral("Удалить только у меня"))));
            key(Qt::Key_Return);
        } else {
            tap(m_app.window, named(QStringLiteral("menu_delete")));
            QTRY_VERIFY(button(QStringLiteral("Удалить только у меня")) && topPopupOpened());
            tap(m_app.window, button(QStringLiteral("Удалить только у меня")));
        }
        QCOMPARE(m_chat.count(), count - 1);

        // The alert gone, the message with it, the list eased to its end; then nothing moves.
        QTRY_VERIFY(openPopups() == 0 && going.isNull() && focusedMessage() && std::abs(fromEnd(list)) < 0.01);
        QQuickItem *focused = focusedMessage();
        QSignalSpy moved(list, SIGNAL(contentYChanged()));
        drawFrames(6);
        QCOMPARE(moved.count(), 0);
        QCOMPARE(focusedMessage(), focused);

        QQuickItem *row = focused->parentItem()->parentItem();
        QVERIFY(FocusRules::shows(focused) && wholeIn(row, list));
        const QString name = focused->property("name").toString();
        if (below < 5) {
            QCOMPARE(name, inItsPlace);
        } else {
            // The place is far above the end: the first message wholly in view is nearest to it.
            const int index = m_chat.indexOf(row->property("messageId").toString());
            QVERIFY(index > deleted);
            QQuickItem *above = rowAt(list, index - 1);
            QVERIFY(!above || !wholeIn(above, list));
        }
        QCOMPARE(keeper()->isShown(), keyboard);
        if (keyboard)
            QCOMPARE(keeper()->target(), focused);
    }

    // A home strip turns on time under a sheet, as it does uncovered, though the pointer that
    // opened the sheet rests where the strip is; closing the sheet does not start the strip's wait
    // over. Uncovered, the pointer resting on the strip holds it still.
    void aStripTurnsUnderASheet()
    {
        QVERIFY(m_app.open(QStringLiteral("home")));
        QQuickItem *strip = named(QStringLiteral("productsCarousel"));
        QVERIFY(strip);
        QObject *slide = nullptr;
        for (QObject *child : strip->children()) {
            if (child->inherits("QQuickNumberAnimation"))
                slide = child;
        }
        QVERIFY(slide);
        const auto restore = qScopeGuard([strip, slide, interval = strip->property("interval"), duration = slide->property("duration")] {
            strip->setProperty("interval", interval);
            slide->setProperty("duration", duration);
        });
        // A turn every 0.4 s, for a short test.
        strip->setProperty("interval", 400);
        QTRY_VERIFY(strip->property("currentIndex").toInt() % 2 == 0
            && !strip->property("view").value<QQuickItem *>()->property("moving").toBool());
        QQuickItem *card = shown([&](QQuickItem *item) {
            return item->property("text").toString() == u"Баланс" && item->inherits("QQuickAbstractButton") && FocusRules::shows(item);
        });
        QVERIFY(card);
        const QPoint onCard = card->mapToScene(QPointF(card->width() / 2, card->height() / 2)).toPoint();
        QTest::mouseMove(m_app.window, onCard);
        QTRY_VERIFY(!strip->property("turning").toBool());

        QTest::mouseClick(m_app.window, Qt::LeftButton, {}, onCard);
        QTRY_COMPARE(openPopups(), 1);
        QPointer<QObject> sheet = AccessibleKit::openModalPopups(m_app.window).constFirst()->parent();
        QTRY_VERIFY(sheet->property("opened").toBool());
        QTRY_VERIFY(strip->property("turning").toBool());
        QSignalSpy held(strip, SIGNAL(turningChanged()));
        const int shownFirst = strip->property("currentIndex").toInt();
        QTRY_VERIFY(strip->property("currentIndex").toInt() >= shownFirst + 2);

        // The sheet closes while the strip slides from page to page (one slide, made slow enough
        // to be under way then): the focus comes back to a page of the strip, which slides on.
        QQuickItem *view = strip->property("view").value<QQuickItem *>();
        strip->setProperty("interval", 3600000);
        slide->setProperty("duration", 8000);
        const qreal slidFrom = view->property("contentX").toReal();
        QMetaObject::invokeMethod(strip, "advance");
        QTRY_VERIFY(view->property("contentX").toReal() > slidFrom + 10);
        QQuickItem *close = button(QStringLiteral("Закрыть"));
        QVERIFY(close);
        tap(m_app.window, close);
        QTRY_VERIFY((!sheet || !sheet->property("visible").toBool()) && view->isAncestorOf(m_app.window->activeFocusItem()));
        QVERIFY(slide->property("running").toBool());
        const qreal within = std::fmod(view->property("contentX").toReal() - view->property("originX").toReal(), view->width());
        QVERIFY2(within > 0.5 && within < view->width() - 0.5, "the strip stands on a page: its slide was cut short");
        slide->setProperty("duration", 380);
        strip->setProperty("interval", 400);

        const int shownThen = strip->property("currentIndex").toInt();
        QTRY_VERIFY(strip->property("currentIndex").toInt() > shownThen);
        QCOMPARE(held.count(), 0);
        QVERIFY(!keeper()->isShown());
    }

    // The balance card opens the top-up sheet, and the strip turns under it by one page (the card
    // is kept, off screen, for the keyboard) or by two (the card is gone). Once the sheet has closed
    // the focus is on the page the strip shows, whole. Closed by the keyboard (the ring shows), the
    // strip has turned back to the card where it is still there, ringed whole, and holds still;
    // closed by the pointer, the strip stands where it stood and nothing is ringed.
    void aClosedSheetLeavesTheFocusOnThePageShown_data()
    {
        QTest::addColumn<bool>("openedByKeyboard");
        QTest::addColumn<bool>("closedByKeyboard");
        QTest::addColumn<int>("turns");
        QTest::newRow("Return, one turn, Escape") << true << true << 1;
        QTest::newRow("Return, two turns, Escape") << true << true << 2;
        QTest::newRow("click, one turn, click") << false << false << 1;
        QTest::newRow("click, two turns, click") << false << false << 2;
        QTest::newRow("Return, one turn, click") << true << false << 1;
        QTest::newRow("click, one turn, Escape") << false << true << 1;
    }

    void aClosedSheetLeavesTheFocusOnThePageShown()
    {
        QFETCH(bool, openedByKeyboard);
        QFETCH(bool, closedByKeyboard);
        QFETCH(int, turns);
        QVERIFY(showBalanceCard());
        if (openedByKeyboard) {
            named(QStringLiteral("bellLink"))->forceActiveFocus(Qt::TabFocusReason);
            QVERIFY(tabTo(m_card));
            key(Qt::Key_Return);
        } else {
            tap(m_app.window, m_card);
        }
        QTRY_VERIFY(topPopupOpened());
        for (int turn = 0; turn < turns; ++turn)
            QVERIFY(turnStrip());
        QCOMPARE(m_card.isNull(), turns == 2);
        QVERIFY(!m_card || shownRect(m_card).isEmpty());
        const qreal standing = m_view->property("contentX").toReal();

        if (closedByKeyboard)
            key(Qt::Key_Escape);
        else
            tap(m_app.window, button(QStringLiteral("Закрыть")));
        QTRY_COMPARE(openPopups(), 0);
        drawFrames(3);
        QQuickItem *focused = m_app.window->activeFocusItem();
        const int shownIndex = m_strip->property("currentIndex").toInt();
        QQuickItem *page = nullptr;
        QMetaObject::invokeMethod(m_view, "itemAtIndex", Q_RETURN_ARG(QQuickItem *, page), Q_ARG(int, shownIndex));
        QVERIFY2(page && page->isAncestorOf(focused), "the focus is not on the page shown");
        QCOMPARE(shownRect(focused), FocusRules::place(focused));
        if (closedByKeyboard) {
            QVERIFY(!m_card || (focused == m_card && shownIndex == 500));
            QVERIFY(!m_strip->property("turning").toBool());
            QCOMPARE(keeper()->target(), focused);
            // Not cut by the strip's edge: the ring lies whole inside the keeper's frame.
            const QRectF ring = keeper()->ring();
            QVERIFY(QRectF(0, 0, keeper()->width(), keeper()->height()).adjusted(-0.5, -0.5, 0.5, 0.5).contains(ring));
        } else {
            QCOMPARE(shownIndex, 500 + turns);
            QCOMPARE(m_view->property("contentX").toReal(), standing);
            QVERIFY(!keeper()->isShown());
        }
    }

    // The pointer's focus stays on a page the strip turns away from; the first key shows that page
    // again before it acts on it: Return opens what the strip shows.
    void aKeyShowsThePageItActsOn()
    {
        QVERIFY(showBalanceCard());
        // A press on the strip's heading puts the pointer in use; the card has the focus from it.
        tap(m_app.window, shown([](QQuickItem *item) { return item->property("text").toString() == u"Твои продукты"; }));
        m_card->forceActiveFocus(Qt::MouseFocusReason);
        QVERIFY(turnStrip() && m_card && shownRect(m_card).isEmpty() && m_card->hasActiveFocus());

        key(Qt::Key_Return);
        QTRY_VERIFY(topPopupOpened());
        QCOMPARE(m_strip->property("currentIndex").toInt(), 500);
        QCOMPARE(shownRect(m_card), FocusRules::place(m_card));
    }
};

QTEST_MAIN(PointerUnchangedTest)
#include "tst_pointerunchanged.moc"
