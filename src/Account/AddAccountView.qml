import QtQuick
import QtQuick.Layouts
import Tarvik.Design
import Tarvik.Account

// The request to add a second personal account: number and comment, then an alert that says it
// was added. Nothing is checked, kept or sent. Push it onto a NavigationStack; "Готово" in the
// alert goes back.
DetailPage {
    id: view

    property string accountNumber
    property string addressNote
    property bool showAccepted: false

    function close() {
        Presentation.dismiss()
    }

    title: "Добавить счёт"
    // A field being edited comes into view with the main button.
    FocusScroller.mainControl: addButton

    CardSurface {
        Layout.fillWidth: true
        padding: 18

        contentItem: ColumnLayout {
            spacing: 10

            StyledText {
                Layout.fillWidth: true
                text: "Новый лицевой счёт"
                Accessible.role: Accessible.Heading
                textStyle: Theme.Title3
                weight: Font.Bold
                color: Theme.tarInk
                wrapMode: Text.Wrap
            }

            StyledText {
                Layout.fillWidth: true
                text: "Добавьте договор Tarvik, чтобы видеть баланс, тариф и оплату по другому адресу."
                textStyle: Theme.Subheadline
                color: Theme.secondaryLabel
                wrapMode: Text.Wrap
            }
        }
    }

    CardSurface {
        Layout.fillWidth: true
        padding: 18

        contentItem: ColumnLayout {
            spacing: 14

            StyledText {
                id: accountLabel
                text: "Номер лицевого счёта"
                textStyle: Theme.Caption
                weight: Font.DemiBold
                color: Theme.secondaryLabel
                Accessible.ignored: true
            }

            TarvikTextField {
                objectName: "accountField"
                Layout.fillWidth: true
                implicitHeight: 52
                radius: 16
                leftPadding: 14
                rightPadding: 14
                outlined: false
                // Paper, not white: the card under it is white.
                fillColor: Theme.tarPaper
                placeholderText: "Например, 684782"
                Accessible.name: accountLabel.text
                Accessible.description: placeholderText
                inputMethodHints: Qt.ImhDigitsOnly | Qt.ImhNoPredictiveText
                onTextChanged: view.accountNumber = text
            }

            StyledText {
                id: noteLabel
                text: "Комментарий"
                textStyle: Theme.Caption
                weight: Font.DemiBold
                color: Theme.secondaryLabel
                Accessible.ignored: true
            }

            TarvikTextField {
                objectName: "noteField"
                Layout.fillWidth: true
                implicitHeight: 52
                radius: 16
                leftPadding: 14
                rightPadding: 14
                outlined: false
                fillColor: Theme.tarPaper
                placeholderText: "Например, квартира родителей"
                Accessible.name: noteLabel.text
                Accessible.description: placeholderText
                onTextChanged: view.addressNote = text
            }
        }
    }

    PrimaryGlassButton {
        id: addButton
        objectName: "addButton"
        title: "Добавить лицевой счёт"
        icon: "plus"
        onClicked: view.showAccepted = true
    }

    Alert {
        objectName: "acceptedAlert"
        presented: view.showAccepted
        title: "Лицевой счёт добавлен"
        message: "Пока это мокап: после подключения биллинга счёт будет проверяться на сервере."
        buttons: [
            AlertButton {
                text: "Готово"
                onTriggered: view.close()
            }
        ]
        onClosed: view.showAccepted = false
    }
}
