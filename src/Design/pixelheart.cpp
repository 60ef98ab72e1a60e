#include "pixelheart.h"

#include <QPainter>

PixelHeart::PixelHeart(QQuickItem *parent)
    : TexturePaintedItem(parent)
{
    setAntialiasing(true);
}

void PixelHeart::setColor(const QColor &color)
{
    if (m_color == color)
        return;
    m_color = color;
    update();
    Q_EMIT colorChanged();
}

const QList<QPoint> &PixelHeart::cells()
{
    static const QList<QPoint> table{
        {1, 0}, {2, 0}, {4, 0}, {5, 0},
        {0, 1}, {1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}, {6, 1},
        {0, 2}, {1, 2}, {2, 2}, {3, 2}, {4, 2}, {5, 2}, {6, 2},
        {1, 3}, {2, 3}, {3, 3}, {4, 3}, {5, 3},
        {2, 4}, {3, 4}, {4, 4},
        {3, 5},
    };
    return table;
}

QPainterPath PixelHeart::path(const QRectF &rect)
{
    const qreal cell = qMin(rect.width(), rect.height()) / 7;
    QPainterPath path;
    for (const QPoint &c : cells())
        path.addRect(rect.x() + cell * c.x(), rect.y() + cell * c.y(), cell, cell);
    return path;
}

void PixelHeart::paint(QPainter *painter)
{
    QPainterPath heart = path(boundingRect());
    heart.setFillRule(Qt::WindingFill);
    painter->setRenderHint(QPainter::Antialiasing);
    painter->fillPath(heart, m_color);
}
