#include "serviceshub.h"

#include "servicerouter.h"

namespace
{
ServiceListItem item(const char *id, const char *title, const char *icon, const char *detail, const char *subtitle)
{
    const auto optional = [](const char *text) { return text ? std::optional(QString::fromUtf8(text)) : std::nullopt; };
    return {
        .id = QString::fromLatin1(id),
        .title = QString::fromUtf8(title),
        .icon = QString::fromUtf8(icon),
        .detail = optional(detail),
        .subtitle = optional(subtitle),
    };
}
} // namespace

ServicesHub::ServicesHub(QObject *parent)
    : QObject(parent)
    , m_primary(primaryCatalog())
    , m_services(serviceCatalog())
    , m_promo(promoCatalog())
    , m_shop(shopCatalog())
{
}

QList<ServiceListItem> ServicesHub::primaryCatalog()
{
    return {
        item("myTariff", "Мой тариф", "wifi", "Tarvik 500", "Интернет, телевидение и услуги"),
        item("smartIntercom", "Умный домофон", "door.left.hand.open", nullptr, "Доступ и видеозвонки со смартфона"),
        item(ServiceRouter::partnerTv, "Телевидение", "play.tv", nullptr, "Пакеты 24ТВ и онлайн-кинотеатры"),
    };
}

QList<ServiceListItem> ServicesHub::serviceCatalog()
{
    return {
        item("mobile", "Мобильная связь", "phone", nullptr, "Гигабайты, минуты и перенос номера"),
        item("tariffs", "Тарифы", "speedometer", "500 Мбит/с", "Выбрать скорость и дополнительные пакеты"),
        item("staticIp", "Статические IP-адреса", "network", "0", "Постоянный адрес в интернете"),
        item("voluntaryBlocking", "Добровольная блокировка", "pause.circle", nullptr, "Приостановить услуги на выбранный срок"),
        item("statistics", "Статистика", "chart.pie", nullptr, "Расходы, списания и пополнения"),
    };
}

QList<ServiceListItem> ServicesHub::promoCatalog()
{
    return {item("referral", "Приведи друга", "gift", nullptr, "Скидка 100% вам и 50% другу на 30 дней")};
}

QList<ServiceListItem> ServicesHub::shopCatalog()
{
    return {item("shop", "TarvikShop", "bag", nullptr, "Роутеры и оборудование для дома")};
}

QList<ServiceListItem> ServicesHub::filtered(const QList<ServiceListItem> &items, const QString &query)
{
    const QString trimmed = query.trimmed();
    if (trimmed.isEmpty())
        return items;
    QList<ServiceListItem> kept;
    for (const ServiceListItem &item : items) {
        if (item.matches(trimmed))
            kept.append(item);
    }
    return kept;
}

void ServicesHub::setSearchText(const QString &text)
{
    if (text == m_searchText)
        return;
    m_searchText = text;
    Q_EMIT searchTextChanged();
}

QVariantList ServicesHub::visible(const QList<ServiceListItem> &items) const
{
    QVariantList list;
    for (const ServiceListItem &item : filtered(items, m_searchText))
        list.append(QVariant::fromValue(item));
    return list;
}

QVariantList ServicesHub::primaryItems() const
{
    return visible(m_primary);
}

QVariantList ServicesHub::serviceItems() const
{
    return visible(m_services);
}

QVariantList ServicesHub::promoItems() const
{
    return visible(m_promo);
}

QVariantList ServicesHub::shopItems() const
{
    return visible(m_shop);
}

bool ServicesHub::isEmpty() const
{
    return primaryItems().isEmpty() && serviceItems().isEmpty() && promoItems().isEmpty() && shopItems().isEmpty();
}
