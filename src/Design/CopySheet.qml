import QtQuick
import QtQuick.Layouts
import Tarvik.Design

// Shown when no application here takes telephone links: the number to dial from another phone,
// and a button that copies it.
//   number: the number as shown ("+7 (495) 318-42-77")
NavigationStack {
    id: call

    required property string number

    initialItem: NavigationPage {
        title: "Позвонить"
        color: Theme.tarPaper
        leadingItems: [
            BarButton {
                text: "Закрыть"
                onClicked: Presentation.dismiss()
            }
        ]

        ColumnLayout {
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.top: parent.top
            anchors.margins: 20
            spacing: 14

            StyledText {
                Layout.fillWidth: true
                text: "На этом устройстве нет приложения для звонков. Наберите номер с телефона:"
                textStyle: Theme.Subheadline
                color: Theme.secondaryLabel
                wrapMode: Text.Wrap
            }

            StyledText {
                objectName: "callNumber"
                Layout.fillWidth: true
                text: call.number
                textFormat: Text.PlainText
                textStyle: Theme.Title2
                weight: Font.Bold
                color: Theme.tarInk
            }

            PrimaryGlassButton {
                objectName: "callCopyButton"
                Layout.fillWidth: true
                buttonStyle: TarvikButton.PrimaryGlass
                title: "Скопировать"
                icon: "doc.on.doc"
                onClicked: {
                    Pasteboard.copy(call.number)
                    Presentation.dismiss()
                }
            }
        }
    }
}
