#pragma once

#include <QByteArray>
#include <QFuture>
#include <QImage>
#include <QSize>

class QIODevice;

// Every picture from outside or from storage is decoded here: at the size it is shown, and only
// when its header promises a decode within the bounds below. A picture past them is refused
// unread, as a broken one is.
namespace BoundedPicture
{
// The most pixels a picture may claim: even a decode at a reduced scale reads every one of them.
inline constexpr qint64 maxSourcePixels = 8192LL * 8192;
// The most pixels of a picture that is decoded whole. Only a sequential JPEG (libjpeg scales while
// decoding) and an 8-bit truecolour PNG that is not interlaced (Qt scales it line by line) are
// decoded at about the size asked for; every other picture holds all its pixels on the way.
inline constexpr qint64 maxWholePixels = 2048LL * 2048;

enum class Fit {
    Inside, // the whole picture within the box
    Cover, // the box covered, for a picture cropped to it
};

// The picture's size as its header gives it, when the data is a JPEG, PNG or WebP picture within
// the bounds; an empty size otherwise. Reads the header only.
QSize inspect(const QByteArray &data);

// The picture scaled to `box` in device pixels (never enlarged) and turned as its header says, or
// a null image when it is refused or does not decode.
QImage decode(QIODevice *device, QSize box, Fit fit = Fit::Inside);
QImage decode(const QByteArray &data, QSize box, Fit fit = Fit::Inside);

// decode() on the pictures' own threads, at most two at a time. A future cancelled before its turn
// decodes nothing and finishes without a result.
QFuture<QImage> decodeLater(QByteArray data, QSize box, Fit fit = Fit::Inside);
} // namespace BoundedPicture
