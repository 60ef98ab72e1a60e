#include "homedashboard.h"

#include "asciidigits.h"
#include "servicerouter.h"
#include "tarvikaccountdata.h"

#include <QTextBoundaryFinder>

#include <cmath>

QString HomeDashboard::partnerTvTitle()
{
    return QStringLiteral("24ТВ");
}

QString HomeDashboard::greeting(const QString &firstName)
{
    return QStringLiteral("Привет, ") + firstName + QStringLiteral(" 👋");
}

QString HomeDashboard::avatarLetter(const QString &firstName)
{
    if (firstName.isEmpty())
        return {};
    // One user-perceived character, so that a letter with a combining mark stays whole.
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, firstName);
    const qsizetype end = finder.toNextBoundary();
    return firstName.left(end > 0 ? end : 1).toUpper();
}

QString HomeDashboard::bellSymbol(int unreadCount)
{
    return unreadCount > 0 ? QStringLiteral("bell.badge.fill") : QStringLiteral("bell.fill");
}

QString HomeDashboard::bellText(int unreadCount)
{
    return QString::number(qMax(unreadCount, 0));
}

QString HomeDashboard::bellAccessibleName(int unreadCount)
{
    return unreadCount > 0 ? QStringLiteral("Есть новые уведомления") : QStringLiteral("Уведомления");
}

QString HomeDashboard::balanceText(const QString &balance)
{
    return TarvikAccountData::balanceText(balance);
}

QString HomeDashboard::daysToBlockText(const QString &daysToBlock)
{
    const QString trimmed = daysToBlock.trimmed();
    return trimmed.isEmpty() ? TarvikAccountData::noValue : trimmed;
}

QString HomeDashboard::daysFootnote(const QString &daysToBlock)
{
    return QStringLiteral("Дней до блокировки ") + daysToBlockText(daysToBlock);
}

double HomeDashboard::progressValue(const QString &daysToBlock, bool financiallyBlocked)
{
    const QString digits = asciiDigits(daysToBlock);
    if (digits.isEmpty())
        return financiallyBlocked ? minimumProgress : 0.18;
    bool ok = false;
    const double days = digits.toDouble(&ok);
    // Digits alone always read as a number; too many of them overflow to "more than enough".
    if (!ok)
        return 1.0;
    return clampedProgress(days / 30.0);
}

double HomeDashboard::clampedProgress(double value)
{
    if (std::isnan(value) || value <= minimumProgress)
        return minimumProgress;
    return std::min(value, 1.0);
}

QVariantList HomeDashboard::tariffChips(const QString &tariffSpeed, bool televisionConnected)
{
    const auto chip = [](const QString &icon, const QString &title, const QString &tint) {
        return QVariantMap{{QStringLiteral("icon"), icon}, {QStringLiteral("title"), title}, {QStringLiteral("tint"), tint}};
    };
    return {
        chip(QStringLiteral("wifi"), tariffSpeed, QStringLiteral("tarPink")),
        chip(QStringLiteral("play.tv.fill"), televisionConnected ? partnerTvTitle() : QStringLiteral("ТВ нет"), QStringLiteral("tarOrange")),
        chip(QStringLiteral("headphones"), QStringLiteral("24/7"), QStringLiteral("systemGreen")),
    };
}

QVariantMap HomeDashboard::serviceDetail(const QString &serviceId, bool televisionConnected)
{
    const bool partnerTv = serviceId == QLatin1String(ServiceRouter::partnerTv);
    const bool accountMissing = partnerTv && !televisionConnected;
    return {
        {QStringLiteral("status"), accountMissing ? QStringLiteral("Аккаунт не создан") : QStringLiteral("Подключено")},
        {QStringLiteral("price"), partnerTv ? QStringLiteral("199 ₽/мес.") : QStringLiteral("Включено")},
        {QStringLiteral("buttonTitle"), accountMissing ? QStringLiteral("Создать аккаунт") : QStringLiteral("Управлять услугой")},
        {QStringLiteral("buttonIcon"), accountMissing ? QStringLiteral("person.badge.plus") : QStringLiteral("slider.horizontal.3")},
    };
}

int HomeDashboard::carouselTickStart(int index)
{
    return index >= wrapIndex ? startIndex : index;
}
