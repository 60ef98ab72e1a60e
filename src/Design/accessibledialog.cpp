#include "accessibledialog.h"

#include "accessiblekit.h"

bool AccessibleDialog::isModal() const
{
    return item() && item()->parent() && item()->parent()->property("modal").toBool();
}

QAccessible::Role AccessibleDialog::role() const
{
    const int role = accessibleProperty("role").toInt();
    return role == QAccessible::NoRole ? QAccessible::Dialog : QAccessible::Role(role);
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
