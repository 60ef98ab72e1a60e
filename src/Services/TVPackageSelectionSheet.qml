pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Tarvik.Design
import Tarvik.Services

// The partner TV choice of the tariff change order: one base package or none, and any add-ons.
// Every tap writes into the order at once; "Готово" (or a swipe) only closes the sheet.
// Present it as a Sheet's content:
//   TVPackageSelectionSheet { order: theOrder }
//   required order: TariffConnectionOrder
NavigationStack {
    id: root

    required property TariffConnectionOrder order

    initialItem: NavigationPage {
        title: "Пакеты 24ТВ"
        color: Theme.systemGroupedBackground
        trailingItems: [
            BarButton {
                objectName: "doneButton"
                text: "Готово"
                font.weight: Font.DemiBold
                onClicked: Presentation.dismiss()
            }
        ]

        Flickable {
            id: scroller

            anchors.fill: parent
            contentWidth: width
            contentHeight: sections.implicitHeight + 40
            flickableDirection: Flickable.VerticalFlick
            clip: true
            T.ScrollIndicator.vertical: TarvikScrollIndicator {}

            ColumnLayout {
                id: sections

                x: 16
                y: 20
                width: scroller.width - 32
                spacing: 28

                PackageListSection {
                    Layout.fillWidth: true
                    title: "Основной пакет"

                    PackageSelectionRow {
                        objectName: "noTVRow"
                        Layout.fillWidth: true
                        title: "Без 24ТВ"
                        subtitle: "Не добавлять основной пакет"
                        subtitleLines: 2
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
        }
    }
}
