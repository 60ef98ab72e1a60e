#include "focusscroller.h"

#include "focusrules.h"
#include "textediting.h"

#include <QKeyEvent>
#include <QMetaProperty>
#include <QQuickWindow>

#include <algorithm>

namespace
{
constexpr qreal margin = 16;
// What an arrow scrolls; a page keeps as much of the last one in view.
constexpr qreal line = 40;

// The content position that shows [start, end) (in content coordinates) in a view `extent` long
// at `position`, moving as little as possible; within [first, last]. The margin is what room the
// view leaves around the item, up to `margin`: an item as long as its view (a carousel's page)
// fills it exactly. One longer than its view shows its start, with the margin.
qreal revealed(qreal position, qreal extent, qreal start, qreal end, qreal first, qreal last)
{
    qreal target = position;
    if (end - start > extent) {
        target = start - margin;
    } else {
        const qreal room = std::min(margin, (extent - (end - start)) / 2);
        if (start - room < position)
            target = start - room;
        else if (end + room > position + extent)
            target = end + room - extent;
    }
    return std::clamp(target, first, std::max(first, last));
}

// A list that holds its current item in its highlight band (a wheel) scrolls itself to that item,
// and where it rests is its value: it is not scrolled from outside.
bool keepsItsCurrentItemInPlace(const QQuickItem *view)
{
    const QMetaObject *type = view->metaObject();
    const QMetaProperty mode = type->property(type->indexOfProperty("highlightRangeMode"));
    return mode.isValid() && qstrcmp(mode.enumerator().valueToKey(mode.read(view).toInt()), "StrictlyEnforceRange") == 0;
}

// Where a view's content stands along an axis, and the positions it may take (its margins
// included).
struct Span {
    qreal position;
    qreal first;
    qreal last;
    qreal extent;
};

Span spanOf(const QQuickItem *view, Qt::Orientation axis)
{
    const bool vertical = axis == Qt::Vertical;
    const qreal extent = vertical ? view->height() : view->width();
    const qreal origin = view->property(vertical ? "originY" : "originX").toReal();
    const qreal first = origin - view->property(vertical ? "topMargin" : "leftMargin").toReal();
    const qreal last = origin + view->property(vertical ? "contentHeight" : "contentWidth").toReal()
        + view->property(vertical ? "bottomMargin" : "rightMargin").toReal() - extent;
    return {view->property(vertical ? "contentY" : "contentX").toReal(), first, std::max(first, last), extent};
}

// A key that scrolls where no control takes it: along which axis, how far (a line, a page, to
// the edge), which way.
struct Scroll {
    enum Reach { None, Line, Page, Edge };
    Reach reach = None;
    Qt::Orientation axis = Qt::Vertical;
    int way = 0;
};

Scroll scrollOf(const QKeyEvent *key)
{
    if (key->modifiers() & ~Qt::KeypadModifier)
        return {};
    switch (key->key()) {
    case Qt::Key_Up:
        return {Scroll::Line, Qt::Vertical, -1};
    case Qt::Key_Down:
        return {Scroll::Line, Qt::Vertical, 1};
    case Qt::Key_Left:
        return {Scroll::Line, Qt::Horizontal, -1};
    case Qt::Key_Right:
        return {Scroll::Line, Qt::Horizontal, 1};
    case Qt::Key_PageUp:
        return {Scroll::Page, Qt::Vertical, -1};
    case Qt::Key_PageDown:
        return {Scroll::Page, Qt::Vertical, 1};
    case Qt::Key_Home:
        return {Scroll::Edge, Qt::Vertical, -1};
    case Qt::Key_End:
        return {Scroll::Edge, Qt::Vertical, 1};
    default:
        return {};
    }
}

// A view the keys can move `scroll`'s way from where it stands: one the user moves that way, not
// a wheel or a strip of pages, whose resting place is their value.
bool moves(const QQuickItem *view, const Scroll &scroll)
{
    if (!view->inherits("QQuickFlickable") || !view->isVisible() || !view->property("interactive").toBool()
        || keepsItsCurrentItemInPlace(view) || view->property("snapMode").toInt() != 0)
        return false;
    // Flickable::HorizontalFlick and VerticalFlick.
    const int direction = view->property("flickableDirection").toInt();
    if (direction == (scroll.axis == Qt::Vertical ? 0x1 : 0x2))
        return false;
    const Span span = spanOf(view, scroll.axis);
    return scroll.way < 0 ? span.position > span.first + 0.5 : span.position < span.last - 0.5;
}

// Of the views inside `item` that the keys can move, the largest (a screen's own); none inside a
// view that can.
void findLargest(QQuickItem *item, const Scroll &scroll, QQuickItem *&found)
{
    for (QQuickItem *child : item->childItems()) {
        if (!child->isVisible())
            continue;
        if (moves(child, scroll)) {
            if (!found || child->width() * child->height() > found->width() * found->height())
                found = child;
            continue;
        }
        findLargest(child, scroll, found);
    }
}

// The screen gave the item keys of its own (the chat's list goes from message to message by Up
// and Down).
bool hasOwnKeys(const QQuickItem *item)
{
    const QObjectList &children = item->children();
    return std::any_of(children.cbegin(), children.cend(), [](const QObject *child) {
        return child->inherits("QQuickKeysAttached") || child->inherits("QQuickKeyNavigationAttached");
    });
}

// Moves `view` as `scroll` says. A list reckons its end from the rows it has made, and makes those
// it comes to: it is placed again until its end holds still.
void scrollView(QQuickItem *view, const Scroll &scroll)
{
    const char *property = scroll.axis == Qt::Vertical ? "contentY" : "contentX";
    const Span start = spanOf(view, scroll.axis);
    const qreal step = scroll.reach == Scroll::Line ? line : std::max(line, start.extent - line);
    const qreal wanted = scroll.reach == Scroll::Edge ? (scroll.way < 0 ? -qInf() : qInf()) : start.position + scroll.way * step;
    QMetaObject::invokeMethod(view, "cancelFlick");
    // The keys move it as a drag does: what keeps a view in place until the user moves it (a
    // control followed into view, a list that holds its end) lets go.
    QMetaObject::invokeMethod(view, "movementStarted");
    for (int pass = 0; pass < 4; ++pass) {
        const Span span = spanOf(view, scroll.axis);
        const qreal target = std::clamp(wanted, span.first, span.last);
        if (qAbs(target - span.position) <= 0.5)
            break;
        view->setProperty(property, target);
        view->ensurePolished();
    }
    QMetaObject::invokeMethod(view, "movementEnded");
}

// The main control named by the nearest item around `item` that names one.
QQuickItem *mainControlAround(QQuickItem *item)
{
    for (QQuickItem *above = item; above; above = above->parentItem()) {
        auto *attached = qobject_cast<FocusScrollerAttached *>(qmlAttachedPropertiesObject<FocusScroller>(above, false));
        if (attached && attached->mainControl())
            return attached->mainControl();
    }
    return nullptr;
}
} // namespace

void FocusScrollerAttached::setMainControl(QQuickItem *control)
{
    if (m_mainControl == control)
        return;
    m_mainControl = control;
    Q_EMIT mainControlChanged();
}

FocusScroller::FocusScroller(QQuickItem *parent)
    : QQuickItem(parent)
{
}

FocusScrollerAttached *FocusScroller::qmlAttachedProperties(QObject *object)
{
    return new FocusScrollerAttached(object);
}

void FocusScroller::itemChange(ItemChange change, const ItemChangeData &value)
{
    QQuickItem::itemChange(change, value);
    if (change != ItemSceneChange)
        return;
    disconnect(m_focusConnection);
    follow(nullptr);
    watchKeys(nullptr);
    if (QQuickWindow *window = value.window) {
        m_focusConnection = connect(window, &QQuickWindow::activeFocusItemChanged, this, [this, window] {
            QQuickItem *item = window->activeFocusItem();
            reveal(item);
            follow(item);
            watchKeys(item);
        });
    }
}

// A key goes from the focused item up through the items around it until one takes it. The lists
// on the way see it before their own keys do; the screen sees it once nothing has taken it.
void FocusScroller::watchKeys(QQuickItem *item)
{
    for (const QPointer<QQuickItem> &watched : std::as_const(m_keyLists)) {
        if (watched)
            watched->removeEventFilter(this);
    }
    m_keyLists.clear();
    if (m_keyScreen)
        m_keyScreen->removeEventFilter(this);
    m_keyScreen = nullptr;
    if (!item || !item->window())
        return;
    // A page or a sheet that has the focus itself is the screen its keys scroll.
    m_keyScreen = item->inherits("QQuickPage") || item->inherits("QQuickPopupItem") ? item : FocusRules::screenOf(item);
    for (QQuickItem *above = item; above && above != m_keyScreen; above = above->parentItem()) {
        if (above->inherits("QQuickItemView")) {
            above->installEventFilter(this);
            m_keyLists.append(above);
        }
    }
    if (m_keyScreen)
        m_keyScreen->installEventFilter(this);
}

bool FocusScroller::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    const Scroll scroll = scrollOf(key);
    auto *receiver = qobject_cast<QQuickItem *>(watched);
    if (scroll.reach == Scroll::None || !receiver || !receiver->window())
        return false;
    if (receiver != m_keyScreen) {
        // A list's own arrows would make another of its rows current and give it the focus, a
        // row that is no control (an operation of the statistics, a channel's tile): they go on
        // to the screen instead, unless the screen gave the list keys of its own, or it is a
        // wheel, whose arrows turn it.
        if (hasOwnKeys(receiver) || keepsItsCurrentItemInPlace(receiver))
            return false;
        key->ignore();
        return true;
    }
    QQuickItem *focused = receiver->window()->activeFocusItem();
    if (!focused || FocusRules::isInWebPage(focused) || (TextEditing::isEditable(focused) && scroll.reach != Scroll::Page))
        return false;
    QQuickItem *view = nullptr;
    for (QQuickItem *above = focused; above && above != receiver && !view; above = above->parentItem()) {
        if (moves(above, scroll))
            view = above;
    }
    // Nothing around the focus moves (it is on the screen's heading or bar): the screen's own
    // view does. The window's content is no screen of its own: the tab bar scrolls nothing.
    if (!view && receiver != receiver->window()->contentItem())
        findLargest(receiver, scroll, view);
    if (!view)
        return false;
    scrollView(view, scroll);
    key->accept();
    return true;
}

// An edited field is shown again, once layout is done, whenever it or a view around it changes size
// or its cursor moves. A control (a Tab stop) is shown again whenever the layout moves it inside
// its view (a section above it opens), until the user scrolls that view: the views' own scrolling
// is left alone. A control a tap gave the focus to is not followed. Anything else with the focus (a heading) is shown once.
void FocusScroller::follow(QQuickItem *item)
{
    for (const QMetaObject::Connection &connection : std::as_const(m_followed))
        disconnect(connection);
    m_followed.clear();
    stopFollowingMoves();
    m_item = item;
    const bool edited = TextEditing::isEditable(item);
    if (!item || (!edited && !item->activeFocusOnTab()))
        return;
    if (edited) {
        m_followed.append(connect(item, SIGNAL(cursorRectangleChanged()), this, SLOT(revealLater())));
        m_followed.append(connect(item, &QQuickItem::heightChanged, this, &FocusScroller::revealLater));
    }
    // A control the pointer gave the focus to stays where the layout takes it, as a tapped one does.
    const QVariant keyboard = item->property("visualFocus");
    const bool followMoves = !keyboard.isValid() || keyboard.toBool();
    QList<QQuickItem *> moving;
    for (QQuickItem *above = item; above && above->parentItem(); above = above->parentItem()) {
        QQuickItem *holder = above->parentItem();
        if (!holder->inherits("QQuickFlickable")) {
            moving.append(above);
            continue;
        }
        // `above` is the view's content, which its scrolling moves.
        if (edited)
            m_followed.append(connect(holder, &QQuickItem::heightChanged, this, &FocusScroller::revealLater));
        m_followed.append(connect(holder, SIGNAL(movementStarted()), this, SLOT(stopFollowingMoves())));
        if (!followMoves) {
            moving.clear();
            continue;
        }
        for (QQuickItem *moved : std::as_const(moving)) {
            m_moves.append(connect(moved, &QQuickItem::xChanged, this, &FocusScroller::revealLater));
            m_moves.append(connect(moved, &QQuickItem::yChanged, this, &FocusScroller::revealLater));
        }
        // A view that shrinks (the tab bar back under it once editing ends) would cover the
        // control: it is shown whole again.
        if (!edited) {
            m_moves.append(connect(holder, &QQuickItem::heightChanged, this, &FocusScroller::revealLater));
            m_moves.append(connect(holder, &QQuickItem::widthChanged, this, &FocusScroller::revealLater));
        }
        moving.clear();
    }
}

void FocusScroller::stopFollowingMoves()
{
    for (const QMetaObject::Connection &connection : std::as_const(m_moves))
        disconnect(connection);
    m_moves.clear();
}

void FocusScroller::revealLater()
{
    if (m_revealPending)
        return;
    m_revealPending = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_revealPending = false;
            if (m_item && m_item->hasActiveFocus())
                reveal(m_item);
        },
        Qt::QueuedConnection);
}

void FocusScroller::reveal(QQuickItem *item)
{
    if (!item || !item->isVisible() || !item->window())
        return;
    // A field that has just grown, or a view that has just shrunk, is laid out on the next frame:
    // lay out now, so that the numbers below are the ones the user will see.
    for (QQuickItem *above = item; above; above = above->parentItem())
        above->ensurePolished();

    const bool edited = TextEditing::isEditable(item);
    QQuickItem *companion = edited ? mainControlAround(item) : nullptr;
    const QRectF cursor = edited ? item->property("cursorRectangle").toRectF() : QRectF();
    for (QQuickItem *view = item->parentItem(); view; view = view->parentItem()) {
        if (!view->inherits("QQuickFlickable") || keepsItsCurrentItemInPlace(view))
            continue;
        auto *content = view->property("contentItem").value<QQuickItem *>();
        if (!content || !content->isAncestorOf(item))
            continue;
        QRectF shown = item->mapRectToItem(content, QRectF(0, 0, item->width(), item->height()));
        if (shown.height() + 2 * margin > view->height() && cursor.isValid())
            shown = item->mapRectToItem(content, cursor);
        if (companion && companion->isVisible() && content->isAncestorOf(companion)) {
            const QRectF both = shown | companion->mapRectToItem(content, QRectF(0, 0, companion->width(), companion->height()));
            if (both.height() + 2 * margin <= view->height())
                shown = both;
        }

        if (view->property("contentHeight").toReal() > 0) {
            const Span span = spanOf(view, Qt::Vertical);
            const qreal target = revealed(span.position, span.extent, shown.top(), shown.bottom(), span.first, span.last);
            if (qAbs(span.position - target) > 0.5)
                view->setProperty("contentY", target);
        }
        if (view->property("contentWidth").toReal() > view->width()) {
            const Span span = spanOf(view, Qt::Horizontal);
            const qreal target = revealed(span.position, span.extent, shown.left(), shown.right(), span.first, span.last);
            if (qAbs(span.position - target) > 0.5)
                view->setProperty("contentX", target);
        }
    }
}
