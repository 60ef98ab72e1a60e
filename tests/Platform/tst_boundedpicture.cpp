#include "boundedpicture.h"
#include "picturefixtures.h"

#include <QPainter>
#include <QTest>

namespace
{
QByteArray picture(QSize size, const char *format = "jpeg", bool progressive = false)
{
    QImage drawn(size, QImage::Format_RGB32);
    drawn.fill(Qt::white);
    QPainter(&drawn).fillRect(QRect(QPoint(), size / 2), QColor(226, 84, 155));
    return encodedPicture(drawn, format, progressive);
}

// `jpeg` with an Exif segment saying it is to be turned a quarter clockwise (orientation 6), as a
// camera held upright writes it.
QByteArray turnedQuarter(QByteArray jpeg)
{
    static const char exif[] = "\xff\xe1\x00\x22"
                               "Exif\0\0MM\x00\x2a\x00\x00\x00\x08\x00\x01"
                               "\x01\x12\x00\x03\x00\x00\x00\x01\x00\x06\x00\x00\x00\x00\x00\x00";
    return jpeg.insert(2, QByteArray(exif, sizeof(exif) - 1));
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
        QTest::addColumn<QSize>("decoded"); // invalid: refused

        QTest::newRow("smaller than its box: never enlarged") << picture({40, 30}) << QSize(400, 400) << Fit::Inside << QSize(40, 30);
        QTest::newRow("fitted inside") << picture({1200, 900}) << QSize(300, 300) << Fit::Inside << QSize(300, 225);
        QTest::newRow("covering") << picture({1200, 900}) << QSize(300, 300) << Fit::Cover << QSize(400, 300);
        QTest::newRow("turned as its header says, then fitted") << turnedQuarter(picture({1200, 600})) << QSize(300, 100) << Fit::Inside
                                                                << QSize(50, 100);
        // Past what may be decoded whole: libjpeg scales a sequential JPEG while decoding, but holds
        // every coefficient of a progressive one, and a WebP is decoded whole.
        QTest::newRow("sequential JPEG") << picture({3000, 3000}) << QSize(300, 300) << Fit::Inside << QSize(300, 300);
        QTest::newRow("progressive JPEG") << picture({3000, 3000}, "jpeg", true) << QSize(300, 300) << Fit::Inside << QSize();
        QTest::newRow("WebP") << picture({2100, 2100}, "webp") << QSize(300, 300) << Fit::Inside << QSize();
        QTest::newRow("header claiming 60000 x 60000") << jpegClaiming({60000, 60000}) << QSize(300, 300) << Fit::Inside << QSize();
        // Its header gives a 1 x 1 frame; the decode holds a screen of 31236 x 1.
        QTest::newRow("GIF") << QByteArray("GIF89a\x04\x7a\x01\x00\x00\x00\x00,\x00\x00\x00\x00\x01\x00\x01\x00\x03\x02\x02\x44\x01\x00;", 29)
                             << QSize(300, 300) << Fit::Inside << QSize();
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
        QCOMPARE(BoundedPicture::inspect(data).isEmpty(), !decoded.isValid());
    }
};

QTEST_MAIN(BoundedPictureTest)
#include "tst_boundedpicture.moc"
