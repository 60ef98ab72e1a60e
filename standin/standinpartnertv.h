#pragma once

#include "standinsite.h"

#include <chrono>
#include <optional>

// The partner TV pages the stand-in serves besides the personal-account site: the sister brand's
// "24ТВ" catalog page, the partner's package pages, the partner's touch icon, our logo as the
// pages show it, and channel logos (small WebP pictures; one is missing, one comes slowly).
namespace StandinPartnerTV
{
// Path of a channel logo that answers 404 ("МАТЧ Премьер HD"), and of one ("СТС") that answers
// after `slowLogoDelay`.
inline constexpr auto missingLogoPath = "/img/ch/16/67/1667ca3df9849aaae0dfc15c83b3fa50.png";
inline constexpr auto slowLogoPath = "/img/ch/91/39/91398795d2c104d4645ad624c95f5c01.png";
inline constexpr std::chrono::milliseconds slowLogoDelay { 1500 };

// The answer for `path`, or nothing when the path is not a partner TV one.
std::optional<StandinSite::Reply> reply(const QString &path);
// Extra time before the answer for `path`.
std::chrono::milliseconds delay(const QString &path);
} // namespace StandinPartnerTV
