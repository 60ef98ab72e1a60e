#include "boundedpicture.h"

#include <QBuffer>
#include <QImageReader>
#include <QPromise>
#include <QThreadPool>

#include <algorithm>
#include <memory>

namespace BoundedPicture
{
namespace
{
// Not GIF: its header's size is that of its first frame, and the decode holds its whole screen.
const QByteArray formats[] = {QByteArrayLiteral("jpeg"), QByteArrayLiteral("png"), QByteArrayLiteral("webp")};

// Enough for the metadata segments a camera writes before a JPEG's first scan.
constexpr qint64 headBytes = 256 * 1024;

int byteAt(const QByteArray &data, qsizetype at)
{
    return at >= 0 && at < data.size() ? uchar(data.at(at)) : -1;
}

qint64 pixelsOf(QSize size)
{
    return qint64(size.width()) * size.height();
}

// What libjpeg keeps of the whole picture: nothing for a sequential frame whose first scan holds
// every component (it decodes a row of blocks at a time); for a progressive or multi-scan frame,
// every DCT coefficient of every component until the last scan, 64 of 2 bytes a block. A frame it
// does not read from the head is taken at its worst: four components, none subsampled.
qint64 jpegHeldBytes(const QByteArray &head, QSize size)
{
    const qint64 worst = 8 * pixelsOf(size);
    if (byteAt(head, 0) != 0xff || byteAt(head, 1) != 0xd8)
        return worst;
    qint64 coefficients = -1;
    bool sequential = false;
    int components = 0;
    qsizetype at = 2;
    while (at + 4 <= head.size()) {
        if (byteAt(head, at) != 0xff)
            return worst;
        const int marker = byteAt(head, at + 1);
        if (marker == 0xff) {
            ++at;
            continue;
        }
        if ((marker >= 0xd0 && marker <= 0xd9) || marker == 0x01) {
            at += 2;
            continue;
        }
        if (marker >= 0xc0 && marker <= 0xcf && marker != 0xc4 && marker != 0xc8 && marker != 0xcc) {
            // Of the frames libjpeg decodes, only the Huffman ones are read here.
            if (marker != 0xc0 && marker != 0xc1 && marker != 0xc2)
                return worst;
            sequential = marker != 0xc2;
            components = byteAt(head, at + 9);
            if (components < 1 || at + 10 + 3 * components > head.size())
                return worst;
            int widest = 1;
            int tallest = 1;
            for (int i = 0; i < components; ++i) {
                widest = std::max(widest, byteAt(head, at + 11 + 3 * i) >> 4);
                tallest = std::max(tallest, byteAt(head, at + 11 + 3 * i) & 0xf);
            }
            coefficients = 0;
            for (int i = 0; i < components; ++i) {
                const int across = byteAt(head, at + 11 + 3 * i) >> 4;
                const int down = byteAt(head, at + 11 + 3 * i) & 0xf;
                if (across < 1 || down < 1)
                    return worst;
                // Blocks of the component, rounded up to whole units of its sampling.
                const qint64 blocksAcross = (qint64(size.width()) * across + 8 * widest - 1) / (8 * widest);
                const qint64 blocksDown = (qint64(size.height()) * down + 8 * tallest - 1) / (8 * tallest);
                coefficients += (blocksAcross + across - 1) / across * across * ((blocksDown + down - 1) / down * down) * 64 * 2;
            }
        } else if (marker == 0xda) {
            if (coefficients < 0)
                return worst;
            return sequential && byteAt(head, at + 4) == components ? 0 : coefficients;
        }
        at += 2 + (byteAt(head, at + 2) << 8 | byteAt(head, at + 3));
    }
    return worst;
}

// An 8-bit truecolour PNG that is not interlaced is read line by line into the scaled picture.
// Any other is decoded whole, then copied to the 32-bit (64-bit at 16 bits a sample) format
// scaling works on: measured at 4 to 8 bytes a pixel, 16 at 16 bits.
qint64 pngHeldBytes(const QByteArray &head, QSize size)
{
    const int depth = byteAt(head, 24);
    const int colours = byteAt(head, 25);
    if (head.mid(12, 4) == "IHDR" && depth == 8 && (colours == 2 || colours == 6) && byteAt(head, 28) == 0)
        return 0;
    return (depth == 16 ? 16 : 8) * pixelsOf(size);
}

// Qt's WebP reader copies the data and decodes the whole picture, 4 bytes a pixel; a lossless
// picture holds another whole one in libwebp, one with alpha a premultiplied copy to scale, and an
// animation its canvas and the frame's picture besides (measured).
qint64 webpHeldBytes(const QByteArray &head, QSize size, qint64 dataSize)
{
    int perPixel = 8;
    for (qsizetype at = 12; at + 8 <= head.size();) {
        const QByteArray chunk = head.mid(at, 4);
        if (chunk == "VP8 ") {
            perPixel = 4;
            break;
        }
        if (chunk == "VP8L" || chunk == "ALPH")
            break;
        if (chunk == "VP8X") {
            const int flags = byteAt(head, at + 8);
            if (flags & 0x02)
                perPixel = 12;
            if (flags & 0x12)
                break;
        }
        const qint64 length = qint64(byteAt(head, at + 4)) | byteAt(head, at + 5) << 8 | byteAt(head, at + 6) << 16
            | qint64(byteAt(head, at + 7)) << 24;
        at += 8 + length + (length & 1);
    }
    return perPixel * pixelsOf(size) + dataSize;
}

// The stored size of the reader's picture when it is within the bounds; empty otherwise.
QSize allowedSize(QImageReader &reader, const QByteArray &head, qint64 dataSize)
{
    const QByteArray format = reader.format();
    if (std::find(std::begin(formats), std::end(formats), format) == std::end(formats))
        return {};
    const QSize size = reader.size();
    if (size.isEmpty() || pixelsOf(size) > maxSourcePixels)
        return {};
    const qint64 held = format == "jpeg" ? jpegHeldBytes(head, size)
        : format == "png"                ? pngHeldBytes(head, size)
                                         : webpHeldBytes(head, size, dataSize);
    return held <= maxDecodeBytes ? size : QSize();
}

// Whether a JPEG's end marker follows its scans. In a scan's coded data a 0xff byte is followed by
// 0 or a restart marker; any other marker ends the scan.
bool jpegEnds(const QByteArray &data)
{
    if (byteAt(data, 0) != 0xff || byteAt(data, 1) != 0xd8)
        return false;
    qsizetype at = 2;
    while (at + 2 <= data.size()) {
        if (byteAt(data, at) != 0xff)
            return false;
        const int marker = byteAt(data, at + 1);
        if (marker == 0xd9)
            return true;
        if (marker == 0xff) {
            ++at;
            continue;
        }
        if ((marker >= 0xd0 && marker <= 0xd7) || marker == 0x01) {
            at += 2;
            continue;
        }
        if (at + 4 > data.size())
            return false;
        at += 2 + (byteAt(data, at + 2) << 8 | byteAt(data, at + 3));
        if (marker != 0xda)
            continue;
        for (;; at += 2) {
            at = data.indexOf('\xff', at);
            const int following = byteAt(data, at + 1);
            if (at < 0 || following < 0)
                return false;
            if (following != 0x00 && (following < 0xd0 || following > 0xd7))
                break;
        }
    }
    return false;
}

class PicturePool : public QThreadPool
{
public:
    PicturePool()
    {
        setObjectName(QStringLiteral("pictures"));
        // Each decode holds up to a whole picture's worth of memory.
        setMaxThreadCount(2);
    }
};
Q_GLOBAL_STATIC(PicturePool, picturePool)
} // namespace

QSize inspect(const QByteArray &data)
{
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    return allowedSize(reader, data.left(headBytes), data.size());
}

bool isWhole(const QByteArray &data)
{
    if (data.startsWith("RIFF") && data.mid(8, 4) == "WEBP") {
        const qint64 riffSize = qint64(byteAt(data, 4)) | byteAt(data, 5) << 8 | byteAt(data, 6) << 16 | qint64(byteAt(data, 7)) << 24;
        return data.size() >= riffSize + 8;
    }
    if (data.startsWith("\x89PNG\r\n\x1a\n")) {
        // The end chunk: no data, its type, its checksum.
        const qsizetype end = data.lastIndexOf(QByteArrayView("\0\0\0\0IEND", 8));
        return end > 0 && end + 12 <= data.size();
    }
    return jpegEnds(data);
}

QImage decode(QIODevice *device, QSize box, Fit fit)
{
    if (!device || box.isEmpty())
        return {};
    const QByteArray head = device->peek(headBytes);
    QImageReader reader(device);
    const QSize stored = allowedSize(reader, head, device->size());
    if (stored.isEmpty())
        return {};
    reader.setAutoTransform(true);
    // The reader scales before it turns.
    const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
    if (turned)
        box.transpose();
    QSize expected = stored;
    const QSize fitted = stored.scaled(box, fit == Fit::Inside ? Qt::KeepAspectRatio : Qt::KeepAspectRatioByExpanding);
    if (fitted.width() < stored.width()) {
        expected = fitted.expandedTo(QSize(1, 1));
        reader.setScaledSize(expected);
    }
    const QImage image = reader.read();
    // A decode larger than its header said is no picture of ours.
    if (turned)
        expected.transpose();
    return image.width() <= expected.width() && image.height() <= expected.height() ? image : QImage();
}

QImage decode(const QByteArray &data, QSize box, Fit fit)
{
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    return decode(&buffer, box, fit);
}

QFuture<QImage> decodeLater(QByteArray data, QSize box, Fit fit)
{
    auto promise = std::make_shared<QPromise<QImage>>();
    QFuture<QImage> future = promise->future();
    promise->start();
    if (picturePool.isDestroyed()) {
        promise->finish();
        return future;
    }
    picturePool()->start([promise, data = std::move(data), box, fit] {
        if (!promise->isCanceled())
            promise->addResult(decode(data, box, fit));
        promise->finish();
    });
    return future;
}
} // namespace BoundedPicture
