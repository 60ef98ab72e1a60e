import QtQuick
import QtQuick.Layouts
import Tarvik.Design
import Tarvik.Payments

// The payment services block: a card that explains top-up and autopay, then a row for each that
// opens its sheet (the top-up always from an empty amount). Place it in a scrolling column; its
// two parts are spaced like the column's own children.
//   showTopUp, showAutopay: bool (false at first; the rows set them, closing a sheet clears them)
ColumnLayout {
    id: services

    property bool showTopUp: false
    property bool showAutopay: false

    spacing: 18

    CardSurface {
        Layout.fillWidth: true
        padding: 18

        contentItem: ColumnLayout {
            spacing: 12

            StyledText {
                Layout.fillWidth: true
                text: "Платёжные услуги"
                size: 24
                weight: Font.Black
                rounded: true
                color: Theme.tarInk
                wrapMode: Text.Wrap
            }

            StyledText {
                Layout.fillWidth: true
                text: "Пополняйте баланс и подключайте автоплатёж на сумму абонентской платы."
                textStyle: Theme.Subheadline
                weight: Font.Medium
                color: Theme.withOpacity(Theme.tarInk, 0.56)
                wrapMode: Text.Wrap
            }
        }
    }

    ColumnLayout {
        Layout.fillWidth: true
        spacing: 10

        PaymentListActionRow {
            objectName: "topUpRow"
            Layout.fillWidth: true
            title: "Пополнить баланс"
            subtitle: "СБП или банковская карта"
            onClicked: services.showTopUp = true
        }

        PaymentListActionRow {
            objectName: "autopayRow"
            Layout.fillWidth: true
            title: "Подключить автоплатёж"
            subtitle: "Раз в месяц на сумму абонентской платы"
            onClicked: services.showAutopay = true
        }
    }

    TopUpSheet {
        objectName: "topUpSheet"
        presented: services.showTopUp
        onClosed: services.showTopUp = false
    }

    Sheet {
        objectName: "autopaySheet"
        presented: services.showAutopay
        onClosed: services.showAutopay = false
        sourceComponent: Component {
            AutopayView {}
        }
    }
}
