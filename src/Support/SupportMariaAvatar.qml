import QtQuick
import Tarvik.Design

// The assistant's round portrait: the "SupportMaria" picture in a white ring with a soft shadow.
// Decoration beside her name and messages: assistive technology does not see it.
//   size: real (34 beside the bubbles, 50 in the message info sheet)
Item {
    id: avatar

    property real size: 34

    implicitWidth: size
    implicitHeight: size
    SoftRectangle {
        x: -overhang
        y: 5 - overhang
        width: avatar.size + 2 * overhang
        height: avatar.size + 2 * overhang
        radius: avatar.size / 2
        blur: 10
        color: Theme.withOpacity(Theme.tarInk, 0.12)
    }

    AssetImage {
        anchors.fill: parent
        name: "SupportMaria"
        fillMode: AssetImage.Fill
        radius: avatar.size / 2
    }

    Rectangle {
        anchors.fill: parent
        radius: avatar.size / 2
        color: "transparent"
        border.width: 2
        border.color: Theme.white
    }
}
