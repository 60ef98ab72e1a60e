#pragma once

#include "standinsite.h"

#include <QStringList>

// The image host of the shop's product photos, served by the stand-in under
// "/kestrabay-shop-bucket/": the catalog's 17 photos (WebP for the router and the set-top box,
// JPEG for the two terminals), drawn here once on first request, and for tests "missing.jpg"
// (404), "not-an-image.jpg" (200 with a text body) and "slow.jpg" (a photo after slowDelay).
namespace StandinShop
{
inline constexpr std::chrono::milliseconds slowDelay{1500};

bool handles(const QString &path);
StandinSite::Reply reply(const QString &path);
// The 17 photo paths of the catalog, in catalog order.
QStringList photoPaths();
} // namespace StandinShop
