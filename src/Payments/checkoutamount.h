#pragma once

#include <QString>

#include <optional>

// The rule of a top-up amount: as typed, trimmed, with "," read as ".", one or more ASCII digits
// and at most two decimals, from 1 to 100 000 rubles.
namespace CheckoutAmount
{
// The amount as the plain decimal text the checkout takes ("500,50" gives "500.5", "007" gives
// "7"); nothing when the typed text breaks the rule.
std::optional<QString> fromTyped(const QString &typed);
} // namespace CheckoutAmount
