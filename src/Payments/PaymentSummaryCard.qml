import QtQuick
import QtQuick.Layouts
import Tarvik.Design
import Tarvik.Account
import Tarvik.Payments

// The payments tab's first card: the current balance, the recommended top-up and the button that
// opens a top-up from an empty amount. It follows the store's account and recommended payment.
//   presented: bool (the top-up sheet is shown; false at first)
Rectangle {
    id: card

    property bool presented: false

    implicitWidth: column.implicitWidth + 36
    implicitHeight: column.implicitHeight + 36
    radius: 24
    color: Theme.withOpacity(Theme.tarPaper, 0.76)

    ColumnLayout {
        id: column

        anchors.fill: parent
        anchors.margins: 18
        spacing: 16

        ColumnLayout {
            Layout.fillWidth: true
            spacing: 5

            StyledText {
                text: "Текущий баланс"
                textStyle: Theme.Caption
                weight: Font.DemiBold
                color: Theme.withOpacity(Theme.tarInk, 0.52)
            }

            StyledText {
                objectName: "balanceText"
                Layout.fillWidth: true
                Layout.preferredHeight: implicitHeight
                text: PaymentTexts.balanceText(AccountStore.account.balance)
                size: 42
                weight: Font.Black
                rounded: true
                tracking: -1.1
                color: Theme.tarInk
                fontSizeMode: Text.HorizontalFit
                minimumPixelSize: Math.round(42 * 0.68)
                elide: Text.ElideRight
                maximumLineCount: 1
            }
        }

        PaymentMiniMetric {
            objectName: "recommendedMetric"
            Layout.fillWidth: true
            title: "Рекомендовано пополнить"
            value: PaymentTexts.recommendedPaymentText(AccountStore.recommendedPayment)
            tint: Theme.tarPink
        }

        TarvikButton {
            id: topUpButton

            objectName: "topUpButton"
            Layout.fillWidth: true
            buttonStyle: TarvikButton.Plain
            text: "Пополнить баланс"
            onClicked: card.presented = true

            background: Rectangle {
                implicitHeight: 54
                radius: 18
                color: topUpButton.down ? Qt.darker(Theme.tarPink, 1.15) : Theme.tarPink
            }

            contentItem: StyledText {
                leftPadding: 18
                rightPadding: 18
                text: topUpButton.text
                size: 16
                weight: Font.Black
                rounded: true
                tracking: 0.2
                color: Theme.white
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                Accessible.ignored: true
            }
        }
    }

    TopUpSheet {
        objectName: "topUpSheet"
        presented: card.presented
        onClosed: card.presented = false
    }
}
