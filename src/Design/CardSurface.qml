import QtQuick
import QtQuick.Templates as T
import Tarvik.Design

// The card of most screens: content padded by `padding` on a surface-coloured rounded rectangle
// (radius 22) with a soft shadow (black 0.07, blur 18, 8 down).
//   padding: real (0); contentItem: the card's content (sized to the card minus the padding)
T.Control {
    id: card

    implicitWidth: implicitContentWidth + leftPadding + rightPadding
    implicitHeight: implicitContentHeight + topPadding + bottomPadding

    background: Item {
        SoftShadow {
            radius: 22
            blur: 18
            color: Theme.withOpacity(Theme.black, 0.07)
        }

        Rectangle {
            anchors.fill: parent
            radius: 22
            color: Theme.tarSurface
        }
    }
}
