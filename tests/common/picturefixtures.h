#pragma once

#include <QBuffer>
#include <QImage>
#include <QImageWriter>

inline QByteArray encodedPicture(const QImage &picture, const char *format, bool progressive = false)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setProgressiveScanWrite(progressive);
    writer.write(picture);
    return data;
}

// A small JPEG whose header claims `claimed` pixels.
inline QByteArray jpegClaiming(QSize claimed)
{
    QImage picture(16, 16, QImage::Format_RGB32);
    picture.fill(Qt::gray);
    QByteArray data = encodedPicture(picture, "jpeg");
    // The frame header: marker, length, precision, then height and width, big-endian.
    const qsizetype frame = data.indexOf("\xff\xc0");
    data[frame + 5] = char(claimed.height() >> 8);
    data[frame + 6] = char(claimed.height() & 0xff);
    data[frame + 7] = char(claimed.width() >> 8);
    data[frame + 8] = char(claimed.width() & 0xff);
    return data;
}
