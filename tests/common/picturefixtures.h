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

// A picture of `size` in squares of two colours, drawn at one bit a pixel: making a large one takes
// a few megabytes, not the four bytes a pixel of a picture drawn in colour (Qt's WebP writer still
// copies it whole at three).
inline QByteArray squaresPicture(QSize size, const char *format, bool progressive = false)
{
    QImage picture(size, QImage::Format_Mono);
    picture.setColorTable({qRgb(255, 255, 255), qRgb(226, 84, 155)});
    for (int y = 0; y < picture.height(); ++y) {
        uchar *line = picture.scanLine(y);
        for (int byte = 0; byte < picture.bytesPerLine(); ++byte)
            line[byte] = ((byte * 8 / 296 + y / 296) % 2) ? 0xff : 0x00;
    }
    return encodedPicture(picture, format, progressive);
}

// A small JPEG whose header claims `claimed` pixels.
inline QByteArray jpegClaiming(QSize claimed, bool progressive = false)
{
    QImage picture(16, 16, QImage::Format_RGB32);
    picture.fill(Qt::gray);
    QByteArray data = encodedPicture(picture, "jpeg", progressive);
    // The frame header: marker, length, precision, then height and width, big-endian.
    const qsizetype frame = data.indexOf(progressive ? "\xff\xc2" : "\xff\xc0");
    data[frame + 5] = char(claimed.height() >> 8);
    data[frame + 6] = char(claimed.height() & 0xff);
    data[frame + 7] = char(claimed.width() >> 8);
    data[frame + 8] = char(claimed.width() & 0xff);
    return data;
}

// A small lossy WebP whose header claims `claimed` pixels (at most 16383 a side).
inline QByteArray webpClaiming(QSize claimed)
{
    QImage picture(16, 16, QImage::Format_RGB32);
    picture.fill(Qt::gray);
    QByteArray data = encodedPicture(picture, "webp");
    // After the "VP8 " chunk's head, the frame tag and start code: width and height, 14 bits each,
    // little-endian.
    data[26] = char(claimed.width() & 0xff);
    data[27] = char(claimed.width() >> 8);
    data[28] = char(claimed.height() & 0xff);
    data[29] = char(claimed.height() >> 8);
    return data;
}
