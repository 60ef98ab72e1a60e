#include "supportchatformatter.h"

#include "supportchatmessage.h"

#include <QDateTime>
#include <QLocale>

namespace SupportChatFormatter
{
namespace
{
const QLocale &russian()
{
    static const QLocale locale(QLocale::Russian, QLocale::Russia);
    return locale;
}

QDateTime local(double referenceSeconds)
{
    return QDateTime::fromMSecsSinceEpoch(SupportChatCodec::msecsSinceEpoch(referenceSeconds));
}
} // namespace

QString time(double referenceSeconds)
{
    return russian().toString(local(referenceSeconds), QStringLiteral("HH:mm"));
}

QString details(double referenceSeconds)
{
    return russian().toString(local(referenceSeconds), QStringLiteral("d MMMM yyyy, HH:mm"));
}
} // namespace SupportChatFormatter
