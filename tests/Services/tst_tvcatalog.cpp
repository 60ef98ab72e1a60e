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

    // The account's packages as the TV screens show them, from the site's texts.
    void accountPackages_data()
    {
        QTest::addColumn<QString>("channelCount");
        QTest::addColumn<QString>("cost");
        QTest::addColumn<QStringList>("shown"); // channel count, price
        QTest::newRow("both") << "120" << "199" << QStringList{QStringLiteral("120 каналов"), QStringLiteral("199 ₽/мес.")};
        QTest::newRow("one channel") << "121" << "0" << QStringList{QStringLiteral("121 канал"), QStringLiteral("0 ₽/мес.")};
        QTest::newRow("neither") << "" << "—" << QStringList{QStringLiteral("Каналы 24ТВ"), QStringLiteral("—")};
    }
    void accountPackages()
    {
        QFETCH(QString, channelCount);
        QFETCH(QString, cost);
        const TVPackage shown = TVPackageCatalog::accountPackage(
            {.id = QStringLiteral("base"), .title = QStringLiteral("Базовый"), .channelCount = channelCount, .cost = cost});
        QCOMPARE(QStringList({shown.id, shown.title, shown.description}),
                 QStringList({QStringLiteral("base"), QStringLiteral("Базовый"), QStringLiteral("Пакет 24ТВ")}));
        QTEST(QStringList({shown.channelCount, shown.price}), "shown");
        QCOMPARE(shown.color, Theme::tarPink());
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
