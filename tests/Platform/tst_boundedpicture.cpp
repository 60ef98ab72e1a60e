#include "boundedpicture.h"
#include "peakmemory.h"
#include "picturefixtures.h"

#include <QPainter>
#include <QTest>

#include <malloc.h>

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
        // Ordinary shop photos: a sequential JPEG is scaled while it decodes, a progressive JPEG
        // keeps its coefficients (19 MB here), a WebP is decoded whole (25 MB).
        QTest::newRow("sequential JPEG") << picture({3000, 3000}) << QSize(300, 300) << Fit::Inside << QSize(300, 300);
        QTest::newRow("progressive JPEG, 2500 x 2500") << squaresPicture({2500, 2500}, "jpeg", true) << QSize(300, 300) << Fit::Inside
                                                       << QSize(300, 300);
        QTest::newRow("WebP, 2500 x 2500") << squaresPicture({2500, 2500}, "webp") << QSize(300, 300) << Fit::Inside << QSize(300, 300);
        QTest::newRow("palette PNG, 2000 x 2000") << squaresPicture({2000, 2000}, "png") << QSize(300, 300) << Fit::Inside
                                                  << QSize(300, 300);
        // Past what their decodes may hold.
        QTest::newRow("progressive JPEG claiming 4800 x 4800") << jpegClaiming({4800, 4800}, true) << QSize(300, 300) << Fit::Inside
                                                               << QSize();
        QTest::newRow("WebP claiming 4200 x 4200") << webpClaiming({4200, 4200}) << QSize(300, 300) << Fit::Inside << QSize();
        QTest::newRow("palette PNG, 3000 x 3000") << squaresPicture({3000, 3000}, "png") << QSize(300, 300) << Fit::Inside << QSize();
        QTest::newRow("header claiming 20000 x 20000") << jpegClaiming({20000, 20000}) << QSize(300, 300) << Fit::Inside << QSize();
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

    // The largest pictures that may be decoded, at the largest size a screen asks for (the
    // product page's photo at three device pixels a point): what the decode holds stays within
    // the bound, besides the picture asked for and libjpeg's own scale of it (up to twice as wide),
    // which the bound does not count. A reader holding more than reckoned would take it past.
    void largestDecodesStayWithinTheBound_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::newRow("sequential JPEG, 8192 x 8192") << squaresPicture({8192, 8192}, "jpeg");
        QTest::newRow("progressive JPEG, 4700 x 4700") << squaresPicture({4700, 4700}, "jpeg", true);
    }
    void largestDecodesStayWithinTheBound()
    {
        QFETCH(QByteArray, data);
        QVERIFY(!BoundedPicture::inspect(data).isEmpty());
        // What making the pictures freed goes back to the system, so that the decode cannot take
        // it up unseen.
        malloc_trim(0);
        const qint64 resident = restartPeakMemory();
        const QImage image = BoundedPicture::decode(data, QSize(1179, 1179));
        const qint64 grown = peakMemoryKb() - resident;
        QCOMPARE(image.width(), 1179);
        qInfo("%s: peak memory +%lld kB", QTest::currentDataTag(), grown);
#ifndef __SANITIZE_ADDRESS__
        QVERIFY2(resident == 0 || grown < (BoundedPicture::maxDecodeBytes + 32 * 1024 * 1024) / 1024, qPrintable(QString::number(grown)));
#endif
    }

    // A picture is kept only when it runs to its end: a JPEG cut off in transit still decodes (its
    // missing part grey), with no error from Qt and, cut between two scans, no word from libjpeg.
    void wholePictures_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<bool>("whole");
        const QByteArray jpeg = picture({400, 300});
        const QByteArray progressive = picture({400, 300}, "jpeg", true);
        const QByteArray png = picture({400, 300}, "png");
        const QByteArray webp = picture({400, 300}, "webp");
        QTest::newRow("JPEG") << jpeg << true;
        QTest::newRow("JPEG cut at two thirds") << jpeg.left(jpeg.size() * 2 / 3) << false;
        QTest::newRow("JPEG without its last byte") << jpeg.chopped(1) << false;
        QTest::newRow("JPEG with data after its end") << jpeg + QByteArray(100, '\0') << true;
        QTest::newRow("progressive JPEG") << progressive << true;
        const qsizetype secondScan = progressive.indexOf("\xff\xda", progressive.indexOf("\xff\xda") + 2);
        QTest::newRow("progressive JPEG cut between scans") << progressive.left(secondScan) << false;
        QTest::newRow("PNG") << png << true;
        QTest::newRow("PNG cut") << png.chopped(20) << false;
        QTest::newRow("WebP") << webp << true;
        QTest::newRow("WebP cut") << webp.chopped(20) << false;
    }
    void wholePictures()
    {
        QFETCH(QByteArray, data);
        QTEST(BoundedPicture::isWhole(data), "whole");
    }
};

QTEST_MAIN(BoundedPictureTest)
#include "tst_boundedpicture.moc"
