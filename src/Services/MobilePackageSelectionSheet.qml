pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import Tarvik.Design
import Tarvik.Services

// The mobile package choice of the tariff change order: one package or none. Every tap writes
// into the order at once; "Готово" (or a swipe) only closes the sheet.
// Present it as a Sheet's content:
//   MobilePackageSelectionSheet { order: theOrder }
//   required order: TariffConnectionOrder
PackageSelectionFrame {
    id: root

    required property TariffConnectionOrder order

    title: "Мобильная связь"

    PackageListSection {
        Layout.fillWidth: true

        PackageSelectionRow {
            objectName: "noMobileRow"
            Layout.fillWidth: true
            title: "Без мобильной связи"
            subtitle: "Не добавлять мобильный пакет"
            exclusive: true
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
                exclusive: true
                selected: root.order.mobileId === modelData.id
                onClicked: root.order.chooseMobile(modelData.id)
            }
        }
    }
}
