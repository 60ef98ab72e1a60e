#include "supporttext.h"

#include "supportchatformatter.h"
#include "supportlinkdetector.h"
#include "supportmessageformat.h"

#include <QClipboard>
#include <QGuiApplication>

QVariantList SupportText::blocks(const QString &text, const QColor &codeBackground, const QColor &linkColor)
{
    QVariantList list;
    for (const SupportMessageFormat::Block &block : SupportMessageFormat::parseBlocks(text)) {
        const bool rich = block.kind != SupportMessageFormat::Block::Code && block.kind != SupportMessageFormat::Block::Spacer;
        list.append(QVariantMap{
            {QStringLiteral("kind"), int(block.kind)},
            {QStringLiteral("text"), block.text},
            {QStringLiteral("marker"), block.marker},
            {QStringLiteral("richText"), rich ? SupportMessageFormat::inlineRichText(block.text, codeBackground, linkColor) : QString()},
        });
    }
    return list;
}

QUrl SupportText::phoneUrl(const QString &text)
{
    return SupportLinkDetector::phoneUrl(text);
}

QUrl SupportText::webUrl(const QString &text)
{
    return SupportLinkDetector::webUrl(text);
}

bool SupportText::isOpenable(const QUrl &url)
{
    return SupportLinkDetector::isOpenable(url);
}

QString SupportText::time(double referenceSeconds)
{
    return SupportChatFormatter::time(referenceSeconds);
}

QString SupportText::details(double referenceSeconds)
{
    return SupportChatFormatter::details(referenceSeconds);
}

void SupportText::copy(const QString &text)
{
    if (QClipboard *clipboard = QGuiApplication::clipboard())
        clipboard->setText(text);
}
