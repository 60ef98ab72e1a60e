import QtQuick
import QtQuick.Layouts
import Tarvik.Design

// A small capsule of the tariff card: a symbol and a one-line title, both in the tint, on the
// tint at 12 %. An empty title leaves the symbol alone. Given less than its width, the title
// shrinks to 0.7 of its size, then is cut.
//   required icon: symbol name; required title: string; required tint: color
Rectangle {
    id: chip

    required property string icon
    required property string title
    required property color tint

    implicitWidth: row.implicitWidth + 18
    implicitHeight: 30
    radius: height / 2
    color: Theme.withOpacity(tint, 0.12)

    RowLayout {
        id: row

        anchors.fill: parent
        anchors.leftMargin: 9
        anchors.rightMargin: 9
        spacing: 5

        SymbolImage {
            name: chip.icon
            size: Theme.textStyleSize(Theme.Caption2)
            weight: Font.Bold
            color: chip.tint
        }

        StyledText {
            Layout.fillWidth: true
            Layout.maximumWidth: implicitWidth
            visible: chip.title.length > 0
            text: chip.title
            textStyle: Theme.Caption
            weight: Font.DemiBold
            color: chip.tint
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: Math.round(Theme.textStyleSize(Theme.Caption) * 0.7)
            elide: Text.ElideRight
        }
    }
}
