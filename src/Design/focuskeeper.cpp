#include "focuskeeper.h"

#include "accessiblekit.h"
#include "focusrules.h"
#include "screenreader.h"
#include "textediting.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QTimer>
#include <QQuickWindow>
#include <QtQml/qqml.h>

namespace
{
bool isControl(const QQuickItem *item)
{
    return item->activeFocusOnTab() || TextEditing::isEditable(item) || item->inherits("QQuickAbstractButton");
}

// What the ring is drawn around: a control, not a text that the focus was put on to be read (a
// heading, an error) nor a dialog or a page. (Without assistive technology, Qt Quick gives a
// control no `Accessible`.)
bool takesRing(const QQuickItem *item)
{
    if (!item || !FocusRules::shows(item))
        return false;
    const QObject *accessible = AccessibleKit::attached(item);
    if (accessible && !AccessibleKit::isExposed(item))
        return false;
    if (isControl(item))
        return true;
    if (!accessible)
        return false;
    switch (QAccessible::Role(accessible->property("role").toInt())) {
    case QAccessible::NoRole:
    case QAccessible::Dialog:
    case QAccessible::Pane:
    case QAccessible::Window:
    case QAccessible::Client:
        return false;
    default:
        return !FocusRules::isReadText(item);
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

// Typing into a field: the characters and their deletion, which neither show nor hide the ring.
bool isTyping(const QQuickItem *focused, const QKeyEvent *key)
{
    if (!TextEditing::isEditable(focused) || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return false;
    if (key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete)
        return true;
    const QString text = key->text();
    return !text.isEmpty() && text.at(0).isPrint();
}

// How long a control may stay disabled with the focus gone from it before it counts as gone.
constexpr std::chrono::milliseconds disabledGrace{1500};

bool differ(qreal a, qreal b)
{
    return std::abs(a - b) > 0.25;
}
} // namespace

FocusKeeper::FocusKeeper(QQuickItem *parent)
    : QQuickItem(parent)
{
    setVisible(false);
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
        if (!isModifier(key->key()) && !isTyping(focused, key))
            setKeyboard(true);
        const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        if (!tab || (key->modifiers() & ~Qt::ShiftModifier) || !FocusRules::isReadText(focused))
            return false;
        // Qt would go on from the start of what holds the text: Tab goes on from where it is read.
        const bool forward = key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier);
        QQuickItem *next = FocusRules::stepFrom(focused, forward);
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
    place();
}

void FocusKeeper::focusChanged()
{
    QQuickItem *focused = m_window ? m_window->activeFocusItem() : nullptr;
    if (FocusRules::isRestingPlace(focused)) {
        if (focused != m_focused)
            remember(focused);
        m_waitingForEnable = false;
    } else if (focused) {
        // Fallen off what had it, onto what holds it (Qt gives the focus to the nearest focus scope
        // around a control that goes, or that is disabled).
        keepFocusLater();
    }
    place();
}

std::optional<FocusKeeper::Place> FocusKeeper::lastFocus(const QQuickWindow *window)
{
    const FocusKeeper *keeper = keepers().value(window);
    if (!keeper || !keeper->m_focused || !keeper->m_focusedScreen)
        return std::nullopt;
    return Place{keeper->m_focused, keeper->m_focusedScreen, keeper->m_focusedPlace};
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
        m_waitingForEnable = false;
        return;
    }
    bool gone = !m_focused || !m_focused->isVisible() || m_focused->opacity() <= 0.01 || !m_focused->window();
    if (!gone && !m_focused->isEnabled()) {
        // A control that works for a moment (a payment method while its checkout is made) gets the
        // focus back when it is done, unless the user has gone on meanwhile, and a popup opened
        // meanwhile returns to it; one that stays disabled (a counter at its limit) has gone.
        if (!std::exchange(m_waitingForEnable, true))
            m_disabledFor.start();
        if (m_disabledFor.elapsed() < disabledGrace.count()) {
            QTimer::singleShot(disabledGrace, this, &FocusKeeper::keepFocusLater);
            return;
        }
        gone = true;
    }
    if (!gone) {
        if (std::exchange(m_waitingForEnable, false) && m_focused != focused)
            ScreenReader::announce(m_focused, m_keyboard ? Qt::ShortcutFocusReason : Qt::OtherFocusReason);
        // Else the focus was taken off it on purpose (editing ended by a tap beside the field).
        return;
    }
    m_waitingForEnable = false;
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
    QQuickItem *target = FocusRules::nearest(screen, m_focusedPlace);
    if (!target)
        target = ScreenReader::screenHeading(screen);
    if (target)
        ScreenReader::announce(target, m_keyboard ? Qt::ShortcutFocusReason : Qt::OtherFocusReason);
}

QHash<const QQuickWindow *, FocusKeeper *> &FocusKeeper::keepers()
{
    static QHash<const QQuickWindow *, FocusKeeper *> all;
    return all;
}

void FocusKeeper::place()
{
    QQuickItem *focused = m_window && m_keyboard ? m_window->activeFocusItem() : nullptr;
    // A control's inner item takes the ring of the control around it.
    while (focused && focused != m_window->contentItem() && !AccessibleKit::isExposed(focused) && !isControl(focused))
        focused = focused->parentItem();
    const bool shown = takesRing(focused) && parentItem();
    if (shown) {
        const QRectF box = FocusRules::place(focused);
        QRectF ring = box.adjusted(-m_outset, -m_outset, m_outset, m_outset);
        qreal radius = std::min(cornerRadius(focused), std::min(box.width(), box.height()) / 2);
        // A control that fills the window's width (a page of a strip, a row) takes the ring inside
        // its box, where the window does not cut it.
        const QRectF window(QPointF(), m_window->size());
        if (!window.contains(ring)) {
            ring = box & window;
        } else {
            radius += m_outset;
        }
        const QRectF local = parentItem()->mapRectFromScene(ring);
        if (differ(x(), local.x()) || differ(y(), local.y()))
            setPosition(local.topLeft());
        if (differ(width(), local.width()) || differ(height(), local.height()))
            setSize(local.size());
        if (differ(m_radius, radius)) {
            m_radius = radius;
            Q_EMIT radiusChanged();
        }
    }
    m_target = shown ? focused : nullptr;
    setVisible(shown);
    if (m_shown != shown) {
        m_shown = shown;
        Q_EMIT shownChanged();
    }
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
    disconnect(m_keeperConnection);
    m_keeper = FocusKeeper::keepers().value(window);
    if (m_keeper)
        m_keeperConnection = connect(m_keeper, &FocusKeeper::keyboardUsedChanged, this, &FocusKeeperAttached::keyboardUsedChanged);
    if (used != isKeyboardUsed())
        Q_EMIT keyboardUsedChanged();
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
