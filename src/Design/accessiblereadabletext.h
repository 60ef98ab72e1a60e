#pragma once

#include <QAccessibleTextInterface>

// QAccessibleTextInterface over the text a node shows, to read: its characters, and the character,
// word, sentence, line or whole text around an offset. Qt's own default loops for ever asked for a
// word of a text without one (a password's mask); this one always ends. A mask is read one
// character at a time or whole. Nothing can be selected, no cursor placed, no character located:
// a node where they can overrides those.
class AccessibleReadableText : public QAccessibleTextInterface
{
public:
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                         int *endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                             int *endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                            int *endOffset) const override;

protected:
    // What the node shows (a password: its mask).
    virtual QString readableText() const = 0;
    virtual bool isMask() const { return false; }

private:
    // The piece of `text` that holds `offset`, as [start, end); empty at the end of the text.
    std::pair<int, int> pieceAt(const QString &text, int offset, QAccessible::TextBoundaryType boundaryType) const;
    QString piece(const QString &text, std::pair<int, int> range, int *startOffset, int *endOffset) const;
};
