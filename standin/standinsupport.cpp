#include "standinsupport.h"

#include <QBuffer>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QRegularExpression>

#include <cmath>

namespace StandinSupport
{
namespace
{
constexpr int tileSize = 256;

// Streets every `spacing` world pixels at this zoom, so that neighbouring tiles join up.
void streets(QPainter &painter, qint64 originX, qint64 originY, int spacing, qreal width, const QColor &colour)
{
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
    for (qint64 x = (originX / spacing) * spacing; x <= originX + tileSize + spacing; x += spacing)
        painter.drawLine(QPointF(qreal(x - originX), -width), QPointF(qreal(x - originX), tileSize + width));
    for (qint64 y = (originY / spacing) * spacing; y <= originY + tileSize + spacing; y += spacing)
        painter.drawLine(QPointF(-width, qreal(y - originY)), QPointF(tileSize + width, qreal(y - originY)));
}

quint32 mix(qint64 a, qint64 b)
{
    quint64 h = quint64(a) * 0x9E3779B97F4A7C15ULL ^ (quint64(b) + 0x632BE59BD9B4E019ULL + (quint64(a) << 6));
    h ^= h >> 29;
    h *= 0xBF58476D1CE4E5B9ULL;
    return quint32(h >> 32);
}
} // namespace

QByteArray tile(int z, int x, int y)
{
    QImage image(tileSize, tileSize, QImage::Format_RGB32);
    image.fill(QColor(0xf2, 0xef, 0xe9));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qint64 originX = qint64(x) * tileSize;
    const qint64 originY = qint64(y) * tileSize;

    // City blocks of 96 pixels: some are parks, some are built up.
    constexpr int block = 96;
    for (qint64 bx = originX / block - 1; bx <= (originX + tileSize) / block; ++bx) {
        for (qint64 by = originY / block - 1; by <= (originY + tileSize) / block; ++by) {
            const quint32 kind = mix(bx, by + qint64(z) * 7919) % 7;
            const QRectF area(qreal(bx * block - originX) + 8, qreal(by * block - originY) + 8, block - 16, block - 16);
            if (kind == 0)
                painter.fillRect(area, QColor(0xc8, 0xe6, 0xc0));
            else if (kind <= 3)
                painter.fillRect(area.adjusted(6, 6, -6, -6), QColor(0xe0, 0xd9, 0xd0));
        }
    }
    streets(painter, originX, originY, block, 5, Qt::white);
    streets(painter, originX, originY, block * 4, 10, QColor(0xfc, 0xd6, 0xa4));
    // A river across the town.
    painter.setPen(QPen(QColor(0xaa, 0xd3, 0xdf), 22));
    const qreal riverY = qreal((qint64(1) << z) * tileSize / 2 - originY) + 300;
    painter.drawLine(QPointF(-30, riverY + 120), QPointF(tileSize + 30, riverY - 40));
    painter.end();

    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

std::optional<Answer> answer(const QString &path, const QString &q)
{
    static const QRegularExpression tilePath(QStringLiteral("^/tiles/(\\d{1,2})/(\\d{1,7})/(\\d{1,7})\\.png$"));
    if (const QRegularExpressionMatch match = tilePath.match(path); match.hasMatch()) {
        const int z = match.captured(1).toInt();
        const qint64 x = match.captured(2).toLongLong();
        const qint64 y = match.captured(3).toLongLong();
        if (z > 20 || x >= (qint64(1) << z) || y >= (qint64(1) << z))
            return Answer{404, QByteArrayLiteral("no such tile"), QByteArrayLiteral("text/plain; charset=utf-8")};
        return Answer{200, tile(z, int(x), int(y)), QByteArrayLiteral("image/png")};
    }
    if (path == QLatin1String("/geocode")) {
        QJsonArray places;
        if (!q.trimmed().isEmpty()) {
            places.append(QJsonObject{
                {QStringLiteral("lat"), QString::number(officeLatitude, 'f', 7)},
                {QStringLiteral("lon"), QString::number(officeLongitude, 'f', 7)},
                {QStringLiteral("display_name"), q},
            });
        }
        return Answer{200, QJsonDocument(places).toJson(QJsonDocument::Compact), QByteArrayLiteral("application/json; charset=utf-8")};
    }
    return std::nullopt;
}
} // namespace StandinSupport
