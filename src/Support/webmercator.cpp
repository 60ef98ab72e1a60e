#include "webmercator.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace WebMercator
{
namespace
{
double worldPixels(double zoom)
{
    return tileSize * std::exp2(zoom);
}

double clampedZoom(double zoom)
{
    return std::isfinite(zoom) ? std::clamp(zoom, minZoom, maxZoom) : minZoom;
}
} // namespace

QPointF project(const Coordinate &coordinate)
{
    const double latitude = std::clamp(coordinate.latitude, -maxLatitude, maxLatitude) * std::numbers::pi / 180.0;
    const double x = (coordinate.longitude + 180.0) / 360.0;
    const double y = (1.0 - std::log(std::tan(latitude) + 1.0 / std::cos(latitude)) / std::numbers::pi) / 2.0;
    return {x, y};
}

Coordinate unproject(const QPointF &world)
{
    const double n = std::numbers::pi * (1.0 - 2.0 * world.y());
    return {std::atan(std::sinh(n)) * 180.0 / std::numbers::pi, world.x() * 360.0 - 180.0};
}

double zoomFor(const Region &region, const QSizeF &size)
{
    if (size.isEmpty() || region.longitudeSpan <= 0 || region.latitudeSpan <= 0)
        return clampedZoom(15);
    const double byWidth = std::log2(size.width() * 360.0 / (region.longitudeSpan * tileSize));
    const double top = project({region.center.latitude + region.latitudeSpan / 2, 0}).y();
    const double bottom = project({region.center.latitude - region.latitudeSpan / 2, 0}).y();
    const double byHeight = std::log2(size.height() / ((bottom - top) * tileSize));
    return clampedZoom(std::min(byWidth, byHeight));
}

Region regionFor(const Coordinate &center, double zoom, const QSizeF &size)
{
    const double world = worldPixels(clampedZoom(zoom));
    const QPointF middle = project(center);
    const double halfHeight = size.height() / 2.0 / world;
    const double north = unproject({0, middle.y() - halfHeight}).latitude;
    const double south = unproject({0, middle.y() + halfHeight}).latitude;
    return {center, north - south, size.width() / world * 360.0};
}

QPointF pointFor(const Coordinate &coordinate, const Coordinate &center, double zoom, const QSizeF &size)
{
    const double world = worldPixels(clampedZoom(zoom));
    const QPointF offset = (project(coordinate) - project(center)) * world;
    return QPointF(size.width() / 2.0, size.height() / 2.0) + offset;
}

Coordinate coordinateAt(const QPointF &point, const Coordinate &center, double zoom, const QSizeF &size)
{
    const double world = worldPixels(clampedZoom(zoom));
    const QPointF offset = (point - QPointF(size.width() / 2.0, size.height() / 2.0)) / world;
    QPointF target = project(center) + offset;
    target.setY(std::clamp(target.y(), 0.0, 1.0));
    Coordinate coordinate = unproject(target);
    // Longitudes wrap round the world.
    coordinate.longitude = std::remainder(coordinate.longitude, 360.0);
    return coordinate;
}

QList<Tile> visibleTiles(const Coordinate &center, double zoom, const QSizeF &size)
{
    QList<Tile> tiles;
    if (size.isEmpty())
        return tiles;
    const double z = clampedZoom(zoom);
    const int tileZoom = int(std::lround(z));
    const double scale = std::exp2(z - tileZoom);
    const double shown = tileSize * scale;
    const int count = 1 << tileZoom;
    const QPointF middle = project(center) * (tileSize * count);
    // Top-left corner of the viewport in tile-zoom pixels.
    const double left = middle.x() - size.width() / 2.0 / scale;
    const double top = middle.y() - size.height() / 2.0 / scale;
    const int firstX = int(std::floor(left / tileSize));
    const int lastX = int(std::floor((left + size.width() / scale - 1e-9) / tileSize));
    const int firstY = std::max(0, int(std::floor(top / tileSize)));
    const int lastY = std::min(count - 1, int(std::floor((top + size.height() / scale - 1e-9) / tileSize)));
    for (int y = firstY; y <= lastY; ++y) {
        for (int x = firstX; x <= lastX; ++x) {
            const QRectF rect((x * tileSize - left) * scale, (y * tileSize - top) * scale, shown, shown);
            tiles.append({tileZoom, ((x % count) + count) % count, y, rect});
        }
    }
    return tiles;
}
} // namespace WebMercator
