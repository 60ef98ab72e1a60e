#include "roundedcornershape.h"

#include <QPainter>

RoundedCornerShape::RoundedCornerShape(QQuickItem *parent)
    : TexturePaintedItem(parent)
{
    setAntialiasing(true);
}

void RoundedCornerShape::setRadius(qreal radius)
{
    if (qFuzzyCompare(m_radius, radius))
        return;
    m_radius = radius;
    update();
    Q_EMIT radiusChanged();
}

void RoundedCornerShape::setCorners(Corners corners)
{
    if (m_corners == corners)
        return;
    m_corners = corners;
    update();
    Q_EMIT cornersChanged();
}

void RoundedCornerShape::setColor(const QColor &color)
{
    if (m_color == color)
        return;
    m_color = color;
    update();
    Q_EMIT colorChanged();
}

QPainterPath RoundedCornerShape::path(const QRectF &rect, qreal radius, Corners corners)
{
    const qreal r = qBound<qreal>(0, radius, qMin(rect.width(), rect.height()) / 2);
    const qreal d = 2 * r;
    const auto radiusAt = [&](Corner corner) { return corners.testFlag(corner) ? r : 0.0; };
    QPainterPath path;
    path.moveTo(rect.left() + radiusAt(TopLeft), rect.top());
    path.lineTo(rect.right() - radiusAt(TopRight), rect.top());
    if (corners.testFlag(TopRight))
        path.arcTo(rect.right() - d, rect.top(), d, d, 90, -90);
    path.lineTo(rect.right(), rect.bottom() - radiusAt(BottomRight));
    if (corners.testFlag(BottomRight))
        path.arcTo(rect.right() - d, rect.bottom() - d, d, d, 0, -90);
    path.lineTo(rect.left() + radiusAt(BottomLeft), rect.bottom());
    if (corners.testFlag(BottomLeft))
        path.arcTo(rect.left(), rect.bottom() - d, d, d, 270, -90);
    path.lineTo(rect.left(), rect.top() + radiusAt(TopLeft));
    if (corners.testFlag(TopLeft))
        path.arcTo(rect.left(), rect.top(), d, d, 180, -90);
    path.closeSubpath();
    return path;
}

void RoundedCornerShape::paint(QPainter *painter)
{
    painter->setRenderHint(QPainter::Antialiasing);
    painter->fillPath(path(boundingRect(), m_radius, m_corners), m_color);
}
