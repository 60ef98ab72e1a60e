#pragma once

#include "webmercator.h"

#include <QObject>
#include <QPointer>
#include <QtQml/qqmlregistration.h>

#include "officegeocoder.h"

// One support screen's office state: where the marker stands, the map region (which the map
// writes back as the user pans and zooms) and whether the address has been looked up. The
// lookup runs once per screen, on the office section's first appearance; a failure is silent.
class SupportOfficeLocation : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(double latitude READ latitude NOTIFY coordinateChanged)
    Q_PROPERTY(double longitude READ longitude NOTIFY coordinateChanged)
    Q_PROPERTY(double regionLatitude READ regionLatitude NOTIFY regionChanged)
    Q_PROPERTY(double regionLongitude READ regionLongitude NOTIFY regionChanged)
    Q_PROPERTY(double regionLatitudeSpan READ regionLatitudeSpan NOTIFY regionChanged)
    Q_PROPERTY(double regionLongitudeSpan READ regionLongitudeSpan NOTIFY regionChanged)
    Q_PROPERTY(bool located READ isLocated NOTIFY locatedChanged)

public:
    // Starts at the office's configured coordinate, spans 0.012 × 0.012 degrees.
    explicit SupportOfficeLocation(QObject *parent = nullptr);

    double latitude() const { return m_coordinate.latitude; }
    double longitude() const { return m_coordinate.longitude; }
    double regionLatitude() const { return m_region.center.latitude; }
    double regionLongitude() const { return m_region.center.longitude; }
    double regionLatitudeSpan() const { return m_region.latitudeSpan; }
    double regionLongitudeSpan() const { return m_region.longitudeSpan; }
    WebMercator::Region region() const { return m_region; }
    bool isLocated() const { return m_located; }

    // Tests and the app hand in the geocoder; by default the SupportMap singleton's.
    void setGeocoder(OfficeGeocoder *geocoder);

    // The office section came on screen: looks the address up, the first time only.
    Q_INVOKABLE void locate();
    // The map's own change of what it shows (pan, zoom).
    Q_INVOKABLE void setRegion(double latitude, double longitude, double latitudeSpan, double longitudeSpan);

Q_SIGNALS:
    void coordinateChanged();
    void regionChanged();
    void locatedChanged();
    // The geocoder answered: the map moves to the region with its ease-out.
    void moveRequested();

private:
    QPointer<OfficeGeocoder> m_geocoder;
    bool m_geocoderSet = false;
    WebMercator::Coordinate m_coordinate;
    WebMercator::Region m_region;
    bool m_located = false;
};
