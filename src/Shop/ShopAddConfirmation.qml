import QtQuick
import Tarvik.Platform
import Tarvik.Design

// The "added" state of a shop button: confirm() turns it on, plays the soft haptic, has
// `announcement` say "Добавлено в корзину" (the focus stays on the button) and ends it 900 ms
// later. Every press gets its own 900 ms; the first to end turns the label back, so after quick
// presses it returns 900 ms after the first.
//   added: bool (confirm() and its timer set it); announcement: Announcement (none); confirm()
QtObject {
    id: confirmation

    property bool added: false
    property Announcement announcement: null
    // End times (ms) of the presses still running, earliest first.
    property var pending: []

    function confirm() {
        added = true
        Haptics.play(Haptics.ImpactSoft)
        announcement?.say("Добавлено в корзину")
        pending.push(Date.now() + 900)
        if (!timer.running)
            schedule()
    }

    function schedule() {
        if (pending.length === 0)
            return
        timer.interval = Math.max(1, pending[0] - Date.now())
        timer.start()
    }

    readonly property Timer timer: Timer {
        onTriggered: {
            confirmation.added = false
            confirmation.announcement?.clear()
            confirmation.pending.shift()
            confirmation.schedule()
        }
    }
}
