#pragma once

#include <QAccessibleTextInterface>

// The reading half of QAccessibleTextInterface over the text a node shows: its characters, and
// the character, word, sentence, line or whole text around an offset. Qt's own default loops for
// ever asked for a word of a text without one (a password's mask); this one always ends. A mask
// is read one character at a time or whole.
class AccessibleReadableText : public QAccessibleTextInterface
{
public:
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
