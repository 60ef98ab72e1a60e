#include "avatarimage.h"

#include "boundedpicture.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

AvatarImage::AvatarImage(QQuickItem *parent)
    : TexturePaintedItem(parent)
{
    setAntialiasing(true);
    connect(&m_decode, &QFutureWatcher<QImage>::finished, this, [this] {
        if (m_decode.future().resultCount() > 0)
            setImage(m_decode.future().result());
    });
}

AvatarImage::~AvatarImage()
{
    m_decode.cancel();
}

void AvatarImage::setBase64(const QString &base64)
{
    if (base64 == m_base64)
        return;
    m_base64 = base64;
    m_decode.cancel();
    const QByteArray bytes = pictureBytes(base64);
    if (BoundedPicture::inspect(bytes).isEmpty()) {
        setImage(QImage());
        m_decode.setFuture(QFuture<QImage>());
    } else {
        m_decode.setFuture(BoundedPicture::decodeLater(bytes, QSize(decodedSide, decodedSide), BoundedPicture::Fit::Cover));
    }
    Q_EMIT base64Changed();
}

void AvatarImage::setImage(const QImage &image)
{
    const bool had = hasImage();
    m_image = image;
    update();
    if (had != hasImage())
        Q_EMIT hasImageChanged();
}

void AvatarImage::setSilhouetteColor(const QColor &color)
{
    if (color == m_silhouetteColor)
        return;
    m_silhouetteColor = color;
    Q_EMIT silhouetteColorChanged();
    update();
}

QByteArray AvatarImage::pictureBytes(const QString &base64)
{
    if (base64.isEmpty() || base64.size() % 4 != 0)
        return {};
    // Qt's strict mode still accepts a few things the standard decoder refuses (the URL alphabet
    // among them), so the characters are checked here first.
    const qsizetype padding = base64.endsWith(QLatin1String("==")) ? 2 : base64.endsWith(QLatin1Char('=')) ? 1 : 0;
    for (qsizetype i = 0; i < base64.size() - padding; ++i) {
        const QChar c = base64.at(i);
        const bool alphabet = (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            || (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('+') || c == QLatin1Char('/');
        if (!alphabet)
            return {};
    }
    const auto decoded = QByteArray::fromBase64Encoding(base64.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    return decoded ? decoded.decoded : QByteArray();
}

void AvatarImage::paint(QPainter *painter)
{
    if (width() <= 0 || height() <= 0)
        return;
    const QRectF box(0, 0, width(), height());
    if (m_image.isNull()) {
        if (!m_silhouetteColor.isValid())
            return;
        QPainterPath circle;
        circle.addEllipse(box);
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setClipPath(circle);
        painter->setPen(Qt::NoPen);
        painter->setBrush(m_silhouetteColor);
        // A head over shoulders, in proportion to the circle; the shoulders run out of it.
        const qreal d = std::min(box.width(), box.height());
        const QPointF c = box.center();
        painter->drawEllipse(QPointF(c.x(), c.y() - 0.14 * d), 0.2 * d, 0.2 * d);
        painter->drawEllipse(QPointF(c.x(), c.y() + 0.5 * d), 0.45 * d, 0.3 * d);
        return;
    }
    // Scaled to fill: the shorter side fits, the longer one is cropped around the centre.
    const QSizeF source = m_image.size();
    const qreal scale = std::max(box.width() / source.width(), box.height() / source.height());
    const QSizeF drawn = source * scale;
    const QRectF target(box.center().x() - drawn.width() / 2, box.center().y() - drawn.height() / 2, drawn.width(), drawn.height());
    QPainterPath circle;
    circle.addEllipse(box);
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    painter->setClipPath(circle);
    painter->drawImage(target, m_image);
}
