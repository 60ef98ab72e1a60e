#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// What the stand-in serves the office map: generated raster tiles at "/tiles/{z}/{x}/{y}.png"
// (256-pixel PNGs of a made-up town whose streets line up across tiles and zooms) and a
// geocoding answer at "/geocode" in the form of the public Nominatim service.
namespace StandinSupport
{
struct Answer {
    int status = 200;
    QByteArray body;
    QByteArray contentType;
};

// The coordinate "/geocode" answers for any non-empty query.
inline constexpr double officeLatitude = 55.7603;
inline constexpr double officeLongitude = 37.6186;

// The answer for `path` (with the decoded query text `q`), or nothing when the path is not ours.
std::optional<Answer> answer(const QString &path, const QString &q);

QByteArray tile(int z, int x, int y);
} // namespace StandinSupport
