import QtQuick
import QtQuick.Layouts
import Tarvik.Platform
import Tarvik.Design
import Tarvik.Account
import Tarvik.Services

// The partner TV account sheet: a Russian mobile number, formatted while typed, sent to the
// personal-account site to create the subscriber's "24ТВ" account. Present it as a Sheet's
// content; "Закрыть" and the success alert close that sheet. A request still running when the
// sheet closes goes on; its result is dropped.
NavigationStack {
    id: view

    readonly property alias form: form

    function close() {
        Presentation.dismiss()
    }

    function createAccount() {
        TextEditing.endEditing()
        form.createAccount()
    }

    TwentyFourTVAccountForm {
        id: form

        accountStore: AccountStore
        haptics: Haptics
    }

    initialItem: NavigationPage {
        title: "Аккаунт 24ТВ"
        background: TarvikBackground {}
        trailingItems: [
            CloseBarButton {
                objectName: "closeButton"
            }
        ]

        ColumnLayout {
            anchors.fill: parent
            anchors.margins: 24
            spacing: 18

            RowLayout {
                Layout.fillWidth: true
                Layout.bottomMargin: 8
                Layout.alignment: Qt.AlignHCenter
                spacing: 10

                Item { Layout.fillWidth: true }
                AssetImage {
                    Layout.preferredWidth: 96
                    Layout.preferredHeight: 18
                    name: "TarvikOfficialLogo"
                    fillMode: AssetImage.Fit
                    // Ink, not white: the brand background here is light.
                    tint: Theme.tarInk
                    Accessible.role: Accessible.Graphic
                    Accessible.name: "Tarvik"
                }
                StyledText {
                    text: "×"
                    size: 17
                    rounded: true
                    color: Theme.tarInk
                    Accessible.ignored: true
                }
                AssetImage {
                    Layout.preferredWidth: 30
                    Layout.preferredHeight: 30
                    name: "TwentyFourTVLogo"
                    fillMode: AssetImage.Fit
                    tint: Theme.tarInk
                    Accessible.role: Accessible.Graphic
                    Accessible.name: "24ТВ"
                }
                Item { Layout.fillWidth: true }
            }

            StyledText {
                text: "Номер телефона"
                textStyle: Theme.Subheadline
                weight: Font.DemiBold
            }

            TarvikTextField {
                id: phoneField

                objectName: "phoneField"
                Layout.fillWidth: true
                Layout.minimumHeight: 56
                radius: 15
                placeholderText: "+7 (999) 123-45-67"
                inputMethodHints: Qt.ImhDialableCharactersOnly | Qt.ImhNoPredictiveText
                // Named by the caption above it; the sample only describes it.
                Accessible.name: "Номер телефона"
                onTextChanged: form.phoneNumber = text

                PhoneFieldRule {
                    field: phoneField
                }
            }

            StyledText {
                objectName: "errorText"
                Layout.fillWidth: true
                visible: form.error.length > 0
                text: form.error
                textStyle: Theme.Footnote
                weight: Font.DemiBold
                color: Theme.systemRed
                wrapMode: Text.Wrap
                Accessible.role: Accessible.StaticText
                Accessible.name: text
            }

            TarvikButton {
                id: createButton

                objectName: "createButton"
                Layout.fillWidth: true
                buttonStyle: TarvikButton.PrimaryGlass
                enabled: !form.isLoading
                text: "Создать аккаунт"
                Accessible.name: form.isLoading ? "Загрузка" : text
                onClicked: view.createAccount()

                contentItem: BusyButtonLabel {
                    button: createButton
                    busy: form.isLoading
                    buttonHeight: 56
                }
            }

            Item { Layout.fillHeight: true }
        }
    }

    Alert {
        objectName: "successAlert"
        presented: form.successMessage.length > 0
        title: "Готово"
        message: form.successMessage
        buttons: [
            AlertButton {
                text: "Закрыть"
                onTriggered: {
                    form.successMessage = ""
                    view.close()
                }
            }
        ]
        onClosed: form.successMessage = ""
    }
}
