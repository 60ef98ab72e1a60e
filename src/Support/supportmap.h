#pragma once

#include "officegeocoder.h"
#include "qmlsingleton.h"
#include "tarviktilecache.h"

#include <QObject>
#include <QPointer>
#include <QtQml/qqmlregistration.h>

class QJSEngine;
class QQmlEngine;

// What the office map draws with, for the whole app: the tile cache, the geocoder, the tile
// source's attribution and the office itself (its address, short address, town and starting
// coordinate, fixed by the build). Reached from QML as the singleton `SupportMap`.
class SupportMap : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(QString attribution READ attribution CONSTANT)
    Q_PROPERTY(QString officeAddress READ officeAddress CONSTANT)
    Q_PROPERTY(QString officeShortAddress READ officeShortAddress CONSTANT)
    Q_PROPERTY(QString officeTown READ officeTown CONSTANT)
    Q_PROPERTY(double officeLatitude READ officeLatitude CONSTANT)
    Q_PROPERTY(double officeLongitude READ officeLongitude CONSTANT)

public:
    // A map without tile server or geocoder: only tiles already on disk, no address lookup.
    explicit SupportMap(QObject *parent);
    SupportMap(TarvikTileCache *tiles, OfficeGeocoder *geocoder, QString attribution, QObject *parent = nullptr);

    static void setInstance(SupportMap *map);
    // Or how to make it (with its tile cache and geocoder) when a map first asks.
    static void setFactory(std::function<SupportMap *()> make);
    static SupportMap *create(QQmlEngine *qmlEngine, QJSEngine *jsEngine);
    // The one main() (or a test) set, if any.
    static SupportMap *instance() { return s_instance.get(); }

    TarvikTileCache *tiles() const { return m_tiles; }
    OfficeGeocoder *geocoder() const { return m_geocoder; }
    QString attribution() const { return m_attribution; }

    static QString officeAddress();
    static QString officeShortAddress();
    static QString officeTown();
    static double officeLatitude();
    static double officeLongitude();

private:
    QPointer<TarvikTileCache> m_tiles;
    QPointer<OfficeGeocoder> m_geocoder;
    QString m_attribution;
    static inline MadeOnFirstUse<SupportMap> s_instance;
};
