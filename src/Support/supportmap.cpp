#include "supportmap.h"

#include "officegeocoder.h"
#include "qmlsingleton.h"
#include "tarviktilecache.h"

#ifndef TARVIK_OFFICE_ADDRESS
#error "the office's address and coordinate must be defined by the build"
#endif

SupportMap::SupportMap(QObject *parent)
    : QObject(parent)
    , m_tiles(new TarvikTileCache(QString(), nullptr, TarvikTileCache::defaultDirectory(), this))
{
}

SupportMap::SupportMap(TarvikTileCache *tiles, OfficeGeocoder *geocoder, QString attribution, QObject *parent)
    : QObject(parent)
    , m_tiles(tiles)
    , m_geocoder(geocoder)
    , m_attribution(std::move(attribution))
{
}

void SupportMap::setInstance(SupportMap *map)
{
    s_instance.set(map);
}

void SupportMap::setFactory(std::function<SupportMap *()> make)
{
    s_instance.setFactory(std::move(make));
}

SupportMap *SupportMap::create(QQmlEngine *, QJSEngine *jsEngine)
{
    return provideQmlSingleton(s_instance.get(), [jsEngine] { return new SupportMap(jsEngine); });
}

QString SupportMap::officeAddress()
{
    return QStringLiteral(TARVIK_OFFICE_ADDRESS);
}

QString SupportMap::officeShortAddress()
{
    return QStringLiteral(TARVIK_OFFICE_SHORT_ADDRESS);
}

QString SupportMap::officeTown()
{
    return QStringLiteral(TARVIK_OFFICE_TOWN);
}

double SupportMap::officeLatitude()
{
    return TARVIK_OFFICE_LATITUDE;
}

double SupportMap::officeLongitude()
{
    return TARVIK_OFFICE_LONGITUDE;
}
