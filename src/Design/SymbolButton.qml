import QtQuick
import Tarvik.Design

// An icon-only button: the symbol `symbol` centred in a 44 × 44 tappable frame. `text` is not
// shown; it is the accessibility label every icon-only control needs.
//   required symbol: symbol name; required text: accessibility label; size (17), weight, color
//   (the button's foreground by default: the tint); buttonStyle as TarvikButton; clicked()
TarvikButton {
    id: control

    required property string symbol
    required text
    property real size: Theme.textStyleSize(Theme.Body)
    property int weight: Font.Normal
    property color color: control.foreground

    implicitWidth: 44
    implicitHeight: 44

    contentItem: Item {
        SymbolImage {
            anchors.centerIn: parent
            name: control.symbol
            size: control.size
            weight: control.weight
            color: control.color
            opacity: control.down && !control.bordered ? 0.45 : 1
        }
    }
}
