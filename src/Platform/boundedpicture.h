#pragma once

#include <QByteArray>
#include <QFuture>
#include <QImage>
#include <QSize>

class QIODevice;

// Every picture from outside or from storage is decoded here: at the size it is shown where the
// reader can, and only when its header promises a decode within the bounds below. A picture past
// them is refused unread, as a broken one is.
namespace BoundedPicture
{
// The most pixels a picture may claim: even a decode at a reduced scale reads every one of them.
inline constexpr qint64 maxSourcePixels = 8192LL * 8192;
// The most memory a decode may hold for the picture as a whole, besides the picture it makes at the
// size asked for. A sequential JPEG (libjpeg scales while decoding) and an 8-bit truecolour PNG
// that is not interlaced (Qt reads it line by line into the scaled picture) hold next to nothing; a
// progressive JPEG keeps every coefficient of the picture, 2 bytes a sample, until its last scan;
// any other PNG, and a WebP (Qt's reader has no reduced decode), is decoded whole first: 4 to 16
// bytes a pixel, measured with Qt 6.4's readers.
inline constexpr qint64 maxDecodeBytes = 64LL * 1024 * 1024;

enum class Fit {
    Inside, // the whole picture within the box
    Cover, // the box covered, for a picture cropped to it
};

// The picture's size as its header gives it, when the data is a JPEG, PNG or WebP picture within
// the bounds; an empty size otherwise. Reads the header only.
QSize inspect(const QByteArray &data);
// Whether the data runs to the end of its picture. A cut-off PNG or WebP does not decode at all,
// but libjpeg fills what is missing of a JPEG in grey and Qt reports no error, nor does libjpeg a
// progressive one cut between two scans: a JPEG is whole when its end marker follows its scans.
bool isWhole(const QByteArray &data);

// The picture scaled to `box` in device pixels (never enlarged) and turned as its header says, or
// a null image when it is refused or does not decode.
QImage decode(QIODevice *device, QSize box, Fit fit = Fit::Inside);
QImage decode(const QByteArray &data, QSize box, Fit fit = Fit::Inside);

// decode() on the pictures' own threads, at most two at a time. A future cancelled before its turn
// decodes nothing and finishes without a result.
QFuture<QImage> decodeLater(QByteArray data, QSize box, Fit fit = Fit::Inside);
} // namespace BoundedPicture
