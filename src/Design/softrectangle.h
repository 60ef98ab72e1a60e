#pragma once

#include <QColor>
#include <QImage>
#include <QQuickItem>
#include <QtQml/qqmlregistration.h>

// A rounded rectangle whose edges are softened by a Gaussian blur: the app's glows and shadows.
// The sharp shape is the item's rectangle inset by `overhang` on every side, so that the blur has
// room to spread; place the item `overhang` outside the shape it stands for.
// Drawn by the scene graph as nine pieces of one small picture (the corners, a strip of each edge
// stretched, the middle filled), made once per radius, blur, colour and scale and shared by every
// item that looks the same, whatever its size.
class SoftRectangle : public QQuickItem
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY colorChanged)
    Q_PROPERTY(qreal radius READ radius WRITE setRadius NOTIFY radiusChanged)
    // Standard deviation of the blur, in pixels.
    Q_PROPERTY(qreal blur READ blur WRITE setBlur NOTIFY blurChanged)
    Q_PROPERTY(qreal overhang READ overhang NOTIFY blurChanged)

public:
    explicit SoftRectangle(QQuickItem *parent = nullptr);

    QColor color() const { return m_color; }
    void setColor(const QColor &color);
    qreal radius() const { return m_radius; }
    void setRadius(qreal radius);
    qreal blur() const { return m_blur; }
    void setBlur(qreal blur);
    qreal overhang() const;

    // Coverage (0..1) of the blurred shape at a point, for a shape of `size` centred on the origin.
    static qreal coverage(const QPointF &point, const QSizeF &size, qreal radius, qreal blur);
    // The tinted picture of a soft rectangle of `pixels` (its shape inset by `inset`), from the cache.
    static QImage picture(const QSize &pixels, qreal inset, qreal radius, qreal blur, const QColor &color);
    // The side of the corner pieces, in pixels: past it the edges no longer change along the edge.
    static int cornerExtent(qreal inset, qreal radius, qreal blur);
    // How many device pixels one pixel of the picture of a blur of `blur` device pixels covers.
    static int pictureScale(qreal blur);

Q_SIGNALS:
    void colorChanged();
    void radiusChanged();
    void blurChanged();

protected:
    QSGNode *updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *) override;
    void geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry) override;
    void itemChange(ItemChange change, const ItemChangeData &value) override;

private:
    QColor m_color = Qt::black;
    qreal m_radius = 0;
    qreal m_blur = 0;
};
