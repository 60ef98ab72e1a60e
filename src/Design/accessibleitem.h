#pragma once

#include <QAccessibleActionInterface>
#include <QAccessibleInterface>
#include <QPointer>
#include <QQuickItem>

// The accessibility interface of a Qt Quick item as Qt Quick's own gives it (name, description and
// role from `Accessible`, the tree of exposed items, geometry, focus, the press of an item that
// stands for a button), plus the disabled state Qt 6.4 never reports. The kinds of item that need
// more derive from it (see AccessibleKit).
class AccessibleItem : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    explicit AccessibleItem(QQuickItem *item);

    bool isValid() const override;
    QObject *object() const override;
    QWindow *window() const override;
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *focusChild() const override;
    QString text(QAccessible::Text type) const override;
    void setText(QAccessible::Text type, const QString &text) override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &actionName) const override;

protected:
    QQuickItem *item() const;
    // A property of the item's `Accessible` attached object (invalid without one).
    QVariant accessibleProperty(const char *name) const;
    // The items seen as this one's children.
    virtual QList<QQuickItem *> childItems() const;
    // An item that is not a control but stands for a button (its `Accessible.role`) is pressed
    // through its `Accessible.onPressAction`.
    bool pressesThroughAccessible() const;

private:
    QPointer<QQuickItem> m_item;
};
