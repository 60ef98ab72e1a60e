#pragma once

#include "accessibleitem.h"

// A one-line text field (any Qt Quick TextInput, so every TextField): named by `Accessible.name`,
// else by its placeholder. Its text is what the field shows, so a password reads as its mask
// only; the text can be replaced, inserted and deleted through the interface, as typing would
// (the field's own limits apply and it reports the edit).
class AccessibleTextField : public AccessibleItem, public QAccessibleTextInterface, public QAccessibleEditableTextInterface
{
public:
    using AccessibleItem::AccessibleItem;

    QString text(QAccessible::Text type) const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    // QAccessibleTextInterface
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

    // QAccessibleEditableTextInterface
    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString &text) override;
    void replaceText(int startOffset, int endOffset, const QString &text) override;

private:
    // What the field shows: its text, or the mask of a password.
    QString shownText() const;
    bool acceptsEdits() const;
};
