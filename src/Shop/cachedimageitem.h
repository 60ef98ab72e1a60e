#pragma once

#include "tarvikshopimagecache.h"

#include <QFutureWatcher>
#include <QImage>
#include <QPointer>
#include <QQuickItem>
#include <QtQml/qqmlregistration.h>

#include <memory>

class TarvikCachedImageLoader;

// Draws one product photo through the cache, fitted with its aspect kept. The loader is made once,
// when the item is complete (a later change of `url` keeps it). The photo is decoded off the GUI
// thread at the item's size in device pixels (at most the window's), again when that size changes;
// a photo that does not decode there fails. The view around it shows a spinner or the placeholder
// by `status`.
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
    // A decode not yet begun is dropped.
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
    void updatePolish() override;
    QSGNode *updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *data) override;
    void geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry) override;
    void itemChange(ItemChange change, const ItemChangeData &value) override;

private:
    void takeLoaderState();
    void takeDecoded();
    void setStatus(Status status);
    // The device pixels the photo is shown in here.
    QSize shownPixels() const;

    QPointer<TarvikShopImageCache> m_cache;
    QString m_url;
    std::shared_ptr<TarvikCachedImageLoader> m_loader;
    Status m_status = Loading;
    // The photo as decoded for m_decodedFor, the pixels asked of the last decode.
    QImage m_image;
    QSize m_decodedFor;
    QFutureWatcher<QImage> m_decode;
    bool m_textureDirty = false;
};
