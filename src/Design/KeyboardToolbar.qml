import QtQuick
import QtQuick.Templates as T
import Tarvik.Design

// The keyboard's bar: while `active` and an editable field has the focus, a strip across the
// bottom of the window with "Готово" at its trailing end, where the phone's keyboard bar would be;
// over sheets too. It covers nothing: while it shows, TextEditing.keyboardHeight holds its height,
// by which the window's content and its sheets end higher (the window's FocusScroller then keeps
// the edited field in view above it). "Готово" ends editing. The app window hosts one; place it
// anywhere in the window.
//   active: bool (true); readonly shown; readonly field: the edited field, or null
Item {
    id: toolbar

    property bool active: true
    readonly property Item field: Window.activeFocusItem && TextEditing.isEditable(Window.activeFocusItem)
                                  ? Window.activeFocusItem : null
    readonly property bool shown: active && field !== null
    readonly property real stripHeight: 44

    Component.onDestruction: TextEditing.keyboardHeight = 0

    Binding {
        target: TextEditing
        property: "keyboardHeight"
        value: toolbar.shown ? toolbar.stripHeight : 0
    }

    // A popup of its own: it lives in the window's overlay, above sheets and alerts, and stays
    // usable while a modal sheet holds the rest of the window. It never takes the focus.
    T.Popup {
        id: bar

        objectName: "keyboardBar"
        parent: toolbar.T.Overlay.overlay
        z: 1000
        visible: toolbar.shown
        modal: false
        dim: false
        focus: false
        closePolicy: T.Popup.NoAutoClose
        padding: 0
        x: 0
        y: parent ? parent.height - height : 0
        width: parent ? parent.width : 0
        height: toolbar.stripHeight

        background: Rectangle {
            color: Theme.regularMaterial

            Rectangle {
                width: parent.width
                height: 0.5
                color: Theme.separator
            }
        }

        contentItem: Item {
            TarvikButton {
                id: done
                objectName: "keyboardDone"
                anchors.right: parent.right
                anchors.rightMargin: 16
                anchors.verticalCenter: parent.verticalCenter
                height: parent.height
                text: "Готово"
                focusPolicy: Qt.NoFocus
                onClicked: TextEditing.endEditing()

                contentItem: StyledText {
                    text: done.text
                    textStyle: Theme.Subheadline
                    weight: Font.DemiBold
                    color: done.foreground
                    opacity: done.down ? 0.45 : 1
                    verticalAlignment: Text.AlignVCenter
                }
            }
        }
    }
}
