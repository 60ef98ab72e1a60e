#include "tvchannel.h"
#include "tvpackagecatalog.h"
#include "tvpackageresolver.h"

#include "theme.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

class TestTVCatalog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void catalogsHaveUniqueKeysInOrder()
    {
        const auto &main = TVPackageCatalog::mainCatalog();
        const auto &additional = TVPackageCatalog::additionalCatalog();
        const auto &candidates = TVPackageCatalog::lkCandidates();
        QCOMPARE(main.size(), 6);
        QCOMPARE(additional.size(), 10);
        QCOMPARE(candidates.size(), 20);
        QCOMPARE(candidates.mid(0, 6), main);
        QCOMPARE(candidates.mid(6, 10), additional);
        QSet<QString> ids;
        QSet<QString> titles;
        for (const TVPackage &package : candidates) {
            QVERIFY2(!package.id.isEmpty(), qPrintable(package.title));
            ids.insert(package.id);
            titles.insert(package.title);
            QVERIFY(package.color.isValid());
        }
        QCOMPARE(ids.size(), candidates.size());
        QCOMPARE(titles.size(), candidates.size());
        // Built once: the same object on every read.
        QCOMPARE(&TVPackageCatalog::lkCandidates(), &candidates);
    }

    void aliasesPointAtBasePackages()
    {
        const auto &aliases = TVPackageCatalog::lkChannelPackageIDs();
        QCOMPARE(aliases.size(), 4);
        for (auto it = aliases.cbegin(); it != aliases.cend(); ++it) {
            const auto &main = TVPackageCatalog::mainCatalog();
            const bool found = std::any_of(main.cbegin(), main.cend(), [&](const TVPackage &p) { return p.id == it.value(); });
            QVERIFY2(found, qPrintable(it.key()));
        }
        QCOMPARE(TVPackageCatalog::packageWithId(QStringLiteral("514")).title, QStringLiteral("Стартовый"));
        QVERIFY(TVPackageCatalog::packageWithId(QStringLiteral("nope")).id.isEmpty());
    }

    void monthlyPrice_data()
    {
        QTest::addColumn<QString>("price");
        QTest::addColumn<qint64>("rubles");
        QTest::newRow("thousands") << QStringLiteral("1 800 ₽/мес.") << qint64(1800);
        QTest::newRow("free") << QStringLiteral("0 ₽") << qint64(0);
        QTest::newRow("empty") << QString() << qint64(0);
        QTest::newRow("store dash") << QStringLiteral("—") << qint64(0);
        QTest::newRow("overflow") << QStringLiteral("99999999999999999999 ₽") << qint64(0);
    }

    void monthlyPrice()
    {
        QFETCH(QString, price);
        QFETCH(qint64, rubles);
        TVPackage package;
        package.price = price;
        QCOMPARE(package.monthlyPrice(), rubles);
    }

    void catalogPrices()
    {
        qint64 sum = 0;
        for (const TVPackage &package : TVPackageCatalog::mainCatalog())
            sum += package.monthlyPrice();
        QCOMPARE(sum, qint64(0 + 399 + 399 + 249 + 999 + 1800));
        for (const TVPackage &package : TVPackageCatalog::lkCandidates().mid(16))
            QCOMPARE(package.monthlyPrice(), qint64(0));
    }

    // Every list of the 16 packages resolves in full; sizes, repeats and exclusions as the partner lists them.
    void channelLists_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("entries");
        QTest::addColumn<int>("distinct");
        const QList<std::tuple<const char *, int, int>> rows{{"0", 140, 139}, {"4", 6, 6}, {"6", 8, 8}, {"7", 1, 1},
            {"67", 2, 2}, {"113", 466, 464}, {"157", 5, 5}, {"197", 8, 8}, {"290", 15, 14}, {"334", 491, 488},
            {"373", 0, 0}, {"500", 450, 448}, {"514", 304, 303}, {"516", 0, 0}, {"610", 11, 11}, {"690", 401, 398}};
        for (const auto &[code, entries, distinct] : rows)
            QTest::newRow(code) << QString::fromLatin1(code) << entries << distinct;
    }

    void channelLists()
    {
        QFETCH(QString, code);
        QFETCH(int, entries);
        QFETCH(int, distinct);
        const QList<TVChannel> channels = TVChannel::channels(code);
        QCOMPARE(channels.size(), entries);
        QSet<QString> names;
        static const QRegularExpression logoShape(
            QStringLiteral("^https://[^/]+/img/ch/([0-9a-f]{2})/([0-9a-f]{2})/(\\1\\2[0-9a-f]{28})\\.png\\?w=570&format=webp$"));
        for (const TVChannel &channel : channels) {
            names.insert(channel.name);
            QVERIFY2(logoShape.match(channel.logo).hasMatch(), qPrintable(channel.logo));
            const auto inCatalog = TVChannel::channel(channel.name);
            QVERIFY2(inCatalog && *inCatalog == channel, qPrintable(channel.name));
        }
        QCOMPARE(names.size(), distinct);
        // Every package that has a package code in the catalogs is offered by them.
        QVERIFY(!TVPackageCatalog::packageWithId(code).id.isEmpty());
    }

    // The compiled tables hold every channel of the list with its logo, and each package's channels by
    // name: a place counted wrong by the generator shows here as another channel.
    void tablesFollowTheList()
    {
        QFile file(QStringLiteral(TVCHANNEL_LIST));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QJsonObject list = QJsonDocument::fromJson(file.readAll()).object();
        const QJsonArray channels = list.value(QStringLiteral("channels")).toArray();
        QCOMPARE(TVChannel::catalogSize(), channels.size());
        for (const QJsonValue &entry : channels) {
            const QString name = entry[QStringLiteral("name")].toString();
            const QString hash = entry[QStringLiteral("logo")].toString();
            const auto channel = TVChannel::channel(name);
            QVERIFY2(channel, qPrintable(name));
            QVERIFY2(channel->logo.contains(QLatin1Char('/') + hash + QStringLiteral(".png")), qPrintable(name));
        }
        const QJsonArray packages = list.value(QStringLiteral("packages")).toArray();
        QVERIFY(!packages.isEmpty());
        for (const QJsonValue &package : packages) {
            const QString code = package[QStringLiteral("code")].toString();
            QStringList listed;
            for (const QJsonValue &name : package[QStringLiteral("channels")].toArray())
                listed.append(name.toString());
            QStringList compiled;
            for (const TVChannel &channel : TVChannel::channels(code))
                compiled.append(channel.name);
            QCOMPARE(compiled, listed);
        }
    }

    void channelCatalogSpecifics()
    {
        QCOMPARE(TVChannel::catalogSize(), 489);
        QVERIFY(TVChannel::channel(QStringLiteral("Первый канал"))->logo.endsWith(
            QStringLiteral("/img/ch/57/70/5770e89903dc38b2671a108c7e13944e.png?w=570&format=webp")));
        const QList<TVChannel> viju = TVChannel::channels(QStringLiteral("290"));
        QCOMPARE(viju.at(0).name, QStringLiteral("viju+ Sport"));
        QCOMPARE(viju.at(5).name, QStringLiteral("viju+ Sport"));
        const QList<TVChannel> maximal = TVChannel::channels(QStringLiteral("334"));
        QVERIFY(std::none_of(maximal.cbegin(), maximal.cend(), [](const TVChannel &c) { return c.name == QStringLiteral("Пятница! HD"); }));
        QCOMPARE(maximal.at(0).name, QStringLiteral("Первый канал"));
        QCOMPARE(maximal.at(415).name, QStringLiteral("Первый канал"));
        QCOMPARE(TVChannel::channels(QStringLiteral("514")).at(1).name, QStringLiteral("СТС"));
        QCOMPARE(TVChannel::channels(QStringLiteral("7")).constFirst().name, QStringLiteral("МАТЧ Премьер HD"));
        // Exact texts only: codes are not trimmed, and a letter of the other script finds nothing.
        for (const char *code : {"", "lk-light", "07", " 7", "7 "})
            QVERIFY2(TVChannel::channels(QString::fromUtf8(code)).isEmpty(), code);
        QVERIFY(TVChannel::channel(QStringLiteral("RTД HD")));
        QVERIFY(!TVChannel::channel(QStringLiteral("RTD HD")));
        QVERIFY(TVChannel::channel(QStringLiteral("Глазами Туриста 4К")));
        QVERIFY(!TVChannel::channel(QStringLiteral("Глазами Туриста 4K")));
    }

    void normalization_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("normalized");
        QTest::newRow("ё and space") << QStringLiteral("Всё включено") << QStringLiteral("всевключено");
        QTest::newRow("plus") << QStringLiteral("Оптимум+") << QStringLiteral("оптимум");
        QTest::newRow("punctuation") << QStringLiteral("МАТЧ! ФУТБОЛ") << QStringLiteral("матчфутбол");
        QTest::newRow("й kept") << QStringLiteral("Лайт+") << QStringLiteral("лайт");
        QTest::newRow("latin diacritics") << QStringLiteral("Café-Noir 2") << QStringLiteral("cafenoir2");
        QTest::newRow("nothing left") << QStringLiteral(" +!- ") << QString();
    }

    void normalization()
    {
        QFETCH(QString, name);
        QFETCH(QString, normalized);
        QCOMPARE(TVPackageResolver::normalized(name), normalized);
    }

    void resolution_data()
    {
        const TVPackage ownOptimum{QStringLiteral("24tvopt"), QStringLiteral("Оптимум"), QStringLiteral("Пакет 24ТВ"),
            QStringLiteral("120 каналов"), QStringLiteral("350 ₽/мес."), Theme::tarPink()};
        TVPackage ownDash = ownOptimum;
        ownDash.price = QStringLiteral("—");
        TVPackage ownEmptyPrice = ownOptimum;
        ownEmptyPrice.price.clear();
        const TVPackage ownKino{QStringLiteral("24tvkino"), QStringLiteral("Кинозал"), QStringLiteral("Пакет 24ТВ"),
            QStringLiteral("45 каналов"), QStringLiteral("299 ₽/мес."), Theme::tarPink()};

        QTest::addColumn<QString>("name");
        QTest::addColumn<QList<TVPackage>>("account");
        // id, title, price of the result; an empty id: nothing resolves.
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("alias, empty store") << QStringLiteral("Оптимум+") << QList<TVPackage>{}
                                            << QStringList{QStringLiteral("500"), QStringLiteral("Оптимум+"), QStringLiteral("399 ₽/мес.")};
        QTest::newRow("alias with й") << QStringLiteral("Лайт+") << QList<TVPackage>{}
                                      << QStringList{QStringLiteral("514"), QStringLiteral("Лайт+"), QStringLiteral("249 ₽/мес.")};
        QTest::newRow("alias ё") << QStringLiteral("Всё включено") << QList<TVPackage>{}
                                 << QStringList{QStringLiteral("334"), QStringLiteral("Всё включено"), QStringLiteral("1 800 ₽/мес.")};
        QTest::newRow("alias, own package") << QStringLiteral("Оптимум+") << QList<TVPackage>{ownOptimum}
                                            << QStringList{QStringLiteral("500"), QStringLiteral("Оптимум"), QStringLiteral("350 ₽/мес.")};
        QTest::newRow("alias, own dash price") << QStringLiteral("Оптимум+") << QList<TVPackage>{ownDash}
                                               << QStringList{QStringLiteral("500"), QStringLiteral("Оптимум"), QStringLiteral("—")};
        QTest::newRow("alias, own empty price") << QStringLiteral("Оптимум+") << QList<TVPackage>{ownEmptyPrice}
                                                << QStringList{QStringLiteral("500"), QStringLiteral("Оптимум"), QStringLiteral("399 ₽/мес.")};
        QTest::newRow("equal add-on") << QStringLiteral("Матч! Футбол") << QList<TVPackage>{}
                                      << QStringList{QStringLiteral("4"), QStringLiteral("МАТЧ! ФУТБОЛ"), QStringLiteral("380 ₽/мес.")};
        QTest::newRow("containment, main first") << QStringLiteral("Кино") << QList<TVPackage>{}
                                                 << QStringList{QStringLiteral("113"), QStringLiteral("Кино и сериалы"), QStringLiteral("999 ₽/мес.")};
        QTest::newRow("containment, own first") << QStringLiteral("Кино") << QList<TVPackage>{ownKino}
                                                << QStringList{QStringLiteral("24tvkino"), QStringLiteral("Кинозал"), QStringLiteral("299 ₽/мес.")};
        QTest::newRow("name contains title") << QStringLiteral("Пакет Премиум от партнёра") << QList<TVPackage>{}
                                             << QStringList{QStringLiteral("lk-premium"), QStringLiteral("Премиум"), QString()};
        QTest::newRow("no letters") << QStringLiteral("+ !") << QList<TVPackage>{} << QStringList{QString(), QString(), QString()};
        QTest::newRow("empty") << QString() << QList<TVPackage>{} << QStringList{QString(), QString(), QString()};
        QTest::newRow("unknown") << QStringLiteral("Рыбалка") << QList<TVPackage>{} << QStringList{QString(), QString(), QString()};
    }

    void resolution()
    {
        QFETCH(QString, name);
        QFETCH(QList<TVPackage>, account);
        QFETCH(QStringList, expected);
        const std::optional<TVPackage> resolved = TVPackageResolver::resolve(name, account);
        if (expected.at(0).isEmpty()) {
            QVERIFY(!resolved);
            return;
        }
        QVERIFY(resolved);
        QCOMPARE(QStringList({resolved->id, resolved->title, resolved->price}), expected);
    }

    void aliasKeepsTheBasePackage()
    {
        const TVPackage own{QStringLiteral("x"), QStringLiteral("Оптимум"), {}, {}, QStringLiteral("350 ₽/мес."), Theme::tarPink()};
        const auto resolved = TVPackageResolver::resolve(QStringLiteral("Оптимум+"), {own});
        QVERIFY(resolved);
        QCOMPARE(resolved->description, QStringLiteral("24КИНО, Tvigle и каналы разных тематик"));
        QCOMPARE(resolved->channelCount, QStringLiteral("450 каналов"));
        QCOMPARE(resolved->color, Theme::tarPink());
    }
};

QTEST_GUILESS_MAIN(TestTVCatalog)
#include "tst_tvcatalog.moc"
