import QtQuick
import Tarvik.Design

// A symbol centred on a rounded square of its tint, faint: the icon of list rows. A radius of
// half the side makes it a circle.
//   symbol: symbol name; tint: colour (Theme.tarPink); fillOpacity: of the tint's own (0.12)
//   side: real (42); radius: real (12); symbolSize: real (17); symbolWeight: int (regular)
Rectangle {
    id: tile

    property string symbol
    property color tint: Theme.tarPink
    property real fillOpacity: 0.12
    property real side: 42
    property real symbolSize: 17
    property int symbolWeight: Font.Normal

    implicitWidth: side
    implicitHeight: side
    radius: 12
    color: Qt.rgba(tint.r, tint.g, tint.b, tint.a * fillOpacity)

    SymbolImage {
        anchors.centerIn: parent
        name: tile.symbol
        size: tile.symbolSize
        weight: tile.symbolWeight
        color: tile.tint
    }
}
