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

// The block text's Markdown (after the rewrites) as rich text for a QML Text: only bold, italic,
// underline ("_text_"),
// strikethrough, inline code (on `codeBackground`) and links (in `linkColour`). Raw HTML is never interpreted and
// images are shown as their address in plain text, so a message cannot inject markup or make
// the view load anything.
QString inlineRichText(const QString &text, const QColor &codeBackground, const QColor &linkColour);
} // namespace SupportMessageFormat
