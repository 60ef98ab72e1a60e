#include "supportmessageformat.h"

#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

#include <algorithm>

namespace SupportMessageFormat
{
namespace
{
const QString fence = QStringLiteral("```");

// Spaces and tabs only; newlines are already gone.
QString trimBlanks(const QString &text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    const auto blank = [](QChar c) { return c.isSpace() && c != QLatin1Char('\n') && c != QLatin1Char('\r'); };
    while (start < end && blank(text.at(start)))
        ++start;
    while (end > start && blank(text.at(end - 1)))
        --end;
    return text.mid(start, end - start);
}

QString escaped(const QString &text)
{
    QString out = text.toHtmlEscaped();
    out.replace(QChar::LineSeparator, QStringLiteral("<br>"));
    out.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
    return out;
}

QString cssColour(const QColor &colour)
{
    return QStringLiteral("rgba(%1,%2,%3,%4)").arg(colour.red()).arg(colour.green()).arg(colour.blue()).arg(colour.alphaF(), 0, 'f', 3);
}

// A line's start that Markdown reads as a block of its own (heading, quote, list item, rule,
// fence, link definition) gets its marker escaped, so that the line stays a paragraph with its
// marker shown. Only the inline marks of a message are markup.
QString escapeBlockStart(const QString &line)
{
    static const QRegularExpression heading(QStringLiteral("^#{1,6}(?:\\s|$)"));
    static const QRegularExpression bullet(QStringLiteral("^[-+*](?:\\s|$)"));
    static const QRegularExpression rule(QStringLiteral("^([-*_])(?:\\s*\\1){2,}\\s*$"));
    static const QRegularExpression fence(QStringLiteral("^(?:`{3}|~{3})"));
    static const QRegularExpression ordered(QStringLiteral("^[0-9]{1,9}(?=[.)](?:\\s|$))"));
    static const QRegularExpression definition(QStringLiteral("^\\[[^\\]]*\\]:"));
    if (line.startsWith(QLatin1Char('>')) || heading.match(line).hasMatch() || bullet.match(line).hasMatch()
        || rule.match(line).hasMatch() || fence.match(line).hasMatch() || definition.match(line).hasMatch())
        return QLatin1Char('\\') + line;
    if (const QRegularExpressionMatch number = ordered.match(line); number.hasMatch())
        return line.left(number.capturedLength()) + QLatin1Char('\\') + line.mid(number.capturedLength());
    return line;
}

// Entities stay as typed: every "&" outside code spans (where the parser reads none) is escaped.
QString escapeEntities(const QString &text)
{
    QString out;
    out.reserve(text.size() + 8);
    qsizetype i = 0;
    while (i < text.size()) {
        if (text.at(i) == QLatin1Char('`')) {
            qsizetype run = i;
            while (run < text.size() && text.at(run) == QLatin1Char('`'))
                ++run;
            const QString ticks = text.mid(i, run - i);
            // A code span closes with a run of as many backticks, no more.
            qsizetype close = run;
            while ((close = text.indexOf(ticks, close)) >= 0) {
                qsizetype end = close + ticks.size();
                if (end >= text.size() || text.at(end) != QLatin1Char('`'))
                    break;
                while (end < text.size() && text.at(end) == QLatin1Char('`'))
                    ++end;
                close = end;
            }
            const qsizetype spanEnd = close < 0 ? run : close + ticks.size();
            out += text.mid(i, spanEnd - i);
            i = spanEnd;
            continue;
        }
        if (text.at(i) == QLatin1Char('&'))
            out += QLatin1Char('\\');
        out += text.at(i);
        ++i;
    }
    return out;
}

// What the parser must not read as markup: entities and a block marker at the start. Leading
// white space is dropped before (four spaces would make a code block); the caller shows it.
QString inlineMarkdown(const QString &text)
{
    return escapeEntities(escapeBlockStart(rewriteInlineMarks(text)));
}

constexpr int blockSpacing = 6;
constexpr int spacerHeight = 4;
constexpr int quotePadding = 2;

QString textCell(const QString &style, const QString &content)
{
    return QStringLiteral("<td style=\"white-space:pre-wrap;%1\">%2</td>").arg(style, content);
}

QString table(int marginTop, const QString &cells, const QString &attributes = {})
{
    return QStringLiteral("<table cellspacing=\"0\" cellpadding=\"0\"%1 style=\"margin-top:%2px\"><tr>%3</tr></table>")
        .arg(attributes)
        .arg(marginTop)
        .arg(cells);
}

QString hexColour(const QColor &colour)
{
    return colour.name(QColor::HexArgb);
}
} // namespace

QList<Block> parseBlocks(const QString &text)
{
    static const QRegularExpression lineBreaks(QStringLiteral("\r\n|[\n\r\x0B\x0C\u0085\u2028\u2029]"));
    static const QRegularExpression numbered(QStringLiteral("^[0-9]+\\.\\s+"));
    QList<Block> blocks;
    QStringList pendingCode;
    bool insideCode = false;
    const auto addCode = [&](const QString &code) { blocks.append({Block::Code, code, {}}); };

    for (const QString &piece : text.split(lineBreaks)) {
        const QString line = trimBlanks(piece);
        if (line.startsWith(fence)) {
            const QString rest = line.mid(3);
            if (insideCode) {
                if (!rest.isEmpty())
                    pendingCode.append(QString(rest).remove(fence));
                addCode(pendingCode.join(QLatin1Char('\n')));
                pendingCode.clear();
                insideCode = false;
            } else if (line.endsWith(fence) && line.size() >= 7) {
                addCode(line.mid(3, line.size() - 6));
            } else {
                if (!rest.isEmpty())
                    pendingCode.append(rest);
                insideCode = true;
            }
        } else if (insideCode) {
            pendingCode.append(piece);
        } else if (line.isEmpty()) {
            blocks.append({Block::Spacer, {}, {}});
        } else if (line.startsWith(QLatin1String("> "))) {
            blocks.append({Block::Quote, line.mid(2), {}});
        } else if (line.startsWith(QLatin1String("* ")) || line.startsWith(QLatin1String("- "))) {
            blocks.append({Block::Bullet, line.mid(2), {}});
        } else if (const QRegularExpressionMatch match = numbered.match(line); match.hasMatch()) {
            blocks.append({Block::Number, line.mid(match.capturedLength()), trimBlanks(match.captured())});
        } else {
            blocks.append({Block::Paragraph, piece, {}});
        }
    }
    // An unclosed fence runs to the end of the message.
    if (insideCode || !pendingCode.isEmpty())
        addCode(pendingCode.join(QLatin1Char('\n')));
    return blocks;
}

QString rewriteInlineMarks(const QString &text)
{
    static const QRegularExpression code(QStringLiteral("```([^`\\n]+)```"));
    static const QRegularExpression strong(QStringLiteral("(?<!\\*)\\*([^*\\n]+)\\*(?!\\*)"));
    static const QRegularExpression struck(QStringLiteral("(?<!~)~([^~\\n]+)~(?!~)"));
    QString out = text;
    out.replace(code, QStringLiteral("`\\1`"));
    out.replace(strong, QStringLiteral("**\\1**"));
    out.replace(struck, QStringLiteral("~~\\1~~"));
    return out;
}

QString inlineRichText(const QString &text, const QColor &codeBackground, const QColor &linkColour)
{
    // The parser's own leading white space rule is not the user's: it is shown as typed.
    qsizetype start = 0;
    while (start < text.size() && text.at(start).isSpace())
        ++start;
    QString html = text.left(start).toHtmlEscaped();
    // GitHub's autolinks and strikethrough; no tables, task lists or underline ("_text_" is
    // emphasis, as in CommonMark), and no HTML.
    constexpr int autolinks = 0x0004 | 0x0008 | 0x0400;
    constexpr int strikethrough = 0x0200;
    QTextDocument document;
    document.setMarkdown(inlineMarkdown(text.mid(start)),
                         QTextDocument::MarkdownFeatures(autolinks | strikethrough | QTextDocument::MarkdownNoHTML));
    bool firstBlock = true;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (!firstBlock)
            html += QStringLiteral("<br>");
        firstBlock = false;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid())
                continue;
            const QTextCharFormat format = fragment.charFormat();
            QString piece;
            if (format.isImageFormat()) {
                // An image is never loaded: its address is shown as text.
                piece = escaped(format.toImageFormat().name());
            } else {
                piece = escaped(fragment.text());
            }
            if (format.fontFixedPitch())
                piece = QStringLiteral("<span style=\"font-family:monospace;background-color:%1\">&nbsp;%2&nbsp;</span>").arg(cssColour(codeBackground), piece);
            if (format.fontStrikeOut())
                piece = QStringLiteral("<s>") + piece + QStringLiteral("</s>");
            if (format.fontItalic())
                piece = QStringLiteral("<i>") + piece + QStringLiteral("</i>");
            if (format.fontWeight() > QFont::Normal)
                piece = QStringLiteral("<b>") + piece + QStringLiteral("</b>");
            if (format.isAnchor() && !format.anchorHref().isEmpty())
                piece = QStringLiteral("<a href=\"%1\" style=\"color:%2\">%3</a>").arg(format.anchorHref().toHtmlEscaped(), cssColour(linkColour), piece);
            html += piece;
        }
    }
    return html;
}

QString richText(const QString &text, const Colours &colours, int codePixelSize)
{
    QString html;
    // Space above the next block: the blocks' spacing, plus spacers and quote padding before it.
    int above = 0;
    bool first = true;
    const auto marginTop = [&](int extra) {
        const int margin = above + extra + (first ? 0 : blockSpacing);
        above = 0;
        first = false;
        return margin;
    };
    const auto inlineText = [&](const QString &blockText) { return inlineRichText(blockText, colours.codeBackground, colours.foreground); };
    const QString gap = QStringLiteral("<td width=\"8\"></td>");

    for (const Block &block : parseBlocks(text)) {
        switch (block.kind) {
        case Block::Spacer:
            above += (first ? 0 : blockSpacing) + spacerHeight;
            first = false;
            break;
        case Block::Paragraph:
            html += QStringLiteral("<p style=\"margin-top:%1px;white-space:pre-wrap\">%2</p>").arg(marginTop(0)).arg(inlineText(block.text));
            break;
        case Block::Quote: {
            QColor dimmed = colours.foreground;
            dimmed.setAlphaF(dimmed.alphaF() * 0.82);
            html += table(marginTop(quotePadding),
                          QStringLiteral("<td width=\"3\" bgcolor=\"%1\"></td>").arg(hexColour(colours.accent)) + gap
                              + textCell(QStringLiteral("color:") + hexColour(dimmed), inlineText(block.text)));
            above = quotePadding;
            break;
        }
        case Block::Bullet:
            html += table(marginTop(0),
                          textCell(QStringLiteral("font-weight:700;color:") + hexColour(colours.accent), QStringLiteral("\u2022")) + gap
                              + textCell({}, inlineText(block.text)));
            break;
        case Block::Number:
            // At least 20 wide and right-aligned, so that "9." and "10." line up on their full stops.
            html += table(marginTop(0),
                          QStringLiteral("<td width=\"20\" align=\"right\" style=\"white-space:nowrap;font-weight:600;color:%1\">%2</td>")
                                  .arg(hexColour(colours.accent), block.marker.toHtmlEscaped())
                              + gap + textCell({}, inlineText(block.text)));
            break;
        case Block::Code:
            html += table(marginTop(0),
                          textCell(QStringLiteral("padding-left:10px;padding-right:10px;padding-top:8px;padding-bottom:8px;"
                                                  "font-family:monospace;font-size:%1px")
                                       .arg(codePixelSize),
                                   escaped(block.text)),
                          QStringLiteral(" width=\"100%\" bgcolor=\"%1\"").arg(hexColour(colours.codeBackground)));
            break;
        }
    }
    return html;
}

bool hasCodeBlock(const QString &text)
{
    const QList<Block> blocks = parseBlocks(text);
    return std::any_of(blocks.cbegin(), blocks.cend(), [](const Block &block) { return block.kind == Block::Code; });
}
} // namespace SupportMessageFormat
