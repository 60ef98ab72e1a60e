#pragma once

#include "tarvikshopimagecache.h"

#include <QImage>
#include <QPointer>
#include <QQuickItem>
#include <QtQml/qqmlregistration.h>

#include <memory>

class TarvikCachedImageLoader;

// Draws one product photo through the cache, scaled to fit with its aspect kept. The loader is
// made once, when the item is complete (a later change of `url` keeps it), so a cached photo is
// there on the first frame. The view around it shows a spinner or the placeholder by `status`.
class CachedImageItem : public QQuickItem
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(TarvikShopImageCache *cache READ cache WRITE setCache NOTIFY cacheChanged)
    Q_PROPERTY(QString url READ url WRITE setUrl NOTIFY urlChanged)
    Q_PROPERTY(Status status READ status NOTIFY statusChanged)

public:
    enum Status { Loading, Shown, Failed };
    Q_ENUM(Status)

    explicit CachedImageItem(QQuickItem *parent = nullptr);
    ~CachedImageItem() override;

    TarvikShopImageCache *cache() const { return m_cache; }
    void setCache(TarvikShopImageCache *cache);
    QString url() const { return m_url; }
    void setUrl(const QString &url);
    Status status() const { return m_status; }

Q_SIGNALS:
    void cacheChanged();
    void urlChanged();
    void statusChanged();

protected:
    void componentComplete() override;
    QSGNode *updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *data) override;
    void geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry) override;

private:
    void takeLoaderState();

    QPointer<TarvikShopImageCache> m_cache;
    QString m_url;
    std::shared_ptr<TarvikCachedImageLoader> m_loader;
    Status m_status = Loading;
    QImage m_image;
    // The photo scaled once for the item's size; rebuilt when either changes.
    QImage m_scaled;
    bool m_textureDirty = false;
};
