#include "tarvikshopimagecache.h"

#include "networkaccess.h"
#include "tarvikcachedimageloader.h"

#include <QCryptographicHash>
#include <QNetworkAccessManager>
#include <QStandardPaths>

TarvikShopImageCache::TarvikShopImageCache(NetworkAccess *network, const QString &directory, QObject *parent)
    : QObject(parent)
    , m_network(network)
    , m_manager(network->createManager(NetworkAccess::Cookies::None, this))
    , m_directory(directory.isEmpty()
                      ? QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/TarvikShopImages")
                      : directory)
{
}

TarvikShopImageCache::~TarvikShopImageCache()
{
    // The manager deletes the replies still under way; their downloads learn it from the event
    // loop, find no cache and write nothing.
    for (const std::weak_ptr<TarvikCachedImageLoader> &entry : std::as_const(m_loaders)) {
        if (const auto loader = entry.lock())
            loader->fail();
    }
}

QString TarvikShopImageCache::fileName(const QString &url)
{
    return QString::fromLatin1(QCryptographicHash::hash(url.toUtf8(), QCryptographicHash::Sha256).toHex());
}

QString TarvikShopImageCache::filePath(const QString &url) const
{
    return m_directory + QLatin1Char('/') + fileName(url);
}

std::shared_ptr<TarvikCachedImageLoader> TarvikShopImageCache::loader(const QString &url)
{
    if (const auto live = m_loaders.value(url).lock(); live && !live->failed())
        return live;
    m_loaders.removeIf([](const auto &entry) { return entry.value().expired(); });
    auto made = std::make_shared<TarvikCachedImageLoader>(this, url);
    m_loaders.insert(url, made);
    made->start();
    return made;
}
