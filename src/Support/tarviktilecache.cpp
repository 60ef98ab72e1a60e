#include "tarviktilecache.h"

#include "networkaccess.h"

#include <QBuffer>
#include <QCoroTask>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QImageReader>
#include <QPointer>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>
#include <vector>

namespace
{
QCoro::Task<std::optional<QByteArray>> download(NetworkAccess *network, QNetworkAccessManager *manager, QUrl url,
                                                std::chrono::milliseconds limit)
{
    QNetworkRequest request(url);
    // Tile servers ask clients to say who they are.
    request.setHeader(QNetworkRequest::UserAgentHeader, QByteArrayLiteral("Tarvik/1.0 (office map)"));
    auto result = co_await network->send(manager, request, QByteArrayLiteral("GET"), {}, limit, TarvikTileCache::maxTileBytes);
    if (!result.ok())
        co_return std::nullopt;
    std::unique_ptr<QNetworkReply> reply = std::move(result.value());
    if (reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() != 200)
        co_return std::nullopt;
    co_return reply->readAll();
}

// Whether `body` is a whole tile: its header says tileSize square before anything is decoded
// (a small file can claim a huge picture), and it then decodes.
bool isTile(const QByteArray &body)
{
    QBuffer buffer;
    buffer.setData(body);
    QImageReader reader(&buffer);
    if (reader.size() != QSize(TarvikTileCache::tileSize, TarvikTileCache::tileSize))
        return false;
    return !reader.read().isNull();
}
} // namespace

TarvikTileCache::TarvikTileCache(QString urlTemplate, NetworkAccess *network, QString directory, QObject *parent)
    : QObject(parent)
    , m_template(std::move(urlTemplate))
    , m_network(network)
    , m_directory(std::move(directory))
{
    if (m_network)
        m_manager = m_network->createManager(NetworkAccess::Cookies::None, this);
}

TarvikTileCache::~TarvikTileCache() = default;

QString TarvikTileCache::defaultDirectory()
{
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/TarvikMapTiles");
}

QString TarvikTileCache::key(int z, int x, int y)
{
    return QStringLiteral("%1/%2/%3").arg(z).arg(x).arg(y);
}

QUrl TarvikTileCache::tileUrl(int z, int x, int y) const
{
    QString address = m_template;
    address.replace(QLatin1String("{z}"), QString::number(z));
    address.replace(QLatin1String("{x}"), QString::number(x));
    address.replace(QLatin1String("{y}"), QString::number(y));
    return QUrl(address);
}

QString TarvikTileCache::filePath(int z, int x, int y) const
{
    // One folder per tile server, so that a changed template never shows another server's tiles.
    const QString server = QString::number(qHash(m_template), 16);
    return m_directory + QLatin1Char('/') + server + QLatin1Char('/') + key(z, x, y) + QStringLiteral(".tile");
}

QUrl TarvikTileCache::source(int z, int x, int y)
{
    const QString path = filePath(z, x, y);
    if (QFileInfo::exists(path))
        return QUrl::fromLocalFile(path);
    fetch(z, x, y);
    return {};
}

QUrl TarvikTileCache::cachedSource(int z, int x, int y) const
{
    const QString path = filePath(z, x, y);
    return QFileInfo::exists(path) ? QUrl::fromLocalFile(path) : QUrl();
}

void TarvikTileCache::fetch(int z, int x, int y)
{
    const QString tile = key(z, x, y);
    if (!m_manager || m_inFlight.contains(tile))
        return;
    if (const auto failed = m_failed.constFind(tile); failed != m_failed.constEnd() && !failed->mayTry(now()))
        return;
    const QUrl url = tileUrl(z, x, y);
    if (!url.isValid() || (url.scheme() != QLatin1String("https") && url.scheme() != QLatin1String("http")))
        return;
    m_inFlight.insert(tile);
    m_requested.append(tile);
    const QString path = filePath(z, x, y);
    QCoro::connect(download(m_network, m_manager, url, m_timeLimit), this, [this, tile, path](const std::optional<QByteArray> &body) {
        m_inFlight.remove(tile);
        const auto failed = [this, &tile] {
            auto pause = m_failed.find(tile);
            if (pause == m_failed.end())
                pause = m_failed.insert(tile, retryPause);
            pause->failed(now());
        };
        // Only a tile goes into the cache; an error page would otherwise stay there for good.
        if (!body || !isTile(*body)) {
            failed();
            return;
        }
        QDir().mkpath(QFileInfo(path).absolutePath());
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(*body) != body->size() || !file.commit()) {
            failed();
            return;
        }
        m_failed.remove(tile);
        kept(path, body->size());
        Q_EMIT tileReady(tile);
    });
}

std::chrono::nanoseconds TarvikTileCache::now() const
{
    return m_clock ? m_clock->now() : m_ownClock.now();
}

void TarvikTileCache::kept(const QString &path, qint64 bytes)
{
    if (!m_stored) {
        // What earlier runs left (the tile just written among it), oldest first.
        std::vector<std::pair<QDateTime, StoredTile>> found;
        QDirIterator files(m_directory, {QStringLiteral("*.tile")}, QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QFileInfo info = files.nextFileInfo();
            found.push_back({info.lastModified(), {info.filePath(), info.size()}});
        }
        std::stable_sort(found.begin(), found.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
        m_stored.emplace();
        for (auto &[written, stored] : found) {
            m_diskBytes += stored.bytes;
            m_stored->push_back(std::move(stored));
        }
        // Written within the clock's resolution of older ones, it may not sort last: it is the newest.
        const auto self = std::find_if(m_stored->begin(), m_stored->end(), [&](const StoredTile &t) { return t.path == path; });
        if (self != m_stored->end()) {
            m_diskBytes -= self->bytes;
            m_stored->erase(self);
        }
    }
    m_stored->push_back({path, bytes});
    m_diskBytes += bytes;
    while (m_diskBytes > m_diskLimit && m_stored->size() > 1) {
        const StoredTile oldest = m_stored->front();
        m_stored->pop_front();
        m_diskBytes -= oldest.bytes;
        QFile::remove(oldest.path);
    }
}
