import QtQuick
import QtQuick.Layouts
import Tarvik.Design

// A sheet's content that hands a text over to be copied, where the app cannot pass it on itself:
// the title in the bar with "Закрыть", a line that says why, the text, and "Скопировать", which
// copies the text and closes the sheet. Present it as a Sheet's content:
//   Sheet { presented: root.callPresented; onClosed: root.callPresented = false
//           sourceComponent: Component { CopySheet { title: "Позвонить"; hint: …; text: number } } }
//   required title, text: string; hint: string (none by default: no line)
//   textStyle: the text's style, in bold (Theme.Title2); framed: the text in a card instead, in the
//   body style and at most eight lines (false)
//   default property: further actions under "Скопировать"; each closes the sheet itself
NavigationStack {
    id: root

    required property string title
    required property string text
    property string hint
    property int textStyle: Theme.Title2
    property bool framed: false
    default property alias actions: column.data

    initialItem: NavigationPage {
        title: root.title
        color: Theme.tarPaper
        leadingItems: [
            CloseBarButton {}
        ]

        ColumnLayout {
            id: column

            anchors.left: parent.left
            anchors.right: parent.right
            anchors.top: parent.top
            anchors.margins: 20
            spacing: 14

            StyledText {
                Layout.fillWidth: true
                visible: root.hint.length > 0
                text: root.hint
                textStyle: Theme.Subheadline
                color: Theme.secondaryLabel
                wrapMode: Text.Wrap
            }

            StyledText {
                objectName: "copiedText"
                Layout.fillWidth: true
                visible: !root.framed
                text: root.text
                textStyle: root.textStyle
                weight: Font.Bold
                color: Theme.tarInk
                wrapMode: Text.WrapAnywhere
            }

            CardSurface {
                Layout.fillWidth: true
                visible: root.framed
                padding: 16

                contentItem: StyledText {
                    text: root.text
                    color: Theme.tarInk
                    wrapMode: Text.Wrap
                    maximumLineCount: 8
                    elide: Text.ElideRight
                }
            }

            PrimaryGlassButton {
                objectName: "copyButton"
                Layout.fillWidth: true
                buttonStyle: TarvikButton.PrimaryGlass
                title: "Скопировать"
                icon: "doc.on.doc"
                onClicked: {
                    Pasteboard.copy(root.text)
                    Presentation.dismiss()
                }
            }
        }
    }
}
