pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Tarvik.Design
import Tarvik.Services

// The mobile package choice of the tariff change order: one package or none. Every tap writes
// into the order at once; "Готово" (or a swipe) only closes the sheet.
// Present it as a Sheet's content:
//   MobilePackageSelectionSheet { order: theOrder }
//   required order: TariffConnectionOrder
NavigationStack {
    id: root

    required property TariffConnectionOrder order

    initialItem: NavigationPage {
        title: "Мобильная связь"
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
            contentHeight: section.implicitHeight + 40
            flickableDirection: Flickable.VerticalFlick
            clip: true
            T.ScrollIndicator.vertical: TarvikScrollIndicator {}

            PackageListSection {
                id: section

                x: 16
                y: 20
                width: scroller.width - 32

                PackageSelectionRow {
                    objectName: "noMobileRow"
                    Layout.fillWidth: true
                    title: "Без мобильной связи"
                    subtitle: "Не добавлять мобильный пакет"
                    selected: root.order.mobileId.length === 0
                    onClicked: root.order.chooseMobile("")
                }

                Repeater {
                    model: root.order.mobileCatalog

                    delegate: PackageSelectionRow {
                        required property var modelData

                        objectName: "mobileRow_" + modelData.id
                        Layout.fillWidth: true
                        title: modelData.title
                        subtitle: modelData.details
                        price: modelData.priceText
                        selected: root.order.mobileId === modelData.id
                        onClicked: root.order.chooseMobile(modelData.id)
                    }
                }
            }
        }
    }
}
