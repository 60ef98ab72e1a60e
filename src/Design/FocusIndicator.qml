import QtQuick
import Tarvik.Design

// The kit's one focus ring, over whatever control the keyboard has brought the focus to (see
// FocusKeeper): an ink band with a white edge on either side, so that it stands out on the light
// screens and on the dark cards and filled buttons alike. One per window.
FocusKeeper {
    id: keeper

    Rectangle {
        anchors.fill: parent
        radius: keeper.radius
        color: "transparent"
        border.width: 5
        border.color: Theme.white
    }

    Rectangle {
        anchors.fill: parent
        anchors.margins: 1
        radius: Math.max(0, keeper.radius - 1)
        color: "transparent"
        border.width: 3
        border.color: Theme.tarInk
    }
}
