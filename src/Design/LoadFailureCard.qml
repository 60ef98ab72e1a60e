import QtQuick
import QtQuick.Layouts
import Tarvik.Design

// The failure card over a web page that could not be loaded: the message, centred, and
// "Повторить", on the frosted MaterialCard, clear of the page's edges. Shown while `message` is set.
//   message: string; backdrop: the page behind; retry()
MaterialCard {
    id: card

    property string message
    signal retry()

    objectName: "failureCard"
    anchors.centerIn: parent
    width: parent ? parent.width - 32 : 0
    visible: message.length > 0

    contentItem: ColumnLayout {
        width: card.width - 2 * card.padding
        spacing: 16

        StyledText {
            objectName: "failureMessage"
            Layout.fillWidth: true
            text: card.message
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
        }

        TarvikButton {
            objectName: "retryButton"
            Layout.alignment: Qt.AlignHCenter
            text: "Повторить"
            onClicked: card.retry()
        }
    }
}
