#include "checkoutamount.h"
#include "paymenthistorymodel.h"
#include "paymentstatementform.h"
#include "paymenttexts.h"
#include "tarvikaccountdata.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

namespace
{
TarvikPaymentOperation operation(const QString &date, const QString &title, const QString &amount)
{
    return TarvikPaymentOperation{
        .id = date + QLatin1Char('-') + title + QLatin1Char('-') + amount,
        .title = title,
        .date = date,
        .amount = amount,
        .isPositive = !amount.startsWith(QLatin1Char('-')),
    };
}

// `count` operations, told apart by their titles "Платёж 1", "Платёж 2", ...
QList<TarvikPaymentOperation> numbered(int count)
{
    QList<TarvikPaymentOperation> list;
    for (int i = 1; i <= count; ++i)
        list.append(operation(QStringLiteral("01.12.2026"), QStringLiteral("Платёж %1").arg(i), QStringLiteral("%1 ₽").arg(i * 100)));
    return list;
}

QStringList shownTitles(const PaymentHistoryModel &model)
{
    QStringList titles;
    for (int row = 0; row < model.rowCount(); ++row)
        titles.append(model.index(row).data(PaymentHistoryModel::TitleRole).toString());
    return titles;
}

QList<bool> dividers(const PaymentHistoryModel &model)
{
    QList<bool> flags;
    for (int row = 0; row < model.rowCount(); ++row)
        flags.append(model.index(row).data(PaymentHistoryModel::ShowsDividerRole).toBool());
    return flags;
}
} // namespace

// The payments tab's texts and history, the statement form's rule and sending, and the rule of a
// top-up amount.
class PaymentsTabTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void texts_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        QTest::newRow("balance with kopecks") << "balance" << "1250.50" << QStringLiteral("1250,50 ₽");
        QTest::newRow("negative balance") << "balance" << "-150.75" << QStringLiteral("-150,75 ₽");
        QTest::newRow("zero balance") << "balance" << "0" << QStringLiteral("0 ₽");
        QTest::newRow("every point becomes a comma") << "balance" << "1.234.5" << QStringLiteral("1,234,5 ₽");
        QTest::newRow("no trimming, no grouping") << "balance" << " 12345.6" << QStringLiteral(" 12345,6 ₽");
        QTest::newRow("missing balance unchanged") << "balance" << QStringLiteral("—") << QStringLiteral("—");
        QTest::newRow("recommended") << "recommended" << "890" << QStringLiteral("890 ₽");
        QTest::newRow("recommended keeps its point") << "recommended" << "890.5" << QStringLiteral("890.5 ₽");
        QTest::newRow("missing recommended") << "recommended" << QStringLiteral("—") << QStringLiteral("— ₽");
    }

    void texts()
    {
        QFETCH(QString, kind);
        QFETCH(QString, input);
        QFETCH(QString, expected);
        QString text;
        if (kind == QLatin1String("balance"))
            text = PaymentTexts::balanceText(input);
        else
            text = PaymentTexts::recommendedPaymentText(input);
        QCOMPARE(text, expected);
        // Money texts keep a plain space before the ruble sign.
        QVERIFY(!text.contains(QChar(0x00a0)));
    }

    void history_data()
    {
        QTest::addColumn<QList<TarvikPaymentOperation>>("operations");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<QList<bool>>("dividers");

        QTest::newRow("none") << QList<TarvikPaymentOperation>() << QStringList() << QList<bool>();
        QTest::newRow("one") << numbered(1) << QStringList{QStringLiteral("Платёж 1")} << QList<bool>{false};
        QTest::newRow("exactly five") << numbered(5)
                                      << QStringList{QStringLiteral("Платёж 1"), QStringLiteral("Платёж 2"), QStringLiteral("Платёж 3"),
                                                     QStringLiteral("Платёж 4"), QStringLiteral("Платёж 5")}
                                      << QList<bool>{true, true, true, true, false};
        QTest::newRow("six keep the first five in stored order")
            << numbered(6)
            << QStringList{QStringLiteral("Платёж 1"), QStringLiteral("Платёж 2"), QStringLiteral("Платёж 3"), QStringLiteral("Платёж 4"),
                           QStringLiteral("Платёж 5")}
            << QList<bool>{true, true, true, true, false};

        // Two equal payments on one day share their id; each row still gets its divider.
        const TarvikPaymentOperation fee = operation(QStringLiteral("01.12.2026"), QStringLiteral("Абонентская плата"), QStringLiteral("-890 ₽"));
        const TarvikPaymentOperation topUp = operation(QStringLiteral("30.11.2026"), QStringLiteral("СБП"), QStringLiteral("1000 ₽"));
        QTest::newRow("equal payments at the end") << QList<TarvikPaymentOperation>{topUp, fee, fee}
                                                   << QStringList{QStringLiteral("СБП"), QStringLiteral("Абонентская плата"),
                                                                  QStringLiteral("Абонентская плата")}
                                                   << QList<bool>{true, true, false};
        QTest::newRow("the last shown row equals an earlier one")
            << QList<TarvikPaymentOperation>{fee, topUp, topUp, topUp, fee, fee}
            << QStringList{QStringLiteral("Абонентская плата"), QStringLiteral("СБП"), QStringLiteral("СБП"), QStringLiteral("СБП"),
                           QStringLiteral("Абонентская плата")}
            << QList<bool>{true, true, true, true, false};
    }

    void history()
    {
        QFETCH(QList<TarvikPaymentOperation>, operations);
        QFETCH(QStringList, titles);
        QFETCH(QList<bool>, dividers);

        PaymentHistoryModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        // As QML hands it over: the account's list property, read through the value type.
        TarvikAccountData account;
        account.paymentOperations = operations;
        const int property = TarvikAccountData::staticMetaObject.indexOfProperty("paymentOperations");
        model.setProperty("operations", TarvikAccountData::staticMetaObject.property(property).readOnGadget(&account));

        QCOMPARE(model.count(), titles.size());
        QCOMPARE(shownTitles(model), titles);
        QCOMPARE(::dividers(model), dividers);
        for (int row = 0; row < model.rowCount(); ++row) {
            const QModelIndex index = model.index(row);
            QCOMPARE(index.data(PaymentHistoryModel::OperationRole).value<TarvikPaymentOperation>(), operations.at(row));
            QCOMPARE(index.data(PaymentHistoryModel::IsPositiveRole).toBool(), operations.at(row).isPositive);
            QCOMPARE(index.data(PaymentHistoryModel::AmountRole).toString(), operations.at(row).amount);
        }
    }

    // A new account redraws the rows; the same account again leaves the model alone.
    void historyFollowsTheAccount()
    {
        PaymentHistoryModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
        QSignalSpy counts(&model, &PaymentHistoryModel::countChanged);

        model.setOperations(numbered(12));
        QCOMPARE(model.count(), 5);
        QCOMPARE(resets.count(), 1);
        QCOMPARE(counts.count(), 1);

        model.setOperations(numbered(12));
        QCOMPARE(resets.count(), 1);

        // Only operations past the fifth changed: nothing shown changes.
        QList<TarvikPaymentOperation> longer = numbered(12);
        longer.append(numbered(1));
        model.setOperations(longer);
        QCOMPARE(resets.count(), 1);
        QCOMPARE(model.operations().size(), 13);

        QList<TarvikPaymentOperation> changed = numbered(5);
        changed[4].amount = QStringLiteral("-50 ₽");
        changed[4].isPositive = false;
        model.setOperations(changed);
        QCOMPARE(resets.count(), 2);
        QCOMPARE(counts.count(), 1);
        QCOMPARE(model.index(4).data(PaymentHistoryModel::AmountRole).toString(), QStringLiteral("-50 ₽"));

        model.setOperations(QList<TarvikPaymentOperation>());
        QCOMPARE(model.count(), 0);
        QCOMPARE(counts.count(), 2);
    }

    void canSubmit_data()
    {
        QTest::addColumn<PaymentStatementKind::Kind>("kind");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("comment");
        QTest::addColumn<bool>("expected");
        const auto wrong = PaymentStatementKind::WrongPayment;
        const auto recalculation = PaymentStatementKind::Recalculation;
        QTest::newRow("wrong payment, both given") << wrong << "1500" << QStringLiteral("Ошибся номером") << true;
        QTest::newRow("zero is an amount") << wrong << "0" << "x" << true;
        QTest::newRow("the amount is not parsed") << wrong << "abc" << "x" << true;
        QTest::newRow("amount of spaces") << wrong << "   " << "x" << false;
        QTest::newRow("amount of no-break space") << wrong << QStringLiteral("\u00a0") << "x" << false;
        QTest::newRow("no amount") << wrong << "" << "x" << false;
        QTest::newRow("comment of white space") << wrong << "100" << " \n\t" << false;
        QTest::newRow("no comment") << wrong << "100" << "" << false;
        QTest::newRow("recalculation ignores the amount") << recalculation << "" << QStringLiteral("Списали дважды") << true;
        QTest::newRow("recalculation, comment of white space") << recalculation << "100" << "\n  \n" << false;
        QTest::newRow("recalculation, no comment") << recalculation << "100" << "" << false;
    }

    void canSubmit()
    {
        QFETCH(PaymentStatementKind::Kind, kind);
        QFETCH(QString, amount);
        QFETCH(QString, comment);
        QFETCH(bool, expected);

        PaymentStatementForm form;
        QSignalSpy changes(&form, &PaymentStatementForm::canSubmitChanged);
        form.setKind(kind);
        form.setAmount(amount);
        form.setComment(comment);
        QCOMPARE(form.canSubmit(), expected);
        QCOMPARE(changes.count(), expected ? 1 : 0);

        // Sending follows the same rule.
        form.submit();
        QCOMPARE(form.request()->isSending(), expected);
    }

    void checkoutAmounts_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("sent"); // empty: refused
        QTest::newRow("blanks around") << " 500 \n" << "500";
        QTest::newRow("comma") << "500,5" << "500.5";
        QTest::newRow("trailing zero") << "500.50" << "500.5";
        QTest::newRow("leading zeros") << "007.00" << "7";
        QTest::newRow("lowest") << "1" << "1";
        QTest::newRow("highest") << "100000" << "100000";
        QTest::newRow("highest, zero decimals") << "100000.00" << "100000";
        for (const char *refused : {"0.99", "100000.01", "1 000", "-5", "5.", ".5", "500,555", "abc", "", "1,000.5", "1e3", "１００",
                                    "99999999999999999999"})
            QTest::addRow("refused: %s", refused) << QString::fromUtf8(refused) << QString();
    }
    void checkoutAmounts()
    {
        QFETCH(QString, typed);
        QFETCH(QString, sent);
        const std::optional<QString> amount = CheckoutAmount::fromTyped(typed);
        QCOMPARE(amount.value_or(QString()), sent);
    }
};

QTEST_GUILESS_MAIN(PaymentsTabTest)
#include "tst_paymentstab.moc"
