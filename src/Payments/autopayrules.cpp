#include "autopayrules.h"

#include "tarvikaccountdata.h"

#include <algorithm>
#include <charconv>

QString AutopayRules::cleanedMoney(const QString &text)
{
    QString cleaned = text.trimmed();
    if (cleaned.isEmpty() || cleaned == TarvikAccountData::noValue)
        return TarvikAccountData::noValue;
    cleaned.replace(QStringLiteral("руб./мес."), QStringLiteral("₽"), Qt::CaseInsensitive);
    cleaned.replace(QStringLiteral("₽/мес."), QStringLiteral("₽"), Qt::CaseInsensitive);
    cleaned.remove(QStringLiteral("/мес."), Qt::CaseInsensitive);
    // One left-to-right pass over pairs: three spaces in a row become two.
    cleaned.replace(QStringLiteral("  "), QStringLiteral(" "));
    return cleaned.trimmed();
}

QString AutopayRules::subscriptionAmount(const QString &tariffPrice, const QString &monthlyCharges)
{
    if (QString price = cleanedMoney(tariffPrice); price != TarvikAccountData::noValue)
        return price;
    if (QString charges = cleanedMoney(monthlyCharges); charges != TarvikAccountData::noValue)
        return charges;
    return QStringLiteral("1 000 ₽");
}

QString AutopayRules::normalizedPaymentDay(const QString &text)
{
    // By code points: a digit outside the Basic Multilingual Plane ("𝟎") is one number character,
    // not two halves that are none.
    QString kept;
    for (const char32_t c : text.toUcs4()) {
        if (QChar::isNumber(c))
            kept.append(QChar::fromUcs4(c));
    }
    if (kept.isEmpty())
        return {};
    // Only ASCII digits make a day; another script's digits or a fraction sign empty the field.
    const QByteArray ascii = kept.toLatin1();
    if (QString::fromLatin1(ascii) != kept)
        return {};
    long long day = 0;
    const auto [end, error] = std::from_chars(ascii.constBegin(), ascii.constEnd(), day);
    if (error != std::errc() || end != ascii.constEnd())
        return {};
    return QString::number(std::clamp(day, 1LL, 28LL));
}

QString AutopayRules::tariffRowValue(const QString &tariffName)
{
    return tariffName == TarvikAccountData::noValue ? QStringLiteral("Текущий тариф Tarvik") : tariffName;
}

QString AutopayRules::accountRowValue(const QString &accountNumber)
{
    return accountNumber == TarvikAccountData::noValue ? QStringLiteral("Не загружен") : accountNumber;
}

QString AutopayRules::confirmationMessage(const QString &amount, const QString &paymentDay)
{
    return QStringLiteral("Заявка принята. Автоплатёж будет пополнять лицевой счёт на ") + amount
        + QStringLiteral(" каждый месяц ") + paymentDay
        + QStringLiteral("-го числа. Для реального списания нужно будет подтвердить карту на защищённой странице банка.");
}
