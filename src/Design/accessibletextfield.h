#pragma once

#include "accessibleitem.h"
#include "accessiblereadabletext.h"

// A text field (any Qt Quick TextInput, so every TextField) or an editable text area (TextEdit,
// TextArea, read as multi-line): named by `Accessible.name`, else by its placeholder. Its text is what the field shows, so a password reads as a mask as long
// as its text, by any boundary; the text can be replaced, inserted and deleted through the
// interface, as typing would (the field's own limits apply and it reports the edit).
// Every change of what it shows (typed, deleted, pasted, set by the screen, rewritten by a rule)
// is told as the text removed and inserted, at its offset, then where the caret is: Qt Quick 6.4
// tells a typed character by the caret alone, and a text set by the screen as replaced whole.
class AccessibleTextField : public AccessibleItem, public AccessibleReadableText, public QAccessibleEditableTextInterface
{
public:
    explicit AccessibleTextField(QQuickItem *item);

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
    using AccessibleReadableText::text;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;

    // QAccessibleEditableTextInterface
    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString &text) override;
    void replaceText(int startOffset, int endOffset, const QString &text) override;

    // Whether the field hides what it holds (any echo mode but the normal one).
    static bool isSecret(const QObject *field);
    // What a hidden field shows in place of `text`: as many mask characters, or nothing.
    static QString masked(const QObject *field, const QString &text);
    // What the field shows, as a screen reader reads it (a password: its mask).
    static QString shownText(QQuickItem *field);
    // Whether `event` is Qt Quick's own report of an edit or a caret move of a field whose edits
    // this interface tells itself (the update filter drops it).
    static bool isSuperseded(const QAccessibleEvent *event);

protected:
    QString readableText() const override;
    bool isMask() const override;

private:
    bool acceptsEdits() const;
};
