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
    return at < data.size() ? uchar(data.at(at)) : -1;
}

// A sequential frame whose first scan holds every component. Progressive and multi-scan frames keep
// every coefficient of the whole picture in libjpeg until their last scan, whatever scale is asked.
bool jpegScalesWhileDecoding(const QByteArray &head)
{
    if (byteAt(head, 0) != 0xff || byteAt(head, 1) != 0xd8)
        return false;
    int components = 0;
    qsizetype at = 2;
    while (at + 4 <= head.size()) {
        if (byteAt(head, at) != 0xff)
            return false;
        const int marker = byteAt(head, at + 1);
        if (marker == 0xff) {
            ++at;
            continue;
        }
        if ((marker >= 0xd0 && marker <= 0xd9) || marker == 0x01) {
            at += 2;
            continue;
        }
        if (marker == 0xc0 || marker == 0xc1) {
            components = byteAt(head, at + 9);
        } else if (marker >= 0xc2 && marker <= 0xcf && marker != 0xc4 && marker != 0xc8 && marker != 0xcc) {
            return false;
        } else if (marker == 0xda) {
            return components > 0 && byteAt(head, at + 4) == components;
        }
        at += 2 + (byteAt(head, at + 2) << 8 | byteAt(head, at + 3));
    }
    return false;
}

// Bit depth 8, colour type 2 or 6 (truecolour, with or without alpha), no interlacing: the only
// kind Qt reads line by line into a scaled picture.
bool pngScalesWhileDecoding(const QByteArray &head)
{
    return head.mid(12, 4) == "IHDR" && byteAt(head, 24) == 8 && (byteAt(head, 25) == 2 || byteAt(head, 25) == 6)
        && byteAt(head, 28) == 0;
}

// The stored size of the reader's picture when it is within the bounds; empty otherwise.
QSize allowedSize(QImageReader &reader, const QByteArray &head)
{
    const QByteArray format = reader.format();
    if (std::find(std::begin(formats), std::end(formats), format) == std::end(formats))
        return {};
    const QSize size = reader.size();
    if (size.isEmpty())
        return {};
    const qint64 pixels = qint64(size.width()) * size.height();
    if (pixels > maxSourcePixels)
        return {};
    const bool scales = (format == "jpeg" && jpegScalesWhileDecoding(head)) || (format == "png" && pngScalesWhileDecoding(head));
    if (!scales && pixels > maxWholePixels)
        return {};
    return size;
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
    return allowedSize(reader, data.left(headBytes));
}

QImage decode(QIODevice *device, QSize box, Fit fit)
{
    if (!device || box.isEmpty())
        return {};
    const QByteArray head = device->peek(headBytes);
    QImageReader reader(device);
    const QSize stored = allowedSize(reader, head);
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
