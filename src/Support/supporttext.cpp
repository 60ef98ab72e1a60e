#include "supporttext.h"

#include "supportchatformatter.h"
#include "supportlinkdetector.h"
#include "supportmessageformat.h"


QString SupportText::richText(const QString &text, const QColor &foreground, const QColor &accent, const QColor &codeBackground,
                              int codePixelSize)
{
    return SupportMessageFormat::richText(text, {foreground, accent, codeBackground}, codePixelSize);
}

bool SupportText::hasCodeBlock(const QString &text)
{
    return SupportMessageFormat::hasCodeBlock(text);
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
