#include "requestrules.h"

#include <QTest>

// The rules of the request forms: static IP count and price, the blocking period and its price,
// and the validity of the relocation and refer-a-friend forms.
class RequestRulesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void phoneValidity_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("valid");

        QTest::newRow("prefix only") << QStringLiteral("+7 ") << false;
        QTest::newRow("nine digits") << QStringLiteral("+7 912345678") << false;
        QTest::newRow("ten digits") << QStringLiteral("+7 9123456789") << true;
        QTest::newRow("eleven digits") << QStringLiteral("+7 91234567890") << false;
        QTest::newRow("starts with 8") << QStringLiteral("89123456789") << false;
        QTest::newRow("nine digits and a fraction") << QStringLiteral("+7 912345678½") << false;
        QTest::newRow("nine digits and an arabic-indic digit") << QStringLiteral("+7 912345678٩") << false;
    }

    void phoneValidity()
    {
        QFETCH(QString, value);
        QFETCH(bool, valid);
        QCOMPARE(RequestRules::relocationValid(QStringLiteral("Ленина, 1"), value), valid);
    }

    void staticIp()
    {
        const QStringList counts{QStringLiteral("1 IP-адрес"), QStringLiteral("2 IP-адреса"), QStringLiteral("3 IP-адреса"),
                                 QStringLiteral("4 IP-адреса"), QStringLiteral("5 IP-адресов")};
        for (int quantity = 1; quantity <= RequestRules::staticIpMaximum; ++quantity)
            QCOMPARE(RequestRules::staticIpCountText(quantity), counts.at(quantity - 1));
        // Five addresses: a plain "1000", no thousands separator anywhere.
        QCOMPARE(QString::number(RequestRules::staticIpPrice(5)) + QStringLiteral(" ₽"), QStringLiteral("1000 ₽"));
    }

    void blockingPeriod_data()
    {
        QTest::addColumn<QDateTime>("start");
        QTest::addColumn<QDateTime>("end");
        QTest::addColumn<int>("days");
        QTest::addColumn<int>("price");

        const QDateTime base(QDate(2026, 12, 8), QTime(10, 5));
        QTest::newRow("defaults: 14 days") << base << base.addDays(14) << 14 << 250;
        QTest::newRow("exactly 15 days is free") << base << base.addDays(15) << 15 << 0;
        QTest::newRow("15 days less a minute is 14") << base << base.addDays(15).addSecs(-60) << 14 << 250;
        QTest::newRow("long period") << base << base.addDays(60) << 60 << 0;
        QTest::newRow("same moment") << base << base << 2 << 250;
        QTest::newRow("same day, later") << base << base.addSecs(3600) << 2 << 250;
        QTest::newRow("end before start") << base << base.addDays(-5) << 2 << 250;
        QTest::newRow("one day") << base << base.addDays(1) << 2 << 250;
        QTest::newRow("three days") << base << base.addDays(3) << 3 << 250;
        // Whole days, not calendar dates: 23:00 to 01:00 two dates later is 26 hours, one day.
        QTest::newRow("late start, early end") << QDateTime(QDate(2026, 12, 8), QTime(23, 0))
                                               << QDateTime(QDate(2026, 12, 23), QTime(1, 0)) << 14 << 250;
        QTest::newRow("early start, late end") << QDateTime(QDate(2026, 12, 8), QTime(1, 0))
                                               << QDateTime(QDate(2026, 12, 23), QTime(23, 0)) << 15 << 0;
        QTest::newRow("across the year") << QDateTime(QDate(2026, 12, 25), QTime(12, 0)) << QDateTime(QDate(2027, 1, 9), QTime(12, 0))
                                         << 15 << 0;
        QTest::newRow("invalid end") << base << QDateTime() << 2 << 250;
    }

    void blockingPeriod()
    {
        QFETCH(QDateTime, start);
        QFETCH(QDateTime, end);
        QFETCH(int, days);
        QFETCH(int, price);
        QCOMPARE(RequestRules::blockingDays(start, end), days);
        QCOMPARE(RequestRules::blockingPrice(RequestRules::blockingDays(start, end)), price);
    }

    void blockingConfirmation()
    {
        QCOMPARE(RequestRules::blockingConfirmation(2), QStringLiteral("Услуги будут приостановлены на 2 дня. Стоимость — 250 ₽."));
        QCOMPARE(RequestRules::blockingConfirmation(14), QStringLiteral("Услуги будут приостановлены на 14 дней. Стоимость — 250 ₽."));
        QCOMPARE(RequestRules::blockingConfirmation(15), QStringLiteral("Услуги будут приостановлены на 15 дней. Стоимость — 0 ₽."));
        QCOMPARE(RequestRules::blockingConfirmation(21), QStringLiteral("Услуги будут приостановлены на 21 день. Стоимость — 0 ₽."));
    }

    void relocationValidity_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("phone");
        QTest::addColumn<bool>("valid");

        const QString phone = QStringLiteral("+7 9123456789");
        QTest::newRow("new form") << QString() << QStringLiteral("+7 ") << false;
        QTest::newRow("address and phone") << QStringLiteral("ул. Ленина, 1") << phone << true;
        QTest::newRow("blank address") << QStringLiteral("  \n\t ") << phone << false;
        QTest::newRow("nine digits") << QStringLiteral("ул. Ленина, 1") << QStringLiteral("+7 912345678") << false;
        // Whatever reaches the value, only ASCII digits count.
        QTest::newRow("nine digits and a fraction") << QStringLiteral("ул. Ленина, 1") << QStringLiteral("+7 912345678½") << false;
        QTest::newRow("nine digits and a devanagari digit") << QStringLiteral("ул. Ленина, 1") << QStringLiteral("+7 912345678९")
                                                            << false;
        QTest::newRow("letters between digits") << QStringLiteral("ул. Ленина, 1") << QStringLiteral("+7 912-ab-345-67-89") << true;
        QTest::newRow("over-long") << QStringLiteral("ул. Ленина, 1") << QStringLiteral("+7 91234567890") << false;
    }

    void relocationValidity()
    {
        QFETCH(QString, address);
        QFETCH(QString, phone);
        QFETCH(bool, valid);
        QCOMPARE(RequestRules::relocationValid(address, phone), valid);
    }

    void referralValidity_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("phone");
        QTest::addColumn<QString>("email");
        QTest::addColumn<bool>("valid");

        const QString name = QStringLiteral("Иванов Иван");
        const QString address = QStringLiteral("ул. Мира, 5");
        const QString phone = QStringLiteral("+7 9123456789");
        QTest::newRow("all filled") << name << address << phone << QStringLiteral("ivan@mail.ru") << true;
        QTest::newRow("new form") << QString() << QString() << QStringLiteral("+7 ") << QString() << false;
        QTest::newRow("blank name") << QStringLiteral("   ") << address << phone << QStringLiteral("ivan@mail.ru") << false;
        QTest::newRow("blank address") << name << QStringLiteral("\n") << phone << QStringLiteral("ivan@mail.ru") << false;
        QTest::newRow("no at sign") << name << address << phone << QStringLiteral("ivan.mail.ru") << false;
        QTest::newRow("no dot") << name << address << phone << QStringLiteral("ivan@mailru") << false;
        QTest::newRow("dot before at, nothing after") << name << address << phone << QStringLiteral(".@") << true;
        QTest::newRow("leading blank") << name << address << phone << QStringLiteral(" ivan@mail.ru") << true;
        QTest::newRow("phone of other scripts' digits") << name << address << QStringLiteral("+7 ٩١٢٣٤٥٦٧٨٩")
                                                        << QStringLiteral("ivan@mail.ru") << false;
        QTest::newRow("phone nine digits") << name << address << QStringLiteral("+7 912345678") << QStringLiteral("ivan@mail.ru")
                                           << false;
    }

    void referralValidity()
    {
        QFETCH(QString, name);
        QFETCH(QString, address);
        QFETCH(QString, phone);
        QFETCH(QString, email);
        QFETCH(bool, valid);
        QCOMPARE(RequestRules::referralValid(name, address, phone, email), valid);
    }
};

QTEST_GUILESS_MAIN(RequestRulesTest)
#include "tst_requestrules.moc"
