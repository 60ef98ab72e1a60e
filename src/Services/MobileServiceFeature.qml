import QtQuick
import QtQuick.Layouts
import Tarvik.Design

// One fact tile of the mobile service: a tinted symbol in a circle, the value and its caption.
//   required icon: symbol name; required title, value: string; required tint: color
Rectangle {
    id: tile

    required property string icon
    required property string title
    required property string value
    required property color tint

    implicitWidth: 100
    implicitHeight: Math.max(116, column.implicitHeight + 26)
    radius: 22
    color: Theme.withOpacity(Theme.tarPaper, 0.78)
    Accessible.role: Accessible.StaticText
    Accessible.name: title + ": " + value

    ColumnLayout {
        id: column

        x: 13
        y: 13
        width: parent.width - 26
        spacing: 10

        Rectangle {
            Layout.preferredWidth: 34
            Layout.preferredHeight: 34
            radius: 17
            color: Theme.withOpacity(tile.tint, 0.12)

            SymbolImage {
                anchors.centerIn: parent
                name: tile.icon
                size: 15
                weight: Font.Black
                color: tile.tint
            }
        }

        StyledText {
            objectName: "value"
            Layout.fillWidth: true
            text: tile.value
            size: 16
            weight: Font.Black
            rounded: true
            color: Theme.tarInk
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: Math.floor(16 * 0.72)
            Accessible.ignored: true
        }

        StyledText {
            Layout.fillWidth: true
            text: tile.title
            textStyle: Theme.Caption
            weight: Font.DemiBold
            color: Theme.secondaryLabel
            Accessible.ignored: true
        }
    }
}
