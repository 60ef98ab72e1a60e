#include "tarvikcachedimageloader.h"

#include "boundedpicture.h"
#include "logging.h"
#include "networkaccess.h"
#include "tarvikshopimagecache.h"

#include <QDir>
#include <QFile>
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
    // A hit is ready before the first frame. A file that is no whole picture within the bounds
    // counts as a miss and goes, so that nothing refused stays to be read again.
    QFile file(m_cache->filePath(m_url));
    if (file.size() <= TarvikShopImageCache::maxImageBytes && file.open(QIODevice::ReadOnly)) {
        const QByteArray cached = file.readAll();
        if (!BoundedPicture::inspect(cached).isEmpty() && BoundedPicture::isWhole(cached)) {
            finish(State::Ready, cached);
            return;
        }
    }
    file.remove();
    download(shared_from_this());
}

QCoro::Task<> TarvikCachedImageLoader::download(std::shared_ptr<TarvikCachedImageLoader> self)
{
    QPointer<TarvikShopImageCache> cache = self->m_cache;
    QNetworkRequest request{QUrl(self->m_url)};
    // Besides the download's own limit: a host that sends nothing for a while is given up sooner.
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
    // A loader that has given up (its cache went) keeps nothing.
    if (!cache || self->m_state != State::Loading)
        co_return;
    const QByteArray body = reply->readAll();
    if (BoundedPicture::inspect(body).isEmpty()) {
        qCDebug(lcHttp) << "photo body is no picture within the bounds" << reply->url().path();
        self->finish(State::Failed);
        co_return;
    }
    // A picture cut off at its host is shown as far as it goes, and downloaded again next time.
    if (!BoundedPicture::isWhole(body)) {
        qCDebug(lcHttp) << "photo ends early, not cached" << reply->url().path();
        self->finish(State::Ready, body);
        co_return;
    }
    // Written whole or not at all: a run killed mid-write leaves the old state behind.
    QDir().mkpath(cache->directory());
    QSaveFile file(cache->filePath(self->m_url));
    if (!file.open(QIODevice::WriteOnly) || file.write(body) != body.size() || !file.commit())
        qCDebug(lcHttp) << "photo not cached" << file.errorString();
    self->finish(State::Ready, body);
}

void TarvikCachedImageLoader::fail()
{
    finish(State::Failed);
}

void TarvikCachedImageLoader::refuse()
{
    if (m_state != State::Ready)
        return;
    if (m_cache)
        QFile::remove(m_cache->filePath(m_url));
    m_body.clear();
    m_state = State::Failed;
    Q_EMIT stateChanged();
}

void TarvikCachedImageLoader::finish(State state, const QByteArray &body)
{
    if (m_state != State::Loading)
        return;
    m_body = body;
    m_state = state;
    Q_EMIT stateChanged();
}
