import QtQuick
import QtQuick.Layouts
import Tarvik.Design
import Tarvik.Profile

// A promotion code: one card with the field and "Применить", which only answers in an alert; the
// code is neither stored nor sent. No screen opens it yet.
//   no inputs; readonly promoCode: string; message: string, the answer the alert shows (the
//   screen sets it)
DetailPage {
    id: screen

    readonly property alias promoCode: codeField.text
    property string message

    objectName: "promoCodesView"
    title: "Промокоды"

    CardSurface {
        Layout.fillWidth: true
        padding: 18

        contentItem: ColumnLayout {
            spacing: 16

            SettingsIcon {
                systemName: "tag.fill"
                tint: Theme.tarOrange
            }
            StyledText {
                Layout.fillWidth: true
                text: "Активировать промокод"
                textStyle: Theme.Title2
                weight: Font.Bold
                color: Theme.tarInk
                wrapMode: Text.Wrap
            }
            StyledText {
                Layout.fillWidth: true
                text: "Введите код акции Tarvik. Начисление появится после проверки условий."
                textStyle: Theme.Subheadline
                color: Theme.secondaryLabel
                wrapMode: Text.Wrap
            }
            TarvikTextField {
                id: codeField

                objectName: "promoCodeField"
                Layout.fillWidth: true
                implicitHeight: Math.max(52, contentHeight + topPadding + bottomPadding)
                placeholderText: "Промокод"
                inputMethodHints: Qt.ImhUppercaseOnly | Qt.ImhNoPredictiveText
                radius: 14
                fillColor: Theme.tarPaper
                outlined: false
            }
            TarvikButton {
                id: applyButton

                objectName: "applyButton"
                Layout.fillWidth: true
                buttonStyle: TarvikButton.Plain
                text: "Применить"
                // As typed: a code of blanks is sent for checking too.
                onClicked: screen.message = screen.promoCode.length > 0 ? "Промокод отправлен на проверку." : "Введите промокод."

                background: Rectangle {
                    implicitHeight: 52
                    radius: 14
                    color: Theme.tarPink
                }
                contentItem: StyledText {
                    text: applyButton.text
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
        presented: screen.message.length > 0
        title: "Промокоды"
        buttons: [
            AlertButton {
                text: "Готово"
                role: AlertButton.Cancel
            }
        ]
        onAboutToShow: message = screen.message
        onClosed: screen.message = ""
    }
}
