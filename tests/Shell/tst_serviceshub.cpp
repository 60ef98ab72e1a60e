#include "servicerouter.h"
#include "serviceshub.h"

#include <QSet>
#include <QSignalSpy>
#include <QTest>

namespace
{
QStringList titles(const QVariantList &items)
{
    QStringList list;
    for (const QVariant &item : items)
        list.append(item.value<ServiceListItem>().title);
    return list;
}
} // namespace

// The services hub's search over its four groups, and the router by the rows' ids.
class ServicesHubTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void search_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QStringList>("primary");
        QTest::addColumn<QStringList>("services");
        QTest::addColumn<QStringList>("promo");
        QTest::addColumn<QStringList>("shop");
        const QStringList allPrimary{QStringLiteral("Мой тариф"), QStringLiteral("Умный домофон"), QStringLiteral("Телевидение")};
        const QStringList allServices{QStringLiteral("Мобильная связь"), QStringLiteral("Тарифы"), QStringLiteral("Статические IP-адреса"),
                                      QStringLiteral("Добровольная блокировка"), QStringLiteral("Статистика")};
        const QStringList allPromo{QStringLiteral("Приведи друга")};
        const QStringList allShop{QStringLiteral("TarvikShop")};

        QTest::newRow("empty") << QString() << allPrimary << allServices << allPromo << allShop;
        QTest::newRow("blank") << QStringLiteral("  \n\t ") << allPrimary << allServices << allPromo << allShop;
        QTest::newRow("by detail only") << QStringLiteral("500") << QStringList{QStringLiteral("Мой тариф")}
                                        << QStringList{QStringLiteral("Тарифы")} << QStringList() << QStringList();
        QTest::newRow("by subtitle only") << QStringLiteral("номер") << QStringList() << QStringList{QStringLiteral("Мобильная связь")}
                                          << QStringList() << QStringList();
        QTest::newRow("capitals") << QStringLiteral("ТАРИФ") << QStringList{QStringLiteral("Мой тариф")} << QStringList{QStringLiteral("Тарифы")}
                                  << QStringList() << QStringList();
        QTest::newRow("trimmed") << QStringLiteral("  блок\n") << QStringList() << QStringList{QStringLiteral("Добровольная блокировка")}
                                 << QStringList() << QStringList();
        QTest::newRow("latin, any case") << QStringLiteral("tARVIK") << QStringList{QStringLiteral("Мой тариф")} << QStringList()
                                         << QStringList() << allShop;
        QTest::newRow("a detail that is a digit") << QStringLiteral("0") << QStringList{QStringLiteral("Мой тариф")}
                                                  << QStringList{QStringLiteral("Тарифы"), QStringLiteral("Статические IP-адреса")}
                                                  << QStringList{QStringLiteral("Приведи друга")} << QStringList();
        // "умный" with its й typed as и and a combining breve
        QTest::newRow("decomposed letters") << QString::fromUtf8("умныи\u0306") << QStringList{QStringLiteral("Умный домофон")}
                                            << QStringList() << QStringList() << QStringList();
        QTest::newRow("no match") << QStringLiteral("роуминг") << QStringList() << QStringList() << QStringList() << QStringList();
    }
    void search()
    {
        QFETCH(QString, query);
        QFETCH(QStringList, primary);
        QFETCH(QStringList, services);
        QFETCH(QStringList, promo);
        QFETCH(QStringList, shop);
        ServicesHub hub;
        QSignalSpy changed(&hub, &ServicesHub::searchTextChanged);
        hub.setSearchText(query);
        QCOMPARE(changed.count(), query.isEmpty() ? 0 : 1);
        QCOMPARE(titles(hub.primaryItems()), primary);
        QCOMPARE(titles(hub.serviceItems()), services);
        QCOMPARE(titles(hub.promoItems()), promo);
        QCOMPARE(titles(hub.shopItems()), shop);
        QCOMPARE(hub.isEmpty(), primary.isEmpty() && services.isEmpty() && promo.isEmpty() && shop.isEmpty());
    }

    // Every row of the hub opens its own screen, by its id.
    void router_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("entry");
        QTest::newRow("intercom") << QStringLiteral("Умный домофон") << QStringLiteral("smartIntercom");
        QTest::newRow("television") << QStringLiteral("Телевидение") << QStringLiteral("televisionService");
        QTest::newRow("mobile") << QStringLiteral("Мобильная связь") << QStringLiteral("mobileService");
        QTest::newRow("static ip") << QStringLiteral("Статические IP-адреса") << QStringLiteral("staticIpOrder");
        QTest::newRow("blocking") << QStringLiteral("Добровольная блокировка") << QStringLiteral("voluntaryBlocking");
        QTest::newRow("shop") << QStringLiteral("TarvikShop") << QStringLiteral("shop");
        QTest::newRow("my tariff") << QStringLiteral("Мой тариф") << QStringLiteral("tariffManagement");
        QTest::newRow("tariffs") << QStringLiteral("Тарифы") << QStringLiteral("tariffSelection");
        QTest::newRow("statistics") << QStringLiteral("Статистика") << QStringLiteral("statistics");
        QTest::newRow("referral") << QStringLiteral("Приведи друга") << QStringLiteral("referralFriend");
    }
    void router()
    {
        QFETCH(QString, title);
        QFETCH(QString, entry);
        const QList<ServiceListItem> rows = ServicesHub::primaryCatalog() + ServicesHub::serviceCatalog() + ServicesHub::promoCatalog()
            + ServicesHub::shopCatalog();
        const auto row = std::find_if(rows.cbegin(), rows.cend(), [&](const ServiceListItem &item) { return item.title == title; });
        QVERIFY(row != rows.cend());
        QCOMPARE(ServiceRouter::entry(row->id), entry);
        QVERIFY(ServiceRouter::properties(*row).isEmpty());
        // A new title changes nothing.
        ServiceListItem renamed = *row;
        renamed.title = QStringLiteral("Другое название");
        QCOMPARE(ServiceRouter::entry(renamed.id), entry);
    }

    // Ids are distinct, and any id without a screen of its own (the title does not count) opens
    // the generic card with the row's title and icon.
    void otherIdsOpenTheGenericCard()
    {
        QSet<QString> ids;
        for (const ServiceListItem &item : ServicesHub::primaryCatalog() + ServicesHub::serviceCatalog() + ServicesHub::promoCatalog()
                 + ServicesHub::shopCatalog())
            ids.insert(item.id);
        QCOMPARE(ids.size(), 10);
        for (const QString &id : {QStringLiteral("Тарифы"), QStringLiteral("Tariffs"), QStringLiteral("antivirus"), QString()}) {
            QCOMPARE(ServiceRouter::entry(id), QStringLiteral("homeServiceDetail"));
            QCOMPARE(ServiceRouter::properties({.id = id, .title = QStringLiteral("Антивирус"), .icon = QStringLiteral("gift")}),
                     (QVariantMap{{QStringLiteral("title"), QStringLiteral("Антивирус")},
                                  {QStringLiteral("subtitle"), QStringLiteral("Управление услугой Tarvik")},
                                  {QStringLiteral("icon"), QStringLiteral("gift")}}));
        }
    }
};

QTEST_MAIN(ServicesHubTest)
#include "tst_serviceshub.moc"
