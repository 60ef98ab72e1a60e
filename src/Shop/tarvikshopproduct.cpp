#include "tarvikshopproduct.h"

#include "jsonfields.h"

#include <QHashFunctions>

#ifndef TARVIK_SHOP_IMAGE_HOST
#error "TARVIK_SHOP_IMAGE_HOST must be defined by the build"
#endif

namespace
{
QString &imageHostSetting()
{
    static QString host = QStringLiteral(TARVIK_SHOP_IMAGE_HOST);
    return host;
}

bool &catalogBuilt()
{
    static bool built = false;
    return built;
}

TarvikShopProduct product(qint64 id, QString name, QString price, QString description, const QStringList &imagePaths,
                          QList<TarvikShopSpecification> specifications, QList<TarvikShopReview> reviews)
{
    QStringList imageURLs;
    for (const QString &path : imagePaths)
        imageURLs.append(QStringLiteral("https://") + imageHostSetting() + path);
    return {
        .id = id,
        .name = std::move(name),
        .description = std::move(description),
        .price = std::move(price),
        .imageURLs = imageURLs,
        .specifications = std::move(specifications),
        .reviews = std::move(reviews),
    };
}

QList<TarvikShopProduct> buildCatalog()
{
    return {
        product(1, QStringLiteral("SNR AX2"), QStringLiteral("4 500 ₽"),
                QStringLiteral("Высокопроизводительный гигабитный роутер класса AX3000 с Wi‑Fi 6 и российской операционной системой EasyWRT. Подходит для домашней сети и обеспечивает суммарную беспроводную скорость почти до 3 Гбит/с."),
                {
                    QStringLiteral("/kestrabay-shop-bucket/SNR-RT622-G41_1-01M0FHA8793WYPY8AKYD3RYAN6.webp"),
                    QStringLiteral("/kestrabay-shop-bucket/SNR-RT622-G41_2-01M0FHA87N8QWD68RKWK5RT3DS.webp"),
                    QStringLiteral("/kestrabay-shop-bucket/SNR-RT622-G41_3-01M0FHA87P293AVB6064JHZ4QY.webp"),
                    QStringLiteral("/kestrabay-shop-bucket/SNR-RT622-G41_4-01M0FHA87QT6XZD188X2R8RZ3E.webp"),
                    QStringLiteral("/kestrabay-shop-bucket/SNR-RT622-G41_5-01M0FHA87RNK8DWJ0VA9DRAW7D.webp"),
                },
                {
                    {QStringLiteral("Модель"), QStringLiteral("SNR‑RT622‑G41")},
                    {QStringLiteral("Класс Wi‑Fi"), QStringLiteral("AX3000, Wi‑Fi 6")},
                    {QStringLiteral("Скорость 5 ГГц"), QStringLiteral("до 2402 Мбит/с")},
                    {QStringLiteral("Скорость 2,4 ГГц"), QStringLiteral("до 574 Мбит/с")},
                    {QStringLiteral("Порты"), QStringLiteral("1×WAN + 4×LAN, 1 Гбит/с")},
                    {QStringLiteral("Антенны"), QStringLiteral("4 внешние, 5 dBi")},
                    {QStringLiteral("Технологии"), QStringLiteral("MU‑MIMO 2×2, OFDMA, Mesh")},
                    {QStringLiteral("Защита"), QStringLiteral("WPA3, гостевая сеть")},
                    {QStringLiteral("Размеры"), QStringLiteral("24 × 23 × 6 см")},
                    {QStringLiteral("Вес"), QStringLiteral("700 г")},
                },
                {
                    {1, QStringLiteral("Алексей"), 5, QStringLiteral("Пример отзыва: стабильный сигнал во всей квартире, настройка заняла несколько минут.")},
                    {2, QStringLiteral("Марина"), 5, QStringLiteral("Пример отзыва: устройства быстро подключились, скорость по Wi‑Fi заметно выросла.")},
                }),
        product(2, QStringLiteral("SberBox SBDV‑00005"), QStringLiteral("4 500 ₽"),
                QStringLiteral("Умная медиаприставка 4K на операционной системе Салют ТВ. Открывает доступ к онлайн‑кинотеатрам, видеосервисам, музыке, играм и приложениям, а голосовые ассистенты Салют помогают управлять контентом и устройствами умного дома."),
                {
                    QStringLiteral("/kestrabay-shop-bucket/221915_webp_90-01M0FMVQFKA00X3C64DCE74SG9.webp"),
                    QStringLiteral("/kestrabay-shop-bucket/222009_webp_90-01M0FMVQFNHD1TNNQ864YAZ2BA.webp"),
                    QStringLiteral("/kestrabay-shop-bucket/222047_webp_90-01M0FMVQFP8PAEHCJZ6675Z8E3.webp"),
                },
                {
                    {QStringLiteral("Модель"), QStringLiteral("SBDV‑00005")},
                    {QStringLiteral("Разрешение"), QStringLiteral("до 4K")},
                    {QStringLiteral("Операционная система"), QStringLiteral("Салют ТВ")},
                    {QStringLiteral("Оперативная память"), QStringLiteral("2 ГБ")},
                    {QStringLiteral("Встроенная память"), QStringLiteral("16 ГБ")},
                    {QStringLiteral("Управление"), QStringLiteral("Пульт и ассистенты Салют")},
                    {QStringLiteral("Размеры упаковки"), QStringLiteral("19 × 18 × 5 см")},
                    {QStringLiteral("Вес"), QStringLiteral("400 г")},
                },
                {
                    {5, QStringLiteral("Ольга"), 5, QStringLiteral("Пример отзыва: удобное меню, фильмы и приложения запускаются быстро.")},
                    {6, QStringLiteral("Сергей"), 5, QStringLiteral("Пример отзыва: компактная приставка, голосовой поиск особенно удобен вечером.")},
                }),
        product(101, QStringLiteral("XDT ONT xPON T51XA"), QStringLiteral("2 300 ₽"),
                QStringLiteral("Универсальный оптический терминал GEPON/GPON. Преобразует оптический сигнал провайдера в Ethernet и работает как компактная «оптическая розетка» для подключения роутера или компьютера."),
                {
                    QStringLiteral("/kestrabay-shop-bucket/xdt_ont_t51xa_1-01M1C77KTRKMBR2JYR2CBQXTSC.jpg"),
                    QStringLiteral("/kestrabay-shop-bucket/xdt_ont_t51xa_2-01M1C77KTV03MZSRZ22VYT3ES7.jpg"),
                    QStringLiteral("/kestrabay-shop-bucket/xdt_ont_t51xa_3-01M1C77KTY3WGAFFPJZ7VMJ53V.jpg"),
                    QStringLiteral("/kestrabay-shop-bucket/xdt_ont_t51xa_4-01M1C77KTZXR3KECT61VHK9515.jpg"),
                },
                {
                    {QStringLiteral("Стандарты"), QStringLiteral("GEPON / GPON")},
                    {QStringLiteral("Ethernet"), QStringLiteral("1×GE RJ45")},
                    {QStringLiteral("Оптический разъём"), QStringLiteral("SC/APC, зелёный")},
                    {QStringLiteral("Размеры"), QStringLiteral("13 × 12 × 10 см")},
                    {QStringLiteral("Вес"), QStringLiteral("400 г")},
                },
                {
                    {3, QStringLiteral("Дмитрий"), 5, QStringLiteral("Пример отзыва: компактный корпус, удобно подключить к своему роутеру.")},
                    {4, QStringLiteral("Ирина"), 4, QStringLiteral("Пример отзыва: занимает мало места и работает стабильно после настройки специалистом.")},
                }),
        product(102, QStringLiteral("APS ONU GPON Mini"), QStringLiteral("2 300 ₽"),
                QStringLiteral("Компактный абонентский GPON‑терминал для подключения интернета в режиме моста. Гигабитный Ethernet‑порт позволяет использовать устройство вместе с собственным роутером."),
                {
                    QStringLiteral("/kestrabay-shop-bucket/snr-onu-gpon-1g-min-apc_1-01M0FQT6T3B86WX7G2DBBX6E4V.jpg"),
                    QStringLiteral("/kestrabay-shop-bucket/snr-onu-gpon-1g-min-apc_2-01M0FQT6T5HFTS652D0RKHNJYY.jpg"),
                    QStringLiteral("/kestrabay-shop-bucket/snr-onu-gpon-1g-min-apc_3-01M0FQT6T6GDPEGRCZNNWHQ61V.jpg"),
                    QStringLiteral("/kestrabay-shop-bucket/snr-onu-gpon-1g-min-apc_4-01M0FQT6T77PH0ZP8SS2YJJCP5.jpg"),
                    QStringLiteral("/kestrabay-shop-bucket/snr-onu-gpon-1g-min-apc_5-01M0FQT6T85PFARRH7XK6S8173.jpg"),
                },
                {
                    {QStringLiteral("Стандарт"), QStringLiteral("GPON")},
                    {QStringLiteral("Режим"), QStringLiteral("Bridge")},
                    {QStringLiteral("Ethernet"), QStringLiteral("1×10/100/1000Base‑T")},
                    {QStringLiteral("Оптический разъём"), QStringLiteral("SC/APC, зелёный")},
                    {QStringLiteral("Размеры"), QStringLiteral("12 × 11 × 8 см")},
                    {QStringLiteral("Вес"), QStringLiteral("300 г")},
                },
                {
                    {3, QStringLiteral("Дмитрий"), 5, QStringLiteral("Пример отзыва: компактный корпус, удобно подключить к своему роутеру.")},
                    {4, QStringLiteral("Ирина"), 4, QStringLiteral("Пример отзыва: занимает мало места и работает стабильно после настройки специалистом.")},
                }),
    };
}
} // namespace

const QList<TarvikShopProduct> &TarvikShopProduct::catalog()
{
    static const QList<TarvikShopProduct> products = [] {
        catalogBuilt() = true;
        return buildCatalog();
    }();
    return products;
}

QString TarvikShopProduct::imageHost()
{
    return imageHostSetting();
}

bool TarvikShopProduct::setImageHost(const QString &host)
{
    if (catalogBuilt())
        return false;
    imageHostSetting() = host;
    return true;
}

QJsonObject TarvikShopProduct::toJson() const
{
    return {
        {QStringLiteral("id"), id},
        {QStringLiteral("name"), name},
        {QStringLiteral("description"), description},
        {QStringLiteral("price"), price},
        {QStringLiteral("imageURLs"), QJsonArray::fromStringList(imageURLs)},
        {QStringLiteral("specifications"), JsonFields::toArray(specifications)},
        {QStringLiteral("reviews"), JsonFields::toArray(reviews)},
    };
}

std::optional<TarvikShopProduct> TarvikShopProduct::fromJson(const QJsonValue &json)
{
    using JsonFields::read;
    const QJsonObject object = json.toObject();
    TarvikShopProduct product;
    if (!json.isObject() || !read(object, "id", product.id) || !read(object, "name", product.name)
        || !read(object, "description", product.description) || !read(object, "price", product.price)
        || !read(object, "imageURLs", product.imageURLs) || !read(object, "specifications", product.specifications)
        || !read(object, "reviews", product.reviews))
        return std::nullopt;
    return product;
}

QVariantList TarvikShopProduct::specificationList() const
{
    QVariantList list;
    for (const TarvikShopSpecification &specification : specifications)
        list.append(QVariant::fromValue(specification));
    return list;
}

QVariantList TarvikShopProduct::reviewList() const
{
    QVariantList list;
    for (const TarvikShopReview &review : reviews)
        list.append(QVariant::fromValue(review));
    return list;
}

size_t qHash(const TarvikShopProduct &product, size_t seed)
{
    return qHashMulti(seed, product.id, product.name, product.description, product.price, product.imageURLs, product.specifications,
                      product.reviews);
}
