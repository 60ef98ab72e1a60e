import QtQuick
import QtQuick.Layouts
import Tarvik.Design
import Tarvik.Profile

// Confirms an e-mail address on the device: the address, "Получить код" (which only shows the code
// field: nothing is sent), the fixed test code, and the confirmation, which stores the address
// (and, for two-factor sign-in, turns it on). Messages come up in an alert.
//   purpose: EmailVerification.TwoFactor or EmailVerification.Profile (default)
//   readonly verification: the EmailVerification behind it
DetailPage {
    id: screen

    property int purpose: EmailVerification.Profile
    readonly property alias verification: verification
    readonly property bool twoFactor: purpose === EmailVerification.TwoFactor

    objectName: "emailVerificationView"
    title: twoFactor ? "Двухфакторная аутентификация" : "Подключить e-mail"
    // A field being edited comes into view with the main button.
    FocusScroller.mainControl: mainButton
    Component.onCompleted: verification.appear()

    EmailVerification {
        id: verification
        purpose: screen.purpose
    }

    CardSurface {
        Layout.fillWidth: true
        padding: 18

        contentItem: ColumnLayout {
            spacing: 18

            SettingsIcon {
                systemName: screen.twoFactor ? "lock.shield.fill" : "envelope.badge.fill"
                tint: Theme.tarPink
            }

            StyledText {
                Layout.fillWidth: true
                text: screen.twoFactor ? "Защитите вход в аккаунт" : "Добавьте e-mail в профиль"
                textStyle: Theme.Title2
                weight: Font.Bold
                color: Theme.tarInk
                wrapMode: Text.Wrap
            }

            StyledText {
                Layout.fillWidth: true
                text: "Мы отправим код подтверждения на указанный адрес. Пока это демонстрационный сценарий без отправки письма."
                textStyle: Theme.Subheadline
                color: Theme.secondaryLabel
                wrapMode: Text.Wrap
            }

            TarvikTextField {
                objectName: "emailField"
                Layout.fillWidth: true
                implicitHeight: Math.max(52, contentHeight + topPadding + bottomPadding)
                placeholderText: "E-mail"
                inputMethodHints: Qt.ImhEmailCharactersOnly | Qt.ImhNoAutoUppercase | Qt.ImhNoPredictiveText
                radius: 14
                fillColor: Theme.tarPaper
                outlined: false
                text: verification.email
                onTextEdited: verification.email = text
            }

            ColumnLayout {
                Layout.fillWidth: true
                visible: verification.codeSent
                spacing: 18

                TarvikTextField {
                    objectName: "codeField"
                    Layout.fillWidth: true
                    implicitHeight: Math.max(52, contentHeight + topPadding + bottomPadding)
                    placeholderText: "Код из письма"
                    inputMethodHints: Qt.ImhDigitsOnly
                    radius: 14
                    fillColor: Theme.tarPaper
                    outlined: false
                    text: verification.code
                    onTextEdited: verification.code = text
                }

                StyledText {
                    text: "Тестовый код: 8806"
                    textStyle: Theme.Caption
                    weight: Font.DemiBold
                    color: Theme.tarPink
                }
            }

            TarvikButton {
                id: mainButton

                objectName: "mainButton"
                Layout.fillWidth: true
                buttonStyle: TarvikButton.Plain
                text: verification.buttonTitle
                onClicked: verification.press()

                background: Rectangle {
                    implicitHeight: 52
                    radius: 14
                    color: mainButton.down ? Qt.darker(Theme.tarPink, 1.1) : Theme.tarPink
                }
                contentItem: StyledText {
                    text: mainButton.text
                    textStyle: Theme.Headline
                    color: Theme.white
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                    Accessible.ignored: true
                }
            }
        }
    }

    Alert {
        objectName: "messageAlert"
        presented: verification.message.length > 0
        title: "Подтверждение e-mail"
        buttons: [
            AlertButton {
                text: "Готово"
                role: AlertButton.Cancel
            }
        ]
        // The text stays as it was while the alert fades out.
        onAboutToShow: message = verification.message
        onClosed: verification.clearMessage()
    }
}
