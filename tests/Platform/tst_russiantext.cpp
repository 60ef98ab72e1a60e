#include "operatorphone.h"
#include "qttexts.h"
#include "russianphone.h"
#include "russianplural.h"

#include <QLocale>
#include <QTest>

#include <limits>

// The Russian text rules: the word after a count, and phone numbers.
class RussianTextTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The word after a count, with two words whose three forms all differ.
    void counts_data()
    {
        QTest::addColumn<qint64>("number");
        QTest::addColumn<QString>("products");
        QTest::addColumn<QString>("days");

        QTest::newRow("0") << qint64(0) << QStringLiteral("0 товаров") << QStringLiteral("0 дней");
        QTest::newRow("1") << qint64(1) << QStringLiteral("1 товар") << QStringLiteral("1 день");
        QTest::newRow("2") << qint64(2) << QStringLiteral("2 товара") << QStringLiteral("2 дня");
        QTest::newRow("4") << qint64(4) << QStringLiteral("4 товара") << QStringLiteral("4 дня");
        QTest::newRow("5") << qint64(5) << QStringLiteral("5 товаров") << QStringLiteral("5 дней");
        QTest::newRow("11") << qint64(11) << QStringLiteral("11 товаров") << QStringLiteral("11 дней");
        QTest::newRow("12") << qint64(12) << QStringLiteral("12 товаров") << QStringLiteral("12 дней");
        QTest::newRow("14") << qint64(14) << QStringLiteral("14 товаров") << QStringLiteral("14 дней");
        QTest::newRow("21") << qint64(21) << QStringLiteral("21 товар") << QStringLiteral("21 день");
        QTest::newRow("22") << qint64(22) << QStringLiteral("22 товара") << QStringLiteral("22 дня");
        QTest::newRow("25") << qint64(25) << QStringLiteral("25 товаров") << QStringLiteral("25 дней");
        QTest::newRow("111") << qint64(111) << QStringLiteral("111 товаров") << QStringLiteral("111 дней");
        QTest::newRow("112") << qint64(112) << QStringLiteral("112 товаров") << QStringLiteral("112 дней");
        QTest::newRow("1001") << qint64(1001) << QStringLiteral("1001 товар") << QStringLiteral("1001 день");
        QTest::newRow("-1") << qint64(-1) << QStringLiteral("-1 товар") << QStringLiteral("-1 день");
        QTest::newRow("-12") << qint64(-12) << QStringLiteral("-12 товаров") << QStringLiteral("-12 дней");
        QTest::newRow("lowest") << std::numeric_limits<qint64>::min() << QStringLiteral("-9223372036854775808 товаров")
                                << QStringLiteral("-9223372036854775808 дней");
    }

    void counts()
    {
        QFETCH(qint64, number);
        QFETCH(QString, products);
        QFETCH(QString, days);
        QCOMPARE(RussianPlural::count(number, QStringLiteral("товар"), QStringLiteral("товара"), QStringLiteral("товаров")), products);
        QCOMPARE(RussianPlural::count(number, QStringLiteral("день"), QStringLiteral("дня"), QStringLiteral("дней")), days);
    }

    // A count that comes as text keeps its text; its last digits choose the word.
    void countsFromText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");

        QTest::newRow("one") << QStringLiteral("401") << QStringLiteral("401 канал");
        QTest::newRow("few") << QStringLiteral("304") << QStringLiteral("304 канала");
        QTest::newRow("many") << QStringLiteral("120") << QStringLiteral("120 каналов");
        QTest::newRow("teens") << QStringLiteral("111") << QStringLiteral("111 каналов");
        QTest::newRow("single digit") << QStringLiteral("2") << QStringLiteral("2 канала");
        QTest::newRow("grouped thousands") << QStringLiteral("1 021") << QStringLiteral("1 021 канал");
        QTest::newRow("grouped, leading zero") << QStringLiteral("2 002") << QStringLiteral("2 002 канала");
        QTest::newRow("longer than any integer") << QStringLiteral("123456789012345678901234567890")
                                                 << QStringLiteral("123456789012345678901234567890 каналов");
        QTest::newRow("no value") << QStringLiteral("—") << QStringLiteral("— каналов");
        QTest::newRow("ends in a sign") << QStringLiteral("140+") << QStringLiteral("140+ каналов");
        QTest::newRow("other scripts' digits") << QStringLiteral("٢") << QStringLiteral("٢ каналов");
        QTest::newRow("empty") << QString() << QStringLiteral(" каналов");
    }

    void countsFromText()
    {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QCOMPARE(RussianPlural::countFromText(text, QStringLiteral("канал"), QStringLiteral("канала"), QStringLiteral("каналов")), shown);
    }

    // A number typed into a field that writes "+7" itself, and one written any usual way.
    void phoneNumbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("written");
        QTest::addColumn<bool>("mobile");

        const QString mobile = QStringLiteral("79123456789");
        QTest::newRow("masked field") << QStringLiteral("+7 (912) 345-67-89") << mobile << mobile << true;
        QTest::newRow("stored entry") << QStringLiteral("+7 9123456789") << mobile << mobile << true;
        QTest::newRow("trunk prefix 8") << QStringLiteral("8 (912) 345-67-89") << QString() << mobile << true;
        QTest::newRow("ten digits") << QStringLiteral("912 345-67-89") << QString() << mobile << true;
        QTest::newRow("landline") << QStringLiteral("+7 (495) 318-42-77") << QStringLiteral("74953184277")
                                  << QStringLiteral("74953184277") << false;
        QTest::newRow("ten digits, landline") << QStringLiteral("4953184277") << QString() << QStringLiteral("74953184277") << false;
        QTest::newRow("eleven from 9") << QStringLiteral("99123456789") << QString() << QString() << false;
        // Ten digits are a whole national number, whatever they begin with.
        QTest::newRow("nine national digits") << QStringLiteral("+7 (912) 345-67-8") << QString() << QStringLiteral("77912345678")
                                              << false;
        QTest::newRow("twelve digits") << QStringLiteral("+7 (912) 345-67-890") << QString() << QString() << false;
        QTest::newRow("prefix only") << QStringLiteral("+7 ") << QString() << QString() << false;
        // Only ASCII digits count: a fraction or another script's digit does not fill the tenth place.
        QTest::newRow("fraction") << QStringLiteral("912 345-67-8½") << QString() << QString() << false;
        QTest::newRow("arabic-indic digit") << QStringLiteral("+7 912 345-67-8٩") << QString() << QStringLiteral("77912345678") << false;
        QTest::newRow("letters between digits") << QStringLiteral("tel 912abc3456789") << QString() << mobile << true;
    }

    void phoneNumbers()
    {
        QFETCH(QString, text);
        QFETCH(QString, field);
        QFETCH(QString, written);
        QFETCH(bool, mobile);
        QCOMPARE(russianFieldNumber(text), field);
        QCOMPARE(russianWrittenNumber(text), written);
        QCOMPARE(isRussianMobile(written), mobile);
        // A whole field number reads the same written any way.
        if (!field.isEmpty())
            QCOMPARE(written, field);
    }

    // The operator's number in each of its forms; the screens and the partner pages show and dial these.
    void operatorPhone()
    {
        QCOMPARE(OperatorPhone::text(), QStringLiteral("+7 (495) 318-42-77"));
        QCOMPARE(OperatorPhone::link(), QStringLiteral("tel:+74953184277"));
        QCOMPARE(OperatorPhone::spoken(), QStringLiteral("плюс семь, 495, 318-42-77"));
    }

    // Qt's own words that a subscriber meets: a dialog's standard button, and the web pages'
    // context menu, whose words Qt WebEngine keeps in a catalogue of its own.
    void qtTexts_data()
    {
        QTest::addColumn<QByteArray>("context");
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<QString>("shown");
        QTest::newRow("dialog button") << QByteArray("QPlatformTheme") << QByteArray("Cancel") << QStringLiteral("Отмена");
        QTest::newRow("web page, back") << QByteArray("RenderViewContextMenuQt") << QByteArray("Back") << QStringLiteral("Назад");
        QTest::newRow("web page, copy") << QByteArray("RenderViewContextMenuQt") << QByteArray("Copy") << QStringLiteral("Копировать");
    }
    void qtTexts()
    {
        QFETCH(QByteArray, context);
        QFETCH(QByteArray, source);
        static const bool installed = QtTexts::install(QLocale(QLocale::Russian, QLocale::Russia), qApp);
        QVERIFY(installed);
        QTEST(QCoreApplication::translate(context.constData(), source.constData()), "shown");
    }
};

QTEST_GUILESS_MAIN(RussianTextTest)
#include "tst_russiantext.moc"
