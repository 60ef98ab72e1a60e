import QtQuick
import QtQuick.Layouts
import Tarvik.Design
import Tarvik.Requests

// Asks to move the connection to a new address; a confirmation-only form that opens once the new
// address and a phone with ten digits are filled in.
//   readonly newAddress, phone, comment: string; moveDate: the moving day (today)
//   readonly canSubmit: bool; readonly request: its ConfirmationSend
RequestFormScreen {
    id: form

    readonly property alias newAddress: addressField.text
    property date moveDate: new Date()
    readonly property alias phone: phoneField.phone
    readonly property alias comment: commentField.text
    readonly property bool canSubmit: RequestRules.relocationValid(newAddress, phone)

    objectName: "relocationRequestView"
    // A field being edited comes into view with the send button under it.
    FocusScroller.mainControl: sendButton
    title: "Переезд"
    heroAsset: "RelocationPromo"
    heroHeight: 218
    cardOffset: 22
    cardBottomPadding: 16
    cardSpacing: 16
    showsBackButton: true
    confirmationTitle: "Заявка принята"
    confirmationMessage: "Мы проверим возможность подключения по новому адресу и свяжемся с вами."

    RequestFormTitle {
        Layout.fillWidth: true
        title: "Переезд"
        description: "Сохраним лицевой счёт, тариф и условия по договору. Сообщите новый адрес — мы проверим подключение и подготовим переезд интернета."
    }

    RequestSectionCaption {
        Layout.fillWidth: true
        text: "Оставить заявку"
    }

    ColumnLayout {
        Layout.fillWidth: true
        spacing: 10

        ReferralInputField {
            id: addressField
            objectName: "newAddressField"
            Layout.fillWidth: true
            title: "Новый адрес"
        }
        TarvikDatePicker {
            objectName: "moveDatePicker"
            Layout.fillWidth: true
            label: "Дата переезда"
            color: Theme.withOpacity(Theme.tarPaper, 0.78)
            date: form.moveDate
            onPicked: date => form.moveDate = date
        }
        PhoneInputField {
            id: phoneField
            objectName: "phoneField"
            Layout.fillWidth: true
            title: "Телефон для связи"
        }
        ReferralInputField {
            id: commentField
            objectName: "commentField"
            Layout.fillWidth: true
            title: "Комментарий"
        }
    }

    RequestSendButton {
        id: sendButton
        Layout.fillWidth: true
        caption: "ОТПРАВИТЬ ЗАЯВКУ"
        sending: form.request.sending
        valid: form.canSubmit
        onClicked: form.request.send()
    }
}
