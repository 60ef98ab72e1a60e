#pragma once

#include "accessibleitem.h"
#include "accessiblereadabletext.h"

// Text read as it is shown: a label, a heading, any item whose role is static text. Its name is
// `Accessible.name` (a Text item's own text without one), and the text interface reads that name
// too, for the readers that read labels through it.
class AccessibleLabel : public AccessibleItem, public AccessibleReadableText
{
public:
    // Always: the item is a label. ByRole: the item is one while its role is a label role; with a
    // screen reader on, Qt makes an item's interface as its `Accessible` is made, before QML has
    // set the role.
    enum class Kind { Always, ByRole };
    explicit AccessibleLabel(QQuickItem *item, Kind kind = Kind::Always);

    using AccessibleItem::text;
    using AccessibleReadableText::text;
    QString text(QAccessible::Text type) const override;
    QAccessible::Role role() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    // A label role: static text, a heading, a paragraph.
    static bool isLabelRole(int role);

protected:
    QString readableText() const override;

private:
    bool isLabel() const;

    Kind m_kind;
};
