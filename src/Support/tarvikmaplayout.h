#pragma once

#include "tarvikmaptilemodel.h"
#include "webmercator.h"

#include <QObject>
#include <QPointer>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

#include "tarviktilecache.h"

// The arithmetic of the office map's view: which tiles cover it and where, where a coordinate
// lands, and how pans and zooms move the centre. The QML map item draws what it says.
class TarvikMapLayout : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(double centerLatitude READ centerLatitude WRITE setCenterLatitude NOTIFY viewChanged)
    Q_PROPERTY(double centerLongitude READ centerLongitude WRITE setCenterLongitude NOTIFY viewChanged)
    Q_PROPERTY(double zoom READ zoom WRITE setZoom NOTIFY viewChanged)
    Q_PROPERTY(double width READ width WRITE setWidth NOTIFY viewChanged)
    Q_PROPERTY(double height READ height WRITE setHeight NOTIFY viewChanged)
    Q_PROPERTY(TarvikMapTileModel *tiles READ tiles CONSTANT)

public:
    explicit TarvikMapLayout(QObject *parent = nullptr);

    // By default the SupportMap singleton's cache.
    void setTileCache(TarvikTileCache *cache);

    double centerLatitude() const { return m_center.latitude; }
    void setCenterLatitude(double latitude);
    double centerLongitude() const { return m_center.longitude; }
    void setCenterLongitude(double longitude);
    double zoom() const { return m_zoom; }
    void setZoom(double zoom);
    double width() const { return m_size.width(); }
    void setWidth(double width);
    double height() const { return m_size.height(); }
    void setHeight(double height);
    TarvikMapTileModel *tiles() const { return m_tiles; }

    // Zoom at which a region of these spans around the centre fits the view.
    Q_INVOKABLE double zoomForSpans(double latitude, double longitude, double latitudeSpan, double longitudeSpan) const;
    // {latitude, longitude, latitudeSpan, longitudeSpan} of what the view shows now.
    Q_INVOKABLE QVariantMap region() const;
    Q_INVOKABLE QPointF pointFor(double latitude, double longitude) const;
    // Moves the map by a drag of (dx, dy) pixels.
    Q_INVOKABLE void panBy(double dx, double dy);
    // Zooms by `steps` (1: twice as close) keeping the coordinate under (x, y) in place.
    Q_INVOKABLE void zoomAround(double steps, double x, double y);
    // The map came back on screen: the tiles it lacks are asked for again.
    Q_INVOKABLE void refresh();

Q_SIGNALS:
    void viewChanged();

private:
    void changed();
    void refreshTiles();
    TarvikTileCache *cache() const;

    QPointer<TarvikTileCache> m_cache;
    bool m_cacheSet = false;
    QMetaObject::Connection m_readyConnection;
    WebMercator::Coordinate m_center;
    double m_zoom = 15;
    QSizeF m_size;
    TarvikMapTileModel *m_tiles;
    bool m_refreshQueued = false;
};
