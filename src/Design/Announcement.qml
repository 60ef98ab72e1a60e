import QtQuick
import Tarvik.Design

// Says a text to a screen reader without moving the focus: a notification that shows anew with
// each say(). Qt 6.4 has no announcement of its own and its desktop bridge drops the alert event;
// a notification coming into view is what a screen reader (Orca) reads out unasked. It takes no
// room and draws nothing; until the next say() (or clear()) it stays in the tree with the last
// text. Put it where no layout places it: a shown one would take a layout's spacing.
//   say(text); clear(): leaves the tree, for a text no longer true
Item {
    id: announcement

    property string text

    function say(text) {
        announcement.visible = false
        announcement.text = text
        announcement.visible = true
    }

    function clear() {
        announcement.visible = false
    }

    visible: false
    Accessible.role: Accessible.Notification
    Accessible.name: text
}
