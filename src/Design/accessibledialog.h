#pragma once

#include "accessibleitem.h"

// A popup: a modal one (a Sheet, an Alert) is a dialog named by its `Accessible.name`, empty while
// another modal popup lies over it; a menu is a popup menu; one that is not modal is a tool bar.
class AccessibleDialog : public AccessibleItem
{
public:
    using AccessibleItem::AccessibleItem;

    QAccessible::Role role() const override;
    QAccessible::State state() const override;

protected:
    QList<QQuickItem *> childItems() const override;

private:
    // Whether the popup this item shows (its QObject parent) is modal.
    bool isModal() const;
};
