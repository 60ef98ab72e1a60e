#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>

// An exact amount of money: a whole number of millionths of a ruble. Amounts are read from
// display texts and added without ever passing through binary floating point.
class RubleDecimal
{
public:
    static constexpr int fractionDigits = 6;
    static constexpr std::int64_t unitsPerRuble = 1'000'000;

    constexpr RubleDecimal() = default;
    static constexpr RubleDecimal fromUnits(std::int64_t units) { return RubleDecimal(units); }

    // Reads an optional sign and a decimal number ("." as the separator, no grouping) at the start
    // of `text`, ignoring whatever follows it. No value when the text does not start with a number
    // or the number is out of range. Digits past the sixth fraction digit are rounded half to even.
    static std::optional<RubleDecimal> parse(QStringView text);

    constexpr std::int64_t units() const { return m_units; }
    constexpr bool isZero() const { return m_units == 0; }
    constexpr bool isNegative() const { return m_units < 0; }

    // The exact sum, or no value when it would overflow.
    std::optional<RubleDecimal> plus(RubleDecimal other) const;
    // Rounded half to even to `places` fraction digits (0 to 6).
    RubleDecimal rounded(int places) const;

    // Whole rubles (truncated towards zero) and the fraction in millionths, both without sign.
    std::uint64_t wholeMagnitude() const;
    std::uint64_t fractionMagnitude() const;

    // Plain text: "-1500.5", "0", "0.000001"; no grouping, no trailing zeros.
    QString toString() const;

    friend constexpr bool operator==(RubleDecimal, RubleDecimal) = default;

private:
    constexpr explicit RubleDecimal(std::int64_t units)
        : m_units(units)
    {
    }

    std::uint64_t magnitude() const;

    std::int64_t m_units = 0;
};
