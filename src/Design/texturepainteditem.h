#pragma once

#include <QQuickItem>

class QPainter;

// An item drawn with QPainter, once per change, into a texture of its own at the window's pixel
// density: the picture is kept only as that texture. (QQuickPaintedItem keeps its image beside
// the texture, and Qt Quick's software renderer copies it again on the first paint.)
// Subclasses paint in item coordinates and call update() when what they draw changes; a new
// size or pixel density repaints by itself. A hidden item is painted when it is shown.
class TexturePaintedItem : public QQuickItem
{
    Q_OBJECT

public:
    explicit TexturePaintedItem(QQuickItem *parent = nullptr);

    // Draws the item; the painter antialiases when the item's `antialiasing` is set.
    virtual void paint(QPainter *painter) = 0;

    // Asks for a repaint with the next frame.
    void update();

protected:
    QSGNode *updatePaintNode(QSGNode *node, UpdatePaintNodeData *data) override;
    void geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry) override;
    void itemChange(ItemChange change, const ItemChangeData &value) override;

private:
    bool m_dirty = true;
};
