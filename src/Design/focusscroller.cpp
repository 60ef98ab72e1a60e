#include "focusscroller.h"

#include "textediting.h"

#include <QMetaProperty>
#include <QQuickWindow>

#include <algorithm>

namespace
{
constexpr qreal margin = 16;

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
    if (QQuickWindow *window = value.window) {
        m_focusConnection = connect(window, &QQuickWindow::activeFocusItemChanged, this, [this, window] {
            QQuickItem *item = window->activeFocusItem();
            reveal(item);
            follow(item);
        });
    }
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

        const qreal contentHeight = view->property("contentHeight").toReal();
        if (contentHeight > 0) {
            const qreal y = view->property("contentY").toReal();
            const qreal first = view->property("originY").toReal() - view->property("topMargin").toReal();
            const qreal last = view->property("originY").toReal() + contentHeight + view->property("bottomMargin").toReal() - view->height();
            const qreal target = revealed(y, view->height(), shown.top(), shown.bottom(), first, last);
            if (qAbs(y - target) > 0.5)
                view->setProperty("contentY", target);
        }
        const qreal contentWidth = view->property("contentWidth").toReal();
        if (contentWidth > view->width()) {
            const qreal x = view->property("contentX").toReal();
            const qreal first = view->property("originX").toReal() - view->property("leftMargin").toReal();
            const qreal last = view->property("originX").toReal() + contentWidth + view->property("rightMargin").toReal() - view->width();
            const qreal target = revealed(x, view->width(), shown.left(), shown.right(), first, last);
            if (qAbs(x - target) > 0.5)
                view->setProperty("contentX", target);
        }
    }
}
