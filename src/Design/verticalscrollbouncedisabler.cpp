#include "verticalscrollbouncedisabler.h"

#include <QMetaProperty>

VerticalScrollBounceDisabler::VerticalScrollBounceDisabler(QQuickItem *parent)
    : QQuickItem(parent)
{
}

void VerticalScrollBounceDisabler::componentComplete()
{
    QQuickItem::componentComplete();
    scheduleSearch();
}

void VerticalScrollBounceDisabler::itemChange(ItemChange change, const ItemChangeData &data)
{
    if (change == ItemParentHasChanged && isComponentComplete())
        scheduleSearch();
    QQuickItem::itemChange(change, data);
}

void VerticalScrollBounceDisabler::scheduleSearch()
{
    // Deferred, so that the whole tree the item sits in has been built.
    QMetaObject::invokeMethod(this, &VerticalScrollBounceDisabler::disableEnclosingBounce, Qt::QueuedConnection);
}

void VerticalScrollBounceDisabler::disableEnclosingBounce()
{
    for (QQuickItem *ancestor = parentItem(); ancestor; ancestor = ancestor->parentItem()) {
        if (!ancestor->inherits("QQuickFlickable"))
            continue;
        const QMetaObject *meta = ancestor->metaObject();
        const QMetaProperty bounds = meta->property(meta->indexOfProperty("boundsBehavior"));
        bounds.write(ancestor, bounds.enumerator().keysToValue("StopAtBounds"));
        return;
    }
}
