#include "accountfixture.h"
#include "qmlrender.h"

#include <QBuffer>
#include <QPainter>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>

namespace
{
const QByteArray imports = "import QtQuick\nimport QtQuick.Layouts\nimport Tarvik.Design\nimport Tarvik.Account\nimport Tarvik.Shell\n";

// The dashboard with a few steps a render can take on it.
const QByteArray home = imports
    + "HomeView {\n"
      "    function typeSearch() { homeSearchQuery = 'тариф' }\n"
      "    function showOddPages() { productCarouselIndex = 501; partnerCarouselIndex = 501 }\n"
      "    function showServices() { open(Destinations.allHomeServices, { services: [\n"
      "        { serviceId: ServiceRouter.partnerTv, title: '24ТВ', subtitle: 'Архив и онлайн-кинотеатр', icon: 'play.tv.fill' },\n"
      "        { serviceId: 'cableTv', title: 'Кабельное телевидение', subtitle: '130 цифровых каналов', icon: 'tv.fill' },\n"
      "        { serviceId: 'staticIp', title: 'Статический IP', subtitle: 'Постоянный адрес в интернете', icon: 'network' },\n"
      "        { serviceId: 'antivirus', title: 'Антивирус', subtitle: 'Защита всех устройств', icon: 'checkmark.shield.fill' }] }) }\n"
      "    function showTvDetail() { open(Destinations.homeServiceDetail, { serviceId: ServiceRouter.partnerTv, title: '24ТВ', subtitle: 'Архив и онлайн-кинотеатр', icon: 'play.tv.fill' }) }\n"
      "    function showAntivirus() { open(Destinations.homeServiceDetail, { serviceId: 'antivirus', title: 'Антивирус', subtitle: 'Защита всех устройств', icon: 'checkmark.shield.fill' }) }\n"
      "    function confirmAntivirus() { showAntivirus(); stack.currentItem.actionPresented = true }\n"
      "    function showProfile() { open(Destinations.profile, {}) }\n"
      "}\n";

// The kit's pieces at their edges: long texts, no badge, empty and extreme values.
const QByteArray pieces = imports
    + "Rectangle {\n"
      "    color: 'white'\n"
      "    ColumnLayout {\n"
      "        anchors.fill: parent; anchors.margins: 16; spacing: 12\n"
      "        HomeProductCard { Layout.fillWidth: true; title: 'Очень длинное название продукта'; subtitle: '123 456 789,00 ₽ и ещё немного';\n"
      "            footnote: 'Дней до блокировки 12 (до 01.02)'; buttonTitle: 'Оплатить сейчас же'; tint: Theme.systemBlue; progressValue: 0 }\n"
      "        HomeProductCard { Layout.fillWidth: true; icon: 'wifi'; title: 'Интернет'; subtitle: '500 Мбит/с'; footnote: 'Тариф'; buttonTitle: 'Сменить';\n"
      "            tint: Theme.tarPink; progressValue: 1.5 }\n"
      "        RowLayout {\n"
      "            spacing: 10\n"
      "            HomeMiniPartnerCard { Layout.fillWidth: true; Layout.preferredWidth: 1; icon: 'bag.fill'; title: 'Оборудование для умного дома и офиса';\n"
      "                subtitle: 'Роутеры, приставки и камеры наблюдения'; tint: Theme.tarOrange }\n"
      "            HomeHubButton { Layout.fillWidth: true; Layout.preferredWidth: 1; icon: 'speedometer'; title: 'Speedtest';\n"
      "                subtitle: 'Проверить скорость домашнего интернета'; tint: Theme.systemCyan }\n"
      "        }\n"
      "        Row { spacing: 8\n"
      "            HomeTariffChip { icon: 'wifi'; title: ''; tint: Theme.tarPink }\n"
      "            HomeTariffChip { icon: 'play.tv.fill'; title: 'ТВ нет'; tint: Theme.tarOrange }\n"
      "            Rectangle { width: 48; height: 48; radius: 24; color: Theme.tarInk\n"
      "                HomeHeaderProfileAvatar { anchors.centerIn: parent; width: 40; height: 40; fallbackLetter: '' } }\n"
      "        }\n"
      "        PremiumHomeServiceRow { Layout.fillWidth: true; icon: 'network'; title: 'Статический IP'; subtitle: 'Постоянный адрес в интернете'; tint: Theme.tarPink }\n"
      "        Item { Layout.fillWidth: true; implicitHeight: 126; HomeRelocationBanner { width: 240; height: 126 } }\n"
      "        Item { Layout.fillHeight: true }\n"
      "    }\n"
      "}\n";

QQuickItem *findItem(QQuickItem *item, const QString &name)
{
    if (item->objectName() == name)
        return item;
    for (QQuickItem *child : item->childItems()) {
        if (QQuickItem *found = findItem(child, name))
            return found;
    }
    return nullptr;
}

// A wide picture, so that the avatar shows its fill and crop.
QString avatarBase64()
{
    QImage image(120, 80, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, 120, 80);
    gradient.setColorAt(0, QColor(226, 84, 155));
    gradient.setColorAt(1, QColor(237, 122, 48));
    painter.fillRect(image.rect(), gradient);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(60, 40), 16, 16);
    painter.end();
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG");
    return QString::fromLatin1(jpeg.toBase64());
}
} // namespace

// Renders the home dashboard and what it opens; each PNG lands in screenshots/home-*.png in the test's build folder.
class HomeRenderTest : public QObject
{
    Q_OBJECT

private:
    AccountFixture m_fixture;

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_fixture.start());
        QVERIFY(m_fixture.signIn());
    }

    void cleanupTestCase() { TarvikAccountStoreQml::setInstance(nullptr); }

    void renders_data()
    {
        QTest::addColumn<QByteArray>("qml");
        QTest::addColumn<QString>("interaction");
        QTest::addColumn<bool>("avatar");

        QTest::newRow("demo") << home << QString() << false;
        QTest::newRow("avatar-and-search") << home << QStringLiteral("typeSearch") << true;
        QTest::newRow("odd-pages") << home << QStringLiteral("showOddPages") << false;
        QTest::newRow("scrolled") << home << QStringLiteral("scroll") << false;
        QTest::newRow("services") << home << QStringLiteral("showServices") << false;
        QTest::newRow("tv-detail") << home << QStringLiteral("showTvDetail") << false;
        QTest::newRow("antivirus-detail") << home << QStringLiteral("showAntivirus") << false;
        QTest::newRow("antivirus-confirmation") << home << QStringLiteral("confirmAntivirus") << false;
        QTest::newRow("profile") << home << QStringLiteral("showProfile") << false;
        QTest::newRow("pieces") << pieces << QString() << false;
    }

    void renders()
    {
        QFETCH(QByteArray, qml);
        QFETCH(QString, interaction);
        QFETCH(bool, avatar);
        m_fixture.defaults->setValue(QStringLiteral("tarvikProfileAvatarJPEG"), avatar ? avatarBase64() : QString());
        QmlRenderOptions options;
        if (!interaction.isEmpty()) {
            options.interact = [&](QQuickWindow *window, QObject *root) {
                if (interaction == QLatin1String("scroll")) {
                    QQuickItem *sheet = findItem(window->contentItem(), QStringLiteral("homeSheet"));
                    QVERIFY(sheet);
                    sheet->setProperty("contentY", sheet->property("contentHeight").toReal() - sheet->height());
                    return;
                }
                QVERIFY(QMetaObject::invokeMethod(root, qPrintable(interaction)));
            };
        }
        const QString name = QStringLiteral("home-") + QString::fromLatin1(QTest::currentDataTag());
        TARVIK_VERIFY_RENDER(renderQml(name, qml, options));
    }
};

QTEST_MAIN(HomeRenderTest)

#include "tst_homerender.moc"
