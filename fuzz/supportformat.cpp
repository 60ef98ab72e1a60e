#include "fuzzing.h"
#include "supportmessageformat.h"

#include <QGuiApplication>
#include <QRegularExpression>

// A chat message's text as the bubbles show it: cut into blocks, each block's marks turned into
// rich text, and the whole message as one rich text. Whatever the message holds, the rich text
// carries only the formatter's own tags.
extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // QTextDocument lays out with fonts: a GUI application (offscreen, set by scripts/fuzz.sh).
    new QGuiApplication(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using SupportMessageFormat::Block;
    static const QRegularExpression ownTags(QStringLiteral("<(?:br|/?[subi]|/span|/a"
                                                           "|span style=\"font-family:monospace;background-color:rgba\\([0-9.,]+\\)\""
                                                           "|a href=\"[^\"<>]*\" style=\"color:rgba\\([0-9.,]+\\)\")>"));
    const QString text = QString::fromUtf8(fuzzInput(data, size));
    const QList<Block> blocks = SupportMessageFormat::parseBlocks(text);
    for (const Block &block : blocks) {
        FUZZ_ASSERT(block.marker.isEmpty() == (block.kind != Block::Number));
        if (block.kind == Block::Code || block.kind == Block::Spacer)
            continue;
        const QString rich = SupportMessageFormat::inlineRichText(block.text, QColor(0xee, 0xee, 0xee), QColor(0, 0x7a, 0xff));
        const QString rest = QString(rich).remove(ownTags);
        FUZZ_ASSERT(!rest.contains(QLatin1Char('<')) && !rest.contains(QLatin1Char('>')));
    }
    // The whole message: its own block tags, whose attribute values hold nothing that could end
    // them, around the blocks' rich text.
    static const QRegularExpression wholeTags(QStringLiteral("<(?:/?(?:p|table|tr|td|br|[subi]|span|a)(?: [a-z-]+=\"[^\"<>]*\")*)>"));
    const SupportMessageFormat::Colours colours{QColor(0x11, 0x11, 0x11), QColor(0xff, 0, 0x88), QColor(0xee, 0xee, 0xee)};
    const QString whole = SupportMessageFormat::richText(text, colours, 13);
    const QString wholeRest = QString(whole).remove(wholeTags);
    FUZZ_ASSERT(!wholeRest.contains(QLatin1Char('<')) && !wholeRest.contains(QLatin1Char('>')));
    return 0;
}
