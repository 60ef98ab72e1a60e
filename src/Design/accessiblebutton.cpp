#include "accessiblebutton.h"

#include "accessiblekit.h"

namespace
{
// The names of the exposed items inside a button that are shown, in order.
void appendShownNames(const QQuickItem *item, QStringList *names)
{
    for (QQuickItem *child : AccessibleKit::exposedChildren(item)) {
        if (!child->isVisible() || qFuzzyIsNull(child->opacity()))
            continue;
        if (QAccessibleInterface *inner = QAccessible::queryAccessibleInterface(child)) {
            const QString name = inner->text(QAccessible::Name).simplified();
            if (!name.isEmpty())
                names->append(name);
        }
        appendShownNames(child, names);
    }
}
} // namespace

QString AccessibleButton::text(QAccessible::Text type) const
{
    const QString own = AccessibleItem::text(type);
    if (!own.isEmpty() || !item())
        return own;
    if (type == QAccessible::Name)
        return item()->property("text").toString();
    if (type == QAccessible::Description) {
        // A button is read as one element: what its label shows besides its name (a row's
        // subtitle, a value) describes it.
        QStringList shown;
        appendShownNames(item(), &shown);
        // Nor the pieces of its name (a name shown on two lines).
        const QString name = text(QAccessible::Name).simplified();
        shown.removeIf([&](const QString &piece) { return name.contains(piece); });
        shown.removeDuplicates();
        return shown.join(QStringLiteral(", "));
    }
    return own;
}

QAccessible::Role AccessibleButton::role() const
{
    // Qt gives a button's `Accessible` the role of its kind once accessibility is on (a tab
    // button's as a check box's), but not to the buttons made after that: the kinds whose role Qt
    // gets wrong or may not give are settled here, the others keep their `Accessible` role.
    QQuickItem *button = item();
    if (!button)
        return QAccessible::PushButton;
    if (button->inherits("QQuickTabButton"))
        return QAccessible::PageTab;
    // One choice of several (a plan, a way to pay) is a radio button, whatever draws it.
    if (button->inherits("QQuickRadioButton") || button->inherits("QQuickRadioDelegate")
        || (button->property("checkable").toBool() && button->property("autoExclusive").toBool()))
        return QAccessible::RadioButton;
    const int role = accessibleProperty("role").toInt();
    if (role != QAccessible::NoRole)
        return QAccessible::Role(role);
    return button->property("checkable").toBool() ? QAccessible::CheckBox : QAccessible::PushButton;
}

QAccessible::State AccessibleButton::state() const
{
    QAccessible::State state = AccessibleItem::state();
    if (QQuickItem *button = item()) {
        state.checkable = button->property("checkable").toBool();
        state.checked = state.checkable && button->property("checked").toBool();
        state.pressed = button->property("down").toBool();
        state.focusable = button->property("focusPolicy").toInt() != Qt::NoFocus;
        // A tab is the selected one of its list while it is checked.
        if (role() == QAccessible::PageTab) {
            state.selectable = true;
            state.selected = state.checked;
        }
    }
    return state;
}

QList<QQuickItem *> AccessibleButton::childItems() const
{
    return {};
}

QStringList AccessibleButton::actionNames() const
{
    QStringList names{pressAction()};
    // A tab is chosen, not toggled.
    if (state().checkable && role() != QAccessible::PageTab)
        names.append(toggleAction());
    return names + AccessibleItem::actionNames();
}

void AccessibleButton::doAction(const QString &actionName)
{
    QQuickItem *button = item();
    if (!button || !button->isEnabled() || !button->isVisible())
        return;
    if (actionName != pressAction() && actionName != toggleAction()) {
        AccessibleItem::doAction(actionName);
        return;
    }
    // As a tap: a button that takes the focus on a click takes it (what it opens gives it back
    // there), a checkable one changes its state (one of an exclusive group only turns on), then
    // it reports the click.
    if (button->property("focusPolicy").toInt() & Qt::ClickFocus)
        button->forceActiveFocus(Qt::MouseFocusReason);
    if (button->property("checkable").toBool()) {
        const bool exclusive = button->property("autoExclusive").toBool();
        if (!exclusive || !button->property("checked").toBool()) {
            QMetaObject::invokeMethod(button, "toggle");
            QMetaObject::invokeMethod(button, "toggled");
        }
    }
    QMetaObject::invokeMethod(button, "clicked");
}
