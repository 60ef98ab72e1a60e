#include "tarviktilecache.h"

#include "networkaccess.h"

#include <QCoroTask>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPointer>
#include <QSaveFile>
#include <QStandardPaths>

#include <chrono>

using namespace std::chrono_literals;

namespace
{
// A tile is a small picture; anything larger is not one.
constexpr qint64 maxTileBytes = 1024 * 1024;

QCoro::Task<std::optional<QByteArray>> download(NetworkAccess *network, QNetworkAccessManager *manager, QUrl url)
{
    QNetworkRequest request(url);
    // Tile servers ask clients to say who they are.
    request.setHeader(QNetworkRequest::UserAgentHeader, QByteArrayLiteral("Tarvik/1.0 (office map)"));
    auto result = co_await network->send(manager, request, QByteArrayLiteral("GET"), {}, 20s);
    if (!result.ok())
        co_return std::nullopt;
    std::unique_ptr<QNetworkReply> reply = std::move(result.value());
    if (reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() != 200 || reply->bytesAvailable() > maxTileBytes)
        co_return std::nullopt;
    co_return reply->read(maxTileBytes);
}
} // namespace

TarvikTileCache::TarvikTileCache(QString urlTemplate, NetworkAccess *network, QString directory, QObject *parent)
    : QObject(parent)
    , m_template(std::move(urlTemplate))
    , m_network(network)
    , m_directory(std::move(directory))
{
    if (m_network)
        m_manager = m_network->createManager(this);
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
    if (!m_manager || m_inFlight.contains(tile) || m_failed.contains(tile))
        return;
    const QUrl url = tileUrl(z, x, y);
    if (!url.isValid() || (url.scheme() != QLatin1String("https") && url.scheme() != QLatin1String("http")))
        return;
    m_inFlight.insert(tile);
    m_requested.append(tile);
    const QString path = filePath(z, x, y);
    QCoro::connect(download(m_network, m_manager, url), this, [this, tile, path](const std::optional<QByteArray> &body) {
        m_inFlight.remove(tile);
        // Only a picture goes into the cache; an error page would otherwise stay there for good.
        if (!body || QImage::fromData(*body).isNull()) {
            m_failed.insert(tile);
            return;
        }
        QDir().mkpath(QFileInfo(path).absolutePath());
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(*body) != body->size() || !file.commit()) {
            m_failed.insert(tile);
            return;
        }
        Q_EMIT tileReady(tile);
    });
}
