#include "pagescope.h"

#include "accessiblekit.h"

#include <QAccessible>

PageScope::PageScope(QQuickItem *parent)
    : QQuickItem(parent)
{
}

void PageScope::componentComplete()
{
    QQuickItem::componentComplete();
    // Only an item with an `Accessible` is a node of the tree; without one, its screens would
    // hang from the window directly. It is the pane that holds them.
    AccessibleKit::expose(this);
    if (QObject *accessible = AccessibleKit::attached(this))
        accessible->setProperty("role", int(QAccessible::Pane));
}
