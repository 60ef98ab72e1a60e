#include "tvpackagecatalog.h"

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
};

QTEST_GUILESS_MAIN(TestTVCatalog)
#include "tst_tvcatalog.moc"
