#include "accessibledialog.h"

#include "accessiblekit.h"

bool AccessibleDialog::isModal() const
{
    return item() && item()->parent() && item()->parent()->property("modal").toBool();
}

QAccessible::Role AccessibleDialog::role() const
{
    const int role = accessibleProperty("role").toInt();
    if (role != QAccessible::NoRole)
        return QAccessible::Role(role);
    // Qt gives the role once accessibility is on, but not to the popups made after that.
    const QObject *popup = item() ? item()->parent() : nullptr;
    if (popup && popup->inherits("QQuickMenu"))
        return QAccessible::PopupMenu;
    if (popup && popup->inherits("QQuickToolTip"))
        return QAccessible::ToolTip;
    return QAccessible::Dialog;
}

QAccessible::State AccessibleDialog::state() const
{
    QAccessible::State state = AccessibleItem::state();
    state.modal = isModal();
    return state;
}

QList<QQuickItem *> AccessibleDialog::childItems() const
{
    QQuickItem *popup = item();
    if (!popup)
        return {};
    const QList<QQuickItem *> open = AccessibleKit::openModalPopups(popup->window());
    const qsizetype place = open.indexOf(popup);
    if (place >= 0 && place < open.size() - 1)
        return {};
    return AccessibleItem::childItems();
}
