#include "statisticstexts.h"

#include "appconfig.h"
#include "tarvikaccountdata.h"

#include <QLocale>

namespace
{
const QLocale &russian()
{
    static const QLocale locale(QLocale::Russian, QLocale::Russia);
    return locale;
}
} // namespace

QString StatisticsTexts::periodTitle(Period period)
{
    switch (period) {
    case Month:
        return QStringLiteral("Месяц");
    case Quarter:
        return QStringLiteral("3 месяца");
    case Year:
        return QStringLiteral("Год");
    }
    return {};
}

QStringList StatisticsTexts::periodTitles()
{
    return {periodTitle(Month), periodTitle(Quarter), periodTitle(Year)};
}

QString StatisticsTexts::sourceLine()
{
    return QStringLiteral("Данные из ") + AppConfig::compiledBaseUrl().host();
}

QString StatisticsTexts::expenseValue(Period period, const QString &monthlyCharges)
{
    return period == Month ? monthlyCharges : TarvikAccountData::noValue;
}

QString StatisticsTexts::topUpValue(const QVariantList &operations)
{
    QList<TarvikPaymentOperation> list;
    list.reserve(operations.size());
    for (const QVariant &value : operations) {
        if (value.canConvert<TarvikPaymentOperation>())
            list.append(value.value<TarvikPaymentOperation>());
    }
    return topUpValue(list);
}

QString StatisticsTexts::topUpValue(const QList<TarvikPaymentOperation> &operations)
{
    std::optional<RubleDecimal> sum;
    for (const TarvikPaymentOperation &operation : operations) {
        if (!operation.isPositive)
            continue;
        const std::optional<RubleDecimal> amount = numericRubles(operation.amount);
        if (!amount)
            continue;
        sum = sum.value_or(RubleDecimal()).plus(*amount);
        // A total past the range of the decimal is not shown as a wrong number.
        if (!sum)
            return TarvikAccountData::noValue;
    }
    return sum ? formattedRubles(*sum) : TarvikAccountData::noValue;
}

std::optional<RubleDecimal> StatisticsTexts::numericRubles(const QString &text)
{
    QString cleaned = text;
    cleaned.remove(QStringLiteral("₽"));
    cleaned.remove(QStringLiteral("руб."), Qt::CaseInsensitive);
    cleaned.remove(QStringLiteral("руб"), Qt::CaseInsensitive);
    cleaned.remove(QLatin1Char('+'));
    // Every space separator goes, not only U+0020: digit groups are often joined by a no-break
    // space (U+00A0, as QLocale groups) or a narrow one (U+202F), and the number would otherwise
    // end at the first of them.
    cleaned.removeIf([](QChar c) { return c.category() == QChar::Separator_Space; });
    cleaned.replace(QLatin1Char(','), QLatin1Char('.'));
    return RubleDecimal::parse(QStringView(cleaned).trimmed());
}

QString StatisticsTexts::formattedRubles(RubleDecimal amount)
{
    const RubleDecimal cents = amount.rounded(2);
    QString text = russian().toString(qulonglong(cents.wholeMagnitude()));
    const auto hundredths = int(cents.fractionMagnitude() / (RubleDecimal::unitsPerRuble / 100));
    if (hundredths != 0) {
        QString digits = QString::number(hundredths).rightJustified(2, QLatin1Char('0'));
        if (digits.endsWith(QLatin1Char('0')))
            digits.chop(1);
        text += russian().decimalPoint() + digits;
    }
    // A sum that rounds to zero shows no sign.
    if (cents.isNegative())
        text.prepend(russian().negativeSign());
    return text + QStringLiteral(" ₽");
}
