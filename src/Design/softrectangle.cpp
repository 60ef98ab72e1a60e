#include "softrectangle.h"

#include <QCache>
#include <QMutex>
#include <QVarLengthArray>
#include <QQuickWindow>
#include <QSGImageNode>
#include <QSGTexture>

#include <cmath>
#include <memory>

namespace
{
// The pictures already made, by size, shape and colour; the cost is the pixel count. Render
// threads (one per window) share it.
QCache<QString, QImage> &pictures()
{
    static QCache<QString, QImage> cache(4 * 1024 * 1024);
    return cache;
}

QMutex &picturesLock()
{
    static QMutex lock;
    return lock;
}

// The scene-graph side of an item: the nine pieces share one texture, made from the picture.
class SoftNode : public QSGNode
{
public:
    ~SoftNode() override
    {
        // The pieces go with the texture.
        removeAllChildNodes();
        qDeleteAll(pieces);
    }

    QString key;
    std::unique_ptr<QSGTexture> texture;
    QList<QSGImageNode *> pieces;
};
} // namespace

SoftRectangle::SoftRectangle(QQuickItem *parent)
    : QQuickItem(parent)
{
    setFlag(ItemHasContents);
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

int SoftRectangle::cornerExtent(qreal inset, qreal radius, qreal blur)
{
    // Three deviations inside the shape's edge the coverage rounds to full.
    return int(std::ceil(inset + radius + 3 * blur)) + 1;
}

int SoftRectangle::pictureScale(qreal blur)
{
    // A wide blur holds no detail finer than a fraction of its deviation: its picture is made
    // smaller and scaled up by the renderer.
    return qMax(1, int(blur / 6));
}

QImage SoftRectangle::picture(const QSize &pixels, qreal inset, qreal radius, qreal blur, const QColor &color)
{
    const QString key =
        QStringLiteral("%1x%2/%3/%4/%5/%6").arg(pixels.width()).arg(pixels.height()).arg(inset).arg(radius).arg(blur).arg(color.rgba(), 0, 16);
    {
        const QMutexLocker locker(&picturesLock());
        if (const QImage *made = pictures().object(key))
            return *made;
    }

    // The edge's profile across the blur, sampled every 1/8 pixel from -4 to +4 deviations.
    constexpr int steps = 8;
    const qreal reach = 4 * blur;
    const int samples = int(std::ceil(2 * reach * steps)) + 1;
    QVarLengthArray<uchar, 1024> profile(qMax(samples, 1));
    for (int i = 0; i < samples; ++i)
        profile[i] = uchar(qRound(255 * 0.5 * std::erfc((i / qreal(steps) - reach) / (blur * M_SQRT2))));
    const auto alphaAt = [&](const QPointF &point, const QSizeF &shape) -> int {
        if (blur <= 0)
            return coverage(point, shape, radius, 0) > 0 ? 255 : 0;
        // The signed distance, as coverage() takes it.
        const qreal r = qBound<qreal>(0, radius, qMin(shape.width(), shape.height()) / 2);
        const qreal qx = std::abs(point.x()) - (shape.width() / 2 - r);
        const qreal qy = std::abs(point.y()) - (shape.height() / 2 - r);
        const qreal ox = qMax<qreal>(qx, 0);
        const qreal oy = qMax<qreal>(qy, 0);
        const qreal distance = std::sqrt(ox * ox + oy * oy) + qMin<qreal>(qMax(qx, qy), 0) - r;
        if (distance <= -reach)
            return 255;
        if (distance >= reach)
            return 0;
        return profile[qRound((distance + reach) * steps)];
    };

    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const QSizeF shape(pixels.width() - 2 * inset, pixels.height() - 2 * inset);
    if (!shape.isEmpty()) {
        const QPointF centre(pixels.width() / 2.0, pixels.height() / 2.0);
        const QRgb opaque = color.rgba();
        // The shape is symmetric: compute one quadrant and mirror it.
        const int halfWidth = (pixels.width() + 1) / 2;
        const int halfHeight = (pixels.height() + 1) / 2;
        for (int y = 0; y < halfHeight; ++y) {
            auto *top = reinterpret_cast<QRgb *>(image.scanLine(y));
            auto *bottom = reinterpret_cast<QRgb *>(image.scanLine(pixels.height() - 1 - y));
            for (int x = 0; x < halfWidth; ++x) {
                const int alpha = alphaAt(QPointF(x + 0.5 - centre.x(), y + 0.5 - centre.y()), shape);
                const QRgb pixel = qPremultiply(qRgba(qRed(opaque), qGreen(opaque), qBlue(opaque), qAlpha(opaque) * alpha / 255));
                top[x] = top[pixels.width() - 1 - x] = pixel;
                bottom[x] = bottom[pixels.width() - 1 - x] = pixel;
            }
        }
    }
    const QMutexLocker locker(&picturesLock());
    pictures().insert(key, new QImage(image), qMax<qsizetype>(1, qsizetype(pixels.width()) * pixels.height()));
    return image;
}

void SoftRectangle::itemChange(ItemChange change, const ItemChangeData &value)
{
    QQuickItem::itemChange(change, value);
    if (change == ItemVisibleHasChanged)
        update();
}

void SoftRectangle::geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry)
{
    QQuickItem::geometryChange(newGeometry, oldGeometry);
    if (newGeometry.size() != oldGeometry.size())
        update();
}

QSGNode *SoftRectangle::updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *)
{
    auto *node = static_cast<SoftNode *>(oldNode);
    const qreal dpr = window() ? window()->effectiveDevicePixelRatio() : 1;
    const QSizeF pixels = boundingRect().size() * dpr;
    // Nothing is made for what is not shown (yet).
    if (pixels.toSize().isEmpty() || m_color.alpha() == 0 || !isVisible()) {
        delete node;
        return nullptr;
    }

    // The picture's units: `scale` device pixels each.
    const int scale = pictureScale(m_blur * dpr);
    const qreal inset = overhang() * dpr / scale;
    const qreal radius = m_radius * dpr / scale;
    const qreal blur = m_blur * dpr / scale;
    const QSize units(int(std::ceil(pixels.width() / scale)), int(std::ceil(pixels.height() / scale)));
    // A shape large enough has corners that do not meet: one corner's worth on each side, and a
    // single column and row between them, stand for the whole.
    const int corner = cornerExtent(inset, radius, blur);
    const bool nine = units.width() > 2 * corner && units.height() > 2 * corner;
    const QSize source = nine ? QSize(2 * corner + 1, 2 * corner + 1) : units;
    const QString key =
        QStringLiteral("%1x%2/%3/%4/%5/%6").arg(source.width()).arg(source.height()).arg(inset).arg(radius).arg(blur).arg(m_color.rgba());

    if (!node)
        node = new SoftNode;
    if (node->key != key) {
        node->removeAllChildNodes();
        qDeleteAll(node->pieces);
        node->pieces.clear();
        node->texture.reset(window()->createTextureFromImage(picture(source, inset, radius, blur, m_color)));
        node->key = key;
        for (int i = 0; i < (nine ? 9 : 1); ++i) {
            QSGImageNode *piece = window()->createImageNode();
            piece->setTexture(node->texture.get());
            piece->setFiltering(scale > 1 ? QSGTexture::Linear : QSGTexture::Nearest);
            node->pieces.append(piece);
            node->appendChildNode(piece);
        }
    }

    const QSizeF size = boundingRect().size();
    if (!nine) {
        node->pieces.constFirst()->setSourceRect(QRectF(QPointF(0, 0), source));
        node->pieces.constFirst()->setRect(QRectF(QPointF(0, 0), size));
        return node;
    }
    // Source edges (picture units) and target edges (item units) along each axis: corner, middle,
    // corner.
    const qreal cornerSize = qreal(corner) * scale / dpr;
    const int xs[] = {0, corner, corner + 1, source.width()};
    const int ys[] = {0, corner, corner + 1, source.height()};
    const qreal xt[] = {0, cornerSize, size.width() - cornerSize, size.width()};
    const qreal yt[] = {0, cornerSize, size.height() - cornerSize, size.height()};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            QSGImageNode *piece = node->pieces.at(row * 3 + column);
            piece->setSourceRect(QRectF(xs[column], ys[row], xs[column + 1] - xs[column], ys[row + 1] - ys[row]));
            piece->setRect(QRectF(xt[column], yt[row], xt[column + 1] - xt[column], yt[row + 1] - yt[row]));
        }
    }
    return node;
}
