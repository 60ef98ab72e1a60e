#include "accessiblelabel.h"

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
    const int role = accessibleProperty("role").toInt();
    return role == QAccessible::NoRole ? QAccessible::StaticText : QAccessible::Role(role);
}

void *AccessibleLabel::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return AccessibleItem::interface_cast(type);
}

QString AccessibleLabel::readableText() const
{
    return text(QAccessible::Name);
}

void AccessibleLabel::selection(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = 0;
}

int AccessibleLabel::selectionCount() const
{
    return 0;
}

void AccessibleLabel::addSelection(int, int)
{
}

void AccessibleLabel::removeSelection(int)
{
}

void AccessibleLabel::setSelection(int, int, int)
{
}

int AccessibleLabel::cursorPosition() const
{
    return 0;
}

void AccessibleLabel::setCursorPosition(int)
{
}

QRect AccessibleLabel::characterRect(int) const
{
    return {};
}

int AccessibleLabel::offsetAtPoint(const QPoint &) const
{
    return -1;
}

void AccessibleLabel::scrollToSubstring(int, int)
{
}

QString AccessibleLabel::attributes(int offset, int *startOffset, int *endOffset) const
{
    *startOffset = offset;
    *endOffset = offset;
    return {};
}
