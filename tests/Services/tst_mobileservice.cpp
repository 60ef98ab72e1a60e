#include "mobileserviceorder.h"

#include <QSignalSpy>
#include <QTest>

// The mobile service order: the number check, the request it makes and the confirmation texts.
class TestMobileService : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startsOnTheOptimalOfferWithATransfer()
    {
        MobileServiceOrder order;
        QCOMPARE(order.packageList().size(), 4);
        QCOMPARE(order.selectedPackage().id, QStringLiteral("mobile-30"));
        QCOMPARE(order.selectedPackage().gigabytes, QStringLiteral("30 ГБ"));
        QVERIFY(order.transferNumber());
        // An empty number disables sending but shows no error line.
        QVERIFY(order.numberInvalid());
        QVERIFY(!order.showsNumberError());
        QCOMPARE(order.numberText(), QStringLiteral("+7"));
    }

    void selectionFallsBackToTheSecondOffer()
    {
        MobileServiceOrder order;
        order.setSelectedPackageId(QStringLiteral("mobile-unlimited"));
        QCOMPARE(order.selectedPackage().gigabytes, QStringLiteral("∞ ГБ"));
        QCOMPARE(order.selectedPackage().minutes, QStringLiteral("1 500 минут"));
        QCOMPARE(order.selectedPackage().price, 650);
        order.setSelectedPackageId(QStringLiteral("MOBILE-50"));
        QCOMPARE(order.selectedPackage().id, QStringLiteral("mobile-30"));
        order.setSelectedPackageId(QString());
        QCOMPARE(order.selectedPackage().title, QStringLiteral("Оптимальный"));
    }

    void numberCheck_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("transferred");

        QTest::newRow("ten digits as the placeholder") << "999 123-45-67" << true << "+79991234567";
        QTest::newRow("eleven with +7") << "+7 999 123-45-67" << true << "+79991234567";
        QTest::newRow("eleven with 8") << "8 (999) 123-45-67" << true << "+79991234567";
        QTest::newRow("eleven starting 9") << "99912345678" << false << "";
        QTest::newRow("eleven starting 1") << "19991234567" << false << "";
        QTest::newRow("eight digits") << "999 123-45" << false << "";
        QTest::newRow("twelve digits") << "+7 999 123-45-678" << false << "";
        QTest::newRow("letters dropped") << "tel 999abc1234567" << true << "+79991234567";
        QTest::newRow("vulgar fraction does not count") << "999 123-45-6½" << false << "";
        QTest::newRow("fraction beside ten digits") << "½999 123-45-67" << true << "+79991234567";
        QTest::newRow("Arabic-Indic digits do not count") << "٩٩٩١٢٣٤٥٦٧" << false << "";
        QTest::newRow("fullwidth digits do not count") << "９９９１２３４５６７" << false << "";
        QTest::newRow("superscript two does not count") << "999 123-45-6²" << false << "";
    }

    void numberCheck()
    {
        QFETCH(QString, typed);
        QFETCH(bool, valid);
        QFETCH(QString, transferred);

        MobileServiceOrder order;
        order.setPhoneNumber(typed);
        QCOMPARE(!order.numberInvalid(), valid);
        QCOMPARE(order.showsNumberError(), !valid);
        QCOMPARE(order.transferredNumber(), transferred);
        // The summary shows the field exactly as typed.
        QCOMPARE(order.numberText(), QStringLiteral("+7 ") + typed);

        // Without a transfer no number is checked.
        order.setTransferNumber(false);
        QVERIFY(!order.numberInvalid());
        QVERIFY(!order.showsNumberError());
        order.setTransferNumber(true);
        QCOMPARE(order.phoneNumber(), typed);
    }

    void requestMapAndConfirmation()
    {
        MobileServiceOrder order;
        ConfirmationSend &request = *order.request();
        QSignalSpy confirmed(&request, &ConfirmationSend::confirmedChanged);

        order.submit(); // the empty number is refused
        QVERIFY(!request.isSending());

        order.setPhoneNumber(QStringLiteral("+7 (999) 123-45-67"));
        order.submit();
        QVERIFY(request.isSending());
        const ConfirmationSend::Summary transfer{
            {QStringLiteral("Пакет"), QStringLiteral("Оптимальный")},
            {QStringLiteral("Интернет"), QStringLiteral("30 ГБ")},
            {QStringLiteral("Минуты"), QStringLiteral("600 минут")},
            {QStringLiteral("Стоимость"), QStringLiteral("300 ₽/мес.")},
            {QStringLiteral("Перенос номера"), QStringLiteral("Да")},
            {QStringLiteral("Номер для переноса"), QStringLiteral("+79991234567")},
        };
        QCOMPARE(request.summary(), transfer);
        // Ignored while sending: the request stays the one that is on its way.
        order.setTransferNumber(false);
        order.submit();
        QCOMPARE(request.summary(), transfer);
        QVERIFY(confirmed.wait());
        QCOMPARE(confirmed.count(), 1);
        QVERIFY(request.isConfirmed());
        QVERIFY(!request.isSending());
        QCOMPARE(order.confirmationMessage(),
                 QStringLiteral("Подключаем пакет «Оптимальный» с новым номером Tarvik. Специалист скоро свяжется с вами."));

        // The sheet closes; the inputs stay and a new number goes without a transfer.
        request.setConfirmed(false);
        order.setSelectedPackageId(QStringLiteral("mobile-unlimited"));
        order.submit();
        const ConfirmationSend::Summary fresh{
            {QStringLiteral("Пакет"), QStringLiteral("Безлимит")},
            {QStringLiteral("Интернет"), QStringLiteral("∞ ГБ")},
            {QStringLiteral("Минуты"), QStringLiteral("1 500 минут")},
            {QStringLiteral("Стоимость"), QStringLiteral("650 ₽/мес.")},
            {QStringLiteral("Перенос номера"), QStringLiteral("Нет")},
        };
        QCOMPARE(request.summary(), fresh);
        QVERIFY(confirmed.wait());
        QCOMPARE(order.phoneNumber(), QStringLiteral("+7 (999) 123-45-67"));
        order.setTransferNumber(true);
        QCOMPARE(order.confirmationMessage(),
                 QStringLiteral("Подключаем пакет «Безлимит». Перенос номера бесплатный — специалист свяжется с вами для "
                                "подтверждения."));
    }
};

QTEST_GUILESS_MAIN(TestMobileService)
#include "tst_mobileservice.moc"
