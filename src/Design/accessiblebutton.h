#pragma once

#include "accessibleitem.h"

// A button (any Qt Quick Templates AbstractButton): named by `Accessible.name` or its text,
// described by the rest of what its label shows, with its true role, checked, disabled and
// pressed states (a tab: selected while checked), and no children (it is read as one element). The press action does what a tap
// does, which Qt 6.4's own interface only reports.
class AccessibleButton : public AccessibleItem
{
public:
    using AccessibleItem::AccessibleItem;

    QString text(QAccessible::Text type) const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

protected:
    QList<QQuickItem *> childItems() const override;
};
