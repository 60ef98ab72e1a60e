#pragma once

#include "accessibleitem.h"

// A popup (a Sheet, an Alert; a menu is a popup menu): a dialog named by its `Accessible.name`,
// modal while its popup is, and empty while another modal popup lies over it.
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
