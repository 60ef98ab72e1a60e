#include "tarvikshopimagecache.h"

#include "networkaccess.h"
#include "tarvikcachedimageloader.h"

#include <QCryptographicHash>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>
#include <QStandardPaths>

TarvikShopImageCache::TarvikShopImageCache(NetworkAccess *network, const QString &directory, QObject *parent)
    : QObject(parent)
    , m_network(network)
    , m_manager(network->createManager(this))
    , m_directory(directory.isEmpty()
                      ? QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/TarvikShopImages")
                      : directory)
{
}

TarvikShopImageCache::~TarvikShopImageCache()
{
    // Downloads still running end as failures now, while their replies still have a manager:
    // each one's coroutine owns its reply and deletes it as it ends.
    QList<QPointer<QNetworkReply>> running;
    for (QNetworkReply *reply : m_manager->findChildren<QNetworkReply *>())
        running.append(reply);
    for (const QPointer<QNetworkReply> &reply : std::as_const(running)) {
        if (reply)
            reply->abort();
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
