import QtQuick
import Tarvik.Design

// The send button of a request form: full width, 54 high, pink while the form is valid and muted
// ink while not; "ОТПРАВЛЯЕМ…" and disabled while sending.
//   required caption: string; sending: bool (false); valid: bool (true); clicked()
TarvikButton {
    id: button

    required property string caption
    property bool sending: false
    property bool valid: true

    objectName: "sendButton"
    buttonStyle: TarvikButton.Plain
    enabled: !sending && valid
    text: sending ? "ОТПРАВЛЯЕМ…" : caption
    implicitHeight: 54

    background: Rectangle {
        radius: 16
        color: button.valid ? Theme.tarPink : Theme.withOpacity(Theme.tarInk, 0.18)
    }

    contentItem: StyledText {
        text: button.text
        size: 16
        weight: Font.Black
        rounded: true
        tracking: 0.6
        color: Theme.white
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        opacity: button.down ? 0.7 : 1
        Accessible.ignored: true
    }
}
