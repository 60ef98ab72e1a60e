#include "softrectangle.h"

#include <QPainter>

#include <cmath>

SoftRectangle::SoftRectangle(QQuickItem *parent)
    : QQuickPaintedItem(parent)
{
}

void SoftRectangle::setColor(const QColor &color)
{
    if (m_color == color)
        return;
    m_color = color;
    update();
    Q_EMIT colorChanged();
}

void SoftRectangle::setRadius(qreal radius)
{
    if (qFuzzyCompare(m_radius, radius))
        return;
    m_radius = radius;
    update();
    Q_EMIT radiusChanged();
}

void SoftRectangle::setBlur(qreal blur)
{
    if (qFuzzyCompare(m_blur, blur))
        return;
    m_blur = qMax<qreal>(0, blur);
    update();
    Q_EMIT blurChanged();
}

qreal SoftRectangle::overhang() const
{
    return std::ceil(m_blur * 3);
}

qreal SoftRectangle::coverage(const QPointF &point, const QSizeF &size, qreal radius, qreal blur)
{
    // Signed distance to the rounded rectangle, then the Gaussian's cumulative profile across the
    // edge; exact for straight edges and close for corners wider than the blur.
    const qreal r = qBound<qreal>(0, radius, qMin(size.width(), size.height()) / 2);
    const qreal qx = std::abs(point.x()) - (size.width() / 2 - r);
    const qreal qy = std::abs(point.y()) - (size.height() / 2 - r);
    const qreal outside = std::hypot(qMax<qreal>(qx, 0), qMax<qreal>(qy, 0));
    const qreal distance = outside + qMin<qreal>(qMax(qx, qy), 0) - r;
    if (blur <= 0)
        return distance <= 0 ? 1 : 0;
    return 0.5 * std::erfc(distance / (blur * M_SQRT2));
}

QImage SoftRectangle::mask(const QSize &pixels, qreal dpr) const
{
    const QString key = QStringLiteral("%1x%2/%3/%4/%5").arg(pixels.width()).arg(pixels.height()).arg(m_radius).arg(m_blur).arg(dpr);
    if (key == m_maskKey)
        return m_mask;

    QImage image(pixels, QImage::Format_Alpha8);
    image.fill(0);
    const qreal inset = overhang() * dpr;
    const QSizeF shape(pixels.width() - 2 * inset, pixels.height() - 2 * inset);
    if (!shape.isEmpty()) {
        const QPointF centre(pixels.width() / 2.0, pixels.height() / 2.0);
        // The shape is symmetric: compute one quadrant and mirror it.
        const int halfWidth = (pixels.width() + 1) / 2;
        const int halfHeight = (pixels.height() + 1) / 2;
        for (int y = 0; y < halfHeight; ++y) {
            uchar *top = image.scanLine(y);
            uchar *bottom = image.scanLine(pixels.height() - 1 - y);
            for (int x = 0; x < halfWidth; ++x) {
                const QPointF point(x + 0.5 - centre.x(), y + 0.5 - centre.y());
                const auto alpha = static_cast<uchar>(qRound(255 * coverage(point, shape, m_radius * dpr, m_blur * dpr)));
                top[x] = top[pixels.width() - 1 - x] = alpha;
                bottom[x] = bottom[pixels.width() - 1 - x] = alpha;
            }
        }
    }
    m_mask = image;
    m_maskKey = key;
    return m_mask;
}

void SoftRectangle::paint(QPainter *painter)
{
    const qreal dpr = painter->device()->devicePixelRatioF();
    const QSize pixels = (boundingRect().size() * dpr).toSize();
    if (pixels.isEmpty() || m_color.alpha() == 0)
        return;
    QImage coloured(pixels, QImage::Format_ARGB32_Premultiplied);
    coloured.fill(m_color);
    {
        QPainter tint(&coloured);
        tint.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        tint.drawImage(0, 0, mask(pixels, dpr));
    }
    coloured.setDevicePixelRatio(dpr);
    painter->drawImage(QPointF(0, 0), coloured);
}
