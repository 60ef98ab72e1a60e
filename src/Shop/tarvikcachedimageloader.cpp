#include "tarvikcachedimageloader.h"

#include "logging.h"
#include "networkaccess.h"
#include "tarvikshopimagecache.h"

#include <QCoroNetworkReply>
#include <QDir>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSaveFile>
#include <QUrl>

TarvikCachedImageLoader::TarvikCachedImageLoader(TarvikShopImageCache *cache, const QString &url)
    : m_cache(cache)
    , m_url(url)
{
}

TarvikCachedImageLoader::~TarvikCachedImageLoader() = default;

void TarvikCachedImageLoader::start()
{
    const QUrl address(m_url, QUrl::StrictMode);
    if (m_url.isEmpty() || !address.isValid() || address.isRelative()) {
        finish(State::Failed);
        return;
    }
    // A hit is there before the first frame; a file that no longer decodes counts as a miss.
    const QImage cached(m_cache->filePath(m_url));
    if (!cached.isNull()) {
        finish(State::Shown, cached);
        return;
    }
    download(shared_from_this());
}

QCoro::Task<> TarvikCachedImageLoader::download(std::shared_ptr<TarvikCachedImageLoader> self)
{
    QPointer<TarvikShopImageCache> cache = self->m_cache;
    QNetworkRequest request{QUrl(self->m_url)};
    request.setTransferTimeout(int(std::chrono::duration_cast<std::chrono::milliseconds>(TarvikShopImageCache::transferTimeout).count()));
    cache->network()->prepare(request);
    std::unique_ptr<QNetworkReply> reply(cache->manager()->get(request));
    QNetworkReply *watched = reply.get();
    // Aborting finishes the reply at once: never from inside its own signal, which resumes us.
    QObject::connect(watched, &QNetworkReply::downloadProgress, watched, [watched](qint64 received, qint64) {
        if (received > TarvikShopImageCache::maxImageBytes)
            QMetaObject::invokeMethod(watched, &QNetworkReply::abort, Qt::QueuedConnection);
    });

    co_await reply.get();

    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->error() != QNetworkReply::NoError || status != 200) {
        qCDebug(lcHttp) << "photo not loaded" << status << reply->error() << reply->url().path();
        self->finish(State::Failed);
        co_return;
    }
    const QByteArray body = reply->readAll();
    const QImage image = QImage::fromData(body);
    if (image.isNull()) {
        qCDebug(lcHttp) << "photo body is no image" << reply->url().path();
        self->finish(State::Failed);
        co_return;
    }
    if (cache) {
        // Written whole or not at all: a run killed mid-write leaves the old state behind.
        QDir().mkpath(cache->directory());
        QSaveFile file(cache->filePath(self->m_url));
        if (!file.open(QIODevice::WriteOnly) || file.write(body) != body.size() || !file.commit())
            qCDebug(lcHttp) << "photo not cached" << file.errorString();
    }
    self->finish(State::Shown, image);
}

void TarvikCachedImageLoader::finish(State state, const QImage &image)
{
    m_image = image;
    m_state = state;
    Q_EMIT finished();
}
