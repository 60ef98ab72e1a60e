#pragma once

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSizeF>

// The Web Mercator projection of XYZ raster tiles (256-pixel squares, zoom z has 2^z × 2^z of
// them) and the map regions the office map shows. Pure functions.
namespace WebMercator
{
inline constexpr double tileSize = 256;
inline constexpr double maxLatitude = 85.05112877980659;
inline constexpr double minZoom = 1;
inline constexpr double maxZoom = 19;

struct Coordinate {
    double latitude = 0;
    double longitude = 0;
};

// A visible part of the map: its centre and its spans in degrees.
struct Region {
    Coordinate center;
    double latitudeSpan = 0;
    double longitudeSpan = 0;
};

struct Tile {
    int z = 0;
    int x = 0; // wrapped into 0 .. 2^z - 1
    int y = 0;
    QRectF rect; // where it lands in the viewport
};

// The world as the unit square: x east from longitude -180, y south from the top latitude.
QPointF project(const Coordinate &coordinate);
Coordinate unproject(const QPointF &world);

// Zoom at which `region` just fits into a viewport of `size` pixels.
double zoomFor(const Region &region, const QSizeF &size);
// What a viewport of `size` pixels shows around `center` at `zoom`.
Region regionFor(const Coordinate &center, double zoom, const QSizeF &size);
// Where `coordinate` lands in that viewport.
QPointF pointFor(const Coordinate &coordinate, const Coordinate &center, double zoom, const QSizeF &size);
// The coordinate under viewport point `point`.
Coordinate coordinateAt(const QPointF &point, const Coordinate &center, double zoom, const QSizeF &size);
// The tiles covering the viewport, at the whole zoom nearest `zoom`, scaled to fit.
QList<Tile> visibleTiles(const Coordinate &center, double zoom, const QSizeF &size);
} // namespace WebMercator
