#pragma once

#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QUrl>

class NetworkAccess;
class QNetworkAccessManager;

// Raster map tiles from a tile server whose address template holds "{z}", "{x}" and "{y}",
// kept on disk so that a tile is fetched once. A tile not yet on disk is requested when it is
// first asked for; tileReady() says when it has arrived.
class TarvikTileCache : public QObject
{
    Q_OBJECT

public:
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

Q_SIGNALS:
    void tileReady(const QString &key);

private:
    QString filePath(int z, int x, int y) const;
    void fetch(int z, int x, int y);

    QString m_template;
    NetworkAccess *m_network;
    QString m_directory;
    QNetworkAccessManager *m_manager = nullptr;
    QSet<QString> m_inFlight;
    // Tiles that failed this run are not asked for again until the next start.
    QSet<QString> m_failed;
    QStringList m_requested;
};
