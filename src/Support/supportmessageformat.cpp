#include "supportmessageformat.h"

#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

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
    QTextDocument document;
    document.setMarkdown(rewriteInlineMarks(text), QTextDocument::MarkdownFeatures(QTextDocument::MarkdownDialectGitHub | QTextDocument::MarkdownNoHTML));
    QString html;
    bool firstBlock = true;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (!firstBlock)
            html += QStringLiteral("<br>");
        firstBlock = false;
        const bool heading = block.blockFormat().headingLevel() > 0;
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
            // The GitHub dialect reads "_text_" as underlined.
            if (format.fontUnderline() && !format.isAnchor())
                piece = QStringLiteral("<u>") + piece + QStringLiteral("</u>");
            if (format.fontItalic())
                piece = QStringLiteral("<i>") + piece + QStringLiteral("</i>");
            if (heading || format.fontWeight() > QFont::Normal)
                piece = QStringLiteral("<b>") + piece + QStringLiteral("</b>");
            if (format.isAnchor() && !format.anchorHref().isEmpty())
                piece = QStringLiteral("<a href=\"%1\" style=\"color:%2\">%3</a>").arg(format.anchorHref().toHtmlEscaped(), cssColour(linkColour), piece);
            html += piece;
        }
    }
    return html;
}
} // namespace SupportMessageFormat
