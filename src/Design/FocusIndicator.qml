import QtQuick
import Tarvik.Design

// The kit's one focus ring, over whatever control the keyboard has brought the focus to (see
// FocusKeeper): a band in the tint with a white edge on either side, 5 wide, around the control and
// clear of it, so that it stands out on the light screens, the dark header and banners, and the
// filled buttons alike, and covers nothing the control draws. One per window.
FocusKeeper {
    id: keeper

    Item {
        x: keeper.ring.x
        y: keeper.ring.y
        width: keeper.ring.width
        height: keeper.ring.height

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
            border.color: Theme.tarPink
        }
    }
}
