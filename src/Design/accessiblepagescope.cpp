#include "accessiblepagescope.h"

#include "accessiblekit.h"

QList<QQuickItem *> AccessiblePageScope::childItems() const
{
    if (!item() || !AccessibleKit::openModalPopups(item()->window()).isEmpty())
        return {};
    return AccessibleItem::childItems();
}
