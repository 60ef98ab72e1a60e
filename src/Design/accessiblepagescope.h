#pragma once

#include "accessibleitem.h"

// The interface of a PageScope: no children while a modal popup of its window is open.
class AccessiblePageScope : public AccessibleItem
{
public:
    using AccessibleItem::AccessibleItem;

protected:
    QList<QQuickItem *> childItems() const override;
};
