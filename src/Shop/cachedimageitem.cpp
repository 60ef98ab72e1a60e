#include "cachedimageitem.h"

#include "boundedpicture.h"
#include "tarvikcachedimageloader.h"
#include "tarvikshopimagecache.h"

#include <QQuickWindow>
#include <QSGImageNode>

#include <cmath>

CachedImageItem::CachedImageItem(QQuickItem *parent)
    : QQuickItem(parent)
{
    setFlag(ItemHasContents);
    connect(&m_decode, &QFutureWatcher<QImage>::finished, this, &CachedImageItem::takeDecoded);
}

CachedImageItem::~CachedImageItem()
{
    m_decode.cancel();
}

void CachedImageItem::setCache(TarvikShopImageCache *cache)
{
    if (m_cache == cache)
        return;
    m_cache = cache;
    Q_EMIT cacheChanged();
}

void CachedImageItem::setUrl(const QString &url)
{
    if (m_url == url)
        return;
    m_url = url;
    Q_EMIT urlChanged();
}

void CachedImageItem::componentComplete()
{
    QQuickItem::componentComplete();
    if (!m_cache) {
        setStatus(Failed);
        return;
    }
    m_loader = m_cache->loader(m_url);
    connect(m_loader.get(), &TarvikCachedImageLoader::stateChanged, this, &CachedImageItem::takeLoaderState);
    takeLoaderState();
}

void CachedImageItem::takeLoaderState()
{
    switch (m_loader->state()) {
    case TarvikCachedImageLoader::State::Loading:
        break;
    case TarvikCachedImageLoader::State::Ready:
        polish();
        break;
    case TarvikCachedImageLoader::State::Failed:
        m_decode.cancel();
        m_image = QImage();
        update();
        setStatus(Failed);
        break;
    }
}

QSize CachedImageItem::shownPixels() const
{
    if (!window())
        return {};
    // Nothing shows larger than its window.
    const QSizeF shown = size().boundedTo(QSizeF(window()->size())) * window()->effectiveDevicePixelRatio();
    return QSize(int(std::ceil(shown.width())), int(std::ceil(shown.height())));
}

void CachedImageItem::updatePolish()
{
    if (!m_loader || m_loader->state() != TarvikCachedImageLoader::State::Ready)
        return;
    const QSize wanted = shownPixels();
    if (wanted.isEmpty() || wanted == m_decodedFor)
        return;
    // A decode for a size no longer shown is not begun.
    m_decode.cancel();
    m_decodedFor = wanted;
    m_decode.setFuture(BoundedPicture::decodeLater(m_loader->body(), wanted));
}

void CachedImageItem::takeDecoded()
{
    const QFuture<QImage> decoded = m_decode.future();
    if (decoded.isCanceled() || decoded.resultCount() == 0 || !m_loader || m_loader->state() != TarvikCachedImageLoader::State::Ready)
        return;
    const QImage image = decoded.result();
    if (image.isNull()) {
        m_loader->refuse();
        return;
    }
    m_image = image;
    m_textureDirty = true;
    update();
    setStatus(Shown);
}

void CachedImageItem::setStatus(Status status)
{
    if (status == m_status)
        return;
    m_status = status;
    Q_EMIT statusChanged();
}

void CachedImageItem::geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry)
{
    QQuickItem::geometryChange(newGeometry, oldGeometry);
    if (newGeometry.size() != oldGeometry.size()) {
        polish();
        update();
    }
}

void CachedImageItem::itemChange(ItemChange change, const ItemChangeData &value)
{
    QQuickItem::itemChange(change, value);
    if (change == ItemSceneChange || change == ItemDevicePixelRatioHasChanged)
        polish();
}

QSGNode *CachedImageItem::updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *)
{
    auto *node = static_cast<QSGImageNode *>(oldNode);
    if (m_image.isNull() || width() <= 0 || height() <= 0) {
        delete node;
        return nullptr;
    }
    if (!node) {
        node = window()->createImageNode();
        node->setOwnsTexture(true);
        node->setFiltering(QSGTexture::Linear);
        m_textureDirty = true;
    }
    if (m_textureDirty) {
        node->setTexture(window()->createTextureFromImage(m_image));
        m_textureDirty = false;
    }
    const QSizeF fitted = QSizeF(m_image.size()).scaled(size(), Qt::KeepAspectRatio);
    node->setRect(QRectF(QPointF((width() - fitted.width()) / 2, (height() - fitted.height()) / 2), fitted));
    return node;
}
