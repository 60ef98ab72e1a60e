import QtQuick
import QtQuick.Layouts
import Tarvik.Design
import Tarvik.Requests

// Passes on a friend's contacts under the referral offer; a confirmation-only form that opens
// only once the name, address, phone and an e-mail with "@" and "." are filled in.
//   readonly friendName, friendAddress, friendPhone, friendEmail, comment: string
//   readonly canSubmit: bool; readonly request: its ConfirmationSend
RequestFormScreen {
    id: form

    readonly property alias friendName: nameField.text
    readonly property alias friendAddress: addressField.text
    readonly property alias friendPhone: phoneField.phone
    readonly property alias friendEmail: emailField.text
    readonly property alias comment: commentField.text
    readonly property bool canSubmit: RequestRules.referralValid(friendName, friendAddress, friendPhone, friendEmail)

    objectName: "referralFriendView"
    // A field being edited comes into view with the send button under it.
    FocusScroller.mainControl: sendButton
    title: "Приведи друга"
    heroAsset: "ReferralFriendHero"
    heroHeight: 230
    heroShift: 10
    cardOffset: 22
    cardBottomPadding: 16
    cardSpacing: 16
    showsBackButton: true
    confirmationTitle: "Заявка принята"
    confirmationMessage: "Мы получили контакты друга. Специалист Tarvik свяжется с ним и расскажет про подключение."

    RequestFormTitle {
        Layout.fillWidth: true
        title: "Приведи\nдруга"
        description: "Пригласи знакомого или друга подключиться к интернету и получи скидку 100% на абонентскую плату для себя и 50% для приглашённого на 30 дней."
    }

    RequestSectionCaption {
        Layout.fillWidth: true
        text: "Принять участие в акции"
    }

    ColumnLayout {
        Layout.fillWidth: true
        spacing: 10

        ReferralInputField {
            id: nameField
            objectName: "friendNameField"
            Layout.fillWidth: true
            title: "ФИО друга"
        }
        ReferralInputField {
            id: addressField
            objectName: "friendAddressField"
            Layout.fillWidth: true
            title: "Адрес друга"
        }
        PhoneInputField {
            id: phoneField
            objectName: "friendPhoneField"
            Layout.fillWidth: true
            title: "Телефон друга"
        }
        ReferralInputField {
            id: emailField
            objectName: "friendEmailField"
            Layout.fillWidth: true
            title: "E-mail друга"
            keyboard: Qt.ImhEmailCharactersOnly
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
