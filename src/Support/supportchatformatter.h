#pragma once

#include <QString>

// The chat's two date formats, in Russian and local time; dates are seconds since 2001-01-01 UTC.
namespace SupportChatFormatter
{
// "HH:mm": times in the bubbles and the info sheet.
QString time(double referenceSeconds);
// "d MMMM yyyy, HH:mm" ("7 декабря 2026, 10:05"): full dates in the info sheet.
QString details(double referenceSeconds);
} // namespace SupportChatFormatter
