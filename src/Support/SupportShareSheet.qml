import QtQuick
import QtQuick.Layouts
import Tarvik.Platform
import Tarvik.Design
import Tarvik.Support

// Hands a message's text on: to the clipboard, or into a new e-mail of the mail app.
//   text: string (the message text alone, without its time or author)
NavigationStack {
    id: share

    required property string text

    initialItem: NavigationPage {
        title: "Отправить"
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

            CardSurface {
                Layout.fillWidth: true
                padding: 16

                contentItem: StyledText {
                    text: share.text
                    textFormat: Text.PlainText
                    color: Theme.tarInk
                    wrapMode: Text.Wrap
                    maximumLineCount: 8
                    elide: Text.ElideRight
                }
            }

            PrimaryGlassButton {
                objectName: "shareCopyButton"
                buttonStyle: TarvikButton.PrimaryGlass
                Layout.fillWidth: true
                title: "Скопировать"
                icon: "doc.on.doc"
                onClicked: {
                    Pasteboard.copy(share.text)
                    Presentation.dismiss()
                }
            }

            TarvikButton {
                objectName: "shareMailButton"
                Layout.fillWidth: true
                implicitHeight: 50
                buttonStyle: TarvikButton.Glass
                text: "Отправить по почте"
                onClicked: {
                    UrlOpener.openUrl("mailto:?body=" + encodeURIComponent(share.text))
                    Presentation.dismiss()
                }
            }
        }
    }
}
