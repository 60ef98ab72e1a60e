import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Tarvik.Platform
import Tarvik.Design
import Tarvik.Account

// The password-recovery sheet: the account number and the mobile phone (formatted while typed),
// checked here and sent to the site, which answers by SMS. Present it as a Sheet's content; the
// close button and the success alert's "Готово" close that sheet.
NavigationStack {
    id: view

    readonly property alias accountNumber: accountField.text
    readonly property alias phoneNumber: phoneField.text
    // The red message; empty means none.
    property string error
    // The success text; non-empty shows the alert.
    property string resultMessage
    property bool isSubmitting: false
    // The request whose answer this screen waits for (0: none).
    property int request: 0

    function showError(message) {
        error = message
        errorFade.restart()
        ScreenReader.announce(errorText)
    }

    function submitRecovery() {
        TextEditing.endEditing()
        const refusal = PasswordRecoveryRules.refusal(accountNumber, phoneNumber)
        if (refusal.length > 0) {
            showError(refusal)
            Haptics.play(Haptics.NotificationError)
            return
        }
        isSubmitting = true
        error = ""
        request = PasswordRecovery.send(accountNumber, phoneNumber)
        if (request === 0)
            isSubmitting = false
    }

    function close() {
        Presentation.dismiss()
    }

    Connections {
        target: PasswordRecovery
        enabled: view.isSubmitting

        // The outcome's haptic is played by PasswordRecovery itself.
        function onSendFinished(request, ok, message, error) {
            if (request !== view.request)
                return
            view.request = 0
            if (ok)
                view.resultMessage = message
            else
                view.showError(error)
            view.isSubmitting = false
        }
    }

    // The two inputs; each keeps its text by its own rules.
    enum Field { Account, Phone }

    // One labelled input of the form; every change of its text runs the field's input rules (the
    // phone's are the phone entry rule, which the phone field holds).
    component RecoveryField: ColumnLayout {
        id: recoveryField

        required property string title
        required property int field
        property alias placeholderText: input.placeholderText
        property alias text: input.text
        property alias inputMethodHints: input.inputMethodHints
        property alias input: input

        spacing: 8

        StyledText {
            text: recoveryField.title
            textStyle: Theme.Caption
            weight: Font.DemiBold
            color: Theme.tarInk
            Accessible.ignored: true
        }

        TarvikTextField {
            id: input

            Layout.fillWidth: true
            radius: 15
            leftPadding: 15
            rightPadding: 15
            Accessible.name: recoveryField.title
            Accessible.description: placeholderText
            onTextChanged: {
                if (recoveryField.field !== ForgotPasswordView.Account)
                    return
                const kept = PasswordRecoveryRules.accountInput(text)
                if (kept !== text)
                    text = kept
            }
        }
    }

    initialItem: NavigationPage {
        trailingItems: [
            SymbolButton {
                objectName: "closeButton"
                symbol: "xmark"
                text: "Закрыть"
                size: 16
                weight: Font.DemiBold
                onClicked: view.close()
            }
        ]

        background: TarvikBackground {}

        Flickable {
            id: scroller

            anchors.fill: parent
            contentWidth: width
            contentHeight: Math.max(column.implicitHeight + 32, height)
            flickableDirection: Flickable.VerticalFlick
            clip: true
            T.ScrollIndicator.vertical: TarvikScrollIndicator {}

            ColumnLayout {
                id: column

                readonly property real frameWidth: Math.min(520, scroller.width)

                x: (scroller.width - frameWidth) / 2 + 24
                width: frameWidth - 48
                spacing: 0

                AssetImage {
                    Layout.topMargin: 66
                    Layout.alignment: Qt.AlignHCenter
                    Layout.preferredWidth: 150
                    Layout.preferredHeight: 32
                    name: "TarvikOfficialLogo"
                    fillMode: AssetImage.Fit
                    Accessible.role: Accessible.Graphic
                    Accessible.name: "Логотип Tarvik"
                }

                ColumnLayout {
                    Layout.topMargin: 80
                    Layout.fillWidth: true
                    spacing: 18

                    RecoveryField {
                        id: accountField

                        objectName: "accountField"
                        Layout.fillWidth: true
                        title: "Номер лицевого счета"
                        placeholderText: "Например, 815801"
                        field: ForgotPasswordView.Account
                        inputMethodHints: Qt.ImhDigitsOnly | Qt.ImhNoPredictiveText
                        onTextChanged: view.error = ""
                    }

                    RecoveryField {
                        id: phoneField

                        objectName: "phoneField"
                        Layout.fillWidth: true
                        title: "Ваш номер телефона"
                        placeholderText: "+7 999 000-00-00"
                        field: ForgotPasswordView.Phone
                        inputMethodHints: Qt.ImhDialableCharactersOnly | Qt.ImhNoPredictiveText
                        onTextChanged: view.error = ""

                        PhoneFieldRule {
                            field: phoneField.input
                        }
                    }

                    StyledText {
                        id: errorText
                        objectName: "recoveryErrorText"
                        Layout.fillWidth: true
                        visible: view.error.length > 0
                        text: view.error
                        textStyle: Theme.Footnote
                        weight: Font.DemiBold
                        color: Theme.systemRed
                        wrapMode: Text.Wrap
                        Accessible.role: Accessible.StaticText
                        Accessible.name: text

                        NumberAnimation on opacity {
                            id: errorFade
                            from: 0
                            to: 1
                            duration: 180
                            easing.type: Easing.OutQuad
                        }
                    }

                    TarvikButton {
                        id: sendButton

                        objectName: "sendButton"
                        Layout.fillWidth: true
                        buttonStyle: TarvikButton.PrimaryGlass
                        enabled: !view.isSubmitting
                        opacity: view.isSubmitting ? 0.72 : 1
                        text: "Выслать пароль"
                        Accessible.name: view.isSubmitting ? "Загрузка" : text
                        onClicked: view.submitRecovery()

                        contentItem: BusyButtonLabel {
                            button: sendButton
                            busy: view.isSubmitting
                            buttonHeight: 54
                        }
                    }
                }
            }
        }
    }

    Alert {
        objectName: "sentAlert"
        presented: view.resultMessage.length > 0
        title: "SMS отправлено"
        message: view.resultMessage
        buttons: [
            AlertButton {
                text: "Готово"
                onTriggered: {
                    view.resultMessage = ""
                    view.close()
                }
            }
        ]
        onClosed: view.resultMessage = ""
    }
}
