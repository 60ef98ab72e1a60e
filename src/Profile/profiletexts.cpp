#include "profiletexts.h"

#include "tarvikaccountdata.h"

#include <QTextBoundaryFinder>

namespace
{
const QString &noValue = TarvikAccountData::noValue;

bool isShown(const QString &trimmed)
{
    return !trimmed.isEmpty() && trimmed != noValue;
}
} // namespace

ProfileTexts::ProfileTexts(QObject *parent)
    : QObject(parent)
{
}

QString ProfileTexts::heroTitle(const QString &mobilePhone, const QString &homePhone, const QString &fullName)
{
    if (const QString mobile = mobilePhone.trimmed(); isShown(mobile))
        return mobile;
    if (const QString home = homePhone.trimmed(); isShown(home))
        return home;
    return fullName;
}

QString ProfileTexts::phoneRowValue(const QString &mobilePhone, const QString &homePhone)
{
    return mobilePhone == noValue ? homePhone : mobilePhone;
}

QString ProfileTexts::avatarLetter(const QString &firstName)
{
    if (firstName.isEmpty())
        return {};
    // One user-perceived character, so that a letter with a combining mark stays whole.
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, firstName);
    const qsizetype end = finder.toNextBoundary();
    return firstName.left(end > 0 ? end : 1).toUpper();
}
