import QtQuick
import QtQuick.Layouts
import Tarvik.Platform
import Tarvik.Design

// Hands a message's text on: to the clipboard, or into a new e-mail of the mail app.
//   text: string (the message text alone, without its time or author)
CopySheet {
    id: share

    title: "Отправить"
    framed: true

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
