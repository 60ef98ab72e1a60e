#include "accessiblelabel.h"

AccessibleLabel::AccessibleLabel(QQuickItem *item, Kind kind)
    : AccessibleItem(item)
    , m_kind(kind)
{
}

bool AccessibleLabel::isLabel() const
{
    return m_kind == Kind::Always || isLabelRole(accessibleProperty("role").toInt());
}

bool AccessibleLabel::isLabelRole(int role)
{
    return role == QAccessible::StaticText || role == QAccessible::Heading || role == QAccessible::Paragraph;
}

QString AccessibleLabel::text(QAccessible::Text type) const
{
    const QString own = AccessibleItem::text(type);
    if (type == QAccessible::Name && own.isEmpty() && item() && item()->inherits("QQuickText"))
        return item()->property("text").toString();
    return own;
}

QAccessible::Role AccessibleLabel::role() const
{
    if (!isLabel())
        return AccessibleItem::role();
    const int role = accessibleProperty("role").toInt();
    return role == QAccessible::NoRole ? QAccessible::StaticText : QAccessible::Role(role);
}

void *AccessibleLabel::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface && isLabel())
        return static_cast<QAccessibleTextInterface *>(this);
    return AccessibleItem::interface_cast(type);
}

QString AccessibleLabel::readableText() const
{
    return text(QAccessible::Name);
}
