import QtQuick
import QtQuick.Layouts
import Tarvik.Design

// The confirmation a screen shows once its request has gone through: sparkles, the bold title,
// the grey message and "Понятно"; "Закрыть" in the bar. Both buttons only close the sheet. The
// sheet's dialog carries the title and the message as its name and description.
// Present it as a Sheet's content:
//   Sheet { presented: root.successPresented; onClosed: root.successPresented = false
//           sourceComponent: Component { DemoActionSheet { title: "Заявка принята"; message: … } } }
//   required title, message: string (shown verbatim)
NavigationStack {
    id: root

    required property string title
    required property string message

    initialItem: NavigationPage {
        color: Theme.tarPaper
        trailingItems: [
            CloseBarButton {}
        ]

        ColumnLayout {
            anchors.fill: parent
            anchors.margins: 24
            spacing: 18

            SymbolImage {
                name: "sparkles"
                size: Theme.textStyleSize(Theme.LargeTitle)
                color: Theme.tarPink
            }

            StyledText {
                Layout.fillWidth: true
                text: root.title
                textStyle: Theme.Title
                weight: Font.Bold
                wrapMode: Text.Wrap
                Accessible.ignored: true
            }

            StyledText {
                Layout.fillWidth: true
                text: root.message
                color: Theme.secondaryLabel
                wrapMode: Text.Wrap
                Accessible.ignored: true
            }

            PrimaryGlassButton {
                objectName: "demoActionSheetDone"
                title: "Понятно"
                icon: "checkmark"
                buttonStyle: TarvikButton.PrimaryGlass
                onClicked: Presentation.dismiss()
            }

            Item {
                Layout.fillHeight: true
            }
        }
    }
}
