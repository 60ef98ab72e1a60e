#include "assetcatalog.h"
#include "qmlrender.h"
#include "symbolcatalog.h"

#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>

namespace
{
const QByteArray imports = "import QtQuick\nimport QtQuick.Layouts\nimport Tarvik.Design\n";

QByteArray screen(const QByteArray &body)
{
    return imports + body;
}

// `sheet` (a Sheet's content) in a sheet over paper, presented by the root's present().
QByteArray presentedSheet(const QByteArray &sheet)
{
    return screen("Rectangle {\n    color: Theme.tarPaper\n    function present() { sheet.presented = true }\n"
                  "    Sheet {\n        id: sheet\n        onClosed: presented = false\n        sourceComponent: Component {\n"
                  + sheet + "\n        }\n    }\n}\n");
}

// Calls a function declared on the root object.
void call(QObject *root, const char *function)
{
    QMetaObject::invokeMethod(root, function);
}
} // namespace

// Renders every piece of the kit offscreen; each PNG lands in screenshots/design-*.png in the folder the test runs in.
class DesignRenderTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void renders_data()
    {
        QTest::addColumn<QByteArray>("qml");
        QTest::addColumn<QString>("interaction");

        QTest::newRow("palette-and-text") << screen(R"QML(
Rectangle {
    color: Theme.tarPaper
    ColumnLayout {
        anchors.fill: parent; anchors.margins: 16; spacing: 6
        Row {
            spacing: 8
            Repeater {
                model: [Theme.tarInk, Theme.tarPink, Theme.tarOrange, Theme.tarPaper, Theme.tarSurface, Theme.systemRed, Theme.systemGreen, Theme.systemBlue]
                Rectangle { required property color modelData; width: 36; height: 36; radius: 8; color: modelData; border.color: Theme.separator }
            }
        }
        Repeater {
            model: [[Theme.LargeTitle, "Крупный заголовок"], [Theme.Title, "Заголовок"], [Theme.Title2, "Заголовок 2"],
                    [Theme.Title3, "Заголовок 3"], [Theme.Headline, "Подзаголовок жирный"], [Theme.Body, "Основной текст Ёё"],
                    [Theme.Callout, "Выноска"], [Theme.Subheadline, "Подзаголовок"], [Theme.Footnote, "Сноска"],
                    [Theme.Caption, "Подпись"], [Theme.Caption2, "Подпись 2"]]
            StyledText { required property var modelData; textStyle: modelData[0]; text: modelData[1] }
        }
        StyledText { text: "ДОБРОЕ\nУТРО,\nАБОНЕНТ!"; size: 52; weight: Font.Black; tracking: -2; color: Theme.tarInk; lineHeight: 0.9 }
        StyledText { text: "Вторичный"; color: Theme.secondaryLabel }
        StyledText { text: "Третичный"; color: Theme.tertiaryLabel }
        Item { Layout.fillHeight: true }
    }
}
)QML") << QString();

        QTest::newRow("background-and-brand") << screen(R"QML(
Item {
    TarvikBackground { anchors.fill: parent }
    BrandMark { anchors.horizontalCenter: parent.horizontalCenter; y: 24 }
    PixelHeart { anchors.horizontalCenter: parent.horizontalCenter; anchors.bottom: parent.bottom; anchors.bottomMargin: 28; width: 24; height: 24; color: Theme.tarPink }
    AssetImage { name: "TarvikOfficialLogo"; x: 121; y: 300; width: 150; height: 32 }
    PixelHeart { x: 20; y: 400; width: 70; height: 35; color: Theme.tarInk }
}
)QML") << QString();

        QTest::newRow("background-second-palette") << screen(R"QML(
Item {
    function tap() { background.cyclePalette() }
    TarvikBackground { id: background; anchors.fill: parent; reduceMotion: true }
}
)QML") << QStringLiteral("tap");

        QTest::newRow("buttons") << screen(R"QML(
Rectangle {
    color: Theme.tarPaper
    ColumnLayout {
        anchors.fill: parent; anchors.margins: 24; spacing: 14
        PrimaryGlassButton { title: "Понятно"; icon: "checkmark" }
        PrimaryGlassButton { title: "Выбрать способ оплаты"; icon: "chevron.right"; buttonStyle: TarvikButton.PrimaryGlass }
        PrimaryGlassButton { title: "Отправляем…"; icon: "hourglass"; buttonStyle: TarvikButton.PrimaryGlass; enabled: false }
        TarvikButton {
            id: busy; Layout.fillWidth: true; buttonStyle: TarvikButton.PrimaryGlass
            contentItem: Item { implicitHeight: 58; ActivityIndicator { anchors.centerIn: parent; color: Theme.white } }
        }
        TarvikButton { Layout.fillWidth: true; buttonStyle: TarvikButton.PrimaryGlass
            contentItem: Item { implicitHeight: 58; StyledText { anchors.centerIn: parent; text: "Войти"; textStyle: Theme.Headline; color: Theme.white } } }
        Row {
            spacing: 12
            TarvikButton { text: "Стекло"; buttonStyle: TarvikButton.Glass }
            BarButton { text: "Закрыть" }
            SymbolButton { symbol: "xmark"; text: "Закрыть"; size: 16; weight: Font.DemiBold; color: Theme.tarInk }
            SymbolButton { symbol: "eye.fill"; text: "Показать пароль"; color: Theme.secondaryLabel }
            ActivityIndicator { anchors.verticalCenter: parent.verticalCenter }
        }
        Item { Layout.fillHeight: true }
    }
}
)QML") << QString();

        QTest::newRow("rows-and-cards") << screen(R"QML(
Rectangle {
    color: Theme.tarPaper
    ColumnLayout {
        anchors.fill: parent; anchors.margins: 16; spacing: 16
        SectionTitle { Layout.fillWidth: true; title: "Сервисы"; action: "Все" }
        CardSurface {
            Layout.fillWidth: true; padding: 0
            contentItem: ColumnLayout {
                spacing: 0
                ServiceRow { Layout.fillWidth: true; icon: "play.tv.fill"; title: "24ТВ"; subtitle: "Каналы, кино и архив" }
                ServiceRow { Layout.fillWidth: true; icon: "wifi"; title: "Интернет"; subtitle: "Тариф «Домашний 500»" }
            }
        }
        SupportRow { Layout.fillWidth: true; icon: "message.fill"; title: "Чат с поддержкой"; subtitle: "Ответим в течение пяти минут" }
        CardSurface {
            Layout.fillWidth: true; padding: 0
            contentItem: AccountRow { icon: "creditcard.fill"; title: "Баланс"; value: "1 250 ₽" }
        }
        CardSurface {
            Layout.fillWidth: true; padding: 18
            contentItem: RowLayout {
                Metric { title: "Баланс"; value: "1 250 ₽" }
                Item { Layout.fillWidth: true }
                Metric { title: "До блокировки"; value: "12 дней" }
            }
        }
        RowLayout {
            spacing: 12
            RoundedCornerShape { implicitWidth: 100; implicitHeight: 60; radius: 20; corners: RoundedCornerShape.TopLeft | RoundedCornerShape.BottomRight; color: Theme.tarPink }
            Rectangle {
                implicitWidth: 160; implicitHeight: 60; color: Theme.tarOrange; radius: 16
                GlassSurface { anchors.fill: parent; anchors.margins: 8; radius: 12 }
            }
        }
        Item { Layout.fillHeight: true }
    }
}
)QML") << QString();

        QTest::newRow("text-fields") << screen(R"QML(
Rectangle {
    color: Theme.tarPaper
    function focusLogin() { login.forceActiveFocus() }
    ColumnLayout {
        anchors.fill: parent; anchors.margins: 24; spacing: 10
        StyledText { text: "Логин"; size: 16; weight: Font.Medium }
        TarvikTextField { id: login; Layout.fillWidth: true; placeholderText: "Введите логин" }
        StyledText { text: "Пароль"; size: 16; weight: Font.Medium }
        TarvikTextField {
            Layout.fillWidth: true; placeholderText: "Пароль"; text: "secret"; echoMode: TextInput.Password; rightPadding: 5 + 44 + 8
            SymbolButton { anchors.right: parent.right; anchors.rightMargin: 5; anchors.verticalCenter: parent.verticalCenter; symbol: "eye.fill"; text: "Показать пароль"; color: Theme.secondaryLabel }
        }
        TarvikTextField { Layout.fillWidth: true; text: "684782"; radius: 16; outlined: false; leftPadding: 14; rightPadding: 14 }
        Item { Layout.fillHeight: true }
    }
    KeyboardToolbar {}
}
)QML") << QStringLiteral("focusLogin");

        QTest::newRow("demo-action-sheet") << screen(R"QML(
Rectangle {
    color: Theme.tarPaper
    function present() { sheet.presented = true }
    StyledText { x: 24; y: 80; text: "Экран под листом"; textStyle: Theme.Title; weight: Font.Bold }
    Sheet {
        id: sheet
        onClosed: presented = false
        sourceComponent: Component {
            DemoActionSheet { title: "Заявка принята"; message: "Мы свяжемся с вами по номеру +7 (912) 345-67-89 в течение рабочего дня, чтобы уточнить удобное время визита специалиста." }
        }
    }
}
)QML") << QStringLiteral("present");

        QTest::newRow("copy-sheet") << presentedSheet(R"QML(
            CopySheet {
                title: "Открыть ссылку"
                hint: "На этом устройстве нет программы для открытия ссылок. Откройте адрес на другом устройстве:"
                text: "https:\/\/tarvik.example/documents/tariffs/internet-and-tv/2026/dogovor-okazaniya-uslug.pdf"
                textStyle: Theme.Title3
            }
)QML") << QStringLiteral("present");

        QTest::newRow("copy-sheet-framed") << presentedSheet(R"QML(
            CopySheet {
                title: "Отправить"
                framed: true
                text: "Здравствуйте! С понедельника пропадает интернет по вечерам, роутер перезагружал. Договор 684782."
                TarvikButton { Layout.fillWidth: true; implicitHeight: 50; buttonStyle: TarvikButton.Glass; text: "Отправить по почте" }
            }
)QML") << QStringLiteral("present");

        QTest::newRow("stacked-sheets") << screen(R"QML(
Rectangle {
    color: Theme.white
    function present() { first.open() }
    Sheet {
        id: first
        sourceComponent: Component {
            NavigationStack {
                Component.onCompleted: second.open()
                initialItem: NavigationPage {
                    title: "Первый лист"
                    color: Theme.tarPaper
                    leadingItems: [ BarButton { text: "Закрыть" } ]
                }
                Sheet {
                    id: second
                    sourceComponent: Component {
                        NavigationStack {
                            initialItem: NavigationPage { title: "Второй лист"; leadingItems: [ BarButton { text: "Назад" } ] }
                        }
                    }
                }
            }
        }
    }
}
)QML") << QStringLiteral("present");

        QTest::newRow("alert-two-buttons") << screen(R"QML(
Rectangle {
    color: Theme.tarPaper
    function present() { alert.open() }
    Alert {
        id: alert
        title: "Подключить доверительный платёж?"
        message: "Биллинг рассчитает сумму автоматически."
        buttons: [ AlertButton { text: "Подключить" }, AlertButton { text: "Отмена"; role: AlertButton.Cancel } ]
    }
}
)QML") << QStringLiteral("present");

        QTest::newRow("alert-three-buttons") << screen(R"QML(
Rectangle {
    color: Theme.white
    function present() { alert.open() }
    Alert {
        id: alert
        title: "Удалить сообщение?"
        buttons: [ AlertButton { text: "Удалить только у меня"; role: AlertButton.Destructive },
                   AlertButton { text: "Удалить у всех"; role: AlertButton.Destructive },
                   AlertButton { text: "Отмена"; role: AlertButton.Cancel } ]
    }
}
)QML") << QStringLiteral("present");

        QTest::newRow("navigation") << screen(R"QML(
NavigationStack {
    function pushDetail() { push(detail) }
    Component {
        id: detail
        NavigationPage {
            title: "Добавить счёт"
            color: Theme.tarPaper
            trailingItems: [ SymbolButton { symbol: "xmark"; text: "Закрыть"; size: 16; weight: Font.DemiBold } ]
            CardSurface {
                x: 20; y: 20; width: parent.width - 40; padding: 18
                contentItem: StyledText { text: "Новый лицевой счёт"; textStyle: Theme.Title3; weight: Font.Bold; color: Theme.tarInk }
            }
        }
    }
    initialItem: NavigationPage { title: "Главная" }
}
)QML") << QStringLiteral("pushDetail");
        // The pickers' cards, opened from the keyboard: the focus on the chosen value.
        QTest::newRow("date-picker-open") << screen(R"QML(
Rectangle {
    color: Theme.tarPaper
    function open() { picker.open() }
    TarvikDatePicker { id: picker; y: 120; width: parent.width; label: "Дата начала"; date: new Date(2026, 2, 10) }
}
)QML") << QStringLiteral("open");
        QTest::newRow("time-picker-open") << screen(R"QML(
Rectangle {
    color: Theme.tarPaper
    function open() { picker.open() }
    TarvikTimePicker { id: picker; y: 120; width: parent.width; label: "Время визита"; date: new Date(2026, 2, 10, 14, 5) }
}
)QML") << QStringLiteral("open");
    }

    void renders()
    {
        QFETCH(QByteArray, qml);
        QFETCH(QString, interaction);
        QmlRenderOptions options;
        if (!interaction.isEmpty())
            options.interact = [&](QQuickWindow *, QObject *root) { call(root, qPrintable(interaction)); };
        TARVIK_VERIFY_RENDER(renderQml(QStringLiteral("design-") + QString::fromLatin1(QTest::currentDataTag()), qml, options));
    }

    // The detail page over more content than the screen holds: scrolled to its end, the content
    // goes under the bar, clipped, on paper to the bottom edge.
    void rendersDetailPageScrolledToTheEnd()
    {
        const QByteArray qml = screen(R"QML(
NavigationStack {
    function act() { push(detail) }
    initialItem: NavigationPage { title: "Главная" }
    Component {
        id: detail
        DetailPage {
            title: "Интернет"
            CardSurface { Layout.fillWidth: true; padding: 18; contentItem: ColumnLayout { spacing: 12
                ValueLine { title: "Тариф"; value: "Домашний Турбо" }
                ValueLine { title: "Абонентская плата за месяц с учётом скидок"; value: "890 ₽/мес." } } }
            CardSurface { Layout.fillWidth: true; contentItem: ColumnLayout { spacing: 0
                AccountRow { Layout.fillWidth: true; icon: "creditcard.fill"; title: "Баланс"; value: "1 250 ₽" }
                AccountRow { Layout.fillWidth: true; icon: "wifi"; title: "Интернет"; value: "500 Мбит/с" } } }
            Repeater { model: 9; CardSurface { required property int index; Layout.fillWidth: true; padding: 18
                contentItem: ValueLine { title: "Строка " + (index + 1); value: "—" } } }
        }
    }
}
)QML");
        QmlRenderOptions options;
        options.interact = [](QQuickWindow *, QObject *root) {
            call(root, "act");
            QTRY_VERIFY(!root->property("busy").toBool());
            auto *page = root->property("currentItem").value<QObject *>();
            auto *scroller = page->property("flickable").value<QQuickItem *>();
            QVERIFY(scroller);
            QTRY_VERIFY(scroller->property("contentHeight").toReal() > scroller->height());
            scroller->setProperty("contentY", scroller->property("contentHeight").toReal() - scroller->height());
        };
        TARVIK_VERIFY_RENDER(renderQml(QStringLiteral("design-detail-page"), qml, options));
    }

    void symbolGallery()
    {
        QByteArray cells;
        for (const QString &name : SymbolCatalog::names()) {
            cells += "Column { width: 96; spacing: 2; SymbolImage { anchors.horizontalCenter: parent.horizontalCenter; name: \"" + name.toUtf8()
                + "\"; size: 20; color: Theme.tarInk }\n StyledText { width: parent.width; horizontalAlignment: Text.AlignHCenter; text: \""
                + name.toUtf8() + "\"; size: 8; elide: Text.ElideMiddle; color: Theme.secondaryLabel } }\n";
        }
        const QByteArray qml = imports + "Rectangle { color: Theme.white\n Flow { anchors.fill: parent; anchors.margins: 6; spacing: 4\n" + cells + "} }";
        QmlRenderOptions options;
        options.size = QSize(1000, 900);
        TARVIK_VERIFY_RENDER(renderQml(QStringLiteral("design-symbols"), qml, options));
    }

    // A painted item hidden when the window first draws is painted once it is shown, and again at
    // its new size.
    void paintedItemShownLater()
    {
        const QByteArray qml = imports + R"QML(Rectangle {
    color: "white"
    function show() { symbol.visible = true; symbol.size = 40; picture.parent.visible = true }
    SymbolImage { id: symbol; visible: false; name: "xmark"; size: 10; color: "black" }
    Item { x: 100; visible: false; AssetImage { id: picture; name: "StoryTV"; width: 100; height: 100; fillMode: AssetImage.Fill } }
}
)QML";
        QmlRenderOptions options;
        options.size = QSize(200, 100);
        options.interact = [](QQuickWindow *window, QObject *root) {
            QVERIFY(QTest::qWaitForWindowExposed(window));
            QTest::qWait(50);
            call(root, "show");
        };
        const QmlRender render = renderQml(QStringLiteral("design-painted-shown-later"), qml, options);
        TARVIK_VERIFY_RENDER(render);
        const auto drawn = [&](const QRect &box) {
            int dark = 0;
            for (int y = box.top(); y <= box.bottom(); ++y)
                for (int x = box.left(); x <= box.right(); ++x)
                    dark += qGray(render.image.pixel(x, y)) < 128;
            return dark;
        };
        // The cross at size 40 reaches well past where one at size 10 would end.
        QVERIFY(drawn(QRect(20, 20, 30, 30)) > 20);
        QVERIFY(drawn(QRect(100, 0, 100, 100)) > 100);
    }

    void assetGallery()
    {
        QByteArray cells;
        for (const QString &name : AssetCatalog::names()) {
            const QByteArray tint = name == QLatin1String("TwentyFourTVLogo") ? "; tint: Theme.tarInk" : "";
            cells += "Column { spacing: 2; AssetImage { name: \"" + name.toUtf8() + "\"; width: 180; height: 120; fillMode: AssetImage.Fit" + tint
                + " }\n StyledText { text: \"" + name.toUtf8() + "\"; textStyle: Theme.Caption2 } }\n";
        }
        const QByteArray qml = imports + "Rectangle { color: Theme.tarPaper\n Flow { anchors.fill: parent; anchors.margins: 8; spacing: 8\n" + cells
            + "AssetImage { name: \"StoryTV\"; width: 180; height: 120; fillMode: AssetImage.Fill; radius: 24 }\n"
            + "Rectangle { width: 180; height: 40; color: Theme.tarInk; AssetImage { anchors.centerIn: parent; name: \"TarvikOfficialLogo\"; width: 96; height: 18; tint: Theme.white } }\n"
            + "} }";
        QmlRenderOptions options;
        options.size = QSize(780, 800);
        TARVIK_VERIFY_RENDER(renderQml(QStringLiteral("design-assets"), qml, options));
    }
};

QTEST_MAIN(DesignRenderTest)
#include "tst_designrender.moc"
