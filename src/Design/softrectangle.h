#pragma once

#include <QColor>
#include <QImage>
#include <QQuickPaintedItem>
#include <QtQml/qqmlregistration.h>

// A rounded rectangle whose edges are softened by a Gaussian blur: the app's glows and shadows.
// The sharp shape is the item's rectangle inset by `overhang` on every side, so that the blur has
// room to spread; place the item `overhang` outside the shape it stands for.
class SoftRectangle : public QQuickPaintedItem
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

    void paint(QPainter *painter) override;

    // Coverage (0..1) of the blurred shape at a point, for a shape of `size` centred on the origin.
    static qreal coverage(const QPointF &point, const QSizeF &size, qreal radius, qreal blur);

Q_SIGNALS:
    void colorChanged();
    void radiusChanged();
    void blurChanged();

private:
    QImage mask(const QSize &pixels, qreal dpr) const;

    QColor m_color = Qt::black;
    qreal m_radius = 0;
    qreal m_blur = 0;
    mutable QImage m_mask;
    mutable QString m_maskKey;
};
