#include "tarvikcachedimageloader.h"

#include "logging.h"
#include "networkaccess.h"
#include "tarvikshopimagecache.h"

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
    // Resumes from the event loop whatever ends the download (an answer, a time-out, the size
    // cap, the cache going): Qt still uses a reply after aborting it.
    const auto sent = co_await cache->network()->send(cache->manager(), request, QByteArrayLiteral("GET"), {},
                                                      cache->timeLimit(), TarvikShopImageCache::maxImageBytes);
    if (!sent) {
        qCDebug(lcHttp) << "photo not loaded:" << sent.error().description();
        self->finish(State::Failed);
        co_return;
    }
    const std::unique_ptr<QNetworkReply> &reply = *sent;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->error() != QNetworkReply::NoError || status != 200) {
        qCDebug(lcHttp) << "photo not loaded" << status << reply->error() << reply->url().path();
        self->finish(State::Failed);
        co_return;
    }
    // A loader that has given up (its cache went) decodes and keeps nothing.
    if (!cache || self->m_state != State::Loading)
        co_return;
    const QByteArray body = reply->readAll();
    const QImage image = QImage::fromData(body);
    if (image.isNull()) {
        qCDebug(lcHttp) << "photo body is no image" << reply->url().path();
        self->finish(State::Failed);
        co_return;
    }
    // Written whole or not at all: a run killed mid-write leaves the old state behind.
    QDir().mkpath(cache->directory());
    QSaveFile file(cache->filePath(self->m_url));
    if (!file.open(QIODevice::WriteOnly) || file.write(body) != body.size() || !file.commit())
        qCDebug(lcHttp) << "photo not cached" << file.errorString();
    self->finish(State::Shown, image);
}

void TarvikCachedImageLoader::fail()
{
    finish(State::Failed);
}

void TarvikCachedImageLoader::finish(State state, const QImage &image)
{
    if (m_state != State::Loading)
        return;
    m_image = image;
    m_state = state;
    Q_EMIT finished();
}
