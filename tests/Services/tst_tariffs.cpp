#include "mobilepackage.h"
#include "tariffconnectionorder.h"
#include "tariffselection.h"
#include "tvpackagecatalog.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace
{
TariffPlan planNamed(const QString &name)
{
    for (const TariffPlan &plan : TariffPlan::table()) {
        if (plan.name == name)
            return plan;
    }
    return {};
}

QStringList names(const QList<TariffPlan> &plans)
{
    QStringList list;
    for (const TariffPlan &plan : plans)
        list.append(plan.name);
    return list;
}
} // namespace

// The tariff chooser, the change order with its package sheets' rules, and the sending pause.
class TestTariffs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void categoriesReadBackFromTheirTexts()
    {
        const QList<TariffCategory::Category> all = TariffCategory::allCases();
        QCOMPARE(all.size(), 3);
        for (const TariffCategory::Category category : all)
            QCOMPARE(TariffCategory::fromRawValue(TariffCategory::rawValue(category)), category);
        QVERIFY(!TariffCategory::fromRawValue(QStringLiteral("интернет")).has_value());
        QVERIFY(!TariffCategory::fromRawValue(QStringLiteral(" Интернет")).has_value());
        QVERIFY(!TariffCategory::fromRawValue(QString()).has_value());
    }

    void tableHasFreshIdsAndOneCurrentPlan()
    {
        const QList<TariffPlan> first = TariffPlan::table();
        const QList<TariffPlan> second = TariffPlan::table();
        QCOMPARE(first.size(), 11);
        QSet<QString> ids;
        int current = 0;
        for (qsizetype i = 0; i < first.size(); ++i) {
            ids.insert(first.at(i).id);
            QCOMPARE(first.at(i).name, second.at(i).name);
            QVERIFY(first.at(i).id != second.at(i).id);
            current += first.at(i).isCurrent ? 1 : 0;
        }
        QCOMPARE(ids.size(), 11);
        QCOMPARE(current, 1);
        QVERIFY(planNamed(QStringLiteral("Tarvik 500")).isCurrent);
        // Plain ordinary spaces inside the numbers of the features.
        QCOMPARE(planNamed(QStringLiteral("Tarvik Mobile 500")).features, QStringLiteral("50 ГБ и 1 000 минут"));
    }

    void filterShowsOneCategoryInTableOrder()
    {
        TariffSelection selection;
        QCOMPARE(selection.category(), TariffCategory::Internet);
        QCOMPARE(names(selection.plansOfCategory()),
                 QStringList({"Tarvik 100", "Tarvik 300", "Tarvik 500", "Tarvik 700", "Tarvik 1000"}));
        selection.setCategory(TariffCategory::Tv);
        QCOMPARE(names(selection.plansOfCategory()), QStringList({"Tarvik TV 300", "Tarvik TV 500", "Tarvik TV 1000"}));
        selection.setCategory(TariffCategory::Mobile);
        QCOMPARE(names(selection.plansOfCategory()),
                 QStringList({"Tarvik Mobile 300", "Tarvik Mobile 500", "Tarvik Mobile 1000"}));
        for (const TariffPlan &plan : selection.plansOfCategory())
            QVERIFY(!plan.isCurrent);
        QCOMPARE(selection.visiblePlans().size(), 3);
    }

    void selectionIgnoresTheCurrentPlanAndClearsOnCategoryChange()
    {
        TariffSelection selection;
        QSignalSpy changes(&selection, &TariffSelection::selectionChanged);
        const auto idOf = [&selection](const QString &name) {
            for (const TariffPlan &plan : selection.plans()) {
                if (plan.name == name)
                    return plan.id;
            }
            return QString();
        };

        QVERIFY(!selection.hasSelection());
        selection.select(idOf(QStringLiteral("Tarvik 500")));
        QVERIFY(!selection.hasSelection());
        selection.select(QStringLiteral("no-such-plan"));
        QVERIFY(!selection.hasSelection());
        QCOMPARE(changes.count(), 0);

        selection.select(idOf(QStringLiteral("Tarvik 700")));
        QCOMPARE(selection.selectedPlan().name, QStringLiteral("Tarvik 700"));
        selection.select(idOf(QStringLiteral("Tarvik 700")));
        QCOMPARE(selection.selectedPlan().name, QStringLiteral("Tarvik 700"));
        QCOMPARE(changes.count(), 1);

        selection.setCategory(TariffCategory::Tv);
        QVERIFY(!selection.hasSelection());
        QVERIFY(selection.selectedPlanId().isEmpty());
        selection.setCategory(TariffCategory::Internet);
        QVERIFY(!selection.hasSelection());
        QCOMPARE(changes.count(), 2);

        // Two choosers, two tables: one's ids mean nothing to the other.
        TariffSelection other;
        other.select(idOf(QStringLiteral("Tarvik 700")));
        QVERIFY(!other.hasSelection());
    }

    void orderTexts_data()
    {
        QTest::addColumn<QString>("plan");
        QTest::addColumn<QString>("base");
        QTest::addColumn<QStringList>("addons");
        QTest::addColumn<QString>("mobile");
        QTest::addColumn<qint64>("total");
        QTest::addColumn<QString>("additions");
        QTest::addColumn<QString>("tvSubtitle");
        QTest::addColumn<QString>("mobileSubtitle");

        QTest::newRow("internet, nothing added")
            << "Tarvik 700" << "" << QStringList() << "" << qint64(1090) << "без дополнительных услуг"
            << "Выбрать пакет или подписки" << "Выбрать пакет";
        QTest::newRow("internet with a mobile package")
            << "Tarvik 700" << "" << QStringList() << "mobile-30" << qint64(1390) << "мобильная связь «Оптимальный»"
            << "Выбрать пакет или подписки" << "Оптимальный · 300 ₽/мес.";
        QTest::newRow("internet with a grouped base price")
            << "Tarvik 100" << "334" << QStringList() << "" << qint64(590 + 1800) << "24ТВ «Максимальный»"
            << "Максимальный · 1 800 ₽/мес." << "Выбрать пакет";
        QTest::newRow("everything, add-ons in catalog order")
            << "Tarvik 300" << "514" << QStringList({"197", "67"}) << "mobile-unlimited"
            << qint64(690 + 249 + 599 + 199 + 650) << "24ТВ «Стартовый» и AMEDIATEKA, Много кино и мобильная связь «Безлимит»"
            << "Стартовый · 249 ₽/мес. · ещё 2" << "Безлимит · 650 ₽/мес.";
        QTest::newRow("TV plan keeps its base out of the total")
            << "Tarvik TV 500" << "690" << QStringList() << "" << qint64(1090) << "24ТВ «Бархатный сезон»"
            << "Бархатный сезон · 399 ₽/мес." << "Выбрать пакет";
        QTest::newRow("TV plan still pays for add-ons")
            << "Tarvik TV 300" << "690" << QStringList({"7"}) << "mobile-10" << qint64(890 + 299 + 250)
            << "24ТВ «Бархатный сезон» и МАТЧ ПРЕМЬЕР и мобильная связь «Старт»" << "Бархатный сезон · 399 ₽/мес. · ещё 1"
            << "Старт · 250 ₽/мес.";
        QTest::newRow("mobile plan keeps its package out of the total")
            << "Tarvik Mobile 500" << "" << QStringList() << "mobile-30" << qint64(1190) << "мобильная связь «Оптимальный»"
            << "Выбрать пакет или подписки" << "Оптимальный · 300 ₽/мес.";
        QTest::newRow("unknown ids count for nothing")
            << "Tarvik 700" << "999" << QStringList() << "mobile-5" << qint64(1090) << "без дополнительных услуг"
            << "Выбрать пакет или подписки" << "Выбрать пакет";
    }

    void orderTexts()
    {
        QFETCH(QString, plan);
        QFETCH(QString, base);
        QFETCH(QStringList, addons);
        QFETCH(QString, mobile);
        QFETCH(qint64, total);
        QFETCH(QString, additions);
        QFETCH(QString, tvSubtitle);
        QFETCH(QString, mobileSubtitle);

        TariffConnectionOrder order;
        order.setPlan(planNamed(plan));
        order.setTvBaseId(base);
        for (const QString &id : addons)
            order.toggleTVAddon(id);
        order.setMobileId(mobile);

        QCOMPARE(order.monthlyTotal(), total);
        QCOMPARE(order.additionsDescription(), additions);
        QCOMPARE(order.tvSubtitle(), tvSubtitle);
        QCOMPARE(order.mobileSubtitle(), mobileSubtitle);
        QCOMPARE(order.confirmationMessage(),
                 QStringLiteral("Специалист Tarvik свяжется с вами и подтвердит тариф «") + plan + QStringLiteral("», ")
                     + additions + QStringLiteral(". Итого — ") + QString::number(total) + QStringLiteral(" ₽ в месяц."));
    }

    void orderStartsFromThePlan()
    {
        TariffConnectionOrder tv;
        tv.setPlan(planNamed(QStringLiteral("Tarvik TV 1000")));
        QCOMPARE(tv.tvBaseId(), QStringLiteral("690"));
        QVERIFY(tv.mobileId().isEmpty());
        QCOMPARE(tv.monthlyTotal(), qint64(1490));

        TariffConnectionOrder mobile;
        mobile.setPlan(planNamed(QStringLiteral("Tarvik Mobile 300")));
        QVERIFY(mobile.tvBaseId().isEmpty());
        QCOMPARE(mobile.mobileId(), QStringLiteral("mobile-30"));
        QCOMPARE(mobile.monthlyTotal(), qint64(990));

        TariffConnectionOrder internet;
        internet.setPlan(planNamed(QStringLiteral("Tarvik 100")));
        QVERIFY(internet.tvBaseId().isEmpty());
        QVERIFY(internet.mobileId().isEmpty());
        // The visit is tomorrow by default and may be any day from the opening day on.
        QCOMPARE(internet.visitDate().date(), internet.earliestVisitDate().date().addDays(1));
        QVERIFY(internet.comment().isEmpty());
    }

    void tvSheetRules()
    {
        TariffConnectionOrder order;
        order.setPlan(planNamed(QStringLiteral("Tarvik 700")));

        // An add-on with no base brings the free base; removing it keeps the base.
        order.toggleTVAddon(QStringLiteral("67"));
        QCOMPARE(order.tvBaseId(), QStringLiteral("0"));
        QCOMPARE(order.tvAddonIds(), QStringList({"67"}));
        order.toggleTVAddon(QStringLiteral("67"));
        QCOMPARE(order.tvBaseId(), QStringLiteral("0"));
        QVERIFY(order.tvAddonIds().isEmpty());

        // A base leaves the add-ons alone; an add-on leaves a chosen base alone.
        order.chooseTVBase(QStringLiteral("500"));
        order.toggleTVAddon(QStringLiteral("157"));
        order.toggleTVAddon(QStringLiteral("516"));
        QCOMPARE(order.tvBaseId(), QStringLiteral("500"));
        QCOMPARE(order.tvAddonIds(), QStringList({"516", "157"}));
        order.chooseTVBase(QStringLiteral("113"));
        order.chooseTVBase(QStringLiteral("113"));
        QCOMPARE(order.tvBaseId(), QStringLiteral("113"));
        QCOMPARE(order.tvAddonIds().size(), 2);
        QVERIFY(order.hasTVAddon(QStringLiteral("516")));

        // "Без 24ТВ" drops everything.
        QSignalSpy changes(&order, &TariffConnectionOrder::selectionChanged);
        order.chooseNoTV();
        QVERIFY(order.tvBaseId().isEmpty());
        QVERIFY(order.tvAddonIds().isEmpty());
        QCOMPARE(order.monthlyTotal(), qint64(1090));
        QCOMPARE(changes.count(), 1);
        order.chooseNoTV();
        QCOMPARE(changes.count(), 1);

        // Every base and add-on of the catalogs prices in whole rubles.
        for (const TVPackage &package : TVPackageCatalog::mainCatalog()) {
            order.chooseTVBase(package.id);
            QCOMPARE(order.monthlyTotal(), 1090 + package.monthlyPrice());
        }
    }

    void mobileSheetChoice()
    {
        QCOMPARE(MobilePackage::catalog().size(), 4);
        QCOMPARE(MobilePackage::catalog().at(3).details, QStringLiteral("Безлимитный интернет · 1 500 минут"));
        QCOMPARE(MobilePackage::catalog().at(0).priceText(), QStringLiteral("250 ₽/мес."));
        QVERIFY(!MobilePackage::find(QStringLiteral("Mobile-30")));

        TariffConnectionOrder order;
        order.setPlan(planNamed(QStringLiteral("Tarvik 300")));
        order.chooseMobile(QStringLiteral("mobile-50"));
        QCOMPARE(order.selectedMobile()->title, QStringLiteral("Максимум"));
        QCOMPARE(order.monthlyTotal(), qint64(690 + 450));
        order.chooseMobile(QString());
        QVERIFY(!order.selectedMobile());
        QCOMPARE(order.monthlyTotal(), qint64(690));
    }

    void submitSendsOnceAndAccepts()
    {
        TariffConnectionOrder order;
        order.setPlan(planNamed(QStringLiteral("Tarvik 1000")));
        order.setMobileId(QStringLiteral("mobile-10"));
        ConfirmationSend &request = *order.request();
        QSignalSpy accepted(&request, &ConfirmationSend::confirmedChanged);

        order.submit();
        QVERIFY(request.isSending());
        const ConfirmationSend::Summary summary{
            {QStringLiteral("Тариф"), QStringLiteral("Tarvik 1000")},
            {QStringLiteral("Скорость"), QStringLiteral("1000 Мбит/с")},
            {QStringLiteral("Дополнительно"), QStringLiteral("мобильная связь «Старт»")},
            {QStringLiteral("Итого"), QStringLiteral("1540 ₽/мес.")},
        };
        QCOMPARE(request.summary(), summary);
        // Ignored while sending: the summary stays the one that is on its way.
        order.chooseMobile(QString());
        order.submit();
        QCOMPARE(request.summary(), summary);
        QVERIFY(!request.isConfirmed());

        QVERIFY(accepted.wait());
        QCOMPARE(accepted.count(), 1);
        QVERIFY(request.isConfirmed());
        QVERIFY(!request.isSending());
        QVERIFY(!request.hasError());

        // The alert closes; the order can go again.
        request.setConfirmed(false);
        order.submit();
        QVERIFY(request.isSending());
        QCOMPARE(request.summary().at(2).second, QStringLiteral("без дополнительных услуг"));
        QVERIFY(accepted.wait());
        QVERIFY(request.isConfirmed());
    }
};

QTEST_GUILESS_MAIN(TestTariffs)
#include "tst_tariffs.moc"
