#include "standinpartnertv.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>

namespace StandinPartnerTV
{
namespace
{
StandinSite::Reply html(const QByteArray &body, int status = 200)
{
    StandinSite::Reply reply;
    reply.status = status;
    reply.contentType = "text/html; charset=utf-8";
    reply.body = body;
    return reply;
}

const QByteArray pageStyle = R"(<style>
body{margin:0;font-family:sans-serif;background:#f4f2f7;color:#1d1b2e}
header{display:flex;align-items:center;justify-content:space-between;gap:12px;padding:12px 16px;background:#1d1b2e;color:#fff}
header a,header button{color:#fff;background:none;border:0;font-size:14px;text-decoration:none}
header nav{display:flex;gap:10px;flex-wrap:wrap}
main{padding:16px}
h1{font-size:24px;margin:8px 0}
.items{display:grid;gap:12px}
.item{background:#fff;border-radius:16px;padding:14px}
.item h3{margin:0 0 6px}
.item a,.cta{display:inline-block;margin-top:8px;padding:10px 14px;border-radius:12px;background:#ff2d78;color:#fff;text-decoration:none;border:0;font:inherit;font-size:15px}
.contacts a{display:block;margin:6px 0;color:#ff2d78}
</style>)";

// The sister brand's landing page of the partner service, as its markup stood: the header logo
// and controls, sign-in links, package cards (one without a heading), the brand's texts, phone
// and links to its personal account and web site; a card and a text that arrive later.
QByteArray catalogPage()
{
    return "<!doctype html><html lang=\"ru\"><head><meta charset=\"utf-8\">"
           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\"><title>24ТВ от Kestra Bay</title>"
        + pageStyle + R"(</head><body>
<header>
  <div class="logo"><a href="https://kestrabay.ru/"><img src="/images/kestrabay-logo.svg" alt="Kestra Bay" width="120"></a></div>
  <nav>
    <a href="https://kestrabay.ru/gifts" id="gifts">Подарки</a>
    <button id="promo">Промокод</button>
    <a href="https://lk.kestrabay.ru/" id="cabinet">Личный   кабинет</a>
    <a href="https://24tv.ru/login" class="sign-in" id="header-sign-in">Войти</a>
    <a href="https://kestrabay.ru/tv" id="tariffs">Тарифы</a>
  </nav>
</header>
<main>
  <h1 id="headline">24ТВ от Kestra Bay</h1>
  <p id="intro">Более 400 каналов и онлайн-кинотеатры вместе с KESTRA BAY. Услугу оказывает АО «Дальверия».</p>
  <a href="https://24tv.ru/signin" class="sign-in cta" id="sign-in">Войти в 24ТВ</a>
  <div class="items">
    <div class="item"><h3>Лайт+</h3><p>Эфирное ТВ и популярные тематические каналы</p><a href="#" class="btn_open_modal_packet" id="packet-light">Подробнее</a></div>
    <div class="item"><h3>Оптимум+</h3><p>Кино, спорт и детские каналы</p><a href="#" class="btn_open_modal_packet" id="packet-optimum">Подробнее</a></div>
    <div class="item"><h3>  Премиум  </h3><p>Максимум каналов и кинотеатров</p><a href="#" class="btn_open_modal_packet" id="packet-premium">Подробнее</a></div>
    <div class="item"><h3>Всё включено</h3><p>Все каналы и кинотеатры 24ТВ</p><a href="#" class="btn_open_modal_packet" id="packet-all">Подробнее</a></div>
    <div class="item"><p>Пакет без названия</p><a href="#" class="btn_open_modal_packet" id="packet-untitled">Подробнее</a></div>
  </div>
  <section class="contacts">
    <p id="phone-text">Телефон поддержки: 8 (495) 907-31-31</p>
    <a href="tel:84959073131" id="phone">8 (495) 907-31-31</a>
    <a href="https://lk.kestrabay.ru/24tv.jsp?from=landing" id="account-tv">Подключить в личном кабинете</a>
    <a href="https://KestraBay.ru/about?from=24tv#team" id="about">О компании</a>
    <a href="https://kestrabayXru/news" id="lookalike">Похожий адрес</a>
  </section>
  <footer id="footer">© АО "Дальверия", Kestra Bay</footer>
</main>
<script>
setTimeout(function () {
  var card = document.createElement("div");
  card.className = "item";
  card.id = "late-card";
  card.innerHTML = '<h3>Кино и сериалы</h3><p>Позже пришедший пакет от Kestra Bay</p><a href="#" class="btn_open_modal_packet" id="packet-late">Подробнее</a>';
  document.querySelector(".items").appendChild(card);
}, 200);
</script>
</body></html>)";
}

// The partner's page of one package: a header with its home link and account controls, and the
// connect, watch and preview controls.
QByteArray packagePage(const QString &digits)
{
    return "<!doctype html><html lang=\"ru\"><head><meta charset=\"utf-8\">"
           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\"><title>Пакет 24ТВ</title>"
        + pageStyle + R"(</head><body>
<header>
  <a href="/" id="home"><img src="/images/24tv/logo.svg" alt="24ТВ" width="60"></a>
  <nav>
    <a href="/gift" id="gift">Подарить подписку</a>
    <button aria-label="Login" id="login">&#9786;</button>
    <a href="/profile" title="My account" id="account">Профиль</a>
    <a href="/packets" id="all-packets">Все пакеты</a>
  </nav>
</header>
<main>
  <h1 id="packet">Пакет №)"
        + digits.toUtf8() + R"(</h1>
  <p>Каналы и онлайн-кинотеатры в одной подписке.</p>
  <button class="cta" id="connect" onclick="document.getElementById('state').textContent='page-connect'">Подключить пакет</button>
  <a href="/watch" class="cta" id="watch-free">Смотреть бесплатно</a>
  <button class="cta" id="preview" onclick="document.getElementById('state').textContent='preview'">Посмотреть</button>
  <p id="state"></p>
</main>
</body></html>)";
}

QByteArray productLogo()
{
    return R"(<svg xmlns="http://www.w3.org/2000/svg" width="192" height="36" viewBox="0 0 192 36"><rect width="36" height="36" rx="10" fill="#ff2d78"/><text x="46" y="27" font-family="sans-serif" font-size="26" font-weight="700" fill="#1d1b2e">Tarvik</text></svg>)";
}

QByteArray partnerLogo()
{
    return R"(<svg xmlns="http://www.w3.org/2000/svg" width="60" height="30" viewBox="0 0 60 30"><rect width="60" height="30" rx="8" fill="#ff4f00"/><text x="8" y="22" font-family="sans-serif" font-size="18" font-weight="700" fill="#fff">24ТВ</text></svg>)";
}

QByteArray sisterLogo()
{
    return R"(<svg xmlns="http://www.w3.org/2000/svg" width="120" height="30" viewBox="0 0 120 30"><text x="0" y="22" font-family="sans-serif" font-size="20" font-weight="700" fill="#3fb6ff">Kestra Bay</text></svg>)";
}

// A small picture drawn without fonts: a rounded tile in `colour` with a play mark, white or cut
// out (the touch icon, which the pages turn white, keeps its shape that way).
QImage picture(QSize size, QColor colour, bool cutOut = false)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    const QRectF tile = QRectF(image.rect()).adjusted(size.width() * 0.1, size.height() * 0.1, -size.width() * 0.1, -size.height() * 0.1);
    painter.drawRoundedRect(tile, tile.height() * 0.2, tile.height() * 0.2);
    painter.setBrush(Qt::white);
    if (cutOut)
        painter.setCompositionMode(QPainter::CompositionMode_Clear);
    const QPointF c = tile.center();
    const qreal r = tile.height() * 0.25;
    painter.drawPolygon(QPolygonF { { c.x() - r * 0.6, c.y() - r }, { c.x() - r * 0.6, c.y() + r }, { c.x() + r, c.y() } });
    painter.end();
    return image;
}

StandinSite::Reply imageReply(const QImage &image, const char *format, const QByteArray &contentType)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    StandinSite::Reply reply;
    reply.headers.append({ QByteArray("Cache-Control"), QByteArray("max-age=3600") });
    if (image.save(&buffer, format)) {
        reply.contentType = contentType;
    } else {
        // Without a WebP writer the picture goes out as PNG; browsers and Qt read it by content.
        bytes.clear();
        buffer.seek(0);
        image.save(&buffer, "PNG");
        reply.contentType = "image/png";
    }
    reply.body = bytes;
    return reply;
}

StandinSite::Reply channelLogo(const QString &path)
{
    // The colour follows the file name, so that neighbouring tiles differ.
    const QByteArray digest = QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Md5);
    const QColor colour = QColor::fromHsv(quint8(digest.at(0)) * 360 / 256, 150, 200);
    return imageReply(picture({ 120, 68 }, colour), "WEBP", "image/webp");
}
} // namespace

std::optional<StandinSite::Reply> reply(const QString &path)
{
    static const QRegularExpression packagePath(QStringLiteral("^/packets/1_([0-9]*)$"));
    static const QRegularExpression logoPath(QStringLiteral("^/img/ch/[0-9a-f]{2}/[0-9a-f]{2}/[0-9a-f]{32}\\.png$"));
    if (path == QLatin1String("/24tv/index.html"))
        return html(catalogPage());
    if (const auto match = packagePath.match(path); match.hasMatch()) {
        if (match.captured(1).isEmpty())
            return html("<!doctype html><html><body><h1>Пакет не найден</h1></body></html>", 404);
        return html(packagePage(match.captured(1)));
    }
    if (path == QLatin1String("/images/24tv/apple-touch-icon-180x180.png"))
        return imageReply(picture({ 180, 180 }, QColor(0xff, 0x4f, 0x00), true), "PNG", "image/png");
    if (path == QLatin1String("/images/tarvik-logo.svg") || path == QLatin1String("/images/24tv/logo.svg")
        || path == QLatin1String("/images/kestrabay-logo.svg")) {
        StandinSite::Reply svg;
        svg.contentType = "image/svg+xml";
        svg.body = path.endsWith(QLatin1String("tarvik-logo.svg")) ? productLogo()
            : path.contains(QLatin1String("24tv"))                 ? partnerLogo()
                                                                   : sisterLogo();
        return svg;
    }
    if (path == QLatin1String(missingLogoPath)) {
        StandinSite::Reply missing;
        missing.status = 404;
        missing.contentType = "text/plain; charset=utf-8";
        missing.body = "Not found";
        return missing;
    }
    if (logoPath.match(path).hasMatch())
        return channelLogo(path);
    return std::nullopt;
}

std::chrono::milliseconds delay(const QString &path)
{
    return path == QLatin1String(slowLogoPath) ? slowLogoDelay : std::chrono::milliseconds { 0 };
}
} // namespace StandinPartnerTV
