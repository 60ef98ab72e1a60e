#include "checkoutamount.h"

#include "rubledecimal.h"

#include <QRegularExpression>

namespace CheckoutAmount
{
std::optional<QString> fromTyped(const QString &typed)
{
    static const QRegularExpression pattern(QRegularExpression::anchoredPattern(QStringLiteral("[0-9]+(?:\\.[0-9]{1,2})?")));
    QString text = typed.trimmed();
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    if (!pattern.match(text).hasMatch())
        return std::nullopt;
    // No value: too many digits for any amount.
    const std::optional<RubleDecimal> amount = RubleDecimal::parse(text);
    constexpr std::int64_t lowest = RubleDecimal::unitsPerRuble;
    constexpr std::int64_t highest = 100'000 * RubleDecimal::unitsPerRuble;
    if (!amount || amount->units() < lowest || amount->units() > highest)
        return std::nullopt;
    return amount->toString();
}
} // namespace CheckoutAmount
