#include "rubledecimal.h"

#include <limits>

namespace
{
bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

constexpr std::uint64_t maxMagnitude = std::uint64_t(std::numeric_limits<std::int64_t>::max());
} // namespace

std::optional<RubleDecimal> RubleDecimal::parse(QStringView text)
{
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }

    // The magnitude in millionths, accumulated without overflow.
    std::uint64_t magnitude = 0;
    bool sawDigit = false;
    bool overflow = false;
    for (; i < text.size() && isAsciiDigit(text[i]); ++i) {
        sawDigit = true;
        const std::uint64_t digit = std::uint64_t(text[i].unicode() - u'0');
        if (magnitude > (maxMagnitude / unitsPerRuble - digit) / 10)
            overflow = true;
        else
            magnitude = magnitude * 10 + digit;
    }
    magnitude *= unitsPerRuble;

    if (i < text.size() && text[i] == QLatin1Char('.')) {
        ++i;
        std::uint64_t scale = unitsPerRuble / 10;
        // The first digit past the kept ones decides the rounding, the rest only break a tie.
        int roundingDigit = -1;
        bool restNonZero = false;
        for (; i < text.size() && isAsciiDigit(text[i]); ++i) {
            sawDigit = true;
            const int digit = text[i].unicode() - u'0';
            if (scale > 0) {
                magnitude += std::uint64_t(digit) * scale;
                scale /= 10;
            } else if (roundingDigit < 0) {
                roundingDigit = digit;
            } else if (digit != 0) {
                restNonZero = true;
            }
        }
        const bool roundUp = roundingDigit > 5 || (roundingDigit == 5 && (restNonZero || magnitude % 2 == 1));
        if (roundUp)
            ++magnitude;
    }

    if (!sawDigit || overflow || magnitude > maxMagnitude)
        return std::nullopt;
    const auto units = std::int64_t(magnitude);
    return RubleDecimal(negative ? -units : units);
}

std::optional<RubleDecimal> RubleDecimal::plus(RubleDecimal other) const
{
    std::int64_t sum = 0;
    if (__builtin_add_overflow(m_units, other.m_units, &sum))
        return std::nullopt;
    return RubleDecimal(sum);
}

RubleDecimal RubleDecimal::rounded(int places) const
{
    std::int64_t step = 1;
    for (int p = places; p < fractionDigits; ++p)
        step *= 10;
    if (step == 1)
        return *this;
    std::int64_t quotient = m_units / step;
    const std::int64_t remainder = m_units % step; // same sign as m_units
    const std::int64_t twice = 2 * (remainder < 0 ? -remainder : remainder);
    const bool awayFromZero = twice > step || (twice == step && quotient % 2 != 0);
    std::int64_t units = 0;
    // At the very ends of the range the rounded value may not exist: it is then cut instead.
    if (awayFromZero && !__builtin_mul_overflow(quotient + (m_units < 0 ? -1 : 1), step, &units))
        return RubleDecimal(units);
    return RubleDecimal(quotient * step);
}

std::uint64_t RubleDecimal::magnitude() const
{
    // The most negative value has no positive counterpart in int64, but has one in uint64.
    return m_units < 0 ? std::uint64_t(0) - std::uint64_t(m_units) : std::uint64_t(m_units);
}

std::uint64_t RubleDecimal::wholeMagnitude() const
{
    return magnitude() / std::uint64_t(unitsPerRuble);
}

std::uint64_t RubleDecimal::fractionMagnitude() const
{
    return magnitude() % std::uint64_t(unitsPerRuble);
}

QString RubleDecimal::toString() const
{
    QString text = QString::number(wholeMagnitude());
    if (const std::uint64_t fraction = fractionMagnitude(); fraction != 0) {
        QString digits = QString::number(fraction).rightJustified(fractionDigits, QLatin1Char('0'));
        while (digits.endsWith(QLatin1Char('0')))
            digits.chop(1);
        text += QLatin1Char('.') + digits;
    }
    if (m_units < 0)
        text.prepend(QLatin1Char('-'));
    return text;
}
