import QtQuick
import Tarvik.Design

// The backdrop of a picture banner or card: a soft shadow under it (none while its colour is
// transparent), a fill, the picture filling it, and a veil from `veilStart` through
// `veilMiddle` to `veilEnd` for the text on it; all rounded by `radius`. Fills its parent; put
// the banner's texts over it.
//   picture: asset name; radius: real (22); fill: colour (none)
//   shadowColor: colour (none); shadowBlur: real (14); shadowOffset: real, downwards (7)
//   veilStart, veilMiddle: colour; veilEnd: colour (transparent); veilOrientation: Gradient.Horizontal
Item {
    id: backdrop

    property string picture
    property real radius: 22
    property color fill: "transparent"
    property color shadowColor: "transparent"
    property real shadowBlur: 14
    property real shadowOffset: 7
    property color veilStart
    property color veilMiddle
    property color veilEnd: "transparent"
    property int veilOrientation: Gradient.Horizontal

    anchors.fill: parent

    SoftShadow {
        visible: backdrop.shadowColor.a > 0
        offset: backdrop.shadowOffset
        radius: backdrop.radius
        blur: backdrop.shadowBlur
        color: backdrop.shadowColor
    }

    Rectangle {
        visible: backdrop.fill.a > 0
        anchors.fill: parent
        radius: backdrop.radius
        color: backdrop.fill
    }

    AssetImage {
        anchors.fill: parent
        name: backdrop.picture
        fillMode: AssetImage.Fill
        radius: backdrop.radius
    }

    Rectangle {
        anchors.fill: parent
        radius: backdrop.radius
        gradient: Gradient {
            orientation: backdrop.veilOrientation
            GradientStop { position: 0; color: backdrop.veilStart }
            GradientStop { position: 0.5; color: backdrop.veilMiddle }
            GradientStop { position: 1; color: backdrop.veilEnd }
        }
    }
}
