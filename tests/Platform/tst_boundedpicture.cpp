#include "boundedpicture.h"
#include "picturefixtures.h"

#include <QPainter>
#include <QTest>

namespace
{
QImage drawn(QSize size, QImage::Format format = QImage::Format_RGB32)
{
    QImage picture(size, format);
    if (format == QImage::Format_Indexed8) {
        picture.setColorTable({qRgb(255, 255, 255), qRgb(226, 84, 155)});
        picture.fill(0);
        return picture;
    }
    picture.fill(Qt::white);
    QPainter(&picture).fillRect(QRect(QPoint(), size / 2), QColor(226, 84, 155));
    return picture;
}

QByteArray jpeg(QSize size, bool progressive = false)
{
    return encodedPicture(drawn(size), "jpeg", [&](QImageWriter &writer) { writer.setProgressiveScanWrite(progressive); });
}

// `picture` with an Exif segment saying it is to be turned a quarter clockwise (orientation 6),
// as a camera held upright writes it.
QByteArray turnedQuarter(QByteArray picture)
{
    static const char exif[] = "\xff\xe1\x00\x22"
                               "Exif\0\0"
                               "MM\x00\x2a\x00\x00\x00\x08"
                               "\x00\x01"
                               "\x01\x12\x00\x03\x00\x00\x00\x01\x00\x06\x00\x00"
                               "\x00\x00\x00\x00";
    return picture.insert(2, QByteArray(exif, sizeof(exif) - 1));
}
} // namespace

Q_DECLARE_METATYPE(BoundedPicture::Fit)

// Pictures from outside or from storage: decoded at the size asked for, and refused, header first,
// when their decode would hold more than the bounds allow.
class BoundedPictureTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decodesWithinTheBounds_data()
    {
        using Fit = BoundedPicture::Fit;
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QSize>("box");
        QTest::addColumn<Fit>("fit");
        QTest::addColumn<QSize>("decoded"); // empty: refused

        QTest::newRow("smaller than its box: never enlarged") << jpeg({40, 30}) << QSize(400, 400) << Fit::Inside << QSize(40, 30);
        QTest::newRow("fitted inside") << jpeg({1200, 900}) << QSize(300, 300) << Fit::Inside << QSize(300, 225);
        QTest::newRow("covering") << jpeg({1200, 900}) << QSize(300, 300) << Fit::Cover << QSize(400, 300);
        QTest::newRow("turned as its header says, then fitted") << turnedQuarter(jpeg({1200, 600})) << QSize(300, 100) << Fit::Inside
                                                                << QSize(50, 100);
        // Larger than a picture decoded whole may be, but libjpeg and Qt scale these while decoding.
        QTest::newRow("sequential JPEG") << jpeg({3000, 3000}) << QSize(300, 300) << Fit::Inside << QSize(300, 300);
        QTest::newRow("truecolour PNG") << encodedPicture(drawn({3000, 3000}), "png") << QSize(300, 300) << Fit::Inside << QSize(300, 300);
        // The same sizes held whole while they decode.
        QTest::newRow("progressive JPEG") << jpeg({3000, 3000}, true) << QSize(300, 300) << Fit::Inside << QSize();
        QTest::newRow("palette PNG") << encodedPicture(drawn({2100, 2100}, QImage::Format_Indexed8), "png") << QSize(300, 300) << Fit::Inside
                                     << QSize();
        QTest::newRow("WebP") << encodedPicture(drawn({2100, 2100}), "webp") << QSize(300, 300) << Fit::Inside << QSize();
        QTest::newRow("WebP decoded whole within the bound") << encodedPicture(drawn({1000, 1000}), "webp") << QSize(100, 100) << Fit::Inside
                                                             << QSize(100, 100);
        QTest::newRow("header claiming 60000 x 60000") << jpegClaiming({60000, 60000}) << QSize(300, 300) << Fit::Inside << QSize();
        QTest::newRow("a format not taken") << encodedPicture(drawn({40, 30}), "bmp") << QSize(300, 300) << Fit::Inside << QSize();
        // Its header gives a 1 x 1 frame; the decode holds a screen of 31236 x 1.
        QTest::newRow("GIF") << QByteArray("GIF89a\x04\x7a\x01\x00\x00\x00\x00,\x00\x00\x00\x00\x01\x00\x01\x00\x03\x02\x02\x44\x01\x00;", 29)
                             << QSize(300, 300) << Fit::Inside << QSize();
        QTest::newRow("no picture") << QByteArray("<svg xmlns='http://www.w3.org/2000/svg'/>") << QSize(300, 300) << Fit::Inside << QSize();
        QTest::newRow("no box") << jpeg({40, 30}) << QSize() << Fit::Inside << QSize();
    }
    void decodesWithinTheBounds()
    {
        QFETCH(QByteArray, data);
        QFETCH(QSize, box);
        QFETCH(BoundedPicture::Fit, fit);
        QFETCH(QSize, decoded);
        const QImage image = BoundedPicture::decode(data, box, fit);
        QCOMPARE(image.isNull() ? QSize() : image.size(), decoded);
        // The header alone tells a refused picture.
        if (box.isValid())
            QCOMPARE(BoundedPicture::inspect(data).isEmpty(), decoded.isEmpty());
    }
};

QTEST_MAIN(BoundedPictureTest)
#include "tst_boundedpicture.moc"
