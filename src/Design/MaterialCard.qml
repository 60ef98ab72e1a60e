import QtQuick
import Tarvik.Design

// The frosted card laid over a web page (a page's loading overlay, its failure card): the regular
// material in a rounded rectangle of radius 16, blurring the page behind it where the renderer
// can; a soft shadow and a hairline keep it apart from the page.
//   contentItem: what the card holds, centred; padding (24); backdrop: the page behind
Item {
    id: card

    property Item contentItem
    property real padding: 24
    property Item backdrop: null

    implicitWidth: (contentItem ? contentItem.implicitWidth : 0) + 2 * padding
    implicitHeight: (contentItem ? contentItem.implicitHeight : 0) + 2 * padding

    onContentItemChanged: {
        if (contentItem) {
            contentItem.parent = card
            contentItem.anchors.centerIn = card
        }
    }

    SoftShadow {
        offset: 6
        radius: 16
        blur: 18
        color: Theme.withOpacity(Theme.black, 0.12)
    }

    MaterialPanel {
        anchors.fill: parent
        radius: 16
        backdrop: card.backdrop
    }
}
