#include "focusscroller.h"

#include <QQuickWindow>

#include <algorithm>

namespace
{
constexpr qreal margin = 16;

// The content position that shows [start, end) (in content coordinates) in a view `extent` long
// at `position`, moving as little as possible; within the content's bounds.
qreal revealed(qreal position, qreal extent, qreal start, qreal end, qreal origin, qreal contentExtent)
{
    qreal target = position;
    if (end - start + 2 * margin > extent || start - margin < position)
        target = start - margin;
    else if (end + margin > position + extent)
        target = end + margin - extent;
    const qreal last = origin + std::max<qreal>(0, contentExtent - extent);
    return std::clamp(target, origin, last);
}
} // namespace

FocusScroller::FocusScroller(QQuickItem *parent)
    : QQuickItem(parent)
{
}

void FocusScroller::itemChange(ItemChange change, const ItemChangeData &value)
{
    QQuickItem::itemChange(change, value);
    if (change != ItemSceneChange)
        return;
    disconnect(m_focusConnection);
    if (QQuickWindow *window = value.window)
        m_focusConnection = connect(window, &QQuickWindow::activeFocusItemChanged, this, [window] { reveal(window->activeFocusItem()); });
}

void FocusScroller::reveal(QQuickItem *item)
{
    if (!item || !item->isVisible())
        return;
    for (QQuickItem *view = item->parentItem(); view; view = view->parentItem()) {
        if (!view->inherits("QQuickFlickable"))
            continue;
        auto *content = view->property("contentItem").value<QQuickItem *>();
        if (!content || !content->isAncestorOf(item))
            continue;
        const QRectF shown = item->mapRectToItem(content, QRectF(0, 0, item->width(), item->height()));
        const qreal contentWidth = view->property("contentWidth").toReal();
        const qreal contentHeight = view->property("contentHeight").toReal();
        if (contentHeight > view->height()) {
            const qreal y = view->property("contentY").toReal();
            const qreal target = revealed(y, view->height(), shown.top(), shown.bottom(), view->property("originY").toReal(), contentHeight);
            if (qAbs(y - target) > 0.5)
                view->setProperty("contentY", target);
        }
        if (contentWidth > view->width()) {
            const qreal x = view->property("contentX").toReal();
            const qreal target = revealed(x, view->width(), shown.left(), shown.right(), view->property("originX").toReal(), contentWidth);
            if (qAbs(x - target) > 0.5)
                view->setProperty("contentX", target);
        }
    }
}
