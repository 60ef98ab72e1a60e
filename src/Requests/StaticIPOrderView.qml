import QtQuick
import QtQuick.Layouts
import Tarvik.Design
import Tarvik.Requests

// Orders one to five static IP addresses at 200 ₽ a month each; a confirmation-only form.
//   readonly quantity: int; readonly request: its ConfirmationSend
RequestFormScreen {
    id: form

    readonly property alias quantity: picker.quantity

    objectName: "staticIpOrderView"
    // Not shown (no bar); names the screen for the stack and accessibility.
    title: "Статические IP-адреса"
    heroAsset: "StaticIPHero"
    heroHeight: 230
    cardMinimumHeight: 360
    cardOffset: 34
    // Without a navigation bar this screen would be a dead end on a desktop.
    showsBackButton: canGoBack
    confirmationTitle: "Заказ принят"
    confirmationMessage: "Заявка на подключение статического IP-адреса отправлена. Специалист Tarvik свяжется с вами."

    RequestFormTitle {
        Layout.fillWidth: true
        title: "Статический\nIP-адрес"
        description: "Постоянный IP-адрес с уникальным идентификатором, который определяется глобально во всей сети."
    }

    Item {
        implicitHeight: 20
    }

    StaticIPQuantityPicker {
        id: picker
        Layout.fillWidth: true
    }

    Item {
        implicitHeight: 18
    }

    RowLayout {
        spacing: 6

        StyledText {
            objectName: "priceText"
            Layout.alignment: Qt.AlignBaseline
            // Plain digits: at most "1000 ₽", without a thousands separator.
            text: RequestRules.staticIpPrice(picker.quantity) + " ₽"
            size: 34
            weight: Font.Black
            rounded: true
            tracking: -0.75
            color: Theme.tarInk
        }
        StyledText {
            Layout.alignment: Qt.AlignBaseline
            text: "/мес"
            size: 20
            weight: Font.Black
            color: Theme.tarInk
        }
    }

    RequestSendButton {
        Layout.fillWidth: true
        Layout.topMargin: 14
        caption: "ПОДКЛЮЧИТЬ"
        sending: form.request.sending
        onClicked: form.request.send()
    }
}
