#include "assetimage.h"

#include "assetcatalog.h"

#include <QFile>
#include <QPainter>
#include <QPainterPath>
#include <QtQml/qqmlinfo.h>

AssetImage::AssetImage(QQuickItem *parent)
    : TexturePaintedItem(parent)
{
    setAntialiasing(true);
    setClip(true);
}

void AssetImage::setName(const QString &name)
{
    if (m_name == name)
        return;
    m_name = name;
    load();
    update();
    Q_EMIT nameChanged();
}

void AssetImage::setFillMode(FillMode mode)
{
    if (m_fillMode == mode)
        return;
    m_fillMode = mode;
    update();
    Q_EMIT fillModeChanged();
}

void AssetImage::setAlignment(Qt::Alignment alignment)
{
    if (m_alignment == alignment)
        return;
    m_alignment = alignment;
    update();
    Q_EMIT alignmentChanged();
}

void AssetImage::setTint(const QColor &tint)
{
    if (m_tint == tint)
        return;
    m_tint = tint;
    update();
    Q_EMIT tintChanged();
}

void AssetImage::setRadius(qreal radius)
{
    if (qFuzzyCompare(m_radius, radius))
        return;
    m_radius = radius;
    update();
    Q_EMIT radiusChanged();
}

bool AssetImage::isKnown() const
{
    return AssetCatalog::contains(m_name);
}

void AssetImage::componentComplete()
{
    TexturePaintedItem::componentComplete();
    if (!m_name.isEmpty() && !isKnown())
        qmlWarning(this) << "unknown asset \"" << m_name << "\"";
}

void AssetImage::load()
{
    m_renderer.reset();
    m_sourceSize = {};
    if (!m_name.isEmpty() && !isKnown() && isComponentComplete())
        qmlWarning(this) << "unknown asset \"" << m_name << "\"";
    QFile file(AssetCatalog::path(m_name));
    if (!isKnown() || !file.open(QIODevice::ReadOnly))
        return;
    auto renderer = std::make_unique<QSvgRenderer>(file.readAll());
    if (!renderer->isValid())
        return;
    m_sourceSize = renderer->viewBoxF().size();
    m_renderer = std::move(renderer);
    setImplicitSize(m_sourceSize.width(), m_sourceSize.height());
}

QRectF AssetImage::placement(const QSizeF &source, const QRectF &box, FillMode mode, Qt::Alignment alignment)
{
    if (mode == Stretch || source.isEmpty())
        return box;
    const QSizeF scaled = source.scaled(box.size(), mode == Fit ? Qt::KeepAspectRatio : Qt::KeepAspectRatioByExpanding);
    qreal x = box.x() + (box.width() - scaled.width()) / 2;
    if (alignment & Qt::AlignLeft)
        x = box.x();
    else if (alignment & Qt::AlignRight)
        x = box.right() - scaled.width();
    qreal y = box.y() + (box.height() - scaled.height()) / 2;
    if (alignment & Qt::AlignTop)
        y = box.y();
    else if (alignment & Qt::AlignBottom)
        y = box.bottom() - scaled.height();
    return {QPointF(x, y), scaled};
}

void AssetImage::paint(QPainter *painter)
{
    if (!m_renderer || width() <= 0 || height() <= 0)
        return;
    const QRectF box = boundingRect();
    const QRectF target = placement(m_sourceSize, box, m_fillMode, m_alignment);

    // A plain picture is drawn straight into the item's image.
    if (!m_tint.isValid() && m_radius <= 0) {
        painter->setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        // Artwork may reach past its view box; show only the view box, as an image would.
        painter->setClipRect(target.intersected(box));
        m_renderer->render(painter, target);
        return;
    }

    // Otherwise through a layer at device resolution, so that a tint recolours the picture alone.
    const qreal dpr = painter->device()->devicePixelRatioF();
    QImage layer((box.size() * dpr).toSize(), QImage::Format_ARGB32_Premultiplied);
    layer.setDevicePixelRatio(dpr);
    layer.fill(Qt::transparent);
    {
        QPainter layerPainter(&layer);
        layerPainter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        layerPainter.setClipRect(target.intersected(box));
        m_renderer->render(&layerPainter, target);
        if (m_tint.isValid()) {
            layerPainter.setCompositionMode(QPainter::CompositionMode_SourceIn);
            layerPainter.fillRect(box, m_tint);
        }
    }

    painter->setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    if (m_radius > 0) {
        QPainterPath clip;
        clip.addRoundedRect(box, m_radius, m_radius);
        painter->setClipPath(clip);
    }
    painter->drawImage(box.topLeft(), layer);
}
