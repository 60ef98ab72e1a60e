#include "pagescope.h"

#include "accessiblekit.h"

PageScope::PageScope(QQuickItem *parent)
    : QQuickItem(parent)
{
}

void PageScope::componentComplete()
{
    QQuickItem::componentComplete();
    // Only an item with an `Accessible` is a node of the tree; without one, its screens would
    // hang from the window directly.
    AccessibleKit::expose(this);
}
