#include "networkaccess.h"
#include "fakeofficegeocoder.h"
#include "httpsofficegeocoder.h"
#include "monotonicclock.h"
#include "standinfixture.h"
#include "standinsupport.h"
#include "supportmap.h"
#include "supportofficelocation.h"
#include "tarvikmaplayout.h"
#include "tarviktilecache.h"
#include "webmercator.h"

#include <QAbstractItemModelTester>
#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSet>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>

using WebMercator::Coordinate;
using namespace std::chrono_literals;

// How the tile server or the geocoder turns a request down.
using Refusal = StandinSite::Override;

// The HTTPS geocoder, counting the lookups asked of it and those answered.
class CountingGeocoder : public HttpsOfficeGeocoder
{
public:
    using HttpsOfficeGeocoder::HttpsOfficeGeocoder;

    QCoro::Task<std::optional<Coordinate>> geocode(QString address) override
    {
        ++lookups;
        const auto found = co_await HttpsOfficeGeocoder::geocode(std::move(address));
        ++answers;
        co_return found;
    }

    int lookups = 0;
    int answers = 0;
};

// The office map: the projection, the tiles a view needs and their disk cache against the
// stand-in's tile server, tried again after failures, and the office lookup (once per screen,
// silent on failure).
class SupportMapTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<StandinSite> m_site;
    std::unique_ptr<NetworkAccess> m_network;
    QString tileTemplate() const { return m_site->baseUrl().toString(QUrl::RemovePath) + QStringLiteral("/tiles/{z}/{x}/{y}.png"); }
    QUrl geocoderUrl() const { return QUrl(m_site->baseUrl().toString(QUrl::RemovePath) + QStringLiteral("/geocode")); }
    int requestsFor(const QString &key) const { return int(m_site->requestKeys().count(key)); }

    static void addRefusals()
    {
        QTest::addColumn<Refusal>("refusal");
        QTest::newRow("service unavailable") << Refusal{.status = 503, .body = QByteArray("busy")};
        // Not a reset before any answer: the transport itself sends such a request once more.
        QTest::newRow("answer cut short") << Refusal{.fault = StandinFault::TruncatedBody};
        QTest::newRow("an error page") << Refusal{.status = 200, .body = QByteArray("<html>")};
    }

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        m_site = startStandin();
        QVERIFY(m_site);
        m_network = std::make_unique<NetworkAccess>(m_site->caFile());
    }

    void cleanupTestCase()
    {
        m_network.reset();
        m_site.reset();
    }

    void projectsBackAndForth_data()
    {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::newRow("office") << 55.7579 << 37.6125;
        QTest::newRow("origin") << 0.0 << 0.0;
        QTest::newRow("south west") << -33.86 << -151.2;
        QTest::newRow("near the edge") << 85.0 << 179.9;
    }

    void projectsBackAndForth()
    {
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        const Coordinate back = WebMercator::unproject(WebMercator::project({latitude, longitude}));
        QVERIFY(std::abs(back.latitude - latitude) < 1e-9);
        QVERIFY(std::abs(back.longitude - longitude) < 1e-9);

        // A viewport point and its coordinate agree both ways, at any zoom.
        const QSizeF size(393, 700);
        const Coordinate center{55.75, 37.61};
        for (double zoom : {3.0, 12.4, 17.0}) {
            const QPointF point = WebMercator::pointFor({latitude, longitude}, center, zoom, size);
            const Coordinate under = WebMercator::coordinateAt(point, center, zoom, size);
            if (std::abs(point.x()) < 1e6 && std::abs(point.y()) < 1e6) {
                QVERIFY2(std::abs(under.latitude - latitude) < 1e-6, qPrintable(QString::number(under.latitude)));
                QVERIFY(std::abs(std::remainder(under.longitude - longitude, 360.0)) < 1e-6);
            }
        }
    }

    void knownTiles()
    {
        // The tile of the origin at zoom 1 is (1, 1); Moscow at zoom 10 is (619, 320).
        QCOMPARE(WebMercator::project({0, 0}), QPointF(0.5, 0.5));
        const QPointF moscow = WebMercator::project({55.7558, 37.6173}) * 1024;
        QCOMPARE(int(moscow.x()), 619);
        QCOMPARE(int(moscow.y()), 320);
    }

    // A region fits the viewport at the zoom found for it, and the region shown there gives back
    // the same zoom.
    void regionsAndZooms()
    {
        const QSizeF size(393, 700);
        const WebMercator::Region wanted{{55.7579, 37.6125}, 0.012, 0.012};
        const double zoom = WebMercator::zoomFor(wanted, size);
        const WebMercator::Region shown = WebMercator::regionFor(wanted.center, zoom, size);
        QVERIFY(shown.longitudeSpan >= 0.012 - 1e-9);
        QVERIFY(shown.latitudeSpan >= 0.012 - 1e-9);
        QVERIFY(std::abs(std::min(shown.longitudeSpan, shown.latitudeSpan) - 0.012) < 1e-6);
        QVERIFY(std::abs(WebMercator::zoomFor(shown, size) - zoom) < 1e-6);
    }

    // The tiles cover the viewport exactly, and no tile lies wholly outside it.
    void visibleTilesCoverTheView()
    {
        const QSizeF size(393, 700);
        for (double zoom : {15.49, 16.0, 16.51}) {
            const QList<WebMercator::Tile> tiles = WebMercator::visibleTiles({55.7579, 37.6125}, zoom, size);
            QVERIFY(!tiles.isEmpty());
            QRectF covered;
            for (const WebMercator::Tile &tile : tiles) {
                QVERIFY(tile.rect.intersects(QRectF(QPointF(0, 0), size)));
                QCOMPARE(tile.z, int(std::lround(zoom)));
                covered = covered.united(tile.rect);
            }
            QVERIFY(covered.contains(QRectF(QPointF(0, 0), size)));
        }
    }

    // Only the visible tiles are fetched, once each; a second cache over the same folder (the next
    // run) fetches nothing; the view lists every tile once it has arrived.
    void fetchesVisibleTilesOnce()
    {
        QTemporaryDir dir;
        const Coordinate center{55.7579, 37.6125};
        const double zoom = 15.6;
        const QSizeF size(393, 600);
        QSet<QString> visible;
        for (const WebMercator::Tile &tile : WebMercator::visibleTiles(center, zoom, size))
            visible.insert(TarvikTileCache::key(tile.z, tile.x, tile.y));

        TarvikTileCache cache(tileTemplate(), m_network.get(), dir.path());
        TarvikMapLayout layout;
        QAbstractItemModelTester tester(layout.tiles());
        layout.setTileCache(&cache);
        layout.setWidth(size.width());
        layout.setHeight(size.height());
        layout.setCenterLatitude(center.latitude);
        layout.setCenterLongitude(center.longitude);
        layout.setZoom(zoom);
        QTRY_COMPARE(layout.tiles()->rowCount(), int(visible.size()));
        const QStringList requested = cache.requestedKeys();
        QCOMPARE(QSet<QString>(requested.cbegin(), requested.cend()), visible);
        QCOMPARE(requested.size(), visible.size());

        // Panning a little keeps the same tiles: nothing new is asked for.
        layout.panBy(3, -2);
        QTest::qWait(0);
        QCOMPARE(cache.requestedKeys().size(), visible.size());

        TarvikTileCache nextRun(tileTemplate(), m_network.get(), dir.path());
        for (const QString &key : visible) {
            const QStringList zxy = key.split(QLatin1Char('/'));
            QVERIFY(!nextRun.source(zxy.at(0).toInt(), zxy.at(1).toInt(), zxy.at(2).toInt()).isEmpty());
        }
        QVERIFY(nextRun.requestedKeys().isEmpty());
    }

    // Zooming in, the tiles of the zoom before stand in until the new ones arrive.
    void parentTilesStandIn()
    {
        QTemporaryDir dir;
        TarvikTileCache cache(tileTemplate(), m_network.get(), dir.path());
        TarvikMapLayout layout;
        layout.setTileCache(&cache);
        layout.setWidth(300);
        layout.setHeight(300);
        layout.setCenterLatitude(55.7579);
        layout.setCenterLongitude(37.6125);
        layout.setZoom(15);
        const int visibleAt15 = int(WebMercator::visibleTiles({55.7579, 37.6125}, 15, QSizeF(300, 300)).size());
        QTRY_COMPARE(layout.tiles()->rowCount(), visibleAt15);
        QSet<QString> shownAt15;
        for (int row = 0; row < layout.tiles()->rowCount(); ++row)
            shownAt15.insert(layout.tiles()->index(row).data(Qt::UserRole).toString());

        // Nothing can be fetched for zoom 16 here: the same folder without a server.
        TarvikTileCache offline(tileTemplate(), nullptr, dir.path());
        layout.setTileCache(&offline);
        layout.setZoom(16);
        QTRY_COMPARE(layout.tiles()->index(0).data(Qt::UserRole + 4).toDouble(), 512.0);
        for (int row = 0; row < layout.tiles()->rowCount(); ++row) {
            const QModelIndex index = layout.tiles()->index(row);
            QVERIFY(shownAt15.contains(index.data(Qt::UserRole).toString()));
            QCOMPARE(index.data(Qt::UserRole + 4).toDouble(), 512.0);
        }
    }

    // Something that is not a picture never enters the cache.
    void keepsOnlyPictures()
    {
        QTemporaryDir dir;
        TarvikTileCache cache(m_site->baseUrl().toString(QUrl::RemovePath) + QStringLiteral("/geocode?q={z}"), m_network.get(), dir.path());
        QSignalSpy ready(&cache, &TarvikTileCache::tileReady);
        QVERIFY(cache.source(3, 1, 1).isEmpty());
        QTRY_COMPARE(cache.pendingCount(), 0);
        QCOMPARE(m_site->requestKeys().count(QStringLiteral("/geocode")), 1);
        QCOMPARE(ready.size(), 0);
        QVERIFY(cache.source(3, 1, 1).isEmpty());
        QCOMPARE(cache.requestedKeys().size(), 1); // a failed tile is not asked for again at once
        m_site->clearRequests();
    }

    // A tile is a square of the map's tile size: another picture is not kept, nor asked for again
    // at once.
    void keepsOnlyTileSizedPictures_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("twice as large") << QSize(512, 512);
        QTest::newRow("a pixel") << QSize(1, 1);
        QTest::newRow("not square") << QSize(256, 128);
    }
    void keepsOnlyTileSizedPictures()
    {
        QFETCH(QSize, size);
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(Qt::white);
        QByteArray png;
        QBuffer buffer(&png);
        QVERIFY(buffer.open(QIODevice::WriteOnly) && picture.save(&buffer, "PNG"));
        const QString path = QStringLiteral("/tiles/4/3/5.png");
        m_site->setOverride(path, {.body = png});
        QTemporaryDir dir;
        TarvikTileCache cache(tileTemplate(), m_network.get(), dir.path());
        QSignalSpy ready(&cache, &TarvikTileCache::tileReady);
        QVERIFY(cache.source(4, 3, 5).isEmpty());
        QTRY_COMPARE(cache.pendingCount(), 0);
        QCOMPARE(ready.size(), 0);
        QVERIFY(cache.cachedSource(4, 3, 5).isEmpty());
        QVERIFY(cache.source(4, 3, 5).isEmpty());
        QCOMPARE(m_site->requestKeys().count(path), 1);
        m_site->clearOverrides();
        m_site->clearRequests();
    }

    // The folder holds no more than its bound: past it, the tiles written longest ago go first,
    // those of earlier runs included, and the tile just fetched stays.
    void trimsTheOldestTiles()
    {
        QTemporaryDir dir;
        const QDateTime now = QDateTime::currentDateTimeUtc();
        QStringList earlier;
        for (int i = 0; i < 4; ++i) {
            const QString file = dir.filePath(QStringLiteral("earlier/15/%1/0.tile").arg(i));
            QVERIFY(QDir().mkpath(QFileInfo(file).absolutePath()));
            QFile written(file);
            QVERIFY(written.open(QIODevice::WriteOnly));
            written.write(QByteArray(100 * 1024, 'x'));
            written.close();
            // The first written longest ago.
            QVERIFY(written.open(QIODevice::ReadWrite));
            QVERIFY(written.setFileTime(now.addSecs(-3600 * (4 - i)), QFileDevice::FileModificationTime));
            written.close();
            earlier.append(file);
        }
        TarvikTileCache cache(tileTemplate(), m_network.get(), dir.path());
        cache.setDiskLimit(350 * 1024);
        QSignalSpy ready(&cache, &TarvikTileCache::tileReady);
        QVERIFY(cache.source(10, 619, 320).isEmpty());
        QVERIFY(ready.wait());
        QVERIFY(!QFile::exists(earlier.at(0)));
        QVERIFY(QFile::exists(earlier.at(1)) && QFile::exists(earlier.at(2)) && QFile::exists(earlier.at(3)));
        QVERIFY(!cache.cachedSource(10, 619, 320).isEmpty());
        QVERIFY(cache.diskBytes() <= 350 * 1024);

        // Every new tile pushes out the oldest left.
        cache.setDiskLimit(cache.diskBytes() - 50 * 1024);
        QVERIFY(cache.source(10, 620, 320).isEmpty());
        QVERIFY(ready.wait());
        QVERIFY(!QFile::exists(earlier.at(1)));
        QVERIFY(QFile::exists(earlier.at(2)) && QFile::exists(earlier.at(3)));
        QVERIFY(!cache.cachedSource(10, 619, 320).isEmpty() && !cache.cachedSource(10, 620, 320).isEmpty());
        m_site->clearRequests();
    }

    // The server turns every tile down, then serves them: the map fills again without a restart,
    // on the next show or pan after a tile's pause, and not before it, however often it is needed.
    void refusedTilesComeBack_data() { addRefusals(); }
    void refusedTilesComeBack()
    {
        QFETCH(Refusal, refusal);
        QTemporaryDir dir;
        ManualMonotonicClock clock;
        TarvikTileCache cache(tileTemplate(), m_network.get(), dir.path());
        cache.setClock(&clock);
        const Coordinate center{55.7579, 37.6125};
        const QSizeF size(393, 600);
        const QList<WebMercator::Tile> tiles = WebMercator::visibleTiles(center, 15.6, size);
        QStringList paths;
        QSet<QString> keys;
        for (const WebMercator::Tile &tile : tiles) {
            paths.append(QStringLiteral("/tiles/%1/%2/%3.png").arg(tile.z).arg(tile.x).arg(tile.y));
            keys.insert(TarvikTileCache::key(tile.z, tile.x, tile.y));
        }
        // As the cache sends them (the server may not have seen the last yet).
        const auto sentCount = [&] {
            const QStringList sent = cache.requestedKeys();
            return int(std::count_if(sent.cbegin(), sent.cend(), [&](const QString &key) { return keys.contains(key); }));
        };
        for (const QString &path : paths)
            m_site->setOverride(path, refusal);

        // One support screen shows the map, another opens it later on the same cache.
        const auto showMap = [&](TarvikMapLayout &layout) {
            layout.setTileCache(&cache);
            layout.setWidth(size.width());
            layout.setHeight(size.height());
            layout.setCenterLatitude(center.latitude);
            layout.setCenterLongitude(center.longitude);
            layout.setZoom(15.6);
        };
        TarvikMapLayout layout;
        showMap(layout);
        QTRY_COMPARE(sentCount(), int(tiles.size()));
        QTRY_COMPARE(cache.pendingCount(), 0);
        QCOMPARE(layout.tiles()->rowCount(), 0);

        // Within the pause neither a pan, a zoom out and back, coming back on screen nor another
        // screen's map asks again, though the server answers again.
        m_site->clearOverrides();
        clock.advance(TarvikTileCache::retryPause.first() - 1ms);
        layout.panBy(2, 2);
        QCoreApplication::processEvents();
        layout.setZoom(14.4);
        QCoreApplication::processEvents();
        layout.setZoom(15.6);
        layout.refresh();
        QCoreApplication::processEvents();
        {
            TarvikMapLayout reopened;
            showMap(reopened);
            QCoreApplication::processEvents();
        }
        QCOMPARE(sentCount(), int(tiles.size()));

        // Past it, the next pan fetches them, and the map fills.
        clock.advance(1ms);
        layout.panBy(-2, -2);
        QTRY_COMPARE(layout.tiles()->rowCount(), int(tiles.size()));
        QCOMPARE(sentCount(), 2 * int(tiles.size()));
        m_site->clearRequests();
    }

    // A tile the server keeps turning down, needed at every step of a long pan: a few requests
    // in the first minute, fewer later, and asked again still after a long time.
    void aRefusedTileIsNotHammered_data() { addRefusals(); }
    void aRefusedTileIsNotHammered()
    {
        QFETCH(Refusal, refusal);
        QTemporaryDir dir;
        ManualMonotonicClock clock;
        TarvikTileCache cache(tileTemplate(), m_network.get(), dir.path());
        cache.setClock(&clock);
        const QString path = QStringLiteral("/tiles/12/2475/1282.png");
        m_site->clearRequests();
        m_site->setOverride(path, refusal);
        const auto needEverySecondFor = [&](int seconds) {
            for (int second = 0; second < seconds; ++second) {
                QVERIFY(cache.source(12, 2475, 1282).isEmpty());
                QTRY_COMPARE(cache.pendingCount(), 0);
                clock.advance(1s);
            }
        };
        needEverySecondFor(60);
        if (QTest::currentTestFailed())
            return;
        const int firstMinute = requestsFor(path);
        QVERIFY2(firstMinute >= 2 && firstMinute <= 5, qPrintable(QString::number(firstMinute)));
        needEverySecondFor(300);
        if (QTest::currentTestFailed())
            return;
        const int nextFiveMinutes = requestsFor(path) - firstMinute;
        QVERIFY2(nextFiveMinutes >= 2 && nextFiveMinutes <= 5, qPrintable(QString::number(nextFiveMinutes)));

        m_site->clearOverrides();
        QSignalSpy ready(&cache, &TarvikTileCache::tileReady);
        clock.advance(10min);
        QVERIFY(cache.source(12, 2475, 1282).isEmpty());
        QVERIFY(ready.wait());
        QVERIFY(!cache.source(12, 2475, 1282).isEmpty());
        m_site->clearRequests();
    }

    void zoomsAroundAPoint()
    {
        TarvikMapLayout layout;
        layout.setWidth(400);
        layout.setHeight(400);
        layout.setCenterLatitude(55.75);
        layout.setCenterLongitude(37.61);
        layout.setZoom(14);
        const QPointF anchor(100, 300);
        const Coordinate before = WebMercator::coordinateAt(anchor, {55.75, 37.61}, 14, QSizeF(400, 400));
        layout.zoomAround(1.5, anchor.x(), anchor.y());
        QCOMPARE(layout.zoom(), 15.5);
        const QPointF after = layout.pointFor(before.latitude, before.longitude);
        QVERIFY(std::abs(after.x() - anchor.x()) < 1e-6 && std::abs(after.y() - anchor.y()) < 1e-6);
    }

    void parsesGeocodingReplies_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("found");
        QTest::newRow("numbers as text") << QByteArray("[{\"lat\":\"55.76\",\"lon\":\"37.61\"}]") << true;
        QTest::newRow("numbers") << QByteArray("[{\"lat\":55.76,\"lon\":37.61},{\"lat\":1,\"lon\":2}]") << true;
        QTest::newRow("empty") << QByteArray("[]") << false;
        QTest::newRow("out of range") << QByteArray("[{\"lat\":\"95\",\"lon\":\"37\"}]") << false;
        QTest::newRow("not a number") << QByteArray("[{\"lat\":\"north\",\"lon\":\"37\"}]") << false;
        QTest::newRow("object") << QByteArray("{\"lat\":1,\"lon\":2}") << false;
        QTest::newRow("garbage") << QByteArray("<html>") << false;
    }

    void parsesGeocodingReplies()
    {
        QFETCH(QByteArray, body);
        QFETCH(bool, found);
        const auto coordinate = HttpsOfficeGeocoder::parseReply(body);
        QCOMPARE(coordinate.has_value(), found);
        if (found) {
            QCOMPARE(coordinate->latitude, 55.76);
            QCOMPARE(coordinate->longitude, 37.61);
        }
    }

    void geocodesOverHttps()
    {
        HttpsOfficeGeocoder geocoder(QUrl(m_site->baseUrl().toString(QUrl::RemovePath) + QStringLiteral("/geocode")), m_network.get());
        const auto found = await(geocoder.geocode(SupportMap::officeAddress()));
        QVERIFY(found);
        QCOMPARE(found->latitude, StandinSupport::officeLatitude);
        QCOMPARE(found->longitude, StandinSupport::officeLongitude);
        const auto lastQuery = m_site->requests().constLast();
        QCOMPARE(lastQuery.queryValue(QStringLiteral("q")), SupportMap::officeAddress());

        // Only over HTTPS.
        HttpsOfficeGeocoder plain(QUrl(QStringLiteral("http://127.0.0.1:1/geocode")), m_network.get());
        QVERIFY(!await(plain.geocode(SupportMap::officeAddress())));
    }

    // A geocoder deleted while its lookup is under way: the lookup ends with nothing, and
    // touches nothing of the deleted geocoder (the sanitizer and memcheck runs would show it).
    void aGeocoderGoneMidLookup()
    {
        m_site->hold(QStringLiteral("/geocode"), 1);
        QSignalSpy held(m_site.get(), &StandinSite::requestHeld);
        auto geocoder = std::make_unique<HttpsOfficeGeocoder>(geocoderUrl(), m_network.get());
        auto lookup = geocoder->geocode(SupportMap::officeAddress());
        QVERIFY(held.wait());
        geocoder.reset();
        QVERIFY(!await(std::move(lookup)));
        m_site->releaseHeld();
    }

    // Two appearances, one lookup; the answer moves marker and region, also while the section is
    // hidden (the location lives with the screen, not the section).
    void locatesOncePerScreen()
    {
        FakeOfficeGeocoder geocoder;
        geocoder.held = true;
        geocoder.answer = Coordinate{55.76, 37.62};
        SupportOfficeLocation location;
        location.setGeocoder(&geocoder);
        QCOMPARE(location.latitude(), SupportMap::officeLatitude());
        QCOMPARE(location.regionLatitudeSpan(), 0.012);
        QSignalSpy moved(&location, &SupportOfficeLocation::moveRequested);
        location.locate();
        location.locate();
        QCOMPARE(geocoder.requestCount, 1);
        QCOMPARE(geocoder.addresses, QStringList{SupportMap::officeAddress()});
        // The user pans meanwhile; the answer still moves the region.
        location.setRegion(10, 10, 1, 1);
        geocoder.release();
        QTRY_COMPARE(moved.size(), 1);
        QCOMPARE(location.latitude(), 55.76);
        QCOMPARE(location.longitude(), 37.62);
        QCOMPARE(location.regionLatitude(), 55.76);
        QCOMPARE(location.regionLongitude(), 37.62);
        QCOMPARE(location.regionLatitudeSpan(), 0.009);
        QCOMPARE(location.regionLongitudeSpan(), 0.009);
        location.locate();
        QCOMPARE(geocoder.requestCount, 1);

        // A new screen looks up again.
        SupportOfficeLocation another;
        another.setGeocoder(&geocoder);
        another.locate();
        QCOMPARE(geocoder.requestCount, 2);
    }

    // A lookup the service turns down changes nothing on screen and says nothing; the office's
    // later appearances on the same screen ask nothing more.
    void aRefusedLookupIsMadeOnce_data() { addRefusals(); }
    void aRefusedLookupIsMadeOnce()
    {
        QFETCH(Refusal, refusal);
        const QString key = QStringLiteral("/geocode");
        m_site->setOverride(key, refusal);
        const int before = requestsFor(key);
        CountingGeocoder geocoder(geocoderUrl(), m_network.get());
        SupportOfficeLocation location;
        location.setGeocoder(&geocoder);
        QSignalSpy moved(&location, &SupportOfficeLocation::moveRequested);
        for (int shown = 0; shown < 4; ++shown) {
            location.locate();
            // Each appearance after the answer has come.
            QTRY_COMPARE(geocoder.answers, 1);
        }
        m_site->clearOverrides();
        QCOMPARE(geocoder.lookups, 1);
        QCOMPARE(requestsFor(key), before + 1);
        QCOMPARE(moved.size(), 0);
        QVERIFY(location.isLocated());
        QCOMPARE(location.latitude(), SupportMap::officeLatitude());
        QCOMPARE(location.longitude(), SupportMap::officeLongitude());
        QCOMPARE(location.regionLatitudeSpan(), 0.012);
    }

    // An answer that arrives after the screen has gone touches nothing.
    void aClosedScreenGetsNoAnswer()
    {
        FakeOfficeGeocoder geocoder;
        geocoder.held = true;
        geocoder.answer = Coordinate{1, 2};
        auto closed = std::make_unique<SupportOfficeLocation>();
        closed->setGeocoder(&geocoder);
        SupportOfficeLocation open;
        open.setGeocoder(&geocoder);
        QSignalSpy closedMoves(closed.get(), &SupportOfficeLocation::moveRequested);
        QSignalSpy openMoves(&open, &SupportOfficeLocation::moveRequested);
        closed->locate();
        open.locate();
        QCOMPARE(geocoder.requestCount, 2);
        closed.reset();
        // Both lookups end; only the open screen's answer is delivered (one to the freed screen
        // would show in the sanitizer run).
        geocoder.release();
        QTRY_COMPARE(openMoves.count(), 1);
        QCOMPARE(open.latitude(), 1.0);
        QCOMPARE(open.longitude(), 2.0);
        QCOMPARE(closedMoves.count(), 0);
    }
};

QTEST_MAIN(SupportMapTest)
#include "tst_supportmap.moc"
