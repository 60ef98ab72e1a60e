#include "texturepainteditem.h"

#include <QPainter>
#include <QQuickWindow>
#include <QSGImageNode>

TexturePaintedItem::TexturePaintedItem(QQuickItem *parent)
    : QQuickItem(parent)
{
    setFlag(ItemHasContents);
}

void TexturePaintedItem::update()
{
    m_dirty = true;
    QQuickItem::update();
}

void TexturePaintedItem::geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry)
{
    QQuickItem::geometryChange(newGeometry, oldGeometry);
    if (newGeometry.size() != oldGeometry.size())
        update();
}

void TexturePaintedItem::itemChange(ItemChange change, const ItemChangeData &value)
{
    QQuickItem::itemChange(change, value);
    if (change == ItemDevicePixelRatioHasChanged || change == ItemSceneChange)
        update();
    else if (change == ItemVisibleHasChanged && value.boolValue && m_dirty)
        QQuickItem::update();
}

QSGNode *TexturePaintedItem::updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *)
{
    auto *node = static_cast<QSGImageNode *>(oldNode);
    const qreal dpr = window()->effectiveDevicePixelRatio();
    const QSize pixels = (size() * dpr).toSize();
    if (pixels.isEmpty()) {
        delete node;
        m_dirty = true;
        return nullptr;
    }
    // Hidden (a page of a strip beside the one shown, say): painted when it is shown.
    if (m_dirty && !isVisible())
        return node;
    if (!node) {
        node = window()->createImageNode();
        node->setOwnsTexture(true);
        m_dirty = true;
    }
    if (m_dirty) {
        QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(dpr);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing, antialiasing());
            paint(&painter);
        }
        // The node owns its texture: the last one goes with this.
        node->setTexture(window()->createTextureFromImage(image, QQuickWindow::TextureHasAlphaChannel));
        m_dirty = false;
    }
    node->setFiltering(smooth() ? QSGTexture::Linear : QSGTexture::Nearest);
    node->setRect(boundingRect());
    return node;
}
