#include "accessibleitem.h"

#include "accessiblekit.h"

#include <QQuickWindow>

AccessibleItem::AccessibleItem(QQuickItem *item)
    : m_item(item)
{
}

bool AccessibleItem::isValid() const
{
    return !m_item.isNull();
}

QObject *AccessibleItem::object() const
{
    return m_item;
}

QWindow *AccessibleItem::window() const
{
    return m_item ? m_item->window() : nullptr;
}

QQuickItem *AccessibleItem::item() const
{
    return m_item;
}

QVariant AccessibleItem::accessibleProperty(const char *name) const
{
    const QObject *accessible = AccessibleKit::attached(m_item);
    return accessible ? accessible->property(name) : QVariant();
}

QAccessibleInterface *AccessibleItem::parent() const
{
    if (!m_item)
        return nullptr;
    QQuickWindow *window = m_item->window();
    QQuickItem *root = window ? window->contentItem() : nullptr;
    QQuickItem *ancestor = m_item->parentItem();
    while (ancestor && ancestor != root && !AccessibleKit::isExposed(ancestor))
        ancestor = ancestor->parentItem();
    if (!ancestor)
        return nullptr;
    // The window's root item is not in the tree: the window stands for it.
    if (ancestor == root)
        return QAccessible::queryAccessibleInterface(window);
    return QAccessible::queryAccessibleInterface(ancestor);
}

QList<QQuickItem *> AccessibleItem::childItems() const
{
    return m_item ? AccessibleKit::exposedChildren(m_item) : QList<QQuickItem *>();
}

QAccessibleInterface *AccessibleItem::child(int index) const
{
    const QList<QQuickItem *> children = childItems();
    return index >= 0 && index < children.size() ? QAccessible::queryAccessibleInterface(children.at(index)) : nullptr;
}

int AccessibleItem::childCount() const
{
    return int(childItems().size());
}

int AccessibleItem::indexOfChild(const QAccessibleInterface *child) const
{
    if (!child)
        return -1;
    return int(childItems().indexOf(qobject_cast<QQuickItem *>(child->object())));
}

QAccessibleInterface *AccessibleItem::childAt(int x, int y) const
{
    const QList<QQuickItem *> children = childItems();
    for (auto it = children.crbegin(); it != children.crend(); ++it) {
        QAccessibleInterface *child = QAccessible::queryAccessibleInterface(*it);
        if (child && !child->state().invisible && child->rect().contains(x, y))
            return child;
    }
    return nullptr;
}

QAccessibleInterface *AccessibleItem::focusChild() const
{
    QQuickWindow *window = m_item ? m_item->window() : nullptr;
    QQuickItem *focused = window ? window->activeFocusItem() : nullptr;
    if (!focused || focused == m_item || !m_item->isAncestorOf(focused))
        return nullptr;
    while (focused && !AccessibleKit::isExposed(focused))
        focused = focused->parentItem();
    return focused && focused != m_item ? QAccessible::queryAccessibleInterface(focused) : nullptr;
}

QString AccessibleItem::text(QAccessible::Text type) const
{
    switch (type) {
    case QAccessible::Name:
        return accessibleProperty("name").toString();
    case QAccessible::Description:
        return accessibleProperty("description").toString();
    default:
        return {};
    }
}

void AccessibleItem::setText(QAccessible::Text, const QString &)
{
}

QRect AccessibleItem::rect() const
{
    if (!m_item || !m_item->window() || !m_item->isVisible())
        return {};
    const QRectF scene = m_item->mapRectToScene(QRectF(0, 0, m_item->width(), m_item->height()));
    return {m_item->window()->mapToGlobal(scene.topLeft().toPoint()), scene.size().toSize()};
}

QAccessible::Role AccessibleItem::role() const
{
    const int role = accessibleProperty("role").toInt();
    // Qt gives every Page the role of a tab; a screen is a pane (the tabs are the tab bar's).
    if (role == QAccessible::PageTab && m_item && m_item->inherits("QQuickPage"))
        return QAccessible::Pane;
    return role == QAccessible::NoRole ? QAccessible::Client : QAccessible::Role(role);
}

QAccessible::State AccessibleItem::state() const
{
    QAccessible::State state;
    if (!m_item) {
        state.invalid = true;
        return state;
    }
    if (const QObject *accessible = AccessibleKit::attached(m_item)) {
        state.checkable = accessible->property("checkable").toBool();
        state.checked = accessible->property("checked").toBool();
        state.editable = accessible->property("editable").toBool();
        state.focusable = accessible->property("focusable").toBool();
        state.selectable = accessible->property("selectable").toBool();
        state.selected = accessible->property("selected").toBool();
        state.readOnly = accessible->property("readOnly").toBool();
        state.defaultButton = accessible->property("defaultButton").toBool();
    }
    QQuickWindow *window = m_item->window();
    bool transparent = false;
    for (const QQuickItem *level = m_item; level && !transparent; level = level->parentItem())
        transparent = qFuzzyIsNull(level->opacity());
    if (!window || !window->isVisible() || !m_item->isVisible() || transparent)
        state.invisible = true;
    if (!window || !AccessibleKit::inView(m_item))
        state.offscreen = true;
    if (!m_item->isEnabled())
        state.disabled = true;
    if (m_item->activeFocusOnTab())
        state.focusable = true;
    if (m_item->hasActiveFocus())
        state.focused = true;
    return state;
}

void *AccessibleItem::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ActionInterface)
        return static_cast<QAccessibleActionInterface *>(this);
    return nullptr;
}

bool AccessibleItem::pressesThroughAccessible() const
{
    return m_item && !m_item->inherits("QQuickAbstractButton") && accessibleProperty("role").toInt() == QAccessible::Button;
}

QStringList AccessibleItem::actionNames() const
{
    QStringList names;
    if (pressesThroughAccessible())
        names.append(pressAction());
    if (state().focusable)
        names.append(setFocusAction());
    return names;
}

void AccessibleItem::doAction(const QString &actionName)
{
    if (!m_item)
        return;
    if (actionName == setFocusAction()) {
        m_item->forceActiveFocus(Qt::OtherFocusReason);
    } else if (actionName == pressAction() && pressesThroughAccessible() && m_item->isEnabled() && m_item->isVisible()) {
        // What the item's `Accessible.onPressAction` does.
        QMetaObject::invokeMethod(AccessibleKit::attached(m_item), "pressAction");
    }
}

QStringList AccessibleItem::keyBindingsForAction(const QString &) const
{
    return {};
}
