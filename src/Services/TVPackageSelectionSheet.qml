pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import Tarvik.Design
import Tarvik.Services

// The partner TV choice of the tariff change order: one base package or none, and any add-ons.
// Every tap writes into the order at once; "Готово" (or a swipe) only closes the sheet.
// Present it as a Sheet's content:
//   TVPackageSelectionSheet { order: theOrder }
//   required order: TariffConnectionOrder
PackageSelectionFrame {
    id: root

    required property TariffConnectionOrder order

    title: "Пакеты 24ТВ"

    PackageListSection {
        Layout.fillWidth: true
        title: "Основной пакет"

        PackageSelectionRow {
            objectName: "noTVRow"
            Layout.fillWidth: true
            title: "Без 24ТВ"
            subtitle: "Не добавлять основной пакет"
            subtitleLines: 2
            exclusive: true
            selected: root.order.tvBaseId.length === 0
            onClicked: root.order.chooseNoTV()
        }

        Repeater {
            model: TVPackageCatalog.mainCatalog

            delegate: PackageSelectionRow {
                required property var modelData

                objectName: "baseRow_" + modelData.id
                Layout.fillWidth: true
                title: modelData.title
                subtitle: modelData.channelCount + " · " + modelData.price
                subtitleLines: 2
                exclusive: true
                selected: root.order.tvBaseId === modelData.id
                onClicked: root.order.chooseTVBase(modelData.id)
            }
        }
    }

    PackageListSection {
        Layout.fillWidth: true
        title: "Дополнительные пакеты"

        Repeater {
            model: TVPackageCatalog.additionalCatalog

            delegate: PackageSelectionRow {
                required property var modelData

                objectName: "addonRow_" + modelData.id
                Layout.fillWidth: true
                title: modelData.title
                subtitle: modelData.description + " · " + modelData.price
                subtitleLines: 2
                selected: root.order.tvAddonIds.indexOf(modelData.id) >= 0
                onClicked: root.order.toggleTVAddon(modelData.id)
            }
        }
    }
}
