import QtQuick
import QtQuick.Templates as T
import Tarvik.Design

// The keyboard's "Готово" bar: while `active` and an editable field has the focus, a small capsule
// sits at the bottom trailing corner of the window, above the tab bar, where the phone's keyboard
// toolbar would be; over sheets too. When the focused field's row reaches down there, it sits just
// above that row instead, so that it never covers what the user is editing. "Готово" ends editing.
// The app window hosts one; place it anywhere in the window.
//   active: bool (true); bottomMargin: room kept free at the bottom (the tab bar); readonly shown
Item {
    id: toolbar

    property bool active: true
    property real bottomMargin: 49 + 8
    readonly property Item field: Window.activeFocusItem && TextEditing.isEditable(Window.activeFocusItem)
                                  ? Window.activeFocusItem : null
    readonly property bool shown: active && field !== null

    function reposition() {
        if (!field || !bar.parent)
            return
        const area = bar.parent
        // The field's row: its height across the whole width.
        const rect = field.mapToItem(area, 0, 0, field.width, field.height)
        const rowTop = rect.y - 6
        const rowBottom = rect.y + rect.height + 6
        const bottom = area.height - toolbar.bottomMargin - bar.height
        bar.x = area.width - bar.width - 12
        bar.y = rowBottom <= bottom || rowTop >= bottom + bar.height ? bottom : Math.max(8, rowTop - bar.height)
    }

    onShownChanged: reposition()
    onFieldChanged: reposition()

    Connections {
        target: toolbar.Window.window
        enabled: toolbar.shown
        function onAfterAnimating() { toolbar.reposition() }
    }

    // A popup of its own: it lives in the window's overlay, above sheets and alerts, and stays
    // usable while a modal sheet holds the rest of the window. It never takes the focus.
    T.Popup {
        id: bar

        parent: toolbar.T.Overlay.overlay
        z: 1000
        visible: toolbar.shown
        modal: false
        dim: false
        focus: false
        closePolicy: T.Popup.NoAutoClose
        padding: 0
        width: done.implicitWidth + 28
        height: 36

        background: Item {
            SoftRectangle {
                x: -overhang
                y: 3 - overhang
                width: parent.width + 2 * overhang
                height: parent.height + 2 * overhang
                radius: height / 2
                blur: 5
                color: Theme.withOpacity(Theme.black, 0.12)
            }

            Rectangle {
                anchors.fill: parent
                radius: height / 2
                color: Theme.regularMaterial
                border.color: Theme.separator
                border.width: 0.5
            }
        }

        contentItem: Item {
            TarvikButton {
                id: done
                objectName: "keyboardDone"
                anchors.centerIn: parent
                text: "Готово"
                focusPolicy: Qt.NoFocus
                onClicked: TextEditing.endEditing()

                contentItem: StyledText {
                    text: done.text
                    textStyle: Theme.Subheadline
                    weight: Font.DemiBold
                    color: done.foreground
                    opacity: done.down ? 0.45 : 1
                }
            }
        }
    }
}
