pragma ComponentBehavior: Bound
import QtQuick
import Tarvik.Design

// A miniature screen in a theme: three bars on a light or black tile; the system theme is half
// light, half dark. Fills the width it is given, 128 high.
//   required theme: TarvikAppearanceTheme.System, .Light or .Dark
Rectangle {
    id: preview

    required property int theme
    readonly property bool dark: theme === TarvikAppearanceTheme.Dark

    implicitHeight: 128
    radius: 16
    color: dark ? Theme.black : Qt.rgba(0.93, 0.94, 0.96, 1)

    Column {
        anchors.fill: parent
        anchors.margins: 10
        spacing: 8

        Repeater {
            model: [[6, 15], [8, 36], [8, 28]]

            Rectangle {
                required property var modelData

                width: parent.width
                height: modelData[1]
                radius: modelData[0]
                color: preview.dark ? Theme.withOpacity(Theme.white, 0.14) : Theme.white
            }
        }
    }

    // The trailing half darkened, rounded like the tile on its outer side.
    RoundedCornerShape {
        visible: preview.theme === TarvikAppearanceTheme.System
        x: parent.width / 2
        width: parent.width / 2
        height: parent.height
        radius: preview.radius
        corners: RoundedCornerShape.TopRight | RoundedCornerShape.BottomRight
        color: Theme.withOpacity(Theme.black, 0.72)
    }
}
