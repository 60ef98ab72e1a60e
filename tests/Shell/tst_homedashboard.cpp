#include "avatarimage.h"
#include "homedashboard.h"
#include "servicerouter.h"

#include <QBuffer>
#include <QTest>

namespace
{
QString jpegBase64(const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(226, 84, 155));
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG");
    return QString::fromLatin1(jpeg.toBase64());
}
} // namespace

// The dashboard's derived texts and rules, and the avatar's strict decoding.
class HomeDashboardTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void bell_data()
    {
        QTest::addColumn<int>("unread");
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("accessibleName");

        QTest::newRow("two") << 2 << "bell.badge.fill" << "2" << "Есть новые уведомления";
        QTest::newRow("none") << 0 << "bell.fill" << "0" << "Уведомления";
        QTest::newRow("one") << 1 << "bell.badge.fill" << "1" << "Есть новые уведомления";
    }

    void bell()
    {
        QFETCH(int, unread);
        QFETCH(QString, symbol);
        QFETCH(QString, text);
        QFETCH(QString, accessibleName);
        QCOMPARE(HomeDashboard::bellSymbol(unread), symbol);
        QCOMPARE(HomeDashboard::bellText(unread), text);
        QCOMPARE(HomeDashboard::bellAccessibleName(unread), accessibleName);
    }

    void greeting_data()
    {
        QTest::addColumn<QString>("firstName");
        QTest::addColumn<QString>("greeting");
        QTest::addColumn<QString>("letter");

        QTest::newRow("placeholder") << "Абонент" << "Привет, Абонент 👋" << "А";
        QTest::newRow("lower case") << "анна" << "Привет, анна 👋" << "А";
        QTest::newRow("ё") << "ёжик" << "Привет, ёжик 👋" << "Ё";
        QTest::newRow("combining mark stays whole") << QStringLiteral("е\u0301ва") << QStringLiteral("Привет, е\u0301ва 👋")
                                                    << QStringLiteral("Е\u0301");
        QTest::newRow("emoji") << "🙂Ира" << "Привет, 🙂Ира 👋" << "🙂";
        QTest::newRow("empty") << "" << "Привет,  👋" << "";
    }

    void greeting()
    {
        QFETCH(QString, firstName);
        QFETCH(QString, greeting);
        QFETCH(QString, letter);
        QCOMPARE(HomeDashboard::greeting(firstName), greeting);
        QCOMPARE(HomeDashboard::avatarLetter(firstName), letter);
    }

    void avatarDecoding_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("image");

        const QString jpeg = jpegBase64(QSize(30, 20));
        QTest::newRow("jpeg") << jpeg << true;
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("not base64") << "это не картинка" << false;
        QTest::newRow("line break") << jpeg.left(20) + QLatin1Char('\n') + jpeg.mid(20) << false;
        QTest::newRow("space") << jpeg.left(20) + QLatin1Char(' ') + jpeg.mid(20) << false;
        QTest::newRow("trailing line break") << jpeg + QLatin1Char('\n') << false;
        // Every JPEG's Base64 starts "/9j/": the URL alphabet always differs from the standard one.
        QTest::newRow("url alphabet") << QString(jpeg).replace(QLatin1Char('+'), QLatin1Char('-')).replace(QLatin1Char('/'), QLatin1Char('_'))
                                      << false;
        QTest::newRow("padding dropped") << QString::fromLatin1(QByteArray("\xff\xd8\xff").toBase64()).remove(QLatin1Char('=')) + "QQ"
                                         << false;
        QTest::newRow("base64 of text") << QString::fromLatin1(QByteArray("not an image at all").toBase64()) << false;
        QTest::newRow("truncated jpeg") << QString::fromLatin1(QByteArray::fromBase64(jpeg.toLatin1()).left(40).toBase64()) << false;
    }

    void avatarDecoding()
    {
        QFETCH(QString, stored);
        QFETCH(bool, image);
        AvatarImage item;
        item.setBase64(stored);
        // Text that is no picture is refused at once; a picture arrives from its decode.
        if (image)
            QTRY_VERIFY(item.hasImage());
        else
            QVERIFY(!item.hasImage());
    }

    void balanceCard_data()
    {
        QTest::addColumn<QString>("balance");
        QTest::addColumn<QString>("days");
        QTest::addColumn<bool>("blocked");
        QTest::addColumn<QString>("balanceText");
        QTest::addColumn<QString>("footnote");
        QTest::addColumn<double>("progress");

        QTest::newRow("demo") << "1250.50" << "18" << false << "1250,50 ₽" << "Дней до блокировки 18" << 0.6;
        QTest::newRow("no balance") << "—" << "15" << false << "—" << "Дней до блокировки 15" << 0.5;
        QTest::newRow("one decimal") << "1234.5" << "0" << false << "1234,5 ₽" << "Дней до блокировки 0" << 0.04;
        QTest::newRow("negative") << "-20.00" << "45" << false << "-20,00 ₽" << "Дней до блокировки 45" << 1.0;
        QTest::newRow("one day raised") << "0" << "1" << false << "0 ₽" << "Дней до блокировки 1" << 0.04;
        QTest::newRow("two dots") << "1.2.3" << "30" << false << "1,2,3 ₽" << "Дней до блокировки 30" << 1.0;
        QTest::newRow("no days, blocked") << "—" << "—" << true << "—" << "Дней до блокировки —" << 0.04;
        QTest::newRow("no days") << "—" << "—" << false << "—" << "Дней до блокировки —" << 0.18;
        QTest::newRow("blank days") << "5" << "  \n" << false << "5 ₽" << "Дней до блокировки —" << 0.18;
        QTest::newRow("trimmed days") << "5" << " 9 \n" << false << "5 ₽" << "Дней до блокировки 9" << 0.3;
        QTest::newRow("several numbers join") << "5" << "12 (до 01.02)" << false << "5 ₽" << "Дней до блокировки 12 (до 01.02)" << 1.0;
        QTest::newRow("digits only from ASCII") << "5" << "6²" << false << "5 ₽" << "Дней до блокировки 6²" << 0.2;
        QTest::newRow("other scripts' digits") << "5" << "١٥" << true << "5 ₽" << "Дней до блокировки ١٥" << 0.04;
        QTest::newRow("fraction sign") << "5" << "½" << false << "5 ₽" << "Дней до блокировки ½" << 0.18;
        QTest::newRow("overflowing digits") << "5" << QString(400, QLatin1Char('9')) << false << "5 ₽"
                                            << QStringLiteral("Дней до блокировки ") + QString(400, QLatin1Char('9')) << 1.0;
    }

    void balanceCard()
    {
        QFETCH(QString, balance);
        QFETCH(QString, days);
        QFETCH(bool, blocked);
        QFETCH(QString, balanceText);
        QFETCH(QString, footnote);
        QFETCH(double, progress);
        QCOMPARE(HomeDashboard::balanceText(balance), balanceText);
        QCOMPARE(HomeDashboard::daysFootnote(days), footnote);
        QCOMPARE(HomeDashboard::progressValue(days, blocked), progress);
    }

    void progressClamp_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("shown");

        QTest::newRow("zero") << 0.0 << 0.04;
        QTest::newRow("negative") << -3.0 << 0.04;
        QTest::newRow("at the floor") << 0.04 << 0.04;
        QTest::newRow("inside") << 0.5 << 0.5;
        QTest::newRow("full") << 1.0 << 1.0;
        QTest::newRow("over") << 1.5 << 1.0;
        QTest::newRow("not a number") << qQNaN() << 0.04;
        QTest::newRow("infinite") << qInf() << 1.0;
    }

    void progressClamp()
    {
        QFETCH(double, value);
        QFETCH(double, shown);
        QCOMPARE(HomeDashboard::clampedProgress(value), shown);
    }

    void tariffChips_data()
    {
        QTest::addColumn<QString>("speed");
        QTest::addColumn<bool>("television");
        QTest::addColumn<QStringList>("titles");

        QTest::newRow("with TV") << "500 Мбит/с" << true << QStringList{"500 Мбит/с", "24ТВ", "24/7"};
        QTest::newRow("without TV") << "—" << false << QStringList{"—", "ТВ нет", "24/7"};
        QTest::newRow("empty speed") << "" << false << QStringList{"", "ТВ нет", "24/7"};
    }

    void tariffChips()
    {
        QFETCH(QString, speed);
        QFETCH(bool, television);
        QFETCH(QStringList, titles);
        const QVariantList chips = HomeDashboard::tariffChips(speed, television);
        QStringList shown, icons, tints;
        for (const QVariant &chip : chips) {
            shown.append(chip.toMap().value(QStringLiteral("title")).toString());
            icons.append(chip.toMap().value(QStringLiteral("icon")).toString());
            tints.append(chip.toMap().value(QStringLiteral("tint")).toString());
        }
        QCOMPARE(shown, titles);
        QCOMPARE(icons, (QStringList{"wifi", "play.tv.fill", "headphones"}));
        QCOMPARE(tints, (QStringList{"tarPink", "tarOrange", "systemGreen"}));
    }

    void serviceDetail_data()
    {
        QTest::addColumn<QString>("serviceId");
        QTest::addColumn<bool>("television");
        QTest::addColumn<QStringList>("shown"); // status, price, button title, button icon

        const QStringList ordinary{"Подключено", "Включено", "Управлять услугой", "slider.horizontal.3"};
        const QString partnerTv = QLatin1String(ServiceRouter::partnerTv);
        QTest::newRow("ordinary") << "antivirus" << false << ordinary;
        QTest::newRow("ordinary with TV") << "cableTv" << true << ordinary;
        QTest::newRow("no id") << "" << false << ordinary;
        QTest::newRow("TV connected") << partnerTv << true << QStringList{"Подключено", "199 ₽/мес.", "Управлять услугой", "slider.horizontal.3"};
        QTest::newRow("TV missing") << partnerTv << false << QStringList{"Аккаунт не создан", "199 ₽/мес.", "Создать аккаунт", "person.badge.plus"};
        QTest::newRow("the title is not the id") << "24ТВ" << false << ordinary;
    }

    void serviceDetail()
    {
        QFETCH(QString, serviceId);
        QFETCH(bool, television);
        QFETCH(QStringList, shown);
        const QVariantMap detail = HomeDashboard::serviceDetail(serviceId, television);
        QCOMPARE((QStringList{detail.value("status").toString(), detail.value("price").toString(), detail.value("buttonTitle").toString(),
                     detail.value("buttonIcon").toString()}),
            shown);
    }

    void carouselTick_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("start");

        QTest::newRow("start") << 500 << 500;
        QTest::newRow("first page") << 0 << 0;
        QTest::newRow("997 goes on") << 997 << 997;
        QTest::newRow("998 jumps back") << 998 << 500;
        QTest::newRow("last page jumps back") << 999 << 500;
    }

    void carouselTick()
    {
        QFETCH(int, index);
        QFETCH(int, start);
        QCOMPARE(HomeDashboard::carouselTickStart(index), start);
        // The jump never changes the kind of page the timer's strip shows.
        if (index == HomeDashboard::wrapIndex)
            QCOMPARE(start % 2, index % 2);
    }
};

QTEST_MAIN(HomeDashboardTest)

#include "tst_homedashboard.moc"
