#include "focuskeeper.h"

#include "accessiblekit.h"
#include "focusrules.h"
#include "textediting.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QQuickWindow>
#include <QtQml/qqml.h>

namespace
{
bool marksOwnFocus(const QQuickItem *item)
{
    const auto *attached = qobject_cast<FocusKeeperAttached *>(qmlAttachedPropertiesObject<FocusKeeper>(item, false));
    return attached && attached->marksFocus();
}

// What the ring is drawn around: a control, or a text the focus was put on in place of one (a
// result, an error); not a screen's heading, a dialog or a page, and nothing the page of a web view
// holds. (Without assistive technology, Qt Quick gives a control no `Accessible`.) A control
// disabled while it works keeps its ring.
bool takesRing(const QQuickItem *item)
{
    if (!item || !FocusRules::shows(item) || FocusRules::isInWebPage(item) || marksOwnFocus(item) || item->inherits("QQuickPopupItem"))
        return false;
    const QObject *accessible = AccessibleKit::attached(item);
    if (accessible && !AccessibleKit::isExposed(item))
        return false;
    if (!item->isEnabled())
        return FocusRules::isTabStop(item) || item->inherits("QQuickAbstractButton");
    if (!FocusRules::isRestingPlace(item) || FocusRules::isHeading(item))
        return false;
    if (!accessible)
        return true;
    switch (QAccessible::Role(accessible->property("role").toInt())) {
    case QAccessible::Dialog:
    case QAccessible::Window:
    case QAccessible::Client:
        return false;
    default:
        return true;
    }
}

qreal radiusOf(const QQuickItem *item)
{
    for (const char *name : {"radius", "cornerRadius"}) {
        const QVariant radius = item->property(name);
        if (radius.isValid() && radius.toReal() > 0)
            return radius.toReal();
    }
    return 0;
}

// The corners the control shows: its own or its background's, or those of what draws its whole
// box, inside it or around it (a card's surface, a strip that rounds its pages); a plain text
// button's ring is rounded a little.
qreal cornerRadius(const QQuickItem *item)
{
    const QRectF box = FocusRules::place(item);
    const auto sameBox = [&box](const QQuickItem *other) {
        const QRectF rect = FocusRules::place(other);
        return other->isVisible() && std::abs(rect.left() - box.left()) <= 2 && std::abs(rect.right() - box.right()) <= 2
            && std::abs(rect.top() - box.top()) <= 2 && std::abs(rect.bottom() - box.bottom()) <= 2;
    };
    QList<const QQuickItem *> level{item};
    for (int depth = 0; depth < 4 && !level.isEmpty(); ++depth) {
        QList<const QQuickItem *> next;
        for (const QQuickItem *inside : std::as_const(level)) {
            if (sameBox(inside)) {
                if (const qreal radius = radiusOf(inside))
                    return radius;
            }
            for (const QQuickItem *child : inside->childItems())
                next.append(child);
        }
        level = next;
    }
    const QQuickItem *around = item->parentItem();
    for (int depth = 0; around && depth < 4 && sameBox(around); ++depth, around = around->parentItem()) {
        if (const qreal radius = radiusOf(around))
            return radius;
    }
    return 6;
}

bool isModifier(int key)
{
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
        return true;
    default:
        return false;
    }
}

// A key that moves the focus from where it is, or leaves it: Tab, Escape, the menu.
bool isNavigation(const QKeyEvent *key)
{
    switch (key->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
    case Qt::Key_Menu:
        return true;
    default:
        return (key->key() >= Qt::Key_F1 && key->key() <= Qt::Key_F35) || (key->modifiers() & (Qt::AltModifier | Qt::MetaModifier));
    }
}

// A key a field takes (typing, deleting, moving the cursor, Return, a paste) or that a web page
// takes: it neither shows nor hides the ring. A page marks its own focus, whatever moves it.
bool isEditing(const QQuickItem *focused, const QKeyEvent *key)
{
    if (FocusRules::isInWebPage(focused))
        return key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab && key->key() != Qt::Key_Escape;
    return TextEditing::isEditable(focused) && !isNavigation(key);
}

// Qt Quick may have given the focus back already, by a reason of its own (a screen showing again, a
// popup closing): a control takes the one it had.
void keepFocusReason(QQuickItem *item, int reason)
{
    if (item && item->hasActiveFocus() && reason != Qt::OtherFocusReason && item->property("focusReason").isValid())
        item->setProperty("focusReason", reason);
}

bool differ(qreal a, qreal b)
{
    return std::abs(a - b) > 0.25;
}

bool differ(const QRectF &a, const QRectF &b)
{
    return differ(a.x(), b.x()) || differ(a.y(), b.y()) || differ(a.width(), b.width()) || differ(a.height(), b.height());
}
} // namespace

FocusKeeper::FocusKeeper(QQuickItem *parent)
    : QQuickItem(parent)
{
    setVisible(false);
    // Cut to the view of its control.
    setClip(true);
    // Over every screen, and over Qt's popup layer (at 1000001).
    setZ(2000000);
}

FocusKeeper::~FocusKeeper()
{
    if (m_window)
        m_window->removeEventFilter(this);
    // Also when the window has gone first: another may come at its address.
    keepers().removeIf([this](const auto &entry) { return entry.value() == this; });
}

void FocusKeeper::setOutset(qreal outset)
{
    if (qFuzzyCompare(m_outset, outset))
        return;
    m_outset = outset;
    Q_EMIT outsetChanged();
    place();
}

void FocusKeeper::itemChange(ItemChange change, const ItemChangeData &value)
{
    QQuickItem::itemChange(change, value);
    if (change != ItemSceneChange)
        return;
    for (const QMetaObject::Connection &connection : std::as_const(m_windowConnections))
        disconnect(connection);
    m_windowConnections.clear();
    if (m_window)
        m_window->removeEventFilter(this);
    keepers().removeIf([this](const auto &entry) { return entry.value() == this; });
    m_window = value.window;
    if (!m_window)
        return;
    keepers().insert(m_window, this);
    // Items made before this keeper (a screen loaded with it) learn of it now.
    for (FocusKeeperAttached *attached : std::as_const(FocusKeeperAttached::all())) {
        const auto *item = qobject_cast<const QQuickItem *>(attached->parent());
        if (item && item->window() == m_window)
            attached->findKeeper(m_window);
    }
    m_window->installEventFilter(this);
    m_windowConnections.append(connect(m_window, &QQuickWindow::activeFocusItemChanged, this, &FocusKeeper::focusChanged));
    // The control moves with what holds it (a scrolled list, a sliding sheet): the ring follows it
    // frame by frame while it shows, placed before the frame is drawn, and once more after it
    // when a layout of that frame moved the control after all.
    m_windowConnections.append(connect(m_window, &QQuickWindow::afterAnimating, this, [this] {
        if (m_keyboard)
            place();
    }));
    m_windowConnections.append(connect(
        m_window, &QQuickWindow::frameSwapped, this,
        [this] {
            if (m_shown)
                place();
        },
        Qt::QueuedConnection));
}

bool FocusKeeper::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_window)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto *key = static_cast<QKeyEvent *>(event);
        QQuickItem *focused = m_window->activeFocusItem();
        if (!isModifier(key->key()) && !isEditing(focused, key))
            setKeyboard(true);
        const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        if (!tab || (key->modifiers() & ~Qt::ShiftModifier))
            return false;
        // Qt would go on from the start of what holds the focus: Tab goes on from where it is read,
        // or from the control that keeps the focus's place while it works.
        const QQuickItem *from = FocusRules::isReadText(focused) ? focused : nullptr;
        if (!from && m_parked && m_focused && !FocusRules::isRestingPlace(focused))
            from = m_focused;
        if (!from)
            return false;
        const bool forward = key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier);
        QQuickItem *next = FocusRules::stepFrom(from, forward);
        if (!next)
            return false;
        next->forceActiveFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::TouchBegin:
    case QEvent::TabletPress:
        setKeyboard(false);
        return false;
    default:
        return false;
    }
}

void FocusKeeper::setKeyboard(bool keyboard)
{
    if (m_keyboard == keyboard)
        return;
    m_keyboard = keyboard;
    if (keyboard && !std::exchange(m_keyboardUsed, true))
        Q_EMIT keyboardUsedChanged();
    // Before the ring is placed: what shows the focus for the keyboard (a strip's page) moves first.
    Q_EMIT keyboardInUseChanged();
    place();
}

void FocusKeeper::focusChanged()
{
    QQuickItem *focused = m_window ? m_window->activeFocusItem() : nullptr;
    if (FocusRules::isRestingPlace(focused)) {
        m_parked = false;
        if (focused != m_focused)
            remember(focused);
    } else if (focused) {
        // Fallen off what had it, onto what holds it (Qt gives the focus to the nearest focus scope
        // around a control that goes, or that is disabled).
        keepFocusLater();
    }
    place();
}

// What had the focus last, and its going, by any of the ways it can: hidden with what holds it (Qt
// 6.4 may leave the focus on it), disabled, faded out, or deleted.
void FocusKeeper::remember(QQuickItem *item)
{
    for (const QMetaObject::Connection &connection : std::as_const(m_watched))
        disconnect(connection);
    m_watched.clear();
    m_focused = item;
    m_focusedPlace = FocusRules::place(item);
    m_focusedScreen = FocusRules::screenOf(item);
    const auto changed = [this] {
        // Not once its list has let it go: it has no place in the window then.
        if (m_focused && m_focused->window() && m_focused->parentItem())
            m_focusedPlace = FocusRules::place(m_focused);
        keepFocusLater();
    };
    m_watched.append(connect(item, &QQuickItem::visibleChanged, this, changed));
    m_watched.append(connect(item, &QQuickItem::enabledChanged, this, changed));
    m_watched.append(connect(item, &QQuickItem::opacityChanged, this, changed));
    m_watched.append(connect(item, &QObject::destroyed, this, &FocusKeeper::keepFocusLater));
}

void FocusKeeper::park(QQuickItem *item)
{
    if (item != m_focused)
        remember(item);
    m_parked = true;
    place();
}

void FocusKeeper::keepFocusLater()
{
    if (std::exchange(m_keepPending, true))
        return;
    // Once what took it away has finished: a screen that closes gives the focus back itself.
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_keepPending = false;
            keepFocus();
        },
        Qt::QueuedConnection);
}

void FocusKeeper::keepFocus()
{
    QQuickItem *focused = m_window ? m_window->activeFocusItem() : nullptr;
    // The window has lost the focus to another one, or the focus rests where it may.
    if (!focused || (FocusRules::isRestingPlace(focused) && FocusRules::shows(focused))) {
        place();
        return;
    }
    const int reason = m_keyboard ? Qt::ShortcutFocusReason : Qt::OtherFocusReason;
    const bool gone = !m_focused || !m_focused->window() || !m_focused->isVisible() || m_focused->opacity() <= 0.01;
    if (!gone) {
        if (!m_focused->isEnabled()) {
            // Busy, not gone: a button disabled while its request runs keeps the focus's place.
            park(m_focused);
            return;
        }
        // Done working: the focus goes back to it, unless the user has gone on meanwhile. A field
        // takes it back only from the keyboard: for a pointer it would start editing of itself.
        const bool wasParked = std::exchange(m_parked, false);
        if (wasParked && m_focused != focused && (m_keyboard || !TextEditing::isEditable(m_focused)))
            moveFocus(m_focused, reason);
        // Else the focus was taken off it on purpose (editing ended by a tap beside the field).
        place();
        return;
    }
    m_parked = false;
    place();
    // Only within a screen that stays: a sheet, an alert or a page that closes gives the focus back
    // itself, to what opened it. A screen is a page or a popup: what is shown whole in place of
    // another (the sign-in screen for the app's) hands the focus on by itself.
    QQuickItem *screen = m_focusedScreen;
    if (!screen || !screen->isVisible() || screen->window() != m_window || screen == m_window->contentItem()
        || (m_focused && m_focused->inherits("QQuickPopupItem")))
        return;
    const QList<QQuickItem *> popups = AccessibleKit::openModalPopups(m_window);
    if (!popups.isEmpty() && popups.constLast() != screen && !popups.constLast()->isAncestorOf(screen))
        return;
    if (QQuickItem *target = FocusRules::replacement(screen, m_focusedPlace))
        moveFocus(target, FocusRules::isHeading(target) ? int(Qt::OtherFocusReason) : reason);
}

QHash<const QQuickWindow *, FocusKeeper *> &FocusKeeper::keepers()
{
    static QHash<const QQuickWindow *, FocusKeeper *> all;
    return all;
}

void FocusKeeper::place()
{
    QQuickItem *focused = m_window && m_keyboard ? m_window->activeFocusItem() : nullptr;
    if (focused && m_parked && m_focused && !FocusRules::isRestingPlace(focused)) {
        // The control at work keeps the ring while the focus waits for it.
        focused = m_focused;
    } else if (FocusRules::isInWebPage(focused)) {
        // The page marks its own focus.
        focused = nullptr;
    } else {
        // A control's inner item takes the ring of the control around it.
        while (focused && focused != m_window->contentItem() && !FocusRules::isRestingPlace(focused))
            focused = focused->parentItem();
    }
    bool shown = takesRing(focused) && parentItem();
    if (shown) {
        const QRectF box = FocusRules::place(focused);
        // The room the ring has: the window, and the views that scroll the control.
        const QRectF room = FocusRules::viewport(focused);
        QRectF ring = box.adjusted(-m_outset, -m_outset, m_outset, m_outset);
        qreal radius = std::min(cornerRadius(focused), std::min(box.width(), box.height()) / 2);
        // Where a control meets the edge of its room (a row as wide as the window, a page of a
        // strip, a bar's button at the window's top), the ring runs along the inside of its box on
        // that side.
        if (ring.left() < room.left() && box.left() >= room.left())
            ring.setLeft(box.left());
        if (ring.right() > room.right() && box.right() <= room.right())
            ring.setRight(box.right());
        if (ring.top() < room.top() && box.top() >= room.top())
            ring.setTop(box.top());
        if (ring.bottom() > room.bottom() && box.bottom() <= room.bottom())
            ring.setBottom(box.bottom());
        if (ring == box.adjusted(-m_outset, -m_outset, m_outset, m_outset))
            radius += m_outset;
        // A control scrolled partly out of its view takes its ring there, cut by the view's edge,
        // never over a bar or a header beside the view.
        const QRectF frame = ring & room;
        shown = !frame.isEmpty();
        if (shown) {
            const QRectF local = parentItem()->mapRectFromScene(frame);
            if (differ(x(), local.x()) || differ(y(), local.y()))
                setPosition(local.topLeft());
            if (differ(width(), local.width()) || differ(height(), local.height()))
                setSize(local.size());
            const QRectF inside = ring.translated(-frame.topLeft());
            if (differ(m_ring, inside)) {
                m_ring = inside;
                Q_EMIT ringChanged();
            }
            if (differ(m_radius, radius)) {
                m_radius = radius;
                Q_EMIT radiusChanged();
            }
        }
    }
    m_target = shown ? focused : nullptr;
    setVisible(shown);
    if (m_shown != shown) {
        m_shown = shown;
        Q_EMIT shownChanged();
    }
}

void FocusKeeper::moveFocus(QQuickItem *item, int reason)
{
    if (!item || !item->isVisible() || !item->window())
        return;
    const QList<QQuickItem *> popups = AccessibleKit::openModalPopups(item->window());
    if (!popups.isEmpty() && popups.constLast() != item && !popups.constLast()->isAncestorOf(item))
        return;
    if (!item->hasActiveFocus()) {
        item->forceActiveFocus(Qt::FocusReason(reason));
        return;
    }
    keepFocusReason(item, reason);
    QAccessibleEvent focus(item, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

void FocusKeeper::land(QQuickItem *preferred, bool there, QQuickItem *screen, const QRectF &place, int reason)
{
    if (there && !preferred->isEnabled()) {
        // At work still: the focus waits for it, where a keeper is.
        if (FocusKeeper *keeper = keepers().value(preferred->window()))
            keeper->park(preferred);
        return;
    }
    QQuickItem *target = there ? preferred : FocusRules::replacement(screen, place);
    if (!target)
        return;
    if (!there && FocusRules::isHeading(target))
        reason = Qt::OtherFocusReason;
    // Qt may have given it the focus already (a screen showing again, a popup closing): that was
    // read out.
    if (target->hasActiveFocus())
        keepFocusReason(target, reason);
    else
        moveFocus(target, reason);
}

void FocusKeeper::enterScreen(QQuickItem *screen, QQuickItem *preferred, int reason, const QRectF &place)
{
    QQuickWindow *window = screen ? screen->window() : nullptr;
    if (!window || !screen->isVisible())
        return;
    // A screen made before its window had a size is laid out for the window's first frame: it is
    // entered then.
    if (preferred && preferred->window() == window && preferred->isVisible() && (preferred->width() <= 0 || preferred->height() <= 0)) {
        const QPointer<QQuickItem> later(preferred);
        connect(
            window, &QQuickWindow::frameSwapped, screen,
            [screen, later, reason, place] {
                if (later && later->width() > 0 && later->height() > 0)
                    enterScreen(screen, later, reason, place);
            },
            Qt::ConnectionType(Qt::QueuedConnection | Qt::SingleShotConnection));
        return;
    }
    keepFocusReason(preferred, reason);
    // A screen that comes back gives the focus to what had it inside it (Qt's focus scope), though
    // it may have gone meanwhile (hidden): only a place the focus may rest on was the user's.
    QQuickItem *focused = window->activeFocusItem();
    if (screen->isAncestorOf(focused) && FocusRules::isRestingPlace(focused) && FocusRules::isPresent(focused))
        return;
    const bool there = preferred && preferred->window() == window && FocusRules::isPresent(preferred);
    land(preferred, there, screen, place, reason);
}

void FocusKeeper::giveBack(QQuickItem *opener, QQuickItem *screen, const QRectF &place, int reason)
{
    const bool there = opener && opener->window() && FocusRules::shows(opener);
    if (!there && (!screen || !screen->window() || !screen->isVisible()))
        return;
    land(opener, there, screen, place, reason);
}

FocusKeeper::Place FocusKeeper::returnPoint(QQuickItem *item, QQuickItem *opener)
{
    const QQuickWindow *window = item ? item->window() : nullptr;
    QQuickItem *back = opener ? opener : window ? window->activeFocusItem() : nullptr;
    // The focus has fallen off a control that is going or working, onto what holds it: the keeper
    // knows where it was while it was still there.
    if (!opener && window && !FocusRules::isRestingPlace(back)) {
        const FocusKeeper *keeper = keepers().value(window);
        if (keeper && keeper->m_focused && keeper->m_focusedScreen)
            return {keeper->m_focused, keeper->m_focusedScreen, keeper->m_focusedPlace};
    }
    return {back, FocusRules::screenOf(back), back ? FocusRules::place(back) : QRectF()};
}

FocusKeeperAttached *FocusKeeper::qmlAttachedProperties(QObject *object)
{
    return new FocusKeeperAttached(object);
}

FocusKeeperAttached::FocusKeeperAttached(QObject *object)
    : QObject(object)
{
    all().insert(this);
    auto *item = qobject_cast<QQuickItem *>(object);
    if (!item)
        return;
    connect(item, &QQuickItem::parentChanged, this, &FocusKeeperAttached::reorder);
    connect(item, &QQuickItem::windowChanged, this, &FocusKeeperAttached::findKeeper);
    findKeeper(item->window());
}

FocusKeeperAttached::~FocusKeeperAttached()
{
    all().remove(this);
}

QSet<FocusKeeperAttached *> &FocusKeeperAttached::all()
{
    static QSet<FocusKeeperAttached *> attached;
    return attached;
}

void FocusKeeperAttached::findKeeper(QQuickWindow *window)
{
    const bool used = isKeyboardUsed();
    const bool inUse = isKeyboardInUse();
    for (const QMetaObject::Connection &connection : std::as_const(m_keeperConnections))
        disconnect(connection);
    m_keeperConnections.clear();
    m_keeper = FocusKeeper::keepers().value(window);
    if (m_keeper) {
        m_keeperConnections.append(connect(m_keeper, &FocusKeeper::keyboardUsedChanged, this, &FocusKeeperAttached::keyboardUsedChanged));
        m_keeperConnections.append(connect(m_keeper, &FocusKeeper::keyboardInUseChanged, this, &FocusKeeperAttached::keyboardInUseChanged));
    }
    if (used != isKeyboardUsed())
        Q_EMIT keyboardUsedChanged();
    if (inUse != isKeyboardInUse())
        Q_EMIT keyboardInUseChanged();
}

void FocusKeeperAttached::setMarksFocus(bool marks)
{
    if (m_marksFocus == marks)
        return;
    m_marksFocus = marks;
    Q_EMIT marksFocusChanged();
}

void FocusKeeperAttached::setTabIndex(int index)
{
    if (m_tabIndex == index)
        return;
    m_tabIndex = index;
    Q_EMIT tabIndexChanged();
    reorder();
}

// Qt takes the Tab stops in the order of the items among their siblings: the item goes before the
// first sibling of a higher index, or after the last of a lower one.
void FocusKeeperAttached::reorder()
{
    auto *item = qobject_cast<QQuickItem *>(parent());
    if (!item || !item->parentItem() || m_tabIndex < 0)
        return;
    QQuickItem *before = nullptr;
    QQuickItem *after = nullptr;
    int beforeIndex = 0;
    int afterIndex = 0;
    for (QQuickItem *sibling : item->parentItem()->childItems()) {
        const auto *other = qobject_cast<FocusKeeperAttached *>(qmlAttachedPropertiesObject<FocusKeeper>(sibling, false));
        if (sibling == item || !other || other->m_tabIndex < 0)
            continue;
        if (other->m_tabIndex > m_tabIndex && (!before || other->m_tabIndex < beforeIndex)) {
            before = sibling;
            beforeIndex = other->m_tabIndex;
        } else if (other->m_tabIndex < m_tabIndex && (!after || other->m_tabIndex > afterIndex)) {
            after = sibling;
            afterIndex = other->m_tabIndex;
        }
    }
    if (before)
        item->stackBefore(before);
    else if (after)
        item->stackAfter(after);
}
