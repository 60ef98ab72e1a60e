#include "supportofficelocation.h"

#include "officegeocoder.h"
#include "supportmap.h"

#include <QCoroTask>

SupportOfficeLocation::SupportOfficeLocation(QObject *parent)
    : QObject(parent)
    , m_coordinate{SupportMap::officeLatitude(), SupportMap::officeLongitude()}
    , m_region{m_coordinate, 0.012, 0.012}
{
}

void SupportOfficeLocation::setGeocoder(OfficeGeocoder *geocoder)
{
    m_geocoder = geocoder;
    m_geocoderSet = true;
}

void SupportOfficeLocation::locate()
{
    if (m_located)
        return;
    m_located = true;
    Q_EMIT locatedChanged();
    SupportMap *map = SupportMap::instance();
    OfficeGeocoder *geocoder = m_geocoderSet ? m_geocoder.data() : map ? map->geocoder() : nullptr;
    if (!geocoder)
        return;
    // Delivered to this object only while it lives: a closed screen gets nothing.
    QCoro::connect(geocoder->geocode(SupportMap::officeAddress()), this, [this](const std::optional<WebMercator::Coordinate> &found) {
        if (!found)
            return;
        m_coordinate = *found;
        Q_EMIT coordinateChanged();
        m_region = {*found, 0.009, 0.009};
        Q_EMIT regionChanged();
        Q_EMIT moveRequested();
    });
}

void SupportOfficeLocation::setRegion(double latitude, double longitude, double latitudeSpan, double longitudeSpan)
{
    m_region = {{latitude, longitude}, latitudeSpan, longitudeSpan};
    Q_EMIT regionChanged();
}
