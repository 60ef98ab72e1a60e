import QtQuick
import Tarvik.Design

// The pink 36-point icon tile of the autopay rows.
//   required icon: symbol name
Rectangle {
    id: tile

    required property string icon

    implicitWidth: 36
    implicitHeight: 36
    radius: 12
    color: Theme.withOpacity(Theme.tarPink, 0.1)

    SymbolImage {
        anchors.centerIn: parent
        name: tile.icon
        size: 14
        weight: Font.Bold
        color: Theme.tarPink
    }
}
