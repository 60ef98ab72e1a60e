#include "tarvikmaplayout.h"

#include "supportmap.h"
#include "tarviktilecache.h"

#include <QSet>
#include <QTimer>

#include <algorithm>
#include <cmath>

TarvikMapLayout::TarvikMapLayout(QObject *parent)
    : QObject(parent)
    , m_tiles(new TarvikMapTileModel(this))
{
    if (SupportMap *map = SupportMap::instance())
        m_cache = map->tiles();
    if (m_cache)
        m_readyConnection = connect(m_cache, &TarvikTileCache::tileReady, this, &TarvikMapLayout::changed);
}

void TarvikMapLayout::setTileCache(TarvikTileCache *cache)
{
    disconnect(m_readyConnection);
    m_cache = cache;
    if (m_cache)
        m_readyConnection = connect(m_cache, &TarvikTileCache::tileReady, this, &TarvikMapLayout::changed);
    changed();
}

TarvikTileCache *TarvikMapLayout::cache() const
{
    return m_cache.data();
}

void TarvikMapLayout::setCenterLatitude(double latitude)
{
    latitude = std::clamp(latitude, -WebMercator::maxLatitude, WebMercator::maxLatitude);
    if (!std::isfinite(latitude) || latitude == m_center.latitude)
        return;
    m_center.latitude = latitude;
    changed();
}

void TarvikMapLayout::setCenterLongitude(double longitude)
{
    if (!std::isfinite(longitude) || longitude == m_center.longitude)
        return;
    m_center.longitude = longitude;
    changed();
}

void TarvikMapLayout::setZoom(double zoom)
{
    zoom = std::clamp(zoom, WebMercator::minZoom, WebMercator::maxZoom);
    if (!std::isfinite(zoom) || zoom == m_zoom)
        return;
    m_zoom = zoom;
    changed();
}

void TarvikMapLayout::setWidth(double width)
{
    if (width == m_size.width())
        return;
    m_size.setWidth(width);
    changed();
}

void TarvikMapLayout::setHeight(double height)
{
    if (height == m_size.height())
        return;
    m_size.setHeight(height);
    changed();
}

double TarvikMapLayout::zoomForSpans(double latitude, double longitude, double latitudeSpan, double longitudeSpan) const
{
    return WebMercator::zoomFor({{latitude, longitude}, latitudeSpan, longitudeSpan}, m_size);
}

QVariantMap TarvikMapLayout::region() const
{
    const WebMercator::Region shown = WebMercator::regionFor(m_center, m_zoom, m_size);
    return {
        {QStringLiteral("latitude"), shown.center.latitude},
        {QStringLiteral("longitude"), shown.center.longitude},
        {QStringLiteral("latitudeSpan"), shown.latitudeSpan},
        {QStringLiteral("longitudeSpan"), shown.longitudeSpan},
    };
}

QPointF TarvikMapLayout::pointFor(double latitude, double longitude) const
{
    return WebMercator::pointFor({latitude, longitude}, m_center, m_zoom, m_size);
}

void TarvikMapLayout::panBy(double dx, double dy)
{
    const QPointF middle(m_size.width() / 2.0 - dx, m_size.height() / 2.0 - dy);
    m_center = WebMercator::coordinateAt(middle, m_center, m_zoom, m_size);
    changed();
}

void TarvikMapLayout::zoomAround(double steps, double x, double y)
{
    const WebMercator::Coordinate anchor = WebMercator::coordinateAt({x, y}, m_center, m_zoom, m_size);
    const double zoom = std::clamp(m_zoom + steps, WebMercator::minZoom, WebMercator::maxZoom);
    if (!std::isfinite(zoom))
        return;
    m_zoom = zoom;
    // Put the anchor back under (x, y): the centre moves by the anchor's drift.
    const QPointF drift = WebMercator::pointFor(anchor, m_center, m_zoom, m_size) - QPointF(x, y);
    m_center = WebMercator::coordinateAt(QPointF(m_size.width() / 2.0, m_size.height() / 2.0) + drift, m_center, m_zoom, m_size);
    changed();
}

void TarvikMapLayout::changed()
{
    Q_EMIT viewChanged();
    refresh();
}

void TarvikMapLayout::refresh()
{
    // Many properties change together (an animation step, a pinch): the tiles follow once.
    if (m_refreshQueued)
        return;
    m_refreshQueued = true;
    QTimer::singleShot(0, this, [this] {
        m_refreshQueued = false;
        refreshTiles();
    });
}

void TarvikMapLayout::refreshTiles()
{
    QList<TarvikMapTileModel::Entry> entries;
    if (TarvikTileCache *tileCache = cache()) {
        QList<TarvikMapTileModel::Entry> exact;
        QSet<QString> parents;
        for (const WebMercator::Tile &tile : WebMercator::visibleTiles(m_center, m_zoom, m_size)) {
            const QUrl source = tileCache->source(tile.z, tile.x, tile.y);
            if (!source.isEmpty()) {
                exact.append({TarvikTileCache::key(tile.z, tile.x, tile.y), source, tile.rect});
                continue;
            }
            // Until it arrives, the tile one zoom out (already on disk) stands in, drawn underneath.
            if (tile.z == 0)
                continue;
            const QString parentKey = TarvikTileCache::key(tile.z - 1, tile.x / 2, tile.y / 2);
            const QUrl parent = tileCache->cachedSource(tile.z - 1, tile.x / 2, tile.y / 2);
            if (parent.isEmpty() || parents.contains(parentKey))
                continue;
            parents.insert(parentKey);
            const double size = tile.rect.width();
            entries.append({parentKey, parent, QRectF(tile.rect.x() - (tile.x % 2) * size, tile.rect.y() - (tile.y % 2) * size, 2 * size, 2 * size)});
        }
        entries += exact;
    }
    m_tiles->setEntries(entries);
}
