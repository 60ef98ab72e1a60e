#include "cachedimageitem.h"

#include "tarvikcachedimageloader.h"
#include "tarvikshopimagecache.h"

#include <QQuickWindow>
#include <QSGImageNode>

CachedImageItem::CachedImageItem(QQuickItem *parent)
    : QQuickItem(parent)
{
    setFlag(ItemHasContents);
}

CachedImageItem::~CachedImageItem() = default;

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
        m_status = Failed;
        Q_EMIT statusChanged();
        return;
    }
    m_loader = m_cache->loader(m_url);
    connect(m_loader.get(), &TarvikCachedImageLoader::finished, this, &CachedImageItem::takeLoaderState);
    takeLoaderState();
}

void CachedImageItem::takeLoaderState()
{
    Status status = Loading;
    if (m_loader->state() == TarvikCachedImageLoader::State::Shown)
        status = Shown;
    else if (m_loader->state() == TarvikCachedImageLoader::State::Failed)
        status = Failed;
    m_image = m_loader->image();
    m_scaled = QImage();
    m_textureDirty = true;
    update();
    if (status != m_status) {
        m_status = status;
        Q_EMIT statusChanged();
    }
}

void CachedImageItem::geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry)
{
    QQuickItem::geometryChange(newGeometry, oldGeometry);
    if (newGeometry.size() != oldGeometry.size()) {
        m_textureDirty = true;
        update();
    }
}

QSGNode *CachedImageItem::updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *)
{
    auto *node = static_cast<QSGImageNode *>(oldNode);
    if (m_image.isNull() || width() <= 0 || height() <= 0) {
        delete node;
        return nullptr;
    }
    const QSizeF fitted = QSizeF(m_image.size()).scaled(size(), Qt::KeepAspectRatio);
    if (!node) {
        node = window()->createImageNode();
        node->setOwnsTexture(true);
        node->setFiltering(QSGTexture::Linear);
        m_textureDirty = true;
    }
    if (m_textureDirty) {
        // Photos arrive far larger than their frame: scale once per size with a smooth filter,
        // so that the frame does not shimmer and no large texture is kept.
        const QSize pixels = (fitted * window()->effectiveDevicePixelRatio()).toSize().expandedTo(QSize(1, 1));
        const QImage &source = m_image;
        m_scaled = source.width() > pixels.width() ? source.scaled(pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation) : source;
        node->setTexture(window()->createTextureFromImage(m_scaled));
        m_textureDirty = false;
    }
    node->setRect(QRectF(QPointF((width() - fitted.width()) / 2, (height() - fitted.height()) / 2), fitted));
    return node;
}
