pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Templates as T
import Tarvik.Design

// The menu of one chat message, opened by a long press on its bubble: reply, edit (own messages
// only), copy, share, pin or unpin, information, delete. A modal dialog "Действия с сообщением";
// the focus goes back to the message when it closes (Escape or a tap outside closes it). Choosing
// closes it, then triggers once it is gone, so that what the choice does with the focus (editing
// puts it in the message field) comes last.
//   outgoing, pinned: of the message; popup(bubble, message): opens beside that bubble, and the
//   focus goes back to `message` (the item that reads the message out)
//   replyChosen(), editChosen(), copyChosen(), shareChosen(), pinChosen(), infoChosen(), deleteChosen()
ModalPopup {
    id: menu

    property bool outgoing: false
    property bool pinned: false
    readonly property var entries: [
        { key: "reply", title: "Ответить", symbol: "arrowshape.turn.up.left.fill", shown: true },
        { key: "edit", title: "Редактировать", symbol: "pencil", shown: outgoing },
        { key: "copy", title: "Скопировать", symbol: "doc.on.doc", shown: true },
        { key: "share", title: "Отправить", symbol: "square.and.arrow.up", shown: true },
        { key: "pin", title: pinned ? "Открепить" : "Закрепить", symbol: pinned ? "pin.slash" : "pin", shown: true },
        { key: "info", title: "Информация", symbol: "info.circle", shown: true },
        { key: "delete", title: "Удалить", symbol: "trash", shown: true, destructive: true }
    ].filter(entry => entry.shown) // qmllint disable type

    signal replyChosen()
    signal editChosen()
    signal copyChosen()
    signal shareChosen()
    signal pinChosen()
    signal infoChosen()
    signal deleteChosen()

    // Internal state.
    // The choice made, triggered once the menu has closed.
    property string chosen

    function popup(bubble, message) {
        opener = message
        const overlay = T.Overlay.overlay
        const place = bubble.mapToItem(overlay, 0, 0)
        const below = place.y + bubble.height + 8
        x = Math.max(16, Math.min(overlay.width - width - 16, outgoing ? place.x + bubble.width - width : place.x))
        y = below + implicitHeight < overlay.height - 16 ? below : Math.max(16, place.y - implicitHeight - 8)
        open()
    }

    function choose(key) {
        chosen = key
        close()
    }

    onClosed: {
        const key = chosen
        chosen = ""
        switch (key) {
        case "reply": replyChosen(); break
        case "edit": editChosen(); break
        case "copy": copyChosen(); break
        case "share": shareChosen(); break
        case "pin": pinChosen(); break
        case "info": infoChosen(); break
        case "delete": deleteChosen(); break
        }
    }

    title: "Действия с сообщением"
    width: 250
    implicitHeight: entriesColumn.implicitHeight
    padding: 0
    closePolicy: T.Popup.CloseOnEscape | T.Popup.CloseOnPressOutside

    enter: Transition {
        NumberAnimation { property: "opacity"; from: 0; to: 1; duration: 160 }
        NumberAnimation { property: "scale"; from: 0.9; to: 1; duration: 160; easing.type: Easing.OutCubic }
    }
    exit: Transition {
        NumberAnimation { property: "opacity"; to: 0; duration: 120 }
    }

    T.Overlay.modal: Rectangle {
        color: Theme.withOpacity(Theme.black, 0.12)
    }

    background: Rectangle {
        radius: 14
        color: Qt.rgba(0.98, 0.98, 0.98, 0.98)
        border.width: 0.5
        border.color: Theme.separator
    }

    contentItem: Column {
        id: entriesColumn

        Repeater {
            model: menu.entries

            T.AbstractButton {
                id: entry

                required property var modelData
                required property int index
                readonly property color tint: modelData.destructive ? Theme.systemRed : Theme.label

                objectName: "menu_" + modelData.key
                width: menu.width
                implicitHeight: 44
                text: modelData.title
                onClicked: menu.choose(modelData.key)

                background: Rectangle {
                    color: entry.down ? Theme.withOpacity(Theme.black, 0.06) : "transparent"
                    radius: 14

                    Rectangle {
                        visible: entry.index > 0
                        width: parent.width
                        height: 0.5
                        color: Theme.separator
                    }
                }
                contentItem: Item {
                    StyledText {
                        anchors.left: parent.left
                        anchors.leftMargin: 16
                        anchors.verticalCenter: parent.verticalCenter
                        text: entry.text
                        color: entry.tint
                        Accessible.ignored: true
                    }
                    SymbolImage {
                        anchors.right: parent.right
                        anchors.rightMargin: 14
                        anchors.verticalCenter: parent.verticalCenter
                        name: entry.modelData.symbol
                        color: entry.tint
                    }
                }
            }
        }
    }
}
