import QtQuick
import QtQuick.Templates as T
import Tarvik.Design

// The base of the kit's modal popups (Sheet, Alert, the pickers' cards): dimmed, over the whole
// window, shown while `presented` (or by open() and close()). Assistive technology sees a modal
// dialog named by `title` and described by `message`. It takes the focus as it opens (or puts it
// on `initialFocus`), and gives the focus back to its opener when it closes (what had the focus
// when it opened, unless told) if that still shows, else to the named control of the screen
// beneath nearest to where the opener was (ScreenReader.giveBack).
//   presented: bool — drive it from the presenter's flag and reset the flag in onClosed
//   title, message: string; initialFocus: Item (null: the dialog itself)
//   opener: Item — what the focus goes back to (null: what had it when it opened); set it before
//   opening, for a popup opened from something that does not take the focus (a long press)
//   cancellable: bool (true) — Escape, the cancel action, closes it and then emits cancelled();
//   false: Escape does nothing here
//   open(), close(); opened(), closed(); cancelled()
T.Popup {
    id: popup

    property bool presented: false
    property string title
    property string message
    property Item initialFocus: null
    property Item opener: null
    property bool cancellable: true

    signal cancelled()

    // Internal state.
    // What had the focus when it opened, how it had come by it, its screen and its place there.
    property Item returnFocus: null
    property int returnFocusReason: Qt.OtherFocusReason
    property Item returnScreen: null
    property rect returnPlace
    // From opening until the focus has been placed in it; from the start of closing.
    property bool placingFocus: false
    property bool closing: false

    onPresentedChanged: presented ? open() : close()
    Component.onCompleted: if (presented) open()

    onAboutToShow: {
        const back = ScreenReader.returnPoint(parent, opener)
        returnFocus = back.item
        returnScreen = back.screen
        returnPlace = back.place
        // One the keyboard had reached shows its focus again (a carousel's page then holds still).
        returnFocusReason = (returnFocus as T.Control)?.focusReason ?? Qt.OtherFocusReason
        placingFocus = true
        closing = false
    }
    onAboutToHide: closing = true
    onClosed: {
        const opener = returnFocus
        const screen = returnScreen
        returnFocus = null
        returnScreen = null
        ScreenReader.giveBack(opener, screen, returnPlace, returnFocusReason)
    }

    parent: T.Overlay.overlay
    modal: true
    dim: true
    focus: true

    // The popup's own item is what assistive technology sees of it.
    Binding {
        target: popup.contentItem.parent ? popup.contentItem.parent.Accessible : null
        property: "name"
        value: popup.title
    }
    Binding {
        target: popup.contentItem.parent ? popup.contentItem.parent.Accessible : null
        property: "description"
        value: popup.message
    }
    // Escape, wherever the focus is in the popup (it reaches the popup's own item last), is its
    // cancel action: Qt's own CloseOnEscape only closes.
    Connections {
        target: popup.contentItem.parent ? popup.contentItem.parent.Keys : null

        function onEscapePressed(event) {
            event.accepted = popup.cancellable && popup.visible && !popup.closing
            if (!event.accepted)
                return
            popup.close()
            popup.cancelled()
        }
    }
    // Qt gives the focus to the popup as it opens (to what had it inside, the time before), and
    // again when a popup over it closes. Opening, it goes on to `initialFocus`, or to the dialog
    // itself, which is then read out (Qt reports no focus of a popup of its own).
    Connections {
        target: popup.contentItem.parent

        function onActiveFocusChanged() {
            const dialog = popup.contentItem.parent
            if (!dialog.activeFocus)
                return
            const focused = dialog.Window.activeFocusItem
            if (popup.placingFocus) {
                popup.placingFocus = false
                if (popup.initialFocus && popup.initialFocus.visible) {
                    ScreenReader.announce(popup.initialFocus)
                    return
                }
                if (focused !== dialog)
                    focused.focus = false
            }
            if (dialog.Window.activeFocusItem === dialog)
                ScreenReader.announce(dialog)
        }
    }
}
