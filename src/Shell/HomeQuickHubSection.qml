pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import Tarvik.Design
import Tarvik.Shell

// "Быстро": four hub tiles in two columns: the speed test, the home services, statistics and
// support.   open(destination, properties): push a screen
ColumnLayout {
    id: section

    // The services the "Услуги" tile lists: id, title, subtitle, symbol.
    readonly property var homeServices: [
        { serviceId: ServiceRouter.partnerTv, title: "24ТВ", subtitle: "Архив и онлайн-кинотеатр", icon: "play.tv.fill" },
        { serviceId: "cableTv", title: "Кабельное телевидение", subtitle: "130 цифровых каналов", icon: "tv.fill" },
        { serviceId: "staticIp", title: "Статический IP", subtitle: "Постоянный адрес в интернете", icon: "network" },
        { serviceId: "antivirus", title: "Антивирус", subtitle: "Защита всех устройств", icon: "checkmark.shield.fill" }
    ]

    // A destination is a Component or the address of a screen loaded when first opened.
    signal open(var destination, var properties)

    spacing: 12

    StyledText {
        text: "Быстро"
        size: 23
        weight: Font.Bold
        rounded: true
        tracking: -0.35
        color: Theme.tarInk
        Accessible.role: Accessible.Heading
    }

    GridLayout {
        Layout.fillWidth: true
        columns: 2
        columnSpacing: 8
        rowSpacing: 10

        Repeater {
            model: [
                { icon: "speedometer", title: "Speedtest", subtitle: "Проверить скорость", tint: Theme.systemCyan,
                  destination: Destinations.speedTest, properties: {} },
                { icon: "square.grid.2x2.fill", title: "Услуги", subtitle: "Все разделы", tint: Theme.tarPink,
                  destination: Destinations.allHomeServices, properties: { services: section.homeServices } },
                { icon: "chart.bar.fill", title: "Статистика", subtitle: "Платежи и траты", tint: Theme.systemGreen,
                  destination: Destinations.statistics, properties: {} },
                { icon: "message.fill", title: "Поддержка", subtitle: "Онлайн-чат", tint: Theme.tarInk,
                  destination: Destinations.support, properties: {} }
            ]

            TarvikButton {
                id: tile

                required property var modelData

                objectName: "hubTile" + modelData.title
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                buttonStyle: TarvikButton.Plain
                text: modelData.title
                contentItem: HomeHubButton {
                    icon: tile.modelData.icon
                    title: tile.modelData.title
                    subtitle: tile.modelData.subtitle
                    tint: tile.modelData.tint
                }
                onClicked: section.open(modelData.destination, modelData.properties)
            }
        }
    }
}
