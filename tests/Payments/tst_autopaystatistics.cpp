#include "autopayrules.h"
#include "rubledecimal.h"
#include "statisticsoperationmodel.h"
#include "statisticstexts.h"
#include "tarvikaccountdata.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

namespace
{
TarvikPaymentOperation operation(const QString &date, const QString &title, const QString &amount, bool positive)
{
    return TarvikPaymentOperation{
        .id = date + QLatin1Char('-') + title + QLatin1Char('-') + amount,
        .title = title,
        .date = date,
        .amount = amount,
        .isPositive = positive,
    };
}

QString sumOf(const QStringList &positiveAmounts)
{
    QList<TarvikPaymentOperation> list;
    for (const QString &amount : positiveAmounts)
        list.append(operation(QStringLiteral("01.12.2026"), QStringLiteral("СБП"), amount, true));
    return StatisticsTexts::topUpValue(list);
}

} // namespace

// The exact decimal and the figures of the statistics screen, and the autopay screen's texts.
class AutopayStatisticsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The reader takes a number at the start of the text and nothing of binary floating point.
    void decimalParse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("hasValue");
        QTest::addColumn<QString>("plain");
        QTest::newRow("integer") << "1500" << true << "1500";
        QTest::newRow("fraction") << "1500.50" << true << "1500.5";
        QTest::newRow("negative") << "-150.75" << true << "-150.75";
        QTest::newRow("explicit plus") << "+7" << true << "7";
        QTest::newRow("trailing text ignored") << "12.5abc" << true << "12.5";
        QTest::newRow("second point ends it") << "1.2.3" << true << "1.2";
        QTest::newRow("leading point") << ".5" << true << "0.5";
        QTest::newRow("trailing point") << "5." << true << "5";
        QTest::newRow("dash") << "—" << false << "";
        QTest::newRow("empty") << "" << false << "";
        QTest::newRow("sign only") << "-" << false << "";
        QTest::newRow("point only") << "." << false << "";
        QTest::newRow("text first") << "abc12" << false << "";
        QTest::newRow("arabic-indic digit") << "\u0663" << false << "";
        QTest::newRow("seventh digit rounds to even, down") << "0.0000005" << true << "0";
        QTest::newRow("seventh digit rounds to even, up") << "0.0000015" << true << "0.000002";
        QTest::newRow("past a tie rounds up") << "0.00000050001" << true << "0.000001";
        QTest::newRow("largest") << "9223372036854.775807" << true << "9223372036854.775807";
        QTest::newRow("too large") << "9223372036855" << false << "";
        QTest::newRow("far too large") << "123456789012345678901234567890" << false << "";
    }

    void decimalParse()
    {
        QFETCH(QString, text);
        QFETCH(bool, hasValue);
        QFETCH(QString, plain);
        const std::optional<RubleDecimal> value = RubleDecimal::parse(text);
        QCOMPARE(value.has_value(), hasValue);
        if (value)
            QCOMPARE(value->toString(), plain);
    }

    void decimalArithmetic()
    {
        const auto tenth = RubleDecimal::parse(u"0.1");
        const auto fifth = RubleDecimal::parse(u"0.2");
        QVERIFY(tenth && fifth);
        const auto sum = tenth->plus(*fifth);
        QVERIFY(sum);
        QCOMPARE(*sum, *RubleDecimal::parse(u"0.3"));

        const auto max = RubleDecimal::fromUnits(std::numeric_limits<std::int64_t>::max());
        QVERIFY(!max.plus(RubleDecimal::fromUnits(1)));
        const auto min = RubleDecimal::fromUnits(std::numeric_limits<std::int64_t>::min());
        QVERIFY(!min.plus(RubleDecimal::fromUnits(-1)));
        QCOMPARE(min.toString(), QStringLiteral("-9223372036854.775808"));

        // Half to even at two places, on both sides of zero.
        QCOMPARE(RubleDecimal::parse(u"0.125")->rounded(2).toString(), QStringLiteral("0.12"));
        QCOMPARE(RubleDecimal::parse(u"0.135")->rounded(2).toString(), QStringLiteral("0.14"));
        QCOMPARE(RubleDecimal::parse(u"-0.125")->rounded(2).toString(), QStringLiteral("-0.12"));
        QCOMPARE(RubleDecimal::parse(u"-0.1251")->rounded(2).toString(), QStringLiteral("-0.13"));
        QCOMPARE(RubleDecimal::parse(u"2.5")->rounded(0).toString(), QStringLiteral("2"));
        QCOMPARE(RubleDecimal::parse(u"3.5")->rounded(0).toString(), QStringLiteral("4"));
        // Rounding up past the end of the range cuts instead of wrapping round.
        QVERIFY(!max.rounded(2).isNegative());
    }

    void numericRubles_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("plain"); // empty: no value
        QTest::newRow("grouped with comma") << "1 500,50 ₽" << "1500.5";
        QTest::newRow("plus and руб.") << "+200 руб." << "200";
        QTest::newRow("upper-case РУБ") << "300 РУБ" << "300";
        QTest::newRow("dash") << "—" << "";
        QTest::newRow("no digits") << "бесплатно ₽" << "";
        QTest::newRow("negative") << "-150,75 ₽" << "-150.75";
        QTest::newRow("plain space") << "1 000 ₽" << "1000";
        QTest::newRow("no-break space") << QStringLiteral("1\u00A0000\u00A0₽") << "1000";
        QTest::newRow("narrow no-break space") << QStringLiteral("1\u202F000 ₽") << "1000";
        QTest::newRow("em space and ideographic space") << QStringLiteral("1\u2003000\u3000₽") << "1000";
        QTest::newRow("tab trimmed at the ends") << "\t250 ₽\n" << "250";
    }

    void numericRubles()
    {
        QFETCH(QString, text);
        QFETCH(QString, plain);
        const std::optional<RubleDecimal> value = StatisticsTexts::numericRubles(text);
        QCOMPARE(value.has_value(), !plain.isEmpty());
        if (value)
            QCOMPARE(value->toString(), plain);
    }

    void topUpSum_data()
    {
        QTest::addColumn<QStringList>("amounts");
        QTest::addColumn<QString>("expected");
        QTest::newRow("the screen's example") << QStringList{"1 500,50 ₽", "+200 руб."} << QStringLiteral("1\u00A0700,5 ₽");
        QTest::newRow("no binary rounding") << QStringList{"0,1 ₽", "0,2 ₽"} << QStringLiteral("0,3 ₽");
        QTest::newRow("whole sum shows no fraction") << QStringList{"999,50 ₽", "0,50 ₽"} << QStringLiteral("1\u00A0000 ₽");
        QTest::newRow("rounded half to even") << QStringList{"0,125 ₽"} << QStringLiteral("0,12 ₽");
        QTest::newRow("one fraction digit kept") << QStringList{"10,10 ₽"} << QStringLiteral("10,1 ₽");
        QTest::newRow("dash and wordless skipped") << QStringList{"—", "бонус", "500 ₽"} << QStringLiteral("500 ₽");
        QTest::newRow("nothing readable") << QStringList{"—"} << QStringLiteral("—");
        QTest::newRow("no operations") << QStringList{} << QStringLiteral("—");
        QTest::newRow("negative total") << QStringList{"-150,75 ₽", "50 ₽"} << QStringLiteral("-100,75 ₽");
        QTest::newRow("negative rounding to zero") << QStringList{"-0,004 ₽"} << QStringLiteral("0 ₽");
        QTest::newRow("grouped amounts, every space kind")
            << QStringList{"1 000 ₽", QStringLiteral("1\u00A0000 ₽"), QStringLiteral("1\u202F000 ₽")}
            << QStringLiteral("3\u00A0000 ₽");
        QTest::newRow("overflowing total") << QStringList{"9000000000000 ₽", "9000000000000 ₽"} << QStringLiteral("—");
    }

    void topUpSum()
    {
        QFETCH(QStringList, amounts);
        QFETCH(QString, expected);
        QCOMPARE(sumOf(amounts), expected);
    }

    // Only money in counts, and it counts whatever the period.
    void topUpIgnoresOutgoing()
    {
        const QList<TarvikPaymentOperation> list{
            operation(QStringLiteral("01.12.2026"), QStringLiteral("Абонентская плата"), QStringLiteral("-890 ₽"), false),
            operation(QStringLiteral("30.11.2026"), QStringLiteral("СБП"), QStringLiteral("1000 ₽"), true),
        };
        QCOMPARE(StatisticsTexts::topUpValue(list), QStringLiteral("1\u00A0000 ₽"));
        QCOMPARE(StatisticsTexts::topUpValue(list.first(1)), QStringLiteral("—"));
    }

    void expenseByPeriod()
    {
        QCOMPARE(StatisticsTexts::expenseValue(StatisticsTexts::Month, QStringLiteral("890 ₽")), QStringLiteral("890 ₽"));
        QCOMPARE(StatisticsTexts::expenseValue(StatisticsTexts::Quarter, QStringLiteral("890 ₽")), QStringLiteral("—"));
        QCOMPARE(StatisticsTexts::expenseValue(StatisticsTexts::Year, QStringLiteral("890 ₽")), QStringLiteral("—"));
        QCOMPARE(StatisticsTexts::expenseValue(StatisticsTexts::Month, QStringLiteral("—")), QStringLiteral("—"));
    }

    // Every payment in order with its direction; rows sharing the last payment's id lose the divider.
    void operationRows()
    {
        StatisticsOperationModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        const TarvikPaymentOperation fee =
            operation(QStringLiteral("01.12.2026"), QStringLiteral("Абонентская плата"), QStringLiteral("-890 ₽"), false);
        const TarvikPaymentOperation topUp =
            operation(QStringLiteral("30.11.2026"), QStringLiteral("СБП"), QStringLiteral("1000 ₽"), true);
        TarvikAccountData account;
        account.paymentOperations = {fee, topUp, fee, fee};
        QSignalSpy counts(&model, &StatisticsOperationModel::countChanged);
        model.setAccount(account);
        QCOMPARE(counts.count(), 1); // from the one placeholder row to four
        QCOMPARE(model.count(), 4);
        QVERIFY(!model.isPlaceholder());
        QList<bool> dividers;
        QStringList icons;
        for (const StatisticsOperationModel::Row &row : model.rows()) {
            dividers.append(row.showsDivider);
            icons.append(row.icon);
        }
        QCOMPARE(dividers, (QList<bool>{false, true, false, false}));
        QCOMPARE(icons, (QStringList{"arrow.up.right", "arrow.down.left", "arrow.up.right", "arrow.up.right"}));
        QCOMPARE(model.index(1).data(StatisticsOperationModel::AmountRole).toString(), QStringLiteral("1000 ₽"));
        QCOMPARE(model.index(1).data(StatisticsOperationModel::PositiveRole).toBool(), true);
    }

    // Without payments: one row for this month's charges, named by the service or else the tariff.
    void placeholderRow_data()
    {
        QTest::addColumn<QString>("additionalService");
        QTest::addColumn<QString>("tariffName");
        QTest::addColumn<QString>("title");
        QTest::newRow("service") << "Статический IP" << "Домашний 500" << "Статический IP";
        QTest::newRow("tariff when no service") << "—" << "Домашний 500" << "Домашний 500";
        QTest::newRow("placeholder account") << "—" << "—" << "—";
    }

    void placeholderRow()
    {
        QFETCH(QString, additionalService);
        QFETCH(QString, tariffName);
        QFETCH(QString, title);
        TarvikAccountData account;
        account.additionalService = additionalService;
        account.tariffName = tariffName;
        account.monthlyCharges = QStringLiteral("890 ₽");
        const QList<StatisticsOperationModel::Row> rows = StatisticsOperationModel::rowsFor(account);
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.first().icon, QStringLiteral("wifi"));
        QCOMPARE(rows.first().title, title);
        QCOMPARE(rows.first().date, QStringLiteral("Текущий месяц"));
        QCOMPARE(rows.first().amount, QStringLiteral("890 ₽"));
        QVERIFY(!rows.first().positive);
        QVERIFY(!rows.first().showsDivider);
    }

    void cleanedMoney_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("per month sign") << "890 ₽/мес." << "890 ₽";
        QTest::newRow("руб./мес.") << "890 руб./мес." << "890 ₽";
        QTest::newRow("upper case") << "890 РУБ./МЕС." << "890 ₽";
        QTest::newRow("no sign added") << "890/мес." << "890";
        QTest::newRow("руб without point") << "890 руб/мес." << "890 руб";
        QTest::newRow("руб. alone stays") << "890 руб." << "890 руб.";
        QTest::newRow("empty") << "" << "—";
        QTest::newRow("spaces only") << "   " << "—";
        QTest::newRow("dash") << "—" << "—";
        QTest::newRow("dash in spaces") << "  —  " << "—";
        QTest::newRow("two spaces") << "1  200 ₽" << "1 200 ₽";
        QTest::newRow("three spaces") << "1   200 ₽" << "1  200 ₽";
        QTest::newRow("only per month") << "/мес." << "";
    }

    void cleanedMoney()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(AutopayRules::cleanedMoney(text), expected);
    }

    void subscriptionAmount()
    {
        QCOMPARE(AutopayRules::subscriptionAmount(QStringLiteral("890 ₽/мес."), QStringLiteral("1 200 ₽")), QStringLiteral("890 ₽"));
        QCOMPARE(AutopayRules::subscriptionAmount(QStringLiteral("—"), QStringLiteral("1 200 ₽")), QStringLiteral("1 200 ₽"));
        QCOMPARE(AutopayRules::subscriptionAmount(QStringLiteral("—"), QStringLiteral("—")), QStringLiteral("1 000 ₽"));
        // The "—" test comes before the cleaning only: a price of only "/мес." shows as empty.
        QCOMPARE(AutopayRules::subscriptionAmount(QStringLiteral("/мес."), QStringLiteral("1 200 ₽")), QString());
    }

    void paymentDay_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty stays empty") << "" << "";
        QTest::newRow("0") << "0" << "1";
        QTest::newRow("00") << "00" << "1";
        QTest::newRow("1") << "1" << "1";
        QTest::newRow("05") << "05" << "5";
        QTest::newRow("28") << "28" << "28";
        QTest::newRow("29") << "29" << "28";
        QTest::newRow("31") << "31" << "28";
        QTest::newRow("99") << "99" << "28";
        QTest::newRow("letter inside") << "2а8" << "28";
        QTest::newRow("minus dropped") << "-5" << "5";
        QTest::newRow("letters only") << "abc" << "";
        QTest::newRow("twenty digits") << "12345678901234567890" << "";
        QTest::newRow("arabic-indic three") << "\u0663" << "";
        QTest::newRow("arabic-indic among ascii") << "1\u0663" << "";
        QTest::newRow("one half") << "½" << "";
        QTest::newRow("superscript two") << "²" << "";
        // One number character made of two UTF-16 units.
        QTest::newRow("digit outside the BMP") << "1\U0001D7CE" << "";
        QTest::newRow("digit outside the BMP alone") << "\U0001D7D7" << "";
    }

    void paymentDay()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        const QString day = AutopayRules::normalizedPaymentDay(text);
        QCOMPARE(day, expected);
        // A second pass over its own output changes nothing.
        QCOMPARE(AutopayRules::normalizedPaymentDay(day), day);
    }

    void rowsAndAlert()
    {
        QCOMPARE(AutopayRules::tariffRowValue(QStringLiteral("—")), QStringLiteral("Текущий тариф Tarvik"));
        QCOMPARE(AutopayRules::tariffRowValue(QString()), QString());
        QCOMPARE(AutopayRules::accountRowValue(QStringLiteral("—")), QStringLiteral("Не загружен"));
        QCOMPARE(AutopayRules::accountRowValue(QString()), QString());
        QCOMPARE(AutopayRules::confirmationMessage(QStringLiteral("890 ₽"), QStringLiteral("15")),
                 QStringLiteral("Заявка принята. Автоплатёж будет пополнять лицевой счёт на 890 ₽ каждый месяц 15-го числа. "
                                "Для реального списания нужно будет подтвердить карту на защищённой странице банка."));
        QVERIFY(AutopayRules::confirmationMessage(QStringLiteral("1 000 ₽"), QString()).contains(QStringLiteral("каждый месяц -го числа.")));
    }
};

QTEST_GUILESS_MAIN(AutopayStatisticsTest)

#include "tst_autopaystatistics.moc"
