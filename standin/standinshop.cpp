#include "standinshop.h"

#include <QBuffer>
#include <QHash>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace
{
const QLatin1String bucket("/kestrabay-shop-bucket/");

enum class Device { Router, SetTopBox, OpticalTerminal, GponMini };

struct Photo {
    const char *name;
    Device device;
    int view; // 0-based position among the product's photos
};

constexpr Photo photos[] = {
    {"SNR-RT622-G41_1-01M0FHA8793WYPY8AKYD3RYAN6.webp", Device::Router, 0},
    {"SNR-RT622-G41_2-01M0FHA87N8QWD68RKWK5RT3DS.webp", Device::Router, 1},
    {"SNR-RT622-G41_3-01M0FHA87P293AVB6064JHZ4QY.webp", Device::Router, 2},
    {"SNR-RT622-G41_4-01M0FHA87QT6XZD188X2R8RZ3E.webp", Device::Router, 3},
    {"SNR-RT622-G41_5-01M0FHA87RNK8DWJ0VA9DRAW7D.webp", Device::Router, 4},
    {"221915_webp_90-01M0FMVQFKA00X3C64DCE74SG9.webp", Device::SetTopBox, 0},
    {"222009_webp_90-01M0FMVQFNHD1TNNQ864YAZ2BA.webp", Device::SetTopBox, 1},
    {"222047_webp_90-01M0FMVQFP8PAEHCJZ6675Z8E3.webp", Device::SetTopBox, 2},
    {"xdt_ont_t51xa_1-01M1C77KTRKMBR2JYR2CBQXTSC.jpg", Device::OpticalTerminal, 0},
    {"xdt_ont_t51xa_2-01M1C77KTV03MZSRZ22VYT3ES7.jpg", Device::OpticalTerminal, 1},
    {"xdt_ont_t51xa_3-01M1C77KTY3WGAFFPJZ7VMJ53V.jpg", Device::OpticalTerminal, 2},
    {"xdt_ont_t51xa_4-01M1C77KTZXR3KECT61VHK9515.jpg", Device::OpticalTerminal, 3},
    {"snr-onu-gpon-1g-min-apc_1-01M0FQT6T3B86WX7G2DBBX6E4V.jpg", Device::GponMini, 0},
    {"snr-onu-gpon-1g-min-apc_2-01M0FQT6T5HFTS652D0RKHNJYY.jpg", Device::GponMini, 1},
    {"snr-onu-gpon-1g-min-apc_3-01M0FQT6T6GDPEGRCZNNWHQ61V.jpg", Device::GponMini, 2},
    {"snr-onu-gpon-1g-min-apc_4-01M0FQT6T77PH0ZP8SS2YJJCP5.jpg", Device::GponMini, 3},
    {"snr-onu-gpon-1g-min-apc_5-01M0FQT6T85PFARRH7XK6S8173.jpg", Device::GponMini, 4},
};

void drawLeds(QPainter &painter, QPointF from, int count, qreal step, const QColor &color)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    for (int i = 0; i < count; ++i)
        painter.drawEllipse(from + QPointF(i * step, 0), 6, 6);
}

// A product shot: the device on a soft studio background, seen a little differently in each view.
QImage draw(Device device, int view)
{
    QImage image(720, 720, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient backdrop(0, 0, 0, 720);
    backdrop.setColorAt(0, QColor::fromHsv((200 + view * 28) % 360, 18, 250));
    backdrop.setColorAt(1, QColor::fromHsv((200 + view * 28) % 360, 30, 226));
    painter.fillRect(image.rect(), backdrop);

    // Floor shadow.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 38));
    painter.drawEllipse(QRectF(130, 560, 460, 60));

    painter.translate(360, 400);
    painter.rotate(-8 + view * 4);
    painter.scale(1 - view * 0.05, 1 - view * 0.05);
    switch (device) {
    case Device::Router: {
        // Four antennas behind a dark flat body.
        painter.setBrush(QColor(40, 42, 48));
        for (int i = 0; i < 4; ++i) {
            painter.save();
            painter.translate(-180 + i * 120, -40);
            painter.rotate(-12 + i * 8);
            painter.drawRoundedRect(QRectF(-16, -250, 32, 250), 16, 16);
            painter.restore();
        }
        QLinearGradient body(0, -70, 0, 90);
        body.setColorAt(0, QColor(70, 72, 80));
        body.setColorAt(1, QColor(24, 25, 29));
        painter.setBrush(body);
        painter.drawRoundedRect(QRectF(-250, -70, 500, 160), 40, 40);
        drawLeds(painter, QPointF(-150, 40), 6, 60, QColor(80, 220, 120));
        break;
    }
    case Device::SetTopBox: {
        QLinearGradient body(0, -120, 0, 120);
        body.setColorAt(0, QColor(58, 58, 64));
        body.setColorAt(1, QColor(16, 16, 20));
        painter.setBrush(body);
        painter.drawRoundedRect(QRectF(-170, -120, 340, 240), 70, 70);
        QLinearGradient ring(-60, -60, 60, 60);
        ring.setColorAt(0, QColor(40, 200, 120));
        ring.setColorAt(1, QColor(30, 120, 230));
        painter.setBrush(ring);
        painter.drawEllipse(QPointF(0, 0), 46, 46);
        painter.setBrush(QColor(24, 24, 28));
        painter.drawEllipse(QPointF(0, 0), 30, 30);
        break;
    }
    case Device::OpticalTerminal: {
        QLinearGradient body(0, -160, 0, 160);
        body.setColorAt(0, QColor(252, 252, 252));
        body.setColorAt(1, QColor(214, 216, 222));
        painter.setBrush(body);
        painter.setPen(QPen(QColor(180, 182, 190), 3));
        painter.drawRoundedRect(QRectF(-200, -160, 400, 320), 30, 30);
        painter.setPen(Qt::NoPen);
        drawLeds(painter, QPointF(-130, -100), 5, 65, QColor(60, 170, 250));
        painter.setBrush(QColor(50, 50, 56));
        painter.drawRect(QRectF(-60, 40, 120, 80));
        break;
    }
    case Device::GponMini: {
        QLinearGradient body(0, -110, 0, 110);
        body.setColorAt(0, QColor(250, 250, 250));
        body.setColorAt(1, QColor(205, 208, 214));
        painter.setBrush(body);
        painter.setPen(QPen(QColor(176, 178, 186), 3));
        painter.drawRoundedRect(QRectF(-160, -110, 320, 220), 24, 24);
        painter.setPen(Qt::NoPen);
        // The green SC/APC connector.
        painter.setBrush(QColor(40, 170, 90));
        painter.drawRoundedRect(QRectF(-40, 60, 80, 90), 10, 10);
        drawLeds(painter, QPointF(-100, -60), 4, 66, QColor(80, 220, 120));
        break;
    }
    }
    painter.end();
    return image;
}

QByteArray encoded(const Photo &photo)
{
    static QHash<QString, QByteArray> made;
    const QString name = QLatin1String(photo.name);
    if (const auto it = made.constFind(name); it != made.constEnd())
        return *it;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, name.endsWith(QLatin1String(".webp")) ? "webp" : "jpeg");
    writer.setQuality(86);
    if (!writer.write(draw(photo.device, photo.view)))
        qWarning("stand-in photo %s: %s", photo.name, qPrintable(writer.errorString()));
    made.insert(name, bytes);
    return bytes;
}

const Photo *findPhoto(const QString &name)
{
    for (const Photo &photo : photos) {
        if (name == QLatin1String(photo.name))
            return &photo;
    }
    return nullptr;
}
} // namespace

bool StandinShop::handles(const QString &path)
{
    return path.startsWith(bucket);
}

StandinSite::Reply StandinShop::reply(const QString &path)
{
    const QString name = path.mid(bucket.size());
    StandinSite::Reply reply;
    if (name == QLatin1String("not-an-image.jpg")) {
        reply.contentType = "image/jpeg";
        reply.body = "<html><body>Не картинка</body></html>";
        return reply;
    }
    const Photo *photo = findPhoto(name == QLatin1String("slow.jpg") ? QString::fromLatin1(photos[8].name) : name);
    if (!photo) {
        reply.status = 404;
        reply.contentType = "application/xml";
        reply.body = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Error><Code>NoSuchKey</Code></Error>";
        return reply;
    }
    if (name == QLatin1String("slow.jpg"))
        reply.delay = slowDelay;
    reply.contentType = name.endsWith(QLatin1String(".webp")) ? "image/webp" : "image/jpeg";
    reply.body = encoded(*photo);
    return reply;
}

QStringList StandinShop::photoPaths()
{
    QStringList paths;
    for (const Photo &photo : photos)
        paths.append(bucket + QLatin1String(photo.name));
    return paths;
}
