#include "accessibledialog.h"

#include "accessiblekit.h"

bool AccessibleDialog::isModal() const
{
    return item() && item()->parent() && item()->parent()->property("modal").toBool();
}

QAccessible::Role AccessibleDialog::role() const
{
    // Settled here by the popup's kind: Qt gives the role once accessibility is on, but not to the
    // popups made after that.
    const QObject *popup = item() ? item()->parent() : nullptr;
    if (popup && popup->inherits("QQuickMenu"))
        return QAccessible::PopupMenu;
    if (popup && popup->inherits("QQuickToolTip"))
        return QAccessible::ToolTip;
    // One that leaves the window to the user (the keyboard's bar) is a bar beside the content.
    return isModal() ? QAccessible::Dialog : QAccessible::ToolBar;
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
