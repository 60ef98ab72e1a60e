#include "accessiblereadabletext.h"

#include <QTextBoundaryFinder>

#include <algorithm>

QString AccessibleReadableText::text(int startOffset, int endOffset) const
{
    const QString shown = readableText();
    // An end of -1 is the end of the text, as AT-SPI has it.
    if (endOffset < 0)
        endOffset = int(shown.size());
    startOffset = std::clamp(startOffset, 0, int(shown.size()));
    endOffset = std::clamp(endOffset, startOffset, int(shown.size()));
    return shown.mid(startOffset, endOffset - startOffset);
}

int AccessibleReadableText::characterCount() const
{
    return int(readableText().size());
}

std::pair<int, int> AccessibleReadableText::pieceAt(const QString &text, int offset,
                                                    QAccessible::TextBoundaryType boundaryType) const
{
    const int length = int(text.size());
    if (offset < 0 || offset >= length)
        return {std::clamp(offset, 0, length), std::clamp(offset, 0, length)};
    if (isMask())
        return boundaryType == QAccessible::CharBoundary ? std::pair{offset, offset + 1} : std::pair{0, length};

    QTextBoundaryFinder::BoundaryType finderType = QTextBoundaryFinder::Grapheme;
    switch (boundaryType) {
    case QAccessible::CharBoundary:
        break;
    case QAccessible::WordBoundary:
        finderType = QTextBoundaryFinder::Word;
        break;
    case QAccessible::SentenceBoundary:
        finderType = QTextBoundaryFinder::Sentence;
        break;
    case QAccessible::LineBoundary:
    case QAccessible::ParagraphBoundary: {
        const int start = offset > 0 ? int(text.lastIndexOf(QLatin1Char('\n'), offset - 1)) + 1 : 0;
        const int newline = int(text.indexOf(QLatin1Char('\n'), offset));
        return {start, newline < 0 ? length : newline + 1};
    }
    case QAccessible::NoBoundary:
        return {0, length};
    }
    // The boundaries next to the offset, whatever their reason: toNextBoundary() answers -1 past
    // the last, which is where Qt's default keeps on looking.
    QTextBoundaryFinder finder(finderType, text);
    finder.setPosition(offset);
    int start = finder.isAtBoundary() ? offset : int(finder.toPreviousBoundary());
    finder.setPosition(offset);
    int end = int(finder.toNextBoundary());
    return {std::max(start, 0), end <= offset ? length : end};
}

QString AccessibleReadableText::piece(const QString &text, std::pair<int, int> range, int *startOffset, int *endOffset) const
{
    *startOffset = range.first;
    *endOffset = range.second;
    return text.mid(range.first, range.second - range.first);
}

QString AccessibleReadableText::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                                             int *endOffset) const
{
    const QString shown = readableText();
    return piece(shown, pieceAt(shown, offset, boundaryType), startOffset, endOffset);
}

QString AccessibleReadableText::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                                                 int *endOffset) const
{
    const QString shown = readableText();
    const int length = int(shown.size());
    const int start = offset >= length ? length : pieceAt(shown, offset, boundaryType).first;
    if (start <= 0 || offset < 0)
        return piece(shown, {0, 0}, startOffset, endOffset);
    return piece(shown, pieceAt(shown, start - 1, boundaryType), startOffset, endOffset);
}

QString AccessibleReadableText::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                                                int *endOffset) const
{
    const QString shown = readableText();
    const int length = int(shown.size());
    if (offset < 0 || offset >= length)
        return piece(shown, {length, length}, startOffset, endOffset);
    return piece(shown, pieceAt(shown, pieceAt(shown, offset, boundaryType).second, boundaryType), startOffset, endOffset);
}

void AccessibleReadableText::selection(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = 0;
}

int AccessibleReadableText::selectionCount() const
{
    return 0;
}

void AccessibleReadableText::addSelection(int, int)
{
}

void AccessibleReadableText::removeSelection(int)
{
}

void AccessibleReadableText::setSelection(int, int, int)
{
}

int AccessibleReadableText::cursorPosition() const
{
    return 0;
}

void AccessibleReadableText::setCursorPosition(int)
{
}

QRect AccessibleReadableText::characterRect(int) const
{
    return {};
}

int AccessibleReadableText::offsetAtPoint(const QPoint &) const
{
    return -1;
}

void AccessibleReadableText::scrollToSubstring(int, int)
{
}

QString AccessibleReadableText::attributes(int offset, int *startOffset, int *endOffset) const
{
    *startOffset = offset;
    *endOffset = offset;
    return {};
}
