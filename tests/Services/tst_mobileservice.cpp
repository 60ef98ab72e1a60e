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

    // What the number field holds after `typed` is put into it whole (the field is kept to the
    // phone entry rule), its check, and the number the request carries.
    void numberCheck_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("transferred");

        const QString number = QStringLiteral("999 123-45-67");
        QTest::newRow("ten digits as the placeholder") << "9991234567" << number << true << "+79991234567";
        // The "+7" stands beside the field: typed into it, it is the country code, not shown twice.
        QTest::newRow("eleven with +7") << "+7 999 123-45-67" << number << true << "+79991234567";
        QTest::newRow("eleven with 8") << "8 (999) 123-45-67" << number << true << "+79991234567";
        QTest::newRow("an 812 number") << "812 555-12-34" << "812 555-12-34" << true << "+78125551234";
        QTest::newRow("eleven starting 9 keep the first ten") << "99912345678" << number << true << "+79991234567";
        QTest::newRow("eight digits") << "999 123-45" << "999 123-45" << false << "";
        QTest::newRow("twelve digits after +7") << "+7 999 123-45-678" << number << true << "+79991234567";
        QTest::newRow("letters dropped") << "tel 999abc1234567" << number << true << "+79991234567";
        QTest::newRow("vulgar fraction does not count") << "999 123-45-6½" << "999 123-45-6" << false << "";
        QTest::newRow("fraction beside ten digits") << "½999 123-45-67" << number << true << "+79991234567";
        QTest::newRow("Arabic-Indic digits do not count") << "٩٩٩١٢٣٤٥٦٧" << "" << false << "";
        QTest::newRow("fullwidth digits do not count") << "９９９１２３４５６７" << "" << false << "";
        QTest::newRow("superscript two does not count") << "999 123-45-6²" << "999 123-45-6" << false << "";
    }

    void numberCheck()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(bool, valid);
        QFETCH(QString, transferred);

        MobileServiceOrder order;
        order.setPhoneNumber(typed);
        QCOMPARE(order.phoneNumber(), shown);
        QCOMPARE(!order.numberInvalid(), valid);
        // An empty field disables sending but shows no error line.
        QCOMPARE(order.showsNumberError(), !valid && !shown.isEmpty());
        QCOMPARE(order.transferredNumber(), transferred);
        QCOMPARE(order.numberText(), shown.isEmpty() ? QStringLiteral("+7") : QStringLiteral("+7 ") + shown);

        // Without a transfer no number is checked.
        order.setTransferNumber(false);
        QVERIFY(!order.numberInvalid());
        QVERIFY(!order.showsNumberError());
        order.setTransferNumber(true);
        QCOMPARE(order.phoneNumber(), shown);
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
        QCOMPARE(order.phoneNumber(), QStringLiteral("999 123-45-67"));
        order.setTransferNumber(true);
        QCOMPARE(order.confirmationMessage(),
                 QStringLiteral("Подключаем пакет «Безлимит». Перенос номера бесплатный — специалист свяжется с вами для "
                                "подтверждения."));
    }
};

QTEST_GUILESS_MAIN(TestMobileService)
#include "tst_mobileservice.moc"
