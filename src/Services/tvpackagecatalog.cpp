#include "tvpackagecatalog.h"

#include "russianplural.h"
#include "tarvikaccountdata.h"
#include "theme.h"

namespace {

QColor rgb(double red, double green, double blue)
{
    return QColor::fromRgbF(float(red), float(green), float(blue));
}

QVariantList toVariantList(const QList<TVPackage> &packages)
{
    QVariantList list;
    list.reserve(packages.size());
    for (const TVPackage &package : packages)
        list.append(QVariant::fromValue(package));
    return list;
}

} // namespace

TVPackageCatalog::TVPackageCatalog(QObject *parent)
    : QObject(parent)
{
}

const QList<TVPackage> &TVPackageCatalog::mainCatalog()
{
    static const QList<TVPackage> catalog{
        {QStringLiteral("0"), QStringLiteral("Бесплатный"), QStringLiteral("Общедоступные телеканалы"), QStringLiteral("140+ каналов"), QStringLiteral("0 ₽"), Theme::tarInk()},
        {QStringLiteral("690"), QStringLiteral("Бархатный сезон"), QStringLiteral("24КИНО, Tvigle и максимум тематических каналов"), QStringLiteral("401 канал"),
            QStringLiteral("399 ₽/мес."), Theme::tarPink()},
        {QStringLiteral("500"), QStringLiteral("Основной"), QStringLiteral("24КИНО, Tvigle и каналы разных тематик"), QStringLiteral("450 каналов"),
            QStringLiteral("399 ₽/мес."), rgb(0.73, 0.22, 0.48)},
        {QStringLiteral("514"), QStringLiteral("Стартовый"), QStringLiteral("Эфирное ТВ и минимум из каждой тематики"), QStringLiteral("304 канала"),
            QStringLiteral("249 ₽/мес."), Theme::tarOrange()},
        {QStringLiteral("113"), QStringLiteral("Кино и сериалы"), QStringLiteral("Каналы и популярные онлайн-кинотеатры"), QStringLiteral("466 каналов"),
            QStringLiteral("999 ₽/мес."), rgb(0.28, 0.39, 0.84)},
        {QStringLiteral("334"), QStringLiteral("Максимальный"), QStringLiteral("Кинотеатры, футбол и дополнительные каналы"), QStringLiteral("491 канал"),
            QStringLiteral("1 800 ₽/мес."), rgb(0.30, 0.20, 0.48)},
    };
    return catalog;
}

const QList<TVPackage> &TVPackageCatalog::additionalCatalog()
{
    static const QList<TVPackage> catalog{
        {QStringLiteral("67"), QStringLiteral("AMEDIATEKA"), QStringLiteral("Лучшие сериалы планеты по версии IMDb"), QStringLiteral("2 канала"), QStringLiteral("599 ₽/мес."),
            rgb(0.13, 0.10, 0.20)},
        {QStringLiteral("516"), QStringLiteral("START"), QStringLiteral("Эксклюзивные российские сериалы и фильмы"), QStringLiteral("Онлайн-кинотеатр"),
            QStringLiteral("499 ₽/мес."), rgb(0.18, 0.16, 0.36)},
        {QStringLiteral("290"), QStringLiteral("viju"), QStringLiteral("Кино, сериалы в Full HD без рекламы и каналы viju+"), QStringLiteral("15 каналов"),
            QStringLiteral("299 ₽/мес."), rgb(0.39, 0.20, 0.62)},
        {QStringLiteral("373"), QStringLiteral("Нон-фикшен"), QStringLiteral("Онлайн-кинотеатр Центра документального кино"), QStringLiteral("Онлайн-кинотеатр"),
            QStringLiteral("299 ₽/мес."), rgb(0.16, 0.37, 0.42)},
        {QStringLiteral("6"), QStringLiteral("НАСТРОЙ КИНО!"), QStringLiteral("Новинки проката и фильмы для всей семьи"), QStringLiteral("8 каналов"),
            QStringLiteral("319 ₽/мес."), rgb(0.72, 0.19, 0.23)},
        {QStringLiteral("610"), QStringLiteral("Для взрослых"), QStringLiteral("Телеканалы категории 18+"), QStringLiteral("11 каналов"), QStringLiteral("249 ₽/мес."),
            rgb(0.17, 0.17, 0.20)},
        {QStringLiteral("7"), QStringLiteral("МАТЧ ПРЕМЬЕР"), QStringLiteral("Канал с матчами российской Премьер-лиги"), QStringLiteral("1 канал"),
            QStringLiteral("299 ₽/мес."), rgb(0.09, 0.37, 0.24)},
        {QStringLiteral("4"), QStringLiteral("МАТЧ! ФУТБОЛ"), QStringLiteral("Футбольные каналы в HD"), QStringLiteral("6 каналов"), QStringLiteral("380 ₽/мес."),
            rgb(0.08, 0.31, 0.50)},
        {QStringLiteral("197"), QStringLiteral("Много кино"), QStringLiteral("Кинохиты, боевики и романтические комедии"), QStringLiteral("8 каналов"),
            QStringLiteral("199 ₽/мес."), rgb(0.61, 0.24, 0.47)},
        {QStringLiteral("157"), QStringLiteral("Шант Премиум"), QStringLiteral("Каналы из Армении"), QStringLiteral("5 каналов"), QStringLiteral("299 ₽/мес."),
            rgb(0.22, 0.25, 0.54)},
    };
    return catalog;
}

const QList<TVPackage> &TVPackageCatalog::lkCandidates()
{
    static const QList<TVPackage> candidates = [] {
        QList<TVPackage> rows = mainCatalog();
        rows += additionalCatalog();
        const QString channelCount = QStringLiteral("Каналы 24ТВ");
        rows.append({QStringLiteral("lk-light"), QStringLiteral("Лайт+"), {}, channelCount, {}, Theme::tarPink()});
        rows.append({QStringLiteral("lk-optimum"), QStringLiteral("Оптимум+"), {}, channelCount, {}, Theme::tarOrange()});
        rows.append({QStringLiteral("lk-premium"), QStringLiteral("Премиум"), {}, channelCount, {}, rgb(0.28, 0.39, 0.84)});
        rows.append({QStringLiteral("lk-all"), QStringLiteral("Всё включено"), {}, channelCount, {}, rgb(0.30, 0.20, 0.48)});
        return rows;
    }();
    return candidates;
}

const QHash<QString, QString> &TVPackageCatalog::lkChannelPackageIDs()
{
    static const QHash<QString, QString> aliases{
        {QStringLiteral("лайт"), QStringLiteral("514")},
        {QStringLiteral("оптимум"), QStringLiteral("500")},
        {QStringLiteral("премиум"), QStringLiteral("690")},
        {QStringLiteral("всевключено"), QStringLiteral("334")},
    };
    return aliases;
}

TVPackage TVPackageCatalog::packageWithId(const QString &id)
{
    for (const TVPackage &package : lkCandidates()) {
        if (package.id == id)
            return package;
    }
    return {};
}

TVPackage TVPackageCatalog::accountPackage(const AccountTVPackage &package)
{
    const QString &cost = package.cost;
    return {
        .id = package.id,
        .title = package.title,
        .description = QStringLiteral("Пакет 24ТВ"),
        .channelCount = package.channelCount.isEmpty()
            ? QStringLiteral("Каналы 24ТВ")
            : RussianPlural::countFromText(package.channelCount, QStringLiteral("канал"), QStringLiteral("канала"), QStringLiteral("каналов")),
        .price = cost == TarvikAccountData::noValue ? cost : cost + QStringLiteral(" ₽/мес."),
        .color = Theme::tarPink(),
    };
}

QVariantList TVPackageCatalog::mainCatalogVariant()
{
    return toVariantList(mainCatalog());
}

QVariantList TVPackageCatalog::additionalCatalogVariant()
{
    return toVariantList(additionalCatalog());
}

QVariantList TVPackageCatalog::lkCandidatesVariant()
{
    return toVariantList(lkCandidates());
}
