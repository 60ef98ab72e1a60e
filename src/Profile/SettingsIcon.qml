import QtQuick
import Tarvik.Design

// The tile of a settings row: the symbol in `tint` on a 42 × 42 rounded square of the tint at
// 13 % of its own opacity.
//   required systemName: symbol name; required tint: colour
Rectangle {
    id: tile

    required property string systemName
    required property color tint

    implicitWidth: 42
    implicitHeight: 42
    radius: 12
    color: Qt.rgba(tint.r, tint.g, tint.b, tint.a * 0.13)

    SymbolImage {
        anchors.centerIn: parent
        name: tile.systemName
        size: Theme.textStyleSize(Theme.Body)
        weight: Font.DemiBold
        color: tile.tint
    }
}
