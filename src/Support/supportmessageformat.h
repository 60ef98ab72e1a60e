#pragma once

#include <QColor>
#include <QList>
#include <QString>

// How a chat message's plain text is shown: cut into blocks line by line, messenger-style marks
// rewritten into Markdown, and each block's Markdown turned into a small, safe rich-text subset.
// Pure functions of their input, also used by the fuzz targets.
namespace SupportMessageFormat
{
struct Block {
    enum Kind {
        Paragraph,
        Quote,  // a line that began with "> " (marker removed)
        Bullet, // "* " or "- "
        Number, // digits, a full stop and white space; `marker` is "12."
        Code,   // the lines of one fenced block, joined with "\n"
        Spacer, // an empty line
    };
    Kind kind = Paragraph;
    QString text;
    QString marker;

    friend bool operator==(const Block &, const Block &) = default;
};

QList<Block> parseBlocks(const QString &text);

// "```code```" to inline code, "*strong*" to "**strong**", "~struck~" to "~~struck~~".
QString rewriteInlineMarks(const QString &text);

// The block text's inline Markdown (after the rewrites) as rich text: only bold, italic,
// strikethrough, inline code (on `codeBackground`) and links (in `linkColour`). Everything else
// stays as typed: a list, heading or quote marker inside the text, entities, spaces. Raw HTML is
// never interpreted and images are shown as their address in plain text, so a message cannot
// inject markup or make the view load anything.
QString inlineRichText(const QString &text, const QColor &codeBackground, const QColor &linkColour);

struct Colours {
    QColor foreground;     // ordinary text and links
    QColor accent;         // the quote bar, bullet and number markers
    QColor codeBackground; // behind code, inline and in blocks
};

// The whole message as one rich text for a text view: its blocks 6 apart, quotes with their bar,
// bullets and numbers with their markers (numbers line up on their full stops), code blocks
// verbatim in `codePixelSize` monospace on their fill, as wide as the view.
QString richText(const QString &text, const Colours &colours, int codePixelSize);
// Whether the message holds a code block, which takes the whole width it is given.
bool hasCodeBlock(const QString &text);
} // namespace SupportMessageFormat
