#pragma once

#include "monotonicclock.h"
#include "retrypause.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <chrono>
#include <deque>
#include <optional>

class NetworkAccess;
class QNetworkAccessManager;

// Raster map tiles from a tile server whose address template holds "{z}", "{x}" and "{y}",
// kept on disk so that a tile is fetched once. A tile not yet on disk is requested when it is
// asked for; tileReady() says when it has arrived. A tile that failed is requested again when it
// is asked for after its pause (retryPause). Only square pictures of tileSize pixels are kept, and
// the folder holds at most maxDiskBytes of them, the oldest going first.
class TarvikTileCache : public QObject
{
    Q_OBJECT

public:
    // The side of a tile in pixels, as the map draws it; a picture of another size is not a tile.
    static constexpr int tileSize = 256;
    // A tile is a few tens of kilobytes; a body past this is not one, and is dropped as it comes.
    static constexpr qint64 maxTileBytes = 256 * 1024;
    // A tile request still not answered after this gives up.
    static constexpr std::chrono::seconds tileTimeLimit{20};
    // The most the folder keeps: a few thousand tiles, the streets around the office at every zoom
    // and more. Past it the tiles written longest ago are removed.
    static constexpr qint64 maxDiskBytes = 48 * 1024 * 1024;
    // How long a tile that failed is left before it is asked for again: 5 s, doubling with each
    // failure in a row, at most 2 min.
    static constexpr RetryPause retryPause{std::chrono::seconds(5), std::chrono::minutes(2)};

    // Without `network` nothing is fetched (only tiles already on disk show).
    TarvikTileCache(QString urlTemplate, NetworkAccess *network, QString directory = defaultDirectory(), QObject *parent = nullptr);
    ~TarvikTileCache() override;

    static QString defaultDirectory();
    // "z/x/y".
    static QString key(int z, int x, int y);
    QUrl tileUrl(int z, int x, int y) const;

    // The tile's file as a URL when it is on disk; otherwise empty, and the tile is requested.
    QUrl source(int z, int x, int y);
    // The same without requesting anything.
    QUrl cachedSource(int z, int x, int y) const;

    // Keys of every tile requested from the server so far, oldest first.
    QStringList requestedKeys() const { return m_requested; }
    // Requests still under way.
    int pendingCount() const { return int(m_inFlight.size()); }
    // Bytes of tiles in the folder, as this cache counts them (read from disk with the first write).
    qint64 diskBytes() const { return m_diskBytes; }
    // tileTimeLimit and maxDiskBytes unless changed (tests).
    void setTimeLimit(std::chrono::milliseconds limit) { m_timeLimit = limit; }
    void setDiskLimit(qint64 bytes) { m_diskLimit = bytes; }
    // What the pauses after failures are measured on; a clock of its own unless set (tests).
    void setClock(const MonotonicClock *clock) { m_clock = clock; }

Q_SIGNALS:
    void tileReady(const QString &key);

private:
    struct StoredTile {
        QString path;
        qint64 bytes;
    };

    QString filePath(int z, int x, int y) const;
    void fetch(int z, int x, int y);
    // Keeps a tile just written; removes the oldest while the folder holds more than the bound.
    void kept(const QString &path, qint64 bytes);
    std::chrono::nanoseconds now() const;

    QString m_template;
    NetworkAccess *m_network;
    QString m_directory;
    QNetworkAccessManager *m_manager = nullptr;
    std::chrono::milliseconds m_timeLimit = tileTimeLimit;
    qint64 m_diskLimit = maxDiskBytes;
    ElapsedMonotonicClock m_ownClock;
    QPointer<const MonotonicClock> m_clock;
    QSet<QString> m_inFlight;
    // Tiles whose last request failed, until one succeeds.
    QHash<QString, RetryPause> m_failed;
    QStringList m_requested;
    // The tiles on disk, oldest first; read once, with the first tile written.
    std::optional<std::deque<StoredTile>> m_stored;
    qint64 m_diskBytes = 0;
};
